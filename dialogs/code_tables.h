// Code tables A to D, the construction codes of the building pages: the four radio groups of the
// general study's page 2 (the hotel study's page 2 uses the same four).
#pragma once

#include "dialogs/bindings.h"

namespace dlg {

extern const TCodeTable kFerousaCodes;      // ΦΕΡΟΥΣΑ ΚΑΤΑΣΚΕΥΗ, default "Οπλισμένο Σκυρόδεμα"
extern const TCodeTable kToixopoiiaCodes;   // ΤΟΙΧΟΠΟΙΙΑ, default "Τεχν. Λίθοι"
extern const TCodeTable kSteghCodes;        // ΚΑΤΑΣΚΕΥΗ ΣΤΕΓΗΣ, default "Οπλισμένο Σκυρόδεμα"
extern const TCodeTable kEpikalupshCodes;   // ΕΠΙΚΑΛΥΨΗ ΣΤΕΓΗΣ, default "Τεχνιτές"

}  // namespace dlg
