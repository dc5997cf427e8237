// The tables of the industry and craft study's seven entry pages.
#pragma once

#include "dialogs/dialog_tables.h"

namespace flox06 {

const dlg::TPageDesc& Page1Desc();  // "Επιχείρηση": the study's heading data and the business
const dlg::TPageDesc& Page2Desc();  // "Οικοδομική Σύσταση": the plot, the building and its surroundings
const dlg::TPageDesc& Page3Desc();  // "Εξοπλισμός": hydrants, equipment, materials, gas
const dlg::TPageDesc& Page4Desc();  // "Μέτρα πυροπροστασίας": hazards and measures
const dlg::TPageDesc& Page5Desc();  // "Πυροσβεστήρες": extinguishers and equipment, rows 1 to 18
const dlg::TPageDesc& Page6Desc();  // "Πυροσβεστήρες": equipment, rows 19 to 30 (the last three free)
const dlg::TPageDesc& Page7Desc();  // "Ομάδα Πυροπροστασίας": the team in three shifts, technical descriptions

}  // namespace flox06
