// Report page 1 of the industry study: the title page with the business data.
//
// The heading (title, register and licence numbers to be filled in by hand,
// the study title in a double-ruled box, legal basis and author) stands
// above one heavy-ruled box that holds section "Α. ΣΤΟΙΧΕΙΑ ΕΠΙΧΕΙΡΗΣΗΣ"
// with its thirteen numbered items.
#include "report/flox06/flox06_report.h"
#include "report/flox06/page_parts.h"
#include "report/title_elements.h"

using namespace rpt;

namespace {

constexpr int kBoxTop = 900;
constexpr int kIn = 40;       // left edge of the text inside the box
constexpr int kInEnd = 1860;  // right edge of the text inside the box
constexpr int kValue = 760;   // data column of items 5 to 13
constexpr int kAddr = 540;    // address columns of items 3 and 4
constexpr int kP = 62;        // pitch of the one-line items

constexpr int yHead = kBoxTop + 35;
constexpr int y1 = kBoxTop + 120;  // 1. kind of business, two lines
constexpr int y2 = y1 + 110;       // 2. categories
constexpr int y2b = y2 + kP;
constexpr int y3 = y2b + kP + 20;  // 3. seat: address, telephones
constexpr int y3b = y3 + kP;
constexpr int y4 = y3b + kP + 20;  // 4. installations: address, telephones, map
constexpr int y4b = y4 + kP;
constexpr int y4c = y4b + kP;
constexpr int y5 = y4c + kP + 20;
constexpr int y6 = y5 + kP;
constexpr int y7 = y6 + kP;
constexpr int y8 = y7 + kP;
constexpr int y9 = y8 + kP;
constexpr int y10 = y9 + kP;
constexpr int y11 = y10 + kP;
constexpr int y12 = y11 + kP;
constexpr int y13 = y12 + kP;
constexpr int kBoxBottom = y13 + kP + 20;

// Town, street, number and post code of an address line; the values in
// 9 pt so that a town and a street of everyday length fit their boxes.
constexpr auto Address(int y, const char* town, const char* street, const char* number, const char* postCode) {
  return Join(Text({kAddr, y, 90, kLine10}, "Πόλη"), Filled(town, kAddr + 95, y, 300, kArial9),
              Text({kAddr + 410, y, 85, kLine10}, "Οδός"), Filled(street, kAddr + 500, y, 400, kArial9),
              Text({kAddr + 910, y, 55, kLine10}, "Αρ."), Filled(number, kAddr + 970, y, 150, kArial9),
              Text({kAddr + 1130, y, 70, kLine10}, "Τ.Κ."),
              Filled(postCode, kAddr + 1205, y, kInEnd - kAddr - 1205, kArial9));
}
// Two telephones and the emergency telephone.
constexpr auto Phones(int y, const char* phone1, const char* phone2, const char* emergency) {
  return Join(Text({kAddr, y, 90, kLine10}, "Τηλ1."), Filled(phone1, kAddr + 95, y, 260),
              Text({kAddr + 410, y, 85, kLine10}, "Τηλ2"), Filled(phone2, kAddr + 500, y, 260),
              Text({kAddr + 800, y, 200, kLine10}, "Τηλ.ανάγκης"), Filled(emergency, kAddr + 1005, y, 260));
}
// A numbered item with its value in the data column.
constexpr auto Item(int y, const char* caption, const char* name) {
  return Join(Text({kIn, y, kValue - kIn - 10, kLine10}, caption), Filled(name, kValue, y, kInEnd - kValue));
}

constexpr auto kElements = Join(
    // Heading: title on the left, the numbers to fill in by hand on the right.
    Text({0, 0, 700, kLine10}, "ΕΠΩΝΥΜΙΑ"),
    Text({900, 0, 560, kLine10}, "ΑΡΙΘΜΟΣ ΜΗΤΡΩΟΥ"),
    Text({1460, 0, 20, kLine10}, ":"),
    Dots(1490, kLine10, 410),
    Text({0, 50, 700, kLine10}, "ΤΙΤΛΟΣ ΕΠΙΧΕΙΡΗΣΗΣ"),
    Text({900, 75, 560, kLine10}, "ΑΡΙΘΜΟΣ ΑΔΕΙΑΣ ΙΔΡΥΣΕΩΣ"),
    Text({1460, 75, 20, kLine10}, ":"),
    Dots(1490, 75 + kLine10, 410),
    Filled<2>("TitlosEpixeirhshs", 0, 130, 870, kArial11Bold),
    Text({900, 150, 560, kLine10}, "ΑΡΙΘΜΟΣ ΑΔΕΙΑΣ ΛΕΙΤΟΥΡΓΙΑΣ"),
    Text({1460, 150, 20, kLine10}, ":"),
    Dots(1490, 150 + kLine10, 410),

    // The study's title in a double-ruled box.
    Box({500, 300, 900, 150}, 2),
    Box({516, 316, 868, 118}, 1),
    Text({530, 346, 840, kLine14}, "ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", kArial14, TAlign::Center),

    StudyAuthor(510, 700),

    // Section A in its heavy box.
    Box({0, kBoxTop, 1900, kBoxBottom - kBoxTop}, 3),
    Text({kIn, yHead, 800, kLine12}, "Α. ΣΤΟΙΧΕΙΑ ΕΠΙΧΕΙΡΗΣΗΣ", kArial12ItalicUnderline),

    Text({kIn, y1, 340, kLine10}, "1.Είδος επιχείρησης"),
    Filled<2>("EidosEpixeirisis", 400, y1, kInEnd - 400),
    Text({kIn, y2, 440, kLine10}, "2.Κατηγορία επιχείρησης:"),
    Filled("Katigoria1", kAddr, y2, kInEnd - kAddr),
    Text({kIn + 60, y2b, 440, kLine10}, "Δευτερεύουσα κατηγορία:"),
    Filled("Katigoria2", kAddr, y2b, kInEnd - kAddr),

    Text({kIn, y3, kAddr - kIn - 10, kLine10}, "3.Εδρα επιχείρησης:"),
    Address(y3, "Polh1", "Odos1", "Number1", "TK1"),
    Phones(y3b, "PhoneNum1", "PhoneNum2", "PhoneNum3"),

    Text({kIn, y4, kAddr - kIn - 10, kLine10}, "4.Εγκαταστάσεις επιχείρησης:"),
    Address(y4, "Polh", "Odos", "Number", "TK"),
    Phones(y4b, "Phone1", "Phone2", "Phone3"),
    Text({kAddr, y4c, 320, kLine10}, "Αριθ. φύλλου χάρτη"),
    Filled("NumPaperMap", kAddr + 330, y4c, 200),
    Text({kAddr + 600, y4c, 230, kLine10}, "Οικοδ. τετραγ"),
    Filled("OikodomikoTetragwno", kAddr + 840, y4c, 200),

    Item(y5, "5.Ιδιοκτησία επιχείρησης:", "IdiokthsiaEpixeirhsis"),
    Item(y6, "6.Ιδιοκτησία ακινήτου:", "IdiokthsiaAkinhtou"),
    Item(y7, "7.Υπεύθυνος Δ/ντής επιχείρησης:", "YpeuthinosEpixeirisis"),
    Item(y8, "8.Υπεύθυνος Δ/ντής εργοστασίου:", "YpeuthinosErgostasiou"),

    Text({kIn, y9, kValue - kIn - 10, kLine10}, "9.Απασχολούμενο προσωπικό     :"),
    Text({kValue, y9, 130, kLine10}, "Ανδρες"),
    Filled("Man", kValue + 130, y9, 220),
    Text({kValue + 420, y9, 150, kLine10}, "Γυναίκες"),
    Filled("Female", kValue + 570, y9, 220),

    Text({kIn, y10, kValue - kIn - 10, kLine10}, "10.Ωράριο εργασίας:"),
    Text({kValue, y10, 130, kLine10}, "Από"),
    Filled("OrarioFrom", kValue + 130, y10, 220),
    Text({kValue + 420, y10, 150, kLine10}, "εώς"),
    Filled("OrarioTo", kValue + 570, y10, 220),

    Item(y11, "11.Υπεύθυνος Αρχηγός Πυροπροστασίας:", "YpeuthinosArxhgos"),
    Item(y12, "12.Υπεύθυνος Υπαρχηγός Πυροπροστασίας:", "YpeuthinosYparxhgos"),
    Text({kIn, y13, kValue - kIn - 10, kLine10}, "13.Προσωπικό Πυροπροστασίας:"),
    Filled("Proswpiko", kValue, y13, 350),
    Text({kValue + 370, y13, 120, kLine10}, "άτομα"));

constexpr qr::TPageDef kPage{
    .formName = "TFlox06Page1Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox06::kPage1Preview = kPage;
