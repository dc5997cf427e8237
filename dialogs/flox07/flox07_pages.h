// The tables of the hotel study's own entry pages: tabs 0, 1, 2 and 5 of
// its dialog. Tabs 3 and 4 are the general study's extinguisher pages on the
// hotel study's own records.
#pragma once

#include "dialogs/dialog_tables.h"

namespace flox07 {

const dlg::TPageDesc& Page1Desc();  // "Επιχείρηση": legal basis, author, use and place of the building, owners
const dlg::TPageDesc& Page2Desc();  // "Οικοδομική Σύσταση": size, population, construction, exits, neighbours
const dlg::TPageDesc& Page3Desc();  // "Μέτρα Πυροπροστασίας": access, hydrants, gas and the measures
const dlg::TPageDesc& Page6Desc();  // "Ομάδες Πυρόσβεσης": technical descriptions and the secondary uses

}  // namespace flox07
