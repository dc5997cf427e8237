// Report page 3 of the general study: access, hydrants, switchboard, gas,
// and the fire-protection measures.
//
// The preventive measures (item 2) and the suppression measures (item 3)
// each stand in a ruled box. Two pairs of alternatives in item 3 are grouped
// by a very large opening brace; the chosen one carries an X beside it.
#include "report/flox03/flox03_report.h"
#include "report/measures_elements.h"

using namespace rpt;

namespace {

constexpr TMeasuresTexts kTexts{
    .access = "12. Οδός Προσπέλασης Πυρ/κών οχημάτων στις εγκαταστάσεις της επιχείρησης:",
    .hydrants = "13. Υδροστόμια",
    .panel = "14. Θέση Ηλ. πίνακα",
    .gas = "15. Χρήση Υγραερίου (Ναι/Οχι)",
    .townGas = "16.Χρήση Φωταερίου (Ναι/Οχι)",
    .section = "Γ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ",
    .suppression = "3. Κατασταλτικά μέτρα πυροπροστασίας:",
    .cabinets = "Αριθμός πυρ/κών φωλεών :",
};

// Items 1 and 2 under the section heading; item 2 is the first box.
constexpr int y11 = measures::kUnderSection;
constexpr int y12 = y11 + measures::kP;
constexpr int y13 = y12 + kLine12 + 25;
constexpr auto kItems = std::to_array<TElementDef>({
    Text({0, y11, 1000, kLine10}, "1. Γενικά προληπτικά μέτρα πυροπροστασίας:"),
    Text({300, y12, 1000, kLine12}, "Βλέπε επισυναπτόμενο παράρτημα", kArial12),
    Text({0, y13, 1000, kLine10}, "2. Προληπτικά μέτρα πυροπροστασίας:"),
});

constexpr auto kElements = Join(MeasuresHead(kTexts), kItems, MeasuresBoxes(y13 + measures::kP, kTexts));

constexpr qr::TPageDef kPage{
    .formName = "TFlox03Page3Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox03::kPage3Preview = kPage;
