// The data-entry dialog shell shared by every study family: a tab control
// with one entry page per tab over a button bar that previews, prints or
// explains the page of the active tab. Closing, however it happens, counts as
// accepting: the caller stores every page after the dialog returns. A
// family's dialog is one TDialogDesc table.
//
// While the user types, the dialog can mark each field whose text the
// printed page would cut: whoever opens it hands it the check (the very
// layout of the printed page) as a function of a tab and its record.
#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "dialogs/dialog_tables.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTabWidget;
class TEntryPageFrame;
class TPageRecord;

class TEntryDialog : public QDialog {
  Q_OBJECT
 public:
  // Builds the dialog and its tabs from the description.
  explicit TEntryDialog(QWidget* owner, const dlg::TDialogDesc& desc);
  ~TEntryDialog() override;

  // Page k from record k, in tab order; the dialog keeps no reference to the
  // records. Throws std::invalid_argument when the count differs from the
  // number of pages, a record is missing or of another class than its page.
  void LoadPages(std::span<const TPageRecord* const> records);
  // Every page into its record, in tab order.
  void StorePages(std::span<TPageRecord* const> records);

  int PageCount() const;
  // The entry page on a tab; nullptr outside 0..PageCount()-1.
  TEntryPageFrame* Page(int index) const;

  // Creation event: selects the first tab.
  void FormCreate();
  // Act on the page of the active tab; nothing when no tab is active.
  void PreviewBtnClick();
  void PrintBtnClick();
  void HelpBtnClick();
  void CloseBtnClick();

  // Centres the dialog on the desktop, makes the host window its owner and
  // runs it modally. Returns when the dialog is closed.
  int Execute();

  // A field of a tab's record that the printed page cuts, and how much of
  // it the page prints.
  struct TFieldFit {
    std::string field;
    int characters = 0;
    int charactersShown = 0;
    int lines = 0;
    int linesShown = 0;
  };
  // The fields of the record that the tab's printed page cuts.
  using TFitChecker = std::function<std::vector<TFieldFit>(int tab, const TPageRecord& record)>;
  // Checks every tab now and each tab again shortly after one of its fields
  // changes; without a checker nothing is marked.
  void SetFitChecker(TFitChecker checker);
  // Checks at once the tabs whose fields changed since their last check.
  void FlushFitCheck();
  // The fields of the tab marked as cut on paper.
  int CutFieldCount(int tab) const;
  // The words of the mark ("Στο έντυπο τυπώνονται 20 από 25 χαρακτήρες") and
  // of a tab's summary ("2 πεδία δεν χωρούν στο έντυπο"; "" for none).
  static QString FitNote(const TFieldFit& fit);
  static QString FitSummary(int cutFields);

  QTabWidget* PageControl1 = nullptr;
  QFrame* Panel1 = nullptr;  // the button bar
  QPushButton* PreviewBtn = nullptr;
  QPushButton* PrintBtn = nullptr;
  QPushButton* HelpBtn = nullptr;
  QPushButton* CloseBtn = nullptr;
  // The line of the button bar: the last notice of input left out or cut
  // short for a few seconds, else the active tab's fit summary (a link to
  // its next marked field).
  QLabel* Status = nullptr;

  static constexpr int kButtonBarHeight = 33;
  static constexpr int kFitDelayMs = 150;     // the pause in typing before a tab is checked again
  static constexpr int kNoticeShownMs = 8000;

 protected:
  // The close box closes the dialog as the close button does; there is no
  // cancel, so Escape does nothing here.
  void reject() override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Appends a tab holding the page (the dialog takes ownership).
  void AddPage(TEntryPageFrame* page, const QString& tabCaption);
  void Guarded(const char* what, void (TEntryDialog::*action)());
  void TabChanged(int index);
  void CheckTab(int index);
  void CheckAllTabs();
  void ShowNotice(const QString& notice);
  void UpdateStatus();
  void FocusNextCutField();

  bool sizeable_;
  TFitChecker checker_;
  std::vector<bool> fitPending_;
  std::vector<int> cutCount_;
  QTimer fitTimer_;
  QTimer noticeTimer_;
  QString notice_;
};
