// Tab "Οικοδομική Σύσταση" of the hotel study: the building and its
// surroundings. The four construction groups use the general study's code
// tables in both directions.
#include "dialogs/code_tables.h"
#include "dialogs/flox07/flox07_pages.h"

namespace flox07 {
namespace {

using namespace dlg;

constexpr int kRight = 670;
// Rows of the items 1 to 5.
constexpr int kY1 = 3, kY2 = 24, kY5 = 45;
// The box of the four radio groups, a few pixels taller than the longest
// group so that the last item ("Τίποτα") keeps clear of its bottom edge.
constexpr int kRadioY = 62, kRadioH = 155;
constexpr int kGroupY = kRadioY + 2, kGroupH = kRadioH - 6;
constexpr int kGroupW = 160;
// The rows under it.
constexpr int kYOther = 221, kYExits = 243;
constexpr int kExitBoxY = 264, kExitBoxH = 62;
constexpr int kYExit1 = kExitBoxY + 17, kYExit2 = kYExit1 + 21;
constexpr int kYStairs = 330, kYLight = 352, kYNear = 375, kYNear1 = 391, kYNear2 = 412, kYNear3 = 433;
// The two columns of neighbours.
constexpr int kNear1 = 8, kNear1E = 122, kNear2 = 340, kNear2E = 454, kNearW = 200;

const TControlDef kControls[] = {
    Head("Β. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ", 520, kY1, csBold | csUnderline),
    // 1. to 4.
    Lbl("1. Αριθμός ορόφων κτίσματος", 8, kY1, nullptr, "Edit3"),
    Ed("Edit3", 190, kY1, 50, 8),
    Lbl("3. Υψος κτιρίου:", 290, kY1, nullptr, "Edit5"),
    Ed("Edit5", 400, kY1, 60, 8),
    Lbl("m", 463, kY1),
    Lbl("2. Συνολική επιφάνεια του κτιρίου:", 8, kY2, nullptr, "Edit4"),
    Ed("Edit4", 190, kY2, 60, 8),
    Lbl("m²", 253, kY2),
    Lbl("4. Πληθυσμός κτιρίου", 290, kY2, nullptr, "Edit6"),
    Ed("Edit6", 400, kY2, 60, 8),
    Lbl("άτομα", 463, kY2),
    // 5. The construction, four groups side by side in one box.
    Head("5. Είδος φέροντος οργανισμού ", 8, kY5, csBold),
    Box(4, kRadioY, kRight - 2, kRadioH),
    Rad("RadioGroup1", "ΦΕΡΟΥΣΑ ΚΑΤΑΣΚΕΥΗ", 10, kGroupY, kGroupW, kGroupH),
    VLine(10 + kGroupW + 4, kGroupY + 2, kGroupH - 4),
    Rad("RadioGroup2", "ΤΟΙΧΟΠΟΙΙΑ", 10 + (kGroupW + 8), kGroupY, kGroupW, kGroupH),
    VLine(10 + 2 * kGroupW + 12, kGroupY + 2, kGroupH - 4),
    Rad("RadioGroup3", "ΚΑΤΑΣΚΕΥΗ ΣΤΕΓΗΣ", 10 + 2 * (kGroupW + 8), kGroupY, kGroupW, kGroupH),
    VLine(10 + 3 * kGroupW + 20, kGroupY + 2, kGroupH - 4),
    Rad("RadioGroup4", "ΕΠΙΚΑΛΥΨΗ ΣΤΕΓΗΣ", 10 + 3 * (kGroupW + 8), kGroupY, kGroupW, kGroupH),
    Lbl("Περιγραφή άλλου τύπου :", 8, kYOther, nullptr, "Edit1"),
    Ed("Edit1", 136, kYOther, kRight - 136, 85),
    // 6. The exits.
    Lbl("6. Αριθμός εξόδων κινδύνου:", 8, kYExits, nullptr, "Edit2"),
    Ed("Edit2", 160, kYExits, 40, 0),
    Box(4, kExitBoxY, kRight - 2, kExitBoxH, "Ονομασία Οδού και Αριθμός"),
    Lbl("Εξοδος (1):", 12, kYExit1, nullptr, "Edit7"),
    Ed("Edit7", 70, kYExit1, 260, 90),
    Lbl("Εξοδος (3):", 344, kYExit1, nullptr, "Edit9"),
    Ed("Edit9", 402, kYExit1, kRight - 8 - 402, 90),
    Lbl("Εξοδος (2):", 12, kYExit2, nullptr, "Edit8"),
    Ed("Edit8", 70, kYExit2, 260, 90),
    Lbl("Εξοδος (4):", 344, kYExit2, nullptr, "Edit10"),
    Ed("Edit10", 402, kYExit2, kRight - 8 - 402, 90),
    Lbl("Κλιμακοστάσιο ή ανελκυστήρας για πρόσβαση πυροσβεστών (Ναι/Οχι)", 8, kYStairs, nullptr, "CheckBox31"),
    Chk("CheckBox31", "", 372, kYStairs, 18),
    // 7. Safety lighting.
    Lbl("7. Φωτισμός ασφαλείας", 8, kYLight, nullptr, "CheckBox33"),
    Chk("CheckBox33", "", 134, kYLight, 18),
    Ed("Edit11", 160, kYLight, kRight - 160, 0),
    // 8. Neighbours, in two columns.
    Head("8. Γειτνίαση", 8, kYNear, csBold, nullptr, 0, 15),
    Head("Γειτονικός χώρος της επιχείρησης", kNear1E, kYNear, csPlain, nullptr, 0, 15),
    Head("Γειτονικός χώρος της επιχείρησης", kNear2E, kYNear, csPlain, nullptr, 0, 15),
    Lbl("Ανατολικά", kNear1, kYNear1, nullptr, "Edit12"),
    Ed("Edit12", kNear1E, kYNear1, kNearW, 90),
    Lbl("Νότια", kNear2, kYNear1, nullptr, "Edit15"),
    Ed("Edit15", kNear2E, kYNear1, kRight - kNear2E, 90),
    Lbl("Δυτικά", kNear1, kYNear2, nullptr, "Edit13"),
    Ed("Edit13", kNear1E, kYNear2, kNearW, 90),
    Lbl("Υπερκείμενος Οροφος", kNear2, kYNear2, nullptr, "Edit16"),
    Ed("Edit16", kNear2E, kYNear2, kRight - kNear2E, 90),
    Lbl("Βόρεια", kNear1, kYNear3, nullptr, "Edit14"),
    Ed("Edit14", kNear1E, kYNear3, kNearW, 90),
    Lbl("Υποκείμενος Οροφος", kNear2, kYNear3, nullptr, "Edit17"),
    Ed("Edit17", kNear2E, kYNear3, kRight - kNear2E, 90),
};

// Every field of the record is bound, each edit to exactly one field.
const TBinding kBindings[] = {
    {"Edit3", "NumberOfFloors", TBindKind::Text},
    {"Edit4", "Embado", TBindKind::Text},
    {"Edit5", "Height1", TBindKind::Text},
    {"Edit6", "People", TBindKind::Text},
    {"RadioGroup1", "EidosFerousa", TBindKind::Radio, &dlg::kFerousaCodes},
    {"RadioGroup2", "EidosToixopoiia", TBindKind::Radio, &dlg::kToixopoiiaCodes},
    {"RadioGroup3", "EidosFerousaSteghs", TBindKind::Radio, &dlg::kSteghCodes},
    {"RadioGroup4", "EidosSteghs", TBindKind::Radio, &dlg::kEpikalupshCodes},
    {"Edit1", "perigrafhAllouTupou", TBindKind::Text},
    {"Edit2", "ArithmosEjodwn", TBindKind::Text},
    {"Edit7", "Exit1", TBindKind::Text},
    {"Edit8", "Exit2", TBindKind::Text},
    {"Edit9", "Exit3", TBindKind::Text},
    {"Edit10", "Exit4", TBindKind::Text},
    {"CheckBox31", "StairsAliv", TBindKind::YesNo},
    {"CheckBox33", "FwtismosAsfaleiasYes", TBindKind::YesNo},
    {"Edit11", "FwtismosAsfaleias", TBindKind::Text},
    {"Edit12", "Anatolika", TBindKind::Text},
    {"Edit13", "dutika", TBindKind::Text},
    {"Edit14", "Boreia", TBindKind::Text},
    {"Edit15", "Noteia", TBindKind::Text},
    {"Edit16", "Yperkeimenos", TBindKind::Text},
    {"Edit17", "Ypokeimenos", TBindKind::Text},
};

}  // namespace

const TPageDesc& Page2Desc() {
  static const TPageDesc desc{kControls, kBindings};
  return desc;
}

}  // namespace flox07
