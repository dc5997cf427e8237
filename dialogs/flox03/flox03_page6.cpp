// Tab "Ομάδες Πυρόσβεσης": four headed free-text sections.
#include "dialogs/flox03/flox03_pages.h"

namespace flox03 {
namespace {

using namespace dlg;

constexpr int kWidth = 643 - 8;
constexpr int kSection = 110;  // heading and memo
constexpr int kMemoH = 86;     // about four lines
constexpr int kLimit = 300;

const TControlDef kControls[] = {
    Head("Δ. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ", 8, 4, csBold,
         "Αναγράφονται τεχνικές περιγραφές τυχόν υπαρχόντων μονίμων συστημάτων.", 0, 16),
    Mem("Memo1", 8, 4 + 18, kWidth, kMemoH, kLimit),
    Head("Ε.ΟΡΓΑΝΩΣΗ ΚΑΙ ΕΚΠΑΙΔΕΥΣΗ ΠΡΟΣΩΠΙΚΟΥ-ΟΜΑΔΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", 8, 4 + kSection, csBold,
         "Γίνεται συγκρότηση ομάδας πυροπροστασίας και αναγράφεται το αντίστοιχο παράρτημα των πυροσβεστικών "
         "διατάξεων.",
         0, 16),
    Mem("Memo2", 8, 4 + kSection + 18, kWidth, kMemoH, kLimit),
    Head("ΣΤ. ΠΥΡΟΦΡΑΓΜΟΙ", 8, 4 + 2 * kSection, csBold,
         "Συμπληρώνεται όταν υπάρχει απαίτηση για πυροφραγμούς και γίνεται περιγραφή τους.", 0, 16),
    Mem("Memo3", 8, 4 + 2 * kSection + 18, kWidth, kMemoH, kLimit),
    Head("Ζ. ΑΠΟΚΛΙΣΕΙΣ", 8, 4 + 3 * kSection, csBold, "Αναγράφονται αναλυτικά τυχόν ζητούμενες αποκλίσεις.", 0, 16),
    Mem("Memo4", 8, 4 + 3 * kSection + 18, kWidth, kMemoH, kLimit),
};

const TBinding kBindings[] = {
    {"Memo1", "DTexnikes", TBindKind::Text},
    {"Memo2", "EOrganwsh", TBindKind::Text},
    {"Memo3", "STFloxfragmoi", TBindKind::Text},
    {"Memo4", "ZApokliseis", TBindKind::Text},
};

}  // namespace

const TPageDesc& Page6Desc() {
  static const TPageDesc desc{kControls, kBindings};
  return desc;
}

}  // namespace flox03
