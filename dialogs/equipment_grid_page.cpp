#include "dialogs/equipment_grid_page.h"

#include <cstring>
#include <string>

namespace dlg {
namespace {

// Room between a left-aligned text and the column lines on either side.
constexpr int kCellPad = 1;

bool Tall(const TGridRowDef& row) {
  for (const TGridCellDef& cell : row.cells) {
    if (cell.text != nullptr && std::strchr(cell.text, '\n') != nullptr) return true;
  }
  return false;
}

}  // namespace

TGridPage::TGridPage(const TGridColumns& columns, std::span<const TGridRowDef> rows, const TGridLayoutDef& layout) {
  TPageTables& t = tables_;
  // The last column (the remarks) takes the room a wider page gives it.
  const TGridColumnDef* last = &columns.back();
  auto stretch = [&](TControlDef d, const TGridColumnDef& c) {
    if (&c == last) d.style = static_cast<std::uint8_t>(d.style | csStretch);
    return d;
  };
  auto fixed = [&](const char* text, const TGridColumnDef& c, int y, int h, std::uint8_t style) {
    if (&c == last) style = static_cast<std::uint8_t>(style | csStretch);
    if ((style & csCentre) != 0) {
      t.Add(Head(text, c.x, y, style, nullptr, c.w, h));
    } else {
      t.Add(Head(text, c.x + kCellPad, y, style, nullptr, c.w - 2 * kCellPad, h));
    }
  };

  // Column headings and the lines between the columns.
  for (const TGridColumnDef& c : columns) {
    if (c.head2 == nullptr) {
      fixed(c.head1, c, layout.headY, layout.headH, csCentre);
    } else {
      fixed(c.head1, c, layout.headY, layout.headH / 2, csCentre);
      fixed(c.head2, c, layout.headY + layout.headH / 2, layout.headH / 2, csCentre);
    }
  }
  int bottom = layout.gridTop;
  for (const TGridRowDef& row : rows) bottom += Tall(row) ? layout.tallRowH : layout.rowH;
  TControlDef rule = HLine(columns.front().x, layout.gridTop - 3, last->x + last->w - columns.front().x);
  rule.style = csStretch;
  t.Add(rule);
  for (std::size_t c = 1; c < columns.size(); ++c) t.Add(VLine(columns[c].x - 2, layout.headY, bottom - layout.headY));

  int y = layout.gridTop;
  for (const TGridRowDef& row : rows) {
    const int h = Tall(row) ? layout.tallRowH : layout.rowH;
    const int editY = y + (h - layout.rowH) / 2 + layout.editDy;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const TGridCellDef& cell = row.cells[c];
      const char* name = cell.edit != 0 ? t.Keep("Edit" + std::to_string(cell.edit)) : nullptr;
      if (cell.text != nullptr && cell.inlineEdit != nullptr) {
        const TGridInlineDef& in = *cell.inlineEdit;
        const int x = columns[c].x + kCellPad;
        t.Add(Head(cell.text, x, y, csPlain, nullptr, in.textW, h));
        t.Add(Ed(name, x + in.textW, editY, in.editW, cell.limit));
        if (in.after != nullptr) t.Add(Head(in.after, x + in.textW + in.editW + kCellPad, y, csPlain, nullptr, 0, h));
        t.Bind(name, in.field, TBindKind::Text);
        continue;
      }
      if (cell.text != nullptr) {
        fixed(cell.text, columns[c], y, h, columns[c].style);
        continue;
      }
      t.Add(stretch(Ed(name, columns[c].x, editY, columns[c].w, cell.limit), columns[c]));
      const int number = cell.number != 0 ? cell.number : row.number;
      t.Bind(name, t.Keep(columns[c].stem + std::to_string(number)), TBindKind::Text);
    }
    y += h;
  }
  if (layout.footnote != nullptr) t.Add(Head(layout.footnote, columns.front().x, bottom + 8, csPlain));
  desc_ = t.Desc();
}

}  // namespace dlg
