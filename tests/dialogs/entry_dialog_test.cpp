// The general study's data-entry dialog as a user meets it: the window, the
// tabs and the button bar, closing in every way, the per-page preview and
// print, the help of each tab, the layout of every page, the Tab key, and the
// edit action of the study document around the dialog.
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/controls.h"
#include "dialogs/flox03/flox03_help.h"
#include "dialogs/flox03/flox03_indata.h"
#include "dialogs/flox06/flox06_help.h"
#include "dialogs/flox06/flox06_indata.h"
#include "dialogs/flox07/flox07_indata.h"
#include "entry/study_document.h"
#include "entry/study_families.h"
#include "include/flox03.h"
#include "records/study_file.h"
#include "reportengine/output.h"
#include "support/pdf_text.h"
#include "entry_test_support.h"

namespace {

using entrytest::Cp;
using entrytest::Q;
using entrytest::TModalWatcher;
using entrytest::Type;
using entrytest::U;

template <class T>
T* Find(QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

// The six records of the general study, with a few values.
struct TRecords {
  TFlox03Pg1Data r1;
  TFlox03Pg2Data r2;
  TFlox03Pg3Data r3;
  TFlox03Pg4Data r4;
  TFlox03Pg5Data r5;
  TFlox03Pg6Data r6;
  void LoadInto(TFlox03InData& dialog) {
    const TPageRecord* records[] = {&r1, &r2, &r3, &r4, &r5, &r6};
    dialog.LoadPages(records);
  }
  void StoreFrom(TFlox03InData& dialog) {
    TPageRecord* records[] = {&r1, &r2, &r3, &r4, &r5, &r6};
    dialog.StorePages(records);
  }
};

// ---------------------------------------------------------------------------
// The window, the tabs and the buttons.

TEST(InDataWindow, CaptionBorderSizeAndFont) {
  TFlox03InData dialog;
  EXPECT_EQ(dialog.windowTitle(), Q("Δεδομένα Ενεργητικής Πυροπροστασίας"));
  EXPECT_EQ(dialog.size(), QSize(655, 514));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  const Qt::WindowFlags flags = dialog.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
  EXPECT_TRUE(dialog.isModal());
  EXPECT_EQ(dialog.font().family(), Q("Liberation Sans"));
  EXPECT_EQ(dialog.font().pixelSize(), 11);
}

TEST(InDataWindow, SixTabsInPageOrder) {
  TFlox03InData dialog;
  const char* captions[] = {"Επιχείρηση",    "Οικοδομική Σύσταση", "Μέτρα Πυροπροστασίας",
                            "Πυροσβεστήρες", "Πυροσβεστήρες",      "Ομάδες Πυρόσβεσης"};
  ASSERT_EQ(dialog.PageCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(dialog.PageControl1->tabText(i), Q(captions[i])) << i;
  EXPECT_EQ(dialog.Page(0), dialog.Flox03Page1Frame1);
  EXPECT_EQ(dialog.Page(3), dialog.Flox03Page4Frame1);
  EXPECT_EQ(dialog.Page(5), dialog.Flox03Page6Frame1);
  EXPECT_EQ(dialog.Page(-1), nullptr);
  EXPECT_EQ(dialog.Page(6), nullptr);
  EXPECT_EQ(dialog.Flox03Page2Frame1->objectName(), Q("Flox03Page2Frame1"));
  EXPECT_EQ(dialog.PageControl1->currentIndex(), 0);
}

TEST(InDataWindow, EveryTabCaptionIsShownWhole) {
  TFlox03InData dialog;
  dialog.show();
  QApplication::processEvents();
  QTabBar* bar = dialog.PageControl1->tabBar();
  const int last = bar->count() - 1;
  EXPECT_LE(bar->tabRect(last).right(), dialog.PageControl1->width()) << "the last tab runs off the dialog";
  for (int i = 0; i <= last; ++i) {
    EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i))) << i;
  }
  dialog.hide();
}

