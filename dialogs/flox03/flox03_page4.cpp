// Tab "Πυροσβεστήρες" (first): extinguishers and equipment, rows 1 to 19.
// Rows 1 to 11 edit only the quantity and the remarks; rows 12 to 19 edit
// everything but the kind.
#include "dialogs/equipment_grid_page.h"
#include "dialogs/flox03/flox03_pages.h"

namespace flox03 {
namespace {

using namespace dlg;

constexpr TGridColumns kColumns = {{
    {4, 22, "Α/Α", nullptr, "aa", csCentre},
    {28, 180, "Είδος πυροσβεστήρα ή μέσου", nullptr, "Eidos"},
    {210, 44, "Διεθνές", "Σύμβ.", "Symbol", csCentre},
    {256, 38, "Ποσότ.", nullptr, "Poso"},
    {296, 134, "Τρόπος λειτουργίας", nullptr, "Use"},
    {432, 62, "Χρόνος", "επιθεώρ.", "Time"},
    {496, 149, "Παρατηρήσεις", nullptr, "Comments"},
}};

// The hotel study's dialog is wider: its mode and remarks columns take the room.
constexpr TGridColumns kHotelColumns = {{
    kColumns[0], kColumns[1], kColumns[2], kColumns[3],
    {296, 150, "Τρόπος λειτουργίας", nullptr, "Use"},
    {448, 62, "Χρόνος", "επιθεώρ.", "Time"},
    {512, 168, "Παρατηρήσεις", nullptr, "Comments"},
}};

constexpr TGridCellDef kPressure = F("Με πίεση αδρανούς αερίου");
constexpr TGridCellDef kRelease = F("Εκτόνωση αερίου-χιόνος");
constexpr TGridCellDef kYearly = F("ανά 12μηνο");
constexpr TGridCellDef kHalfYearly = F("ανά 6μηνο");

constexpr TGridRowDef kRows[] = {
    {1, {F("1"), F("Ξηρής σκόνης φορητός 6 χλγ."), F("P"), E(1, 5), kPressure, kYearly, E(2, 60)}},
    {2, {F("2"), F("Ξηρής σκόνης φορητός 12 χλγ."), F("P"), E(3, 5), kPressure, kYearly, E(4, 60)}},
    {3, {F("3"), F("Ξηρής σκόνης τροχήλατος 25 χλγ."), F("P"), E(5, 5), kPressure, kYearly, E(6, 60)}},
    {4, {F("4"), F("Ξηρής σκόνης τροχήλατος 50 χλγ."), F("P"), E(7, 5), kPressure, kYearly, E(8, 60)}},
    {5, {F("5"), F("Ξηρής σκόνης οροφής 6 χλγ."), F("P"), E(9, 5), kPressure, kYearly, E(10, 60)}},
    {6, {F("6"), F("Ξηρής σκόνης οροφής 12 χλγ."), F("P"), E(11, 5), kPressure, kYearly, E(12, 60)}},
    {7, {F("7"), F("Διοξειδίου άνθρακα φορητός 6 χλγ."), F("C"), E(13, 5), kRelease, kHalfYearly, E(14, 60)}},
    {8, {F("8"), F("Διοξειδίου άνθρακα φορητός 12 χλγ."), F("C"), E(15, 5), kRelease, kHalfYearly, E(16, 60)}},
    {9, {F("9"), F("Διοξειδίου άνθρακα οροφής 6 χλγ."), F("C"), E(17, 5), kRelease, kHalfYearly, E(18, 60)}},
    {10, {F("10"), F("Διοξειδίου άνθρακα οροφής 12 χλγ."), F("C"), E(19, 5), kRelease, kHalfYearly, E(20, 60)}},
    {11, {F("11"), F("Αφρού μηχανικού φορητός 10 λιτρ."), F("WF"), E(22, 5), kPressure, kHalfYearly, E(25, 60)}},
    {12, {F("12"), F("Αναπνευστικές συσκευές κλειστού\nκυκλώματος οξυγόνου."), E(26, 4), E(27, 5), E(28, 60), E(29, 12), E(30, 60)}},
    {13, {F("13"), F("Αναπνευστικές συσκευές ανοικτού\nκυκλώματος πεπιεσμένου αέρος."), E(31, 4), E(32, 5), E(33, 60), E(34, 12), E(35, 60)}},
    {14, {F("14"), F("Ατομικές προσωπίδες με φίλτρο"), E(36, 4), E(37, 5), E(38, 60), E(39, 12), E(40, 30)}},
    {15, {F("15"), F("Στολές αμιάντου προσέγγισης"), E(41, 4), E(42, 5), E(43, 60), E(44, 12), E(45, 30)}},
    {16, {F("16"), F("Στολές αμιάντου διέλευσης"), E(46, 4), E(47, 5), E(48, 60), E(49, 12), E(50, 30)}},
    {17, {F("17"), F("Στολές αμμωνίας"), E(51, 4), E(52, 5), E(53, 60), E(54, 12), E(55, 30)}},
    {18, {F("18"), F("Φτυάρια"), E(56, 4), E(57, 5), E(58, 60), E(59, 12), E(60, 30)}},
    {19, {F("19"), F("Σκαπάνες"), E(61, 4), E(62, 5), E(63, 60), E(64, 12), E(65, 30)}},
};

constexpr TGridLayoutDef kLayout{.headY = 2, .headH = 28, .gridTop = 33, .rowH = 21, .tallRowH = 26, .editDy = 0};

}  // namespace

const TPageDesc& Page4Desc() {
  static const TGridPage page(kColumns, kRows, kLayout);
  return page.Desc();
}

const TPageDesc& HotelPage4Desc() {
  static const TGridPage page(kHotelColumns, kRows, kLayout);
  return page.Desc();
}

}  // namespace flox03
