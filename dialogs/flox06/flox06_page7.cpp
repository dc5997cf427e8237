// Tab "Ομάδα Πυροπροστασίας": the head and deputy of fire protection, three
// sub-teams of four names in each of three eight-hour shifts, and the
// technical descriptions of the fixed systems.
#include <string>

#include "dialogs/flox06/flox06_pages.h"
#include "dialogs/page_tables.h"

namespace flox06 {
namespace {

using namespace dlg;

constexpr int kRight = 728;
constexpr int kStep = 22;

constexpr int kYHead = 2, kYLeader = kYHead + 22, kYDeputy = kYLeader + kStep, kYStaff = kYDeputy + kStep + 2;
// A framed box per sub-team: its name at the left, the shifts' names in
// three columns at the right.
constexpr int kBoxY = kYStaff + 20, kBoxH = 16 + 4 * 20 + 8, kBoxGap = 4, kNameStep = 20;
constexpr int kShiftX = 236, kShiftW = (kRight - 6 - kShiftX - 2 * 4) / 3;
constexpr int kYTech = kBoxY + 3 * (kBoxH + kBoxGap) + 2;

constexpr const char* kShiftHeadings[] = {"Α' 8ωρο", "Β' 8ωρο", "Γ' 8ωρο"};
constexpr const char* kSubTeams[] = {"1η ΥΠΟΟΜΑΔΑ Τμήμα ", "2η ΥΠΟΟΜΑΔΑ Τμήμα ", "3η ΥΠΟΟΜΑΔΑ Τμήμα "};

const TPageDesc& Build() {
  static TPageTables t;
  auto text = [&](const char* control, const char* field) { t.Bind(control, field, TBindKind::Text); };
  auto edit = [&](int number) { return t.Keep("Edit" + std::to_string(number)); };

  t.Add(Head("Σύνθεση ομάδος Πυροπροστασίας", 8, kYHead, csBold, nullptr, 0, 18).Font("MS Sans Serif", 9));
  t.Add(Lbl("Αρχηγός Πυροπροστασίας:", 8, kYLeader, nullptr, "Edit1"));
  t.Add(Ed("Edit1", 160, kYLeader, 420, 70));
  t.Add(Lbl("Υπαρχηγός Πυροπροστασίας:", 8, kYDeputy, nullptr, "Edit2"));
  t.Add(Ed("Edit2", 160, kYDeputy, 420, 70));
  t.Add(Lbl("Προσωπικό Ομάδας Πυροπροστασίας:", 8, kYStaff, nullptr, nullptr, csPlain, 0, 18));
  text("Edit1", "Arxhgos");
  text("Edit2", "Yparxhgos");

  // Sub-team g: its name in Edit(13g - 10); in its row r, shift A is
  // Edit(13(g-1) + 3r + 1), shift B the next edit and shift C the one after.
  for (int g = 1; g <= 3; ++g) {
    const int y = kBoxY + (g - 1) * (kBoxH + kBoxGap);
    const char* name = edit(13 * (g - 1) + 3);
    t.Add(Box(4, y, kRight, kBoxH));
    // The name's edit on the row of the first names, so that Tab goes on
    // from it to them.
    t.Add(Lbl(kSubTeams[g - 1], 12, y + 2, nullptr, name, csPlain, 0, 16));
    t.Add(Ed(name, 12, y + 18, 200, 20));
    t.Add(Lbl("ή (Τμήματα κατά περίπτωση)", 12, y + 40));
    text(name, t.Keep("Ypoomada" + std::to_string(g)));
    for (int s = 0; s < 3; ++s)
      t.Add(Head(kShiftHeadings[s], kShiftX + s * (kShiftW + 4), y + 2, csCentre, nullptr, kShiftW, 16));
    for (int r = 1; r <= 4; ++r) {
      const int k = 13 * (g - 1) + 3 * r + 1;
      for (int s = 0; s < 3; ++s) {
        t.Add(Ed(edit(k + s), kShiftX + s * (kShiftW + 4), y + 18 + (r - 1) * kNameStep, kShiftW, 0));
        text(edit(k + s), t.Keep("Omada" + std::to_string(g) + "Orario" + std::string(1, char('A' + s)) + "Onoma" +
                                 std::to_string(r)));
      }
    }
  }

  t.Add(Lbl("Ι. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ", 8, kYTech, nullptr, "Memo1", csPlain, 0, 16));
  t.Add(Mem("Memo1", 8, kYTech + 17, kRight - 8, 40, 350));
  text("Memo1", "Texnikes");

  static const TPageDesc desc = t.Desc();
  return desc;
}

}  // namespace

const TPageDesc& Page7Desc() {
  static const TPageDesc& desc = Build();
  return desc;
}

}  // namespace flox06
