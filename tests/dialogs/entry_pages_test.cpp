// Every entry page of every family against its record, each walked from its
// own tables in the family table: the bindings resolve, every bound field
// shows and stores back, typing stops at what the field stores, the radio
// groups' code tables in both directions, the two kinds of check box with
// odd stored values, and only fixed texts carry tooltips; then the pages'
// particular cases (a control bound to two fields, line breaks at the
// limit, fields no control edits, the sprinkler pair, the team grid) and a
// page's own faces and handlers.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/controls.h"
#include "dialogs/entry_page.h"
#include "dialogs/field_captions.h"
#include "dialogs/text_codec.h"
#include "platform/font_faces.h"
#include "report/flox03/flox03_report.h"
#include "entry_test_support.h"

namespace {

using namespace entrytest;

// The rows of a page's binding table by control: load shows the last row's
// field, store writes the control into every row's field.
std::map<std::string, std::vector<const dlg::TBinding*>> RowsByControl(const TEntryPageFrame& page) {
  std::map<std::string, std::vector<const dlg::TBinding*>> rows;
  for (const dlg::TBinding& b : page.Bindings()) rows[b.control].push_back(&b);
  return rows;
}

// The code of a radio group's item, as stored.
std::string Code(const dlg::TBinding& b, int item) { return std::string(1, dlg::CodeForItem(*b.codes, item)); }

class EveryTab : public testing::TestWithParam<TTabCase> {
 protected:
  // Every text distinct; the check boxes alternately ticked and clear in
  // table order (so a pair of boxes of which one excludes the other loads
  // as it stands); every radio group on an item of its own.
  TPageRecord Distinctive() const {
    TPageRecord record = GetParam().Record();
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      const TPropInfo& prop = record.Class().props[i];
      if (prop.kind == TPropKind::Text) record.Set(i, Distinct(i, prop.maxLen));
    }
    int box = 0, group = 0;
    for (const dlg::TBinding& b : page.Bindings()) {
      const bool on = box % 2 == 0;
      if (b.kind == dlg::TBindKind::YesNo) record.Set(b.field, std::string(on ? dlg::kYes : dlg::kNo)), ++box;
      if (b.kind == dlg::TBindKind::Mark) record.Set(b.field, std::string(1, on ? dlg::kMark : dlg::kNoMark)), ++box;
      if (b.kind == dlg::TBindKind::Radio) {
        record.Set(b.field, Code(b, ++group % static_cast<int>(b.codes->items.size() - 1)));
      }
    }
    return record;
  }

  TEntryPageFrame page{nullptr, GetParam().Tab()};
};

TEST_P(EveryTab, LoadShowsEveryBoundFieldAndStoreWritesItBackAndNothingElse) {
  const TPageRecord record = Distinctive();
  page.LoadFromRecord(record);
  EXPECT_EQ(page.WorkingRecord(), record);
  EXPECT_EQ(page.objectName().toStdString(), GetParam().Tab().objectName);
  const auto rows = RowsByControl(page);
  for (const auto& [control, bound] : rows) {
    const dlg::TBinding& shown = *bound.back();
    const std::string& value = record.Get(shown.field);
    switch (shown.kind) {
      case dlg::TBindKind::Text:
        EXPECT_EQ(ControlText(&page, control), dlg::FromRecordBytes(value)) << control;
        break;
      case dlg::TBindKind::YesNo:
      case dlg::TBindKind::Mark:
        EXPECT_EQ(Find<QCheckBox>(&page, control)->isChecked(), value == dlg::kYes || value == "X") << control;
        break;
      case dlg::TBindKind::Radio:
        EXPECT_EQ(Find<dlg::TRadioGroup>(&page, control)->ItemIndex(), dlg::ItemForCode(*shown.codes, value.at(0)))
            << control;
        break;
    }
  }
  // Into a fresh record: every bound field as its control shows it, every
  // other field untouched.
  TPageRecord fresh = GetParam().Record();
  page.StoreToRecord(fresh);
  const TPageRecord blank = GetParam().Record();
  std::map<std::string, std::string> expected;
  for (const auto& [control, bound] : rows) {
    for (const dlg::TBinding* b : bound) expected[b->field] = record.Get(bound.back()->field);
  }
  for (std::size_t i = 0; i < fresh.PropCount(); ++i) {
    const std::string name = fresh.Class().props[i].name;
    EXPECT_EQ(fresh.Get(i), expected.count(name) ? expected[name] : blank.Get(i)) << name;
  }
}

