// Blocks of the title page that the studies print alike: the legal basis
// and author of the study, and the town-street-number-post code line of an
// address. Only where a block stands differs.
#pragma once

#include <array>

#include "report/page_elements.h"

namespace rpt {

// "Που συντάχθηκε σύμφωνα με" at `top` and "από τον" at `fromTop`, each with
// three dotted lines for its text.
constexpr auto StudyAuthor(int top, int fromTop) {
  return std::to_array<TElementDef>({
      Text({0, top, 480, kLine10}, "Που συντάχθηκε σύμφωνα με"),
      Field("Suntaxh", {490, top, 1410, Lines(3)}),
      Dots(490, top + kLine10, 1410),
      Dots(490, top + Lines(2), 1410),
      Dots(490, top + Lines(3), 1410),
      Text({0, fromTop, 480, kLine10}, "από τον"),
      Field("FromWho", {490, fromTop, 1410, Lines(3)}),
      Dots(490, fromTop + kLine10, 1410),
      Dots(490, fromTop + Lines(2), 1410),
      Dots(490, fromTop + Lines(3), 1410),
  });
}

// Town, street, number and post code of item 2 at `y`, the post code up to `right`.
constexpr auto TownStreetNumber(int y, int right) {
  return std::to_array<TElementDef>({
      Text({390, y, 85, kLine10}, "Πόλη"),
      Field("Polh", {485, y, 410, kLine10}),
      Dots(485, y + kLine10, 410),
      Text({910, y, 85, kLine10}, "Οδός"),
      Field("Odos", {1005, y, 440, kLine10}),
      Dots(1005, y + kLine10, 440),
      Text({1460, y, 55, kLine10}, "Αρ."),
      Field("Number", {1520, y, 120, kLine10}),
      Dots(1520, y + kLine10, 120),
      Text({1655, y, 70, kLine10}, "Τ.Κ."),
      Field("TK", {1730, y, right - 1730, kLine10}),
      Dots(1730, y + kLine10, right - 1730),
  });
}

}  // namespace rpt
