// The help dialogs ("Οδηγίες συμπλήρωσης"): small modal windows of fixed
// text, one row per item of an entry page, with a close button centred below
// the texts and, on some of them, small picture buttons that open a further
// help dialog. Every help dialog is described by one THelpFormTable; THelpForm
// builds and lays out any such table, so a help dialog class is its table
// plus a constructor.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <span>
#include <string_view>

class QFrame;
class QPixmap;
class QLabel;
class QPushButton;
class QWidget;

namespace dlg {

// How a row of text sits in the dialog.
enum class TRowKind {
  Heading,         // centred across the dialog
  Item,            // at the left margin
  Continued,       // continues the row above, indented a little further
  ContinuedRight,  // continues the row above, at the right end of its own row
};

// One row, top to bottom. Texts are UTF-8 and shown exactly as written,
// trailing blanks included. A row may carry a second text after the first
// (`then`) or one of the table's small buttons after its text; the text before
// a second text or a button stays on one line, every other text wraps at
// word boundaries when the dialog is too narrow for it.
struct THelpRow {
  TRowKind kind = TRowKind::Item;
  std::string_view text;
  std::string_view then = {};  // a second text on the same row, or empty
  int pointSize = 0;           // 0: the dialog's size
  std::string_view face = {};  // font family of `text`; empty: the dialog's
  std::string_view thenFace = {};
  int button = -1;             // index into THelpFormTable::buttons, or -1
};

// Creates the dialog a small button opens, owned by `owner`.
using THelpFactory = QDialog* (*)(QWidget* owner);

// A small caption-less button with a thin bar glyph.
struct THelpButton {
  std::string_view name;  // object name, e.g. "BitBtn1"
  int width = 18;
  int height = 15;
  THelpFactory open = nullptr;
};

enum class TPlacement { Designed, ScreenCentre };
enum class TPanelColour { Ivory, ButtonFace };
enum class TCloseKind { Bitmap, Plain };  // picture button or plain button

struct THelpFormTable {
  std::string_view caption;
  int width = 0;  // the window size in pixels
  int height = 0;
  TPlacement placement = TPlacement::Designed;
  int left = 0;  // the designed position (TPlacement::Designed only)
  int top = 0;
  TPanelColour colour = TPanelColour::Ivory;
  std::string_view face = "MS Sans Serif";
  int pointSize = 8;
  std::span<const THelpRow> rows;
  std::span<const THelpButton> buttons = {};
  std::string_view closeName = "BitBtn1";
  TCloseKind closeKind = TCloseKind::Bitmap;
};

// The caption of every close button.
inline constexpr std::string_view kCloseCaption = "Εξοδος";
// Light ivory, the panel colour of the general and industry studies' help.
inline constexpr int kIvoryRed = 255, kIvoryGreen = 255, kIvoryBlue = 240;


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

// Creates a help dialog of class Form owned by `owner`, shows it modally and
// frees it, as the entry pages' ShowHelp does.
template <class Form>
int ShowModalHelp(QWidget* owner) {
  return ExecAndFree(new Form(owner));
}

// A factory for THelpButton::open.
template <class Form>
QDialog* MakeHelp(QWidget* owner) {
  return new Form(owner);
}

// The thin bar glyph of the small buttons, 16 × 3 pixels.
QPixmap BarGlyph();

}  // namespace dlg

// The constructor and Design() of a help dialog class that is its table.
#define FLOX_DEFINE_HELP_FORM(Class, table)                            \
  Class::Class(QWidget* owner) : dlg::THelpForm(table, owner) {}       \
  const dlg::THelpFormTable& Class::Design() { return table; }
