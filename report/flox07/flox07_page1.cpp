// Report page 1 of the hotel study: the title page with the building data.
//
// Several fields of the record hold other values than their names say; each
// prints where the entry page collects it: the map sheet and the building
// block in Phone1 and Phone2, the owner's telephones in NumPaperMap,
// OikodomikoTetragwno and IdiokthsiaEpixeirhsis, the business owner in
// IdiokthsiaAkinhtou and the business owner's telephones in
// YpeuthinosEpixeirisis, Man and Female.
#include "report/flox07/flox07_report.h"
#include "report/page_elements.h"
#include "report/title_elements.h"

using namespace rpt;

namespace {

constexpr TFontDef kArial14Bold{.family = "Arial", .points = 14, .style = qr::fsBold};

// The heading.
constexpr int yTitle = 190;
constexpr int ySuntaxh = 520;
constexpr int yFrom = ySuntaxh + Lines(3) + 45;

// The building's items in one heavy box.
constexpr int kBoxTop = yFrom + Lines(3) + 90;
constexpr int kIn = 40;       // left edge of the text inside the box
constexpr int kInEnd = 1860;  // right edge of the text inside the box
constexpr int kSub = 390;     // the second column of items 2 and 3

constexpr int y1 = kBoxTop + 50;        // 1. use of the building
constexpr int y1v = y1 + 60;            //    its text, three lines
constexpr int y2 = y1v + Lines(3) + 60; // 2. place: town, street, number, post code
constexpr int y2b = y2 + 90;            //    map sheet and building block
constexpr int y3 = y2b + 120;           // 3. owner of the building
constexpr int y3b = y3 + 90;            //    the owner's telephones
constexpr int y4 = y3b + 120;           // 4. owner of the business, two lines
constexpr int y4n = y4 + Lines(2) + 25; //    "(Μόνο για υφιστάμενα ξενοδοχεία)"
constexpr int y4b = y4n + 80;           //    the business owner's telephones
constexpr int kBoxBottom = y4b + kLine10 + 60;

// The telephone rows: three captions with a value after each.
constexpr int kTel1 = kSub, kTel1V = kSub + 95;
constexpr int kTel2 = 910, kTel2V = 1005;
constexpr int kTel3 = 1300, kTel3V = 1520;
constexpr int kTelW = 300;

constexpr auto kHeading = std::to_array<TElementDef>({
    Text({1000, 0, 380, kLine10}, "ΑΡΙΘΜΟΣ ΜΗΤΡΩΟΥ"),
    Field("NumMhtrwou", {1390, 0, 510, kLine10}),
    Dots(1390, kLine10, 510),

    // The study's title on two lines in a double-ruled box.
    Box({450, yTitle - 50, 1000, 240}, 2),
    Box({466, yTitle - 34, 968, 208}, 1),
    Text({480, yTitle, 940, kLine14}, "ΜΕΛΕΤΗ ", kArial14Bold, TAlign::Center),
    Text({480, yTitle + 70, 940, kLine14}, "ΕΝΕΡΓΗΤΙΚΗΣ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", kArial14Bold, TAlign::Center),
});

constexpr auto kSection = std::to_array<TElementDef>({
    Box({0, kBoxTop, 1900, kBoxBottom - kBoxTop}, 3),

    Text({kIn, y1, 600, kLine10}, "1.Χρήση κτιρίου"),
    Field("EidosEpixeirisis", {kIn, y1v, kInEnd - kIn, Lines(3)}),
    Dots(kIn, y1v + kLine10, kInEnd - kIn),
    Dots(kIn, y1v + Lines(2), kInEnd - kIn),
    Dots(kIn, y1v + Lines(3), kInEnd - kIn),

    Text({kIn, y2, kSub - kIn - 5, kLine10}, "2.Θέση κτιρίου:"),
});

constexpr auto kRest = std::to_array<TElementDef>({
    Text({kSub, y2b, 340, kLine10}, "Αριθμ. φύλλου χάρτη"),
    Field("Phone1", {740, y2b, 260, kLine10}),
    Dots(740, y2b + kLine10, 260),
    Text({1040, y2b, 230, kLine10}, "Οικοδ.τετραγ."),
    Field("Phone2", {1280, y2b, 260, kLine10}),
    Dots(1280, y2b + kLine10, 260),

    Text({kIn, y3, kSub - kIn - 5, kLine10}, "3.Ιδιοκτήτης"),
    Field("NameIdiokthth", {kSub, y3, kInEnd - kSub, kLine10}),
    Dots(kSub, y3 + kLine10, kInEnd - kSub),
    Text({kTel1, y3b, 95, kLine10}, "Τηλ1"),
    Field("NumPaperMap", {kTel1V, y3b, kTelW, kLine10}),
    Dots(kTel1V, y3b + kLine10, kTelW),
    Text({kTel2, y3b, 95, kLine10}, "Τηλ2."),
    Field("OikodomikoTetragwno", {kTel2V, y3b, kTelW - 30, kLine10}),
    Dots(kTel2V, y3b + kLine10, kTelW - 30),
    Text({kTel3, y3b, 215, kLine10}, "Τηλ. ανάγκης"),
    Field("IdiokthsiaEpixeirhsis", {kTel3V, y3b, kInEnd - kTel3V, kLine10}),
    Dots(kTel3V, y3b + kLine10, kInEnd - kTel3V),

    Text({kIn, y4, 470, kLine10}, "4.Ιδιοκτησία επιχείρησης:"),
    Field("IdiokthsiaAkinhtou", {520, y4, kInEnd - 520, Lines(2)}),
    Dots(520, y4 + kLine10, kInEnd - 520),
    Dots(520, y4 + Lines(2), kInEnd - 520),
    Text({kIn, y4n, 800, kLine10}, "(Μόνο για υφιστάμενα ξενοδοχεία)"),
    Text({kTel1, y4b, 95, kLine10}, "Τηλ1."),
    Field("YpeuthinosEpixeirisis", {kTel1V, y4b, kTelW, kLine10}),
    Dots(kTel1V, y4b + kLine10, kTelW),
    Text({kTel2, y4b, 95, kLine10}, "Τηλ2"),
    Field("Man", {kTel2V, y4b, kTelW - 30, kLine10}),
    Dots(kTel2V, y4b + kLine10, kTelW - 30),
    Text({kTel3, y4b, 215, kLine10}, "Τηλ.ανάγκης"),
    Field("Female", {kTel3V, y4b, kInEnd - kTel3V, kLine10}),
    Dots(kTel3V, y4b + kLine10, kInEnd - kTel3V),
});

constexpr auto kElements =
    Join(kHeading, StudyAuthor(ySuntaxh, yFrom), kSection, TownStreetNumber(y2, kInEnd), kRest);

constexpr qr::TPageDef kPage{
    .formName = "TFlox07Page1Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox07::kPage1Preview = kPage;
