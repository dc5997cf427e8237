// The A4 page model of every study report page, as data.
//
// A page report is one A4 portrait sheet with 10 mm margins: an empty title
// band on top, then one child band that carries every element. Positions and
// sizes are tenths of a millimetre from the top-left corner of the band
// (a design pixel at 96 dpi is 2.6458 units). A page is described once by a
// table of TElementDef; only the captions of its data labels change at run
// time.
#pragma once

#include <cstdint>
#include <span>

namespace qr {

enum class TElementKind : std::uint8_t {
  Label,      // fixed label (name == nullptr) or data label (name set)
  HLine,      // horizontal line along the vertical centre of its rectangle
  VLine,      // vertical line along the horizontal centre of its rectangle
  Shape,      // rectangle: pen, brush, extra frames per side
  TextBlock,  // fixed multi-line text, one line after the other, each wrapped
};

enum class TAlign : std::uint8_t { Left, Center, Right };

enum TFontStyle : std::uint8_t { fsRegular = 0, fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// Families as the page descriptions name them: "Arial", "Courier New",
// "MS Sans Serif", "MS Serif"; the renderer maps them to installed
// metric-compatible fonts with Greek glyphs.
struct TFontDef {
  const char* family = "Arial";
  std::uint8_t points = 10;
  std::uint8_t style = fsRegular;
};

struct TRectDef {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum TFrameSide : std::uint8_t { frNone = 0, frLeft = 1, frTop = 2, frRight = 4, frBottom = 8, frAll = 15 };

struct TElementDef {
  TElementKind kind = TElementKind::Label;
  // Data labels: the name by which SetCaption addresses them; they start
  // empty. Fixed elements: nullptr (a name is allowed but not needed).
  const char* name = nullptr;
  TRectDef rect;
  // UTF-8. Fixed label: its caption. Text block: its lines, separated by '\n'.
  const char* text = nullptr;
  TFontDef font;
  TAlign align = TAlign::Left;
  bool autoSize = false;        // label: the width follows the caption
  bool wordWrap = true;         // label and text block
  bool transparent = true;      // label: false paints the background first
  bool greyBackground = false;  // opaque label: light grey (201,201,201) instead of white
  bool dotted = false;          // HLine: the dotted fill-in line of a paper form
  std::uint8_t penWidth = 1;    // lines and shapes: 1 to 3
  bool greyBrush = false;       // shape: light grey fill instead of clear
  std::uint8_t frames = frNone; // shape: extra frames on these sides
  std::uint8_t frameWidth = 2;  // 2 or 3
  bool frameGrey = false;       // frame colour grey instead of black
  bool stretch = false;         // text block: grows downwards with its text
  // Data label: the record property that fills it, where it differs from
  // the label's name; nullptr: the property of the label's own name.
  const char* property = nullptr;
};

struct TPageDef {
  const char* formName;                // e.g. "TFlox03Page1Preview"
  int titleBandHeight;                 // QRBand1, 29 to 177
  const char* childBandName;           // "QRChildBand1" (or "QRChildBand2")
  int childBandHeight;                 // 1857 to 2728
  std::span<const TElementDef> elements;
};

// Page geometry, in tenths of a millimetre.
inline constexpr int kPageWidth = 2100;
inline constexpr int kPageHeight = 2970;
inline constexpr int kMargin = 100;
inline constexpr int kPrintableWidth = 1900;   // the bands are 1899.7 wide
inline constexpr int kPrintableHeight = 2770;

}  // namespace qr
