// The data-entry dialog of the industry and craft study (study type 3).
#pragma once

#include "dialogs/entry_dialog.h"

// Sizeable window of 747 x 560; seven tabs over records 7 to 13.
extern const dlg::TDialogDesc kFlox06InData;