TEST(InDataWindow, ButtonBar) {
  TFlox03InData dialog;
  dialog.show();
  QApplication::processEvents();
  EXPECT_EQ(dialog.Panel1->height(), 33);
  EXPECT_EQ(dialog.Panel1->geometry().bottom(), dialog.height() - 1);
  struct {
    QPushButton* button;
    const char* name;
    const char* caption;
    QSize glyph;
  } buttons[] = {{dialog.PreviewBtn, "PreviewBtn", "Προεπισκόπηση", {23, 21}},
                 {dialog.PrintBtn, "PrintBtn", "Εκτύπωση", {16, 16}},
                 {dialog.HelpBtn, "HelpBtn", "Οδηγίες συμπλήρωσης", {16, 16}},
                 {dialog.CloseBtn, "CloseBtn", "Επιστροφή", {16, 16}}};
  for (const auto& b : buttons) {
    EXPECT_EQ(b.button->objectName(), Q(b.name));
    EXPECT_EQ(b.button->text(), Q(b.caption));
    EXPECT_EQ(b.button->iconSize(), b.glyph) << b.name;
    EXPECT_FALSE(b.button->icon().isNull()) << b.name;
    EXPECT_FALSE(b.button->isDefault()) << b.name;
    EXPECT_FALSE(b.button->autoDefault()) << b.name;
    EXPECT_GE(b.button->width(), b.button->sizeHint().width()) << b.name;
  }
  // Preview and print at the left, help and close at the right end.
  EXPECT_LT(dialog.PreviewBtn->x(), dialog.PrintBtn->x());
  EXPECT_LT(dialog.PrintBtn->geometry().right() + 100, dialog.HelpBtn->x());
  EXPECT_LT(dialog.HelpBtn->x(), dialog.CloseBtn->x());
  EXPECT_GE(dialog.CloseBtn->geometry().right(), dialog.width() - 12);
  // Keyboard order: preview, help, close, print.
  EXPECT_EQ(dialog.PreviewBtn->nextInFocusChain(), dialog.HelpBtn);
  EXPECT_EQ(dialog.HelpBtn->nextInFocusChain(), dialog.CloseBtn);
  EXPECT_EQ(dialog.CloseBtn->nextInFocusChain(), dialog.PrintBtn);
  dialog.hide();
}

