// The general study's filling instructions: one help dialog for each of the
// tabs "Επιχείρηση", "Οικοδομική Σύσταση", "Μέτρα Πυροπροστασίας" and
// "Ομάδες Πυρόσβεσης", and the two dialogs the measures instructions lead on
// to (its small buttons BitBtn1, beside "2. Ειδικά προληπτικά μέτρα.", and
// BitBtn2, beside "3. Κατασταλτικά μέτρα").
#pragma once

#include "dialogs/help_table.h"

namespace flox03 {

extern const dlg::THelpFormTable kHelp1;   // "Επιχείρηση"
extern const dlg::THelpFormTable kHelp2;   // "Οικοδομική Σύσταση"
extern const dlg::THelpFormTable kHelp3;   // "Μέτρα Πυροπροστασίας"
extern const dlg::THelpFormTable kHelp31;  // "Ειδικά προληπτικά μέτρα", from kHelp3
extern const dlg::THelpFormTable kHelp32;  // "Κατασταλτικά μέτρα", from kHelp3
extern const dlg::THelpFormTable kHelp6;   // "Ομάδες Πυρόσβεσης"

}  // namespace flox03
