// What a user of the data-entry dialogs meets beyond the values: where the
// caret starts and where the Tab key goes, the help button of tabs without
// help, whole lines in memos, whole values in tooltips, remarks columns that
// widen with the window, names for screen readers, the line that tells of
// input left out, and the live mark of fields the printed page cuts.
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/controls.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/entry_page.h"
#include "dialogs/field_captions.h"
#include "entry/study_fit.h"
#include "entry_test_support.h"

namespace {

using namespace entrytest;

// A family's dialog loaded from fresh records.
struct TOpenDialog {
  explicit TOpenDialog(const TStudyFamily& family) : dialog(nullptr, family.dialog) {
    std::vector<const TPageRecord*> in;
    for (const int slot : family.Slots()) in.push_back(&records.emplace_back(StudySlotClass(slot)));
    dialog.LoadPages(in);
  }
  std::deque<TPageRecord> records;
  TEntryDialog dialog;
};

class DialogUse : public testing::TestWithParam<const TStudyFamily*> {};

TEST_P(DialogUse, OpensInTheFirstFieldAndTabLeavesEachPageForTheButtons) {
  TOpenDialog open(*GetParam());
  TEntryDialog& dialog = open.dialog;
  dialog.PageControl1->setCurrentIndex(2);
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
  QWidget* first = dialog.Page(0)->FirstField();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(dialog.PageControl1->currentIndex(), 0);
  EXPECT_EQ(dialog.focusWidget(), first) << (dialog.focusWidget() ? dialog.focusWidget()->metaObject()->className() : "none");
  for (int k = 0; k < dialog.PageCount(); ++k) {
    SCOPED_TRACE("tab " + std::to_string(k));
    dialog.PageControl1->setCurrentIndex(k);
    // The last stop of the page in table order, found by walking Tab from the first.
    QWidget* w = dialog.Page(k)->FirstField();
    ASSERT_NE(w, nullptr);
    w->setFocus();
    QWidget* last = w;
    for (int n = 0; n < 400 && dialog.Page(k)->isAncestorOf(dialog.focusWidget()); ++n) {
      last = dialog.focusWidget();
      Key(last, Qt::Key_Tab, QString());
    }
    QWidget* after = dialog.focusWidget();
    ASSERT_NE(after, nullptr);
    EXPECT_TRUE(qobject_cast<QPushButton*>(after) != nullptr || qobject_cast<QTabBar*>(after) != nullptr)
        << "after " << last->objectName().toStdString() << " Tab goes to " << after->metaObject()->className();
    // The help button keeps its place and caption; it works where the tab has help.
    EXPECT_EQ(dialog.HelpBtn->isEnabled(), dialog.Page(k)->Tab().help != nullptr);
    EXPECT_TRUE(dialog.HelpBtn->isVisible());
  }
  // Every button of the bar has an Alt shortcut, each its own.
  std::set<QString> keys;
  for (QPushButton* b : {dialog.PreviewBtn, dialog.PrintBtn, dialog.HelpBtn, dialog.CloseBtn}) {
    const QKeySequence key = QKeySequence::mnemonic(b->text());
    EXPECT_FALSE(key.isEmpty()) << b->text().toStdString();
    keys.insert(key.toString());
  }
  EXPECT_EQ(keys.size(), 4u);
  dialog.close();
}

INSTANTIATE_TEST_SUITE_P(Families, DialogUse, testing::ValuesIn(Families()), FamilyName);

// ---------------------------------------------------------------------------

class PageUse : public testing::TestWithParam<TTabCase> {};

TEST_P(PageUse, EveryInputIsNamedForScreenReadersByItsCaption) {
  TEntryPageFrame page(nullptr, GetParam().Tab());
  const auto captions = dlg::FieldCaptions(page.Controls(), page.Bindings());
  std::set<QString> textNames;
  int inputs = 0;
  for (QWidget* w : page.Panel1->findChildren<QWidget*>()) {
    const bool text = qobject_cast<dlg::TEdit*>(w) || qobject_cast<dlg::TMemo*>(w);
    if (!text && !qobject_cast<QCheckBox*>(w) && !qobject_cast<dlg::TRadioGroup*>(w)) continue;
    ++inputs;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(face, nullptr);
    const QString name = face->text(QAccessible::Name);
    EXPECT_FALSE(name.trimmed().isEmpty()) << w->objectName().toStdString();
    if (text) {
      EXPECT_TRUE(textNames.insert(name).second) << "two fields read " << name.toStdString();
    }
  }
  EXPECT_GT(inputs, 0);
  // A bound field reads as the fit check names it.
  for (const dlg::TBinding& b : page.Bindings()) {
    QWidget* w = page.Panel1->findChild<QWidget*>(QString::fromLatin1(b.control));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString(), captions.at(b.field));
  }
}

