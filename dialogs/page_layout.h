// An entry page's controls as data: one table row per control, in screen
// order (rows top to bottom, left to right within a row), which is also the
// order of the Tab key. One small builder walks the table and makes the
// controls on the page's panel.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "dialogs/bindings.h"

class QFont;
class QWidget;

namespace dlg {

enum class TCtlKind : std::uint8_t {
  Label,  // fixed text; optional tooltip; may name the control it belongs to
  Edit,   // TEdit
  Memo,   // TMemo
  Check,  // QCheckBox; its own caption may be empty
  Radio,  // TRadioGroup; its items come from the binding's code table
  Box,    // framed box drawn behind the controls that stand in it
  HLine,  // thin drawn lines that separate the columns of a grid
  VLine,
};

enum TCtlStyle : std::uint8_t {
  csPlain = 0,
  csBold = 1,
  csUnderline = 2,
  csCentre = 4,   // label text centred in its rectangle
  csRight = 8,    // label text right-aligned in its rectangle
  csTop = 16,     // label text at the top of its rectangle (default: middle)
  csWrap = 32,    // label text wraps inside its rectangle
  csStretch = 64, // grows to the right by the room the page has beyond its placed size (a grid's last column)
};

// The dynamic property that holds the placed width of a csStretch control.
inline constexpr char kPlacedWidthProperty[] = "placedWidth";

// A control's face and size: a designed face ("Arial", "MS Sans Serif", ...,
// shown as its installed counterpart) and points at 96 dpi. nullptr / 0:
// what the page or dialog uses.
struct TControlFont {
  const char* face = nullptr;
  int points = 0;
};

struct TControlDef {
  TCtlKind kind;
  const char* name;     // designer name (objectName); nullptr for fixed texts, boxes and lines
  const char* caption;  // UTF-8: label text, check box caption, radio group or box caption
  int x, y, w, h;       // pixels on the page's panel; w == 0: the label's own width
  int limit = 0;        // edit or memo: input limit, 0 unlimited
  const char* hint = nullptr;   // UTF-8 tooltip
  const char* buddy = nullptr;  // label: the control a click on it focuses (or toggles)
  std::uint8_t style = csPlain;  // csBold, csUnderline: also for check boxes, edits and boxes
  TControlFont font = {};

  // The same control in another face and size, with more style bits:
  // Head("Τίτλος", 8, 4).Font("Arial", 12), Lbl(...).Font("Arial", 10, csUnderline).
  constexpr TControlDef Font(const char* face, int points, std::uint8_t moreStyle = csPlain) const {
    TControlDef copy = *this;
    copy.font = {face, points};
    copy.style = static_cast<std::uint8_t>(copy.style | moreStyle);
    return copy;
  }
};

// The font of a control: base with the face and size of font (where given)
// and bold and underline from the style bits.
QFont ControlFont(const QFont& base, const TControlFont& font, std::uint8_t style);

// Standard heights of one row of controls.
inline constexpr int kRowH = 19;

// Shorthands for the page tables.
constexpr TControlDef Lbl(const char* caption, int x, int y, const char* hint = nullptr, const char* buddy = nullptr,
                          std::uint8_t style = csPlain, int w = 0, int h = kRowH) {
  return {TCtlKind::Label, nullptr, caption, x, y, w, h, 0, hint, buddy, style};
}
constexpr TControlDef Head(const char* caption, int x, int y, std::uint8_t style = csBold, const char* hint = nullptr,
                           int w = 0, int h = kRowH) {
  return {TCtlKind::Label, nullptr, caption, x, y, w, h, 0, hint, nullptr, style};
}
constexpr TControlDef Ed(const char* name, int x, int y, int w, int limit) {
  return {TCtlKind::Edit, name, nullptr, x, y, w, kRowH, limit};
}
constexpr TControlDef Mem(const char* name, int x, int y, int w, int h, int limit) {
  return {TCtlKind::Memo, name, nullptr, x, y, w, h, limit};
}
constexpr TControlDef Chk(const char* name, const char* caption, int x, int y, int w, const char* hint = nullptr) {
  return {TCtlKind::Check, name, caption, x, y, w, kRowH, 0, hint};
}
constexpr TControlDef Rad(const char* name, const char* caption, int x, int y, int w, int h) {
  return {TCtlKind::Radio, name, caption, x, y, w, h};
}
constexpr TControlDef Box(int x, int y, int w, int h, const char* caption = nullptr) {
  return {TCtlKind::Box, nullptr, caption, x, y, w, h};
}
constexpr TControlDef HLine(int x, int y, int w) { return {TCtlKind::HLine, nullptr, nullptr, x, y, w, 1}; }
constexpr TControlDef VLine(int x, int y, int h) { return {TCtlKind::VLine, nullptr, nullptr, x, y, 1, h}; }

// One table of the parts' controls, in order.
template <std::size_t... N>
constexpr std::array<TControlDef, (N + ...)> JoinControls(const std::array<TControlDef, N>&... parts) {
  std::array<TControlDef, (N + ...)> out{};
  std::size_t at = 0;
  ((std::copy(parts.begin(), parts.end(), out.begin() + at), at += N), ...);
  return out;
}

// Makes the controls of the table on the panel and chains them for the Tab
// key in table order. A radio group takes its items from the code table of
// its binding. Every input control is named for screen readers by its
// caption on the page (ControlCaptions). Throws std::logic_error when a radio group has no binding or a
// label names a control that is not in the table.
void BuildControls(QWidget* panel, std::span<const TControlDef> table, std::span<const TBinding> bindings);

// Widens every csStretch control of the panel by `extra` pixels beyond its
// placed width (never narrower than placed).
void StretchControls(QWidget* panel, int extra);

}  // namespace dlg