TEST_P(EveryTab, TypingStopsAtWhatTheFieldStoresAndThatIsStored) {
  page.LoadFromRecord(GetParam().Record());
  const auto rows = RowsByControl(page);
  std::map<std::string, int> caps;
  for (const auto& [control, bound] : rows) {
    if (bound.front()->kind != dlg::TBindKind::Text) continue;
    QWidget* widget = Find<QWidget>(&page, control);
    auto* edit = qobject_cast<dlg::TEdit*>(widget);
    const int cap = edit != nullptr ? edit->EffectiveLimit() : qobject_cast<dlg::TMemo*>(widget)->EffectiveLimit();
    for (const dlg::TBinding* b : bound) {
      EXPECT_LE(cap, GetParam().Record().Class().props[GetParam().Record().Class().IndexOf(b->field)].maxLen)
          << control << " takes more than " << b->field << " stores";
    }
    Type(widget, QString(cap + 4, QChar(0x03A6)));  // Φ
    EXPECT_EQ(ControlText(&page, control).size(), cap) << control;
    caps[control] = cap;
  }
  TPageRecord record = GetParam().Record();
  page.StoreToRecord(record);
  for (const auto& [control, cap] : caps) {
    for (const dlg::TBinding* b : rows.at(control)) EXPECT_EQ(record.Get(b->field), std::string(cap, '\xD6')) << b->field;
  }
}

TEST_P(EveryTab, RadioGroupsStoreTheirItemsCodesAndLoadAnyOtherCharacterAsTheDefault) {
  for (const dlg::TBinding& b : page.Bindings()) {
    if (b.kind != dlg::TBindKind::Radio) continue;
    auto* group = Find<dlg::TRadioGroup>(&page, b.control);
    ASSERT_EQ(group->Count(), static_cast<int>(b.codes->items.size())) << b.control;
    auto stored = [&] {
      TPageRecord record = GetParam().Record();
      page.StoreToRecord(record);
      return record.Get(b.field);
    };
    auto loaded = [&](char code) {
      TPageRecord record = GetParam().Record();
      record.Set(b.field, std::string(1, code));
      page.LoadFromRecord(record);
      return group->ItemIndex();
    };
    std::string codes;
    for (int i = 0; i < group->Count(); ++i) {
      group->SetItemIndex(i);
      EXPECT_EQ(stored(), Code(b, i)) << b.control << " item " << i;
      const char code = Code(b, i).at(0);
      codes += code;
      EXPECT_EQ(loaded(code), code == ' ' ? b.codes->defaultItem : i) << b.control << " code of item " << i;
    }
    group->SetItemIndex(-1);
    EXPECT_EQ(stored(), " ") << b.control << " with nothing selected";
    // Latin look-alikes of Greek codes, lower case, other Greek capitals, odd bytes.
    for (const char c : std::string("OATMZXlL") + Cp("ωΩΒΓ") + std::string("\x00\xFF\xAA", 3)) {
      if (codes.find(c) != std::string::npos) continue;
      EXPECT_EQ(loaded(c), b.codes->defaultItem) << b.control << " byte " << int(static_cast<unsigned char>(c));
    }
  }
}

TEST_P(EveryTab, OnlyFixedTextsCarryTooltips) {
  for (QWidget* w : page.findChildren<QWidget*>()) {
    if (!w->toolTip().isEmpty()) {
      EXPECT_NE(qobject_cast<QLabel*>(w), nullptr) << w->objectName().toStdString();
    }
  }
}

