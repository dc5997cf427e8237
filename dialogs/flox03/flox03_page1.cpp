// Tab "Επιχείρηση": the heading data of the study and of the business.
#include "dialogs/flox03/flox03_pages.h"

namespace flox03 {
namespace {

using namespace dlg;

constexpr int kMemoX = 190;   // memos and the long edits of the top rows
constexpr int kItemX = 232;   // edits of the numbered items
constexpr int kRight = 643;   // right edge of the widest controls
constexpr int kAddrX = 126;   // the address and telephone rows, indented

const TControlDef kControls[] = {
    Lbl("ΕΠΩΝΥΜΙΑ ΤΙΤΛΟΣ ΕΠΙΧΕΙΡΗΣΗΣ", 8, 6, nullptr, "Edit1", csBold),
    Ed("Edit1", kMemoX, 6, kRight - kMemoX, 80),
    Head("ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", 8, 32, csBold | csUnderline | csCentre, nullptr, kRight - 8),
    Lbl("Που συντάχθηκε σύμφωνα με ", 8, 56, "Αναγράφεται η νομοθεσία σύμφωνα με την οποία συντάχθηκε η μελέτη", "Memo1"),
    Mem("Memo1", kMemoX, 56, kRight - kMemoX, 34, 170),
    Lbl("από τον ", 8, 96, "Αναγράφονται τα πλήρη στοιχεία του συντάξαντα τη μελέτη", "Memo2"),
    Mem("Memo2", kMemoX, 96, kRight - kMemoX, 34, 150),
    Lbl("1. Είδος επιχείρησης:", 8, 138, "Αναγράφεται η χρήση του κτιρίου", "Edit2"),
    Ed("Edit2", kMemoX, 138, kRight - kMemoX, 85),
    // 2. Address and telephones, three rows.
    Lbl("2. Τόπος επιχείρησης: ", 8, 162, "Αναγράφεται ο ιδιοκτήτης του κτιρίου"),
    Lbl("Πόλη", kAddrX, 162, nullptr, "Edit3"),
    Ed("Edit3", 156, 162, 150, 23),
    Lbl("Οδός", 316, 162, nullptr, "Edit4"),
    Ed("Edit4", 346, 162, 170, 26),
    Lbl("Αρ.", 526, 162, nullptr, "Edit5"),
    Ed("Edit5", 548, 162, 50, 7),
    Lbl("Τ.Κ.", kAddrX, 186, nullptr, "Edit6"),
    Ed("Edit6", 156, 186, 50, 5),
    Lbl("Τηλ1.", 216, 186, nullptr, "Edit7"),
    Ed("Edit7", 248, 186, 85, 12),
    Lbl("Τηλ2.", 343, 186, nullptr, "Edit8"),
    Ed("Edit8", 375, 186, 85, 12),
    Lbl("Τηλ.ανάγκης", 470, 186, nullptr, "Edit9"),
    Ed("Edit9", 536, 186, 85, 12),
    Lbl("Αριθμ. φύλλου χάρτη", kAddrX, 210, nullptr, "Edit10"),
    Ed("Edit10", 234, 210, 75, 10),
    Lbl("Οικοδ. τετραγ.", 319, 210, nullptr, "Edit11"),
    Ed("Edit11", 400, 210, 75, 10),
    // 3. to 10.
    Lbl("3. Ιδιοκτησία επιχείρησης:", 8, 236, nullptr, "Edit12"),
    Ed("Edit12", kItemX, 236, kRight - kItemX, 70),
    Lbl("4. Ιδιοκτήτης ακινήτου:", 8, 260, "Αναγράφεται ο ιδιοκτήτης όταν η μελέτη αφορά υφιστάμενο ξενοδοχείο",
        "Edit13"),
    Ed("Edit13", kItemX, 260, kRight - kItemX, 70),
    Lbl("5. Υπεύθυνος Δ/ντής επιχείρησης:", 8, 284, nullptr, "Edit14"),
    Ed("Edit14", kItemX, 284, kRight - kItemX, 65),
    Lbl("6. Απασχολούμενο προσωπικό:", 8, 308),
    Lbl("Ανδρες", kItemX, 308, nullptr, "Edit16"),
    Ed("Edit16", 280, 308, 70, 10),
    Lbl("Γυναίκες", 362, 308, nullptr, "Edit17"),
    Ed("Edit17", 414, 308, 70, 10),
    Lbl("7. Ωράριο εργασίας", 8, 332),
    Lbl("Από:", kItemX, 332, nullptr, "Edit18"),
    Ed("Edit18", 280, 332, 70, 0),
    Lbl("εώς:", 362, 332, nullptr, "Edit19"),
    Ed("Edit19", 414, 332, 70, 0),
    Lbl("8. Υπεύθυνος Αρχηγός Πυροπροστασίας:", 8, 356, nullptr, "Edit20"),
    Ed("Edit20", kItemX, 356, kRight - kItemX, 50),
    Lbl("9. Υπεύθυνος Υπαρχηγός Πυροπροστασίας:", 8, 380, nullptr, "Edit21"),
    Ed("Edit21", kItemX, 380, kRight - kItemX, 50),
    Lbl("10. Προσωπικό Πυροπροστασίας:", 8, 404, nullptr, "Edit22"),
    Ed("Edit22", kItemX, 404, 70, 10),
    Lbl("άτομα.", kItemX + 76, 404),
};

// NumMhtrwou and NameIdiokthth are not on this page; they keep their values.
const TBinding kBindings[] = {
    {"Edit1", "NameEpixirisi", TBindKind::Text},
    {"Memo1", "Suntaxh", TBindKind::Text},
    {"Memo2", "FromWho", TBindKind::Text},
    {"Edit2", "EidosEpixeirisis", TBindKind::Text},
    {"Edit3", "Polh", TBindKind::Text},
    {"Edit4", "Odos", TBindKind::Text},
    {"Edit5", "Number", TBindKind::Text},
    {"Edit6", "TK", TBindKind::Text},
    {"Edit7", "Phone1", TBindKind::Text},
    {"Edit8", "Phone2", TBindKind::Text},
    {"Edit9", "Phone3", TBindKind::Text},
    {"Edit10", "NumPaperMap", TBindKind::Text},
    {"Edit11", "OikodomikoTetragwno", TBindKind::Text},
    {"Edit12", "IdiokthsiaEpixeirhsis", TBindKind::Text},
    {"Edit13", "IdiokthsiaAkinhtou", TBindKind::Text},
    {"Edit14", "YpeuthinosEpixeirisis", TBindKind::Text},
    {"Edit16", "Man", TBindKind::Text},
    {"Edit17", "Female", TBindKind::Text},
    {"Edit18", "Time1", TBindKind::Text},
    {"Edit19", "Time2", TBindKind::Text},
    {"Edit20", "FloxMan1", TBindKind::Text},
    {"Edit21", "FloxMan2", TBindKind::Text},
    {"Edit22", "FloxMan3", TBindKind::Text},
};

}  // namespace

const TPageDesc& Page1Desc() {
  static const TPageDesc desc{kControls, kBindings};
  return desc;
}

}  // namespace flox03
