#include "dialogs/flox06/flox06_help.h"

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
    {Item, "2. Αναγράφεται η κατηγορία της επιχείρησης όπως έχει γίνει η κατάταξή της από την "},
    {Continued, "Διεύθυνση Βιομηχανίας. Επίσης αναγράφονται τυχόν δευτερεύουσες κατηγορίες"},
    {Continued, "που υπάρχουν στην επιχείρηση."},
    {Item, "3. Αναγράφεται η πλήρης διεύθυνση της έδρας της επιχείρησης."},
    {Item, "4. Αναγράφεται η πλήρης διεύθυνση των εγκαταστάσεων της επιχείρησης."},
    {Item, "5. Αναγράφεται ο ιδιοκτήτης της επιχείρησης."},
    {Item, "6. Αναγράφεται ο ιδιοκτήτης του ακινήτου."},
    {Item, "7. Αναγράφεται ο υπεύθυνος διευθυντής της επιχείρησης."},
    {Item, "8. Αναγράφεται ο υπεύθυνος διευθυντής του εργοστασίου."},
    {Item, "9. Αναγράφεται το απασχολούμενο προσωπικό σε άνδρες και γυναίκες."},
    {Item, "10. Αναγράφεται το ωράριο εργασίας."},
    {Item, "11. Αναγράφεται ο υπεύθυνος αρχηγός πυροπροστασίας."},
    {Item, "12. Αναγράφεται ο υπεύθυνος υπαρχηγός πυροπροστασίας."},
    {Item, "13. Αναγράφεται το προσωπικό πυροπροστασίας [αριθμός ατόμων]."},
};

constexpr THelpRow kHelp2Rows[] = {
    {.kind = Heading, .text = "Β. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ", .pointSize = 10},
    {Item, "1. Αναγράφεται η οικοπεδική έκταση της επιχείρησης"},
    {Item, "2. Αναγράφεται ο αριθμός ορόφων ολοκλήρου του κτίσματος."},
    {Item, "3. Αναγράφονται οι όροφοι που καταλαμβάνει η επιχείρηση [π.χ. υπόγειο, ισόγειο και Α' όροφος]."},
    {Item, "4. Αναγράφεται η συνολική στεγασμένη επιφάνεια της επιχείρησης σε τετραγωνικά μέτρα."},
    {Item, "5. Αναγράφεται αν υπάρχει ακάλυπτη επιφάνεια και ποιά είναι η χρήση της."},
    {Item, "6. Συμπληρώνεται σύμφωνα με τις επεξηγήσεις."},
    {Item, "7. Αναγράφεται ο αριθμός των εξόδων κινδύνου και σε ποιό σημείο ευρίσκονται."},
    {Item, "8. Συμπληρώνεται αν υπάρχει φωτισμός ασφαλείας και γίνεται περιγραφή του."},
    {Item, "9. Αναγράφονται οι χώροι με τους οποίους γειτνιάζει η επιχείρηση."},
    {Item, "10. Αναγράφονται οι οδοί με τις οποίες μπορεί να γίνει η προσπέλαση των "},
    {Continued, "πυροσβεστικών οχημάτων στις εγκαταστάσεις της επιχείρησης"},
};

constexpr THelpRow kHelp3Rows[] = {
    {Item, "11. Αναγράφονται τα υδροστόμια που βρίσκονται κοντά στην επιχείρηση."},
    {Heading, "Γ. ΗΛΕΚΤΡΟΜΗΧΑΝΙΚΟΛΟΓΙΚΟΣ ΕΞΟΠΛΙΣΜΟΣ"},
    {Item, "Αναγράφονται αναλυτικά τα μηχανήματα που υπάρχουν στην επιχείρηση καθώς και η συνολική υποδύναμη τους."},
    {Item, "1. Αναγράφεται αν υπάρχει υποσταθμός, τα VOLT του υποσταθμού, αν υπάρχει παροχή"},
    {Continued, "βιομηχανικού ρεύματος και περιγράφεται σε ποιό σημείο βρίσκεται ο ηλεκτρικός πίνακας."},
    {Heading, "Δ. ΕΠΕΞΕΡΓΑΖΟΜΕΝΕΣ ΥΛΕΣ ΚΑΙ ΠΑΡΑΓΟΜΕΝΑ ΠΡΟΙΟΝΤΑ"},
    {Item, "1. Αναγράφονται οι πρώτες ύλες που χρησιμοποιεί η επιχείρηση."},
    {Item, "2. Αναγράφονται οι δευτερεύουσες ύλες."},
    {Item, "3. Αναγράφονται τα παραγόμενα προϊόντα."},
    {Item, "4. Αναγράφονται τα υποπροϊόντα"},
    {Heading, "Ε. ΕΠΙΚΙΝΔΥΝΕΣ ΥΛΕΣ"},
    {Item, "Περιγράφεται η επικίνδυνη ύλη, ο χώρος που αποθηκεύεται, η ποσότητά της καθώς και η μονάδα μέτρησης"},
    {Item, "1. Αναγράφεται αν χρησιμοποιείται υγραέριο και πόση ποσότητα."},
    {Item, "2. Αναγράφεται αν χρησιμοποιείται φωταέριο."},
    {Heading, "ΣΤ. ΣΥΜΠΕΡΙΦΟΡΑ ΥΛΩΝ - ΠΡΟΙΟΝΤΩΝ ΕΝΑΝΤΙ ΠΥΡΚΑΓΙΑΣ"},
    {Item, "Αναγράφεται η συμπεριφορά των υλικών στην φωτιά καθώς επίσης και η συμπεριφορά"},
    {Continued, "τους απέναντι στα κατασβεστικά υλικά [νερό, αφρός, διοξ. του άνθρακα, HALLON κ.λ.π..]"},
};

