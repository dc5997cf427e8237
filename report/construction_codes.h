// The construction codes of a building page, as the general and the hotel
// study print them alike: the numbered item with its four one-letter codes
// in brackets, the four lines that say which bracket is which, and the ruled
// legend of codes. Only the item's caption and where the block stands differ
// from page to page.
#pragma once

#include <array>

#include "report/page_elements.h"

namespace rpt {

namespace construction {

inline constexpr int kLabelW = 810;  // the item's caption, left of the codes
inline constexpr int kCodes = 820;   // the first "[" of the codes
constexpr int C(int column) { return CourierColumn(kCodes, column); }
constexpr int CW(int column) { return C(column + 1) - C(column); }

inline constexpr int kExplain = 60;   // "** Επεξηγήσεις ..." below the codes
inline constexpr int kLines = 106;    // the first of the four explanation lines, 42 apart
inline constexpr int kLegend = 300;   // the legend's top
inline constexpr int kLegHead = 44;
inline constexpr int kLegRow = 38;
inline constexpr int kHeight = kLegend + kLegHead + 15 * kLegRow + 6;  // the whole block
inline constexpr int kCol[] = {0, 480, 860, 1240, 1640, 1900};

constexpr TRectDef Cell(int column, int y) {
  return {kCol[column] + 12, y, kCol[column + 1] - kCol[column] - 24, kLine9};
}

}  // namespace construction

// The four one-letter codes in brackets on the item's line at `top`.
constexpr auto CodeBrackets(int top) {
  using namespace construction;
  return std::to_array<TElementDef>({
      Text({C(0), top, kCourierCharBox, kLine10}, "[", kCourier10),
      Field("EidosFerousa", {C(1) + 1, top, CW(1) - 1, kLine10}, kCourier10, TAlign::Center),
      Dots(C(1) + 1, top + kLine10, CW(1) - 1),
      Text({C(2), top, kCourierCharBox, kLine10}, "]", kCourier10),
      Text({C(4), top, kCourierCharBox, kLine10}, "[", kCourier10),
      Field("EidosToixopoiia", {C(5) + 1, top, CW(5) - 1, kLine10}, kCourier10, TAlign::Center),
      Dots(C(5) + 1, top + kLine10, CW(5) - 1),
      Text({C(6), top, kCourierCharBox, kLine10}, "]", kCourier10),
      Text({C(8), top, kCourierCharBox, kLine10}, "[", kCourier10),
      Field("EidosFerousaSteghs", {C(9) + 1, top, CW(9) - 1, kLine10}, kCourier10, TAlign::Center),
      Dots(C(9) + 1, top + kLine10, CW(9) - 1),
      Text({C(10), top, kCourierCharBox, kLine10}, "]", kCourier10),
      Text({C(12), top, kCourierCharBox, kLine10}, "[", kCourier10),
      Field("EidosSteghs", {C(13) + 1, top, CW(13) - 1, kLine10}, kCourier10, TAlign::Center),
      Dots(C(13) + 1, top + kLine10, CW(13) - 1),
      Text({C(14), top, kCourierCharBox, kLine10}, "]", kCourier10),
  });
}

// "** Επεξηγήσεις ..." at `top` and, under it, the four lines that say which
// bracket is which.
constexpr auto CodeExplanation(int top) {
  using namespace construction;
  const int x = top + kLines - kExplain;
  return std::to_array<TElementDef>({
      Text({0, top, 1400, kLine10}, "** Επεξηγήσεις στο ΕΙΔΟΣ ΦΕΡΟΝΤΟΣ ΟΡΓΑΝΙΣΜΟΥ."),
      Text({60, x, kLabelW - 60, kLine10}, "Φέρουσα κατασκευή"),
      Text({C(0), x, C(16) - C(0), kLine10}, "[x] [ ] [ ] [ ]", kCourier10),
      Text({60, x + 42, kLabelW - 60, kLine10}, "Τοιχοποιία"),
      Text({C(0), x + 42, C(16) - C(0), kLine10}, "[ ] [x] [ ] [ ]", kCourier10),
      Text({60, x + 84, kLabelW - 60, kLine10}, "Φέρουσα κατασκευή Στέγης"),
      Text({C(0), x + 84, C(16) - C(0), kLine10}, "[ ] [ ] [x] [ ]", kCourier10),
      Text({60, x + 126, kLabelW - 60, kLine10}, "Επικάλυψη Στέγης"),
      Text({C(0), x + 126, C(16) - C(0), kLine10}, "[ ] [ ] [ ] [x]", kCourier10),
  });
}

// The ruled legend of codes with its top at `legTop`.
constexpr auto CodeLegend(int legTop) {
  using namespace construction;
  const int bottom = legTop + kHeight - kLegend;
  auto row = [legTop](int n) { return legTop + kLegHead + n * kLegRow + 2; };  // legend rows 0 to 14
  return std::to_array<TElementDef>({
      // The legend: the text between the hyphens in the last column is the code.
      Box({0, legTop, 1900, bottom - legTop}),
      HRule(0, legTop + kLegHead, 1900),
      VRule(kCol[1], legTop, bottom - legTop),
      VRule(kCol[2], legTop, bottom - legTop),
      VRule(kCol[3], legTop, bottom - legTop),
      VRule(kCol[4], legTop, bottom - legTop),
      Text(Cell(0, legTop + 5), "ΦΕΡΟΥΣΑ ΚΑΤΑΣΚΕΥΗ", kArial9Italic),
      Text(Cell(1, legTop + 5), "ΤΟΙΧΟΠΟΙΙΑ", kArial9Italic),
      Text(Cell(2, legTop + 5), "ΚΑΤΑΣ. ΣΤΕΓΗΣ", kArial9Italic),
      Text(Cell(3, legTop + 5), "ΕΠΙΚΑΛΥΨΗ ΣΤΕΓΗΣ", kArial9Italic),
      Text(Cell(4, legTop + 5), "Κωδ.", kArial9Italic, TAlign::Center),

      Text(Cell(0, row(0)), "Οπλισμένο Σκυρόδεμα", kArial9),
      Text(Cell(1, row(0)), "Οπλ/νο Σκυρόδ.", kArial9),
      Text(Cell(2, row(0)), "Οπλ/νο Σκυρόδ.", kArial9),
      Text(Cell(4, row(0)), "-Ο-", kArial9, TAlign::Center),
      Text(Cell(0, row(1)), "Αοπλο Σκυρόδεμα", kArial9),
      Text(Cell(1, row(1)), "Αοπλο Σκυρόδ.", kArial9),
      Text(Cell(4, row(1)), "-Α-", kArial9, TAlign::Center),
      Text(Cell(0, row(2)), "Λιθοδομή (Τεχν. Λιθ.)", kArial9),
      Text(Cell(1, row(2)), "Τεχν. Λίθοι", kArial9),
      Text(Cell(4, row(2)), "-Τ-", kArial9, TAlign::Center),
      Text(Cell(0, row(3)), "Λιθοδομή (Φυσ. Λιθ.)", kArial9),
      Text(Cell(1, row(3)), "Φυσ. Λίθοι", kArial9),
      Text(Cell(4, row(3)), "-Φ-", kArial9, TAlign::Center),
      Text(Cell(0, row(4)), "Μεταλλική", kArial9),
      Text(Cell(1, row(4)), "Μεταλλική", kArial9),
      Text(Cell(2, row(4)), "Μεταλλική", kArial9),
      Text(Cell(4, row(4)), "-Μ-", kArial9, TAlign::Center),
      Text(Cell(0, row(5)), "Ξύλινη", kArial9),
      Text(Cell(1, row(5)), "Ξυλόπηκτη", kArial9),
      Text(Cell(2, row(5)), "Ξύλινη", kArial9),
      Text(Cell(4, row(5)), "-Ξ-", kArial9, TAlign::Center),
      Text(Cell(3, row(6)), "Φύλλα", kArial9),
      Text(Cell(4, row(6)), "-L-", kArial9, TAlign::Center),
      Text(Cell(3, row(7)), "Φύλλα Πλαστικού", kArial9),
      Text(Cell(4, row(7)), "-Π-", kArial9, TAlign::Center),
      Text(Cell(3, row(8)), "Λαμαρίνα-Τσίγκος", kArial9),
      Text(Cell(4, row(8)), "-Ζ-", kArial9, TAlign::Center),
      Text(Cell(3, row(9)), "Αμιαντοτσιμέντο", kArial9),
      Text(Cell(4, row(9)), "-Ε-", kArial9, TAlign::Center),
      Text(Cell(3, row(10)), "Κεραμίδια", kArial9),
      Text(Cell(4, row(10)), "-Κ-", kArial9, TAlign::Center),
      Text(Cell(3, row(11)), "Λίθινες Πλάκες", kArial9),
      Text(Cell(4, row(11)), "-Θ-", kArial9, TAlign::Center),
      Text(Cell(3, row(12)), "Τεχνιτές", kArial9),
      Text(Cell(4, row(12)), "-Δ-", kArial9, TAlign::Center),
      Text(Cell(0, row(13)), "Μικτή", kArial9),
      Text(Cell(1, row(13)), "Μικτή", kArial9),
      Text(Cell(2, row(13)), "Μικτή", kArial9),
      Text(Cell(3, row(13)), "Μικτή", kArial9),
      Text(Cell(4, row(13)), "-Ι-", kArial9, TAlign::Center),
      Text(Cell(0, row(14)), "Αλλου Τύπου", kArial9),
      Text(Cell(1, row(14)), "Αλλου Τύπου", kArial9),
      Text(Cell(2, row(14)), "Αλλου Τύπου", kArial9),
      Text(Cell(3, row(14)), "Αλλου", kArial9),
      Text(Cell(4, row(14)), "-Λ-", kArial9, TAlign::Center),
  });
}

// The block with its top at `top`, and under it the line that describes a
// construction of another kind; `caption` is the item's own text
// ("7. Είδος φέροντος οργανισμού" on the general study's page).
constexpr auto ConstructionCodes(int top, const char* caption) {
  using namespace construction;
  const int other = top + kHeight + 30;
  return Join(std::to_array<TElementDef>({Text({0, top, kLabelW, kLine10}, caption)}), CodeBrackets(top),
              CodeExplanation(top + kExplain), CodeLegend(top + kLegend),
              std::to_array<TElementDef>({
                  Text({0, other, 400, kLine10}, "Περιγραφή άλλου τύπου:"),
                  Field("perigrafhAllouTupou", {400, other, 1500, kLine10}),
                  Dots(400, other + kLine10, 1500),
              }));
}

}  // namespace rpt