// Every text control is named by a caption of its own on its page, never by
// its field's name, and no two read the same.
TEST_P(EveryTab, EveryTextControlHasACaptionOfItsOwn) {
  const auto captions = dlg::FieldCaptions(page.Controls(), page.Bindings());
  std::map<std::string, std::string> controlOf;  // caption -> control
  for (const dlg::TBinding& b : page.Bindings()) {
    if (b.kind != dlg::TBindKind::Text) continue;
    const std::string& caption = captions.at(b.field);
    EXPECT_FALSE(caption.empty()) << b.field;
    EXPECT_NE(caption, b.field);
    const auto [it, fresh] = controlOf.emplace(caption, b.control);
    EXPECT_TRUE(fresh || it->second == b.control) << "\"" << caption << "\": " << it->second << " and " << b.control;
  }
}

INSTANTIATE_TEST_SUITE_P(Families, EveryTab, testing::ValuesIn(AllTabs()), TabName);

// What tells two controls of the same name apart: the control before each
// on its row, the item at the margin, the box, or the place among them; and
// a control alone on its row under a heading goes by the heading.
TEST(FieldCaptions, RepeatedNamesAreToldApartByWhatThePageShows) {
  const struct {
    std::uint8_t type;
    int tab;
    const char* field;
    const char* caption;
  } cases[] = {
      {1, 2, "Num2", "2) Οδός — Αριθ."},
      {1, 2, "Perioxh1", "Αυτόματο Σύστημα Πυρανίχνευσης — Περιοχή που καλύπτει"},
      {3, 0, "Odos1", "3. Εδρα επιχείρησης — Οδός"},
      {3, 0, "Odos", "4. Εγκαταστάσεις επιχείρησης — Οδός"},
      {3, 6, "Omada2OrarioBOnoma3", "2η ΥΠΟΟΜΑΔΑ Τμήμα — Β' 8ωρο (3)"},
      {1, 1, "AfairXwroiNum3", "4. Αφαιρούμενοι χώροι m² (3)"},
      {1, 4, "Eidos27", "Είδος πυροσβεστήρα (2)"},
      {1, 5, "DTexnikes", "Δ. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ"},
      {3, 2, "Ygraerio", "Χρήση Υγραερίου"},
  };
  for (const auto& c : cases) {
    const dlg::TPageDesc& page = TabOf(c.type, c.tab).page();
    EXPECT_EQ(dlg::FieldCaptions(page.controls, page.bindings).at(c.field), c.caption) << c.field;
  }
}

// ---------------------------------------------------------------------------
// Check boxes of every page: only "Ναι" (yes/no texts) or the Latin "X"
// (marks) loads ticked, and a box stores one of its two values.

struct TBoxCase {
  const char* name;
  dlg::TBindKind kind;
  std::string stored;
  bool checked;
};

void PrintTo(const TBoxCase& c, std::ostream* os) { *os << c.name; }

class CheckBoxValues : public testing::TestWithParam<TBoxCase> {};

