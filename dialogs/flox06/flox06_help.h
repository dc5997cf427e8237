// The industry study's filling instructions: one help dialog for each of the
// tabs "Επιχείρηση", "Οικοδομική Σύσταση", "Εξοπλισμός" and "Μέτρα
// πυροπροστασίας", and the two dialogs the measures instructions lead on to
// (its small buttons BitBtn1 and BitBtn2; its close button is BitBtn3).
#pragma once

#include "dialogs/help_table.h"

namespace flox06 {

extern const dlg::THelpFormTable kHelp1;   // "Επιχείρηση"
extern const dlg::THelpFormTable kHelp2;   // "Οικοδομική Σύσταση"
extern const dlg::THelpFormTable kHelp3;   // "Εξοπλισμός"
extern const dlg::THelpFormTable kHelp4;   // "Μέτρα πυροπροστασίας"
extern const dlg::THelpFormTable kHelp41;  // "Ειδικά προληπτικά μέτρα", from kHelp4
extern const dlg::THelpFormTable kHelp42;  // "Κατασταλτικά μέτρα", from kHelp4

}  // namespace flox06
