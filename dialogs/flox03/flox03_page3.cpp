// Tab "Μέτρα Πυροπροστασίας": access, hydrants, gas and the measures.
#include "dialogs/flox03/flox03_help.h"
#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/measures_controls.h"

namespace flox03 {
namespace {

using namespace dlg;

constexpr int kRight = 643;
constexpr int kCheckW = 18;  // a check box without a caption of its own

// Row positions under the rows of SiteRows.
constexpr int kYHeads = 136;
constexpr int kBox2Y = 153, kBox2H = 94;
constexpr int kYDet = kBox2Y + 5;  // the preventive rows, 21 apart
// Heading 3 stands above its box as heading 2 does.
constexpr int kYHead3 = kBox2Y + kBox2H + 3;
constexpr int kBox3Y = kYHead3 + 17, kBox3H = 136;
constexpr int kYSprk = kBox3Y + 5, kYCity = kYSprk + 21, kYMains = kYCity + 21, kYSupply = kYMains + 21,
              kYSimple = kYSupply + 21, kYLocal = kYSimple + 21;
// Columns of the check boxes and of the second half of the rows.
constexpr int kCheckX = 192, kMidX = 214, kCheck2X = 556, kCountX = 384, kCountEditX = 522;

// The headings of the measures and the first box.
const auto kHead = std::to_array<TControlDef>({
    // 2. Special preventive measures.
    Head("2. Ειδικά προληπτικά μέτρα πυροπροστασίας: ", 8, kYHeads, csBold, nullptr, 0, 16),
    Head("Γ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", 470, kYHeads, csBold | csUnderline, nullptr, 0, 16),
    Box(4, kBox2Y, kRight, kBox2H),
});

const auto kSuppression = std::to_array<TControlDef>({
    // 3. Suppression measures.
    Head("3. Κατασταλτικά μέτρα πυροπροστασίας:", 8, kYHead3, csBold, nullptr, 0, 16),
    Box(4, kBox3Y, kRight, kBox3H),
    Lbl("Αυτόματο Σύστημα Καταιονισμού", 12, kYSprk, kHintSprinkler, "CheckBox14"),
    Chk("CheckBox14", "", kCheckX, kYSprk, kCheckW),
    Chk("CheckBox15", "Τύπος Καταιονισμού ΥΓΡΟΥ ΤΥΠΟΥ", kMidX + 6, kYSprk, 0),
    Chk("CheckBox16", "Τύπος Καταιονισμού ΞΗΡΟΥ ΤΥΠΟΥ", 432, kYSprk, 0),
    Lbl("Αυτόματο σύστημα καταιονισμού με παροχή από το δίκτυο πόλης", 12, kYCity, kHintSprinkler, "CheckBox17"),
    Chk("CheckBox17", "", 338, kYCity, kCheckW),
    Lbl("Περιοχή που καλύπτει :", 364, kYCity, nullptr, "Edit10"),
    Ed("Edit10", 484, kYCity, kRight - 8 - 484, 70),
    Lbl("Μόνιμο Υδροδοτικό Πυρ/κό Δίκτυο", 12, kYMains, kHintMains, "CheckBox19"),
    Chk("CheckBox19", "", kCheckX, kYMains, kCheckW),
    Lbl("Κατηγορία I/II/III", kMidX, kYMains, kHintMains, "Edit11"),
    Ed("Edit11", 300, kYMains, 36, 3),
    Lbl("Παροχή Υδατος", 12, kYSupply, kHintMains),
    Chk("CheckBox21", "ΔΙΚΤΥΟ ΠΟΛΗΣ", 96, kYSupply, 0),
    Chk("CheckBox22", "ΑΝΤΛΗΤΙΚΟ ΣΥΓΚΡΟΤΗΜΑ", kMidX, kYSupply, 0),
    Lbl("Αριθμός πυρ/κών φωλεών", kCountX, kYSupply, kHintMains, "Edit12"),
    Ed("Edit12", kCountEditX, kYSupply, 50, 10),
    Lbl("Απλό Υδροδοτικό Πυρ/κό Δίκτυο ", 12, kYSimple, kHintSimple, "CheckBox23"),
    Chk("CheckBox23", "", kCheckX, kYSimple, kCheckW),
    Lbl("Αριθμός πυρ/κών φωλεών:", kCountX, kYSimple, kHintSimple, "Edit13"),
    Ed("Edit13", kCountEditX, kYSimple, 50, 10),
    Lbl("Αυτόματο-Χειροκίνητο Σύστημα κατάσβεσης Τοπικής Εφαρμογής (Ναι/Οχι)", 12, kYLocal,
        "Συμπληρώνεται αν υπάρχει σύστημα κατάσβεσης τοπικής εφαρμογής.", "CheckBox25"),
    Chk("CheckBox25", "", 382, kYLocal, kCheckW),
});

constexpr TSiteRowsDef kSite{.right = kRight,
                             .access = "12. Οδός Προσπέλασης Πυρ/κών οχημάτων στις εγκαταστάσεις της επιχείρησης",
                             .hydrants = "13. Υδροστόμια",
                             .panel = "14. Θέση Ηλ. πίνακα:",
                             .streetW = 260, .streetLimit = 47, .numberX = 420, .quantityW = 55, .quantityLimit = 6};

const auto kControls = JoinControls(SiteRows(kSite), kHead, PreventiveRows({kYDet, kRight, kCheck2X, 75}), kSuppression);

const TBinding kBindings[] = {
    {"Edit1", "OdosProspelasis", TBindKind::Text},
    {"Edit6", "Odos1", TBindKind::Text},
    {"Edit7", "Num1", TBindKind::Text},
    {"Edit8", "Odos2", TBindKind::Text},
    {"Edit9", "Num2", TBindKind::Text},
    {"Edit2", "ThesiPinaka", TBindKind::Text},
    {"CheckBox1", "UseYgraerio", TBindKind::YesNo},
    {"Edit3", "PosothtaYgraeriou", TBindKind::Text},
    {"CheckBox3", "UseFwtaerio", TBindKind::YesNo},
    {"CheckBox5", "SusthmaPyranixneushs", TBindKind::YesNo},
    {"Edit4", "Perioxh1", TBindKind::Text},
    {"CheckBox7", "SysthmaAnixneushsEkrhktikwn", TBindKind::YesNo},
    {"CheckBox9", "AplosAnixneuths", TBindKind::YesNo},
    {"CheckBox11", "AutomathCyjh", TBindKind::YesNo},
    {"CheckBox27", "SusthmaAnaggeliasPurkagias", TBindKind::YesNo},
    {"Edit5", "SomethingElse", TBindKind::Text},
    {"CheckBox14", "AutomatoSusthmaKataionismou", TBindKind::YesNo},
    {"CheckBox15", "YgrosTupos", TBindKind::Mark},
    {"CheckBox16", "JhrosTupos", TBindKind::Mark},
    {"CheckBox17", "SusthmaApoDiktuoPolhs", TBindKind::YesNo},
    {"Edit10", "Perioxh2", TBindKind::Text},
    {"CheckBox19", "MonimoDiktuo", TBindKind::YesNo},
    {"Edit11", "Kathgoria", TBindKind::Text},
    {"CheckBox21", "ParoxhYdatos1", TBindKind::Mark},
    {"CheckBox22", "ParoxhYdatos2", TBindKind::Mark},
    {"Edit12", "NumFirePlace", TBindKind::Text},
    {"CheckBox23", "AploDiktuo", TBindKind::YesNo},
    {"Edit13", "NumErmaria", TBindKind::Text},
    {"CheckBox25", "SusthmaTopikhsEfarmoghs", TBindKind::YesNo},
};

}  // namespace

const TPageDesc& Page3Desc() {
  static const TPageDesc desc{kControls, kBindings, &ShowModalHelp<TFlox03Help3Form>};
  return desc;
}

}  // namespace flox03

TFlox03Page3Frame::TFlox03Page3Frame(QWidget* owner) : TEntryPage(owner, flox03::Page3Desc()) {}
