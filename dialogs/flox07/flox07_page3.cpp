// Tab "Μέτρα Πυροπροστασίας" of the hotel study: access, hydrants, gas and
// the fire-protection measures, the measures in two framed boxes.
#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/flox07/flox07_pages.h"
#include "dialogs/measures_controls.h"

namespace flox07 {
namespace {

using namespace dlg;

constexpr int kRight = 670;

// Row positions under the rows of SiteRows.
constexpr int kYHeads = 136;
constexpr int kBox1Y = 153, kBox1H = 94;
constexpr int kYDet = kBox1Y + 5;  // the preventive rows, 21 apart
constexpr int kBox2Y = 250, kBox2H = 150;
// The check boxes of the second column of the preventive rows.
constexpr int kCheck2X = 576;

// The headings of the measures and the first box.
const auto kHead = std::to_array<TControlDef>({
    // B. The measures: 1. preventive, in the first box.
    Head("Β. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", 8, kYHeads, csBold | csUnderline, nullptr, 0, 16),
    Head("1. Προληπτικά μέτρα πυροπροστασίας ", 200, kYHeads, csBold, nullptr, 0, 16),
    Box(4, kBox1Y, kRight - 2, kBox1H),
});

const auto kSuppressionBox = std::to_array<TControlDef>({
    // 2. Suppression measures, in the second box.
    Box(4, kBox2Y, kRight - 2, kBox2H, "2. Κατασταλτικά μέτρα πυροπροστασίας:"),
});

constexpr TSuppressionRowsDef kSuppression{.top = kBox2Y + 18, .right = kRight, .dryX = 440, .areaLimit = 80,
                                           .countX = 400, .countEditX = 552, .countLimit = 5,
                                           .cabinets = "Αριθμός πυρ/κών ερμαρίων:"};

constexpr TSiteRowsDef kSite{.right = kRight,
                             .access = "9. Οδός Προσπέλασης Πυρ/κών οχημάτων στις εγκαταστάσεις της επιχείρησης",
                             .hydrants = "10. Υδροστόμια",
                             .panel = "11. Θέση Ηλ. πίνακα:",
                             .streetW = 280, .streetLimit = 45, .numberX = 440, .quantityW = 60, .quantityLimit = 9};

const auto kControls = JoinControls(SiteRows(kSite), kHead, PreventiveRows({kYDet, kRight, kCheck2X, 80}), kSuppressionBox,
                                    SuppressionRows(kSuppression));

}  // namespace

// The controls carry the names of the general study's measures page, and
// the two records have the same fields: the page binds them by that page's
// table. Every field of the record is bound.
const TPageDesc& Page3Desc() {
  static const TPageDesc desc{kControls, flox03::Page3Desc().bindings};
  return desc;
}

}  // namespace flox07
