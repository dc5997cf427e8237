// Report page 6 of the hotel study: the technical descriptions, the ruled
// table of the building's secondary uses (ten rows, row number, use and
// number of rooms all from the record), two headings whose content follows
// on separate sheets, and the signature block.
#include "report/construction_codes.h"
#include "report/flox07/flox07_report.h"

using namespace rpt;

namespace {

constexpr int kTextLines = 7;  // a 255-character text with a few line breaks
constexpr int yTech = 0;
constexpr int yTechText = yTech + kLine12 + 20;
constexpr int yUses = yTechText + Lines(kTextLines) + 70;

// The table of secondary uses.
constexpr int kTableTop = yUses + kLine12 + 30;
constexpr int kHeadH = 60;
constexpr int kRowH = 80;  // a use of up to 100 characters takes two lines of 9 pt
constexpr int kTableBottom = kTableTop + kHeadH + 10 * kRowH;
constexpr int kCol[] = {0, 150, 1500, 1900};
constexpr int RowTop(int k) { return kTableTop + kHeadH + (k - 1) * kRowH; }
constexpr TRectDef Cell(int column, int top, int height) {
  return {kCol[column] + 15, top + 8, kCol[column + 1] - kCol[column] - 30, height};
}

constexpr int yDuties = kTableBottom + 70;
constexpr int yScores = yDuties + kLine12 + 40;
constexpr int ySign = yScores + kLine12 + 110;
constexpr int kSignX = 1200;
constexpr int kSignW = 700;
constexpr int kApproveX = 0;

constexpr auto kHead = std::to_array<TElementDef>({
    Text({0, yTech, 1900, kLine12}, "Γ. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ", kArial12Italic),
    Field("DTexnikesPerigrafes", {0, yTechText, 1900, Lines(kTextLines)}),
    Dots(0, yTechText + Lines(1), 1900), Dots(0, yTechText + Lines(2), 1900), Dots(0, yTechText + Lines(3), 1900),
    Dots(0, yTechText + Lines(4), 1900), Dots(0, yTechText + Lines(5), 1900), Dots(0, yTechText + Lines(6), 1900),
    Dots(0, yTechText + Lines(7), 1900),

    Text({0, yUses, 1900, kLine12}, "Δ. ΔΕΥΤΕΡΕΥΟΥΣΕΣ ΧΡΗΣΕΙΣ ΕΝΤΟΣ ΤΟΥ ΚΤΙΡΙΟΥ", kArial12Italic),
    Box({0, kTableTop, 1900, kTableBottom - kTableTop}),
    VRule(kCol[1], kTableTop, kTableBottom - kTableTop),
    VRule(kCol[2], kTableTop, kTableBottom - kTableTop),
    Text(Cell(0, kTableTop, kLine10), "Α/Α", kArial10Bold, TAlign::Center),
    Text(Cell(1, kTableTop, kLine10), "Δευτερεύουσα χρήση", kArial10Bold, TAlign::Center),
    Text(Cell(2, kTableTop, kLine10), "Αριθμ. χώρων", kArial10Bold, TAlign::Center),
});

// Row k of the table: the rule above it and its three fields.
constexpr auto UseRow(int k, const char* aa, const char* use, const char* rooms) {
  return std::to_array<TElementDef>({
      HRule(0, RowTop(k), 1900),
      Field(aa, Cell(0, RowTop(k), kLine9), kArial9, TAlign::Center),
      Field(use, Cell(1, RowTop(k), Lines(2, 9)), kArial9),
      Field(rooms, Cell(2, RowTop(k), kLine9), kArial9, TAlign::Center),
  });
}

constexpr auto kTail = std::to_array<TElementDef>({
    Text({0, yDuties, 1900, kLine12}, "Ε. ΥΠΟΧΡΕΩΤΙΚΕΣ ΔΙΑΤΑΞΕΙΣ ΓΙΑ ΥΦΙΣΤΑΜΕΝΑ ΞΕΝΟΔΟΧΕΙΑ", kArial12Italic),
    Text({0, yScores, 1900, kLine12}, "ΣΤ. ΠΙΝΑΚΕΣ ΒΑΘΜΟΛΟΓΗΣΗΣ ΥΦΙΣΤΑΜΕΝΩΝ ΞΕΝΟΔΟΧΕΙΩΝ", kArial12Italic),

    // The author signs on the right; the fire service approves on the left.
    Text({kSignX, ySign, kSignW, kLine10}, "Ο Συντάκτης", kArial10, TAlign::Center),
    Field("Suntajh", {kSignX, ySign + 230, kSignW, kLine10}, kArial10, TAlign::Center),
    Dots(kSignX + 100, ySign + 230 + kLine10, kSignW - 200),
    Text({kApproveX, ySign + 80, kSignW, kLine10}, "Εγκρίνεται", kArial10, TAlign::Center),
    Field("Egkrish", {kApproveX, ySign + 140, kSignW, kLine10}, kArial10, TAlign::Center),
    Dots(kApproveX + 100, ySign + 140 + kLine10, kSignW - 200),
    Text({kApproveX, ySign + 200, kSignW, kLine10}, "Ο Διοικητής της Π.Υ.", kArial10, TAlign::Center),
    Dots(kApproveX + 100, ySign + 430, kSignW - 200),
});

constexpr auto kElements =
    Join(kHead, UseRow(1, "aa1", "SecUse1", "NumRoom1"), UseRow(2, "aa2", "SecUse2", "NumRoom2"),
         UseRow(3, "aa3", "SecUse3", "NumRoom3"), UseRow(4, "aa4", "SecUse4", "NumRoom4"),
         UseRow(5, "aa5", "SecUse5", "NumRoom5"), UseRow(6, "aa6", "SecUse6", "NumRoom6"),
         UseRow(7, "aa7", "SecUse7", "NumRoom7"), UseRow(8, "aa8", "SecUse8", "NumRoom8"),
         UseRow(9, "aa9", "SecUse9", "NumRoom9"), UseRow(10, "aa10", "SecUse10", "NumRoom10"), kTail);


constexpr qr::TPageDef kPage{
    .formName = "TFlox07Page6Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox07::kPage6Preview = kPage;
