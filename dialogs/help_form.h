// The help dialog: one generic window that shows any THelpFormTable.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include "dialogs/help_table.h"

class QFrame;
class QPixmap;
class QLabel;
class QPushButton;
class QWidget;

namespace dlg {

// The dialog of one table, sizeable. Its content lies on `Panel1`, which
// fills the client area and scrolls when the window is made smaller than the
// texts need; the texts are labels `Label1`, `Label2`, … in table order
// (a row with a second text has two labels); the small buttons and the close
// button carry the table's names. The close button and the title bar's close
// box close the dialog. Without an owner the dialog is made transient for
// the host window.
class THelpForm : public QDialog {
  Q_OBJECT

 public:
  THelpForm(const THelpFormTable& table, QWidget* owner);
  ~THelpForm() override;

  const THelpFormTable& Table() const { return table_; }
  QFrame* Panel() const { return panel_; }
  QPushButton* CloseButton() const { return close_; }
  // The small button of the given index of the table, or nullptr.
  QPushButton* SmallButton(int index) const;
  // Every text label, in table order.
  const QList<QLabel*>& Labels() const { return labels_; }

  // Opens the dialog of the small button `index` modally, owned by this
  // dialog, which stays open underneath; frees it when it closes, also when
  // showing it fails. Returns its modal result; an index without a button
  // does nothing and returns -1.
  int OpenSubDialog(int index);

 private:
  void BuildContent();
  void Place();

  const THelpFormTable& table_;
  QFrame* panel_ = nullptr;
  QPushButton* close_ = nullptr;
  QList<QPushButton*> buttons_;
  QList<QLabel*> labels_;
};

// Shows `dialog` modally and frees it when it closes, also when showing it
// throws (the error then goes on to the caller). The dialog may already have
// been freed by its owner meanwhile. Returns the modal result.
int ExecAndFree(QDialog* dialog);

// Creates the help dialog of the table owned by `owner`, shows it modally
// and frees it: what an entry page's help button and a small button of a
// help dialog do.
int ShowHelp(const THelpFormTable& table, QWidget* owner);

// The thin bar glyph of the small buttons, 16 × 3 pixels.
QPixmap BarGlyph();

}  // namespace dlg