TEST_P(PageUse, MemosShowWholeLinesOnly) {
  TEntryPageFrame page(nullptr, GetParam().Tab());
  // Full memos: their scroll bar must not take the room of the lines.
  QString lines = Q("Γραμμή\n");  // the first block one line high
  for (int n = 1; n <= 12; ++n) lines += Q("Γραμμή %1 του σημειώματος, αρκετά μεγάλη ώστε να αναδιπλώνεται\n").arg(n);
  for (dlg::TMemo* memo : page.Panel1->findChildren<dlg::TMemo*>()) memo->SetText(lines);
  page.show();
  QApplication::processEvents();
  for (dlg::TMemo* memo : page.Panel1->findChildren<dlg::TMemo*>()) {
    SCOPED_TRACE(memo->objectName().toStdString());
    const QAbstractTextDocumentLayout* layout = memo->document()->documentLayout();
    const int line = static_cast<int>(layout->blockBoundingRect(memo->document()->firstBlock()).height());
    EXPECT_EQ(memo->LineHeight(), line);
    EXPECT_GE(memo->viewport()->height(), line);
    EXPECT_EQ(memo->viewport()->height() % line, 0) << memo->viewport()->height() << " / " << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Families, PageUse, testing::ValuesIn(AllTabs()), TabName);

// ---------------------------------------------------------------------------

TEST(EditToolTip, ShowsTheWholeValueOnlyWhenItIsWiderThanTheBox) {
  dlg::TEdit edit;
  edit.resize(104, dlg::kRowH);
  edit.show();
  Type(&edit, Q("Αυλή"));
  EXPECT_FALSE(edit.TextOverflows());
  EXPECT_TRUE(edit.toolTip().isEmpty());
  Type(&edit, Q(", κοντά στο σωρό των ξύλων <πίσω>"));
  EXPECT_TRUE(edit.TextOverflows());
  EXPECT_TRUE(edit.toolTip().contains(Q("κοντά στο σωρό των ξύλων &lt;πίσω&gt;"))) << edit.toolTip().toStdString();
  edit.resize(600, dlg::kRowH);
  EXPECT_TRUE(edit.toolTip().isEmpty());
}

TEST(GridColumns, TheRemarksColumnTakesTheRoomOfAWiderWindow) {
  const TStudyFamily& industry = *FindStudyFamily(3);
  TOpenDialog open(industry);
  TEntryDialog& dialog = open.dialog;
  dialog.show();
  dialog.PageControl1->setCurrentIndex(4);
  QApplication::processEvents();
  TEntryPageFrame* page = dialog.Page(4);
  QWidget* remarks = page->TextControlOf("Comments1");
  QWidget* kind = page->TextControlOf("Poso1");
  ASSERT_NE(remarks, nullptr);
  ASSERT_NE(kind, nullptr);
  const int placed = remarks->property(dlg::kPlacedWidthProperty).toInt();
  EXPECT_EQ(placed, 104);
  const int kindWidth = kind->width();
  dialog.resize(dialog.width() + 300, dialog.height());
  QApplication::processEvents();
  EXPECT_EQ(remarks->width(), placed + page->width() - page->PlacedSize().width());
  EXPECT_GE(remarks->width(), placed + 250);
  EXPECT_LE(remarks->geometry().right(), page->width());
  EXPECT_EQ(kind->width(), kindWidth);
  dialog.close();
}

// ---------------------------------------------------------------------------
// The live mark of text the printed page cuts, with the fit check's own
// layout.

// The "Πόλη" and "Οδός" edits of a family's first tab (the industry study's
// of its seat: the plant's city edit takes no more than prints).
struct TCityCase {
  std::uint8_t type;
  const char* city;
  const char* street;
};
class LiveFit : public testing::TestWithParam<TCityCase> {};

TEST_P(LiveFit, ALongCityIsMarkedWhileTypedAndUnmarkedWhenCleared) {
  const TStudyFamily& family = *FindStudyFamily(GetParam().type);
  TOpenDialog open(family);
  TEntryDialog& dialog = open.dialog;
  dialog.SetFitChecker(FitCheckerOf(family));
  dialog.show();
  TEntryPageFrame* page = dialog.Page(0);
  auto* city = qobject_cast<dlg::TEdit*>(page->TextControlOf(GetParam().city));
  auto* street = qobject_cast<dlg::TEdit*>(page->TextControlOf(GetParam().street));
  ASSERT_NE(city, nullptr);
  ASSERT_NE(street, nullptr);
  EXPECT_EQ(dialog.CutFieldCount(0), 0);
  EXPECT_FALSE(city->property(dlg::kFitCutProperty).toBool());

  const QString longCity = Q("Νέα Σμύρνη, Παλαιό Φάληρο και Καλλιθέα Αττικής");
  Type(city, longCity);
  // The tab is checked again by itself once typing pauses.
  QElapsedTimer waited;
  waited.start();
  while (!city->property(dlg::kFitCutProperty).toBool() && waited.elapsed() < 3000) QApplication::processEvents();
  // The mark and the words of the fit check for the record as it prints now.
  const std::vector<TCutField> cut = FindCutFieldsOfTab(family, 0, page->CurrentRecord());
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].field, GetParam().city);
  EXPECT_TRUE(city->property(dlg::kFitCutProperty).toBool());
  const QString words = Q("Στο έντυπο τυπώνονται %1 από %2 χαρακτήρες")
                            .arg(cut[0].fit.charactersShown)
                            .arg(city->Text().size());
  EXPECT_TRUE(city->toolTip().contains(words)) << city->toolTip().toStdString();
  EXPECT_EQ(dialog.CutFieldCount(0), 1);
  // The bar tells of the typing cut short at the edit's limit beside the summary.
  EXPECT_TRUE(dialog.Status->text().contains(Q("1 πεδίο δεν χωράει στο έντυπο"))) << dialog.Status->text().toStdString();
  EXPECT_TRUE(dialog.Status->text().contains(Q("Το πεδίο χωράει έως"))) << dialog.Status->text().toStdString();
  city->clearFocus();
  emit dialog.Status->linkActivated(QStringLiteral("#cut"));  // the summary leads to the field
  EXPECT_EQ(dialog.focusWidget(), city);

  Type(street, Q("ΛΕΩΦΟΡΟΣ ΚΩΝΣΤΑΝΤΙΝΟΥ ΚΑΡΑΜΑΝΛΗ ΚΑΙ ΑΛΕΞΑΝΔΡΑΣ ΠΑΠΑΝΑΣΤΑΣΙΟΥ"));
  dialog.FlushFitCheck();
  EXPECT_EQ(dialog.CutFieldCount(0), 2);
  EXPECT_TRUE(dialog.Status->text().contains(Q("2 πεδία δεν χωρούν στο έντυπο")));
  EXPECT_EQ(dialog.PageControl1->tabToolTip(0), Q("2 πεδία δεν χωρούν στο έντυπο"));

  city->clear();
  street->clear();
  QGuiApplication::clipboard()->setText(Q("Αθήνα ✓ 中文"));
  city->paste();
  EXPECT_EQ(city->Text(), Q("Αθήνα  "));
  dialog.FlushFitCheck();
  EXPECT_TRUE(dialog.Status->text().contains(Q("Χαρακτήρες που δεν υποστηρίζονται παραλείφθηκαν: ✓ 中 文")));
  EXPECT_FALSE(city->property(dlg::kFitCutProperty).toBool());
  EXPECT_FALSE(city->toolTip().contains(Q("Στο έντυπο")));
  EXPECT_EQ(dialog.CutFieldCount(0), 0);
  EXPECT_FALSE(dialog.Status->text().contains(Q("έντυπο"))) << dialog.Status->text().toStdString();
  dialog.PageControl1->setCurrentIndex(1);  // another tab starts without the notice
  EXPECT_TRUE(dialog.Status->text().isEmpty());
  dialog.close();
}

INSTANTIATE_TEST_SUITE_P(Families, LiveFit,
                         testing::Values(TCityCase{1, "Polh", "Odos"}, TCityCase{3, "Polh1", "Odos1"},
                                         TCityCase{4, "Polh", "Odos"}),
                         [](const auto& info) { return "type" + std::to_string(info.param.type); });

}  // namespace
