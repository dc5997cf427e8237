// The ruled equipment table of report pages 4 and 5: seven columns (number,
// kind, symbol, quantity, mode of operation, inspection interval, remarks),
// one ruled row per item (general study pages 4 and 5, industry study pages
// 5 and 6). A table is described by its rows of cells; the element table of
// the page is expanded from that one description at compile time, and its
// data cells are filled like any data label.
#pragma once

#include <array>
#include <cstddef>
#include <tuple>
#include <type_traits>

#include "report/page_elements.h"

namespace rpt {

// One cell: fixed text on one or two lines, or a data label named after its field.
struct TGridCell {
  const char* text = nullptr;
  const char* text2 = nullptr;
  const char* field = nullptr;
};
using TGridRow = std::array<TGridCell, 7>;

constexpr TGridCell Fixed(const char* line1, const char* line2 = nullptr) { return {line1, line2, nullptr}; }
constexpr TGridCell Data(const char* field) { return {nullptr, nullptr, field}; }

// The two-line column headings of the equipment table.
inline constexpr TGridRow kEquipmentHeading = {
    Fixed("Α/Α"),      Fixed("Είδος πυροσβεστήρα", "ή μέσου"), Fixed("Διεθνές", "Σύμβολο"),
    Fixed("Ποσό-", "τητα"), Fixed("Τρόπος", "λειτουργίας"), Fixed("Χρόνος", "επιθεώρ."),
    Fixed("Παρατηρήσεις"),
};

inline constexpr TGridCell kPowder = Fixed("Εκτόξευση με πίεση", "αδρανούς αερίου");
inline constexpr TGridCell kCarbon = Fixed("Εκτόξευση, εκτόνωση", "αερίου και χιόνος");
inline constexpr TGridCell kYearly = Fixed("ανα 12μηνον");
inline constexpr TGridCell kHalfYearly = Fixed("ανα 6μηνον");

// Items 1 to 11 of every equipment table: the extinguishers, with a fixed
// symbol, mode of operation and inspection interval.
inline constexpr std::array<TGridRow, 11> kExtinguisherRows = {{
    {Fixed("1"), Fixed("Ξηρής σκόνης φορητός", "6 χλγ."), Fixed("P"), Data("Poso1"), kPowder, kYearly, Data("Comments1")},
    {Fixed("2"), Fixed("Ξηρής σκόνης φορητός", "12 χλγ."), Fixed("P"), Data("Poso2"), kPowder, kYearly, Data("Comments2")},
    {Fixed("3"), Fixed("Ξηρής σκόνης τροχήλατος", "25 χλγ."), Fixed("P"), Data("Poso3"), kPowder, kYearly, Data("Comments3")},
    {Fixed("4"), Fixed("Ξηρής σκόνης τροχήλατος", "50 χλγ."), Fixed("P"), Data("Poso4"), kPowder, kYearly, Data("Comments4")},
    {Fixed("5"), Fixed("Ξηρής σκόνης οροφής", "6 χλγ."), Fixed("P"), Data("Poso5"), kPowder, kYearly, Data("Comments5")},
    {Fixed("6"), Fixed("Ξηρής σκόνης οροφής", "12 χλγ."), Fixed("P"), Data("Poso6"), kPowder, kYearly, Data("Comments6")},
    {Fixed("7"), Fixed("Διοξειδίου άνθρακα φορητός", "6 χλγ."), Fixed("C"), Data("Poso7"), kCarbon, kHalfYearly, Data("Comments7")},
    {Fixed("8"), Fixed("Διοξειδίου άνθρακα φορητός", "12 χλγ."), Fixed("C"), Data("Poso8"), kCarbon, kHalfYearly, Data("Comments8")},
    {Fixed("9"), Fixed("Διοξειδίου άνθρακα οροφής", "6 χλγ."), Fixed("C"), Data("Poso9"), kCarbon, kHalfYearly, Data("Comments9")},
    {Fixed("10"), Fixed("Διοξειδίου άνθρακα οροφής", "12 χλγ."), Fixed("C"), Data("Poso10"), kCarbon, kHalfYearly, Data("Comments10")},
    {Fixed("11"), Fixed("Αφρού μηχανικού φορητός", "10 λίτρων"), Fixed("WF"), Data("Poso11"), kPowder, kHalfYearly, Data("Comments11")},
}};

// The extinguishers followed by a study's own items.
template <std::size_t N>
constexpr std::array<TGridRow, 11 + N> WithExtinguishers(const std::array<TGridRow, N>& more) {
  std::array<TGridRow, 11 + N> out{};
  for (std::size_t i = 0; i < 11; ++i) out[i] = kExtinguisherRows[i];
  for (std::size_t i = 0; i < N; ++i) out[11 + i] = more[i];
  return out;
}

struct TGridLayout {
  int top;         // top edge of the table on the band
  int headHeight;  // height of the heading row; 0 for a table without headings
  int rowHeight;   // height of every item row
};

// Column edges across the printable width.
inline constexpr int kGridX[8] = {0, 80, 600, 750, 870, 1240, 1440, 1900};
inline constexpr int kGridPadX = 8;
inline constexpr int kGridPadY = 6;
// The long texts (mode, remarks: 70 characters) in 8 pt so that they fit three lines.
inline constexpr TFontDef kGridDataFont[7] = {kArial9, kArial9, kArial9, kArial9, kArial8, kArial9, kArial8};
inline constexpr TAlign kGridAlign[7] = {TAlign::Center, TAlign::Left,   TAlign::Center, TAlign::Center,
                                         TAlign::Center, TAlign::Center, TAlign::Left};

constexpr int GridBottom(const TGridLayout& layout, std::size_t rows) {
  return layout.top + layout.headHeight + static_cast<int>(rows) * layout.rowHeight;
}

constexpr std::size_t CellLabels(const TGridCell& cell) {
  if (cell.field != nullptr) return 1;
  return (cell.text != nullptr ? 1 : 0) + (cell.text2 != nullptr ? 1 : 0);
}

template <std::size_t N>
constexpr std::size_t GridElementCount(const std::array<TGridRow, N>& rows, const TGridRow* heading) {
  std::size_t count = 1 + (N + (heading != nullptr ? 1 : 0) - 1) + 6;  // box, row rules, column rules
  if (heading != nullptr) {
    for (const TGridCell& cell : *heading) count += CellLabels(cell);
  }
  for (const TGridRow& row : rows) {
    for (const TGridCell& cell : row) count += CellLabels(cell);
  }
  return count;
}

namespace detail {

template <std::size_t M>
constexpr void EmitRow(std::array<TElementDef, M>& out, std::size_t& at, const TGridRow& row, int top,
                       int height, bool heading) {
  for (std::size_t c = 0; c < 7; ++c) {
    const TGridCell& cell = row[c];
    const int left = kGridX[c] + kGridPadX;
    const int width = kGridX[c + 1] - kGridX[c] - 2 * kGridPadX;
    if (cell.field != nullptr) {
      // As many whole lines as the row holds, and not a sliver of the next.
      const TFontDef font = kGridDataFont[c];
      const int lines = (height - 2 * kGridPadY) * 100 / ArialLineHundredths(font.points);
      out[at++] = Field(cell.field, {left, top + kGridPadY, width, Lines(lines, font.points)}, font, kGridAlign[c]);
      continue;
    }
    const TFontDef font = heading ? kArial9Bold : kArial9;
    const TAlign align = heading ? TAlign::Center : kGridAlign[c];
    // Fixed texts never wrap: a text of two lines gives both.
    if (cell.text != nullptr) out[at++] = Text({left, top + kGridPadY, width, kLine9}, cell.text, font, align);
    if (cell.text2 != nullptr) {
      out[at++] = Text({left, top + kGridPadY + kLine9, width, kLine9}, cell.text2, font, align);
    }
  }
}

}  // namespace detail

// The elements of a table: the outer box, a rule under every row but the
// last, the six column rules, then the cells row by row.
template <const auto& Rows, const TGridRow* Heading, const TGridLayout& Layout>
constexpr auto BuildGrid() {
  constexpr std::size_t kRows = std::tuple_size_v<std::remove_cvref_t<decltype(Rows)>>;
  constexpr std::size_t kCount = GridElementCount(Rows, Heading);
  std::array<TElementDef, kCount> out{};
  std::size_t at = 0;
  const int bottom = GridBottom(Layout, kRows);
  out[at++] = Box({0, Layout.top, 1900, bottom - Layout.top}, 2);
  int y = Layout.top + Layout.headHeight;
  if (Heading != nullptr) out[at++] = HRule(0, y, 1900, 2);
  for (std::size_t r = 1; r < kRows; ++r) out[at++] = HRule(0, y + static_cast<int>(r) * Layout.rowHeight, 1900);
  for (std::size_t c = 1; c < 7; ++c) out[at++] = VRule(kGridX[c], Layout.top, bottom - Layout.top);
  if (Heading != nullptr) detail::EmitRow(out, at, *Heading, Layout.top, Layout.headHeight, true);
  for (std::size_t r = 0; r < kRows; ++r) {
    detail::EmitRow(out, at, Rows[r], y + static_cast<int>(r) * Layout.rowHeight, Layout.rowHeight, false);
  }
  return out;
}

}  // namespace rpt
