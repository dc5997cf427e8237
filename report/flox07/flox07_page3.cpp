// Report page 3 of the hotel study: access, hydrants, switchboard, gas, and
// the fire-protection measures.
//
// The page is the general study's page 3 with the hotel study's numbering:
// the preventive measures (item 1) and the suppression measures (item 2)
// each stand in a ruled box.
#include "report/flox07/flox07_report.h"
#include "report/measures_elements.h"

using namespace rpt;

namespace {

// The numbering of the hotel study's items, and its own measures headings.
constexpr TMeasuresTexts kTexts{
    .access = "9. Οδός Προσπέλασης Πυρ/κών οχημάτων στις εγκαταστάσεις της επιχείρησης:",
    .hydrants = "10. Υδροστόμια",
    .panel = "11. Θέση Ηλ. πίνακα",
    .gas = "12. Χρήση Υγραερίου (Ναι/Οχι)",
    .townGas = "13.Χρήση Φωταερίου (Ναι/Οχι)",
    .section = "Β. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ",
    .suppression = "2. Κατασταλτικά μέτρα πυροπροστασίας:",
    .cabinets = "Αριθμός πυρ/κών ερμαρίων :",
};

// Item 1 under the section heading, then its box.
constexpr int y11 = measures::kUnderSection;
constexpr auto kItems = std::to_array<TElementDef>({
    Text({0, y11, 1000, kLine10}, "1. Προληπτικά μέτρα πυροπροστασίας:"),
});

constexpr auto kElements = Join(MeasuresHead(kTexts), kItems, MeasuresBoxes(y11 + measures::kP, kTexts));

constexpr qr::TPageDef kPage{
    .formName = "TFlox07Page3Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox07::kPage3Preview = kPage;
