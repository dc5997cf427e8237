// Report page 2 of the hotel study: the building.
//
// Floors, area, height and population in bracketed boxes, the construction
// codes with their legend (as the general study prints them), then the
// emergency exits, the firemen's access, safety lighting and the
// neighbouring premises.
#include "report/building_elements.h"
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
constexpr int yOther = yCodes + construction::kHeight + 30;  // printed with the codes
constexpr int yExits = yOther + 60;
constexpr int yStairs = yExits + kEmergencyExitsHeight + 15;
constexpr int yLight = yStairs + 60;
constexpr int yLightText = yLight + 45;
constexpr int yNear = yLightText + 70;

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

constexpr auto kLight = std::to_array<TElementDef>({
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
});

constexpr auto kElements = Join(kHead, ConstructionCodes(yCodes, "5. Είδος φέροντος οργανισμού"),
                                EmergencyExits(yExits), kLight, Neighbours(yNear));


constexpr qr::TPageDef kPage{
    .formName = "TFlox07Page2Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox07::kPage2Preview = kPage;
