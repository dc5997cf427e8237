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

#include "dialogs/text_codec.h"

namespace dlg {

// The most characters any text control lets the user reach: a text binding
// never writes more.
inline constexpr int kStoreLimit = 255;

// Single-line edit. Typed, pasted, dropped and composed input is made
// storable (see AdmitInput: line breaks and tabs become blanks) and capped at
// EffectiveLimit(), so that what the edit shows is what its field stores.
// Characters left out and input cut short are told in a notice beside the
// edit (and by Noticed). A text set by the program is shown whole, whatever
// the limit; the user can then shorten it but not lengthen it.
// A text wider than the box is shown whole in the tooltip. A fit note (the
// printed page cuts the text) underlines the box in orange, is the first
// line of the tooltip and sets the property "fitCut".
class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent = nullptr);

  // The most characters the user can type (0: no limit of its own).
  void SetInputLimit(int limit);
  int InputLimit() const { return limit_; }
  // The maximum length of the bound field (0: not bound).
  void SetFieldMax(int max);
  int FieldMax() const { return fieldMax_; }
  // min(input limit, field maximum, kStoreLimit), ignoring the absent ones.
  int EffectiveLimit() const;
  // Shows the text whole, whatever the limit.
  void SetText(const QString& text);
  QString Text() const { return text(); }
  // The last notice about input left out or cut short; empty when none.
  QString Notice() const { return notice_; }
  // What the printed page does to the text; empty: it prints whole.
  void SetFitNote(const QString& note);
  QString FitNote() const { return fitNote_; }
  // True when the text is wider than the room the box gives it.
  bool TextOverflows() const;

 signals:
  void Noticed(const QString& notice);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  class TInputFilter;
  void Tell(const TAdmitted& admitted);
  void UpdateToolTip();
  QString accepted_;  // the text before the change being filtered
  bool loading_ = false;
  int limit_ = 0;
  int fieldMax_ = 0;
  QString notice_;
  QString fitNote_;
};

// Multi-line memo. Its text joins the lines with carriage return and line
// feed, and its limit counts each line break as two characters, as the
// stored text does. Typed, pasted, dropped and composed input alike is made
// storable and capped at EffectiveLimit(), with a notice as in TEdit. Tab
// moves the focus instead of typing a tab. It shows whole lines only: the
// room of the box that is left below the last whole line is blank margin,
// however far the text is scrolled. A fit note marks it as in TEdit.
class TMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget* parent = nullptr);

  void SetInputLimit(int limit);
  int InputLimit() const { return limit_; }
  void SetFieldMax(int max);
  int FieldMax() const { return fieldMax_; }
  int EffectiveLimit() const;
  // Shows the text whole, whatever the limit. CR LF, a lone CR and a
  // lone LF each start a new line.
  void SetText(const QString& text);
  // The lines joined with CR LF.
  QString Text() const;
  // Length of Text(): every line break counts two.
  int Length() const;
  QString Notice() const { return notice_; }
  void SetFitNote(const QString& note);
  QString FitNote() const { return fitNote_; }
  // The height of one line of text.
  int LineHeight() const;

 signals:
  void Noticed(const QString& notice);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // How many characters (line breaks counting two) may replace the current
  // selection.
  int Room() const;
  // The input made storable and cut to the room; tells what was left out.
  QString Admit(const QString& input);
  void FitWholeLines();
  int limit_ = 0;
  int fieldMax_ = 0;
  QString notice_;
  QString fitNote_;
};

// The notice of input left out, changed or cut short (empty when nothing
// was), and showing it beside a control.
QString NoticeText(const TAdmitted& admitted, int limit);
void ShowNotice(QWidget* control, const QString& notice);

// The dynamic property that a fit note sets on its control.
inline constexpr char kFitCutProperty[] = "fitCut";

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
