// Tab "Πυροσβεστήρες" (second): equipment, rows 19 to 30, the last three free.
#include "dialogs/flox06/flox06_grid.h"
#include "dialogs/flox06/flox06_tables.h"

namespace flox06 {
namespace {

using namespace dlg;

// Rows 19 to 27: symbol, quantity, operation, inspection and remarks edits
// with their input limits (0: none).
const TEditedRow kEditedRows[] = {
    {"Στολές αμμωνίας", {1, 2, 3, 4, 5}, {4, 9, 60, 0, 50}},
    {"Φτυάρια", {6, 7, 8, 9, 10}, {4, 9, 60, 0, 50}},
    {"Σκαπάνες", {11, 12, 13, 14, 15}, {4, 9, 60, 0, 50}},
    {"Τσεκούρια", {16, 17, 18, 19, 20}, {4, 9, 60, 0, 50}},
    {"Σκεπάρνια", {21, 22, 23, 24, 25}, {4, 9, 60, 0, 50}},
    {"Λοστοί διάρρηξης", {26, 27, 28, 29, 30}, {0, 9, 60, 12, 50}},
    {"Προστατευτικά κράνη", {31, 32, 33, 34, 35}, {0, 9, 60, 0, 50}},
    {"Κουβέρτες διάσωσης\nδύσφλεκτες", {36, 37, 38, 39, 40}, {12, 9, 60, 0, 50}},
    {"Ηλεκτρικοί φανοί χειρός", {41, 42, 43, 44, 45}, {0, 9, 60, 60, 50}},
};

// Rows 28 to 30: the number and the kind are edits too.
struct TFreeRow {
  int numberEdit, kindEdit;
  TEditedRow cells;
};
const TFreeRow kFreeRows[] = {
    {46, 47, {"", {48, 49, 50, 51, 52}, {0, 9, 60, 60, 50}}},
    {53, 54, {"", {55, 56, 57, 58, 59}, {0, 9, 60, 0, 50}}},
    {60, 61, {"", {62, 63, 64, 65, 66}, {0, 9, 60, 0, 50}}},
};
constexpr int kKindLimit = 60;

const TPageDesc& Build() {
  static TPageTables t;
  TGrid grid(t, "Είδος πυροσβεστήρα ή μέσου");
  int row = 19;
  for (const TEditedRow& r : kEditedRows) grid.Edited(row++, r);
  for (const TFreeRow& r : kFreeRows) grid.Free(row++, r.numberEdit, r.kindEdit, kKindLimit, r.cells);
  grid.Close();
  t.Add(Lbl("Συμπληρώνεται και από τυχόν επιπλέον υλικά που δεν αναφέρονται στον πίνακα.", 8, grid.Y() + 6));
  static const TPageDesc desc = t.Desc();
  return desc;
}

}  // namespace

const TPageDesc& Page6Desc() {
  static const TPageDesc& desc = Build();
  return desc;
}

}  // namespace flox06