TEST_P(CheckBoxValues, LoadTicksOnlyOnItsOwnValueAndStoresOneOfItsTwo) {
  const TBoxCase& c = GetParam();
  int boxes = 0;
  for (const TTabCase& tab : AllTabs()) {
    TEntryPageFrame page(nullptr, tab.Tab());
    TPageRecord record = tab.Record();
    for (const dlg::TBinding& b : page.Bindings()) {
      if (b.kind == c.kind) record.Set(b.field, c.stored);
    }
    page.LoadFromRecord(record);
    TPageRecord out = tab.Record();
    page.StoreToRecord(out);
    // A page that wires a pair of boxes that exclude each other leaves one
    // of the pair clear when both load ticked.
    int cleared = 0;
    for (const dlg::TBinding& b : page.Bindings()) {
      if (b.kind != c.kind) continue;
      ++boxes;
      const bool ticked = Find<QCheckBox>(&page, b.control)->isChecked();
      if (ticked != c.checked) {
        EXPECT_TRUE(c.checked && tab.Tab().page().wire != nullptr && ++cleared == 1)
            << tab.family->name << " " << b.control;
      }
      const std::string on = c.kind == dlg::TBindKind::YesNo ? std::string(dlg::kYes) : "X";
      const std::string off = c.kind == dlg::TBindKind::YesNo ? std::string(dlg::kNo) : " ";
      EXPECT_EQ(out.Get(b.field), ticked ? on : off) << b.field;
    }
  }
  EXPECT_GT(boxes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CheckBoxValues,
    testing::Values(TBoxCase{"Nai", dlg::TBindKind::YesNo, Cp("Ναι"), true},
                    TBoxCase{"Oxi", dlg::TBindKind::YesNo, Cp("Οχι"), false},
                    TBoxCase{"empty", dlg::TBindKind::YesNo, "", false},
                    TBoxCase{"lower_nai", dlg::TBindKind::YesNo, Cp("ναι"), false},
                    TBoxCase{"capital_NAI", dlg::TBindKind::YesNo, Cp("ΝΑΙ"), false},
                    TBoxCase{"latin_Nai", dlg::TBindKind::YesNo, "Nai", false},
                    TBoxCase{"short_Na", dlg::TBindKind::YesNo, Cp("Να"), false},
                    TBoxCase{"X_as_yes", dlg::TBindKind::YesNo, "X", false},
                    TBoxCase{"X", dlg::TBindKind::Mark, "X", true},
                    TBoxCase{"blank", dlg::TBindKind::Mark, " ", false},
                    TBoxCase{"lower_x", dlg::TBindKind::Mark, "x", false},
                    TBoxCase{"greek_chi", dlg::TBindKind::Mark, Cp("Χ"), false},
                    TBoxCase{"Y", dlg::TBindKind::Mark, "Y", false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Particular cases of the pages.

TEST(Page2, Edit4ShowsNumberOfFloorsOfOrganizationAndStoresBoth) {
  TEntryPageFrame page(nullptr, TabOf(1, 1));
  TFlox03Pg2Data record;
  record.Set("Embado", "111");
  record.Set("NumberOfFloorsOfOrganization", "2222");
  page.LoadFromRecord(record);
  EXPECT_EQ(Find<dlg::TEdit>(&page, "Edit4")->Text(), Q("2222"));
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("Embado"), "2222");
  EXPECT_EQ(record.Get("NumberOfFloorsOfOrganization"), "2222");
}

TEST(Page2, TwoHundredTwentyTypedIntoEdit19StoreTwoHundred) {
  TEntryPageFrame page(nullptr, TabOf(1, 1));
  TFlox03Pg2Data record;
  page.LoadFromRecord(record);
  QString typed;
  for (int i = 0; i < 220; ++i) typed.append(QChar(u"αβγδεζηθικ"[i % 10]));
  Type(Find<QWidget>(&page, "Edit19"), typed);
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("EpikalupshDapedwn"), dlg::ToRecordBytes(typed.left(200)));
}

TEST(Page6, MemoNearTheLimitIsCutCountingLineBreaksAsTwo) {
  TEntryPageFrame page(nullptr, TabOf(1, 5));
  TFlox03Pg6Data record;
  page.LoadFromRecord(record);
  // 250 letters, a line break (two), then more: 252 fit, then 3 more letters.
  const QString text = QString(250, QLatin1Char('a')) + Q("\n") + Q("bcdefgh");
  Type(Find<QWidget>(&page, "Memo1"), text);
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("DTexnikes"), std::string(250, 'a') + "\r\nbcd");
  // A break that would straddle the 255th character is left out whole.
  auto* memo = Find<dlg::TMemo>(&page, "Memo2");
  memo->SetText(QString(254, QLatin1Char('z')) + Q("\r\nq"));
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("EOrganwsh"), std::string(254, 'z'));
}

