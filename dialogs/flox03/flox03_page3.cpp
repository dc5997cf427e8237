// Tab "Μέτρα Πυροπροστασίας": access, hydrants, gas and the measures.
#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/measures_controls.h"

namespace flox03 {
namespace {

using namespace dlg;

constexpr int kRight = 643;

// Row positions under the rows of SiteRows.
constexpr int kYHeads = 136;
constexpr int kBox2Y = 153, kBox2H = 94;
constexpr int kYDet = kBox2Y + 5;  // the preventive rows, 21 apart
// Heading 3 stands above its box as heading 2 does.
constexpr int kYHead3 = kBox2Y + kBox2H + 3;
constexpr int kBox3Y = kYHead3 + 17, kBox3H = 136;
// The check boxes of the second column of the preventive rows.
constexpr int kCheck2X = 556;

// The headings of the measures and the first box.
const auto kHead = std::to_array<TControlDef>({
    // 2. Special preventive measures.
    Head("2. Ειδικά προληπτικά μέτρα πυροπροστασίας: ", 8, kYHeads, csBold, nullptr, 0, 16),
    Head("Γ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", 470, kYHeads, csBold | csUnderline, nullptr, 0, 16),
    Box(4, kBox2Y, kRight, kBox2H),
});

const auto kSuppressionBox = std::to_array<TControlDef>({
    // 3. Suppression measures.
    Head("3. Κατασταλτικά μέτρα πυροπροστασίας:", 8, kYHead3, csBold, nullptr, 0, 16),
    Box(4, kBox3Y, kRight, kBox3H),
});
constexpr TSuppressionRowsDef kSuppression{.top = kBox3Y + 5, .right = kRight, .dryX = 432, .areaLimit = 70,
                                           .countX = 384, .countEditX = 522, .countLimit = 10,
                                           .cabinets = "Αριθμός πυρ/κών φωλεών:"};

constexpr TSiteRowsDef kSite{.right = kRight,
                             .access = "12. Οδός Προσπέλασης Πυρ/κών οχημάτων στις εγκαταστάσεις της επιχείρησης",
                             .hydrants = "13. Υδροστόμια",
                             .panel = "14. Θέση Ηλ. πίνακα:",
                             .streetW = 260, .streetLimit = 47, .numberX = 420, .quantityW = 55, .quantityLimit = 6};

const auto kControls = JoinControls(SiteRows(kSite), kHead, PreventiveRows({kYDet, kRight, kCheck2X, 75}), kSuppressionBox,
                                    SuppressionRows(kSuppression));

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
  static const TPageDesc desc{kControls, kBindings};
  return desc;
}

}  // namespace flox03
