// Tab "Πυροσβεστήρες" (second): equipment, rows 20 to 28; the last three
// rows are free, with the row's number and the item's kind typed in.
#include <string>

#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/page_tables.h"

namespace flox03 {
namespace {

using namespace dlg;

struct TColumn {
  int x, w;
};
constexpr TColumn kNo{4, 26}, kKind{32, 166}, kSymbol{200, 48}, kQuantity{250, 56}, kMode{308, 150},
    kInterval{460, 70}, kRemarks{532, 113};
constexpr int kHeadY = 2, kGridTop = 34, kRowH = 23, kTallRowH = 28;

// kind == nullptr: a free row, whose number and kind are the edits firstEdit
// and firstEdit + 1; symbol, quantity, mode, interval and remarks follow.
struct TRow {
  int number;
  const char* kind;  // '\n' parts a kind that takes two lines
  int firstEdit;
};
const TRow kRows[] = {
    {20, "Τσεκούρια", 1},
    {21, "Σκεπάρνια", 6},
    {22, "Λοστοί διάρρηξης", 11},
    {23, "Προστατευτικά κράνη", 16},
    {24, "Κουβέρτες διάσωσης\nδύσφλεκτες", 21},
    {25, "Ηλεκτρικοί φανοί χειρός", 28},
    {26, nullptr, 33},
    {27, nullptr, 40},
    {28, nullptr, 47},
};
constexpr int kNumberLimit = 2, kKindLimit = 50;
// Symbol, quantity, mode, interval, remarks (0: no limit).
constexpr int kLimits[] = {4, 6, 60, 12, 0};
constexpr const char* kStems[] = {"Symbol", "Poso", "Use", "Time", "Comments"};

const TPageDesc& Build() {
  static TPageTables t;
  auto edit = [&](int number) { return t.Keep("Edit" + std::to_string(number)); };
  auto field = [&](const char* stem, int row) { return t.Keep(stem + std::to_string(row)); };
  auto fixed = [&](const char* text, TColumn c, int y, int h, std::uint8_t style = csPlain) {
    t.Add(Head(text, c.x, y, style, nullptr, c.w, h));
  };

  fixed("Α/Α", kNo, kHeadY, 28, csCentre);
  fixed("Είδος πυροσβεστήρα", kKind, kHeadY, 28, csCentre);
  fixed("Διεθνές", kSymbol, kHeadY, 14, csCentre);
  fixed("Σύμβολο", kSymbol, kHeadY + 14, 14, csCentre);
  fixed("Ποσότητα", kQuantity, kHeadY, 28, csCentre);
  fixed("Τρόπος λειτουργίας", kMode, kHeadY, 28, csCentre);
  fixed("Χρόνος", kInterval, kHeadY, 14, csCentre);
  fixed("επιθεώρ.", kInterval, kHeadY + 14, 14, csCentre);
  fixed("Παρατηρήσεις", kRemarks, kHeadY, 28, csCentre);
  constexpr int kGridBottom = kGridTop + 8 * kRowH + kTallRowH;
  t.Add(HLine(kNo.x, kGridTop - 3, kRemarks.x + kRemarks.w - kNo.x));
  for (const TColumn& c : {kKind, kSymbol, kQuantity, kMode, kInterval, kRemarks})
    t.Add(VLine(c.x - 2, kHeadY, kGridBottom - kHeadY));

  int y = kGridTop;
  for (const TRow& r : kRows) {
    const bool tall = r.kind != nullptr && std::string(r.kind).find('\n') != std::string::npos;
    const int h = tall ? kTallRowH : kRowH;
    const int editY = y + (h - kRowH) / 2 + 2;
    int e = r.firstEdit;
    if (r.kind != nullptr) {
      fixed(t.Keep(std::to_string(r.number)), kNo, y, h, csCentre);
      fixed(r.kind, kKind, y, h);
    } else {
      t.Add(Ed(edit(e), kNo.x, editY, kNo.w, kNumberLimit));
      t.Add(Ed(edit(e + 1), kKind.x, editY, kKind.w, kKindLimit));
      e += 2;
    }
    int column = 0;
    for (const TColumn& c : {kSymbol, kQuantity, kMode, kInterval, kRemarks}) {
      t.Add(Ed(edit(e + column), c.x, editY, c.w, kLimits[column]));
      ++column;
    }
    y += h;
  }
  t.Add(Head("Συμπληρώνεται και από τυχόν επιπλέον υλικά που δεν αναφέρονται στον πίνακα.", kNo.x, kGridBottom + 8,
             csPlain));

  // Bindings: the kinds and numbers of the free rows, then column by column.
  // Row 25 shows a fixed kind and number, so Eidos25 and aa25 are not bound.
  struct TFreeCell {
    const char* stem;
    int offset;  // from the row's first edit
  };
  for (const TFreeCell cell : {TFreeCell{"Eidos", 1}, TFreeCell{"aa", 0}}) {
    for (const TRow& r : kRows) {
      if (r.kind == nullptr) t.Bind(edit(r.firstEdit + cell.offset), field(cell.stem, r.number), TBindKind::Text);
    }
  }
  for (int column = 0; column < 5; ++column) {
    for (const TRow& r : kRows) {
      const int first = r.kind != nullptr ? r.firstEdit : r.firstEdit + 2;
      t.Bind(edit(first + column), field(kStems[column], r.number), TBindKind::Text);
    }
  }
  static const TPageDesc desc = t.Desc();
  return desc;
}

}  // namespace

const TPageDesc& Page5Desc() {
  static const TPageDesc& desc = Build();
  return desc;
}

}  // namespace flox03

TFlox03Page5Frame::TFlox03Page5Frame(QWidget* owner) : TEntryPage(owner, flox03::Page5Desc()) {}
