// Report page 2 of the general study: the building.
//
// Floors and areas in bracketed boxes, the four construction codes with
// their explanation and the ruled legend of codes, then finishes, emergency
// exits, safety lighting and the neighbouring premises.
#include "report/flox03/flox03_report.h"
#include "report/building_elements.h"
#include "report/construction_codes.h"

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

constexpr int y7 = 500;
constexpr int y33 = y7 + construction::kHeight + 30;  // "Περιγραφή άλλου τύπου", printed with the codes
constexpr int y34 = y33 + 55;
constexpr int y35 = y34 + 45;
constexpr int y36 = y35 + Lines(2) + 30;
constexpr int y42 = y36 + kEmergencyExitsHeight + 10;  // lines 36 to 41 above
constexpr int y43 = y42 + 45;
constexpr int y44 = y43 + 60;
constexpr int y45 = y44 + 45;
constexpr int y46 = y45 + 60;

// Every field prints except NumberOfFloorsOfOrganization: the entry page
// writes the same text into Embado, which this page prints on item 2.
constexpr auto kHead = std::to_array<TElementDef>({
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
});

constexpr auto kCover = std::to_array<TElementDef>({
    Text({0, y34, 1200, kLine10}, "Επικαλύψεις δαπέδων-τοίχων-οροφής κ.λ.π."),
    Field("EpikalupshDapedwn", {0, y35, 1900, Lines(2)}),
    Dots(0, y35 + kLine10, 1900),
    Dots(0, y35 + Lines(2), 1900),
});

constexpr auto kLight = std::to_array<TElementDef>({
    Text({0, y42, 800, kLine10}, "Περιγραφή εξόδων κινδύνου:"),
    Field("PerigrafhExit", {0, y43, 1900, kLine10}),
    Dots(0, y43 + kLine10, 1900),

    Text({0, y44, 1010, kLine10}, "7. Φωτισμός ασφαλείας-Σήμανση οδεύσεων διαφυγής (Ναι/Οχι)"),
    Field("FwtismosAsfaleiasYes", {1020, y44, 120, kLine10}),
    Dots(1020, y44 + kLine10, 120),
    Field("FwtismosAsfaleias", {0, y45, 1900, kLine10}),
    Dots(0, y45 + kLine10, 1900),
});

// Item 7 with its codes, their explanation, the legend and the line of another
// kind, as the hotel study prints them too.
constexpr auto kElements = Join(kHead, ConstructionCodes(y7, "7. Είδος φέροντος οργανισμού"), kCover,
                                EmergencyExits(y36), kLight, Neighbours(y46));


constexpr qr::TPageDef kPage{
    .formName = "TFlox03Page2Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox03::kPage2Preview = kPage;
