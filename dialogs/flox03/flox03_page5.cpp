// Tab "Πυροσβεστήρες" (second): equipment, rows 20 to 28; the last three
// rows are free, with the row's number and the item's kind typed in.
#include "dialogs/equipment_grid_page.h"
#include "dialogs/flox03/flox03_pages.h"

namespace flox03 {
namespace {

using namespace dlg;

constexpr TGridColumns kColumns = {{
    {4, 26, "Α/Α", nullptr, "aa", csCentre},
    {32, 166, "Είδος πυροσβεστήρα", nullptr, "Eidos"},
    {200, 48, "Διεθνές", "Σύμβολο", "Symbol", csCentre},
    {250, 56, "Ποσότητα", nullptr, "Poso"},
    {308, 150, "Τρόπος λειτουργίας", nullptr, "Use"},
    {460, 70, "Χρόνος", "επιθεώρ.", "Time"},
    {532, 113, "Παρατηρήσεις", nullptr, "Comments"},
}};

// The hotel study's dialog is wider: kind, mode and remarks take the room.
constexpr TGridColumns kHotelColumns = {{
    kColumns[0],
    {32, 180, "Είδος πυροσβεστήρα", nullptr, "Eidos"},
    {214, 48, "Διεθνές", "Σύμβολο", "Symbol", csCentre},
    {264, 56, "Ποσότητα", nullptr, "Poso"},
    {322, 156, "Τρόπος λειτουργίας", nullptr, "Use"},
    {480, 70, "Χρόνος", "επιθεώρ.", "Time"},
    {552, 128, "Παρατηρήσεις", nullptr, "Comments"},
}};

// Symbol, quantity, mode, interval and remarks of a row from its first edit.
#define FLOX_ROW_EDITS(e) E(e, 4), E(e + 1, 6), E(e + 2, 60), E(e + 3, 12), E(e + 4, 0)
constexpr TGridRowDef kRows[] = {
    {20, {F("20"), F("Τσεκούρια"), FLOX_ROW_EDITS(1)}},
    {21, {F("21"), F("Σκεπάρνια"), FLOX_ROW_EDITS(6)}},
    {22, {F("22"), F("Λοστοί διάρρηξης"), FLOX_ROW_EDITS(11)}},
    {23, {F("23"), F("Προστατευτικά κράνη"), FLOX_ROW_EDITS(16)}},
    {24, {F("24"), F("Κουβέρτες διάσωσης\nδύσφλεκτες"), FLOX_ROW_EDITS(21)}},
    {25, {F("25"), F("Ηλεκτρικοί φανοί χειρός"), FLOX_ROW_EDITS(28)}},
    {26, {E(33, 2), E(34, 50), FLOX_ROW_EDITS(35)}},
    {27, {E(40, 2), E(41, 50), FLOX_ROW_EDITS(42)}},
    {28, {E(47, 2), E(48, 50), FLOX_ROW_EDITS(49)}},
};
#undef FLOX_ROW_EDITS

constexpr TGridLayoutDef kLayout{
    .headY = 2, .headH = 28, .gridTop = 34, .rowH = 23, .tallRowH = 28, .editDy = 2,
    .footnote = "Συμπληρώνεται και από τυχόν επιπλέον υλικά που δεν αναφέρονται στον πίνακα."};

}  // namespace

const TPageDesc& Page5Desc() {
  static const TGridPage page(kColumns, kRows, kLayout);
  return page.Desc();
}

const TPageDesc& HotelPage5Desc() {
  static const TGridPage page(kHotelColumns, kRows, kLayout);
  return page.Desc();
}

}  // namespace flox03
