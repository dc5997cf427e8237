// The industry study's data-entry dialog: each page's bindings walked from
// its own table, the odd stored values of the two kinds of check box, the
// pair of sprinkler types, the team grid's numbering, typed text cut at the
// input limit or the field, and the dialog as a user meets it (first tab,
// per-page preview, the edit action of Flox03A).
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/controls.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/flox06/flox06_indata.h"
#include "dialogs/flox06/flox06_pages.h"
#include "dialogs/text_codec.h"
#include "entry/study_document.h"
#include "include/flox03.h"
#include "records/study_file.h"
#include "reportengine/output.h"
#include "support/pdf_text.h"
#include "entry_test_support.h"

namespace {

using entrytest::ControlText;
using entrytest::Cp;
using entrytest::Distinct;
using entrytest::Find;
using entrytest::Q;
using entrytest::TModalWatcher;
using entrytest::Type;
using entrytest::U;

struct TPageCase {
  const char* name;
  std::function<TEntryPageFrame*()> make;
  std::function<std::unique_ptr<TPageRecord>()> record;
  std::set<std::string> unbound;  // fields no control of the page edits
};

void PrintTo(const TPageCase& c, std::ostream* os) { *os << c.name; }

template <class Frame, class Record>
TPageCase Page(const char* name, std::set<std::string> unbound = {}) {
  return {name, [] { return new Frame(nullptr); }, [] { return std::make_unique<Record>(); }, std::move(unbound)};
}

const std::vector<TPageCase>& Pages() {
  static const std::vector<TPageCase> pages = {
      Page<TFlox06Page1Frame, TFlox06Pg1Data>("Page1"),
      Page<TFlox06Page2Frame, TFlox06Pg2Data>("Page2"),
      Page<TFlox06Page3Frame, TFlox06Pg3Data>("Page3"),
      Page<TFlox06Page4Frame, TFlox06Pg4Data>("Page4"),
      // Row 19 of the first list is edited on no page.
      Page<TFlox06Page5Frame, TFlox06Pg5Data>("Page5", {"Poso19", "Symbol19", "Use19", "Time19", "Comments19"}),
      Page<TFlox06Page6Frame, TFlox06Pg6Data>("Page6"),
      Page<TFlox06Page7Frame, TFlox06Pg7Data>("Page7"),
  };
  return pages;
}

class Flox06Page : public testing::TestWithParam<TPageCase> {
 protected:
  void SetUp() override { page.reset(GetParam().make()); }

  // Every text distinct; the check boxes alternately ticked and clear in
  // table order (so the sprinkler pair loads as wet only); radio groups
  // their Μικτή code.
  std::unique_ptr<TPageRecord> Distinctive() const {
    auto record = GetParam().record();
    for (std::size_t i = 0; i < record->PropCount(); ++i) {
      const TPropInfo& prop = record->Class().props[i];
      if (prop.kind == TPropKind::Text) record->Set(i, Distinct(i, prop.maxLen));
    }
    int box = 0;
    for (const dlg::TBinding& b : page->Bindings()) {
      const bool on = box % 2 == 0;
      if (b.kind == dlg::TBindKind::YesNo) record->Set(b.field, std::string(on ? dlg::kYes : dlg::kNo)), ++box;
      if (b.kind == dlg::TBindKind::Mark) record->Set(b.field, std::string(1, on ? dlg::kMark : dlg::kNoMark)), ++box;
      if (b.kind == dlg::TBindKind::Radio) record->Set(b.field, Cp("Ι"));
    }
    return record;
  }

