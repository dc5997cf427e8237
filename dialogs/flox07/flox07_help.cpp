#include "dialogs/flox07/flox07_help.h"

namespace flox07 {
namespace {

using dlg::TCloseKind;
using dlg::THelpFormTable;
using dlg::THelpRow;
using dlg::TPanelColour;
using dlg::TPlacement;
using enum dlg::TRowKind;

// The window caption of every help dialog of the data-entry dialogs.
constexpr std::string_view kCaption = "Οδηγίες συμπλήρωσης εντύπου";
// The explanatory sentences of the first dialog are in Arial, its captions
// in the dialog's own face.
constexpr std::string_view kArial = "Arial";

constexpr THelpRow kHelp1Rows[] = {
    {.kind = Item, .text = "ΑΡΙΘΜΟΣ ΜΗΤΡΩΟΥ:", .then = "Ο αριθμός μητρώου συμπληρώνεται από την υπηρεσία.",
     .thenFace = kArial},
    {Item, "Που συντάχθηκε σύμφωνα με:"},
    {.kind = Continued, .text = "Αναγράφεται η νομοθεσία σύμφωνα με την οποία συντάχθηκε η μελέτη.", .face = kArial},
    {.kind = Item, .text = "από τον ", .then = "Αναγράφονται τα πλήρη στοιχεία του συντάξαντα τη μελέτη.",
     .thenFace = kArial},
    {.kind = Item, .text = "1. Αναγράφεται η χρήση του κτιρίου.", .face = kArial},
    {.kind = Item, .text = "2. Αναγράφεται η πλήρης διεύθυνση της θέσης του κτιρίου.", .face = kArial},
    {.kind = Item, .text = "3. Αναγράφεται ο ιδιοκτήτης του κτιρίου.", .face = kArial},
    {.kind = Item, .text = "4. Αναγράφεται ο ιδιοκτήτης όταν η μελέτη αφορά υφιστάμενο ξενοδοχείο.", .face = kArial},
};

constexpr THelpRow kHelp2Rows[] = {
    {Heading, "Α. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ"},
    {Item, "1. Αναγράφεται ο αριθμός ορόφων ολοκλήρου του κτίσματος."},
    {Item, "2. Αναγράφεται η συνολική στεγασμένη επιφάνεια."},
    {Item, "3. Αναγράφεται το ύψος του κτιρίου."},
    {Item, "4. Αναγράφεται ο πληθυσμός του κτιρίου."},
    {Item, "5. Συμπληρώνεται σύμφωνα με τις επεξηγήσεις"},
    {Item, "6. Αναγράφεται ο αριθμός των εξόδων κινδύνου και "},
    {Continued, "σε ποιό σημείο ευρίσκονται."},
    {Item, "7. Συμπληρώνεται αν υπάρχει φωτισμός ασφαλείας και"},
    {Continued, "γίνεται περιγραφή του."},
    {Item, "8. Αναγράφονται οι χώροι με τους οποίους γειτνιάζει το κτίριο."},
};

constexpr THelpRow kHelp3Rows[] = {
    {Heading, "Α. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ (...συνέχεια)"},
    {.kind = Item, .text = "9. Αναγράφονται οι οδοί με τις οποίες μπορεί να γίνει ",
     .then = "η προσπέλαση των πυρ/κών οχημάτων στο κτίριο."},
    {Item, "10. Αναγράφονται τα υδροστόμια που βρίσκονται κοντά στο κτίριο."},
    {Item, "11. Περιγράφεται σε ποιό σημείο βρίσκονται οι ηλεκτρικοί πίνακες."},
    {Item, "12. Αναγράφεται αν γίνεται χρήση υγραερίου και η ποσότητα."},
    {Item, "13. Αναγράφεται αν γίνεται χρήση φωταερίου."},
    {Heading, "Β. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},
    {Item, "1. Προληπτικά μέτρα"},
    {Item, "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα πυρανίχνευσης καθώς και η περιοχή που καλύπτει."},
    {Item, "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα ανίχνευσης εκρηκτικών μειγμάτων."},
    {Item, "Συμπληρώνεται αν υπάρχει απλός ανιχνευτής εκρηκτικών μειγμάτων."},
    {Item, "Συμπληρώνεται αν υπάρχει χειροκίνητο σύστημα αναγγελίας πυρκαγιάς."},
    {Item, "Αναγράφεται κάθε επιπλέον μέτρο που δεν αναφέρεται στο υπόδειγμα της μελέτης."},
    {Item, "2. Κατασταλτικά μέτρα."},
    {Item, "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα καταιονισμού,"},
    {Continued, "ο τύπος του καθώς και η περιοχή που καλύπτει."},
    {Item, "Συμπληρώνεται αν υπάρχει μόνιμο υδροδοτικό πυροσβεστικό δίκτυο, ο τύπος του, "},
    {Continued, "η παροχή του καθώς και ο αριθμός των πυροσβεστικών φωλιών."},
    {Item, "Συμπληρώνεται αν υπάρχει απλό υδροδοτικό πυρ/κό δίκτυο καθώς και ο αριθμός των πυρ/κών ερμαρίων."},
    {Item, "Συμπληρώνεται αν υπάρχει σύστημα κατάσβεσης τοπικής εφαρμογής."},
};

}  // namespace

// The hotel study's dialogs stand on the ordinary button-face colour; the
// first two close with a plain button.
constexpr THelpFormTable kHelp1{
    .caption = kCaption, .width = 480, .height = 318,
    .placement = TPlacement::Designed, .left = 192, .top = 106,
    .colour = TPanelColour::ButtonFace,
    .rows = kHelp1Rows, .closeName = "Button1", .closeKind = TCloseKind::Plain};

constexpr THelpFormTable kHelp2{
    .caption = kCaption, .width = 425, .height = 358,
    .placement = TPlacement::Designed, .left = 192, .top = 106,
    .colour = TPanelColour::ButtonFace,
    .rows = kHelp2Rows, .closeName = "Button1", .closeKind = TCloseKind::Plain};

constexpr THelpFormTable kHelp3{
    .caption = kCaption, .width = 579, .height = 426,
    .placement = TPlacement::Designed, .left = 125, .top = 101,
    .colour = TPanelColour::ButtonFace,
    .rows = kHelp3Rows, .closeName = "BitBtn1", .closeKind = TCloseKind::Bitmap};

}  // namespace flox07
