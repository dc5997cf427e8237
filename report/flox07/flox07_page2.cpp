// Report page 2 of the hotel study: the building.
//
// Floors, area, height and population in bracketed boxes, the construction
// codes with their legend (as the general study prints them), then the
// emergency exits, the firemen's access, safety lighting and the
// neighbouring premises.
#include "report/construction_codes.h"
#include "report/flox07/flox07_report.h"

using namespace rpt;

namespace {

// Bracketed values of items 1 to 4: "[" value "]" and the unit after them.
constexpr int kLabelW = 810;
constexpr int kOpen = 820;
constexpr int kValue = kOpen + 15;
constexpr int kValueW = 150;
constexpr int kClose = kValue + kValueW;
constexpr int kUnit = kClose + 25;

constexpr int Row(int n) { return 70 + (n - 1) * 50; }  // items 1 to 4

constexpr int yCodes = Row(5) + 40;  // 5. the construction codes and their legend
constexpr int yOther = yCodes + construction::kHeight + 30;
constexpr int yExits = yOther + 60;
constexpr int yExitHead = yExits + 50;
constexpr int yExit = yExitHead + 42;  // exits 1 to 4, 45 apart
constexpr int yStairs = yExit + 4 * 45 + 15;
constexpr int yLight = yStairs + 60;
constexpr int yLightText = yLight + 45;
constexpr int yNear = yLightText + 70;
constexpr int yNearHead = yNear + 45;
constexpr int yN = yNearHead + 45;  // the six neighbours, 45 apart
constexpr int kNColon = 390;
constexpr int kNValue = 420;

constexpr TElementDef Bracketed(int x, int y, int w, const char* bracket) {
  return Text({x, y, w, kLine10}, bracket);
}

constexpr auto kHead = std::to_array<TElementDef>({
    Text({0, 0, 1200, kLine12}, "Α. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ", kArial12),

    Text({0, Row(1), kLabelW, kLine10}, "1. Αριθμός ορόφων κτίσματος :"),
    Bracketed(kOpen, Row(1), 15, "["),
    Field("NumberOfFloors", {kValue, Row(1), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(1) + kLine10, kValueW),
    Bracketed(kClose, Row(1), 15, "]"),

    Text({0, Row(2), kLabelW, kLine10}, "2. Συνολική επιφάνεια του κτιρίου :"),
    Bracketed(kOpen, Row(2), 15, "["),
    Field("Embado", {kValue, Row(2), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(2) + kLine10, kValueW),
    Bracketed(kClose, Row(2), 15, "]"),
    Text({kUnit, Row(2), 60, kLine10}, "m²"),

    Text({0, Row(3), kLabelW, kLine10}, "3.Υψος κτιρίου :"),
    Bracketed(kOpen, Row(3), 15, "["),
    Field("Height1", {kValue, Row(3), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(3) + kLine10, kValueW),
    Bracketed(kClose, Row(3), 15, "]"),
    Text({kUnit, Row(3), 60, kLine10}, "m"),

    Text({0, Row(4), kLabelW, kLine10}, "4. Πληθυσμός κτιρίου :"),
    Bracketed(kOpen, Row(4), 15, "["),
    Field("People", {kValue, Row(4), kValueW, kLine10}, kArial10, TAlign::Center),
    Dots(kValue, Row(4) + kLine10, kValueW),
    Bracketed(kClose, Row(4), 15, "]"),
    Text({kUnit, Row(4), 120, kLine10}, "άτομα"),
});

constexpr auto kTail = std::to_array<TElementDef>({
    Text({0, yOther, 400, kLine10}, "Περιγραφή άλλου τύπου:"),
    Field("perigrafhAllouTupou", {400, yOther, 1500, kLine10}),
    Dots(400, yOther + kLine10, 1500),

    Text({0, yExits, 480, kLine10}, "6. Αριθμός εξόδων κινδύνου :"),
    Field("ArithmosEjodwn", {480, yExits, 120, kLine10}),
    Dots(480, yExits + kLine10, 120),

    Text({250, yExitHead, 800, kLine10}, "Ονομασία Οδού & Αριθμός"),
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

    Text({0, yStairs, 1150, kLine10}, "Κλιμακοστάσιο ή ανελκυστήρας για πρόσβαση πυροσβεστών (Ναι/Οχι)"),
    Bracketed(1160, yStairs, 15, "["),
    Field("StairsAliv", {1175, yStairs, 90, kLine10}, kArial10, TAlign::Center),
    Dots(1175, yStairs + kLine10, 90),
    Bracketed(1265, yStairs, 15, "]"),

    Text({0, yLight, 560, kLine10}, "7. Φωτισμός ασφαλείας (Ναι/Οχι)"),
    Field("FwtismosAsfaleiasYes", {570, yLight, 120, kLine10}),
    Dots(570, yLight + kLine10, 120),
    Field("FwtismosAsfaleias", {0, yLightText, 1900, kLine10}),
    Dots(0, yLightText + kLine10, 1900),

    Text({0, yNear, 600, kLine10}, "8. Γειτνίαση"),
    Text({kNValue, yNearHead, 900, kLine10}, "Γειτονικός Χώρος της επιχείρησης"),
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
});

constexpr auto kElements = Join(kHead, ConstructionCodes(yCodes, "5. Είδος φέροντος οργανισμού"), kTail);


constexpr qr::TPageDef kPage{
    .formName = "TFlox07Page2Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

FLOX_DEFINE_REPORT_PAGE(TFlox07Page2Preview, Flox07Page2Preview, kPage)
