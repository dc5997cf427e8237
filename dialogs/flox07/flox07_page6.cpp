// Tab "Ομάδες Πυρόσβεσης" of the hotel study: the technical descriptions and
// the grid of the building's secondary uses, ten rows of three edits.
#include <string>

#include "dialogs/flox07/flox07_pages.h"
#include "dialogs/page_tables.h"

namespace flox07 {
namespace {

using namespace dlg;

constexpr int kRight = 670;
constexpr int kMemoY = 22, kMemoH = 84;
constexpr int kUsesY = 114;
constexpr int kGridHeadY = 134, kGridTop = 152, kGridRowH = 21;

// The grid's columns: row number, secondary use, number of rooms.
struct TColumn {
  int x, w;
  const char* heading;
  const char* stem;  // field name without the row number
  int limit;         // as the page is placed in the hotel dialog
};
constexpr TColumn kColumns[] = {
    {8, 40, "Α/Α", "aa", 0},
    {52, 500, "Δευτερεύουσα χρήση", "SecUse", 80},
    {556, 100, "Αριθμ. χώρων", "NumRoom", 12},
};

const TPageDesc& Build() {
  static TPageTables t;
  t.Add(Head("Γ. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ", 8, 3, csBold));
  t.Add(Mem("Memo1", 8, kMemoY, kRight - 8, kMemoH, 0));
  t.Bind("Memo1", "DTexnikesPerigrafes", TBindKind::Text);
  t.Add(Head("Δ. ΔΕΥΤΕΡΕΥΟΥΣΕΣ ΧΡΗΣΕΙΣ ΕΝΤΟΣ ΤΟΥ ΚΤΙΡΙΟΥ", 8, kUsesY, csBold));
  for (const TColumn& c : kColumns) t.Add(Head(c.heading, c.x, kGridHeadY, csCentre, nullptr, c.w, 16));
  // Row k holds Edit3k, Edit3k+1 and Edit3k+2, bound to the row's three fields.
  for (int k = 1; k <= 10; ++k) {
    const int y = kGridTop + (k - 1) * kGridRowH;
    for (int column = 0; column < 3; ++column) {
      const TColumn& c = kColumns[column];
      const char* name = t.Keep("Edit" + std::to_string(3 * k + column));
      t.Add(Ed(name, c.x, y, c.w, c.limit));
      t.Bind(name, t.Keep(c.stem + std::to_string(k)), TBindKind::Text);
    }
  }
  static const TPageDesc desc = t.Desc();
  return desc;
}

}  // namespace

// No help: ShowHelp of this page does nothing. Egkrish and Suntajh are not on
// this page; they keep their values.
const TPageDesc& Page6Desc() {
  static const TPageDesc& desc = Build();
  return desc;
}

}  // namespace flox07