TEST(InDataWindow, EnterInAnEditPressesNoButton) {
  TFlox03InData dialog;
  TRecords records;
  records.LoadInto(dialog);
  dialog.show();
  QWidget* edit = Find<QWidget>(dialog.Flox03Page1Frame1, "Edit1");
  edit->setFocus();
  entrytest::Key(edit, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_TRUE(dialog.isVisible());
  dialog.hide();
}

// ---------------------------------------------------------------------------
// Opening and closing.

TEST(InDataRun, OpensOnTheFirstTabWhateverWasActive) {
  TFlox03InData dialog;
  dialog.PageControl1->setCurrentIndex(3);
  int shown = -1;
  TModalWatcher watcher([&](QWidget* modal) {
    shown = dialog.PageControl1->currentIndex();
    modal->close();
  });
  dialog.Execute();
  EXPECT_EQ(shown, 0);
  // And again, after the user left it elsewhere.
  dialog.PageControl1->setCurrentIndex(5);
  TModalWatcher again([&](QWidget* modal) {
    shown = dialog.PageControl1->currentIndex();
    modal->close();
  });
  dialog.Execute();
  EXPECT_EQ(shown, 0);
}

enum class TCloseWay { CloseButton, CloseBox, Escape };

class InDataClose : public testing::TestWithParam<TCloseWay> {};

TEST_P(InDataClose, EveryWayOfClosingKeepsWhatWasTyped) {
  TFlox03InData dialog;
  TRecords records;
  records.r1.Set("NameEpixirisi", Cp("Παλιό"));
  records.LoadInto(dialog);
  TModalWatcher watcher([&](QWidget* modal) {
    QWidget* edit = Find<QWidget>(dialog.Flox03Page1Frame1, "Edit1");
    Find<QLineEdit>(dialog.Flox03Page1Frame1, "Edit1")->clear();
    Type(edit, Q("Νέα Επωνυμία"));
    switch (GetParam()) {
      case TCloseWay::CloseButton:
        dialog.CloseBtn->click();
        break;
      case TCloseWay::CloseBox:
        modal->close();
        break;
      case TCloseWay::Escape: {
        // Escape leaves the entry dialog open; in a help dialog it closes the help.
        entrytest::Key(edit, Qt::Key_Escape, QString());
        EXPECT_TRUE(dialog.isVisible()) << "Escape closed the data-entry dialog";
        bool helpClosed = false;
        TModalWatcher help([&](QWidget* helpDialog) {
          entrytest::Key(helpDialog, Qt::Key_Escape, QString());
          helpClosed = !helpDialog->isVisible();
        }, &dialog);
        dialog.HelpBtnClick();
        EXPECT_TRUE(help.Seen());
        EXPECT_TRUE(helpClosed) << "Escape did not close the help dialog";
        EXPECT_TRUE(dialog.isVisible());
        dialog.CloseBtn->click();
        break;
      }
    }
  });
  const int result = dialog.Execute();
  EXPECT_TRUE(watcher.Seen());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(result, QDialog::Accepted);
  records.StoreFrom(dialog);
  EXPECT_EQ(U(records.r1, "NameEpixirisi"), "Νέα Επωνυμία");
}

std::string CloseWayName(const testing::TestParamInfo<TCloseWay>& info) {
  switch (info.param) {
    case TCloseWay::CloseButton:
      return "CloseButton";
    case TCloseWay::CloseBox:
      return "CloseBox";
    case TCloseWay::Escape:
      return "EscapeClosesOnlyTheHelp";
  }
  return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Ways, InDataClose,
                         testing::Values(TCloseWay::CloseButton, TCloseWay::CloseBox, TCloseWay::Escape),
                         CloseWayName);

// ---------------------------------------------------------------------------
// Preview and print of the active page.

TEST(InDataPreview, ShowsUnsavedEditsAndLeavesTheRecordsAlone) {
  TFlox03InData dialog;
  TRecords records;
  records.r1.Set("NameEpixirisi", Cp("Αρχική"));
  records.r1.Set("NumMhtrwou", "M-77");
  records.LoadInto(dialog);
  Find<QLineEdit>(dialog.Flox03Page1Frame1, "Edit1")->clear();
  Type(Find<QWidget>(dialog.Flox03Page1Frame1, "Edit1"), Q("ΚΑΦΕΝΕΙΟ ΤΟ ΛΙΜΑΝΙ"));
  qr::TCaptureSink sink;
  dialog.PageControl1->setCurrentIndex(0);
  dialog.PreviewBtnClick();
  ASSERT_EQ(sink.Runs().size(), 1u);
  EXPECT_EQ(sink.Runs()[0].action, qr::TOutputAction::Preview);
  EXPECT_EQ(sink.Runs()[0].pageCount, 1);
  const std::string text = PdfText(sink.Runs()[0].pdf);
  EXPECT_NE(text.find("ΚΑΦΕΝΕΙΟ ΤΟ ΛΙΜΑΝΙ"), std::string::npos) << text;
  EXPECT_EQ(text.find("Αρχική"), std::string::npos);
  // The document's record is untouched; the working record holds the edit
  // and the field the page does not edit.
  EXPECT_EQ(U(records.r1, "NameEpixirisi"), "Αρχική");
  const TPageRecord& working = dialog.Flox03Page1Frame1->WorkingRecord();
  EXPECT_EQ(Cp1253ToUtf8(working.Get("NameEpixirisi")), "ΚΑΦΕΝΕΙΟ ΤΟ ΛΙΜΑΝΙ");
  EXPECT_EQ(working.Get("NumMhtrwou"), "M-77");
}

TEST(InDataPreview, EveryTabPreviewsAndPrintsItsOwnPage) {
  TFlox03InData dialog;
  TRecords records;
  records.LoadInto(dialog);
  // A mark on each page that its report prints.
  const char* edits[] = {"Edit1", "Edit3", "Edit2", "Edit2", "Edit5", "Memo1"};
  const char* marks[] = {"ΣΗΜΑΔΙΑΑ", "ΣΗΜ", "ΣΗΜΑΔΙΓ", "ΣΗΜΑΔΙΔ", "ΣΗΜΑΔΙΕ", "ΣΗΜΑΔΙΣΤ"};
  for (int tab = 0; tab < 6; ++tab) Type(Find<QWidget>(dialog.Page(tab), edits[tab]), Q(marks[tab]));
  for (int tab = 0; tab < 6; ++tab) {
    qr::TCaptureSink sink;
    dialog.PageControl1->setCurrentIndex(tab);
    dialog.PreviewBtnClick();
    dialog.PrintBtnClick();
    ASSERT_EQ(sink.Runs().size(), 2u) << tab;
    EXPECT_EQ(sink.Runs()[0].action, qr::TOutputAction::Preview);
    EXPECT_EQ(sink.Runs()[1].action, qr::TOutputAction::Print);
    for (const qr::TCapturedRun& run : sink.Runs()) {
      EXPECT_EQ(run.pageCount, 1) << tab;
      const std::string text = PdfText(run.pdf);
      EXPECT_NE(text.find(marks[tab]), std::string::npos) << "tab " << tab << ":\n" << text;
    }
  }
}

// A sizeable dialog's page scrolls in a window smaller than the page and
// stays at the top left in a larger one.
TEST(SizeableDialog, PagesScrollWhenTheWindowIsSmallerThanThePage) {
  const dlg::TTabDef tabs[] = {{"Ένα", &dlg::NewPage<TFlox03Page4Frame>, "Page"}};
  TEntryDialog dialog(nullptr, dlg::TDialogDesc{"Sizeable", "x", TDialogBorder::Sizeable, 747, 560, tabs});
  TEntryPageFrame* page = dialog.Page(0);
  ASSERT_NE(page, nullptr);
  auto* scroller = qobject_cast<QScrollArea*>(dialog.PageControl1->widget(0));
  ASSERT_NE(scroller, nullptr);
  dialog.show();
  const QSize placed = page->PlacedSize();
  for (const QSize window : {QSize(300, 200), QSize(1000, 800)}) {
    dialog.resize(window);
    QApplication::processEvents();
    const bool smaller = window.width() < placed.width();
    EXPECT_EQ(scroller->horizontalScrollBar()->maximum() > 0, smaller) << window.width();
    EXPECT_EQ(scroller->verticalScrollBar()->maximum() > 0, smaller) << window.height();
    EXPECT_EQ(page->pos(), QPoint(0, 0));
    EXPECT_GE(page->width(), placed.width());
  }
  // Every control of the page lies inside its placed size.
  for (QWidget* control : page->Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(QRect(QPoint(0, 0), placed).contains(control->geometry())) << control->objectName().toStdString();
  }
  dialog.close();
}

TEST(InDataPreview, NoActiveTabDoesNothing) {
  // A dialog of the shell with no pages: no tab is active.
  TEntryDialog dialog(nullptr, dlg::TDialogDesc{"Empty", "x", TDialogBorder::Sizeable, 300, 200, {}});
  ASSERT_EQ(dialog.PageControl1->currentIndex(), -1);
  qr::TCaptureSink sink;
  TModalWatcher watcher([](QWidget* modal) { modal->close(); });
  dialog.PreviewBtnClick();
  dialog.PrintBtnClick();
  dialog.HelpBtnClick();
  EXPECT_TRUE(sink.Runs().empty());
  EXPECT_FALSE(watcher.Seen());
}

// ---------------------------------------------------------------------------
// Help of each tab.

struct THelpCase {
  const dlg::TDialogDesc* dialog;
  int tab;
  const char* help;  // class name of the help dialog; nullptr: none
  std::function<bool(QWidget*)> is;
};

void PrintTo(const THelpCase& c, std::ostream* os) { *os << "tab " << c.tab; }

class InDataHelp : public testing::TestWithParam<THelpCase> {};

TEST_P(InDataHelp, OpensThePagesHelpOrNothing) {
  TEntryDialog dialog(nullptr, *GetParam().dialog);
  dialog.PageControl1->setCurrentIndex(GetParam().tab);
  bool right = false;
  TModalWatcher watcher(
      [&](QWidget* modal) {
        right = GetParam().is(modal);
        modal->close();
      },
      &dialog);
  dialog.HelpBtnClick();
  QApplication::processEvents();
  EXPECT_EQ(watcher.Seen(), GetParam().help != nullptr);
  if (GetParam().help != nullptr) EXPECT_TRUE(right) << "expected " << GetParam().help;
  // The help dialog is freed when it closes.
  EXPECT_TRUE(dialog.findChildren<QDialog*>().isEmpty());
}

template <class T>
bool Is(QWidget* w) {
  return dynamic_cast<T*>(w) != nullptr;
}

std::string HelpTabName(const testing::TestParamInfo<THelpCase>& info) { return "Tab" + std::to_string(info.param.tab); }

INSTANTIATE_TEST_SUITE_P(General, InDataHelp,
                         testing::Values(THelpCase{&kFlox03InData, 0, "TFlox03Help1Form", Is<TFlox03Help1Form>},
                                         THelpCase{&kFlox03InData, 1, "TFlox03Help2Form", Is<TFlox03Help2Form>},
                                         THelpCase{&kFlox03InData, 2, "TFlox03Help3Form", Is<TFlox03Help3Form>},
                                         THelpCase{&kFlox03InData, 3, nullptr, nullptr},
                                         THelpCase{&kFlox03InData, 4, nullptr, nullptr},
                                         THelpCase{&kFlox03InData, 5, "TFlox03Help6Form", Is<TFlox03Help6Form>}),
                         HelpTabName);
INSTANTIATE_TEST_SUITE_P(Industry, InDataHelp,
                         testing::Values(THelpCase{&kFlox06InData, 0, "TFlox06Help1", Is<TFlox06Help1>},
                                         THelpCase{&kFlox06InData, 1, "TFlox06Help2", Is<TFlox06Help2>},
                                         THelpCase{&kFlox06InData, 2, "TFlox06Help3", Is<TFlox06Help3>},
                                         THelpCase{&kFlox06InData, 3, "TFlox06Help4", Is<TFlox06Help4>},
                                         THelpCase{&kFlox06InData, 4, nullptr, nullptr},
                                         THelpCase{&kFlox06InData, 5, nullptr, nullptr},
                                         THelpCase{&kFlox06InData, 6, nullptr, nullptr}),
                         HelpTabName);

// ---------------------------------------------------------------------------
// Every page fits its tab at the dialog's size, nothing clipped or
// overlapping, and the Tab key walks the controls in screen order.

// A tab of a family's dialog.
struct TLayoutCase {
  const dlg::TDialogDesc* dialog;
  int tab;
};

void PrintTo(const TLayoutCase& c, std::ostream* os) { *os << c.dialog->objectName << " tab " << c.tab; }

class InDataLayout : public testing::TestWithParam<TLayoutCase> {
 protected:
  void SetUp() override {
    dialog = std::make_unique<TEntryDialog>(nullptr, *GetParam().dialog);
    dialog->show();
    dialog->PageControl1->setCurrentIndex(GetParam().tab);
    QApplication::processEvents();
    page = dialog->Page(GetParam().tab);
    panel = page->Panel1;
  }
  void TearDown() override { dialog->hide(); }

  // Controls and fixed texts; boxes and drawn lines stand behind them.
  std::vector<QWidget*> Content() const {
    std::vector<QWidget*> out;
    for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (qobject_cast<dlg::TEdit*>(w) || qobject_cast<dlg::TMemo*>(w) || qobject_cast<QCheckBox*>(w) ||
          qobject_cast<dlg::TRadioGroup*>(w) || qobject_cast<QLabel*>(w))
        out.push_back(w);
    }
    return out;
  }
  static std::string Describe(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return "label \"" + label->text().toStdString() + "\"";
    return w->objectName().toStdString();
  }

  std::unique_ptr<TEntryDialog> dialog;
  TEntryPageFrame* page = nullptr;
  QWidget* panel = nullptr;
};

