#include "dialogs/flox03/flox03_help.h"

namespace {

using dlg::THelpButton;
using dlg::THelpFormTable;
using dlg::THelpRow;
using dlg::TPlacement;
using enum dlg::TRowKind;

constexpr std::string_view kCaption = "Οδηγίες συμπλήρωσης εντύπου";

constexpr THelpRow kHelp1Rows[] = {
    {Heading, "ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},
    {Item, "Αναγράφεται η νομοθεσία σύμφωνα με την οποία συντάχθηκε η μελέτη."},
    {Item, "Αναγράφονται τα πλήρη στοιχεία του συντάξοντα τη μελέτη"},
    {Heading, "Α. ΣΤΟΙΧΕΙΑ ΕΠΙΧΕΙΡΗΣΗΣ"},
    {Item, "1. Αναγράφεται η δραστηριότητα της επιχείρησης."},
    {Item, "2. Αναγράφεται η πλήρης διεύθυνση των εγκαταστάσεων της επιχεόρησης."},
    {Item, "3. Αναγράφεται ο ιδιοκτήτης της επιχείρησης."},
    {Item, "4. Αναγράφεται ο ιδιοκτήτης του ακινήτου."},
    {Item, "5. Αναγράφεται ο υπεύθυνος διευθυντής της επιχείρησης."},
    {Item, "6. Αναγράφεται το απασχολούμενο προσωπικό σε άνδρες και γυναίκες."},
    {Item, "7. Αναγράφεται το ωράριο εργασίας."},
    {Item, "8. Αναγράφεται ο υπεύθυνος αρχηγός πυροπροστασίας."},
    {Item, "9. Αναγράφεται ο υπεύθυνος υπαρχηγός πυροπροστασίας."},
    {Item, "10. Αναγράφεται το προσωπικό πυροπροστασίας [αριθμός ατόμων]."},
};

constexpr THelpRow kHelp2Rows[] = {
    {.kind = Heading, .text = "Β. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ", .pointSize = 10},
    {Item, "1. Αναγράφεται ο αριθμός ορόφων ολοκλήρου του κτίσματος."},
    {Item, "2. Αναγράφονται οι όροφοι που καταλαμβάνει η επιχείρηση [π.χ. υπόγειο, ισόγειο και Α' όροφος]."},
    {Item, "3. Αναγράφεται η συνολική στεγασμένη επιφάνεα της επιχείρησης σε τετραγωνικά μέτρα."},
    {Item, "4. Αναγράφονται οι χώροι που αφαιρούνται από τον υπολογισμό πληθυσμού."},
    {Item, "5. Αναγράφεται η ωφέλιμη επιφάνεια η οποία βγαίνουν με την διαίρεση "},
    {Continued, "της ωφέλιμης επιφάνειας με τον συντελεστή υπολογισμού του χώρου."},
    {Item, "6. Αναγράφονται τα άτομα της αίθουσας τα οποία βγαίνουν με την διαίρεση "},
    {Continued, "της ωφέλιμης επιφάνειας με τον συντελεστή υπολογισμού του χώρου."},
    {Item, "7. Συμπληρώνεται σύμφωνα με τις επεξηγήσεις."},
    {Item, "8. Περιγράφεται τυχόν ύπαρξη ευφλέκτων επικαλύψεων."},
    {Item, "9. Αναγράφεται ο αριθμός των εξόδων κινδύνου και σε ποιό σημείο ευρίσκονται."},
    {Continued, "Γίνεται περιγραφή τους (κατασκευή-πλάτος-φορά ανοίγματος κ.λ.π.)."},
    {Item, "10. Συμπληρώνεται αν υπάρχει φωτισμός ασφαλείας και γίνεται περιγραφή του."},
    {Item, "11. Αναγράφονται οι χώροι με τους οποίους γειτνιάζει η επιχείρηση."},
};

constexpr THelpRow kHelp3Rows[] = {
    {Heading, "Β. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ"},
    {Item, "12. Αναγράφονται οι οδοί με τις οποίες μπορεί να γίνει η προσπέλαση των πυρ/κών"},
    {Continued, "οχημάτων στις εγκαταστάσεις της επιχείρησης."},
    {Item, "13. Αναγράφονται τα υδροστόμια που βρίσκονται κοντά στην επιχείρηση."},
    {Item, "14. Περιγράφεται σε ποιό σημείο βρίσκεται ο ηλεκτρικός πίνακας."},
    {Item, "15. Αναγράφεται αν χρησιμοποιείται υγραέριο και πόση ποσότητα."},
    {Item, "16. Αναγράφεται αν χρησιμοποιείται φωταέριο."},
    {Heading, "Γ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},
    {Item, "1. Ανάλογα με την νομοθεσία που συντάσσεται η μελέτη αναγράφονται "},
    {Continued, "και τα προληπτικά μέτρα που προβλέποντα"},
    {.kind = Item, .text = "2. Ειδικά προληπτικά μέτρα.", .button = 0},
    {.kind = Item, .text = "3. Κατασταλτικά μέτρα", .button = 1},
};

constexpr THelpButton kHelp3Buttons[] = {
    {"BitBtn1", 18, 15, &dlg::MakeHelp<TFlox03Help31Form>},
    {"BitBtn2", 18, 15, &dlg::MakeHelp<TFlox03Help32Form>},
};

constexpr THelpRow kHelp31Rows[] = {
    {Heading, "Ειδικά προληπτικά μέτρα"},
    {Item, "Συμπληρώνεται"},
    {Item, "- αν υπάρχει αυτόματο σύστημ απυρανίχνευσης καθώς και η περιοχή που καλύπτει."},
    {Item, "- αν υπάρχει αυτόματο σύστημα ανίχνευσης εκρηκτικών μειγμάτων."},
    {Item, "- αν υπάρχει απλός ανιχνευτής εκρηκτικών μειγμάτων."},
    {Item, "- αν υπάρχει ψύξη δεξαμενών [υγραερίο, καυσίμων κ.λ.π.]"},
    {Item, "- αν υπάρχει χειροκίνητο σύστημα αναγγελίας πυρκαγιάς."},
    {Item, "Αναγράφεται κάθε επί πλέον μέτρο που δεν αναφέρεται στο υπόδειγμα της μελέτης."},
};

constexpr THelpRow kHelp32Rows[] = {
    {Heading, "Κατασταλτικά μέτρα."},
    {Item, "Συμπληρώνεται :"},
    {Item, "- αν υπάρχει αυτόματο σύστημα καταιονισμού, ο τύπος του "},
    {ContinuedRight, "καθώς και η περιοχή που καλύπτει."},
    {Item, "- αν υπάρχει μόνιμο υδροδοτικό πυροσβεστικό δίκτυο, ο τύπος του, "},
    {Continued, "η παροχή του καθώς και ο αριθμός των πυροσβεστικών φωλιών."},
    {Item, "- αν υπάρχει απλό υδροδοτικό πυροσβεστικό δίκτυο "},
    {Continued, "καθώς και ο αριθμός των πυροσβεστικών ερμαρίων."},
    {Item, "- αν υπάρχει σύστημα κατάσβεσης τοπικής εφαρμογής."},
    {Item, "- ο αριθμός των πυρ/ρων και των λοιπών μέσων."},
};

constexpr THelpRow kHelp6Rows[] = {
    {Heading, "Δ. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ"},
    {Item, "Αναγράφονται τεχνικές περιγραφές τυχόν υπαρχόντων μονίμων συστημάτων."},
    {Heading, "Ε. ΟΡΓΑΝΩΣΗ ΕΚΠΑΙΔΕΥΣΗ ΠΡΟΣΩΠΙΚΟΥ"},
    {Item, "Γίνεται συγκρότηση ομάδας πυροπροστασίας και αναγράφεται "},
    {Continued, "το αντίστοιχο παράρτημα των πυροσβεστικών διατάξεων."},
    {Heading, "ΣΤ. ΠΥΡΟΦΡΑΓΜΟΙ"},
    {Item, "Συμπληρώνεται όταν υπάρχει απαίτηση για πυροφραγμούς και γίνεται περιγραφή τους"},
    {Heading, "Ζ. ΑΠΟΚΛΙΣΕΙΣ"},
    {Item, "Αναγράφονται αναλυτικά τυχόν ζητούμενες αποκλίσεις."},
};

constexpr THelpFormTable kHelp1{
    .caption = kCaption, .width = 537, .height = 397,
    .placement = TPlacement::Designed, .left = 179, .top = 111,
    .rows = kHelp1Rows};

constexpr THelpFormTable kHelp2{
    .caption = kCaption, .width = 544, .height = 375,
    .placement = TPlacement::Designed, .left = 205, .top = 160,
    .rows = kHelp2Rows};

constexpr THelpFormTable kHelp3{
    .caption = kCaption, .width = 544, .height = 375,
    .placement = TPlacement::ScreenCentre,
    .rows = kHelp3Rows, .buttons = kHelp3Buttons, .closeName = "BitBtn3"};

constexpr THelpFormTable kHelp31{
    .caption = "Ειδικά προληπτικά μέτρα", .width = 544, .height = 375,
    .placement = TPlacement::ScreenCentre,
    .rows = kHelp31Rows};

constexpr THelpFormTable kHelp32{
    .caption = "Κατασταλτικά μέτρα", .width = 544, .height = 375,
    .placement = TPlacement::ScreenCentre,
    .rows = kHelp32Rows};

constexpr THelpFormTable kHelp6{
    .caption = kCaption, .width = 545, .height = 372,
    .placement = TPlacement::Designed, .left = 179, .top = 111,
    .rows = kHelp6Rows};

}  // namespace

TFlox03Help1Form::TFlox03Help1Form(QWidget* owner) : THelpForm(kHelp1, owner) {}
const THelpFormTable& TFlox03Help1Form::Design() { return kHelp1; }

TFlox03Help2Form::TFlox03Help2Form(QWidget* owner) : THelpForm(kHelp2, owner) {}
const THelpFormTable& TFlox03Help2Form::Design() { return kHelp2; }

TFlox03Help3Form::TFlox03Help3Form(QWidget* owner) : THelpForm(kHelp3, owner) {}
const THelpFormTable& TFlox03Help3Form::Design() { return kHelp3; }

TFlox03Help31Form::TFlox03Help31Form(QWidget* owner) : THelpForm(kHelp31, owner) {}
const THelpFormTable& TFlox03Help31Form::Design() { return kHelp31; }

TFlox03Help32Form::TFlox03Help32Form(QWidget* owner) : THelpForm(kHelp32, owner) {}
const THelpFormTable& TFlox03Help32Form::Design() { return kHelp32; }

TFlox03Help6Form::TFlox03Help6Form(QWidget* owner) : THelpForm(kHelp6, owner) {}
const THelpFormTable& TFlox03Help6Form::Design() { return kHelp6; }
