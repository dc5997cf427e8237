// Blocks of the building page that the general and the hotel study print
// alike: the emergency exits with their four streets, and the six
// neighbouring premises of item 8. Only where a block stands differs.
#pragma once

#include <array>

#include "report/page_elements.h"

namespace rpt {

// "6. Αριθμός εξόδων κινδύνου :" at `top`, the heading of the street column
// and exits 1 to 4, 45 apart.
constexpr auto EmergencyExits(int top) {
  const int head = top + 50;
  const int y = head + 42;
  return std::to_array<TElementDef>({
      Text({0, top, 480, kLine10}, "6. Αριθμός εξόδων κινδύνου :"),
      Field("ArithmosEjodwn", {480, top, 120, kLine10}),
      Dots(480, top + kLine10, 120),

      Text({250, head, 800, kLine10}, "Ονομασία Οδού & Αριθμός"),
      Text({0, y, 240, kLine10}, "Εξοδος (1) :"),
      Field("Exit1", {250, y, 1650, kLine10}, kArial9),
      Dots(250, y + kLine10, 1650),
      Text({0, y + 45, 240, kLine10}, "Εξοδος (2) :"),
      Field("Exit2", {250, y + 45, 1650, kLine10}, kArial9),
      Dots(250, y + 45 + kLine10, 1650),
      Text({0, y + 90, 240, kLine10}, "Εξοδος (3) :"),
      Field("Exit3", {250, y + 90, 1650, kLine10}, kArial9),
      Dots(250, y + 90 + kLine10, 1650),
      Text({0, y + 135, 240, kLine10}, "Εξοδος (4) :"),
      Field("Exit4", {250, y + 135, 1650, kLine10}, kArial9),
      Dots(250, y + 135 + kLine10, 1650),
  });
}
// From the top of the exits block to where a fifth exit would stand.
inline constexpr int kEmergencyExitsHeight = 50 + 42 + 4 * 45;

// "8. Γειτνίαση" at `top`, the heading of the premises column and the six
// neighbours, 45 apart.
constexpr auto Neighbours(int top) {
  constexpr int kColon = 390;
  constexpr int kValue = 420;
  const int head = top + 45;
  const int y = head + 45;
  return std::to_array<TElementDef>({
      Text({0, top, 600, kLine10}, "8. Γειτνίαση"),
      Text({kValue, head, 900, kLine10}, "Γειτονικός Χώρος της επιχείρησης"),
      Text({0, y, kColon - 10, kLine10}, "Ανατολικά"),
      Text({kColon, y, 20, kLine10}, ":"),
      Field("Anatolika", {kValue, y, 1900 - kValue, kLine10}),
      Dots(kValue, y + kLine10, 1900 - kValue),
      Text({0, y + 45, kColon - 10, kLine10}, "Δυτικά"),
      Text({kColon, y + 45, 20, kLine10}, ":"),
      Field("dutika", {kValue, y + 45, 1900 - kValue, kLine10}),
      Dots(kValue, y + 45 + kLine10, 1900 - kValue),
      Text({0, y + 90, kColon - 10, kLine10}, "Βόρεια"),
      Text({kColon, y + 90, 20, kLine10}, ":"),
      Field("Boreia", {kValue, y + 90, 1900 - kValue, kLine10}),
      Dots(kValue, y + 90 + kLine10, 1900 - kValue),
      Text({0, y + 135, kColon - 10, kLine10}, "Νότια"),
      Text({kColon, y + 135, 20, kLine10}, ":"),
      Field("Noteia", {kValue, y + 135, 1900 - kValue, kLine10}),
      Dots(kValue, y + 135 + kLine10, 1900 - kValue),
      Text({0, y + 180, kColon - 10, kLine10}, "Υπερκείμενος Οροφος"),
      Text({kColon, y + 180, 20, kLine10}, ":"),
      Field("Yperkeimenos", {kValue, y + 180, 1900 - kValue, kLine10}),
      Dots(kValue, y + 180 + kLine10, 1900 - kValue),
      Text({0, y + 225, kColon - 10, kLine10}, "Υποκείμενος Οροφος"),
      Text({kColon, y + 225, 20, kLine10}, ":"),
      Field("Ypokeimenos", {kValue, y + 225, 1900 - kValue, kLine10}),
      Dots(kValue, y + 225 + kLine10, 1900 - kValue),
  });
}

}  // namespace rpt
