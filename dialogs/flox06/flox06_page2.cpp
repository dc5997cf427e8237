// Tab "Οικοδομική Σύσταση": the plot, the building, its construction, the
// exits, the safety lighting, the neighbours and the access road.
#include "dialogs/code_tables.h"
#include "dialogs/flox06/flox06_pages.h"

namespace flox06 {
namespace {

using namespace dlg;

constexpr int kRight = 728;
constexpr int kStep = 22;
constexpr int kFloorX = 140;  // the three floor edits of item 3

// Rows, top to bottom.
constexpr int kYHead = 2, kY1 = 24, kY2 = kY1 + kStep, kY3 = kY2 + kStep;
constexpr int kRadioY = kY3 + kStep + 2, kRadioH = 152, kGroupY = kRadioY + 2, kGroupH = kRadioH - 4;
constexpr int kYOther = kRadioY + kRadioH + 4, kExitBoxY = kYOther + kStep, kExitBoxH = 62;
constexpr int kYExit1 = kExitBoxY + 17, kYExit2 = kYExit1 + kStep;
constexpr int kYLight = kExitBoxY + kExitBoxH + 4, kYLightText = kYLight + kStep;
constexpr int kYNear = kYLightText + kStep, kYNear1 = kYNear + 18;
constexpr int kYAccess = kYNear1 + 3 * kStep;
// The two columns of neighbours: captions and edits.
constexpr int kNearL = 90, kNearLW = 250, kNearCapR = 352, kNearR = 472;

constexpr const char* kNeighbour = "Γειτονικός χώρος της επιχείρησης";

const TControlDef kControls[] = {
    Head("Β. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ", 8, kYHead, csBold | csUnderline, nullptr, 0, 20).Font("MS Sans Serif", 10),
    // 1. to 5.; the floors of item 3 are three edits side by side.
    Lbl("1. Οικοπεδική έκταση ", 8, kY1,
        "Αναγράφεται η ωφέλιμη επιφάνεια η οποία βγαίνει από την στεγασμένη επιφάνεια μείον τους αφαιρούμενους "
        "ορόφους.",
        "Edit1"),
    Ed("Edit1", 122, kY1, 70, 7),
    Lbl("m²", 196, kY1),
    Lbl("2. Αριθμός ορόφων κτίσματος", 240, kY1, "Αναγράφεται ο αριθμός ορόφων ολοκλήρου του κτίσματος.", "Edit2"),
    Ed("Edit2", 400, kY1, 40, 3),
    Lbl("3. Οροφοι επιχείρησης m²", 8, kY2, "Αναγράφονται οι χώροι που αφαιρούνται από τον υπολογισμό πληθυσμού.",
        "Edit3"),
    Ed("Edit3", kFloorX, kY2, 60, 8),
    Ed("Edit5", kFloorX + 64, kY2, 60, 8),
    Ed("Edit7", kFloorX + 128, kY2, 60, 8),
    Lbl("4. Συνολική στεγασμένη επιφάνεια της επιχείρησης m²", 344, kY2,
        "Αναγράφεται η συνολική στεγασμένη επιφάνεια της επιχείρησης σε τετραγωνικά μέτρα", "Edit9"),
    Ed("Edit9", 628, kY2, kRight - 628, 15),
    Lbl("5. Χρήση ακάλυπτης επιφάνειας της επιχείρησης:", 8, kY3,
        "Αναγράφονται οι όροφοι που καταλαμβάνει η επιχείρηση [π.χ. υπόγειο, ισόγειο και α' όροφος].", "Edit10"),
    Ed("Edit10", 262, kY3, kRight - 262, 60),
    // 6. The construction, four groups side by side in one box.
    Box(4, kRadioY, kRight, kRadioH),
    Rad("RadioGroup1", "ΦΕΡΟΥΣΑ ΚΑΤΑΣΚΕΥΗ", 10, kGroupY, 174, kGroupH),
    VLine(188, kGroupY + 2, kGroupH - 4),
    Rad("RadioGroup2", "ΤΟΙΧΟΠΟΙΙΑ", 194, kGroupY, 174, kGroupH),
    VLine(372, kGroupY + 2, kGroupH - 4),
    Rad("RadioGroup3", "ΚΑΤΑΣΚΕΥΗ ΣΤΕΓΗΣ", 378, kGroupY, 170, kGroupH),
    VLine(552, kGroupY + 2, kGroupH - 4),
    Rad("RadioGroup4", "ΕΠΙΚΑΛΥΨΗ ΣΤΕΓΗΣ", 558, kGroupY, 168, kGroupH),
    Lbl("Περιγραφή άλλου τύπου :", 8, kYOther, nullptr, "Edit11"),
    Ed("Edit11", 136, kYOther, 380, 80),
    // 7. The exits.
    Lbl("7. Αριθμός εξόδων κινδύνου:", 530, kYOther,
        "Αναγράφεται ο αριθμός των εξόδων κινδύνου και σε ποιό σημείο ευρίσκονται.", "Edit12"),
    Ed("Edit12", 682, kYOther, kRight - 682, 3),
    Box(4, kExitBoxY, kRight, kExitBoxH, "Ονομασία Οδού και Αριθμός"),
    Lbl("Εξοδος (1):", 12, kYExit1, nullptr, "Edit13"),
    Ed("Edit13", 72, kYExit1, 290, 90),
    Lbl("Εξοδος (3):", 374, kYExit1, nullptr, "Edit15"),
    Ed("Edit15", 434, kYExit1, 288, 90),
    Lbl("Εξοδος (2):", 12, kYExit2, nullptr, "Edit14"),
    Ed("Edit14", 72, kYExit2, 290, 90),
    Lbl("Εξοδος (4):", 374, kYExit2, nullptr, "Edit16"),
    Ed("Edit16", 434, kYExit2, 288, 90),
    // 8. Safety lighting.
    Lbl("8. Φωτισμός ασφαλείας-Σήμανση οδεύσεων διαφυγής", 8, kYLight,
        "Συμπληρώνεται αν υπάρχει φωτισμός ασφαλείας και γίνεται περιγραφή του.", "CheckBox33"),
    Chk("CheckBox33", "", 276, kYLight, 18),
    Ed("Edit17", 8, kYLightText, kRight - 8, 80),
    // 9. The neighbours, two columns.
    Lbl("9. Γειτνίαση", 8, kYNear, "Αναγράφονται οι χώροι με τους οποίους γειτνιάζει η επιχείρηση.", nullptr, csPlain, 0,
        18),
    Head(kNeighbour, kNearL, kYNear, csPlain, nullptr, 0, 18),
    Head(kNeighbour, kNearR, kYNear, csPlain, nullptr, 0, 18),
    Lbl("Ανατολικά", 8, kYNear1, nullptr, "Edit18"),
    Ed("Edit18", kNearL, kYNear1, kNearLW, 70),
    Lbl("Νότια", kNearCapR, kYNear1, nullptr, "Edit21"),
    Ed("Edit21", kNearR, kYNear1, kRight - kNearR, 70),
    Lbl("Δυτικά", 8, kYNear1 + kStep, nullptr, "Edit19"),
    Ed("Edit19", kNearL, kYNear1 + kStep, kNearLW, 70),
    Lbl("Υπερκείμενος Οροφος", kNearCapR, kYNear1 + kStep, nullptr, "Edit22"),
    Ed("Edit22", kNearR, kYNear1 + kStep, kRight - kNearR, 70),
    Lbl("Βόρεια", 8, kYNear1 + 2 * kStep, nullptr, "Edit20"),
    Ed("Edit20", kNearL, kYNear1 + 2 * kStep, kNearLW, 70),
    Lbl("Υποκείμενος Οροφος", kNearCapR, kYNear1 + 2 * kStep, nullptr, "Edit23"),
    Ed("Edit23", kNearR, kYNear1 + 2 * kStep, kRight - kNearR, 70),
    // 10. The access road, its caption on two lines.
    Lbl("10. Οδός Προσπέλασης Πυρ/κών οχημάτων ", 8, kYAccess, nullptr, "Edit24", csPlain, 0, 16),
    Lbl("στις εγκαταστάσεις της επιχείρησης:", 8, kYAccess + 16, nullptr, "Edit24", csPlain, 0, 16),
    Ed("Edit24", 232, kYAccess + 7, kRight - 232, 300),
};

const TBinding kBindings[] = {
    {"Edit1", "OikopedikhEktash", TBindKind::Text},
    {"Edit2", "NumberOfFloors", TBindKind::Text},
    {"Edit3", "Floor1", TBindKind::Text},
    {"Edit5", "Floor2", TBindKind::Text},
    {"Edit7", "Floor3", TBindKind::Text},
    {"Edit9", "SunolikhEpifaneia", TBindKind::Text},
    {"Edit10", "xrhsh", TBindKind::Text},
    {"RadioGroup1", "EidosFerousa", TBindKind::Radio, &kFerousaCodes},
    {"RadioGroup2", "EidosToixopoiia", TBindKind::Radio, &kToixopoiiaCodes},
    {"RadioGroup3", "EidosFerousaSteghs", TBindKind::Radio, &kSteghCodes},
    {"RadioGroup4", "EidosSteghs", TBindKind::Radio, &kEpikalupshCodes},
    {"Edit11", "perigrafhAllouTupou", TBindKind::Text},
    {"Edit12", "ArithmosEjodwn", TBindKind::Text},
    {"Edit13", "Exit1", TBindKind::Text},
    {"Edit15", "Exit3", TBindKind::Text},
    {"Edit14", "Exit2", TBindKind::Text},
    {"Edit16", "Exit4", TBindKind::Text},
    {"CheckBox33", "FwtismosAsfaleiasYes", TBindKind::YesNo},
    {"Edit17", "FwtismosAsfaleias", TBindKind::Text},
    {"Edit18", "Anatolika", TBindKind::Text},
    {"Edit21", "Noteia", TBindKind::Text},
    {"Edit19", "dutika", TBindKind::Text},
    {"Edit22", "Yperkeimenos", TBindKind::Text},
    {"Edit20", "Boreia", TBindKind::Text},
    {"Edit23", "Ypokeimenos", TBindKind::Text},
    {"Edit24", "OdosProspelashs", TBindKind::Text},
};

}  // namespace

const TPageDesc& Page2Desc() {
  static const TPageDesc desc{kControls, kBindings};
  return desc;
}

}  // namespace flox06
