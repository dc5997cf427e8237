#include "dialogs/code_tables.h"

namespace dlg {
namespace {

// Codes are Greek capital letters of code page 1253, except the Latin L of
// "Φύλλα"; "Τίποτα" stores a blank and is never chosen when loading.
const dlg::TCodeItem kFerousa[] = {
    {"Οπλισμένο Σκυρόδεμα", U'Ο'},
    {"Αοπλο Σκυρόδεμα", U'Α'},
    {"Λιθοδομή (Τεχν. Λιθ.)", U'Τ'},
    {"Λιθοδομή (Φυσ. Λιθ.)", U'Φ'},
    {"Μεταλλική", U'Μ'},
    {"Ξύλινη", U'Ξ'},
    {"Μικτή", U'Ι'},
    {"Αλλου Τύπου", U'Λ'},
    {"Τίποτα", U' '},
};

const dlg::TCodeItem kToixopoiia[] = {
    {"Οπλισμένο Σκυρόδεμα", U'Ο'},
    {"Αοπλο Σκυρόδεμα", U'Α'},
    {"Τεχν. Λίθοι", U'Τ'},
    {"Φυσ. Λίθοι", U'Φ'},
    {"Μεταλλική", U'Μ'},
    {"Ξυλόπηκτη", U'Ξ'},
    {"Μικτή", U'Ι'},
    {"Αλλου Τύπου", U'Λ'},
    {"Τίποτα", U' '},
};

const dlg::TCodeItem kStegh[] = {
    {"Οπλισμένο Σκυρόδεμα", U'Ο'},
    {"Μεταλλική", U'Μ'},
    {"Ξύλινη", U'Ξ'},
    {"Μικτή", U'Ι'},
    {"Αλλου Τύπου", U'Λ'},
    {"Τίποτα", U' '},
};

const dlg::TCodeItem kEpikalupsh[] = {
    {"Φύλλα", U'L'},
    {"Φύλλα Πλαστικού", U'Π'},
    {"Λαμαρίνα-Τσίγκος", U'Ζ'},
    {"Αμιαντοτσιμέντο", U'Ε'},
    {"Κεραμίδια", U'Κ'},
    {"Λίθινες Πλάκες", U'Θ'},
    {"Τεχνιτές", U'Δ'},
    {"Μικτή", U'Ι'},
    {"Αλλου Τύπου", U'Λ'},
    {"Τίποτα", U' '},
};

}  // namespace

const dlg::TCodeTable kFerousaCodes{kFerousa, 0};
const dlg::TCodeTable kToixopoiiaCodes{kToixopoiia, 2};
const dlg::TCodeTable kSteghCodes{kStegh, 0};
const dlg::TCodeTable kEpikalupshCodes{kEpikalupsh, 6};

}  // namespace dlg
