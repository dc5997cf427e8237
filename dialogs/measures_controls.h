// Controls of the measures tab that the general and the hotel study show
// alike: the tooltips that several labels share, the rows above the measures
// (access, hydrants, switchboard, gas), the rows of the preventive-measures
// box (detection, explosive mixtures, cooling, manual alarm, anything else)
// and those of the suppression box (sprinklers, fire mains, local systems).
// Where the boxes stand, how wide they are, their headings and the input
// limits of some edits are the page's own.
#pragma once

#include <array>
#include <cstddef>

#include "dialogs/page_layout.h"

namespace dlg {

inline constexpr const char* kHintSprinkler =
    "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα καταιονισμού, ο τύπος του καθώς και η περιοχή που καλύπτει.";
inline constexpr const char* kHintMains =
    "Συμπληρώνεται αν υπάρχει μόνιμο υδροδοτικό πυροσβεστικό δίκτυο, ο τύπος του, η παροχή του καθώς ακι ο "
    "αριθμός των πυρ/κών φωλιών.";
inline constexpr const char* kHintSimple =
    "Συμπληρώνεται αν υπάρχει απλό υδροδοτικό πυρ/κό δίκτυο καθώς και ο αριθμός των πυρ/κών ερμαρίων.";

// The rows above the measures: the access road, two hydrants, the
// switchboard and the use of gas. The studies number the first three items
// differently and give some edits other widths and limits.
struct TSiteRowsDef {
  int right;           // right edge of the page's controls
  const char* access;  // caption of the access item, with its number
  const char* hydrants;
  const char* panel;
  int streetW, streetLimit;      // the hydrants' street edits
  int numberX;                   // "Αριθ. :" of the hydrants; its edit follows 38 pixels on
  int quantityW, quantityLimit;  // the quantity of gas
};

constexpr std::array<TControlDef, 20> SiteRows(const TSiteRowsDef& d) {
  constexpr int yAccess = 3, yAccessEdit = 23, yHydr1 = 46, yHydr2 = 67, yPanel = 90, yGas = 113, kCheckW = 18;
  return {{
      Lbl(d.access, 8, yAccess,
          "Αναγράφονται οι οδοί με τις οποίες μπορεί να γίνει η προσπέλαση των πυ/κών οχημάτων στο κτίριο.", "Edit1"),
      Ed("Edit1", 8, yAccessEdit, d.right - 8, 200),
      Lbl(d.hydrants, 8, yHydr1, "Αναγράφονται τα υδροστόμια που βρίσκονται κοντά στο κτίριο."),
      Lbl("1) Οδός:", 100, yHydr1, nullptr, "Edit6"),
      Ed("Edit6", 146, yHydr1, d.streetW, d.streetLimit),
      Lbl("Αριθ. :", d.numberX, yHydr1, nullptr, "Edit7"),
      Ed("Edit7", d.numberX + 38, yHydr1, 50, 6),
      Lbl("2) Οδός", 100, yHydr2, nullptr, "Edit8"),
      Ed("Edit8", 146, yHydr2, d.streetW, d.streetLimit),
      Lbl("Αριθ. :", d.numberX, yHydr2, nullptr, "Edit9"),
      Ed("Edit9", d.numberX + 38, yHydr2, 50, 6),
      Lbl(d.panel, 8, yPanel, "Περιγράφεται σε ποιό σημείο βρίσκονται οι ηλεκτρικοί πίνακες.", "Edit2"),
      Ed("Edit2", 122, yPanel, d.right - 122, 200),
      Lbl("15. Χρήση Υγραερίου ", 8, yGas, "Αναγράφεται αν γίνεται χρήση υγραερίου και η ποσότητα.", "CheckBox1"),
      Chk("CheckBox1", "", 122, yGas, kCheckW),
      Lbl("Ποσότητα :", 152, yGas, nullptr, "Edit3"),
      Ed("Edit3", 212, yGas, d.quantityW, d.quantityLimit),
      Lbl("lt", 212 + d.quantityW + 3, yGas),
      Lbl("16. Χρήση Φωταερίου", 300, yGas, "Αναγράφεται αν γίνεται χρήση φωταερίου.", "CheckBox3"),
      Chk("CheckBox3", "", 414, yGas, kCheckW),
  }};
}

struct TPreventiveRowsDef {
  int top;        // the first row; the others follow 21 pixels apart
  int right;      // right edge of the box
  int check2X;    // the check boxes of the second column
  int areaLimit;  // input limit of the covered area
};

// The four rows of the preventive-measures box.
constexpr std::array<TControlDef, 14> PreventiveRows(const TPreventiveRowsDef& d) {
  constexpr int kCheckX = 192, kMidX = 214, kCheckW = 18;
  // The area edit starts clear of the end of "Περιοχή που καλύπτει".
  constexpr int kAreaX = 338;
  const int yDet = d.top, yExpl = yDet + 21, yCool = yExpl + 21, yOther = yCool + 21;
  return {{
      Lbl("Αυτόματο Σύστημα Πυρανίχνευσης", 12, yDet,
          "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα πυρανίχνευσης καθώς και η περιοχή που καλύπτει.", "CheckBox5"),
      Chk("CheckBox5", "", kCheckX, yDet, kCheckW),
      Lbl("Περιοχή που καλύπτει", kMidX, yDet, nullptr, "Edit4"),
      Ed("Edit4", kAreaX, yDet, d.right - 8 - kAreaX, d.areaLimit),
      Lbl("Αυτόματο Σύστημα Ανίχνευσης Εκρηκτικών Μιγμάτων ", 12, yExpl,
          "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα ανίχνευσης εκρηκτικών μειγμάτων", "CheckBox7"),
      Chk("CheckBox7", "", 286, yExpl, kCheckW),
      Lbl("Απλός Ανιχνευτής Εκρηκτικών Μιγμάτων", 330, yExpl, nullptr, "CheckBox9"),
      Chk("CheckBox9", "", d.check2X, yExpl, kCheckW),
      Lbl("Αυτόματη - Χειροκίνητη Ψύξη", 12, yCool,
          "Συμπληρώνεται αν υπάρχει ψύξη δεξαμενών [υγραερίου, καυσίμων, κ.λ.π.]", "CheckBox11"),
      Chk("CheckBox11", "", 286, yCool, kCheckW),
      Lbl("Σύστημα Χειροκίνητης Αναγγελίας Πυρκαγιάς", 330, yCool, nullptr, "CheckBox27"),
      Chk("CheckBox27", "", d.check2X, yCool, kCheckW),
      Lbl("Αλλο", 12, yOther,
          "Αναγράφεται κάθε επιπλέον μέτρο που δεν αναφέρεται στο υπόδειγμα της μελέτης.", "Edit5"),
      Ed("Edit5", 46, yOther, d.right - 8 - 46, 100),
  }};
}

struct TSuppressionRowsDef {
  int top;           // the first row; the others follow 21 pixels apart
  int right;         // right edge of the box
  int dryX;          // the dry sprinkler type's check box
  int areaLimit;     // input limit of the covered area
  int countX;        // the captions of the two counts
  int countEditX;    // and their edits
  int countLimit;    // input limit of the counts
  const char* cabinets;  // caption of the simple network's count
};

// The six rows of the suppression box.
constexpr std::array<TControlDef, 23> SuppressionRows(const TSuppressionRowsDef& d) {
  constexpr int kCheckX = 192, kMidX = 214, kCheckW = 18;
  const int ySprk = d.top, yCity = ySprk + 21, yMains = yCity + 21, ySupply = yMains + 21, ySimple = ySupply + 21,
            yLocal = ySimple + 21;
  return {{
      Lbl("Αυτόματο Σύστημα Καταιονισμού", 12, ySprk, kHintSprinkler, "CheckBox14"),
      Chk("CheckBox14", "", kCheckX, ySprk, kCheckW),
      Chk("CheckBox15", "Τύπος Καταιονισμού ΥΓΡΟΥ ΤΥΠΟΥ", kMidX + 6, ySprk, 0),
      Chk("CheckBox16", "Τύπος Καταιονισμού ΞΗΡΟΥ ΤΥΠΟΥ", d.dryX, ySprk, 0),
      Lbl("Αυτόματο σύστημα καταιονισμού με παροχή από το δίκτυο πόλης", 12, yCity, kHintSprinkler, "CheckBox17"),
      Chk("CheckBox17", "", 338, yCity, kCheckW),
      Lbl("Περιοχή που καλύπτει :", 364, yCity, nullptr, "Edit10"),
      Ed("Edit10", 484, yCity, d.right - 8 - 484, d.areaLimit),
      Lbl("Μόνιμο Υδροδοτικό Πυρ/κό Δίκτυο", 12, yMains, kHintMains, "CheckBox19"),
      Chk("CheckBox19", "", kCheckX, yMains, kCheckW),
      Lbl("Κατηγορία I/II/III", kMidX, yMains, kHintMains, "Edit11"),
      Ed("Edit11", 300, yMains, 36, 3),
      Lbl("Παροχή Υδατος", 12, ySupply, kHintMains),
      Chk("CheckBox21", "ΔΙΚΤΥΟ ΠΟΛΗΣ", 96, ySupply, 0),
      Chk("CheckBox22", "ΑΝΤΛΗΤΙΚΟ ΣΥΓΚΡΟΤΗΜΑ", kMidX, ySupply, 0),
      Lbl("Αριθμός πυρ/κών φωλεών", d.countX, ySupply, kHintMains, "Edit12"),
      Ed("Edit12", d.countEditX, ySupply, 50, d.countLimit),
      Lbl("Απλό Υδροδοτικό Πυρ/κό Δίκτυο ", 12, ySimple, kHintSimple, "CheckBox23"),
      Chk("CheckBox23", "", kCheckX, ySimple, kCheckW),
      Lbl(d.cabinets, d.countX, ySimple, kHintSimple, "Edit13"),
      Ed("Edit13", d.countEditX, ySimple, 50, d.countLimit),
      Lbl("Αυτόματο-Χειροκίνητο Σύστημα κατάσβεσης Τοπικής Εφαρμογής (Ναι/Οχι)", 12, yLocal,
          "Συμπληρώνεται αν υπάρχει σύστημα κατάσβεσης τοπικής εφαρμογής.", "CheckBox25"),
      Chk("CheckBox25", "", 382, yLocal, kCheckW),
  }};
}

}  // namespace dlg
