// The data-entry dialog of every family as a user meets it, walked from the
// family table: the window, the tabs and the button bar, opening on the
// first tab, closing in every way, the per-page preview and print, the help
// of each tab, the layout of every page and the Tab key; then the edit
// action of the study document and of Flox03A around the dialog.
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QPainter>
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
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/controls.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/entry_page.h"
#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/help_form.h"
#include "entry/study_document.h"
#include "entry/study_families.h"
#include "include/flox03.h"
#include "records/study_file.h"
#include "report/flox03/flox03_report.h"
#include "reportengine/output.h"
#include "reportengine/page_output.h"
#include "support/pdf_text.h"
#include "entry_test_support.h"

namespace {

using namespace entrytest;

template <class T>
T* Find(QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

const dlg::TDialogDesc& General() { return FindStudyFamily(1)->dialog; }

// The records of a family's tabs, fresh, in tab order.
struct TRecords {
  explicit TRecords(const TStudyFamily& family = *FindStudyFamily(1)) {
    for (const int slot : family.Slots()) owned.emplace_back(StudySlotClass(slot));
  }
  TPageRecord& operator[](std::size_t k) { return owned[k]; }
  void LoadInto(TEntryDialog& dialog) const { dialog.LoadPages(In()); }
  void StoreFrom(TEntryDialog& dialog) { dialog.StorePages(Out()); }
  std::vector<const TPageRecord*> In() const {
    std::vector<const TPageRecord*> in;
    for (const TPageRecord& r : owned) in.push_back(&r);
    return in;
  }
  std::vector<TPageRecord*> Out() {
    std::vector<TPageRecord*> out;
    for (TPageRecord& r : owned) out.push_back(&r);
    return out;
  }
  std::vector<TPageRecord> owned;
};


// The text binding of the tab with the longest field (other than `except`)
// that the tab's report page prints, or any when `printed` is false.
const dlg::TBinding* LongestText(const TEntryPageFrame& page, bool printed, const char* except = "") {
  const dlg::TBinding* longest = nullptr;
  std::size_t longestMax = 0;
  for (const dlg::TBinding& b : page.Bindings()) {
    if (b.kind != dlg::TBindKind::Text || std::string(b.field) == except) continue;
    bool onPage = !printed;
    for (const qr::TElementDef& e : page.Tab().report->elements) {
      onPage |= e.name != nullptr && std::string(e.property != nullptr ? e.property : e.name) == b.field;
    }
    const std::size_t max = page.WorkingRecord().Class().props[page.WorkingRecord().Class().IndexOf(b.field)].maxLen;
    if (onPage && max > longestMax) longest = &b, longestMax = max;
  }
  return longest;
}

// ---------------------------------------------------------------------------
// The window, the tabs and the buttons.

class FamilyDialog : public testing::TestWithParam<const TStudyFamily*> {
 protected:
  const dlg::TDialogDesc& Desc() const { return GetParam()->dialog; }
  TEntryDialog dialog{nullptr, GetParam()->dialog};
};

TEST_P(FamilyDialog, CaptionBorderSizeAndFont) {
  EXPECT_EQ(dialog.objectName().toStdString(), Desc().objectName);
  EXPECT_EQ(dialog.windowTitle(), Q(Desc().caption));
  EXPECT_EQ(dialog.size(), QSize(Desc().width, Desc().height));
  const bool fixed = Desc().border == dlg::TDialogBorder::FixedDialog;
  EXPECT_EQ(dialog.minimumSize() == dialog.maximumSize(), fixed);
  const Qt::WindowFlags flags = dialog.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_EQ(bool(flags & Qt::WindowMaximizeButtonHint), !fixed);
  EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
  EXPECT_TRUE(dialog.isModal());
  EXPECT_EQ(dialog.font().family(), Q("Liberation Sans"));
  EXPECT_EQ(dialog.font().pixelSize(), 11);
}

// Every Greek letter leaves ink in every face and size the dialog shows: a
// hinted face can lose a glyph (the capital Iota of Liberation Sans at 11
// pixels drew nothing with Windows' font engines).
TEST_P(FamilyDialog, EveryGreekLetterIsDrawnInEveryFontOfTheDialog) {
  std::set<QString> seen;
  QList<QWidget*> widgets = dialog.findChildren<QWidget*>();
  widgets << &dialog;
  for (const QWidget* widget : widgets) {
    const QFont& font = widget->font();
    if (!seen.insert(font.key()).second) continue;
    // Ink of a text drawn in the font, counted in dark pixels.
    auto ink = [&font](const QString& text) {
      QImage image(96, 48, QImage::Format_Grayscale8);
      image.fill(Qt::white);
      QPainter painter(&image);
      painter.setFont(font);
      painter.drawText(8, 36, text);
      painter.end();
      int dark = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dark += image.pixelColor(x, y).value() < 128;
      return dark;
    };
    const int around = ink(QStringLiteral("ΑΑ"));
    for (char16_t c = u'Α'; c <= u'ω'; ++c) {
      if (c == u'\u03A2' || (c > u'Ω' && c < u'α')) continue;  // no letter there
      EXPECT_GT(ink(QStringLiteral("Α") + QChar(c) + QStringLiteral("Α")), around)
          << QString(QChar(c)).toStdString() << " in " << font.key().toStdString();
    }
  }
}

TEST_P(FamilyDialog, OneTabPerRowOfTheTableOpeningOnTheFirstWhateverWasActive) {
  ASSERT_EQ(dialog.PageCount(), static_cast<int>(Desc().tabs.size()));
  for (int i = 0; i < dialog.PageCount(); ++i) {
    EXPECT_EQ(dialog.PageControl1->tabText(i), Q(Desc().tabs[static_cast<std::size_t>(i)].caption)) << i;
    EXPECT_EQ(dialog.Page(i)->objectName().toStdString(), Desc().tabs[static_cast<std::size_t>(i)].objectName);
  }
  EXPECT_EQ(dialog.Page(-1), nullptr);
  EXPECT_EQ(dialog.Page(dialog.PageCount()), nullptr);
  EXPECT_EQ(dialog.PageControl1->currentIndex(), 0);
  for (const int left : {dialog.PageCount() - 1, 2}) {
    dialog.PageControl1->setCurrentIndex(left);
    int shown = -1;
    TModalWatcher watcher([&](QWidget* modal) {
      shown = dialog.PageControl1->currentIndex();
      modal->close();
    });
    dialog.Execute();
    EXPECT_EQ(shown, 0) << "left on tab " << left;
  }
}

TEST_P(FamilyDialog, EveryTabCaptionIsShownWhole) {
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

// Each tab previews and prints its own report page with what is on screen,
// while the records handed to the dialog keep what they held.
TEST_P(FamilyDialog, EveryTabPreviewsAndPrintsItsOwnPageWithItsUnsavedEdits) {
  TRecords records(*GetParam());
  dialog.LoadPages(records.In());
  for (int tab = 0; tab < dialog.PageCount(); ++tab) {
    const dlg::TBinding* edit = LongestText(*dialog.Page(tab), true);
    ASSERT_NE(edit, nullptr) << "tab " << tab << " edits nothing its page prints";
    const QString mark = Q("ΣΗΜ") + QString(QChar(0x0391 + tab));
    Type(Find<QWidget>(dialog.Page(tab), edit->control), mark);
    qr::TCaptureSink sink;
    dialog.PageControl1->setCurrentIndex(tab);
    dialog.PreviewBtnClick();
    dialog.PrintBtnClick();
    ASSERT_EQ(sink.Runs().size(), 2u) << tab;
    EXPECT_EQ(sink.Runs()[0].action, qr::TOutputAction::Preview);
    EXPECT_EQ(sink.Runs()[1].action, qr::TOutputAction::Print);
    // The tab's own report page, filled from what is on screen.
    const TEntryPageFrame& page = *dialog.Page(tab);
    const std::string own = PdfText(qr::RenderPdf({rpt::BuildPage(*page.Tab().report, &page.WorkingRecord()).get()}));
    for (const qr::TCapturedRun& run : sink.Runs()) {
      EXPECT_EQ(run.pageCount, 1) << tab;
      const std::string text = PdfText(run.pdf);
      EXPECT_NE(text.find(mark.toStdString()), std::string::npos) << "tab " << tab << ":\n" << text;
      EXPECT_EQ(text, own) << "tab " << tab << " prints " << page.Tab().report->formName;
    }
    for (const TPageRecord* record : records.In())
      for (std::size_t i = 0; i < record->PropCount(); ++i)
        EXPECT_EQ(Cp1253ToUtf8(record->Get(i)).find("ΣΗΜ"), std::string::npos) << "records untouched";
  }
}

// The help button opens the tab's own help dialog, modally, and frees it;
// on a tab without help it does nothing.
TEST_P(FamilyDialog, HelpOpensTheTabsOwnHelpOrNothing) {
  for (int tab = 0; tab < dialog.PageCount(); ++tab) {
    dialog.PageControl1->setCurrentIndex(tab);
    const dlg::THelpFormTable* shown = nullptr;
    TModalWatcher watcher(
        [&](QWidget* modal) {
          if (auto* help = dynamic_cast<dlg::THelpForm*>(modal)) shown = &help->Table();
          modal->close();
        },
        &dialog);
    dialog.HelpBtnClick();
    QApplication::processEvents();
    EXPECT_EQ(watcher.Seen(), Desc().tabs[static_cast<std::size_t>(tab)].help != nullptr) << "tab " << tab;
    EXPECT_EQ(shown, Desc().tabs[static_cast<std::size_t>(tab)].help) << "tab " << tab;
    EXPECT_TRUE(dialog.findChildren<QDialog*>().isEmpty()) << "the help dialog is freed";
  }
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyDialog, testing::ValuesIn(Families()), FamilyName);

TEST(InDataWindow, ButtonBar) {
  TEntryDialog dialog(nullptr, General());
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
    EXPECT_EQ(QString(b.button->text()).remove(QLatin1Char('&')), Q(b.caption));  // with its Alt letter marked
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
  TEntryDialog dialog(nullptr, General());
  TRecords records;
  records.LoadInto(dialog);
  dialog.show();
  QWidget* edit = Find<QWidget>(dialog.Page(0), "Edit1");
  edit->setFocus();
  entrytest::Key(edit, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_TRUE(dialog.isVisible());
  dialog.hide();
}

// ---------------------------------------------------------------------------
// Closing, and the preview of the active page.

enum class TCloseWay { CloseButton, CloseBox, Escape };

class InDataClose : public testing::TestWithParam<TCloseWay> {};

TEST_P(InDataClose, EveryWayOfClosingKeepsWhatWasTyped) {
  TEntryDialog dialog(nullptr, General());
  TRecords records;
  records[0].Set("NameEpixirisi", Cp("Παλιό"));
  records.LoadInto(dialog);
  TModalWatcher watcher([&](QWidget* modal) {
    QWidget* edit = Find<QWidget>(dialog.Page(0), "Edit1");
    Find<QLineEdit>(dialog.Page(0), "Edit1")->clear();
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
  EXPECT_EQ(U(records[0], "NameEpixirisi"), "Νέα Επωνυμία");
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
  TEntryDialog dialog(nullptr, General());
  TRecords records;
  records[0].Set("NameEpixirisi", Cp("Αρχική"));
  records[0].Set("NumMhtrwou", "M-77");
  records.LoadInto(dialog);
  Find<QLineEdit>(dialog.Page(0), "Edit1")->clear();
  Type(Find<QWidget>(dialog.Page(0), "Edit1"), Q("ΚΑΦΕΝΕΙΟ ΤΟ ΛΙΜΑΝΙ"));
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
  EXPECT_EQ(U(records[0], "NameEpixirisi"), "Αρχική");
  const TPageRecord& working = dialog.Page(0)->WorkingRecord();
  EXPECT_EQ(Cp1253ToUtf8(working.Get("NameEpixirisi")), "ΚΑΦΕΝΕΙΟ ΤΟ ΛΙΜΑΝΙ");
  EXPECT_EQ(working.Get("NumMhtrwou"), "M-77");
}

// A sizeable dialog's page scrolls in a window smaller than the page and
// stays at the top left in a larger one.
TEST(SizeableDialog, PagesScrollWhenTheWindowIsSmallerThanThePage) {
  const dlg::TTabDef tabs[] = {{"Ένα", 4, &flox03::Page4Desc, "Page", &flox03::kPage4Preview}};
  TEntryDialog dialog(nullptr, dlg::TDialogDesc{"Sizeable", "x", dlg::TDialogBorder::Sizeable, 747, 560, tabs});
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
  // Every control of the page lies inside its placed size, at its placed width.
  for (QWidget* control : page->Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QRect at = control->geometry();
    const QVariant placedWidth = control->property(dlg::kPlacedWidthProperty);
    if (placedWidth.isValid()) at.setWidth(placedWidth.toInt());
    EXPECT_TRUE(QRect(QPoint(0, 0), placed).contains(at)) << control->objectName().toStdString();
  }
  dialog.close();
}

TEST(InDataPreview, NoActiveTabDoesNothing) {
  // A dialog of the shell with no pages: no tab is active.
  TEntryDialog dialog(nullptr, dlg::TDialogDesc{"Empty", "x", dlg::TDialogBorder::Sizeable, 300, 200, {}});
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
// Every page fits its tab at the dialog's size, nothing clipped or
// overlapping, and the Tab key walks the controls in screen order.

class InDataLayout : public testing::TestWithParam<TTabCase> {
 protected:
  void SetUp() override {
    dialog = std::make_unique<TEntryDialog>(nullptr, GetParam().family->dialog);
    dialog->show();
    dialog->PageControl1->setCurrentIndex(GetParam().index);
    QApplication::processEvents();
    page = dialog->Page(GetParam().index);
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

INSTANTIATE_TEST_SUITE_P(Families, InDataLayout, testing::ValuesIn(AllTabs()), TabName);

// ---------------------------------------------------------------------------
// The edit action of the study document and of Flox03A.

TEST(EditStudy, NewStudyClosedUntouchedStoresTheDefaultConstructionCodes) {
  for (const std::uint8_t type : {1, 2}) {
    TFlox03Pages study;
    study.ApplyTypeDefaults(type);
    std::string suntaxh;
    TModalWatcher watcher([&](QWidget* modal) {
      auto* dialog = dynamic_cast<TEntryDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      suntaxh = Find<dlg::TMemo>(dialog->Page(0), "Memo1")->Text().toStdString();
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
    auto* dialog = dynamic_cast<TEntryDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    Type(Find<QWidget>(dialog->Page(3), "Edit1"), Q("12"));
    Type(Find<QWidget>(dialog->Page(5), "Memo4"), Q("γραμμή ένα\nγραμμή δύο"));
    Find<QCheckBox>(dialog->Page(2), "CheckBox15")->setChecked(true);
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
        const std::vector<int> own = family != nullptr ? family->Slots() : std::vector<int>();
        for (int i = 0; i < pages && i < static_cast<int>(own.size()); ++i) {
          recordsMatch &= &dialog->Page(i)->WorkingRecord().Class() == &study.Slot(own[static_cast<std::size_t>(i)]).Class();
        }
      }
      modal->close();
    });
    testing::internal::CaptureStderr();
    study.EditStudy(type);
    EXPECT_TRUE(testing::internal::GetCapturedStderr().empty()) << +type;
    QApplication::processEvents();
    EXPECT_EQ(watcher.Seen(), family != nullptr) << +type;
    if (family == nullptr) {
      EXPECT_EQ(study.Slot(2).Get("EidosFerousa"), " ") << "no record changes";
    } else {
      EXPECT_EQ(pages, static_cast<int>(family->dialog.tabs.size())) << +type;
      EXPECT_TRUE(recordsMatch) << +type;
    }

    const std::string pdf = dir.filePath(QStringLiteral("t%1.pdf").arg(type)).toStdString();
    std::string error;
    EXPECT_EQ(study.ExportReportPdf(type, pdf, &error), family != nullptr) << +type << error;
    if (family == nullptr) {
      EXPECT_NE(error.find("has no report"), std::string::npos) << +type;
      continue;
    }
    int printed = 0;
    for (const rpt::TReportPageRef& page : family->report) printed += page.onlyForStudyType == 0 || page.onlyForStudyType == type;
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(PdfPageCount(file.readAll()), printed) << +type;
  }
}

// Flox03A editing a new study of each family: the type's legal text on the
// first tab, a text typed on every tab, a page previewed, the dialog
// closed; the file holds all of it in the family's own slots, and nothing
// else of the study changed.
TEST_P(FamilyDialog, Flox03AEditOfANewFileHoldsWhatWasTypedOnEveryTab) {
  const TStudyFamily& family = *GetParam();
  const std::uint8_t type = family.types.front().type;
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("new.flx")).toStdString();
  std::string legal, previewText;
  std::vector<std::pair<int, std::string>> typed;  // slot, field
  qr::TCaptureSink sink;
  TModalWatcher watcher([&](QWidget* modal) {
    auto* shown = dynamic_cast<TEntryDialog*>(modal);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->PageControl1->currentIndex(), 0);
    legal = Cp1253ToUtf8(shown->Page(0)->WorkingRecord().Get(family.legalField));
    for (int tab = 0; tab < shown->PageCount(); ++tab) {
      TEntryPageFrame* page = shown->Page(tab);
      const dlg::TBinding* text = LongestText(*page, false, family.legalField);
      ASSERT_NE(text, nullptr);
      shown->PageControl1->setCurrentIndex(tab);
      Type(Find<QWidget>(page, text->control), Q("Καρτέλα ") + QString::number(tab + 1));
      typed.emplace_back(page->Tab().slot, text->field);
    }
    shown->PageControl1->setCurrentIndex(0);
    shown->PreviewBtn->click();
    if (!sink.Runs().empty()) previewText = PdfText(sink.Runs().back().pdf);
    shown->CloseBtn->click();
  });
  Flox03A(0, file.c_str(), nullptr, 1, type);
  EXPECT_TRUE(watcher.Seen());
  EXPECT_EQ(legal, family.types.front().legalText != nullptr ? family.types.front().legalText : "");
  EXPECT_NE(previewText.find("Καρτέλα 1"), std::string::npos) << previewText;
  TFlox03Pages reread;
  ASSERT_TRUE(TStudyFile(file, TStudyFile::TUse::Read).Load(reread.Records()));
  for (std::size_t tab = 0; tab < typed.size(); ++tab) {
    EXPECT_EQ(U(reread.Slot(typed[tab].first), typed[tab].second.c_str()), "Καρτέλα " + std::to_string(tab + 1));
  }
  // The other families' records are as a new study of this type has them.
  TFlox03Pages fresh;
  fresh.ApplyTypeDefaults(type);
  const std::vector<int> own = family.Slots();
  for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot) {
    if (std::find(own.begin(), own.end(), slot) == own.end()) {
      EXPECT_EQ(reread.Slot(slot), fresh.Slot(slot)) << slot;
    }
  }
}

// While the dialog is open the study stays locked: a second call or an
// import on it is refused at once, and the edit's save is what stays.
TEST(Flox03AEdit, ASecondCallWhileTheDialogIsOpenIsRefused) {
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("held.flx")).toStdString();
  int secondCall = -1;
  int import = -1;
  TModalWatcher watcher([&](QWidget* modal) {
    auto* dialog = dynamic_cast<TEntryDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    Type(Find<QWidget>(dialog->Page(0), "Edit1"), Q("ΠΡΩΤΟΣ"));
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
