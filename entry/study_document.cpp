// The study document: nineteen page records in slot order. What it does by
// study type is in study_actions.cpp.
#include "entry/study_document.h"

#include <stdexcept>
#include <string>

#include "records/study_slots.h"

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
