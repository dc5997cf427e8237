// Tab "Πυροσβεστήρες" (first): extinguishers and equipment, rows 1 to 18.
// Rows 1 to 11 edit only the quantity and the remarks; rows 12 to 18 edit
// everything but the kind, and row 12 also the capacity of its vehicle.
#include "dialogs/equipment_grid_page.h"
#include "dialogs/flox06/flox06_pages.h"
#include "dialogs/flox06/flox06_grid.h"

namespace flox06 {
namespace {

using namespace dlg;

constexpr TGridCellDef kPressure = F("Εκτόξευση με πίεση αδρανούς αερίου");
constexpr TGridCellDef kRelease = F("Εκτόξευση, εκτόνωση αερίου και χιόνος");
constexpr TGridCellDef kYearly = F("ανά 12μηνο");
constexpr TGridCellDef kHalfYearly = F("ανά 6μηνο");

// Row 12's capacity: "Οχημα σκόνης χωρητ." [Edit21] "χλγ".
constexpr TGridInlineDef kCapacity{.textW = 112, .editW = 44, .after = "χλγ", .field = "Xwritikotita"};

constexpr TGridRowDef kRows[] = {
    {1, {F("1"), F("Ξηρής σκόνης φορητός 6 χλγ."), F("P"), E(1, 8), kPressure, kYearly, E(2, 60)}},
    {2, {F("2"), F("Ξηρής σκόνης φορητός 12 χλγ."), F("P"), E(3, 8), kPressure, kYearly, E(4, 60)}},
    {3, {F("3"), F("Ξηρής σκόνης τροχήλατος 25 χλγ."), F("P"), E(5, 8), kPressure, kYearly, E(6, 60)}},
    {4, {F("4"), F("Ξηρής σκόνης τροχήλατος 50 χλγ."), F("P"), E(7, 8), kPressure, kYearly, E(8, 60)}},
    {5, {F("5"), F("Ξηρής σκόνης οροφής 6 χλγ."), F("P"), E(9, 8), kPressure, kYearly, E(10, 60)}},
    {6, {F("6"), F("Ξηρής σκόνης οροφής 12 χλγ."), F("P"), E(11, 8), kPressure, kYearly, E(12, 60)}},
    {7, {F("7"), F("Διοξειδίου άνθρακα φορητός 6 χλγ."), F("C"), E(13, 8), kRelease, kHalfYearly, E(14, 60)}},
    {8, {F("8"), F("Διοξειδίου άνθρακα φορητός 12 χλγ."), F("C"), E(15, 8), kRelease, kHalfYearly, E(16, 60)}},
    {9, {F("9"), F("Διοξειδίου άνθρακα οροφής 6 χλγ."), F("C"), E(17, 8), kRelease, kHalfYearly, E(18, 60)}},
    {10, {F("10"), F("Διοξειδίου άνθρακα οροφής 12 χλγ."), F("C"), E(19, 8), kRelease, kHalfYearly, E(20, 60)}},
    {11, {F("11"), F("Αφρού μηχανικού\nφορητός 10 λίτρων"), F("WF"), E(22, 8), kPressure, kHalfYearly, E(25, 60)}},
    {12, {F("12"), FI("Οχημα σκόνης χωρητ.", 21, 6, &kCapacity), E(26, 4), E(27, 8), E(28, 60), E(29, 12), E(30, 60)}},
    {13, {F("13"), F("Οχημα πυροσβεστικό"), E(31, 4), E(32, 8), E(33, 60), E(34, 12), E(35, 60)}},
    {14, {F("14"), F("Αναπνευστικές συσκευές κλειστού\nκυκλώματος οξυγόνου."), E(36, 4), E(37, 8), E(38, 60), E(39, 12), E(40, 60)}},
    {15, {F("15"), F("Αναπνευστικές συσκευές ανοικτού\nκυκλώματος πεπιεσμένου αέρος."), E(41, 4), E(42, 8), E(43, 60), E(44, 12), E(45, 60)}},
    {16, {F("16"), F("Ατομικές προσωπίδες με φίλτρο"), E(46, 4), E(47, 8), E(48, 60), E(49, 12), E(50, 60)}},
    {17, {F("17"), F("Στολές αμιάντου προσέγγισης"), E(51, 4), E(52, 8), E(53, 60), E(54, 12), E(55, 60)}},
    {18, {F("18"), F("Στολές αμιάντου διέλευσης"), E(56, 4), E(57, 8), E(58, 60), E(59, 12), E(60, 60)}},
};

}  // namespace

const TPageDesc& Page5Desc() {
  static const TGridPage page(kColumns, kRows, kGridLayout);
  return page.Desc();
}

}  // namespace flox06
