// Tab "Επιχείρηση": the heading data of the study and the business's
// particulars, with its seat and its installations as two address blocks.
#include "dialogs/flox06/flox06_pages.h"

namespace flox06 {
namespace {

using namespace dlg;

constexpr int kRight = 728;   // right edge of the widest controls
constexpr int kMemoX = 196;   // memos and long edits of the top rows
constexpr int kItemX = 238;   // edits of the items 5 to 13
constexpr int kAddrX = 132;   // the two address blocks, indented
constexpr int kStep = 22;     // one row

// Rows, top to bottom.
constexpr int kYTitle = 4, kYStudy = kYTitle + 24, kYSuntaxh = kYStudy + 26, kYFrom = kYSuntaxh + 38,
              kYSection = kYFrom + 26, kYKind = kYSection + 22, kYCategory = kYKind + kStep,
              kYSeat = kYCategory + kStep, kYPlant = kYSeat + 2 * kStep + 4, kYOwner = kYPlant + 3 * kStep + 4,
              kYStaff = kYOwner + 4 * kStep, kYLeader = kYStaff + kStep, kYTeam = kYLeader + 2 * kStep;

constexpr const char* kHintPlant = "Αναγράφεται η πλήρης διεύθυνση των εγκαταστάσεων της επιχείρησης.";

const TControlDef kControls[] = {
    Lbl("ΕΠΩΝΥΜΙΑ - ΤΙΤΛΟΣ ΕΠΙΧΕΙΡΗΣΗΣ", 8, kYTitle, "Αναγράφεται ο τίτλος ή η επωνυμία της επιχείρησης", "Edit1"),
    Ed("Edit1", kMemoX, kYTitle, kRight - kMemoX, 100),
    Head("ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", 8, kYStudy, csBold | csCentre, nullptr, kRight - 8, 22).Font("MS Sans Serif", 12),
    Lbl("Που συντάχθηκε σύμφωνα με ", 8, kYSuntaxh,
        "Αναγράφεται η νομιθεσία σύμφωνα με την οποία συντάχθηκε η μελέτη", "Memo1"),
    Mem("Memo1", kMemoX, kYSuntaxh, kRight - kMemoX, 34, 200),
    Lbl("από τον ", 8, kYFrom, "Αναγράφονται τα πλήρη στοιχεία του συντάξαντα τη μελέτη", "Memo2"),
    Mem("Memo2", kMemoX, kYFrom, kRight - kMemoX, 24, 200),
    Head("Α. ΣΤΟΙΧΕΙΑ ΕΠΙΧΕΙΡΗΣΗΣ", 8, kYSection, csPlain, nullptr, 0, 20).Font("MS Sans Serif", 10),
    Lbl("1. Είδος επιχείρησης:", 8, kYKind, "Αναγράφεται η δραστηριότητα της επιχείρησης", "Edit2"),
    Ed("Edit2", kMemoX, kYKind, kRight - kMemoX, 75),
    Lbl("2. Κατηγορία επιχείρησης:", 8, kYCategory,
        " Αναγράφεται η κατηγορία της επιχείρησης όπως έχει γίνει η κατάταξή της από την  Διεύθυνση Βιομηχανίας.",
        "Edit3"),
    Ed("Edit3", kMemoX, kYCategory, 220, 50),
    Lbl("Δευτερεύουσα κατηγορία:", 428, kYCategory,
        "Αναγράφονται τυχόν δευτερεύουσες κατηγορίες που υπάρχουν στην επιχείρηση.", "Edit4"),
    Ed("Edit4", 560, kYCategory, kRight - 560, 50),
    // 3. The seat: town, street, number, postcode; then the telephones.
    Lbl("3. Εδρα επιχείρησης:", 8, kYSeat, "Αναγράφεται η πλήρης διεύθυνση της έδρας της επιχείρησης."),
    Lbl("Πόλη", kAddrX, kYSeat, nullptr, "Edit5"),
    Ed("Edit5", 162, kYSeat, 170, 22),
    Lbl("Οδός", 342, kYSeat, nullptr, "Edit6"),
    Ed("Edit6", 372, kYSeat, 170, 20),
    Lbl("Αρ.", 552, kYSeat, nullptr, "Edit7"),
    Ed("Edit7", 574, kYSeat, 56, 7),
    Lbl("Τ.Κ.", 640, kYSeat, nullptr, "Edit8"),
    Ed("Edit8", 668, kYSeat, 60, 5),
    Lbl("Τηλ1.", kAddrX, kYSeat + kStep, nullptr, "Edit9"),
    Ed("Edit9", 162, kYSeat + kStep, 100, 12),
    Lbl("Τηλ2.", 276, kYSeat + kStep, nullptr, "Edit10"),
    Ed("Edit10", 308, kYSeat + kStep, 100, 12),
    Lbl("Τηλ.ανάγκης", 422, kYSeat + kStep, nullptr, "Edit11"),
    Ed("Edit11", 490, kYSeat + kStep, 100, 12),
    // 4. The installations: the same rows, then the map sheet and block.
    Lbl("4. Εγκαταστάσεις", 8, kYPlant, kHintPlant, nullptr, csPlain, 0, 16),
    Lbl("επιχείρησης:", 8, kYPlant + 16, kHintPlant, nullptr, csPlain, 0, 16),
    Lbl("Πόλη", kAddrX, kYPlant, nullptr, "Edit12"),
    Ed("Edit12", 162, kYPlant, 170, 18),
    Lbl("Οδός", 342, kYPlant, nullptr, "Edit13"),
    Ed("Edit13", 372, kYPlant, 170, 22),
    Lbl("Αρ.", 552, kYPlant, nullptr, "Edit14"),
    Ed("Edit14", 574, kYPlant, 56, 5),
    Lbl("Τ.Κ.", 640, kYPlant, nullptr, "Edit15"),
    Ed("Edit15", 668, kYPlant, 60, 5),
    Lbl("Τηλ1.", kAddrX, kYPlant + kStep, nullptr, "Edit16"),
    Ed("Edit16", 162, kYPlant + kStep, 100, 12),
    Lbl("Τηλ2.", 276, kYPlant + kStep, nullptr, "Edit17"),
    Ed("Edit17", 308, kYPlant + kStep, 100, 12),
    Lbl("Τηλ.ανάγκης", 422, kYPlant + kStep, nullptr, "Edit18"),
    Ed("Edit18", 490, kYPlant + kStep, 100, 12),
    Lbl("Αριθμ. φύλλου χάρτη", kAddrX, kYPlant + 2 * kStep, nullptr, "Edit19"),
    Ed("Edit19", 244, kYPlant + 2 * kStep, 90, 10),
    Lbl("Οικοδ. τετραγ.", 348, kYPlant + 2 * kStep, nullptr, "Edit20"),
    Ed("Edit20", 430, kYPlant + 2 * kStep, 90, 10),
    // 5. to 13.
    Lbl("5. Ιδιοκτησία επιχείρησης:", 8, kYOwner, "Αναγράφεται ο ιδιοκτήτης της επιχείρησης.", "Edit21"),
    Ed("Edit21", kItemX, kYOwner, 330, 50),
    Lbl("6. Ιδιοκτησία ακινήτου:", 8, kYOwner + kStep, "Αναγράφεται ο ιδιοκτήτης του ακινήτου.", "Edit22"),
    Ed("Edit22", kItemX, kYOwner + kStep, 330, 50),
    Lbl("7. Υπεύθυνος Δ/ντής επιχείρησης:", 8, kYOwner + 2 * kStep,
        "Αναγράφεται ο υπεύθυνος διευθυντής της επιχείρησης.", "Edit23"),
    Ed("Edit23", kItemX, kYOwner + 2 * kStep, 330, 50),
    Lbl("8. Υπεύθυνος Δ/ντής εργοστασίου:", 8, kYOwner + 3 * kStep,
        "Αναγράφεται ο υπεύθυνος διευθυντής της εργοστασίου.", "Edit24"),
    Ed("Edit24", kItemX, kYOwner + 3 * kStep, 330, 50),
    Lbl("9. Απασχολούμενο προσωπικό :", 8, kYStaff,
        "Αναγράφεται το απασχολούμενο προσωπικό σε άνδρες και γυναίκες."),
    Lbl("Ανδρες: ", 170, kYStaff, nullptr, "Edit25"),
    Ed("Edit25", 216, kYStaff, 60, 10),
    Lbl("Γυναίκες:", 286, kYStaff, nullptr, "Edit26"),
    Ed("Edit26", 340, kYStaff, 60, 10),
    Lbl("10. Ωράριο εργασίας: Από ", 428, kYStaff, "Αναγράφεται το ωράριο εργασίας.", "Edit27"),
    Ed("Edit27", 566, kYStaff, 60, 10),
    Lbl("έως", 636, kYStaff, nullptr, "Edit28"),
    Ed("Edit28", 662, kYStaff, 60, 10),
    Lbl("11. Υπεύθυνος Αρχηγός Πυροπροστασίας:", 8, kYLeader,
        "Αναγράφεται ο υπεύθυνος αρχηγός πυροπροστασίας.", "Edit29"),
    Ed("Edit29", kItemX, kYLeader, 330, 50),
    Lbl("12. Υπεύθυνος Υπαρχηγός Πυροπροστασίας:", 8, kYLeader + kStep,
        "Αναγράφεται ο υπεύθυνος υπαρχηγός πυροπροστασίας.", "Edit30"),
    Ed("Edit30", kItemX, kYLeader + kStep, 330, 50),
    Lbl("13. Προσωπικό Πυροπροστασίας: ", 8, kYTeam,
        "Αναγράφεται το προσωπικό πυροπροστασίας (αριθμός ατόμων)", "Edit31"),
    Ed("Edit31", kItemX, kYTeam, 60, 10),
    Lbl("άτομα", kItemX + 66, kYTeam),
};

// The seat binds the fields with the suffix 1, the installations those
// without it.
const TBinding kBindings[] = {
    {"Edit1", "TitlosEpixeirhshs", TBindKind::Text},
    {"Memo1", "Suntaxh", TBindKind::Text},
    {"Memo2", "FromWho", TBindKind::Text},
    {"Edit2", "EidosEpixeirisis", TBindKind::Text},
    {"Edit3", "Katigoria1", TBindKind::Text},
    {"Edit4", "Katigoria2", TBindKind::Text},
    {"Edit5", "Polh1", TBindKind::Text},
    {"Edit6", "Odos1", TBindKind::Text},
    {"Edit7", "Number1", TBindKind::Text},
    {"Edit8", "TK1", TBindKind::Text},
    {"Edit9", "PhoneNum1", TBindKind::Text},
    {"Edit10", "PhoneNum2", TBindKind::Text},
    {"Edit11", "PhoneNum3", TBindKind::Text},
    {"Edit12", "Polh", TBindKind::Text},
    {"Edit13", "Odos", TBindKind::Text},
    {"Edit14", "Number", TBindKind::Text},
    {"Edit15", "TK", TBindKind::Text},
    {"Edit16", "Phone1", TBindKind::Text},
    {"Edit17", "Phone2", TBindKind::Text},
    {"Edit18", "Phone3", TBindKind::Text},
    {"Edit19", "NumPaperMap", TBindKind::Text},
    {"Edit20", "OikodomikoTetragwno", TBindKind::Text},
    {"Edit21", "IdiokthsiaEpixeirhsis", TBindKind::Text},
    {"Edit22", "IdiokthsiaAkinhtou", TBindKind::Text},
    {"Edit23", "YpeuthinosEpixeirisis", TBindKind::Text},
    {"Edit24", "YpeuthinosErgostasiou", TBindKind::Text},
    {"Edit25", "Man", TBindKind::Text},
    {"Edit26", "Female", TBindKind::Text},
    {"Edit27", "OrarioFrom", TBindKind::Text},
    {"Edit28", "OrarioTo", TBindKind::Text},
    {"Edit29", "YpeuthinosArxhgos", TBindKind::Text},
    {"Edit30", "YpeuthinosYparxhgos", TBindKind::Text},
    {"Edit31", "Proswpiko", TBindKind::Text},
};

}  // namespace

const TPageDesc& Page1Desc() {
  // Arial 8 for the page, but for its title and section heading.
  static const TPageDesc desc{.controls = kControls,
                              .bindings = kBindings,
                              .font = {"Arial", 8}};
  return desc;
}

}  // namespace flox06
