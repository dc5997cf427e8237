// Report page 2 of the general study: the building.
//
// Floors and areas in bracketed boxes, the four construction codes with
// their explanation and the ruled legend of codes, then finishes, emergency
// exits, safety lighting and the neighbouring premises.
#include "report/flox03/flox03_report.h"
#include "report/page_elements.h"

using namespace rpt;

namespace {

// Bracketed values of items 1 to 6: "[" value "]" and the unit after them.
constexpr int kLabelW = 810;
constexpr int kOpen = 820;
constexpr int kValue = kOpen + 15;
constexpr int kValueW = 150;
constexpr int kClose = kValue + kValueW;
constexpr int kUnit = kClose + 25;
// The second bracket of item 6 ("Ατομα").
constexpr int kOpen2 = 1210;
constexpr int kValue2 = kOpen2 + 15;
constexpr int kClose2 = kValue2 + kValueW;

constexpr int Row(int n) { return 70 + (n - 2) * 46; }  // lines 2 to 10

// Item 7: four one-letter codes in Courier New, each in brackets, aligned
// with the explanation "[x] [ ] [ ] [ ]" under them.
constexpr int kCodes = 820;
constexpr int C(int column) { return CourierColumn(kCodes, column); }
constexpr int CW(int column) { return C(column + 1) - C(column); }

constexpr int y7 = 500;
constexpr int y7n = 560;
constexpr int yX = 606;  // first of the four explanation lines, 42 apart

// The legend of codes: a ruled table of five columns.
constexpr int kLegTop = 800;
constexpr int kLegHead = 44;
constexpr int kLegRow = 38;
constexpr int kLegBottom = kLegTop + kLegHead + 15 * kLegRow + 6;
constexpr int kCol[] = {0, 480, 860, 1240, 1640, 1900};
constexpr int L(int row) { return kLegTop + kLegHead + (row - 18) * kLegRow + 2; }  // legend lines 18 to 32
constexpr TRectDef Cell(int column, int y) {
  return {kCol[column] + 12, y, kCol[column + 1] - kCol[column] - 24, kLine9};
}

constexpr int y33 = kLegBottom + 30;
constexpr int y34 = y33 + 55;
constexpr int y35 = y34 + 45;
constexpr int y36 = y35 + Lines(2) + 30;
constexpr int y37 = y36 + 50;
constexpr int yExit = y37 + 42;  // lines 38 to 41, 45 apart
constexpr int y42 = yExit + 4 * 45 + 10;
constexpr int y43 = y42 + 45;
constexpr int y44 = y43 + 60;
constexpr int y45 = y44 + 45;
constexpr int y46 = y45 + 60;
constexpr int y47 = y46 + 45;
constexpr int yN = y47 + 45;  // lines 48 to 53, 45 apart
constexpr int kNColon = 390;
constexpr int kNValue = 420;

// Every field prints except NumberOfFloorsOfOrganization: the entry page
// writes the same text into Embado, which this page prints on item 2.
constexpr TElementDef kElements[] = {
    Text({0, 0, 1200, kLine12}, "Α. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ", kArial12),

    Text({0, Row(2), kLabelW, kLine10}, "1. Αριθμός ορόφων κτίσματος :"),
    Text({kOpen, Row(2), 15, kLine10}, "["),
    Field("NumberOfFloors", {kValue, Row(2), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(2) + kLine10, kValueW),
    Text({kClose, Row(2), 15, kLine10}, "]"),

    Text({0, Row(3), kLabelW, kLine10}, "2. Οροφοι που καταλαμβάνει η επιχείρηση:"),
    Text({kOpen, Row(3), 15, kLine10}, "["),
    Field("Embado", {kValue, Row(3), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(3) + kLine10, kValueW),
    Text({kClose, Row(3), 15, kLine10}, "]"),

    Text({0, Row(4), kLabelW, kLine10}, "3.Συνολική στεγασμένη επιφάνεια της επιχείρησης:"),
    Text({kOpen, Row(4), 15, kLine10}, "["),
    Field("Height1", {kValue, Row(4), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(4) + kLine10, kValueW),
    Text({kClose, Row(4), 15, kLine10}, "]"),
    Text({kUnit, Row(4), 60, kLine10}, "m²"),

    Text({0, Row(5), kLabelW, kLine10}, "4. Αφαιρούμενοι χώροι :"),
    Text({kOpen, Row(5), 15, kLine10}, "["),
    Field("AfairXwroiNum1", {kValue, Row(5), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(5) + kLine10, kValueW),
    Text({kClose, Row(5), 15, kLine10}, "]"),
    Text({kUnit, Row(5), 60, kLine10}, "m²"),
    Text({kOpen, Row(6), 15, kLine10}, "["),
    Field("AfairXwroiNum2", {kValue, Row(6), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(6) + kLine10, kValueW),
    Text({kClose, Row(6), 15, kLine10}, "]"),
    Text({kUnit, Row(6), 60, kLine10}, "m²"),
    Text({kOpen, Row(7), 15, kLine10}, "["),
    Field("AfairXwroiNum3", {kValue, Row(7), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(7) + kLine10, kValueW),
    Text({kClose, Row(7), 15, kLine10}, "]"),
    Text({kUnit, Row(7), 60, kLine10}, "m²"),

    Text({0, Row(8), kLabelW, kLine10}, "5. Ωφέλιμη επιφάνεια"),
    Text({kOpen, Row(8), 15, kLine10}, "["),
    Field("WfelimhEpifaneia", {kValue, Row(8), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(8) + kLine10, kValueW),
    Text({kClose, Row(8), 15, kLine10}, "]"),
    Text({kUnit, Row(8), 60, kLine10}, "m²"),

    Text({0, Row(9), kLabelW, kLine10}, "5α. Συντελεστής υπολογισμού"),
    Text({kOpen, Row(9), 15, kLine10}, "["),
    Field("SuntelesthsYpologismou", {kValue, Row(9), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(9) + kLine10, kValueW),
    Text({kClose, Row(9), 15, kLine10}, "]"),

    Text({0, Row(10), kLabelW, kLine10}, "6. Κατηγορία της αίθουσας"),
    Text({kOpen, Row(10), 15, kLine10}, "["),
    Field("KathgoriaAithousas", {kValue, Row(10), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(10) + kLine10, kValueW),
    Text({kClose, Row(10), 15, kLine10}, "]"),
    Text({kUnit, Row(10), kOpen2 - kUnit - 10, kLine10}, "Ατομα"),
    Text({kOpen2, Row(10), 15, kLine10}, "["),
    Field("People", {kValue2, Row(10), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue2, Row(10) + kLine10, kValueW),
    Text({kClose2, Row(10), 15, kLine10}, "]"),

    // Item 7: the four codes.
    Text({0, y7, kLabelW, kLine10}, "7. Είδος φέροντος οργανισμού"),
    Text({C(0), y7, kCourierCharBox, kLine10}, "[", kCourier10),
    Field("EidosFerousa", {C(1) + 1, y7, CW(1) - 1, kLine10}, kCourier10, TAlign::Center),
    Dots(C(1) + 1, y7 + kLine10, CW(1) - 1),
    Text({C(2), y7, kCourierCharBox, kLine10}, "]", kCourier10),
    Text({C(4), y7, kCourierCharBox, kLine10}, "[", kCourier10),
    Field("EidosToixopoiia", {C(5) + 1, y7, CW(5) - 1, kLine10}, kCourier10, TAlign::Center),
    Dots(C(5) + 1, y7 + kLine10, CW(5) - 1),
    Text({C(6), y7, kCourierCharBox, kLine10}, "]", kCourier10),
    Text({C(8), y7, kCourierCharBox, kLine10}, "[", kCourier10),
    Field("EidosFerousaSteghs", {C(9) + 1, y7, CW(9) - 1, kLine10}, kCourier10, TAlign::Center),
    Dots(C(9) + 1, y7 + kLine10, CW(9) - 1),
    Text({C(10), y7, kCourierCharBox, kLine10}, "]", kCourier10),
    Text({C(12), y7, kCourierCharBox, kLine10}, "[", kCourier10),
    Field("EidosSteghs", {C(13) + 1, y7, CW(13) - 1, kLine10}, kCourier10, TAlign::Center),
    Dots(C(13) + 1, y7 + kLine10, CW(13) - 1),
    Text({C(14), y7, kCourierCharBox, kLine10}, "]", kCourier10),

    Text({0, y7n, 1400, kLine10}, "** Επεξηγήσεις στο ΕΙΔΟΣ ΦΕΡΟΝΤΟΣ ΟΡΓΑΝΙΣΜΟΥ."),
    Text({60, yX, kLabelW - 60, kLine10}, "Φέρουσα κατασκευή"),
    Text({C(0), yX, C(16) - C(0), kLine10}, "[x] [ ] [ ] [ ]", kCourier10),
    Text({60, yX + 42, kLabelW - 60, kLine10}, "Τοιχοποιία"),
    Text({C(0), yX + 42, C(16) - C(0), kLine10}, "[ ] [x] [ ] [ ]", kCourier10),
    Text({60, yX + 84, kLabelW - 60, kLine10}, "Φέρουσα κατασκευή Στέγης"),
    Text({C(0), yX + 84, C(16) - C(0), kLine10}, "[ ] [ ] [x] [ ]", kCourier10),
    Text({60, yX + 126, kLabelW - 60, kLine10}, "Επικάλυψη Στέγης"),
    Text({C(0), yX + 126, C(16) - C(0), kLine10}, "[ ] [ ] [ ] [x]", kCourier10),

    // The legend of codes.
    Box({0, kLegTop, 1900, kLegBottom - kLegTop}),
    HRule(0, kLegTop + kLegHead, 1900),
    VRule(kCol[1], kLegTop, kLegBottom - kLegTop),
    VRule(kCol[2], kLegTop, kLegBottom - kLegTop),
    VRule(kCol[3], kLegTop, kLegBottom - kLegTop),
    VRule(kCol[4], kLegTop, kLegBottom - kLegTop),
    Text(Cell(0, kLegTop + 5), "ΦΕΡΟΥΣΑ ΚΑΤΑΣΚΕΥΗ", kArial9Italic),
    Text(Cell(1, kLegTop + 5), "ΤΟΙΧΟΠΟΙΙΑ", kArial9Italic),
    Text(Cell(2, kLegTop + 5), "ΚΑΤΑΣ. ΣΤΕΓΗΣ", kArial9Italic),
    Text(Cell(3, kLegTop + 5), "ΕΠΙΚΑΛΥΨΗ ΣΤΕΓΗΣ", kArial9Italic),
    Text(Cell(4, kLegTop + 5), "Κωδ.", kArial9Italic, TAlign::Center),

    Text(Cell(0, L(18)), "Οπλισμένο Σκυρόδεμα", kArial9),
    Text(Cell(1, L(18)), "Οπλ/νο Σκυρόδ.", kArial9),
    Text(Cell(2, L(18)), "Οπλ/νο Σκυρόδ.", kArial9),
    Text(Cell(4, L(18)), "-Ο-", kArial9, TAlign::Center),
    Text(Cell(0, L(19)), "Αοπλο Σκυρόδεμα", kArial9),
    Text(Cell(1, L(19)), "Αοπλο Σκυρόδ.", kArial9),
    Text(Cell(4, L(19)), "-Α-", kArial9, TAlign::Center),
    Text(Cell(0, L(20)), "Λιθοδομή (Τεχν. Λιθ.)", kArial9),
    Text(Cell(1, L(20)), "Τεχν. Λίθοι", kArial9),
    Text(Cell(4, L(20)), "-Τ-", kArial9, TAlign::Center),
    Text(Cell(0, L(21)), "Λιθοδομή (Φυσ. Λιθ.)", kArial9),
    Text(Cell(1, L(21)), "Φυσ. Λίθοι", kArial9),
    Text(Cell(4, L(21)), "-Φ-", kArial9, TAlign::Center),
    Text(Cell(0, L(22)), "Μεταλλική", kArial9),
    Text(Cell(1, L(22)), "Μεταλλική", kArial9),
    Text(Cell(2, L(22)), "Μεταλλική", kArial9),
    Text(Cell(4, L(22)), "-Μ-", kArial9, TAlign::Center),
    Text(Cell(0, L(23)), "Ξύλινη", kArial9),
    Text(Cell(1, L(23)), "Ξυλόπηκτη", kArial9),
    Text(Cell(2, L(23)), "Ξύλινη", kArial9),
    Text(Cell(4, L(23)), "-Ξ-", kArial9, TAlign::Center),
    Text(Cell(3, L(24)), "Φύλλα", kArial9),
    Text(Cell(4, L(24)), "-L-", kArial9, TAlign::Center),
    Text(Cell(3, L(25)), "Φύλλα Πλαστικού", kArial9),
    Text(Cell(4, L(25)), "-Π-", kArial9, TAlign::Center),
    Text(Cell(3, L(26)), "Λαμαρίνα-Τσίγκος", kArial9),
    Text(Cell(4, L(26)), "-Ζ-", kArial9, TAlign::Center),
    Text(Cell(3, L(27)), "Αμιαντοτσιμέντο", kArial9),
    Text(Cell(4, L(27)), "-Ε-", kArial9, TAlign::Center),
    Text(Cell(3, L(28)), "Κεραμίδια", kArial9),
    Text(Cell(4, L(28)), "-Κ-", kArial9, TAlign::Center),
    Text(Cell(3, L(29)), "Λίθινες Πλάκες", kArial9),
    Text(Cell(4, L(29)), "-Θ-", kArial9, TAlign::Center),
    Text(Cell(3, L(30)), "Τεχνιτές", kArial9),
    Text(Cell(4, L(30)), "-Δ-", kArial9, TAlign::Center),
    Text(Cell(0, L(31)), "Μικτή", kArial9),
    Text(Cell(1, L(31)), "Μικτή", kArial9),
    Text(Cell(2, L(31)), "Μικτή", kArial9),
    Text(Cell(3, L(31)), "Μικτή", kArial9),
    Text(Cell(4, L(31)), "-Ι-", kArial9, TAlign::Center),
    Text(Cell(0, L(32)), "Αλλου Τύπου", kArial9),
    Text(Cell(1, L(32)), "Αλλου Τύπου", kArial9),
    Text(Cell(2, L(32)), "Αλλου Τύπου", kArial9),
    Text(Cell(3, L(32)), "Αλλου", kArial9),
    Text(Cell(4, L(32)), "-Λ-", kArial9, TAlign::Center),

    Text({0, y33, 400, kLine10}, "Περιγραφή άλλου τύπου:"),
    Field("perigrafhAllouTupou", {400, y33, 1500, kLine10}),
    Dots(400, y33 + kLine10, 1500),

    Text({0, y34, 1200, kLine10}, "Επικαλύψεις δαπέδων-τοίχων-οροφής κ.λ.π."),
    Field("EpikalupshDapedwn", {0, y35, 1900, Lines(2)}),
    Dots(0, y35 + kLine10, 1900),
    Dots(0, y35 + Lines(2), 1900),

    Text({0, y36, 480, kLine10}, "6. Αριθμός εξόδων κινδύνου :"),
    Field("ArithmosEjodwn", {480, y36, 120, kLine10}),
    Dots(480, y36 + kLine10, 120),

    Text({250, y37, 800, kLine10}, "Ονομασία Οδού & Αριθμός"),
    Text({0, yExit, 240, kLine10}, "Εξοδος (1) :"),
    Field("Exit1", {250, yExit, 1650, kLine10}, kArial9),
    Dots(250, yExit + kLine10, 1650),
    Text({0, yExit + 45, 240, kLine10}, "Εξοδος (2) :"),
    Field("Exit2", {250, yExit + 45, 1650, kLine10}, kArial9),
    Dots(250, yExit + 45 + kLine10, 1650),
    Text({0, yExit + 90, 240, kLine10}, "Εξοδος (3) :"),
    Field("Exit3", {250, yExit + 90, 1650, kLine10}, kArial9),
    Dots(250, yExit + 90 + kLine10, 1650),
    Text({0, yExit + 135, 240, kLine10}, "Εξοδος (4) :"),
    Field("Exit4", {250, yExit + 135, 1650, kLine10}, kArial9),
    Dots(250, yExit + 135 + kLine10, 1650),

    Text({0, y42, 800, kLine10}, "Περιγραφή εξόδων κινδύνου:"),
    Field("PerigrafhExit", {0, y43, 1900, kLine10}),
    Dots(0, y43 + kLine10, 1900),

    Text({0, y44, 1010, kLine10}, "7. Φωτισμός ασφαλείας-Σήμανση οδεύσεων διαφυγής (Ναι/Οχι)"),
    Field("FwtismosAsfaleiasYes", {1020, y44, 120, kLine10}),
    Dots(1020, y44 + kLine10, 120),
    Field("FwtismosAsfaleias", {0, y45, 1900, kLine10}),
    Dots(0, y45 + kLine10, 1900),

    Text({0, y46, 600, kLine10}, "8. Γειτνίαση"),
    Text({kNValue, y47, 900, kLine10}, "Γειτονικός Χώρος της επιχείρησης"),
    Text({0, yN, kNColon - 10, kLine10}, "Ανατολικά"),
    Text({kNColon, yN, 20, kLine10}, ":"),
    Field("Anatolika", {kNValue, yN, 1900 - kNValue, kLine10}),
    Dots(kNValue, yN + kLine10, 1900 - kNValue),
    Text({0, yN + 45, kNColon - 10, kLine10}, "Δυτικά"),
    Text({kNColon, yN + 45, 20, kLine10}, ":"),
    Field("dutika", {kNValue, yN + 45, 1900 - kNValue, kLine10}),
    Dots(kNValue, yN + 45 + kLine10, 1900 - kNValue),
    Text({0, yN + 90, kNColon - 10, kLine10}, "Βόρεια"),
    Text({kNColon, yN + 90, 20, kLine10}, ":"),
    Field("Boreia", {kNValue, yN + 90, 1900 - kNValue, kLine10}),
    Dots(kNValue, yN + 90 + kLine10, 1900 - kNValue),
    Text({0, yN + 135, kNColon - 10, kLine10}, "Νότια"),
    Text({kNColon, yN + 135, 20, kLine10}, ":"),
    Field("Noteia", {kNValue, yN + 135, 1900 - kNValue, kLine10}),
    Dots(kNValue, yN + 135 + kLine10, 1900 - kNValue),
    Text({0, yN + 180, kNColon - 10, kLine10}, "Υπερκείμενος Οροφος"),
    Text({kNColon, yN + 180, 20, kLine10}, ":"),
    Field("Yperkeimenos", {kNValue, yN + 180, 1900 - kNValue, kLine10}),
    Dots(kNValue, yN + 180 + kLine10, 1900 - kNValue),
    Text({0, yN + 225, kNColon - 10, kLine10}, "Υποκείμενος Οροφος"),
    Text({kNColon, yN + 225, 20, kLine10}, ":"),
    Field("Ypokeimenos", {kNValue, yN + 225, 1900 - kNValue, kLine10}),
    Dots(kNValue, yN + 225 + kLine10, 1900 - kNValue),
};


constexpr qr::TPageDef kPage{
    .formName = "TFlox03Page2Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

FLOX_DEFINE_REPORT_PAGE(TFlox03Page2Preview, Flox03Page2Preview, kPage)
