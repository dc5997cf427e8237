// Tab "Πυροσβεστήρες" (first): extinguishers and equipment, rows 1 to 19.
#include <string>

#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/page_tables.h"

namespace flox03 {
namespace {

using namespace dlg;

// Columns of the grid.
struct TColumn {
  int x, w;
};
constexpr TColumn kNo{4, 22}, kKind{28, 180}, kSymbol{210, 44}, kQuantity{256, 38}, kMode{296, 134},
    kInterval{432, 62}, kRemarks{496, 149};
constexpr int kHeadY = 2, kGridTop = 33, kRowH = 21, kTallRowH = 26;

constexpr const char* kPressure = "Με πίεση αδρανούς αερίου";
constexpr const char* kRelease = "Εκτόνωση αερίου-χιόνος";
constexpr const char* kYearly = "ανά 12μηνο";
constexpr const char* kHalfYearly = "ανά 6μηνο";

// Rows 1 to 11: kind, symbol, mode and interval are fixed; the quantity and
// the remarks are edited.
struct TFixedRow {
  const char* kind;
  const char* symbol;
  int quantityEdit, remarksEdit;
  const char* mode;
  const char* interval;
};
const TFixedRow kFixedRows[] = {
    {"Ξηρής σκόνης φορητός 6 χλγ.", "P", 1, 2, kPressure, kYearly},
    {"Ξηρής σκόνης φορητός 12 χλγ.", "P", 3, 4, kPressure, kYearly},
    {"Ξηρής σκόνης τροχήλατος 25 χλγ.", "P", 5, 6, kPressure, kYearly},
    {"Ξηρής σκόνης τροχήλατος 50 χλγ.", "P", 7, 8, kPressure, kYearly},
    {"Ξηρής σκόνης οροφής 6 χλγ.", "P", 9, 10, kPressure, kYearly},
    {"Ξηρής σκόνης οροφής 12 χλγ.", "P", 11, 12, kPressure, kYearly},
    {"Διοξειδίου άνθρακα φορητός 6 χλγ.", "C", 13, 14, kRelease, kHalfYearly},
    {"Διοξειδίου άνθρακα φορητός 12 χλγ.", "C", 15, 16, kRelease, kHalfYearly},
    {"Διοξειδίου άνθρακα οροφής 6 χλγ.", "C", 17, 18, kRelease, kHalfYearly},
    {"Διοξειδίου άνθρακα οροφής 12 χλγ.", "C", 19, 20, kRelease, kHalfYearly},
    {"Αφρού μηχανικού φορητός 10 λιτρ.", "WF", 22, 25, kPressure, kHalfYearly},
};
constexpr int kQuantityLimit = 5, kRemarksLimit = 60;

// Rows 12 to 19: only the kind is fixed; symbol, quantity, mode, interval
// and remarks are the edits firstEdit to firstEdit + 4.
struct TEditedRow {
  const char* kind;  // '\n' parts a kind that takes two lines
  int firstEdit;
  int remarksLimit;
};
const TEditedRow kEditedRows[] = {
    {"Αναπνευστικές συσκευές κλειστού\nκυκλώματος οξυγόνου.", 26, 60},
    {"Αναπνευστικές συσκευές ανοικτού\nκυκλώματος πεπιεσμένου αέρος.", 31, 60},
    {"Ατομικές προσωπίδες με φίλτρο", 36, 30},
    {"Στολές αμιάντου προσέγγισης", 41, 30},
    {"Στολές αμιάντου διέλευσης", 46, 30},
    {"Στολές αμμωνίας", 51, 30},
    {"Φτυάρια", 56, 30},
    {"Σκαπάνες", 61, 30},
};
constexpr int kSymbolLimit = 4, kModeLimit = 60, kIntervalLimit = 12;

const TPageDesc& Build() {
  static TPageTables t;
  auto edit = [&](int number) { return t.Keep("Edit" + std::to_string(number)); };
  auto field = [&](const char* stem, int row) { return t.Keep(stem + std::to_string(row)); };
  auto fixed = [&](const char* text, TColumn c, int y, int h, std::uint8_t style = csPlain) {
    t.Add(Head(text, c.x, y, style, nullptr, c.w, h));
  };
  auto edited = [&](const char* name, TColumn c, int y, int limit) { t.Add(Ed(name, c.x, y, c.w, limit)); };

  // Column headings and the lines between the columns.
  fixed("Α/Α", kNo, kHeadY, 28, csCentre);
  fixed("Είδος πυροσβεστήρα ή μέσου", kKind, kHeadY, 28, csCentre);
  fixed("Διεθνές", kSymbol, kHeadY, 14, csCentre);
  fixed("Σύμβ.", kSymbol, kHeadY + 14, 14, csCentre);
  fixed("Ποσότ.", kQuantity, kHeadY, 28, csCentre);
  fixed("Τρόπος λειτουργίας", kMode, kHeadY, 28, csCentre);
  fixed("Χρόνος", kInterval, kHeadY, 14, csCentre);
  fixed("επιθεώρ.", kInterval, kHeadY + 14, 14, csCentre);
  fixed("Παρατηρήσεις", kRemarks, kHeadY, 28, csCentre);
  constexpr int kGridBottom = kGridTop + 17 * kRowH + 2 * kTallRowH;
  t.Add(HLine(kNo.x, kGridTop - 3, kRemarks.x + kRemarks.w - kNo.x));
  for (const TColumn& c : {kKind, kSymbol, kQuantity, kMode, kInterval, kRemarks})
    t.Add(VLine(c.x - 2, kHeadY, kGridBottom - kHeadY));

  int y = kGridTop;
  int row = 1;
  for (const TFixedRow& r : kFixedRows) {
    fixed(t.Keep(std::to_string(row)), kNo, y, kRowH, csCentre);
    fixed(r.kind, kKind, y, kRowH);
    fixed(r.symbol, kSymbol, y, kRowH, csCentre);
    edited(edit(r.quantityEdit), kQuantity, y, kQuantityLimit);
    fixed(r.mode, kMode, y, kRowH);
    fixed(r.interval, kInterval, y, kRowH);
    edited(edit(r.remarksEdit), kRemarks, y, kRemarksLimit);
    t.Bind(edit(r.quantityEdit), field("Poso", row), TBindKind::Text);
    t.Bind(edit(r.remarksEdit), field("Comments", row), TBindKind::Text);
    y += kRowH;
    ++row;
  }
  for (const TEditedRow& r : kEditedRows) {
    const bool tall = std::string(r.kind).find('\n') != std::string::npos;
    const int h = tall ? kTallRowH : kRowH;
    const int editY = y + (h - kRowH) / 2;
    fixed(t.Keep(std::to_string(row)), kNo, y, h, csCentre);
    fixed(r.kind, kKind, y, h);
    edited(edit(r.firstEdit), kSymbol, editY, kSymbolLimit);
    edited(edit(r.firstEdit + 1), kQuantity, editY, kQuantityLimit);
    edited(edit(r.firstEdit + 2), kMode, editY, kModeLimit);
    edited(edit(r.firstEdit + 3), kInterval, editY, kIntervalLimit);
    edited(edit(r.firstEdit + 4), kRemarks, editY, r.remarksLimit);
    int e = r.firstEdit;
    for (const char* stem : {"Symbol", "Poso", "Use", "Time", "Comments"})
      t.Bind(edit(e++), field(stem, row), TBindKind::Text);
    y += h;
    ++row;
  }
  static const TPageDesc desc = t.Desc();
  return desc;
}

}  // namespace

const TPageDesc& Page4Desc() {
  static const TPageDesc& desc = Build();
  return desc;
}

}  // namespace flox03

TFlox03Page4Frame::TFlox03Page4Frame(QWidget* owner) : TEntryPage(owner, flox03::Page4Desc()) {}
