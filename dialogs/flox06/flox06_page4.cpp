// Tab "Μέτρα πυροπροστασίας": the hazards of fire and explosion, the special
// preventive measures and the suppressive ones, among them the two sprinkler
// types of which at most one is ticked.
#include <QCheckBox>

#include "dialogs/entry_page.h"
#include "dialogs/flox06/flox06_pages.h"

namespace flox06 {
namespace {

using namespace dlg;

constexpr int kRight = 728;
constexpr int kStep = 21;
constexpr int kCheckW = 18;  // a check box without a caption of its own

// Tooltips that several labels share.
constexpr const char* kHintSprinkler =
    "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα καταιονισμού, ο τύπος του καθώς και η περιοχή που καλύπτει.";
constexpr const char* kHintMains =
    "Συμπληρώνεται αν υπάρχει μόνιμο υδροδοτικό πυροσβεστικό δίκτυο, ο τύπος του, η παροχή του καθώς ακι ο "
    "αριθμός των πυρ/κών φωλιών.";

// Rows, top to bottom.
constexpr int kYFire = 2, kYFireMemo = kYFire + 18, kYBlast = kYFireMemo + 40, kYBlastMemo = kYBlast + 18,
              kYMeasures = kYBlastMemo + 42;
constexpr int kYPrevent = kYMeasures + 22, kBox1Y = kYPrevent + 18, kBox1H = 4 * kStep + 8;
constexpr int kYDet = kBox1Y + 4, kYExpl = kYDet + kStep, kYCool = kYExpl + kStep, kYOther = kYCool + kStep;
constexpr int kYSuppress = kBox1Y + kBox1H + 4, kBox2Y = kYSuppress + 18, kBox2H = 8 * kStep + 8;
constexpr int kYSprk = kBox2Y + 4, kYDry = kYSprk + kStep, kYCity = kYDry + kStep, kYMains = kYCity + kStep,
              kYSupply = kYMains + kStep, kYPump = kYSupply + kStep, kYSimple = kYPump + kStep,
              kYLocal = kYSimple + kStep;
// Columns inside the boxes.
constexpr int kCheckX = 300, kMidX = 340, kCheck2X = 680, kCountX = 520, kCountEditX = 660;

const TControlDef kControls[] = {
    Head("Ζ. ΚΙΝΔΥΝΟΙ ΠΥΡΚΑΓΙΑΣ", 8, kYFire, csBold | csUnderline,
         "Αναγράφονται οι οδοί με τις οποίες μπορεί να γίνει η προσπέλαση των πυ/κών οχημάτων στο κτίριο.", 0, 16),
    Mem("Memo1", 8, kYFireMemo, kRight - 8, 36, 310),
    Head("Η. ΚΙΝΔΥΝΟΙ ΕΚΡΗΞΗΣ-ΔΗΛΗΤΗΡΙΑΣΗΣ-ΕΓΚΛΩΒΙΣΜΟΥ Κ.Λ.Π.", 8, kYBlast, csBold | csUnderline,
         "Αναγράφονται τα υδροστόμια που βρίσκονται κοντά στο κτίριο.", 0, 16),
    Mem("Memo2", 8, kYBlastMemo, kRight - 8, 36, 310),
    Head("Θ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", 8, kYMeasures, csBold | csUnderline | csCentre, nullptr, kRight - 8, 20)
        .Font("MS Sans Serif", 10),
    // 2. Special preventive measures.
    Lbl("2. Ειδικά προληπτικά μέτρα πυροπροστασίας: ", 8, kYPrevent, nullptr, nullptr, csPlain, 0, 16),
    Box(4, kBox1Y, kRight, kBox1H),
    Lbl("Αυτόματο Σύστημα Πυρανίχνευσης", 12, kYDet,
        "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα πυρανίχνευσης καθώς και η περιοχή που καλύπτει.", "CheckBox5"),
    Chk("CheckBox5", "", kCheckX, kYDet, kCheckW),
    Lbl("Περιοχή που καλύπτει", kMidX, kYDet, nullptr, "Edit4"),
    Ed("Edit4", 456, kYDet, kRight - 6 - 456, 80),
    Lbl("Αυτόματο Σύστημα Ανίχνευσης Εκρηκτικών Μιγμάτων ", 12, kYExpl,
        "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα ανίχνευσης εκρηκτικών μειγμάτων", "CheckBox7"),
    Chk("CheckBox7", "", kCheckX, kYExpl, kCheckW),
    Lbl("Απλός Ανιχνευτής Εκρηκτικών Μιγμάτων", kMidX, kYExpl, nullptr, "CheckBox9"),
    Chk("CheckBox9", "", kCheck2X, kYExpl, kCheckW),
    Lbl("Αυτόματη - Χειροκίνητη Ψύξη", 12, kYCool,
        "Συμπληρώνεται αν υπάρχει ψύξη δεξαμενών [υγραερίου, καυσίμων, κ.λ.π.]", "CheckBox11"),
    Chk("CheckBox11", "", kCheckX, kYCool, kCheckW),
    Lbl("Σύστημα Χειροκίνητης Αναγγελίας Πυρκαγιάς", kMidX, kYCool, nullptr, "CheckBox27"),
    Chk("CheckBox27", "", kCheck2X, kYCool, kCheckW),
    Lbl("Αλλο", 12, kYOther, "Αναγράφεται κάθε επιπλέον μέτρο που δεν αναφέρεται στο υπόδειγμα της μελέτης.",
        "Edit5"),
    Ed("Edit5", 48, kYOther, kRight - 6 - 48, 100),
    // 3. Suppressive measures.
    Lbl("3. Κατασταλτικά μέτρα πυροπροστασίας:", 8, kYSuppress, nullptr, nullptr, csPlain, 0, 16),
    Box(4, kBox2Y, kRight, kBox2H),
    Lbl("Αυτόματο Σύστημα Καταιονισμού", 12, kYSprk, kHintSprinkler, "CheckBox14"),
    Chk("CheckBox14", "", kCheckX, kYSprk, kCheckW),
    Chk("CheckBox15", "Τύπος Καταιονισμού ΥΓΡΟΥ ΤΥΠΟΥ", kMidX, kYSprk, 0),
    Chk("CheckBox16", "Τύπος Καταιονισμού ΞΗΡΟΥ ΤΥΠΟΥ", kMidX, kYDry, 0),
    Lbl("Αυτόματο σύστημα καταιονισμού με παροχή από το δίκτυο πόλης", 12, kYCity, kHintSprinkler, "CheckBox17"),
    Chk("CheckBox17", "", kCheckX + 40, kYCity, kCheckW),
    Lbl("Περιοχή που καλύπτει :", 370, kYCity, nullptr, "Edit10"),
    Ed("Edit10", 490, kYCity, kRight - 6 - 490, 80),
    Lbl("Μόνιμο Υδροδοτικό Πυρ/κό Δίκτυο", 12, kYMains, kHintMains, "CheckBox19"),
    Chk("CheckBox19", "", kCheckX, kYMains, kCheckW),
    Lbl("Κατηγορία I/II/III", kMidX, kYMains, kHintMains, "Edit11"),
    Ed("Edit11", 436, kYMains, 40, 3),
    Lbl("Παροχή Υδατος", 12, kYSupply, kHintMains),
    Chk("CheckBox21", "ΔΙΚΤΥΟ ΠΟΛΗΣ", 110, kYSupply, 0),
    Lbl("Αριθμός πυρ/κών φωλεών", kCountX, kYSupply, kHintMains, "Edit12"),
    Ed("Edit12", kCountEditX, kYSupply, kRight - 6 - kCountEditX, 0),
    Chk("CheckBox22", "ΑΝΤΛΗΤΙΚΟ ΣΥΓΚΡΟΤΗΜΑ", 110, kYPump, 0),
    Lbl("Απλό Υδροδοτικό Πυρ/κό Δίκτυο ", 12, kYSimple,
        "Συμπληρώνεται αν υπάρχει απλό υδροδοτικό πυρ/κό δίκτυο καθώς και ο αριθμός των πυρ/κών ερμαρίων.",
        "CheckBox23"),
    Chk("CheckBox23", "", kCheckX, kYSimple, kCheckW),
    Lbl("Αριθμός πυρ/κών φωλεών", kCountX, kYSimple, kHintMains, "Edit13"),
    Ed("Edit13", kCountEditX, kYSimple, kRight - 6 - kCountEditX, 0),
    Lbl("Αυτόματο-Χειροκίνητο Σύστημα κατάσβεσης Τοπικής Εφαρμογής (Ναι/Οχι)", 12, kYLocal,
        "Συμπληρώνεται αν υπάρχει σύστημα κατάσβεσης τοπικής εφαρμογής.", "CheckBox25"),
    Chk("CheckBox25", "", 400, kYLocal, kCheckW),
};

// In the order of the load: the memos, the yes/no boxes, the water supply
// marks, the sprinkler pair (wet before dry), the last two boxes, the edits.
const TBinding kBindings[] = {
    {"Memo1", "Kindynoi1", TBindKind::Text},
    {"Memo2", "Kindynoi2", TBindKind::Text},
    {"CheckBox5", "SusthmaPyranixneushs", TBindKind::YesNo},
    {"CheckBox7", "SysthmaAnixneushsEkrhktikwn", TBindKind::YesNo},
    {"CheckBox9", "AplosAnixneuths", TBindKind::YesNo},
    {"CheckBox11", "AutomathCyjh", TBindKind::YesNo},
    {"CheckBox27", "SusthmaAnaggeliasPurkagias", TBindKind::YesNo},
    {"CheckBox14", "AutomatoSusthmaKataionismou", TBindKind::YesNo},
    {"CheckBox17", "SusthmaApoDiktuoPolhs", TBindKind::YesNo},
    {"CheckBox19", "MonimoDiktuo", TBindKind::YesNo},
    {"CheckBox21", "ParoxhYdatos1", TBindKind::Mark},
    {"CheckBox22", "ParoxhYdatos2", TBindKind::Mark},
    {"CheckBox15", "YgrosTupos", TBindKind::Mark},
    {"CheckBox16", "JhrosTupos", TBindKind::Mark},
    {"CheckBox23", "AploDiktuo", TBindKind::YesNo},
    {"CheckBox25", "SusthmaTopikhsEfarmoghs", TBindKind::YesNo},
    {"Edit4", "Perioxh1", TBindKind::Text},
    {"Edit10", "Perioxh2", TBindKind::Text},
    {"Edit5", "SomethingElse", TBindKind::Text},
    {"Edit11", "Kathgoria", TBindKind::Text},
    {"Edit12", "NumFirePlace", TBindKind::Text},
    {"Edit13", "NumErmaria", TBindKind::Text},
};

// CheckBox15Click and CheckBox16Click: each change of one sprinkler type
// sets the other to the opposite state. They run on every change of state,
// by a click or by a load, and never when a box is set to the state it has,
// so once either has been clicked exactly one of the two is ticked.
void Wire(TEntryPageFrame& page) {
  auto* wet = Find<QCheckBox>(page, "CheckBox15");
  auto* dry = Find<QCheckBox>(page, "CheckBox16");
  QObject::connect(wet, &QCheckBox::toggled, &page, [dry](bool ticked) { dry->setChecked(!ticked); });
  QObject::connect(dry, &QCheckBox::toggled, &page, [wet](bool ticked) { wet->setChecked(!ticked); });
}

}  // namespace

const TPageDesc& Page4Desc() {
  static const TPageDesc desc{
      .controls = kControls, .bindings = kBindings, .wire = &Wire};
  return desc;
}

}  // namespace flox06