TEST_P(InDataLayout, EverythingInsideThePage) {
  EXPECT_EQ(panel->size(), page->size());
  EXPECT_EQ(page->visibleRegion().boundingRect(), page->rect()) << "the whole page shows at the dialog's size";
  EXPECT_GE(page->height(), 440);
  for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(panel->rect().contains(w->geometry())) << Describe(w) << " runs outside the page";
  }
}

TEST_P(InDataLayout, NothingOverlaps) {
  const std::vector<QWidget*> content = Content();
  for (std::size_t i = 0; i < content.size(); ++i)
    for (std::size_t j = i + 1; j < content.size(); ++j)
      EXPECT_FALSE(content[i]->geometry().intersects(content[j]->geometry()))
          << Describe(content[i]) << " overlaps " << Describe(content[j]);
}

TEST_P(InDataLayout, NoTextIsClipped) {
  for (QWidget* w : Content()) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
      EXPECT_LE(label->sizeHint().width(), label->width()) << Describe(w);
      EXPECT_LE(label->sizeHint().height(), label->height() + 1) << Describe(w);
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
      EXPECT_LE(box->sizeHint().width(), box->width()) << Describe(w);
    } else if (auto* group = qobject_cast<dlg::TRadioGroup*>(w)) {
      EXPECT_LE(group->sizeHint().height(), group->height()) << Describe(w);
      for (QRadioButton* item : group->findChildren<QRadioButton*>())
        EXPECT_LE(item->sizeHint().width(), item->width()) << Describe(w) << ": " << item->text().toStdString();
    }
  }
}

