// Tab "Πυροσβεστήρες" (second): equipment, rows 19 to 30. Rows 28 to 30 are
// free: their number and kind are edits too, bound to the fields numbered
// one below the row (aa27 and Eidos27 belong to row 28).
#include "dialogs/equipment_grid_page.h"
#include "dialogs/flox06/flox06_grid.h"
#include "dialogs/flox06/flox06_pages.h"

namespace flox06 {
namespace {

using namespace dlg;

constexpr TGridRowDef kRows[] = {
    {19, {F("19"), F("Στολές αμμωνίας"), E(1, 4), E(2, 9), E(3, 60), E(4, 0), E(5, 50)}},
    {20, {F("20"), F("Φτυάρια"), E(6, 4), E(7, 9), E(8, 60), E(9, 0), E(10, 50)}},
    {21, {F("21"), F("Σκαπάνες"), E(11, 4), E(12, 9), E(13, 60), E(14, 0), E(15, 50)}},
    {22, {F("22"), F("Τσεκούρια"), E(16, 4), E(17, 9), E(18, 60), E(19, 0), E(20, 50)}},
    {23, {F("23"), F("Σκεπάρνια"), E(21, 4), E(22, 9), E(23, 60), E(24, 0), E(25, 50)}},
    {24, {F("24"), F("Λοστοί διάρρηξης"), E(26, 0), E(27, 9), E(28, 60), E(29, 12), E(30, 50)}},
    {25, {F("25"), F("Προστατευτικά κράνη"), E(31, 0), E(32, 9), E(33, 60), E(34, 0), E(35, 50)}},
    {26, {F("26"), F("Κουβέρτες διάσωσης\nδύσφλεκτες"), E(36, 12), E(37, 9), E(38, 60), E(39, 0), E(40, 50)}},
    {27, {F("27"), F("Ηλεκτρικοί φανοί χειρός"), E(41, 0), E(42, 9), E(43, 60), E(44, 60), E(45, 50)}},
    {28, {E(46, 0, 27), E(47, 60, 27), E(48, 0), E(49, 9), E(50, 60), E(51, 60), E(52, 50)}},
    {29, {E(53, 0, 28), E(54, 60, 28), E(55, 0), E(56, 9), E(57, 60), E(58, 0), E(59, 50)}},
    {30, {E(60, 0, 29), E(61, 60, 29), E(62, 0), E(63, 9), E(64, 60), E(65, 0), E(66, 50)}},
};

constexpr TGridLayoutDef kLayout = [] {
  TGridLayoutDef layout = kGridLayout;
  layout.footnote = "Συμπληρώνεται και από τυχόν επιπλέον υλικά που δεν αναφέρονται στον πίνακα.";
  return layout;
}();

}  // namespace

const TPageDesc& Page6Desc() {
  static const TGridPage page(kColumns6, kRows, kLayout);
  return page.Desc();
}

}  // namespace flox06
