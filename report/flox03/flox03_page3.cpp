// Report page 3 of the general study: access, hydrants, switchboard, gas,
// and the fire-protection measures.
//
// The preventive measures (item 2) and the suppression measures (item 3)
// each stand in a ruled box. Two pairs of alternatives in item 3 are grouped
// by a very large opening brace; the chosen one carries an X beside it.
#include "report/flox03/flox03_report.h"
#include "report/page_elements.h"

using namespace rpt;

namespace {

constexpr int kP = 60;  // pitch of the plain lines

constexpr int y1 = 0;
constexpr int y2 = y1 + kP;            // access road, three lines
constexpr int y3 = y2 + Lines(3) + 34;
constexpr int y4 = y3 + kP;
constexpr int y5 = y4 + kP;
constexpr int y6 = y5 + kP + 10;
constexpr int y7 = y6 + kP;            // switchboard, two lines
constexpr int y8 = y7 + Lines(2) + 34;
constexpr int y9 = y8 + kP;
constexpr int y10 = y9 + kP + 25;      // section heading
constexpr int y11 = y10 + kLine12 + 25;
constexpr int y12 = y11 + kP;
constexpr int y13 = y12 + kLine12 + 25;

// Item 2 in its box.
constexpr int kBox2 = y13 + kP;
constexpr int y14 = kBox2 + 22;
constexpr int y20 = y14 + 6 * kP;
constexpr int kBox2End = y20 + kLine10 + 24;

constexpr int y21 = kBox2End + 30;

// Item 3 in its box.
constexpr int kBox3 = y21 + kP;
constexpr int y22 = kBox3 + 25;        // upper alternative of the first brace
constexpr int y24 = y22 + 38;          // the system the alternatives belong to
constexpr int y25 = y22 + 76;          // lower alternative
constexpr int y26 = y25 + kP + 30;
constexpr int y27 = y26 + kP;
constexpr int y28 = y27 + kP + 10;
constexpr int y29 = y28 + kP + 20;     // upper alternative of the second brace
constexpr int y30 = y29 + 38;
constexpr int y31 = y29 + 76;
constexpr int y32 = y31 + kP + 30;
constexpr int y33 = y32 + kP;
constexpr int y34 = y33 + kP;
constexpr int kBox3End = y34 + kLine10 + 24;

constexpr int kIn = 30;       // left edge inside the boxes
constexpr int kInEnd = 1870;  // right edge inside the boxes
constexpr int kYN = 1280;     // "[" of the yes/no answers of the boxed items
constexpr int kYNW = 90;      // width of a yes/no answer
constexpr int kShort = 740;   // "[" of the answers beside a brace or a second item
constexpr int kBrace = 880;   // the braces of item 3
constexpr int kAlt = 960;     // the alternatives they group
constexpr int kMark = 1600;   // the X beside the chosen alternative

constexpr TElementDef kElements[] = {
    Text({0, y1, 1900, kLine10}, "12. Οδός Προσπέλασης Πυρ/κών οχημάτων στις εγκαταστάσεις της επιχείρησης:"),
    Field("OdosProspelasis", {0, y2, 1900, Lines(3)}),
    Dots(0, y2 + kLine10, 1900),
    Dots(0, y2 + Lines(2), 1900),
    Dots(0, y2 + Lines(3), 1900),

    Text({0, y3, 600, kLine10}, "13. Υδροστόμια"),
    Text({60, y4, 160, kLine10}, "1) Οδός:"),
    Field("Odos1", {220, y4, 920, kLine10}),
    Dots(220, y4 + kLine10, 920),
    Text({1170, y4, 140, kLine10}, "Αριθμ. :"),
    Field("Num1", {1310, y4, 160, kLine10}),
    Dots(1310, y4 + kLine10, 160),
    Text({60, y5, 160, kLine10}, "2) Οδός:"),
    Field("Odos2", {220, y5, 920, kLine10}),
    Dots(220, y5 + kLine10, 920),
    Text({1170, y5, 140, kLine10}, "Αριθμ. :"),
    Field("Num2", {1310, y5, 160, kLine10}),
    Dots(1310, y5 + kLine10, 160),

    Text({0, y6, 600, kLine10}, "14. Θέση Ηλ. πίνακα"),
    Field("ThesiPinaka", {0, y7, 1900, Lines(2)}),
    Dots(0, y7 + kLine10, 1900),
    Dots(0, y7 + Lines(2), 1900),

    Text({0, y8, 520, kLine10}, "15. Χρήση Υγραερίου (Ναι/Οχι)"),
    Text({520, y8, 15, kLine10}, "["),
    Field("UseYgraerio", {535, y8, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(535, y8 + kLine10, kYNW),
    Text({535 + kYNW, y8, 15, kLine10}, "]"),
    Text({720, y8, 180, kLine10}, "Ποσότητα :"),
    Text({900, y8, 15, kLine10}, "["),
    Field("PosothtaYgraeriou", {915, y8, 150, kLine10}, kArial10, TAlign::Center),
    Dots(915, y8 + kLine10, 150),
    Text({1065, y8, 15, kLine10}, "]"),
    Text({1095, y8, 40, kLine10}, "lt"),
    Text({0, y9, 520, kLine10}, "16.Χρήση Φωταερίου (Ναι/Οχι)"),
    Text({520, y9, 15, kLine10}, "["),
    Field("UseFwtaerio", {535, y9, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(535, y9 + kLine10, kYNW),
    Text({535 + kYNW, y9, 15, kLine10}, "]"),

    Text({0, y10, 1000, kLine12}, "Γ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", kArial12Italic),
    Text({0, y11, 1000, kLine10}, "1. Γενικά προληπτικά μέτρα πυροπροστασίας:"),
    Text({300, y12, 1000, kLine12}, "Βλέπε επισυναπτόμενο παράρτημα", kArial12),
    Text({0, y13, 1000, kLine10}, "2. Προληπτικά μέτρα πυροπροστασίας:"),

    Box({0, kBox2, 1900, kBox2End - kBox2}),
    Text({kIn, y14, kYN - kIn - 20, kLine10}, "Αυτόματο Σύστημα Πυρανίχνευσης (Ναι/Οχι)"),
    Text({kYN, y14, 15, kLine10}, "["),
    Field("SusthmaPyranixneushs", {kYN + 15, y14, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kYN + 15, y14 + kLine10, kYNW),
    Text({kYN + 15 + kYNW, y14, 15, kLine10}, "]"),
    Text({kIn + 60, y14 + kP, 380, kLine10}, "Περιοχή που καλύπτει:"),
    Field("Perioxh1", {kIn + 450, y14 + kP, kInEnd - kIn - 450, kLine10}),
    Dots(kIn + 450, y14 + kP + kLine10, kInEnd - kIn - 450),
    Text({kIn, y14 + 2 * kP, kYN - kIn - 20, kLine10}, "Αυτόματο Σύστημα Ανίχνευσης Εκρηκτικών Μιγμάτων (Ναι/Οχι)"),
    Text({kYN, y14 + 2 * kP, 15, kLine10}, "["),
    Field("SysthmaAnixneushsEkrhktikwn", {kYN + 15, y14 + 2 * kP, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kYN + 15, y14 + 2 * kP + kLine10, kYNW),
    Text({kYN + 15 + kYNW, y14 + 2 * kP, 15, kLine10}, "]"),
    Text({kIn, y14 + 3 * kP, kYN - kIn - 20, kLine10}, "Απλός Ανιχνευτής Εκρηκτικών Μιγμάτων (Ναι/Οχι)"),
    Text({kYN, y14 + 3 * kP, 15, kLine10}, "["),
    Field("AplosAnixneuths", {kYN + 15, y14 + 3 * kP, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kYN + 15, y14 + 3 * kP + kLine10, kYNW),
    Text({kYN + 15 + kYNW, y14 + 3 * kP, 15, kLine10}, "]"),
    Text({kIn, y14 + 4 * kP, kYN - kIn - 20, kLine10}, "Αυτόματη-Χειροκίνητη Ψύξη (Ναι/Οχι)"),
    Text({kYN, y14 + 4 * kP, 15, kLine10}, "["),
    Field("AutomathCyjh", {kYN + 15, y14 + 4 * kP, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kYN + 15, y14 + 4 * kP + kLine10, kYNW),
    Text({kYN + 15 + kYNW, y14 + 4 * kP, 15, kLine10}, "]"),
    Text({kIn, y14 + 5 * kP, kYN - kIn - 20, kLine10}, "Σύστημα Χειροκίνητης Αναγγελίας Πυρκαγιάς (Ναι/Οχι)"),
    Text({kYN, y14 + 5 * kP, 15, kLine10}, "["),
    Field("SusthmaAnaggeliasPurkagias", {kYN + 15, y14 + 5 * kP, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kYN + 15, y14 + 5 * kP + kLine10, kYNW),
    Text({kYN + 15 + kYNW, y14 + 5 * kP, 15, kLine10}, "]"),
    Field("SomethingElse", {kIn, y20, kInEnd - kIn, kLine10}),
    Dots(kIn, y20 + kLine10, kInEnd - kIn),

    Text({0, y21, 1000, kLine10}, "3. Κατασταλτικά μέτρα πυροπροστασίας:"),

    Box({0, kBox3, 1900, kBox3End - kBox3}),
    Text({kBrace, y22 - 20, 70, 150}, "{", kArial36),
    Text({kAlt, y22, kMark - kAlt - 20, kLine10}, "Τύπος Καταιονισμού ΥΓΡΟΥ ΤΥΠΟΥ"),
    Field("YgrosTupos", {kMark, y22, 40, kLine10}, kArial10Bold, TAlign::Center),
    Dots(kMark, y22 + kLine10, 40),
    Text({kIn, y24, 700, kLine10}, "Αυτόματο Σύστημα Καταιονισμού (Ναι/Οχι)"),
    Text({kShort, y24, 15, kLine10}, "["),
    Field("AutomatoSusthmaKataionismou", {kShort + 15, y24, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kShort + 15, y24 + kLine10, kYNW),
    Text({kShort + 15 + kYNW, y24, 15, kLine10}, "]"),
    Text({kAlt, y25, kMark - kAlt - 20, kLine10}, "Τύπος Καταιονισμού ΞΗΡΟΥ ΤΥΠΟΥ"),
    Field("JhrosTupos", {kMark, y25, 40, kLine10}, kArial10Bold, TAlign::Center),
    Dots(kMark, y25 + kLine10, 40),

    Text({kIn, y26, kYN - kIn - 20, kLine10},
         "Αυτόματο σύστημα καταιονισμού με παροχή από το δίκτυο πόλης (Ναι/Οχι)"),
    Text({kYN, y26, 15, kLine10}, "["),
    Field("SusthmaApoDiktuoPolhs", {kYN + 15, y26, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kYN + 15, y26 + kLine10, kYNW),
    Text({kYN + 15 + kYNW, y26, 15, kLine10}, "]"),
    Text({kIn + 60, y27, 380, kLine10}, "Περιοχή που καλύπτει"),
    Field("Perioxh2", {kIn + 450, y27, kInEnd - kIn - 450, kLine10}),
    Dots(kIn + 450, y27 + kLine10, kInEnd - kIn - 450),

    Text({kIn, y28, 700, kLine10}, "Μόνιμο Υδροδοτικό Πυρ/κό Δίκτυο (Ναι/Οχι)"),
    Text({kShort, y28, 15, kLine10}, "["),
    Field("MonimoDiktuo", {kShort + 15, y28, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kShort + 15, y28 + kLine10, kYNW),
    Text({kShort + 15 + kYNW, y28, 15, kLine10}, "]"),
    Text({kAlt, y28, 300, kLine10}, "Κατηγορία Ι/ΙΙ/ΙΙ"),
    Text({kYN, y28, 15, kLine10}, "["),
    Field("Kathgoria", {kYN + 15, y28, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kYN + 15, y28 + kLine10, kYNW),
    Text({kYN + 15 + kYNW, y28, 15, kLine10}, "]"),

    Text({kBrace, y29 - 20, 70, 150}, "{", kArial36),
    Text({kAlt, y29, kMark - kAlt - 20, kLine10}, "ΔΙΚΤΥΟ ΠΟΛΗΣ"),
    Field("ParoxhYdatos1", {kMark, y29, 40, kLine10}, kArial10Bold, TAlign::Center),
    Dots(kMark, y29 + kLine10, 40),
    Text({kIn + 60, y30, 500, kLine10}, "Παροχή Υδατος:"),
    Text({kAlt, y31, kMark - kAlt - 20, kLine10}, "ΑΝΤΛΗΤΙΚΟ ΣΥΓΚΡΟΤΗΜΑ"),
    Field("ParoxhYdatos2", {kMark, y31, 40, kLine10}, kArial10Bold, TAlign::Center),
    Dots(kMark, y31 + kLine10, 40),

    Text({kIn + 60, y32, 440, kLine10}, "Αριθμός πυρ/κών φωλέων:"),
    Field("NumFirePlace", {kIn + 510, y32, 120, kLine10}),
    Dots(kIn + 510, y32 + kLine10, 120),

    Text({kIn, y33, 700, kLine10}, "Απλό Υδροδοτικό Πυρ/κό Δίκτυο (Ναι/Οχι)"),
    Text({kShort, y33, 15, kLine10}, "["),
    Field("AploDiktuo", {kShort + 15, y33, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kShort + 15, y33 + kLine10, kYNW),
    Text({kShort + 15 + kYNW, y33, 15, kLine10}, "]"),
    Text({kAlt, y33, 450, kLine10}, "Αριθμός πυρ/κών φωλεών :"),
    Field("NumErmaria", {kAlt + 460, y33, 120, kLine10}),
    Dots(kAlt + 460, y33 + kLine10, 120),

    Text({kIn, y34, kYN - kIn - 20, kLine10},
         "Αυτόματο - Χειροκίνητο Σύστημα κατάσβεσης Τοπικής Εφαρμογής (Ναι/Οχι)"),
    Text({kYN, y34, 15, kLine10}, "["),
    Field("SusthmaTopikhsEfarmoghs", {kYN + 15, y34, kYNW, kLine10}, kArial10, TAlign::Center),
    Dots(kYN + 15, y34 + kLine10, kYNW),
    Text({kYN + 15 + kYNW, y34, 15, kLine10}, "]"),
};


constexpr qr::TPageDef kPage{
    .formName = "TFlox03Page3Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

FLOX_DEFINE_REPORT_PAGE(TFlox03Page3Preview, Flox03Page3Preview, kPage)