TEST_P(InDataLayout, TabWalksTheControlsInScreenOrder) {
  // The Tab stops of the page, in the order the Tab key visits them.
  std::vector<QWidget*> stops;
  std::vector<QWidget*> all;
  for (QWidget* w : panel->findChildren<QWidget*>())
    if (w->focusPolicy() & Qt::TabFocus) all.push_back(w);
  ASSERT_FALSE(all.empty());
  // Start from the stop nearest the top left and follow the chain.
  QWidget* start = *std::min_element(all.begin(), all.end(), [&](QWidget* a, QWidget* b) {
    const QPoint pa = a->mapTo(panel, QPoint()), pb = b->mapTo(panel, QPoint());
    return std::make_pair(pa.y(), pa.x()) < std::make_pair(pb.y(), pb.x());
  });
  QWidget* w = start;
  do {
    if ((w->focusPolicy() & Qt::TabFocus) && panel->isAncestorOf(w)) stops.push_back(w);
    w = w->nextInFocusChain();
  } while (w != start && stops.size() < 1000);
  EXPECT_EQ(stops.size(), all.size()) << "every Tab stop of the page is in one chain";
  for (std::size_t i = 1; i < stops.size(); ++i) {
    const QPoint a = stops[i - 1]->mapTo(panel, QPoint()), b = stops[i]->mapTo(panel, QPoint());
    const bool sameRow = std::abs(a.y() - b.y()) <= 4;
    EXPECT_TRUE(sameRow ? b.x() > a.x() : b.y() > a.y())
        << stops[i - 1]->objectName().toStdString() << " (" << a.x() << "," << a.y() << ") then "
        << stops[i]->objectName().toStdString() << " (" << b.x() << "," << b.y() << ")";
  }
}