TEST(Page6, TypingStopsAt255AndThatIsWhatIsStored) {
  TEntryPageFrame page(nullptr, TabOf(1, 5));
  TFlox03Pg6Data record;
  page.LoadFromRecord(record);
  QString typed;
  for (int i = 0; i < 320; ++i) typed.append(QChar('0' + i % 10));
  auto* memo = Find<dlg::TMemo>(&page, "Memo3");
  Type(memo, typed);
  EXPECT_EQ(memo->Length(), 255);
  EXPECT_FALSE(memo->Notice().isEmpty());
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("STFloxfragmoi"), dlg::ToRecordBytes(memo->Text()));
}

TEST(Page5, EidosAndAa25SurviveEditing) {
  TEntryPageFrame page(nullptr, TabOf(1, 4));
  TFlox03Pg5Data record;
  record.Set("Eidos25", Cp("Φακοί"));
  record.Set("aa25", "25");
  page.LoadFromRecord(record);
  Type(Find<QWidget>(&page, "Edit32"), Q("σχόλιο μακρύτερο από τριάντα χαρακτήρες"));
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("Eidos25"), Cp("Φακοί"));
  EXPECT_EQ(record.Get("aa25"), "25");
  EXPECT_EQ(record.Get("Comments25"), Cp("σχόλιο μακρύτερο από τριάντα χαρακτήρες").substr(0, 30));
}

TEST(Page1, WorkingHoursTakeAnyLengthAndStoreTen) {
  TEntryPageFrame page(nullptr, TabOf(1, 0));
  TFlox03Pg1Data record;
  page.LoadFromRecord(record);
  Type(Find<QWidget>(&page, "Edit18"), Q("από τις οκτώ το πρωί"));
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("Time1"), Cp("από τις οκ"));
}

TEST(Pages, RecordOfAnotherClassIsRefused) {
  TEntryPageFrame page(nullptr, TabOf(1, 0));
  TFlox03Pg2Data other;
  EXPECT_THROW(page.LoadFromRecord(other), std::invalid_argument);
  EXPECT_THROW(page.StoreToRecord(other), std::invalid_argument);
}

// ---------------------------------------------------------------------------
// The two sprinkler types: each change of one box sets the other to the
// opposite, whether a click or a load made it; setting a box to the state it
// has changes nothing.

struct TSprinklerCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> loads;  // YgrosTupos, JhrosTupos, loaded in turn
  std::vector<const char*> clicks;                         // "wet" or "dry"
  bool wet, dry;
};

void PrintTo(const TSprinklerCase& c, std::ostream* os) { *os << c.name; }

class Flox06Sprinkler : public testing::TestWithParam<TSprinklerCase> {};

TEST_P(Flox06Sprinkler, BoxesAndStoredMarks) {
  TEntryPageFrame page(nullptr, TabOf(3, 3));
  auto* wet = Find<QCheckBox>(&page, "CheckBox15");
  auto* dry = Find<QCheckBox>(&page, "CheckBox16");
  for (const auto& [ygros, jhros] : GetParam().loads) {
    TFlox06Pg4Data record;
    record.Set("YgrosTupos", ygros);
    record.Set("JhrosTupos", jhros);
    page.LoadFromRecord(record);
  }
  for (const char* click : GetParam().clicks) (std::string(click) == "wet" ? wet : dry)->click();
  EXPECT_EQ(wet->isChecked(), GetParam().wet);
  EXPECT_EQ(dry->isChecked(), GetParam().dry);
  TFlox06Pg4Data out;
  page.StoreToRecord(out);
  EXPECT_EQ(out.Get("YgrosTupos"), GetParam().wet ? "X" : " ");
  EXPECT_EQ(out.Get("JhrosTupos"), GetParam().dry ? "X" : " ");
}

