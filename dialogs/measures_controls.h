// Controls of the measures tab that the general and the hotel study show
// alike: the tooltips that several labels share, and the rows of the
// preventive-measures box (detection, explosive mixtures, cooling, manual
// alarm, anything else). Where the box stands, how wide it is and the input
// limit of its area edit are the page's own.
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

struct TPreventiveRowsDef {
  int top;        // the first row; the others follow 21 pixels apart
  int right;      // right edge of the box
  int check2X;    // the check boxes of the second column
  int areaLimit;  // input limit of the covered area
};

// The four rows of the preventive-measures box.
constexpr std::array<TControlDef, 14> PreventiveRows(const TPreventiveRowsDef& d) {
  constexpr int kCheckX = 192, kMidX = 214, kCheckW = 18;
  const int yDet = d.top, yExpl = yDet + 21, yCool = yExpl + 21, yOther = yCool + 21;
  return {{
      Lbl("Αυτόματο Σύστημα Πυρανίχνευσης", 12, yDet,
          "Συμπληρώνεται αν υπάρχει αυτόματο σύστημα πυρανίχνευσης καθώς και η περιοχή που καλύπτει.", "CheckBox5"),
      Chk("CheckBox5", "", kCheckX, yDet, kCheckW),
      Lbl("Περιοχή που καλύπτει", kMidX, yDet, nullptr, "Edit4"),
      Ed("Edit4", 330, yDet, d.right - 8 - 330, d.areaLimit),
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

}  // namespace dlg