std::vector<TLayoutCase> Tabs(const dlg::TDialogDesc& dialog) {
  std::vector<TLayoutCase> tabs;
  for (int tab = 0; tab < static_cast<int>(dialog.tabs.size()); ++tab) tabs.push_back({&dialog, tab});
  return tabs;
}
std::string TabName(const testing::TestParamInfo<TLayoutCase>& info) { return "Tab" + std::to_string(info.param.tab); }

INSTANTIATE_TEST_SUITE_P(General, InDataLayout, testing::ValuesIn(Tabs(kFlox03InData)), TabName);
INSTANTIATE_TEST_SUITE_P(Industry, InDataLayout, testing::ValuesIn(Tabs(kFlox06InData)), TabName);
INSTANTIATE_TEST_SUITE_P(Hotel, InDataLayout, testing::ValuesIn(Tabs(kFlox07InData)), TabName);

// ---------------------------------------------------------------------------
// The edit action of the study document and of Flox03A.

TEST(EditStudy, NewStudyClosedUntouchedStoresTheDefaultConstructionCodes) {
  for (const std::uint8_t type : {1, 2}) {
    TFlox03Pages study;
    study.ApplyTypeDefaults(type);
    std::string suntaxh;
    TModalWatcher watcher([&](QWidget* modal) {
      auto* dialog = dynamic_cast<TFlox03InData*>(modal);
      ASSERT_NE(dialog, nullptr);
      suntaxh = Find<dlg::TMemo>(dialog->Flox03Page1Frame1, "Memo1")->Text().toStdString();
      modal->close();
    });
    study.EditStudy(type);
    EXPECT_TRUE(watcher.Seen());
    EXPECT_EQ(suntaxh, type == 1 ? "την 3/81 Π.Δ." : "την 8/97 Π.Δ.");
    const TPageRecord& r2 = study.Slot(2);
    EXPECT_EQ(r2.Get("EidosFerousa"), "\xCF");
    EXPECT_EQ(r2.Get("EidosToixopoiia"), "\xD4");
    EXPECT_EQ(r2.Get("EidosFerousaSteghs"), "\xCF");
    EXPECT_EQ(r2.Get("EidosSteghs"), "\xC4");
    // Untouched check boxes store "Οχι", as the page shows them.
    EXPECT_EQ(r2.Get("FwtismosAsfaleiasYes"), Cp("Οχι"));
    EXPECT_EQ(U(study.Slot(1), "Suntaxh"), suntaxh);
  }
}

