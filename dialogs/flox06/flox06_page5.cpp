// Tab "Πυροσβεστήρες" (first): extinguishers and equipment, rows 1 to 18.
#include <string>

#include "dialogs/flox06/flox06_grid.h"
#include "dialogs/flox06/flox06_tables.h"

namespace flox06 {
namespace {

using namespace dlg;

constexpr const char* kPressure = "Εκτόξευση με πίεση αδρανούς αερίου";
constexpr const char* kRelease = "Εκτόξευση, εκτόνωση αερίου και χιόνος";
constexpr const char* kYearly = "ανά 12μηνο";
constexpr const char* kHalfYearly = "ανά 6μηνο";

// Rows 1 to 11: kind, symbol, operation and inspection are fixed; quantity
// and remarks are edited.
const TFixedRow kFixedRows[] = {
    {"Ξηρής σκόνης φορητός 6 χλγ.", "P", kPressure, kYearly, 1, 2},
    {"Ξηρής σκόνης φορητός 12 χλγ.", "P", kPressure, kYearly, 3, 4},
    {"Ξηρής σκόνης τροχήλατος 25 χλγ.", "P", kPressure, kYearly, 5, 6},
    {"Ξηρής σκόνης τροχήλατος 50 χλγ.", "P", kPressure, kYearly, 7, 8},
    {"Ξηρής σκόνης οροφής 6 χλγ.", "P", kPressure, kYearly, 9, 10},
    {"Ξηρής σκόνης οροφής 12 χλγ.", "P", kPressure, kYearly, 11, 12},
    {"Διοξειδίου άνθρακα φορητός 6 χλγ.", "C", kRelease, kHalfYearly, 13, 14},
    {"Διοξειδίου άνθρακα φορητός 12 χλγ.", "C", kRelease, kHalfYearly, 15, 16},
    {"Διοξειδίου άνθρακα οροφής 6 χλγ.", "C", kRelease, kHalfYearly, 17, 18},
    {"Διοξειδίου άνθρακα οροφής 12 χλγ.", "C", kRelease, kHalfYearly, 19, 20},
    {"Αφρού μηχανικού\nφορητός 10 λίτρων", "WF", kPressure, kHalfYearly, 22, 25},
};

// Rows 12 to 18: only the kind is fixed; symbol, quantity, operation,
// inspection and remarks are five edits in a row.
const TEditedRow kEditedRows[] = {
    {"Οχημα σκόνης χωρητ.", {26, 27, 28, 29, 30}, {4, 8, 60, 12, 60}},
    {"Οχημα πυροσβεστικό", {31, 32, 33, 34, 35}, {4, 8, 60, 12, 60}},
    {"Αναπνευστικές συσκευές κλειστού\nκυκλώματος οξυγόνου.", {36, 37, 38, 39, 40}, {4, 8, 60, 12, 60}},
    {"Αναπνευστικές συσκευές ανοικτού\nκυκλώματος πεπιεσμένου αέρος.", {41, 42, 43, 44, 45}, {4, 8, 60, 12, 60}},
    {"Ατομικές προσωπίδες με φίλτρο", {46, 47, 48, 49, 50}, {4, 8, 60, 12, 60}},
    {"Στολές αμιάντου προσέγγισης", {51, 52, 53, 54, 55}, {4, 8, 60, 12, 60}},
    {"Στολές αμιάντου διέλευσης", {56, 57, 58, 59, 60}, {4, 8, 60, 12, 60}},
};

const TPageDesc& Build() {
  static TPageTables t;
  TGrid grid(t, "Είδος πυροσβεστήρα\nή μέσου");
  int row = 1;
  for (const TFixedRow& r : kFixedRows) grid.Fixed(row++, r, 8, 60);
  for (const TEditedRow& r : kEditedRows) {
    if (row == 12) {
      // The capacity of the powder vehicle sits inside its description.
      constexpr int kTextW = 112;
      t.Add(Ed("Edit21", kKindColumn.x + kTextW, grid.Y(), 44, 6));
      t.Add(Lbl("χλγ", kKindColumn.x + kTextW + 48, grid.Y()));
      t.Bind("Edit21", "Xwritikotita", TBindKind::Text);
      grid.Edited(row++, r, kTextW);
      continue;
    }
    grid.Edited(row++, r);
  }
  grid.Close();
  static const TPageDesc desc = t.Desc();
  return desc;
}

}  // namespace

const TPageDesc& Page5Desc() {
  static const TPageDesc& desc = Build();
  return desc;
}

}  // namespace flox06
