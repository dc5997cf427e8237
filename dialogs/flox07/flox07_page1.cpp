// Tab "Επιχείρηση" of the hotel study. Several fields of the record hold
// other values than their names say (the map sheet in Phone1, the owner's
// telephones in NumPaperMap, OikodomikoTetragwno and IdiokthsiaEpixeirhsis,
// and so on); report page 1 prints each under this page's caption.
#include "dialogs/flox07/flox07_pages.h"

namespace flox07 {
namespace {

using namespace dlg;

constexpr int kMemoX = 190;  // memos and the long edits
constexpr int kRight = 670;  // right edge of the widest controls
constexpr int kSubX = 126;   // the address and telephone rows, indented

// The rows of the telephones: captions and edits.
constexpr int kTel1 = kSubX, kTel1E = 170, kTel2 = 272, kTel2E = 312, kTel3 = 414, kTel3E = 490;
constexpr int kTelW = 90;

constexpr int kY1 = 30, kY2 = 74, kY3 = 118, kYPlace = 176, kYMap = 200, kYOwner = 228, kYOwnerTel = 252,
              kYBusiness = 280, kYOnly = 302, kYBusinessTel = 322;

const TControlDef kControls[] = {
    Head("ΜΕΛΕΤΗ ΕΝΕΡΓΗΤΙΚΗΣ ΠΥΡΟΠΡΟΣΤΑΣΙΑ", 8, 6, csBold | csUnderline | csCentre, nullptr, kRight - 8),
    Lbl("Που συντάχθηκε σύμφωνα με ", 8, kY1, "Αναγράφεται η νομοθεσία σύμφωνα με την οποία συντάχθηκε η μελέτη",
        "Memo1"),
    Mem("Memo1", kMemoX, kY1, kRight - kMemoX, 38, 200),
    Lbl("από τον ", 8, kY2, "Αναγράφονται τα πλήρη στοιχεία του συντάξαντα τη μελέτη", "Memo2"),
    Mem("Memo2", kMemoX, kY2, kRight - kMemoX, 38, 200),
    Lbl("1. Χρήση κτιρίου:", 8, kY3, "Αναγράφεται η χρήση του κτιρίου", "Memo3"),
    Mem("Memo3", kMemoX, kY3, kRight - kMemoX, 48, 255),
    // 2. The place of the building, two rows.
    Lbl("2. Θέση κτιρίου:", 8, kYPlace, "Αναγράφεται η πλήρης διεύθυνση της θέσης του κτιρίου"),
    Lbl("Πόλη", kSubX, kYPlace, nullptr, "Edit3"),
    Ed("Edit3", 156, kYPlace, 150, 25),
    Lbl("Οδός", 316, kYPlace, nullptr, "Edit4"),
    Ed("Edit4", 346, kYPlace, 170, 25),
    Lbl("Αρ.", 526, kYPlace, nullptr, "Edit5"),
    Ed("Edit5", 548, kYPlace, 50, 8),
    Lbl("Τ.Κ.", 606, kYPlace, nullptr, "Edit6"),
    Ed("Edit6", 630, kYPlace, kRight - 630, 5),
    Lbl("Αριθμ. φύλλου χάρτη", kSubX, kYMap, nullptr, "Edit7"),
    Ed("Edit7", 234, kYMap, 75, 8),
    Lbl("Οικοδ. τετραγ.", 319, kYMap, nullptr, "Edit8"),
    Ed("Edit8", 400, kYMap, 75, 8),
    // 3. The owner of the building and his telephones.
    Lbl("3. Ιδιοκτήτης: ", 8, kYOwner, "Αναγράφεται ο ιδιοκτήτης του κτιρίου", "Edit9"),
    Ed("Edit9", kMemoX, kYOwner, kRight - kMemoX, 0),
    Lbl("Τηλ1.", kTel1, kYOwnerTel, nullptr, "Edit10"),
    Ed("Edit10", kTel1E, kYOwnerTel, kTelW, 12),
    Lbl("Τηλ2.", kTel2, kYOwnerTel, nullptr, "Edit11"),
    Ed("Edit11", kTel2E, kYOwnerTel, kTelW, 12),
    Lbl("Τηλ.ανάγκης", kTel3, kYOwnerTel, nullptr, "Edit12"),
    Ed("Edit12", kTel3E, kYOwnerTel, kTelW, 12),
    // 4. The owner of the business (existing hotels only) and his telephones.
    Lbl("4. Ιδιοκτήτης επιχείρησης:", 8, kYBusiness,
        "Αναγράφεται ο ιδιοκτήτης όταν η μελέτη αφορά υφιστάμενο ξενοδοχείο", "Edit13"),
    Ed("Edit13", kMemoX, kYBusiness, kRight - kMemoX, 0),
    Lbl("(Μόνο για υφιστάμενα ξενοδοχεία)", 8, kYOnly),
    Lbl("Τηλ1:", kTel1, kYBusinessTel, nullptr, "Edit14"),
    Ed("Edit14", kTel1E, kYBusinessTel, kTelW, 12),
    Lbl("Τηλ2:", kTel2, kYBusinessTel, nullptr, "Edit15"),
    Ed("Edit15", kTel2E, kYBusinessTel, kTelW, 12),
    Lbl("Τηλ. ανάγκης", kTel3, kYBusinessTel, nullptr, "Edit16"),
    Ed("Edit16", kTel3E, kYBusinessTel, kTelW, 12),
};

// NumMhtrwou is not on this page; it keeps its value.
const TBinding kBindings[] = {
    {"Memo1", "Suntaxh", TBindKind::Text},
    {"Memo2", "FromWho", TBindKind::Text},
    {"Memo3", "EidosEpixeirisis", TBindKind::Text},
    {"Edit3", "Polh", TBindKind::Text},
    {"Edit4", "Odos", TBindKind::Text},
    {"Edit5", "Number", TBindKind::Text},
    {"Edit6", "TK", TBindKind::Text},
    {"Edit7", "Phone1", TBindKind::Text},
    {"Edit8", "Phone2", TBindKind::Text},
    {"Edit9", "NameIdiokthth", TBindKind::Text},
    {"Edit10", "NumPaperMap", TBindKind::Text},
    {"Edit11", "OikodomikoTetragwno", TBindKind::Text},
    {"Edit12", "IdiokthsiaEpixeirhsis", TBindKind::Text},
    {"Edit13", "IdiokthsiaAkinhtou", TBindKind::Text},
    {"Edit14", "YpeuthinosEpixeirisis", TBindKind::Text},
    {"Edit15", "Man", TBindKind::Text},
    {"Edit16", "Female", TBindKind::Text},
};

}  // namespace

const TPageDesc& Page1Desc() {
  static const TPageDesc desc{kControls, kBindings};
  return desc;
}

}  // namespace flox07
