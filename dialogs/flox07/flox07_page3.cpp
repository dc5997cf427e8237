// Tab "Μέτρα Πυροπροστασίας" of the hotel study: access, hydrants, gas and
// the fire-protection measures, the measures in two framed boxes.
#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/flox07/flox07_help.h"
#include "dialogs/flox07/flox07_pages.h"
#include "dialogs/measures_controls.h"

namespace flox07 {
namespace {

using namespace dlg;

constexpr int kRight = 670;
constexpr int kCheckW = 18;  // a check box without a caption of its own

// Row positions under the rows of SiteRows.
constexpr int kYHeads = 136;
constexpr int kBox1Y = 153, kBox1H = 94;
constexpr int kYDet = kBox1Y + 5;  // the preventive rows, 21 apart
constexpr int kBox2Y = 250, kBox2H = 150;
constexpr int kYSprk = kBox2Y + 18, kYCity = kYSprk + 21, kYMains = kYCity + 21, kYSupply = kYMains + 21,
              kYSimple = kYSupply + 21, kYLocal = kYSimple + 21;
// Columns of the check boxes and of the second half of the rows.
constexpr int kCheckX = 192, kMidX = 214, kCheck2X = 576, kCountX = 400, kCountEditX = 552;

// The headings of the measures and the first box.
const auto kHead = std::to_array<TControlDef>({
    // B. The measures: 1. preventive, in the first box.
    Head("Β. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", 8, kYHeads, csBold | csUnderline, nullptr, 0, 16),
    Head("1. Προληπτικά μέτρα πυροπροστασίας ", 200, kYHeads, csBold, nullptr, 0, 16),
    Box(4, kBox1Y, kRight - 2, kBox1H),
});

const auto kSuppression = std::to_array<TControlDef>({
    // 2. Suppression measures, in the second box.
    Box(4, kBox2Y, kRight - 2, kBox2H, "2. Κατασταλτικά μέτρα πυροπροστασίας:"),
    Lbl("Αυτόματο Σύστημα Καταιονισμού", 12, kYSprk, kHintSprinkler, "CheckBox14"),
    Chk("CheckBox14", "", kCheckX, kYSprk, kCheckW),
    Chk("CheckBox15", "Τύπος Καταιονισμού ΥΓΡΟΥ ΤΥΠΟΥ", kMidX + 6, kYSprk, 0),
    Chk("CheckBox16", "Τύπος Καταιονισμού ΞΗΡΟΥ ΤΥΠΟΥ", 440, kYSprk, 0),
    Lbl("Αυτόματο σύστημα καταιονισμού με παροχή από το δίκτυο πόλης", 12, kYCity, kHintSprinkler, "CheckBox17"),
    Chk("CheckBox17", "", 338, kYCity, kCheckW),
    Lbl("Περιοχή που καλύπτει :", 364, kYCity, nullptr, "Edit10"),
    Ed("Edit10", 484, kYCity, kRight - 8 - 484, 80),
    Lbl("Μόνιμο Υδροδοτικό Πυρ/κό Δίκτυο", 12, kYMains, kHintMains, "CheckBox19"),
    Chk("CheckBox19", "", kCheckX, kYMains, kCheckW),
    Lbl("Κατηγορία I/II/III", kMidX, kYMains, kHintMains, "Edit11"),
    Ed("Edit11", 300, kYMains, 36, 3),
    Lbl("Παροχή Υδατος", 12, kYSupply, kHintMains),
    Chk("CheckBox21", "ΔΙΚΤΥΟ ΠΟΛΗΣ", 96, kYSupply, 0),
    Chk("CheckBox22", "ΑΝΤΛΗΤΙΚΟ ΣΥΓΚΡΟΤΗΜΑ", kMidX, kYSupply, 0),
    Lbl("Αριθμός πυρ/κών φωλεών", kCountX, kYSupply, kHintMains, "Edit12"),
    Ed("Edit12", kCountEditX, kYSupply, 50, 5),
    Lbl("Απλό Υδροδοτικό Πυρ/κό Δίκτυο ", 12, kYSimple, kHintSimple, "CheckBox23"),
    Chk("CheckBox23", "", kCheckX, kYSimple, kCheckW),
    Lbl("Αριθμός πυρ/κών ερμαρίων:", kCountX, kYSimple, kHintSimple, "Edit13"),
    Ed("Edit13", kCountEditX, kYSimple, 50, 5),
    Lbl("Αυτόματο-Χειροκίνητο Σύστημα κατάσβεσης Τοπικής Εφαρμογής (Ναι/Οχι)", 12, kYLocal,
        "Συμπληρώνεται αν υπάρχει σύστημα κατάσβεσης τοπικής εφαρμογής.", "CheckBox25"),
    Chk("CheckBox25", "", 382, kYLocal, kCheckW),
});

constexpr TSiteRowsDef kSite{.right = kRight,
                             .access = "9. Οδός Προσπέλασης Πυρ/κών οχημάτων στις εγκαταστάσεις της επιχείρησης",
                             .hydrants = "10. Υδροστόμια",
                             .panel = "11. Θέση Ηλ. πίνακα:",
                             .streetW = 280, .streetLimit = 45, .numberX = 440, .quantityW = 60, .quantityLimit = 9};

const auto kControls = JoinControls(SiteRows(kSite), kHead, PreventiveRows({kYDet, kRight, kCheck2X, 80}), kSuppression);

}  // namespace

// The controls carry the names of the general study's measures page, and
// the two records have the same fields: the page binds them by that page's
// table. Every field of the record is bound.
const TPageDesc& Page3Desc() {
  static const TPageDesc desc{kControls, flox03::Page3Desc().bindings, &ShowModalHelp<TFlox07Help3>};
  return desc;
}

}  // namespace flox07

TFlox07Page3Frame::TFlox07Page3Frame(QWidget* owner) : TEntryPage(owner, flox07::Page3Desc()) {}
