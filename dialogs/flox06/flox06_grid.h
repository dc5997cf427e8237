// The table of extinguishers and equipment of the industry study's two
// extinguisher pages: a heading row, then numbered rows with their column
// texts and edits, separated by thin lines.
#pragma once

#include <string>

#include "dialogs/page_tables.h"

namespace flox06 {

struct TColumn {
  int x, w;
};
inline constexpr TColumn kNoColumn{4, 22}, kKindColumn{28, 196}, kSymbolColumn{228, 44}, kQuantityColumn{276, 56},
    kUseColumn{336, 214}, kTimeColumn{554, 66}, kRemarksColumn{624, 104};

// A row whose kind, symbol, operation and inspection are fixed texts; only
// the quantity and the remarks are edited. '\n' parts a kind of two lines.
struct TFixedRow {
  const char* kind;
  const char* symbol;
  const char* use;
  const char* time;
  int quantityEdit, remarksEdit;
};

// A row whose kind is fixed and whose symbol, quantity, operation,
// inspection and remarks are edits (numbers and input limits, 0: none).
struct TEditedRow {
  const char* kind;
  int edits[5];
  int limits[5];
};

class TGrid {
 public:
  static constexpr int kHeadY = 2, kTop = 34, kRowH = 21, kTallRowH = 28;

  TGrid(dlg::TPageTables& t, const char* kindHeading) : t_(t) {
    using namespace dlg;
    auto head = [&](const char* text, TColumn c, int y, int h) { t_.Add(Head(text, c.x, y, csCentre, nullptr, c.w, h)); };
    head("Α/Α", kNoColumn, kHeadY, 28);
    head(kindHeading, kKindColumn, kHeadY, 28);
    head("Διεθνές", kSymbolColumn, kHeadY, 14);
    head("Σύμβολο", kSymbolColumn, kHeadY + 14, 14);
    head("Ποσότητα", kQuantityColumn, kHeadY, 28);
    head("Τρόπος λειτουργίας", kUseColumn, kHeadY, 28);
    head("Χρόνος", kTimeColumn, kHeadY, 14);
    head("επιθεώρ.", kTimeColumn, kHeadY + 14, 14);
    head("Παρατηρήσεις", kRemarksColumn, kHeadY, 28);
    t_.Add(HLine(kNoColumn.x, kTop - 3, kRemarksColumn.x + kRemarksColumn.w - kNoColumn.x));
  }

  // The top of the next row.
  int Y() const { return y_; }

  void Fixed(int row, const TFixedRow& r, int quantityLimit, int remarksLimit) {
    using namespace dlg;
    const int h = Height(r.kind);
    Number(row, h);
    Text(r.kind, kKindColumn, h, csPlain);
    Text(r.symbol, kSymbolColumn, h, csCentre);
    Edit(r.quantityEdit, kQuantityColumn, h, quantityLimit, "Poso", row);
    Text(r.use, kUseColumn, h, csPlain);
    Text(r.time, kTimeColumn, h, csPlain);
    Edit(r.remarksEdit, kRemarksColumn, h, remarksLimit, "Comments", row);
    y_ += h;
  }

  // kindWidth: the width of the kind's text when something follows it in
  // its cell (0: the whole cell).
  void Edited(int row, const TEditedRow& r, int kindWidth = 0) {
    const int h = Height(r.kind);
    Number(row, h);
    Text(r.kind, {kKindColumn.x, kindWidth > 0 ? kindWidth : kKindColumn.w}, h, dlg::csPlain);
    EditedCells(row, r, h);
    y_ += h;
  }

  // A free row: number and kind are edits too, bound to fields numbered one
  // below the row.
  void Free(int row, int numberEdit, int kindEdit, int kindLimit, const TEditedRow& r) {
    const int h = kRowH;
    Edit(numberEdit, kNoColumn, h, 0, "aa", row - 1);
    Edit(kindEdit, kKindColumn, h, kindLimit, "Eidos", row - 1);
    EditedCells(row, r, h);
    y_ += h;
  }

  // The lines between the columns, down to the last row; call once at the end.
  void Close() {
    for (const TColumn& c : {kKindColumn, kSymbolColumn, kQuantityColumn, kUseColumn, kTimeColumn, kRemarksColumn})
      t_.Add(dlg::VLine(c.x - 2, kHeadY, y_ - kHeadY));
  }

 private:
  static int Height(const char* kind) {
    return std::string(kind).find('\n') != std::string::npos ? kTallRowH : kRowH;
  }
  void Number(int row, int h) { Text(t_.Keep(std::to_string(row)), kNoColumn, h, dlg::csCentre); }
  void Text(const char* text, TColumn c, int h, std::uint8_t style) {
    t_.Add(dlg::Head(text, c.x, y_, style, nullptr, c.w, h));
  }
  void Edit(int number, TColumn c, int h, int limit, const char* stem, int fieldNumber) {
    const char* name = t_.Keep("Edit" + std::to_string(number));
    t_.Add(dlg::Ed(name, c.x, y_ + (h - dlg::kRowH) / 2, c.w, limit));
    t_.Bind(name, t_.Keep(stem + std::to_string(fieldNumber)), dlg::TBindKind::Text);
  }
  void EditedCells(int row, const TEditedRow& r, int h) {
    const char* stems[] = {"Symbol", "Poso", "Use", "Time", "Comments"};
    const TColumn columns[] = {kSymbolColumn, kQuantityColumn, kUseColumn, kTimeColumn, kRemarksColumn};
    for (int i = 0; i < 5; ++i) Edit(r.edits[i], columns[i], h, r.limits[i], stems[i], row);
  }

  dlg::TPageTables& t_;
  int y_ = kTop;
};

}  // namespace flox06
