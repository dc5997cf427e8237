// Tab "Οικοδομική Σύσταση": the building and its surroundings.
#include "dialogs/code_tables.h"
#include "dialogs/flox03/flox03_pages.h"

namespace flox03 {
namespace {

using namespace dlg;

constexpr int kRight = 643;
// Rows of the items 1 to 6.
constexpr int kY1 = 3, kY2 = 24, kY3 = 45, kY4 = 66;
// The box of the four radio groups.
// The box is a few pixels taller than the longest group, so that the last
// item ("Τίποτα") keeps clear of its bottom edge.
constexpr int kRadioY = 89, kRadioH = 155;
constexpr int kGroupY = kRadioY + 2, kGroupH = kRadioH - 6;
// The rows under it.
constexpr int kYOther = 248, kYCover = 269, kYExits = 290;
constexpr int kExitBoxY = 311, kExitBoxH = 62;
constexpr int kYExit1 = kExitBoxY + 17, kYExit2 = kYExit1 + 21;
constexpr int kYLight = 376, kYNear = 397, kYNear1 = 413, kYNear2 = 434;

const TControlDef kControls[] = {
    // 1. to 6.
    Lbl("1. Αριθμός ορόφων κτίσματος", 8, kY1, "Αναγράφεται ο αριθμός ορόφων ολοκλήρου του κτίσματος.", "Edit3"),
    Ed("Edit3", 157, kY1, 40, 5),
    Lbl("2. Οροφοι που καταλαμβάνει η επιχείρηση", 215, kY1,
        "Αναγράφονται οι όροφοι που καταλαμβάνει η επιχείρηση [π.χ. υπόγειο, ισόγειο και α' όροφος].", "Edit4"),
    Ed("Edit4", 425, kY1, 55, 5),
    Lbl("3. Συνολική στεγασμένη επιφάνεια της επιχείρησης", 8, kY2,
        "Αναγράφεται η συνολική στεγασμένη επιφάνεια της επιχείρησης σε τετραγωνικά μέτρα", "Edit5"),
    Ed("Edit5", 260, kY2, 60, 7),
    Lbl("m²", 323, kY2),
    Lbl("4. Αφαιρούμενοι χώροι m²:", 8, kY3,
        "Αναγράφονται οι χώροι που αφαιρούνται από τον υπολογισμό πληθυσμού.", "Edit6"),
    Ed("Edit6", 141, kY3, 55, 7),
    Ed("Edit20", 200, kY3, 55, 7),
    Ed("Edit21", 259, kY3, 55, 7),
    Lbl("5. Ωφέλιμη επιφάνεια ", 330, kY3,
        "Αναγράφεται η ωφέλιμη επιφάνεια η οποία βγαίνει από την στεγασμένη επιφάνεια μείον τους αφαιρούμενους "
        "ορόφους.",
        "Edit22"),
    Ed("Edit22", 440, kY3, 60, 7),
    Lbl("m²", 503, kY3),
    Lbl("5α. Συντελεστής υπολογισμού", 8, kY4, nullptr, "Edit23"),
    Ed("Edit23", 158, kY4, 38, 3),
    Lbl("6.Κατηγορία της αίθουσας", 215, kY4, nullptr, "Edit24"),
    Ed("Edit24", 346, kY4, 38, 3),
    Lbl("Ατομα", 400, kY4,
        "Αναγράφονται τα άτομα της αίθουσας τα οποία βγαίνουν με την διαίρεση της ωφέλιμης επιφάνειας με τον "
        "συντελεστή υπολογισμού του χώρου.",
        "Edit25"),
    Ed("Edit25", 436, kY4, 60, 7),
    // 7. The construction, four groups side by side in one box.
    Box(4, kRadioY, kRight, kRadioH),
    Rad("RadioGroup1", "ΦΕΡΟΥΣΑ ΚΑΤΑΣΚΕΥΗ", 10, kGroupY, 150, kGroupH),
    VLine(164, kGroupY + 2, kGroupH - 4),
    Rad("RadioGroup2", "ΤΟΙΧΟΠΟΙΙΑ", 170, kGroupY, 150, kGroupH),
    VLine(324, kGroupY + 2, kGroupH - 4),
    Rad("RadioGroup3", "ΚΑΤΑΣΚΕΥΗ ΣΤΕΓΗΣ", 330, kGroupY, 150, kGroupH),
    VLine(484, kGroupY + 2, kGroupH - 4),
    Rad("RadioGroup4", "ΕΠΙΚΑΛΥΨΗ ΣΤΕΓΗΣ", 490, kGroupY, 150, kGroupH),
    Lbl("Περιγραφή άλλου τύπου :", 8, kYOther, nullptr, "Edit1"),
    Ed("Edit1", 136, kYOther, kRight - 136, 80),
    // 8. and 9.
    Lbl("8. Επικαλύψεις δαπέδων-τοίχων-οροφής κ.λ.π.", 8, kYCover,
        "Περιγράφεται τυχόν ύπαρξη ευφλέκτων επικαλύψεων.", "Edit19"),
    Ed("Edit19", 241, kYCover, kRight - 241, 220),
    Lbl("9. Αριθμός εξόδων κινδύνου:", 8, kYExits,
        "Αναγράφεται ο αριθμός των εξόδων κινδύνου και σε ποιό σημείο ευρίσκονται.", "Edit2"),
    Ed("Edit2", 152, kYExits, 40, 5),
    Lbl("Περιγραφή εξόδων κινδύνου:", 206, kYExits,
        " Γίνεται περιγραφή τους (κατασκευή-πλάτος-φορά ανοίγματος κ.λ.π.)", "Edit18"),
    Ed("Edit18", 351, kYExits, kRight - 351, 80),
    // The four exits in a box of their own.
    Box(4, kExitBoxY, kRight, kExitBoxH, "Ονομασία Οδού και Αριθμός"),
    Lbl("Εξοδος (1):", 12, kYExit1, nullptr, "Edit7"),
    Ed("Edit7", 70, kYExit1, 250, 90),
    Lbl("Εξοδος (3):", 330, kYExit1, nullptr, "Edit9"),
    Ed("Edit9", 388, kYExit1, 250, 90),
    Lbl("Εξοδος (2):", 12, kYExit2, nullptr, "Edit8"),
    Ed("Edit8", 70, kYExit2, 250, 90),
    Lbl("Εξοδος (4):", 330, kYExit2, nullptr, "Edit10"),
    Ed("Edit10", 388, kYExit2, 250, 90),
    // 10. Safety lighting.
    Lbl("10. Φωτισμός ασφαλείας-Σήμανση οδεύσεων διαφυγής", 8, kYLight,
        "Συμπληρώνεται αν υπάρχει φωτισμός ασφαλείας και γίνεται περιγραφή του.", "CheckBox33"),
    Chk("CheckBox33", "", 280, kYLight, 18),
    Ed("Edit11", 302, kYLight, kRight - 302, 80),
    // 11. Neighbours.
    Head("11. Γειτνίαση", 8, kYNear, csBold, "Αναγράφονται οι χώροι με τους οποίους γειτνιάζει η επιχείρηση.", 0,
         15),
    Head("Γειτονικός χώρος της επιχείρησης", 100, kYNear, csPlain, nullptr, 0, 15),
    Lbl("Ανατολικά", 8, kYNear1, nullptr, "Edit12"),
    Ed("Edit12", 122, kYNear1, 100, 70),
    Lbl("Νότια", 232, kYNear1, nullptr, "Edit15"),
    Ed("Edit15", 276, kYNear1, 134, 70),
    Lbl("Δυτικά", 420, kYNear1, nullptr, "Edit13"),
    Ed("Edit13", 531, kYNear1, kRight - 531, 70),
    Lbl("Υπερκείμενος Οροφος", 8, kYNear2, nullptr, "Edit16"),
    Ed("Edit16", 122, kYNear2, 100, 70),
    Lbl("Βόρεια", 232, kYNear2, nullptr, "Edit14"),
    Ed("Edit14", 276, kYNear2, 134, 70),
    Lbl("Υποκείμενος Οροφος", 420, kYNear2, nullptr, "Edit17"),
    Ed("Edit17", 531, kYNear2, kRight - 531, 70),
};

// Edit4 appears twice: load shows Embado and then NumberOfFloorsOfOrganization
// (the second wins); store writes the edit into both, so they always agree.
const TBinding kBindings[] = {
    {"Edit3", "NumberOfFloors", TBindKind::Text},
    {"Edit4", "Embado", TBindKind::Text},
    {"Edit5", "Height1", TBindKind::Text},
    {"Edit25", "People", TBindKind::Text},
    {"Edit4", "NumberOfFloorsOfOrganization", TBindKind::Text},
    {"Edit6", "AfairXwroiNum1", TBindKind::Text},
    {"Edit20", "AfairXwroiNum2", TBindKind::Text},
    {"Edit21", "AfairXwroiNum3", TBindKind::Text},
    {"Edit22", "WfelimhEpifaneia", TBindKind::Text},
    {"Edit23", "SuntelesthsYpologismou", TBindKind::Text},
    {"Edit24", "KathgoriaAithousas", TBindKind::Text},
    {"Edit19", "EpikalupshDapedwn", TBindKind::Text},
    {"RadioGroup1", "EidosFerousa", TBindKind::Radio, &kFerousaCodes},
    {"RadioGroup2", "EidosToixopoiia", TBindKind::Radio, &kToixopoiiaCodes},
    {"RadioGroup3", "EidosFerousaSteghs", TBindKind::Radio, &kSteghCodes},
    {"RadioGroup4", "EidosSteghs", TBindKind::Radio, &kEpikalupshCodes},
    {"Edit1", "perigrafhAllouTupou", TBindKind::Text},
    {"Edit2", "ArithmosEjodwn", TBindKind::Text},
    {"Edit7", "Exit1", TBindKind::Text},
    {"Edit8", "Exit2", TBindKind::Text},
    {"Edit9", "Exit3", TBindKind::Text},
    {"Edit10", "Exit4", TBindKind::Text},
    {"CheckBox33", "FwtismosAsfaleiasYes", TBindKind::YesNo},
    {"Edit18", "PerigrafhExit", TBindKind::Text},
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

}  // namespace flox03
