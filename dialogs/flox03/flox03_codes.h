// The construction codes of the building page: the four radio groups of the
// general study's page 2 (the hotel study's page 2 uses the same four).
#pragma once

#include "dialogs/bindings.h"

namespace flox03 {

extern const dlg::TCodeTable kFerousaCodes;      // ΦΕΡΟΥΣΑ ΚΑΤΑΣΚΕΥΗ, default "Οπλισμένο Σκυρόδεμα"
extern const dlg::TCodeTable kToixopoiiaCodes;   // ΤΟΙΧΟΠΟΙΙΑ, default "Τεχν. Λίθοι"
extern const dlg::TCodeTable kSteghCodes;        // ΚΑΤΑΣΚΕΥΗ ΣΤΕΓΗΣ, default "Οπλισμένο Σκυρόδεμα"
extern const dlg::TCodeTable kEpikalupshCodes;   // ΕΠΙΚΑΛΥΨΗ ΣΤΕΓΗΣ, default "Τεχνιτές"

}  // namespace flox03