  std::unique_ptr<TEntryPageFrame> page;
};

TEST_P(Flox06Page, EveryFieldIsBoundOnceOrKeptAsItWas) {
  auto record = GetParam().record();
  std::multiset<std::string> bound;
  for (const dlg::TBinding& b : page->Bindings()) bound.insert(b.field);
  for (const TPropInfo& prop : record->Class().props) {
    EXPECT_EQ(bound.count(prop.name), GetParam().unbound.count(prop.name) ? 0u : 1u) << prop.name;
  }
  EXPECT_EQ(bound.size() + GetParam().unbound.size(), record->PropCount());
}

TEST_P(Flox06Page, LoadShowsEveryFieldAndStoreWritesItBack) {
  auto record = Distinctive();
  page->LoadFromRecord(*record);
  for (const dlg::TBinding& b : page->Bindings()) {
    if (b.kind == dlg::TBindKind::Text) {
      EXPECT_EQ(ControlText(page.get(), b.control), dlg::FromRecordBytes(record->Get(b.field))) << b.control;
    } else if (b.kind != dlg::TBindKind::Radio) {
      const bool on = record->Get(b.field) == dlg::kYes || record->Get(b.field) == "X";
      EXPECT_EQ(Find<QCheckBox>(page.get(), b.control)->isChecked(), on) << b.control;
    }
  }
  for (std::size_t i = 0; i < record->PropCount(); ++i) EXPECT_EQ(page->WorkingRecord().Get(i), record->Get(i));
  // Into a fresh record: every bound field as loaded, the unbound ones untouched.
  auto fresh = GetParam().record();
  page->StoreToRecord(*fresh);
  const auto blank = GetParam().record();
  for (std::size_t i = 0; i < fresh->PropCount(); ++i) {
    const std::string name = fresh->Class().props[i].name;
    EXPECT_EQ(fresh->Get(i), GetParam().unbound.count(name) ? blank->Get(i) : record->Get(i)) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Industry, Flox06Page, testing::ValuesIn(Pages()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Odd stored values of the yes/no and mark boxes load clear and store the
// clear value, on every page that has such boxes.

struct TOddCase {
  const char* name;
  dlg::TBindKind kind;
  std::string stored;
};

void PrintTo(const TOddCase& c, std::ostream* os) { *os << c.name; }

class Flox06OddBox : public testing::TestWithParam<TOddCase> {};

TEST_P(Flox06OddBox, LoadsClearAndStoresTheClearValue) {
  int boxes = 0;
  for (const TPageCase& pageCase : Pages()) {
    std::unique_ptr<TEntryPageFrame> page(pageCase.make());
    auto record = pageCase.record();
    for (const dlg::TBinding& b : page->Bindings())
      if (b.kind == GetParam().kind) record->Set(b.field, GetParam().stored);
    page->LoadFromRecord(*record);
    auto out = pageCase.record();
    page->StoreToRecord(*out);
    for (const dlg::TBinding& b : page->Bindings()) {
      if (b.kind != GetParam().kind) continue;
      ++boxes;
      EXPECT_FALSE(Find<QCheckBox>(page.get(), b.control)->isChecked()) << pageCase.name << " " << b.control;
      EXPECT_EQ(out->Get(b.field), b.kind == dlg::TBindKind::YesNo ? std::string(dlg::kNo) : " ") << b.field;
    }
  }
  // Page 2: 1, page 3: 4, page 4: 10 yes/no boxes; page 4: 4 mark boxes.
  EXPECT_EQ(boxes, GetParam().kind == dlg::TBindKind::YesNo ? 15 : 4);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Flox06OddBox,
    testing::Values(TOddCase{"lower_nai", dlg::TBindKind::YesNo, Cp("ναι")},
                    TOddCase{"capital_NAI", dlg::TBindKind::YesNo, Cp("ΝΑΙ")},
                    TOddCase{"short_Na", dlg::TBindKind::YesNo, Cp("Να")},
                    TOddCase{"latin_Nai", dlg::TBindKind::YesNo, "Nai"},
                    TOddCase{"empty", dlg::TBindKind::YesNo, ""},
                    TOddCase{"lower_x", dlg::TBindKind::Mark, "x"},
                    TOddCase{"greek_chi", dlg::TBindKind::Mark, Cp("Χ")},
                    TOddCase{"blank", dlg::TBindKind::Mark, " "}),
    [](const auto& info) { return std::string(info.param.name); });

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
  TFlox06Page4Frame page(nullptr);
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
  TFlox06Page7Frame page(nullptr);
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
    const TPageCase& pageCase = Pages()[static_cast<std::size_t>(c.page - 1)];
    std::unique_ptr<TEntryPageFrame> page(pageCase.make());
    page->LoadFromRecord(*pageCase.record());
    QString typed;
    for (int i = 0; i < c.typed; ++i) typed.append(QChar(u"αβγδεζηθικ"[i % 10]));
    Type(Find<QWidget>(page.get(), c.control), typed);
    auto record = pageCase.record();
    page->StoreToRecord(*record);
    EXPECT_EQ(record->Get(c.field), dlg::ToRecordBytes(typed.left(c.stored))) << c.control;
  }
}

}  // namespace

namespace {

// ---------------------------------------------------------------------------
// The dialog as a user meets it.

struct TRecords {
  TFlox06Pg1Data r1;
  TFlox06Pg2Data r2;
  TFlox06Pg3Data r3;
  TFlox06Pg4Data r4;
  TFlox06Pg5Data r5;
  TFlox06Pg6Data r6;
  TFlox06Pg7Data r7;
  std::vector<const TPageRecord*> In() const { return {&r1, &r2, &r3, &r4, &r5, &r6, &r7}; }
  std::vector<TPageRecord*> Out() { return {&r1, &r2, &r3, &r4, &r5, &r6, &r7}; }
};

TEST(Flox06InData, OpensOnTheFirstOfSevenTabs) {
  TEntryDialog dialog(nullptr, kFlox06InData);
  ASSERT_EQ(dialog.PageCount(), 7);
  dialog.PageControl1->setCurrentIndex(6);
  dialog.show();
  QApplication::processEvents();
  EXPECT_EQ(dialog.PageControl1->currentIndex(), 0);
  EXPECT_EQ(dialog.PageControl1->tabText(0), Q("Επιχείρηση"));
  EXPECT_EQ(dialog.windowTitle(), Q("Δεδομένα Ενεργητικής Πυροπροστασίας Βιομηχανίες-Βιοτεχνίες"));
}

// Each tab previews its own report page with what is on screen, while the
// records handed to the dialog keep what they held.
TEST(Flox06InData, EveryTabPreviewsItsUnsavedEdits) {
  TEntryDialog dialog(nullptr, kFlox06InData);
  TRecords records;
  records.r7.Set("Texnikes", Cp("ΚΡΥΦΟ ΚΕΙΜΕΝΟ"));
  dialog.LoadPages(records.In());
  const char* edits[] = {"Edit1", "Edit11", "Edit5", "Edit4", "Edit2", "Edit5", "Edit1"};
  for (int tab = 0; tab < 7; ++tab) {
    const QString mark = Q("ΣΗΜΑΔΙ") + QString(QChar(0x0391 + tab));
    Type(Find<QWidget>(dialog.Page(tab), edits[tab]), mark);
    qr::TCaptureSink sink;
    dialog.PageControl1->setCurrentIndex(tab);
    dialog.PreviewBtnClick();
    ASSERT_EQ(sink.Runs().size(), 1u) << tab;
    EXPECT_EQ(sink.Runs()[0].pageCount, 1);
    const std::string text = PdfText(sink.Runs()[0].pdf);
    EXPECT_NE(text.find(mark.toStdString()), std::string::npos) << "tab " << tab << ":\n" << text;
    if (tab == 6) {
      EXPECT_EQ(text.find("ΚΡΥΦΟ ΚΕΙΜΕΝΟ"), std::string::npos) << "page 7 does not print Texnikes";
    }
    for (const TPageRecord* record : records.In())
      for (std::size_t i = 0; i < record->PropCount(); ++i)
        EXPECT_EQ(Cp1253ToUtf8(record->Get(i)).find("ΣΗΜΑΔΙ"), std::string::npos) << "records untouched";
  }
}

}  // namespace

namespace {

// Flox03A editing a new industry study: the legal basis shown on the first
// tab, a field typed on every tab, the wet sprinkler type ticked over the
// dry one, page 4 previewed, the dialog closed; the file holds all of it.
TEST(Flox06Edit, NewFileHoldsWhatWasTypedOnEveryTab) {
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("new.flx")).toStdString();
  const char* edits[] = {"Edit1", "Edit24", "Edit8", "Edit4", "Edit2", "Edit66", "Edit41"};
  std::string suntaxh, previewText;
  qr::TCaptureSink sink;
  TModalWatcher watcher([&](QWidget* modal) {
    auto* dialog = dynamic_cast<TEntryDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->PageControl1->currentIndex(), 0);
    suntaxh = Find<dlg::TMemo>(dialog->Page(0), "Memo1")->Text().toStdString();
    for (int tab = 0; tab < 7; ++tab) {
      dialog->PageControl1->setCurrentIndex(tab);
      Type(Find<QWidget>(dialog->Page(tab), edits[tab]), Q("Καρτέλα ") + QString::number(tab + 1));
    }
    Find<QCheckBox>(dialog->Page(3), "CheckBox16")->click();
    Find<QCheckBox>(dialog->Page(3), "CheckBox15")->click();
    dialog->PageControl1->setCurrentIndex(3);
    dialog->PreviewBtn->click();
    if (!sink.Runs().empty()) previewText = PdfText(sink.Runs().back().pdf);
    dialog->CloseBtn->click();
  });
  Flox03A(0, file.c_str(), nullptr, 1, 3);  // edit a type-3 study
  EXPECT_TRUE(watcher.Seen());
  EXPECT_EQ(suntaxh, "  Π.Δ. 71/88  Αρθρο11  και Απόφ. 5905/Φ15/839  ΦΕΚ611/12/7/95");
  EXPECT_NE(previewText.find("Καρτέλα 4"), std::string::npos) << previewText;
  TFlox03Pages reread;
  ASSERT_TRUE(TStudyFile(file, TStudyFile::TUse::Read).Load(reread.Records()));
  const char* fields[] = {"TitlosEpixeirhshs", "OdosProspelashs", "Perigrafh1", "Perioxh1", "Comments1",
                          "Comments30",        "Omada3OrarioCOnoma4"};
  for (int tab = 0; tab < 7; ++tab)
    EXPECT_EQ(U(reread.Slot(7 + tab), fields[tab]), "Καρτέλα " + std::to_string(tab + 1)) << fields[tab];
  EXPECT_EQ(reread.Slot(10).Get("YgrosTupos"), "X");
  EXPECT_EQ(reread.Slot(10).Get("JhrosTupos"), " ");
  EXPECT_EQ(U(reread.Slot(7), "Suntaxh"), suntaxh);
  // The other families' records are not touched.
  EXPECT_EQ(reread.Slot(2).Get("EidosFerousa"), " ");
}

}  // namespace
