// The data-entry dialog shell shared by every study family: a tab control
// with one entry page per tab over a button bar that previews, prints or
// explains the page of the active tab. Closing, however it happens, counts as
// accepting: the caller stores every page after the dialog returns. A
// family's dialog is one TDialogDesc table.
#pragma once

#include <QDialog>

#include <span>

#include "dialogs/dialog_tables.h"

class QFrame;
class QKeyEvent;
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

  QTabWidget* PageControl1 = nullptr;
  QFrame* Panel1 = nullptr;  // the button bar
  QPushButton* PreviewBtn = nullptr;
  QPushButton* PrintBtn = nullptr;
  QPushButton* HelpBtn = nullptr;
  QPushButton* CloseBtn = nullptr;

  static constexpr int kButtonBarHeight = 33;

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

  bool sizeable_;
};
