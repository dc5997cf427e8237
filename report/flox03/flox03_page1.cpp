// Report page 1 of the general study: the title page with the business data.
//
// The heading (name, register and licence numbers, the study title in a
// double-ruled box, legal basis and author) stands above one heavy-ruled box
// that holds section "Α. ΣΤΟΙΧΕΙΑ ΕΠΙΧΕΙΡΗΣΗΣ" with its ten numbered items.
#include "report/flox03/flox03_report.h"
#include "report/page_elements.h"
#include "report/title_elements.h"

using namespace rpt;

namespace {

// Rows of the boxed section, top edge of each line.
constexpr int kBoxTop = 850;
constexpr int kBoxBottom = 2360;
constexpr int kIn = 40;       // left edge of the text inside the box
constexpr int kInEnd = 1860;  // right edge of the text inside the box
constexpr int kValue = 740;   // data column of items 3 to 10

constexpr int yHead = kBoxTop + 35;
constexpr int y1 = kBoxTop + 130;   // 1. kind of business, three lines
constexpr int y2 = y1 + 175;        // 2. place: town, street, number, post code
constexpr int y2b = y2 + 90;        //    telephones
constexpr int y2c = y2b + 90;       //    map sheet and building block
constexpr int y3 = y2c + 115;       // 3. ownership of the business, two lines
constexpr int y4 = y3 + 145;        // 4. ownership of the premises, two lines
constexpr int y5 = y4 + 145;        // 5. managing director, two lines
constexpr int y6 = y5 + 145;        // 6. staff
constexpr int y7 = y6 + 100;        // 7. working hours
constexpr int y8 = y7 + 100;        // 8. fire-protection leader
constexpr int y9 = y8 + 100;        // 9. deputy leader
constexpr int y10 = y9 + 100;       // 10. fire-protection staff

// Every data label shows the record field of its name. The register number
// and the owner's name are kept in the record but not printed on this page.
constexpr auto kHeading = std::to_array<TElementDef>({
    // Heading: name and title on the left, the numbers to fill in by hand on the right.
    Text({0, 0, 700, kLine10}, "ΕΠΩΝΥΜΙΑ"),
    Text({880, 0, 560, kLine10}, "ΑΡΙΘΜΟΣ ΜΗΤΡΩΟΥ"),
    Text({1440, 0, 20, kLine10}, ":"),
    Dots(1480, kLine10, 420),
    Text({0, 50, 700, kLine10}, "ΤΙΤΛΟΣ ΕΠΙΧΕΙΡΗΣΗΣ"),
    Text({880, 100, 560, kLine10}, "ΑΡΙΘΜΟΣ ΑΔΕΙΑΣ ΛΕΙΤΟΥΡΓΙΑΣ"),
    Text({1440, 100, 20, kLine10}, ":"),
    Dots(1480, 100 + kLine10, 420),
    Field("NameEpixirisi", {0, 170, 1900, Lines(2, 11)}, kArial11Bold),
    Dots(0, 170 + kLine11, 1900),
    Dots(0, 170 + Lines(2, 11), 1900),

    // The study's title in a double-ruled box.
    Box({500, 330, 900, 150}, 2),
    Box({516, 346, 868, 118}, 1),
    Text({530, 376, 840, kLine14}, "ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", kArial14, TAlign::Center),
});

constexpr auto kSection = std::to_array<TElementDef>({
    // Section A in its heavy box.
    Box({0, kBoxTop, 1900, kBoxBottom - kBoxTop}, 3),
    Text({kIn, yHead, 800, kLine12}, "Α. ΣΤΟΙΧΕΙΑ ΕΠΙΧΕΙΡΗΣΗΣ", kArial12ItalicUnderline),

    Text({kIn, y1, 340, kLine10}, "1.Είδος επιχείρησης"),
    Field("EidosEpixeirisis", {390, y1, kInEnd - 390, Lines(3)}),
    Dots(390, y1 + kLine10, kInEnd - 390),
    Dots(390, y1 + Lines(2), kInEnd - 390),
    Dots(390, y1 + Lines(3), kInEnd - 390),

    Text({kIn, y2, 345, kLine10}, "2.Τόπος επιχείρησης:"),
});

constexpr auto kRest = std::to_array<TElementDef>({
    Text({390, y2b, 95, kLine10}, "Τηλ1."),
    Field("Phone1", {485, y2b, 260, kLine10}),
    Dots(485, y2b + kLine10, 260),
    Text({910, y2b, 85, kLine10}, "Τηλ2"),
    Field("Phone2", {1005, y2b, 260, kLine10}),
    Dots(1005, y2b + kLine10, 260),
    Text({1300, y2b, 200, kLine10}, "Τηλ.ανάγκης"),
    Field("Phone3", {1510, y2b, 260, kLine10}),
    Dots(1510, y2b + kLine10, 260),

    Text({390, y2c, 320, kLine10}, "Αριθ. φύλλου χάρτη"),
    Field("NumPaperMap", {710, y2c, 200, kLine10}),
    Dots(710, y2c + kLine10, 200),
    Text({1000, y2c, 220, kLine10}, "Οικοδ. τετραγ"),
    Field("OikodomikoTetragwno", {1220, y2c, 220, kLine10}),
    Dots(1220, y2c + kLine10, 220),

    Text({kIn, y3, kValue - kIn - 10, kLine10}, "3.Ιδιοκτησία επιχείρησης:"),
    Field("IdiokthsiaEpixeirhsis", {kValue, y3, kInEnd - kValue, Lines(2)}),
    Dots(kValue, y3 + kLine10, kInEnd - kValue),
    Dots(kValue, y3 + Lines(2), kInEnd - kValue),

    Text({kIn, y4, kValue - kIn - 10, kLine10}, "4.Ιδιοκτησία ακινήτου:"),
    Field("IdiokthsiaAkinhtou", {kValue, y4, kInEnd - kValue, Lines(2)}),
    Dots(kValue, y4 + kLine10, kInEnd - kValue),
    Dots(kValue, y4 + Lines(2), kInEnd - kValue),

    Text({kIn, y5, kValue - kIn - 10, kLine10}, "5.Υπεύθυνος Δ/ντής επιχείρησης:"),
    Field("YpeuthinosEpixeirisis", {kValue, y5, kInEnd - kValue, Lines(2)}),
    Dots(kValue, y5 + kLine10, kInEnd - kValue),
    Dots(kValue, y5 + Lines(2), kInEnd - kValue),

    Text({kIn, y6, kValue - kIn - 10, kLine10}, "6.Απασχολούμενο προσωπικό     :"),
    Text({kValue, y6, 130, kLine10}, "Ανδρες"),
    Field("Man", {kValue + 130, y6, 220, kLine10}),
    Dots(kValue + 130, y6 + kLine10, 220),
    Text({kValue + 420, y6, 150, kLine10}, "Γυναίκες"),
    Field("Female", {kValue + 570, y6, 220, kLine10}),
    Dots(kValue + 570, y6 + kLine10, 220),

    Text({kIn, y7, kValue - kIn - 10, kLine10}, "7.Ωράριο εργασίας:"),
    Text({kValue, y7, 130, kLine10}, "Από"),
    Field("Time1", {kValue + 130, y7, 220, kLine10}),
    Dots(kValue + 130, y7 + kLine10, 220),
    Text({kValue + 420, y7, 150, kLine10}, "εώς"),
    Field("Time2", {kValue + 570, y7, 220, kLine10}),
    Dots(kValue + 570, y7 + kLine10, 220),

    Text({kIn, y8, kValue - kIn - 10, kLine10}, "8.Υπεύθυνος Αρχηγός Πυροπροστασίας:"),
    Field("FloxMan1", {kValue, y8, kInEnd - kValue, kLine10}),
    Dots(kValue, y8 + kLine10, kInEnd - kValue),

    Text({kIn, y9, kValue - kIn - 10, kLine10}, "9.Υπεύθυνος Υπαρχηγός Πυροπροστασίας:"),
    Field("FloxMan2", {kValue, y9, kInEnd - kValue, kLine10}),
    Dots(kValue, y9 + kLine10, kInEnd - kValue),

    Text({kIn, y10, kValue - kIn - 10, kLine10}, "10.Προσωπικό Πυροπροστασίας:"),
    Field("FloxMan3", {kValue, y10, 500, kLine10}),
    Dots(kValue, y10 + kLine10, 500),
    Text({kValue + 520, y10, 120, kLine10}, "άτομα"),
});

constexpr auto kElements =
    Join(kHeading, StudyAuthor(540, 690), kSection, TownStreetNumber(y2, kInEnd), kRest);

constexpr qr::TPageDef kPage{
    .formName = "TFlox03Page1Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox03::kPage1Preview = kPage;
