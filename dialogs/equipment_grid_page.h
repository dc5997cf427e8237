// The extinguisher and equipment lists of the entry pages (general and hotel
// study pages 4 and 5, industry study pages 5 and 6): a heading row over
// seven columns, then one row per item whose cells are fixed texts or edits.
// A page describes its columns, rows and spacing; one builder turns that
// into the page's control and binding tables.
#pragma once

#include <array>
#include <span>

#include "dialogs/page_tables.h"

namespace dlg {

struct TGridColumnDef {
  int x, w;               // pixels on the page's panel
  const char* head1;      // heading; a two-line heading gives both lines
  const char* head2;
  const char* stem;       // an edited cell of row n is bound to field stem + n
  std::uint8_t style = csPlain;  // fixed texts of the column: csCentre or plain
};
using TGridColumns = std::array<TGridColumnDef, 7>;

// An edit inside a fixed text's cell, bound to a field of its own:
// "Οχημα σκόνης χωρητ." [Edit21] "χλγ".
struct TGridInlineDef {
  int textW;          // width of the text before the edit
  int editW;
  const char* after;  // the text after the edit, or nullptr
  const char* field;  // the edit's field
};

// A cell: a fixed text ('\n' parts one of two lines, which makes the row
// tall), the edit "Edit<edit>" with its input limit (0: none), or a fixed
// text with an edit inside it. An edit is bound to the column's stem and the
// row's number, or the number given here.
struct TGridCellDef {
  const char* text = nullptr;
  int edit = 0;
  int limit = 0;
  int number = 0;  // 0: the row's number
  const TGridInlineDef* inlineEdit = nullptr;
};
constexpr TGridCellDef F(const char* text) { return {text, 0, 0}; }
constexpr TGridCellDef E(int edit, int limit, int number = 0) { return {nullptr, edit, limit, number}; }
constexpr TGridCellDef FI(const char* text, int edit, int limit, const TGridInlineDef* inlineEdit) {
  return {text, edit, limit, 0, inlineEdit};
}

struct TGridRowDef {
  int number;  // the item's number, which names the fields of its edits
  std::array<TGridCellDef, 7> cells;
};

struct TGridLayoutDef {
  int headY;      // top of the heading row
  int headH;      // height of the heading row
  int gridTop;    // top of the first item row
  int rowH;       // height of an item row
  int tallRowH;   // height of a row with a two-line text
  int editDy;     // edits sit this much lower than the middle of a row of rowH would put them
  const char* footnote = nullptr;  // a line under the grid, or none
};

// The tables of one grid page, built once and kept for the life of the program.
class TGridPage {
 public:
  TGridPage(const TGridColumns& columns, std::span<const TGridRowDef> rows, const TGridLayoutDef& layout);
  TGridPage(const TGridPage&) = delete;
  TGridPage& operator=(const TGridPage&) = delete;
  const TPageDesc& Desc() const { return desc_; }

 private:
  TPageTables tables_;
  TPageDesc desc_;
};

}  // namespace dlg
