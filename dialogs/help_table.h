// The help dialogs ("Οδηγίες συμπλήρωσης") as data: small modal windows of
// fixed text, one row per item of an entry page, with a close button centred
// below the texts and, on some of them, small picture buttons that open a
// further help dialog. A help dialog is one THelpFormTable constant; one
// generic dialog (help_form.h) shows any of them.
#pragma once

#include <span>
#include <string_view>

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

struct THelpFormTable;

// A small caption-less button with a thin bar glyph.
struct THelpButton {
  std::string_view name;  // object name, e.g. "BitBtn1"
  int width = 18;
  int height = 15;
  const THelpFormTable* opens = nullptr;  // the help dialog it opens on top
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

}  // namespace dlg