TEST(EditStudy, StoresEveryPageIntoTheGeneralStudysRecordsOnly) {
  TFlox03Pages study;
  study.Slot(17).Set("Poso1", "9");
  TModalWatcher watcher([&](QWidget* modal) {
    auto* dialog = dynamic_cast<TFlox03InData*>(modal);
    ASSERT_NE(dialog, nullptr);
    Type(Find<QWidget>(dialog->Flox03Page4Frame1, "Edit1"), Q("12"));
    Type(Find<QWidget>(dialog->Flox03Page6Frame1, "Memo4"), Q("γραμμή ένα\nγραμμή δύο"));
    Find<QCheckBox>(dialog->Flox03Page3Frame1, "CheckBox15")->setChecked(true);
    dialog->CloseBtn->click();
  });
  study.EditStudy(1);
  EXPECT_EQ(study.Slot(4).Get("Poso1"), "12");
  EXPECT_EQ(U(study.Slot(6), "ZApokliseis"), "γραμμή ένα\r\nγραμμή δύο");
  EXPECT_EQ(study.Slot(3).Get("YgrosTupos"), "X");
  // The hotel study's own records of the same classes are not touched.
  EXPECT_EQ(study.Slot(17).Get("Poso1"), "9");
  EXPECT_EQ(study.Slot(18).Get("Poso20"), "");
}

// Every study type does what the family table says: its family's dialog over
// the family's records and its family's report, or nothing at all.
TEST(StudyFamilies, EveryStudyTypeDispatchesAsTheFamilyTableSays) {
  const QTemporaryDir dir;
  for (const std::uint8_t type : {0, 1, 2, 3, 4, 5}) {
    const TStudyFamily* family = FindStudyFamily(type);
    TFlox03Pages study;
    int pages = -1;
    bool recordsMatch = true;
    TModalWatcher watcher([&](QWidget* modal) {
      if (auto* dialog = dynamic_cast<TEntryDialog*>(modal)) {
        pages = dialog->PageCount();
        for (int i = 0; family != nullptr && i < pages && i < static_cast<int>(family->recordSlots.size()); ++i) {
          recordsMatch &= &dialog->Page(i)->WorkingRecord().Class() == &study.Slot(family->recordSlots[i]).Class();
        }
      }
      modal->close();
    });
    testing::internal::CaptureStderr();
    study.EditStudy(type);
    EXPECT_TRUE(testing::internal::GetCapturedStderr().empty()) << +type;
    QApplication::processEvents();
    const bool hasDialog = family != nullptr && family->createDialog != nullptr;
    EXPECT_EQ(watcher.Seen(), hasDialog) << +type;
    if (!hasDialog) EXPECT_EQ(study.Slot(2).Get("EidosFerousa"), " ") << "no record changes";
    if (hasDialog) {
      EXPECT_EQ(pages, static_cast<int>(family->recordSlots.size())) << +type;
      EXPECT_TRUE(recordsMatch) << +type;
    }

    const std::string pdf = dir.filePath(QStringLiteral("t%1.pdf").arg(type)).toStdString();
    std::string error;
    const bool hasReport = family != nullptr && family->report != nullptr;
    EXPECT_EQ(study.ExportReportPdf(type, pdf, &error), hasReport) << +type << error;
    if (!hasReport) {
      EXPECT_NE(error.find("has no report"), std::string::npos) << +type;
      continue;
    }
    int printed = 0;
    for (const rpt::TReportPage& page : family->report->pages) printed += page.onlyForStudyType == 0 || page.onlyForStudyType == type;
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(PdfPageCount(file.readAll()), printed) << +type;
  }
}

