// Building blocks of the industry study's report pages: a page table is
// joined from single elements and small groups (a data label over its
// dotted lines, a bracketed value), so that each line of a page reads as
// one line of its table. Every data label is named after the record
// property it shows.
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

#include "report/page_elements.h"

namespace rpt {

template <class T>
struct TPartSize : std::integral_constant<std::size_t, 1> {};
template <std::size_t N>
struct TPartSize<std::array<TElementDef, N>> : std::integral_constant<std::size_t, N> {};

// The elements of every part, in order, as one table.
template <class... Parts>
constexpr auto Join(const Parts&... parts) {
  std::array<TElementDef, (TPartSize<Parts>::value + ... + 0)> out{};
  std::size_t at = 0;
  auto put = [&](const auto& part) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(part)>, TElementDef>) {
      out[at++] = part;
    } else {
      for (const TElementDef& e : part) out[at++] = e;
    }
  };
  (put(parts), ...);
  return out;
}

// A data label of `lines` lines with a dotted fill-in line under each.
template <int LinesN = 1>
constexpr auto Filled(const char* name, int left, int top, int width, TFontDef font = kArial10,
                      TAlign align = TAlign::Left) {
  std::array<TElementDef, LinesN + 1> out{};
  out[0] = Field(name, {left, top, width, Lines(LinesN, font.points)}, font, align);
  for (int i = 1; i <= LinesN; ++i) out[i] = Dots(left, top + Lines(i, font.points), width);
  return out;
}

// A value between two bracket labels: "[" at left, the centred value, "]".
constexpr std::array<TElementDef, 4> Bracketed(const char* name, int left, int top, int width,
                                                TFontDef font = kArial10) {
  const int h = Lines(1, font.points);
  return {Text({left, top, 15, h}, "[", font), Field(name, {left + 15, top, width, h}, font, TAlign::Center),
          Dots(left + 15, top + h, width), Text({left + 15 + width, top, 15, h}, "]", font)};
}
// The width a bracketed value of the given width takes.
constexpr int BracketedWidth(int width) { return width + 30; }

}  // namespace rpt

