// Tab "Εξοπλισμός": hydrants, electromechanical equipment and electricity,
// processed materials and products, the dangerous materials with their
// stores, gas, and how the materials behave in a fire.
#include <string>

#include "dialogs/flox06/flox06_pages.h"
#include "dialogs/page_tables.h"

namespace flox06 {
namespace {

using namespace dlg;

constexpr int kRight = 728;
constexpr int kStep = 22;

// Rows, top to bottom.
constexpr int kYHydr1 = 3, kYHydr2 = kYHydr1 + kStep, kYEquip = kYHydr2 + kStep + 4, kYPower = kYEquip + 42,
              kYPanel = kYPower + kStep, kYMaterials = kYPanel + kStep + 2, kYMemos = kYMaterials + 18,
              kYDanger = kYMemos + 2 * 36 + 2, kYGrid = kYDanger + 16, kGridStep = 20,
              kYGas = kYGrid + 7 * kGridStep + 2, kYGasText = kYGas + kStep, kYBehaviour = kYGasText + kStep + 2;
constexpr int kMemoH = 34;

// The dangerous materials: seven rows of description, store, quantity and
// unit under their column headings; row n holds Edit(4n+4) to Edit(4n+7).
struct TColumn {
  const char* heading;
  const char* stem;  // field name without the row number
  int x, w, limit;
};
constexpr TColumn kDangerColumns[] = {
    {"Περιγραφή", "Perigrafh", 150, 240, 40},
    {"Χώρος που αποθηκεύονται", "Xwros", 394, 190, 31},
    {"Ποσότητα", "posotita", 588, 66, 10},
    {"Μον.Μετρ.", "Monades", 658, 70, 12},
};
constexpr int kDangerRows = 7;

const TPageDesc& Build() {
  static TPageTables t;
  auto text = [&](const char* control, const char* field) { t.Bind(control, field, TBindKind::Text); };
  auto yesNo = [&](const char* control, const char* field) { t.Bind(control, field, TBindKind::YesNo); };

  // 11. Hydrants.
  t.Add(Lbl("11. Υδροστόμια", 8, kYHydr1));
  t.Add(Lbl("1) Οδός:", 100, kYHydr1, nullptr, "Edit1"));
  t.Add(Ed("Edit1", 146, kYHydr1, 340, 50));
  t.Add(Lbl("Αριθμός", 500, kYHydr1, nullptr, "Edit2"));
  t.Add(Ed("Edit2", 548, kYHydr1, 80, 0));
  t.Add(Lbl("2) Οδός:", 100, kYHydr2, nullptr, "Edit3"));
  t.Add(Ed("Edit3", 146, kYHydr2, 340, 50));
  t.Add(Lbl("Αριθμός", 500, kYHydr2, nullptr, "Edit4"));
  t.Add(Ed("Edit4", 548, kYHydr2, 80, 0));
  text("Edit1", "Odos1");
  text("Edit2", "Num1");
  text("Edit3", "Odos2");
  text("Edit4", "Num2");

  // Γ. Equipment, with the total horsepower under the heading.
  t.Add(Head("Γ. ΗΛΕΚΤΡΟΜΗΧΑΝΟΛΟΓΙΚΟΣ ΕΞΟΠΛΙΣΜΟΣ", 8, kYEquip, csBold | csUnderline, nullptr, 0, 18));
  t.Add(Mem("Memo1", 268, kYEquip, kRight - 268, 40, 500));
  t.Add(Lbl("Συνολική HP", 8, kYEquip + 20, nullptr, "Edit5"));
  t.Add(Ed("Edit5", 76, kYEquip + 20, 90, 10));
  text("Memo1", "Ejoplismos");
  text("Edit5", "SunolikhHP");

  // 1. Electricity.
  t.Add(Lbl("1. Ηλεκτρισμός", 8, kYPower));
  t.Add(Chk("CheckBox1", "Υπάρχει Υποσταθμός  ", 100, kYPower, 0));
  t.Add(Lbl("Volt Υποσταθμού", 262, kYPower, nullptr, "Edit6"));
  t.Add(Ed("Edit6", 350, kYPower, 70, 8));
  t.Add(Chk("CheckBox3", "Παροχή Βιομηχανικού Ρεύματος", 440, kYPower, 0));
  t.Add(Lbl("Θέση Ηλ.Πίνακα", 100, kYPanel, nullptr, "Edit7"));
  t.Add(Ed("Edit7", 188, kYPanel, kRight - 188, 0));
  yesNo("CheckBox1", "Ypostathmos");
  text("Edit6", "VoltYpostathmou");
  yesNo("CheckBox3", "ParoxhReumatos");
  text("Edit7", "ThesiHlekPinaka");

  // Δ. Processed materials and products, two memos a row.
  constexpr int kLeftMemoX = 100, kRightLabelX = 416, kRightMemoX = 552, kMemoW = 306;
  t.Add(Head("Δ. ΕΠΕΞΕΡΓΑΖΟΜΕΝΕΣ ΥΛΕΣ ΚΑΙ ΠΑΡΑΓΟΜΕΝΑ", 8, kYMaterials, csBold | csUnderline, nullptr, 0, 16));
  t.Add(Lbl("1. Πρώτες Υλες:", 8, kYMemos, nullptr, "Memo2"));
  t.Add(Mem("Memo2", kLeftMemoX, kYMemos, kMemoW, kMemoH, 400));
  t.Add(Lbl("3. Παραγόμενα προϊόντα", kRightLabelX, kYMemos, nullptr, "Memo4"));
  t.Add(Mem("Memo4", kRightMemoX, kYMemos, kRight - kRightMemoX, kMemoH, 400));
  t.Add(Lbl("2. Δευτερεύουσες", 8, kYMemos + 36, nullptr, "Memo3", csPlain, 0, 16));
  t.Add(Lbl("ύλες:", 8, kYMemos + 36 + 16, nullptr, "Memo3", csPlain, 0, 16));
  t.Add(Mem("Memo3", kLeftMemoX, kYMemos + 36, kMemoW, kMemoH, 400));
  t.Add(Lbl("4. Υποπροϊόντα", kRightLabelX, kYMemos + 36, nullptr, "Memo5"));
  t.Add(Mem("Memo5", kRightMemoX, kYMemos + 36, kRight - kRightMemoX, kMemoH, 400));
  text("Memo2", "PrwtesYles");
  text("Memo4", "Paragomena");
  text("Memo3", "DeytereuousesYles");
  text("Memo5", "Ypoproionta");

  // Ε. Dangerous materials.
  t.Add(Head("Ε. ΕΠΙΚΙΝΔΥΝΕΣ ΥΛΕΣ", 8, kYDanger, csBold | csUnderline, nullptr, 0, 16));
  for (const TColumn& c : kDangerColumns) t.Add(Head(c.heading, c.x, kYDanger, csPlain, nullptr, c.w, 16));
  for (int n = 1; n <= kDangerRows; ++n) {
    int edit = 4 * n + 4;
    for (const TColumn& c : kDangerColumns) {
      const char* name = t.Keep("Edit" + std::to_string(edit++));
      t.Add(Ed(name, c.x, kYGrid + (n - 1) * kGridStep, c.w, c.limit));
      t.Bind(name, t.Keep(c.stem + std::to_string(n)), TBindKind::Text);
    }
  }

  // Gas.
  t.Add(Chk("CheckBox5", "Χρήση Υγραερίου ", 8, kYGas, 0));
  t.Add(Lbl("Ποσότητα", 150, kYGas, nullptr, "Edit36"));
  t.Add(Ed("Edit36", 204, kYGas, 80, 0));
  t.Add(Chk("CheckBox7", "Χρήση Φωταερίου", 310, kYGas, 0));
  t.Add(Ed("Edit37", 8, kYGasText, kRight - 8, 200));
  yesNo("CheckBox5", "XrhshYgraeriou");
  text("Edit36", "PosotitaYgraeriou");
  yesNo("CheckBox7", "XrhshFwtaeriou");
  text("Edit37", "Ygraerio");

  // ΣΤ. Behaviour in a fire.
  t.Add(Head("ΣΤ. ΣΥΜΠΕΡΙΦΟΡΑ ΥΛΩΝ-ΠΡΟΙΟΝΤΩΝ ΕΝΑΝΤΙ ΠΥΡΚΑΓΙΑΣ", 8, kYBehaviour, csBold | csUnderline, nullptr, 0,
             16));
  t.Add(Mem("Memo6", 8, kYBehaviour + 17, kRight - 8, kMemoH, 400));
  text("Memo6", "Sumperifora");

  static const TPageDesc desc = t.Desc();
  return desc;
}

}  // namespace

const TPageDesc& Page3Desc() {
  static const TPageDesc& desc = Build();
  return desc;
}

}  // namespace flox06