TEST(Flox03AEdit, NewFileHoldsWhatWasTypedAfterPreviewAndClose) {
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("new.flx")).toStdString();
  std::string previewText;
  qr::TCaptureSink sink;
  TModalWatcher watcher([&](QWidget* modal) {
    auto* dialog = dynamic_cast<TFlox03InData*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->PageControl1->currentIndex(), 0);
    Type(Find<QWidget>(dialog->Flox03Page1Frame1, "Edit1"), Q("ΑΡΤΟΠΟΙΕΙΟ Η ΣΤΑΧΥΑ"));
    dialog->PreviewBtn->click();
    if (!sink.Runs().empty()) previewText = PdfText(sink.Runs().back().pdf);
    dialog->CloseBtn->click();
  });
  Flox03A(0, file.c_str(), nullptr, 1, 1);
  EXPECT_TRUE(watcher.Seen());
  EXPECT_NE(previewText.find("ΑΡΤΟΠΟΙΕΙΟ Η ΣΤΑΧΥΑ"), std::string::npos) << previewText;
  TFlox03Pages reread;
  ASSERT_TRUE(TStudyFile(file, TStudyFile::TUse::Read).Load(reread.Records()));
  EXPECT_EQ(U(reread.Slot(1), "NameEpixirisi"), "ΑΡΤΟΠΟΙΕΙΟ Η ΣΤΑΧΥΑ");
  EXPECT_EQ(U(reread.Slot(1), "Suntaxh"), "την 3/81 Π.Δ.");
  EXPECT_EQ(reread.Slot(2).Get("EidosFerousa"), "\xCF");
  EXPECT_EQ(reread.Slot(2).Get("EidosSteghs"), "\xC4");
}

// While the dialog is open the study stays locked: a second call or an
// import on it is refused at once, and the edit's save is what stays.
TEST(Flox03AEdit, ASecondCallWhileTheDialogIsOpenIsRefused) {
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("held.flx")).toStdString();
  int secondCall = -1;
  int import = -1;
  TModalWatcher watcher([&](QWidget* modal) {
    auto* dialog = dynamic_cast<TFlox03InData*>(modal);
    ASSERT_NE(dialog, nullptr);
    Type(Find<QWidget>(dialog->Flox03Page1Frame1, "Edit1"), Q("ΠΡΩΤΟΣ"));
    testing::internal::CaptureStderr();
    Flox03A(0, file.c_str(), nullptr, 1, 1);
    secondCall = Flox03LastStatus();
    import = Flox03ImportJson(file.c_str(), R"([{"slot": 1, "fields": {"NameEpixirisi": "ΔΕΥΤΕΡΟΣ"}}])", 1);
    testing::internal::GetCapturedStderr();
    dialog->CloseBtn->click();
  });
  Flox03A(0, file.c_str(), nullptr, 1, 1);
  EXPECT_EQ(Flox03LastStatus(), FLOX_OK) << Flox03LastError();
  EXPECT_EQ(secondCall, FLOX_ERR_IN_USE);
  EXPECT_EQ(import, FLOX_ERR_IN_USE);
  TFlox03Pages reread;
  ASSERT_TRUE(TStudyFile(file, TStudyFile::TUse::Read).Load(reread.Records()));
  EXPECT_EQ(U(reread.Slot(1), "NameEpixirisi"), "ΠΡΩΤΟΣ");
}

}  // namespace
