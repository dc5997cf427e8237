// Report page 3 of the industry study: hydrants, electromechanical
// equipment, processed materials, the ruled table of hazardous materials
// (seven rows of four columns), gas, and the behaviour of the materials in
// a fire.
#include "report/flox06/flox06_report.h"
#include "report/flox06/page_parts.h"

using namespace rpt;

namespace {

constexpr int kP = 52;

constexpr int y1 = 0;
constexpr int y2 = y1 + kP;
constexpr int y3 = y2 + kP;
constexpr int y4 = y3 + kP + 20;
constexpr int y5 = y4 + kP;  // equipment, three lines
constexpr int y6 = y5 + Lines(3) + 20;
constexpr int y7 = y6 + kP + 10;
constexpr int y8 = y7 + kP;
constexpr int y9 = y8 + kP;
constexpr int y10 = y9 + kP;  // switchboard, two lines
constexpr int y11 = y10 + Lines(2) + 30;
constexpr int y12 = y11 + kP;  // items 1 to 4, three lines of 9 pt each
constexpr int kMaterialPitch = Lines(3, 9) + 20;
constexpr int y16 = y12 + 4 * kMaterialPitch + 10;

// The table of hazardous materials.
constexpr int kTabTop = y16 + kP;
constexpr int kTabHead = 48;
constexpr int kTabRow = Lines(2, 9) + 12;
constexpr int kTabBottom = kTabTop + kTabHead + 7 * kTabRow;
constexpr int kCol[] = {0, 760, 1460, 1680, 1900};
constexpr TRectDef HeadCell(int column) {
  return {kCol[column] + 10, kTabTop + 7, kCol[column + 1] - kCol[column] - 20, kLine9};
}
constexpr auto Cell(int column, int row, const char* name, TAlign align = TAlign::Left) {
  return Field(name, {kCol[column] + 10, kTabTop + kTabHead + row * kTabRow + 6, kCol[column + 1] - kCol[column] - 20,
                      Lines(2, 9)},
               kArial9, align);
}
constexpr auto Material(int row, const char* what, const char* where, const char* quantity, const char* unit) {
  return Join(Cell(0, row, what), Cell(1, row, where), Cell(2, row, quantity, TAlign::Center),
              Cell(3, row, unit, TAlign::Center));
}

constexpr int y25 = kTabBottom + 30;
constexpr int y26 = y25 + kP;  // liquefied gas, three lines
constexpr int y27 = y26 + Lines(3) + 20;
constexpr int y28 = y27 + kP + 20;
constexpr int y29 = y28 + kP;

// A numbered item of the processed materials, its text in three lines.
constexpr int kMatValue = 440;
constexpr auto Materials(int n, const char* caption, const char* name) {
  const int y = y12 + n * kMaterialPitch;
  return Join(Text({0, y, kMatValue - 10, kLine10}, caption), Filled<3>(name, kMatValue, y, 1900 - kMatValue, kArial9));
}

constexpr auto kElements = Join(
    Text({0, y1, 600, kLine10}, "11. Υδροστόμια:"),
    Text({60, y2, 160, kLine10}, "1) Οδός:"),
    Filled("Odos1", 220, y2, 920),
    Text({1170, y2, 140, kLine10}, "Αριθ. :"),
    Filled("Num1", 1310, y2, 200),
    Text({60, y3, 160, kLine10}, "2) Οδός:"),
    Filled("Odos2", 220, y3, 920),
    Text({1170, y3, 140, kLine10}, "Αριθ. :"),
    Filled("Num2", 1310, y3, 200),

    Text({0, y4, 1400, kLine10}, "Γ. ΗΛΕΚΤΡΟΜΗΧΑΝΟΛΟΓΙΚΟΣ ΕΞΟΠΛΙΣΜΟΣ", kArial10BoldItalic),
    Filled<3>("Ejoplismos", 0, y5, 1900),
    Text({0, y6, 220, kLine10}, "Συνολική HP"),
    Filled("SunolikhHP", 230, y6, 220),

    Text({0, y7, 600, kLine10}, "1. Ηλεκτρισμός", kArial10Bold),
    Text({60, y8, 590, kLine10}, "Υπάρχει Υποσταθμός (Ναι/Οχι)"),
    Bracketed("Ypostathmos", 660, y8, 90),
    Text({900, y8, 300, kLine10}, "Volt Υποσταθμού"),
    Bracketed("VoltYpostathmou", 1200, y8, 220),
    Text({60, y9, 700, kLine10}, "Παροχή Βιομηχανικού Ρεύματος; (Ναι/Οχι)"),
    Bracketed("ParoxhReumatos", 760, y9, 90),
    Text({60, y10, 270, kLine10}, "Θέση Ηλ.πίνακα"),
    Filled<2>("ThesiHlekPinaka", 340, y10, 1560),

    Text({0, y11, 1600, kLine10}, "Δ. ΕΠΕΞΕΡΓΑΖΟΜΕΝΕΣ ΥΛΕΣ ΚΑΙ ΠΑΡΑΓΟΜΕΝΑ ΠΡΟΙΟΝΤΑ", kArial10BoldItalic),
    Materials(0, "1. Πρώτες ύλες", "PrwtesYles"),
    Materials(1, "2. Δευτερεύουσες ύλες", "DeytereuousesYles"),
    Materials(2, "3. Παραγόμενα προϊόντα", "Paragomena"),
    Materials(3, "4. Υποπροϊόντα", "Ypoproionta"),

    Text({0, y16, 1000, kLine10}, "Ε. ΕΠΙΚΙΝΔΥΝΕΣ ΥΛΕΣ", kArial10BoldItalic),
    Box({0, kTabTop, 1900, kTabBottom - kTabTop}, 2),
    HRule(0, kTabTop + kTabHead, 1900, 2),
    HRule(0, kTabTop + kTabHead + 1 * kTabRow, 1900),
    HRule(0, kTabTop + kTabHead + 2 * kTabRow, 1900),
    HRule(0, kTabTop + kTabHead + 3 * kTabRow, 1900),
    HRule(0, kTabTop + kTabHead + 4 * kTabRow, 1900),
    HRule(0, kTabTop + kTabHead + 5 * kTabRow, 1900),
    HRule(0, kTabTop + kTabHead + 6 * kTabRow, 1900),
    VRule(kCol[1], kTabTop, kTabBottom - kTabTop),
    VRule(kCol[2], kTabTop, kTabBottom - kTabTop),
    VRule(kCol[3], kTabTop, kTabBottom - kTabTop),
    Text(HeadCell(0), "Περιγραφή", kArial9Bold, TAlign::Center),
    Text(HeadCell(1), "Χώρος που αποθηκεύονται", kArial9Bold, TAlign::Center),
    Text(HeadCell(2), "Ποσότητα", kArial9Bold, TAlign::Center),
    Text(HeadCell(3), "Μον.Μετρ.", kArial9Bold, TAlign::Center),
    Material(0, "Perigrafh1", "Xwros1", "posotita1", "Monades1"),
    Material(1, "Perigrafh2", "Xwros2", "posotita2", "Monades2"),
    Material(2, "Perigrafh3", "Xwros3", "posotita3", "Monades3"),
    Material(3, "Perigrafh4", "Xwros4", "posotita4", "Monades4"),
    Material(4, "Perigrafh5", "Xwros5", "posotita5", "Monades5"),
    Material(5, "Perigrafh6", "Xwros6", "posotita6", "Monades6"),
    Material(6, "Perigrafh7", "Xwros7", "posotita7", "Monades7"),

    Text({0, y25, 520, kLine10}, "1) Χρήση Υγραερίου (Ναι/Οχι)"),
    Bracketed("XrhshYgraeriou", 530, y25, 90),
    Text({720, y25, 170, kLine10}, "Ποσότητα"),
    Bracketed("PosotitaYgraeriou", 890, y25, 200),
    Text({1135, y25, 40, kLine10}, "lt"),
    Filled<3>("Ygraerio", 0, y26, 1900),
    Text({0, y27, 520, kLine10}, "2) Χρήση Φωταερίου (Ναι/Οχι)"),
    Bracketed("XrhshFwtaeriou", 530, y27, 90),

    Text({0, y28, 1600, kLine10}, "ΣΤ. ΣΥΜΠΕΡΙΦΟΡΑ ΥΛΩΝ-ΠΡΟΙΟΝΤΩΝ ΕΝΑΝΤΙ ΠΥΡΚΑΓΙΑΣ", kArial10BoldItalic),
    Filled<3>("Sumperifora", 0, y29, 1900));

constexpr qr::TPageDef kPage{
    .formName = "TFlox06Page3Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox06::kPage3Preview = kPage;
