// The tables of the general study's six entry pages. Pages 4 and 5 (the
// extinguisher lists) also serve the hotel study, a little wider, on its own
// records of the same classes.
#pragma once

#include "dialogs/dialog_tables.h"

namespace flox03 {

const dlg::TPageDesc& Page1Desc();  // "Επιχείρηση": the business and the study's author
const dlg::TPageDesc& Page2Desc();  // "Οικοδομική Σύσταση": floors, areas, construction, exits, neighbours
const dlg::TPageDesc& Page3Desc();  // "Μέτρα Πυροπροστασίας": access, hydrants, gas and the measures
const dlg::TPageDesc& Page4Desc();  // "Πυροσβεστήρες": extinguishers and equipment, rows 1 to 19
const dlg::TPageDesc& Page5Desc();  // "Πυροσβεστήρες": equipment, rows 20 to 28 (the last three free)
const dlg::TPageDesc& Page6Desc();  // "Ομάδες Πυρόσβεσης": four free-text sections
// Pages 4 and 5 as the hotel study's wider dialog shows them: the same rows,
// controls and bindings, some columns wider.
const dlg::TPageDesc& HotelPage4Desc();
const dlg::TPageDesc& HotelPage5Desc();

}  // namespace flox03
