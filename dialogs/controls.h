// The controls of the entry pages: a single-line edit and a multi-line memo
// that accept only characters the study file can hold and honour an input
// limit, a radio group with an item index, and a label that can pass a click
// on to the control it names.
#pragma once

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStringList>
#include <QValidator>

namespace dlg {

// Refuses any text holding a character that code page 1253 cannot hold.
class TStorableValidator : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// Single-line edit. The input limit is the most characters the user can
// type (0: unlimited). A text set by the program is shown whole even when it
// is longer than the limit; the user can then shorten it but not lengthen it.
class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent = nullptr);

  void SetInputLimit(int limit);
  int InputLimit() const { return limit_; }
  // Shows the text whole, whatever the input limit.
  void SetText(const QString& text);
  QString Text() const { return text(); }

 private:
  void FitMaxLength();
  int limit_ = 0;
};

// Multi-line memo. Its text joins the lines with carriage return and line
// feed, and the input limit counts each line break as two characters, as the
// stored text does. Typed, pasted, dropped and composed input alike is
// filtered: characters that cannot be stored are dropped and the input is cut
// at the limit. Tab moves the focus instead of typing a tab.
class TMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget* parent = nullptr);

  void SetInputLimit(int limit);
  int InputLimit() const { return limit_; }
  // Shows the text whole, whatever the input limit. CR LF, a lone CR and a
  // lone LF each start a new line.
  void SetText(const QString& text);
  // The lines joined with CR LF.
  QString Text() const;
  // Length of Text(): every line break counts two.
  int Length() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // How many characters (line breaks counting two) may replace the current
  // selection.
  int Room() const;
  // The input made storable and cut to the room.
  QString Admit(const QString& input) const;
  int limit_ = 0;
};

// The application's style with the tighter metrics of the dialogs: narrower
// tab padding, so that every tab caption of a family fits the dialog's
// width, and smaller radio indicators, so that long item lists fit their page.
class TCompactStyle : public QProxyStyle {
  Q_OBJECT
 public:
  TCompactStyle();
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};

// A captioned column of radio buttons, one per item, with an item index
// (-1: no item selected). The group is one stop of the Tab key; the arrow
// keys move between its items. It draws no frame of its own: the pages put
// their groups side by side in one framed box.
class TRadioGroup : public QFrame {
  Q_OBJECT
 public:
  explicit TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

  QString Caption() const { return caption_->text(); }
  int ItemIndex() const;
  void SetItemIndex(int index);  // out of range: no item selected
  int Count() const { return static_cast<int>(buttons_.buttons().size()); }
  QString ItemText(int index) const;

 private:
  void UpdateTabStop();
  QLabel* caption_;
  QButtonGroup buttons_;
};

// A fixed text. When it names a control, a click on the text focuses that
// control, and toggles it when it is a check box.
class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(const QString& caption, QWidget* parent = nullptr);
  void SetFocusControl(QWidget* control) { focusControl_ = control; }
  QWidget* FocusControl() const { return focusControl_; }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QWidget* focusControl_ = nullptr;
};

// Length of a text once its line breaks are CR LF: each line break counts two.
int CountedLength(const QString& text);

}  // namespace dlg
