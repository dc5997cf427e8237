// Report page 2 of the industry study: the building.
//
// Plot, floors and areas in bracketed boxes, the four construction codes
// with their explanation and the ruled legend of codes, then the emergency
// exits, safety lighting, the neighbouring premises and the access road.
#include "report/construction_codes.h"
#include "report/flox06/flox06_report.h"
#include "report/flox06/page_parts.h"

using namespace rpt;

namespace {

constexpr int kLabelW = 810;
constexpr int kOpen = 820;  // "[" of the bracketed values of items 1 to 4
constexpr int kValueW = 300;
constexpr int kUnit = kOpen + BracketedWidth(kValueW) + 15;

constexpr int Row(int line) { return 70 + (line - 2) * 46; }  // lines 2 to 7

// Items 5 and 6; the codes of item 6 print as on the general study's page.
constexpr int y8 = Row(8);
constexpr int y9 = y8 + Lines(2, 9) + 24;
constexpr int y10 = y9 + 56;
constexpr int yX = y10 + 46;  // first of the four explanation lines, 42 apart

// The legend of codes, lines 15 to 30.
constexpr int kLegTop = yX + 4 * 42 + 20;
constexpr int kLegBottom = kLegTop + construction::kHeight - construction::kLegend;

constexpr int y31 = kLegBottom + 28;
constexpr int y32 = y31 + 56;
constexpr int y33 = y32 + 52;
constexpr int yExit = y33 + 42;  // lines 34 to 37, 45 apart
constexpr int y38 = yExit + 4 * 45 + 15;
constexpr int y39 = y38 + 46;
constexpr int y40 = y39 + 60;
constexpr int y41 = y40 + 46;
constexpr int yN = y41 + 46;  // lines 42 to 47, 45 apart
constexpr int kNColon = 390;
constexpr int kNValue = 420;
constexpr int y48 = yN + 6 * 45 + 20;
constexpr int y49 = y48 + 46;

constexpr auto Exit(int n, const char* caption, const char* name) {
  return Join(Text({0, yExit + n * 45, 240, kLine10}, caption), Filled(name, 250, yExit + n * 45, 1650, kArial9));
}
constexpr auto Neighbour(int n, const char* caption, const char* name) {
  const int y = yN + n * 45;
  return Join(Text({0, y, kNColon - 10, kLine10}, caption), Text({kNColon, y, 20, kLine10}, ":"),
              Filled(name, kNValue, y, 1900 - kNValue));
}

constexpr auto kElements = Join(
    Text({0, 0, 1200, kLine12}, "Β. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ", kArial12),

    Text({0, Row(2), kLabelW, kLine10}, "1. Οικοπεδική έκταση:"),
    Bracketed("OikopedikhEktash", kOpen, Row(2), kValueW),
    Text({kUnit, Row(2), 60, kLine10}, "m²"),
    Text({0, Row(3), kLabelW, kLine10}, "2. Αριθμός ορόφων κτίσματος:"),
    Bracketed("NumberOfFloors", kOpen, Row(3), kValueW),
    Text({0, Row(4), kLabelW, kLine10}, "3.Οροφοι που καταλαμβάνει η επιχείρηση:"),
    Bracketed("Floor1", kOpen, Row(4), kValueW),
    Bracketed("Floor2", kOpen, Row(5), kValueW),
    Bracketed("Floor3", kOpen, Row(6), kValueW),
    Text({0, Row(7), kLabelW, kLine10}, "4. Συνολική στεγασμένη επιφάνεια της επιχείρησης"),
    Bracketed("SunolikhEpifaneia", kOpen, Row(7), kValueW),
    Text({kUnit, Row(7), 60, kLine10}, "m²"),
    Text({0, y8, kLabelW, kLine10}, "5. Χρήση ακάλυπτης επιφάνειας της επιχείρησης:"),
    Filled<2>("xrhsh", kOpen, y8, 1900 - kOpen, kArial9),

    // Item 6: the four codes and what each bracket stands for.
    Text({0, y9, kLabelW, kLine10}, "6. Είδος φέροντος οργανισμού"),
    CodeBrackets(y9),
    CodeExplanation(y10),
    CodeLegend(kLegTop),

    Text({0, y31, 400, kLine10}, "Περιγραφή άλλου τύπου:"),
    Filled("perigrafhAllouTupou", 400, y31, 1500, kArial9),

    Text({0, y32, 480, kLine10}, "6. Αριθμός εξόδων κινδύνου :"),
    Filled("ArithmosEjodwn", 490, y32, 120),
    Text({250, y33, 800, kLine10}, "Ονομασία Οδού & Αριθμός"),
    Exit(0, "Εξοδος (1) :", "Exit1"),
    Exit(1, "Εξοδος (2) :", "Exit2"),
    Exit(2, "Εξοδος (3) :", "Exit3"),
    Exit(3, "Εξοδος (4) :", "Exit4"),

    Text({0, y38, 1010, kLine10}, "7. Φωτισμός ασφαλείας-Σήμανση οδεύσεων διαφυγής (Ναι/Οχι)"),
    Filled("FwtismosAsfaleiasYes", 1020, y38, 120),
    Filled("FwtismosAsfaleias", 0, y39, 1900),

    Text({0, y40, 600, kLine10}, "8. Γειτνίαση"),
    Text({kNValue, y41, 900, kLine10}, "Γειτονικός Χώρος της επιχείρησης"),
    Neighbour(0, "Ανατολικά", "Anatolika"),
    Neighbour(1, "Δυτικά", "dutika"),
    Neighbour(2, "Βόρεια", "Boreia"),
    Neighbour(3, "Νότια", "Noteia"),
    Neighbour(4, "Υπερκείμενος Οροφος", "Yperkeimenos"),
    Neighbour(5, "Υποκείμενος Οροφος", "Ypokeimenos"),

    Text({0, y48, 1900, kLine10}, "10. Οδός Προσπέλασης Πυρ/κών οχημάτων στις εγκαταστάσεις της επιχείρησης:"),
    Filled<3>("OdosProspelashs", 0, y49, 1900));

constexpr qr::TPageDef kPage{
    .formName = "TFlox06Page2Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox06::kPage2Preview = kPage;