constexpr THelpRow kHelp4Rows[] = {
    {Heading, "Ζ. ΚΙΝΔΥΝΟΙ ΠΥΡΚΑΓΙΑΣ"},
    {Item, "Αναγράφονται οι τυχόν υπάρχοντες κίνδυνοι πυρκαγιάς [βραχυκύκλωμα, χημικές"},
    {Continued, "αντιδράσεις μεταξύ των υλικών, δόλος κ.λ.π.]"},
    {Heading, "Η. ΚΙΝΔΥΝΟΙ ΕΚΡΗΞΗΣ-ΔΗΛΗΤΗΡΙΑΣΗΣ-ΕΓΚΛΩΒΙΣΜΟΥ Κ.Λ.Π."},
    {Item, "Συμπληρώνεται αν υπάρχουν τέτοιοι κίνδυνοι."},
    {Heading, "Θ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},
    {Item, "1. Ανάλογα με την νομοθεσία που συντάσσεται η μελέτη αναγράφονται "},
    {Continued, "και τα προληπτικά μέτρα που προβλέποντα"},
    {.kind = Item, .text = "2. Ειδικά προληπτικά μέτρα.", .button = 0},
    {.kind = Item, .text = "3. Κατασταλτικά μέτρα", .button = 1},
};

constexpr THelpButton kHelp4Buttons[] = {
    {"BitBtn1", 20, 15, &dlg::MakeHelp<TFlox06Help41>},
    {"BitBtn2", 20, 15, &dlg::MakeHelp<TFlox06Help42>},
};

constexpr THelpRow kHelp41Rows[] = {
    {Heading, "Ειδικά προληπτικά μέτρα"},
    {Item, "Συμπληρώνεται"},
    {Item, "- αν υπάρχει αυτόματο σύστημα πυρανίχνευσης καθώς και η περιοχή που καλύπτει."},
    {Item, "- αν υπάρχει αυτόματο σύστημα ανίχνευσης εκρηκτικών μειγμάτων."},
    {Item, "- αν υπάρχει απλός ανιχνευτής εκρηκτικών μειγμάτων."},
    {Item, "- αν υπάρχει ψύξη δεξαμενών [υγραερίο, καυσίμων κ.λ.π.]"},
    {Item, "- αν υπάρχει χειροκίνητο σύστημα αναγγελίας πυρκαγιάς."},
    {Item, "Αναγράφεται κάθε επί πλέον μέτρο που δεν αναφέρεται στο υπόδειγμα της μελέτης."},
};

constexpr THelpRow kHelp42Rows[] = {
    {Heading, "Κατασταλτικά μέτρα."},
    {Item, "Συμπληρώνεται :"},
    {Item, "- αν υπάρχει αυτόματο σύστημα καταιονισμού, ο τύπος του "},
    {Continued, "καθώς και η περιοχή που καλύπτει."},
    {Item, "- αν υπάρχει μόνιμο υδροδοτικό πυροσβεστικό δίκτυο, ο τύπος του, "},
    {Continued, "η παροχή του καθώς και ο αριθμός των πυροσβεστικών φωλιών."},
    {Item, "- αν υπάρχει απλό υδροδοτικό πυροσβεστικό δίκτυο "},
    {Continued, "καθώς και ο αριθμός των πυροσβεστικών ερμαρίων."},
    {Item, "- αν υπάρχει σύστημα κατάσβεσης τοπικής εφαρμογής."},
    {Item, "- ο αριθμός των πυρ/ρων και των λοιπών μέσων."},
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
    .caption = "Οδηγίες συμπλήρωσης", .width = 600, .height = 375,
    .placement = TPlacement::ScreenCentre,
    .rows = kHelp3Rows};

constexpr THelpFormTable kHelp4{
    .caption = kCaption, .width = 544, .height = 375,
    .placement = TPlacement::ScreenCentre,
    .rows = kHelp4Rows, .buttons = kHelp4Buttons, .closeName = "BitBtn3"};

constexpr THelpFormTable kHelp41{
    .caption = "Ειδικά προληπτικά μέτρα", .width = 544, .height = 375,
    .placement = TPlacement::ScreenCentre,
    .rows = kHelp41Rows};

constexpr THelpFormTable kHelp42{
    .caption = "Κατασταλτικά μέτρα", .width = 544, .height = 375,
    .placement = TPlacement::ScreenCentre,
    .rows = kHelp42Rows};

}  // namespace

TFlox06Help1::TFlox06Help1(QWidget* owner) : THelpForm(kHelp1, owner) {}
const THelpFormTable& TFlox06Help1::Design() { return kHelp1; }

TFlox06Help2::TFlox06Help2(QWidget* owner) : THelpForm(kHelp2, owner) {}
const THelpFormTable& TFlox06Help2::Design() { return kHelp2; }

TFlox06Help3::TFlox06Help3(QWidget* owner) : THelpForm(kHelp3, owner) {}
const THelpFormTable& TFlox06Help3::Design() { return kHelp3; }

TFlox06Help4::TFlox06Help4(QWidget* owner) : THelpForm(kHelp4, owner) {}
const THelpFormTable& TFlox06Help4::Design() { return kHelp4; }

TFlox06Help41::TFlox06Help41(QWidget* owner) : THelpForm(kHelp41, owner) {}
const THelpFormTable& TFlox06Help41::Design() { return kHelp41; }

TFlox06Help42::TFlox06Help42(QWidget* owner) : THelpForm(kHelp42, owner) {}
const THelpFormTable& TFlox06Help42::Design() { return kHelp42; }
