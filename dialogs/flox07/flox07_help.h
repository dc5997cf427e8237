// The hotel study's filling instructions: one help dialog for each of the
// tabs "Επιχείρηση", "Οικοδομική Σύσταση" and "Μέτρα Πυροπροστασίας". The
// extinguisher tabs and the tab "Ομάδες Πυρόσβεσης" have none. The close
// button of each (Button1, a plain button, on the first two; BitBtn1 on the
// third) closes it.
#pragma once

#include "dialogs/help_table.h"

namespace flox07 {

extern const dlg::THelpFormTable kHelp1;  // "Επιχείρηση"
extern const dlg::THelpFormTable kHelp2;  // "Οικοδομική Σύσταση"
extern const dlg::THelpFormTable kHelp3;  // "Μέτρα Πυροπροστασίας"

}  // namespace flox07
