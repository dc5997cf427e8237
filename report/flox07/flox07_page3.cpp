// Report page 3 of the hotel study: access, hydrants, switchboard, gas, and
// the fire-protection measures.
//
// The preventive measures (item 1) and the suppression measures (item 2)
// each stand in a ruled box. Two pairs of alternatives in item 2 are grouped
// by a very large opening brace; the chosen one carries an X beside it.
#include "report/flox07/flox07_report.h"
#include "report/page_elements.h"

using namespace rpt;

namespace {

constexpr int kP = 62;  // pitch of the plain lines

constexpr int y1 = 0;
constexpr int y2 = y1 + kP;            // access road, three lines
constexpr int y3 = y2 + Lines(3) + 40;
constexpr int y4 = y3 + kP;
constexpr int y5 = y4 + kP;
constexpr int y6 = y5 + kP + 15;
constexpr int y7 = y6 + kP;            // switchboard, two lines
constexpr int y8 = y7 + Lines(2) + 40;
constexpr int y9 = y8 + kP;
constexpr int y10 = y9 + kP + 40;      // section heading
constexpr int y11 = y10 + kLine12 + 35;

// Item 1 in its box.
constexpr int kBox1 = y11 + kP;
constexpr int y12 = kBox1 + 24;
constexpr int y18 = y12 + 6 * kP;
constexpr int kBox1End = y18 + kLine10 + 26;

constexpr int y19 = kBox1End + 40;

// Item 2 in its box.
constexpr int kBox2 = y19 + kP;
constexpr int y20 = kBox2 + 28;        // upper alternative of the first brace
constexpr int y22 = y20 + 40;          // the system the alternatives belong to
constexpr int y23 = y20 + 80;          // lower alternative
constexpr int y24 = y23 + kP + 30;
constexpr int y25 = y24 + kP;
constexpr int y26 = y25 + kP + 10;
constexpr int y27 = y26 + kP + 25;     // upper alternative of the second brace
constexpr int y28 = y27 + 40;
constexpr int y29 = y27 + 80;
constexpr int y30 = y29 + kP + 30;
constexpr int y31 = y30 + kP;
constexpr int y32 = y31 + kP;
constexpr int kBox2End = y32 + kLine10 + 26;

constexpr int kIn = 30;       // left edge inside the boxes
constexpr int kInEnd = 1870;  // right edge inside the boxes
constexpr int kYN = 1280;     // "[" of the yes/no answers of the boxed items
constexpr int kYNW = 90;      // width of a yes/no answer
constexpr int kShort = 740;   // "[" of the answers beside a brace or a second item
constexpr int kBrace = 880;   // the braces of item 2
constexpr int kAlt = 960;     // the alternatives they group
constexpr int kMark = 1600;   // the X beside the chosen alternative

// A yes/no answer in brackets with its "[" at x.
#define FLOX_YES_NO(name, x, y)                                                  \
  Text({(x), (y), 15, kLine10}, "["),                                            \
      Field(name, {(x) + 15, (y), kYNW, kLine10}, kArial10, TAlign::Center),     \
      Dots((x) + 15, (y) + kLine10, kYNW), Text({(x) + 15 + kYNW, (y), 15, kLine10}, "]")

constexpr TElementDef kElements[] = {
    Text({0, y1, 1900, kLine10}, "9. Οδός Προσπέλασης Πυρ/κών οχημάτων στις εγκαταστάσεις της επιχείρησης:"),
    Field("OdosProspelasis", {0, y2, 1900, Lines(3)}),
    Dots(0, y2 + kLine10, 1900),
    Dots(0, y2 + Lines(2), 1900),
    Dots(0, y2 + Lines(3), 1900),

    Text({0, y3, 600, kLine10}, "10. Υδροστόμια"),
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

    Text({0, y6, 600, kLine10}, "11. Θέση Ηλ. πίνακα"),
    Field("ThesiPinaka", {0, y7, 1900, Lines(2)}),
    Dots(0, y7 + kLine10, 1900),
    Dots(0, y7 + Lines(2), 1900),

    Text({0, y8, 520, kLine10}, "12. Χρήση Υγραερίου (Ναι/Οχι)"),
    FLOX_YES_NO("UseYgraerio", 520, y8),
    Text({720, y8, 180, kLine10}, "Ποσότητα :"),
    Text({900, y8, 15, kLine10}, "["),
    Field("PosothtaYgraeriou", {915, y8, 150, kLine10}, kArial10, TAlign::Center),
    Dots(915, y8 + kLine10, 150),
    Text({1065, y8, 15, kLine10}, "]"),
    Text({1095, y8, 40, kLine10}, "lt"),
    Text({0, y9, 520, kLine10}, "13.Χρήση Φωταερίου (Ναι/Οχι)"),
    FLOX_YES_NO("UseFwtaerio", 520, y9),

    Text({0, y10, 1000, kLine12}, "Β. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", kArial12Italic),
    Text({0, y11, 1000, kLine10}, "1. Προληπτικά μέτρα πυροπροστασίας:"),

    Box({0, kBox1, 1900, kBox1End - kBox1}),
    Text({kIn, y12, kYN - kIn - 20, kLine10}, "Αυτόματο Σύστημα Πυρανίχνευσης (Ναι/Οχι)"),
    FLOX_YES_NO("SusthmaPyranixneushs", kYN, y12),
    Text({kIn + 60, y12 + kP, 380, kLine10}, "Περιοχή που καλύπτει:"),
    Field("Perioxh1", {kIn + 450, y12 + kP, kInEnd - kIn - 450, kLine10}),
    Dots(kIn + 450, y12 + kP + kLine10, kInEnd - kIn - 450),
    Text({kIn, y12 + 2 * kP, kYN - kIn - 20, kLine10}, "Αυτόματο Σύστημα Ανίχνευσης Εκρηκτικών Μιγμάτων (Ναι/Οχι)"),
    FLOX_YES_NO("SysthmaAnixneushsEkrhktikwn", kYN, y12 + 2 * kP),
    Text({kIn, y12 + 3 * kP, kYN - kIn - 20, kLine10}, "Απλός Ανιχνευτής Εκρηκτικών Μιγμάτων (Ναι/Οχι)"),
    FLOX_YES_NO("AplosAnixneuths", kYN, y12 + 3 * kP),
    Text({kIn, y12 + 4 * kP, kYN - kIn - 20, kLine10}, "Αυτόματη-Χειροκίνητη Ψύξη (Ναι/Οχι)"),
    FLOX_YES_NO("AutomathCyjh", kYN, y12 + 4 * kP),
    Text({kIn, y12 + 5 * kP, kYN - kIn - 20, kLine10}, "Σύστημα Χειροκίνητης Αναγγελίας Πυρκαγιάς (Ναι/Οχι)"),
    FLOX_YES_NO("SusthmaAnaggeliasPurkagias", kYN, y12 + 5 * kP),
    Field("SomethingElse", {kIn, y18, kInEnd - kIn, kLine10}),
    Dots(kIn, y18 + kLine10, kInEnd - kIn),

    Text({0, y19, 1000, kLine10}, "2. Κατασταλτικά μέτρα πυροπροστασίας:"),

    Box({0, kBox2, 1900, kBox2End - kBox2}),
    Text({kBrace, y20 - 20, 70, 150}, "{", kArial36),
    Text({kAlt, y20, kMark - kAlt - 20, kLine10}, "Τύπος Καταιονισμού ΥΓΡΟΥ ΤΥΠΟΥ"),
    Field("YgrosTupos", {kMark, y20, 40, kLine10}, kArial10Bold, TAlign::Center),
    Dots(kMark, y20 + kLine10, 40),
    Text({kIn, y22, 700, kLine10}, "Αυτόματο Σύστημα Καταιονισμού (Ναι/Οχι)"),
    FLOX_YES_NO("AutomatoSusthmaKataionismou", kShort, y22),
    Text({kAlt, y23, kMark - kAlt - 20, kLine10}, "Τύπος Καταιονισμού ΞΗΡΟΥ ΤΥΠΟΥ"),
    Field("JhrosTupos", {kMark, y23, 40, kLine10}, kArial10Bold, TAlign::Center),
    Dots(kMark, y23 + kLine10, 40),

    Text({kIn, y24, kYN - kIn - 20, kLine10}, "Αυτόματο σύστημα καταιονισμού με παροχή από το δίκτυο πόλης (Ναι/Οχι)"),
    FLOX_YES_NO("SusthmaApoDiktuoPolhs", kYN, y24),
    Text({kIn + 60, y25, 380, kLine10}, "Περιοχή που καλύπτει"),
    Field("Perioxh2", {kIn + 450, y25, kInEnd - kIn - 450, kLine10}),
    Dots(kIn + 450, y25 + kLine10, kInEnd - kIn - 450),

    Text({kIn, y26, 700, kLine10}, "Μόνιμο Υδροδοτικό Πυρ/κό Δίκτυο (Ναι/Οχι)"),
    FLOX_YES_NO("MonimoDiktuo", kShort, y26),
    Text({kAlt, y26, 300, kLine10}, "Κατηγορία Ι/ΙΙ/ΙΙ"),
    FLOX_YES_NO("Kathgoria", kYN, y26),

    Text({kBrace, y27 - 20, 70, 150}, "{", kArial36),
    Text({kAlt, y27, kMark - kAlt - 20, kLine10}, "ΔΙΚΤΥΟ ΠΟΛΗΣ"),
    Field("ParoxhYdatos1", {kMark, y27, 40, kLine10}, kArial10Bold, TAlign::Center),
    Dots(kMark, y27 + kLine10, 40),
    Text({kIn + 60, y28, 500, kLine10}, "Παροχή Υδατος:"),
    Text({kAlt, y29, kMark - kAlt - 20, kLine10}, "ΑΝΤΛΗΤΙΚΟ ΣΥΓΚΡΟΤΗΜΑ"),
    Field("ParoxhYdatos2", {kMark, y29, 40, kLine10}, kArial10Bold, TAlign::Center),
    Dots(kMark, y29 + kLine10, 40),

    Text({kIn + 60, y30, 440, kLine10}, "Αριθμός πυρ/κών φωλέων:"),
    Field("NumFirePlace", {kIn + 510, y30, 120, kLine10}),
    Dots(kIn + 510, y30 + kLine10, 120),

    Text({kIn, y31, 700, kLine10}, "Απλό Υδροδοτικό Πυρ/κό Δίκτυο (Ναι/Οχι)"),
    FLOX_YES_NO("AploDiktuo", kShort, y31),
    Text({kAlt, y31, 460, kLine10}, "Αριθμός πυρ/κών ερμαρίων :"),
    Field("NumErmaria", {kAlt + 470, y31, 120, kLine10}),
    Dots(kAlt + 470, y31 + kLine10, 120),

    Text({kIn, y32, kYN - kIn - 20, kLine10},
         "Αυτόματο - Χειροκίνητο Σύστημα κατάσβεσης Τοπικής Εφαρμογής (Ναι/Οχι)"),
    FLOX_YES_NO("SusthmaTopikhsEfarmoghs", kYN, y32),
};

#undef FLOX_YES_NO


constexpr qr::TPageDef kPage{
    .formName = "TFlox07Page3Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

FLOX_DEFINE_REPORT_PAGE(TFlox07Page3Preview, Flox07Page3Preview, kPage)
