// Report page 4 of the industry study: the risks of fire and explosion and
// the fire-protection measures.
//
// The general preventive measures are a fixed block lettered α to θ; the
// preventive measures (item 2) and the suppression measures (item 3) each
// stand in a ruled box. Two pairs of alternatives in item 3 are grouped by a
// very large opening brace; the chosen one carries an X beside it.
#include "report/flox06/flox06_report.h"
#include "report/flox06/page_parts.h"

using namespace rpt;

namespace {

// 10 lines.
constexpr const char kGeneralMeasures[] =
    "α. Καλή συντήρηση και τακτικός έλεγχος ηλεκτρικών εγκαταστάσεωναπό υπεύθυνο\n"
    "   ηλεκτρολόγο.\n"
    "β. Απαγόρευση του καπνίσματος και της γυμνής φλόγας στους χώρους εργασίας.\n"
    "γ. Καθαριότητα των χώρων και καθημερινή απομάκρυνση των εύφλεκτων υπολειμμάτων.\n"
    "δ. Αποθήκευση των εύφλεκτων υλικών σε ιδιαίτερο χώρο, μακριά από πηγές θερμότητας.\n"
    "ε. Διάδρομοι και έξοδοι κινδύνου ελεύθεροι από κάθε εμπόδιο.\n"
    "στ. Σήμανση των πυροσβεστικών μέσων και των οδεύσεων διαφυγής.\n"
    "ζ. Περιοδικός έλεγχος και αναγόμωση των πυροσβεστήρων από αναγνωρισμένο συνεργείο.\n"
    "η. Εκπαίδευση του προσωπικού στη χρήση των μέσων πυροπροστασίας.\n"
    "θ. Ανάρτηση οδηγιών ενεργειών σε περίπτωση πυρκαγιάς και των τηλεφώνων ανάγκης.";

constexpr int kP = 58;  // pitch of the plain lines

constexpr int y1 = 0;
constexpr int y2 = y1 + 46;
constexpr int y3 = y2 + Lines(3) + 20;
constexpr int y4 = y3 + 46;
constexpr int y5 = y4 + Lines(3) + 24;
constexpr int y6 = y5 + kLine12 + 20;
constexpr int y7 = y6 + 50;
constexpr int y8 = y7 + 10 * kCourierLine10 + 24;

// Item 2 in its box.
constexpr int kBox2 = y8 + 50;
constexpr int y9 = kBox2 + 22;
constexpr int y15 = y9 + 6 * kP;
constexpr int kBox2End = y15 + kLine10 + 24;

constexpr int y16 = kBox2End + 30;

// Item 3 in its box.
constexpr int kBox3 = y16 + 50;
constexpr int y17 = kBox3 + 25;  // upper alternative of the first brace
constexpr int y19 = y17 + 38;    // the system the alternatives belong to
constexpr int y20 = y17 + 76;    // lower alternative
constexpr int y21 = y20 + kP + 30;
constexpr int y22 = y21 + kP;
constexpr int y23 = y22 + kP + 10;
constexpr int y24 = y23 + kP + 20;  // upper alternative of the second brace
constexpr int y25 = y24 + 38;
constexpr int y26 = y24 + 76;
constexpr int y27 = y26 + kP + 30;
constexpr int y28 = y27 + kP;
constexpr int y29 = y28 + kP;
constexpr int kBox3End = y29 + kLine10 + 24;

constexpr int kIn = 30;       // left edge inside the boxes
constexpr int kInEnd = 1870;  // right edge inside the boxes
constexpr int kYN = 1280;     // "[" of the yes/no answers of the boxed items
constexpr int kYNW = 90;      // width of a yes/no answer
constexpr int kShort = 740;   // "[" of the answers beside a brace or a second item
constexpr int kBrace = 880;   // the braces of item 3
constexpr int kAlt = 960;     // the alternatives they group
constexpr int kMark = 1600;   // the X beside the chosen alternative

// A yes/no question with its answer in brackets at x.
constexpr auto Question(int y, const char* caption, const char* name, int x = kYN) {
  return Join(Text({kIn, y, x - kIn - 20, kLine10}, caption), Bracketed(name, x, y, kYNW));
}
// An alternative of a brace and the mark beside it.
constexpr auto Alternative(int y, const char* caption, const char* name) {
  return Join(Text({kAlt, y, kMark - kAlt - 20, kLine10}, caption),
              Filled(name, kMark, y, 40, kArial10Bold, TAlign::Center));
}

constexpr auto kElements = Join(
    Text({0, y1, 1000, kLine10}, "Ζ. ΚΙΝΔΥΝΟΙ ΠΥΡΚΑΙΑΣ", kArial10Italic),
    Filled<3>("Kindynoi1", 0, y2, 1900),
    Text({0, y3, 1400, kLine10}, "Η. ΚΙΝΔΥΝΟΙ ΕΚΡΗΞΗΣ-ΔΗΛΗΤΗΡΙΑΣΗΣ-ΕΓΚΛΩΒΙΣΜΟΥ Κ.Λ.Π.", kArial10Italic),
    Filled<3>("Kindynoi2", 0, y4, 1900),

    Text({0, y5, 1000, kLine12}, "Θ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", kArial12Italic),
    Text({0, y6, 1000, kLine10}, "1. Γενικά προληπτικά μέτρα πυροπροστασίας:"),
    Block({60, y7, 1840, 10 * kCourierLine10}, kGeneralMeasures),
    Text({0, y8, 1000, kLine10}, "2. Προληπτικά μέτρα πυροπροστασίας:"),

    Box({0, kBox2, 1900, kBox2End - kBox2}),
    Question(y9, "Αυτόματο Σύστημα Πυρανίχνευσης (Ναι/Οχι)", "SusthmaPyranixneushs"),
    Text({kIn + 60, y9 + kP, 380, kLine10}, "Περιοχή που καλύπτει:"),
    Filled("Perioxh1", kIn + 450, y9 + kP, kInEnd - kIn - 450),
    Question(y9 + 2 * kP, "Αυτόματο Σύστημα Ανίχνευσης Εκρηκτικών Μιγμάτων (Ναι/Οχι)", "SysthmaAnixneushsEkrhktikwn"),
    Question(y9 + 3 * kP, "Απλός Ανιχνευτής Εκρηκτικών Μιγμάτων (Ναι/Οχι)", "AplosAnixneuths"),
    Question(y9 + 4 * kP, "Αυτόματη-Χειροκίνητη Ψύξη (Ναι/Οχι)", "AutomathCyjh"),
    Question(y9 + 5 * kP, "Σύστημα Χειροκίνητης Αναγγελίας Πυρκαγιάς (Ναι/Οχι)", "SusthmaAnaggeliasPurkagias"),
    Filled("SomethingElse", kIn, y15, kInEnd - kIn),

    Text({0, y16, 1000, kLine10}, "3. Κατασταλτικά μέτρα πυροπροστασίας:"),

    Box({0, kBox3, 1900, kBox3End - kBox3}),
    Text({kBrace, y17 - 20, 70, 150}, "{", kArial36),
    Alternative(y17, "Τύπος Καταιονισμού ΥΓΡΟΥ ΤΥΠΟΥ", "YgrosTupos"),
    Question(y19, "Αυτόματο Σύστημα Καταιονισμού (Ναι/Οχι)", "AutomatoSusthmaKataionismou", kShort),
    Alternative(y20, "Τύπος Καταιονισμού ΞΗΡΟΥ ΤΥΠΟΥ", "JhrosTupos"),

    Question(y21, "Αυτόματο σύστημα καταιονισμού με παροχή από το δίκτυο πόλης (Ναι/Οχι)", "SusthmaApoDiktuoPolhs"),
    Text({kIn + 60, y22, 380, kLine10}, "Περιοχή που καλύπτει"),
    Filled("Perioxh2", kIn + 450, y22, kInEnd - kIn - 450),

    Question(y23, "Μόνιμο Υδροδοτικό Πυρ/κό Δίκτυο (Ναι/Οχι)", "MonimoDiktuo", kShort),
    Text({kAlt, y23, 300, kLine10}, "Κατηγορία Ι/ΙΙ/ΙΙ"),
    Bracketed("Kathgoria", kYN, y23, kYNW),

    Text({kBrace, y24 - 20, 70, 150}, "{", kArial36),
    Alternative(y24, "ΔΙΚΤΥΟ ΠΟΛΗΣ", "ParoxhYdatos1"),
    Text({kIn + 60, y25, 500, kLine10}, "Παροχή Υδατος:"),
    Alternative(y26, "ΑΝΤΛΗΤΙΚΟ ΣΥΓΚΡΟΤΗΜΑ", "ParoxhYdatos2"),

    Text({kIn + 60, y27, 440, kLine10}, "Αριθμός πυρ/κών φωλέων:"),
    Filled("NumFirePlace", kIn + 510, y27, 120),

    Question(y28, "Απλό Υδροδοτικό Πυρ/κό Δίκτυο (Ναι/Οχι)", "AploDiktuo", kShort),
    Text({kAlt, y28, 450, kLine10}, "Αριθμός πυρ/κών φωλεών :"),
    Filled("NumErmaria", kAlt + 460, y28, 120),

    Question(y29, "Αυτόματο - Χειροκίνητο Σύστημα κατάσβεσης Τοπικής Εφαρμογής (Ναι/Οχι)", "SusthmaTopikhsEfarmoghs"));

constexpr qr::TPageDef kPage{
    .formName = "TFlox06Page4Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox06::kPage4Preview = kPage;