INSTANTIATE_TEST_SUITE_P(
    Orders, Flox06Sprinkler,
    testing::Values(
        TSprinklerCase{"blanks_untouched", {{" ", " "}}, {}, false, false},
        TSprinklerCase{"wet_loaded", {{"X", " "}}, {}, true, false},
        TSprinklerCase{"dry_loaded", {{" ", "X"}}, {}, false, true},
        TSprinklerCase{"both_loaded_dry_wins", {{"X", "X"}}, {}, false, true},
        TSprinklerCase{"blanks_tick_wet", {{" ", " "}}, {"wet"}, true, false},
        TSprinklerCase{"blanks_tick_dry", {{" ", " "}}, {"dry"}, false, true},
        TSprinklerCase{"clearing_wet_ticks_dry", {{" ", " "}}, {"wet", "wet"}, false, true},
        TSprinklerCase{"wet_then_dry", {{"X", " "}}, {"dry"}, false, true},
        TSprinklerCase{"dry_cleared_ticks_wet", {{" ", "X"}}, {"dry"}, true, false},
        TSprinklerCase{"both_loaded_then_wet", {{"X", "X"}}, {"wet"}, true, false},
        TSprinklerCase{"blanks_after_wet_reload", {{"X", " "}, {" ", " "}}, {}, true, false},
        TSprinklerCase{"dry_after_wet_reload", {{"X", " "}, {" ", "X"}}, {}, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The team grid: in sub-team g, name row r, shift s (A, B, C), the edit is
// Edit(13(g-1) + 3r + 1 + s), bound to Omada<g>Orario<s>Onoma<r>.

TEST(Flox06Team, ThirtySixEditsFollowTheNumberingRule) {
  TEntryPageFrame page(nullptr, TabOf(3, 6));
  TFlox06Pg7Data record;
  std::set<std::string> edits;
  auto each = [](const std::function<void(const std::string&, const std::string&, int)>& f) {
    int n = 0;
    for (int g = 1; g <= 3; ++g)
      for (int r = 1; r <= 4; ++r)
        for (int s = 0; s < 3; ++s)
          f("Edit" + std::to_string(13 * (g - 1) + 3 * r + 1 + s),
            "Omada" + std::to_string(g) + "Orario" + char('A' + s) + "Onoma" + std::to_string(r), n++);
  };
  each([&](const std::string& edit, const std::string& field, int n) {
    record.Set(field, Cp("Όνομα ") + std::to_string(n));
    edits.insert(edit);
  });
  EXPECT_EQ(edits.size(), 36u);
  page.LoadFromRecord(record);
  each([&](const std::string& edit, const std::string& field, int n) {
    EXPECT_EQ(ControlText(&page, edit), Q("Όνομα ") + QString::number(n)) << edit << " <- " << field;
    Find<dlg::TEdit>(&page, edit)->clear();
    Type(Find<QWidget>(&page, edit), Q("Νέο ") + QString::number(n));
  });
  TFlox06Pg7Data out;
  page.StoreToRecord(out);
  each([&](const std::string& edit, const std::string& field, int n) {
    EXPECT_EQ(U(out, field.c_str()), "Νέο " + std::to_string(n)) << edit << " -> " << field;
  });
}

// ---------------------------------------------------------------------------
// What the user types beyond an input limit or a field's length.

struct TTypedCase {
  int page;  // 1..7
  const char* control;
  const char* field;
  int typed, stored;
};

TEST(Flox06Typed, CutToTheInputLimitOrTheField) {
  const TTypedCase cases[] = {
      {2, "Edit9", "SunolikhEpifaneia", 15, 7},  // limit 15, field 7
      {2, "Edit3", "Floor1", 8, 8},              // limit 8 fits the field of 15
      {3, "Memo2", "PrwtesYles", 300, 255},      // limit 400, field 255
      {3, "Edit35", "Monades7", 12, 10},         // the grid's last unit
      {4, "Edit12", "NumFirePlace", 4, 3},       // no limit, field 3
      {5, "Edit21", "Xwritikotita", 6, 4},
      {5, "Edit60", "Comments18", 60, 60},
      {6, "Edit44", "Time27", 20, 12},
      {6, "Edit46", "aa27", 3, 2},
      {7, "Edit41", "Omada3OrarioCOnoma4", 101, 100},
      {7, "Memo1", "Texnikes", 350, 255},
  };
  for (const TTypedCase& c : cases) {
    const TTabCase tab{FindStudyFamily(3), c.page - 1};
    TEntryPageFrame page(nullptr, tab.Tab());
    page.LoadFromRecord(tab.Record());
    QString typed;
    for (int i = 0; i < c.typed; ++i) typed.append(QChar(u"αβγδεζηθικ"[i % 10]));
    Type(Find<QWidget>(&page, c.control), typed);
    TPageRecord record = tab.Record();
    page.StoreToRecord(record);
    EXPECT_EQ(record.Get(c.field), dlg::ToRecordBytes(typed.left(c.stored))) << c.control;
  }
}

}  // namespace

// A page's own face and size per control, and the handlers it wires between
// its controls: two mutually exclusive boxes whose handlers run on every real
// change of state, by the user or by a load, and never for a box set to the
// state it already has.
namespace wiring {

int g_changes = 0;

void Wire(TEntryPageFrame& page) {
  auto* wet = dlg::Find<QCheckBox>(page, "Wet");
  auto* dry = dlg::Find<QCheckBox>(page, "Dry");
  for (auto [box, other] : {std::pair{wet, dry}, std::pair{dry, wet}}) {
    QObject::connect(box, &QCheckBox::toggled, &page, [other](bool on) {
      ++g_changes;
      if (on) other->setChecked(false);
    });
  }
}

constexpr dlg::TControlDef kControls[] = {
    dlg::Head("Τίτλος", 8, 4).Font("Arial", 12),
    dlg::Lbl("Κείμενο", 8, 30).Font("Courier New", 10, dlg::csUnderline),
    dlg::Chk("Wet", "Υγρού", 8, 60, 120),
    dlg::Chk("Dry", "Ξηρού", 8, 84, 120),
};
constexpr dlg::TBinding kBindings[] = {
    {"Wet", "YgrosTupos", dlg::TBindKind::Mark},
    {"Dry", "JhrosTupos", dlg::TBindKind::Mark},
};
const dlg::TPageDesc& Desc() {
  static const dlg::TPageDesc desc{kControls, kBindings, &Wire, {"Arial", 8}};
  return desc;
}
constexpr dlg::TTabDef kTab{"Wired", 3, &Desc, "WiredPage", &flox03::kPage3Preview};

TEST(WiredPage, FacesAndHandlersComeFromThePageTables) {
  g_changes = 0;
  TEntryPageFrame page(nullptr, kTab);
  auto* wet = page.findChild<QCheckBox*>(QStringLiteral("Wet"));
  auto* dry = page.findChild<QCheckBox*>(QStringLiteral("Dry"));
  const QList<QLabel*> labels = page.Panel1->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 2);
  EXPECT_EQ(labels[0]->font().family(), platform::ScreenFontFamily("Arial"));
  EXPECT_EQ(labels[0]->font().pixelSize(), 16);
  EXPECT_TRUE(labels[0]->font().bold());
  EXPECT_EQ(labels[1]->font().family(), platform::ScreenFontFamily("Courier New"));
  EXPECT_TRUE(labels[1]->font().underline());
  EXPECT_FALSE(labels[1]->font().bold());
  EXPECT_EQ(wet->font().pixelSize(), 11) << "the page's own size, Arial 8";
  EXPECT_EQ(g_changes, 0);

  TFlox03Pg3Data record;
  record.Set("JhrosTupos", "X");
  page.LoadFromRecord(record);  // by load: Dry turns on
  EXPECT_EQ(g_changes, 1);
  wet->setChecked(true);  // by the user: Wet on turns Dry off
  EXPECT_FALSE(dry->isChecked());
  EXPECT_EQ(g_changes, 3);
  wet->setChecked(true);  // the state it already has: no handler
  EXPECT_EQ(g_changes, 3);
  TFlox03Pg3Data out;
  page.StoreToRecord(out);
  EXPECT_EQ(out.Get("YgrosTupos"), "X");
  EXPECT_EQ(out.Get("JhrosTupos"), " ");
}

}  // namespace wiring
