// The columns and spacing of the industry study's two extinguisher pages.
#pragma once

#include "dialogs/equipment_grid_page.h"

namespace flox06 {

// Page 5 parts the kind's heading over two lines, page 6 keeps it on one.
inline constexpr dlg::TGridColumns kColumns = {{
    {4, 22, "Α/Α", nullptr, "aa", dlg::csCentre},
    {28, 196, "Είδος πυροσβεστήρα", "ή μέσου", "Eidos"},
    {228, 44, "Διεθνές", "Σύμβολο", "Symbol", dlg::csCentre},
    {276, 56, "Ποσότητα", nullptr, "Poso"},
    {336, 214, "Τρόπος λειτουργίας", nullptr, "Use"},
    {554, 66, "Χρόνος", "επιθεώρ.", "Time"},
    {624, 104, "Παρατηρήσεις", nullptr, "Comments"},
}};
inline constexpr dlg::TGridColumns kColumns6 = [] {
  dlg::TGridColumns columns = kColumns;
  columns[1].head1 = "Είδος πυροσβεστήρα ή μέσου";
  columns[1].head2 = nullptr;
  return columns;
}();

inline constexpr dlg::TGridLayoutDef kGridLayout{
    .headY = 2, .headH = 28, .gridTop = 34, .rowH = 21, .tallRowH = 28, .editDy = 0};

}  // namespace flox06
