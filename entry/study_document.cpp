// The study document: nineteen page records in slot order, and the one
// default text per study type.
#include "entry/study_document.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "records/cp1253.h"
#include "records/study_slots.h"

namespace {

// The legal basis each study type writes into its first page before the
// file is read; a value stored in the file replaces it.
struct TTypeDefault {
  std::uint8_t studyType;
  int slot;
  const char* property;
  std::string_view utf8;
};

constexpr TTypeDefault kTypeDefaults[] = {
    {1, 1, "Suntaxh", "την 3/81 Π.Δ."},
    {2, 1, "Suntaxh", "την 8/97 Π.Δ."},
    {3, 7, "Suntaxh", "  Π.Δ. 71/88  Αρθρο11  και Απόφ. 5905/Φ15/839  ΦΕΚ611/12/7/95"},
};

}  // namespace

TFlox03Pages::TFlox03Pages() : slots_(NewStudyRecords()) {}

TPageRecord& TFlox03Pages::Slot(int slot) {
  if (slot < 1 || slot > kSlotCount) {
    throw std::out_of_range("study slot " + std::to_string(slot) + " is outside 1..19");
  }
  return slots_[static_cast<std::size_t>(slot - 1)];
}

const TPageRecord& TFlox03Pages::Slot(int slot) const {
  return const_cast<TFlox03Pages*>(this)->Slot(slot);
}

std::vector<TPageRecord*> TFlox03Pages::Records(std::span<const int> slots) {
  std::vector<TPageRecord*> records;
  for (const int slot : slots) records.push_back(&Slot(slot));
  return records;
}

void TFlox03Pages::ApplyTypeDefaults(std::uint8_t studyType) {
  for (const TTypeDefault& d : kTypeDefaults) {
    if (d.studyType != studyType) continue;
    std::string bytes;
    if (!Utf8ToCp1253(d.utf8, bytes)) {
      throw std::logic_error(std::string("default of ") + d.property + " is not code page 1253 text");
    }
    Slot(d.slot).Set(d.property, bytes);
  }
}
