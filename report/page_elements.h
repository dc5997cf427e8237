// Small constexpr builders for the element tables of the report pages.
//
// A report page is one table of qr::TElementDef. Writing every element out
// with all its attributes would bury the layout, so the tables use these
// builders: each one is a single designated initializer with the house
// defaults of a paper form (Arial 10 pt, left aligned, word wrap, data labels
// fixed in size and transparent). Units are tenths of a millimetre from the
// top-left corner of the child band.
#pragma once

#include "reportengine/model.h"

namespace rpt {

using qr::TAlign;
using qr::TElementDef;
using qr::TElementKind;
using qr::TFontDef;
using qr::TRectDef;

// The fonts of the general study's pages.
inline constexpr TFontDef kArial8{.family = "Arial", .points = 8};
inline constexpr TFontDef kArial8Bold{.family = "Arial", .points = 8, .style = qr::fsBold};
inline constexpr TFontDef kArial9{.family = "Arial", .points = 9};
inline constexpr TFontDef kArial9Bold{.family = "Arial", .points = 9, .style = qr::fsBold};
inline constexpr TFontDef kArial9Italic{.family = "Arial", .points = 9, .style = qr::fsItalic};
inline constexpr TFontDef kArial10{.family = "Arial", .points = 10};
inline constexpr TFontDef kArial10Bold{.family = "Arial", .points = 10, .style = qr::fsBold};
inline constexpr TFontDef kArial10Italic{.family = "Arial", .points = 10, .style = qr::fsItalic};
inline constexpr TFontDef kArial10BoldItalic{.family = "Arial", .points = 10, .style = qr::fsBold | qr::fsItalic};
inline constexpr TFontDef kArial11Bold{.family = "Arial", .points = 11, .style = qr::fsBold};
inline constexpr TFontDef kArial12{.family = "Arial", .points = 12};
inline constexpr TFontDef kArial12Italic{.family = "Arial", .points = 12, .style = qr::fsItalic};
inline constexpr TFontDef kArial12ItalicUnderline{.family = "Arial", .points = 12,
                                                  .style = qr::fsItalic | qr::fsUnderline};
inline constexpr TFontDef kArial14{.family = "Arial", .points = 14};
inline constexpr TFontDef kArial36{.family = "Arial", .points = 36};
inline constexpr TFontDef kCourier10{.family = "Courier New", .points = 10};
inline constexpr TFontDef kCourier10Bold{.family = "Courier New", .points = 10, .style = qr::fsBold};

// Courier New 10 pt advances 0.6 em a character: 21.18 tenths of a millimetre.
constexpr int CourierColumn(int left, int column) { return left + (column * 2118 + 50) / 100; }
// A single Courier New character laid out in a box of its own needs this width.
inline constexpr int kCourierCharBox = 22;

// Height of one laid-out line of Arial, per point size, in hundredths of a
// tenth of a millimetre (ascent plus descent of the installed face).
constexpr int ArialLineHundredths(int points) {
  switch (points) {
    case 8: return 3160;
    case 9: return 3560;
    case 10: return 3950;
    case 11: return 4340;
    case 12: return 4730;
    case 14: return 5520;
    default: return points * 395;
  }
}

// The height of a box for n lines of Arial: just enough for the n-th
// line's descenders, so that nothing of a further line shows at its foot.
constexpr int Lines(int n, int points = 10) { return (n * ArialLineHundredths(points) + 99) / 100; }

inline constexpr int kLine8 = Lines(1, 8);
inline constexpr int kLine9 = Lines(1, 9);
inline constexpr int kLine10 = Lines(1, 10);
inline constexpr int kLine11 = Lines(1, 11);
inline constexpr int kLine12 = Lines(1, 12);
inline constexpr int kLine14 = Lines(1, 14);
// Courier New 10 pt, the fixed text blocks.
inline constexpr int kCourierLine10 = 40;

// A fixed label.
constexpr TElementDef Text(TRectDef rect, const char* caption, TFontDef font = kArial10,
                           TAlign align = TAlign::Left) {
  return {.kind = TElementKind::Label, .rect = rect, .text = caption, .font = font, .align = align};
}

// A data label: filled from the record property of the same name.
constexpr TElementDef Field(const char* name, TRectDef rect, TFontDef font = kArial10,
                            TAlign align = TAlign::Left) {
  return {.kind = TElementKind::Label, .name = name, .rect = rect, .font = font, .align = align};
}

// A data label whose name differs from the record property that fills it.
constexpr TElementDef FieldOf(const char* name, const char* property, TRectDef rect, TFontDef font = kArial10,
                              TAlign align = TAlign::Left) {
  return {.kind = TElementKind::Label, .name = name, .rect = rect, .font = font, .align = align, .property = property};
}

// The dotted fill-in line of a paper form, drawn at y from left over width.
constexpr TElementDef Dots(int left, int y, int width) {
  return {.kind = TElementKind::HLine, .rect = {left, y - 2, width, 4}, .font = {}, .dotted = true};
}

// A solid horizontal rule at y.
constexpr TElementDef HRule(int left, int y, int width, std::uint8_t pen = 1) {
  return {.kind = TElementKind::HLine, .rect = {left, y - 2, width, 4}, .font = {}, .penWidth = pen};
}

// A solid vertical rule at x.
constexpr TElementDef VRule(int x, int top, int height, std::uint8_t pen = 1) {
  return {.kind = TElementKind::VLine, .rect = {x - 2, top, 4, height}, .font = {}, .penWidth = pen};
}

// A ruled rectangle with a clear brush.
constexpr TElementDef Box(TRectDef rect, std::uint8_t pen = 1) {
  return {.kind = TElementKind::Shape, .rect = rect, .font = {}, .penWidth = pen};
}

// A fixed text block: its lines separated by '\n', each wrapped to the width.
constexpr TElementDef Block(TRectDef rect, const char* lines, TFontDef font = kCourier10) {
  return {.kind = TElementKind::TextBlock, .rect = rect, .text = lines, .font = font, .autoSize = true};
}

}  // namespace rpt
