// The data-entry dialog shell shared by every study family: a tab control
// with one entry page per tab over a button bar that previews, prints or
// explains the page of the active tab. Closing, however it happens, counts as
// accepting: the caller stores every page after the dialog returns.
#pragma once

#include <QDialog>
#include <QSize>

#include <initializer_list>

class QFrame;
class QPushButton;
class QTabWidget;
class TEntryPageFrame;
class TPageRecord;

enum class TDialogBorder {
  FixedDialog,  // fixed size, title bar with the close box only
  Sizeable,
};

class TEntryDialog : public QDialog {
  Q_OBJECT
 public:
  ~TEntryDialog() override;

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
  // size: the client area of a fixed dialog, the window of a sizeable one.
  TEntryDialog(QWidget* owner, const QString& caption, TDialogBorder border, QSize size);

  // Appends a tab holding the page (the dialog takes ownership).
  void AddPage(TEntryPageFrame* page, const QString& tabCaption);
  // Page k from record k, in page order. Throws std::invalid_argument when
  // the count differs from the number of pages.
  void LoadAll(std::initializer_list<const TPageRecord*> records);
  void StoreAll(std::initializer_list<TPageRecord*> records);

  // Escape and the close box close the dialog as the close button does.
  void reject() override;
  void showEvent(QShowEvent* event) override;

 private:
  void Guarded(const char* what, void (TEntryDialog::*action)());
};
