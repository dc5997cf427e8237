// The study document: nineteen page records owned in slot order, saved and
// loaded back to back as the study file, and the one default text per study
// type.
#include "entry/study_document.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "records/cp1253.h"

TFlox03Pages* CurrentStudy = nullptr;

namespace {

template <class T>
std::unique_ptr<TPageRecord> Make(TStreamComponent* owner) {
  return std::make_unique<T>(owner);
}

// The nineteen slots in the order of the study file.
using TCreateRecord = std::unique_ptr<TPageRecord> (*)(TStreamComponent* owner);

const TCreateRecord kSlots[TFlox03Pages::kSlotCount] = {
    &Make<TFlox03Pg1Data>,  // general study, page 1
    &Make<TFlox03Pg2Data>,  // general study, page 2
    &Make<TFlox03Pg3Data>,  // general study, page 3
    &Make<TFlox03Pg4Data>,  // general study, page 4
    &Make<TFlox03Pg5Data>,  // general study, page 5
    &Make<TFlox03Pg6Data>,  // general study, page 6
    &Make<TFlox06Pg1Data>,  // industry study, page 1
    &Make<TFlox06Pg2Data>,  // industry study, page 2
    &Make<TFlox06Pg3Data>,  // industry study, page 3
    &Make<TFlox06Pg4Data>,  // industry study, page 4
    &Make<TFlox06Pg5Data>,  // industry study, page 5
    &Make<TFlox06Pg6Data>,  // industry study, page 6
    &Make<TFlox06Pg7Data>,  // industry study, page 7
    &Make<TFlox07Pg1Data>,  // hotel study, page 1
    &Make<TFlox07Pg2Data>,  // hotel study, page 2
    &Make<TFlox07Pg3Data>,  // hotel study, page 3
    &Make<TFlox03Pg4Data>,  // hotel study, page 4: its own instance
    &Make<TFlox03Pg5Data>,  // hotel study, page 5: its own instance
    &Make<TFlox07Pg6Data>,  // hotel study, page 6
};

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

TFlox03Pages::TFlox03Pages(TStreamComponent* owner) : TStreamComponent(owner) {
  // The records belong to the document's own owner, as the document's
  // siblings; the document frees them itself.
  for (int i = 0; i < kSlotCount; ++i) slots_[i] = kSlots[i](owner);
}

TFlox03Pages::~TFlox03Pages() {
  if (CurrentStudy == this) CurrentStudy = nullptr;
  for (auto& record : slots_) record.reset();  // slot order, not reverse
}

TPageRecord& TFlox03Pages::Slot(int slot) {
  if (slot < 1 || slot > kSlotCount) {
    throw std::out_of_range("study slot " + std::to_string(slot) + " is outside 1..19");
  }
  return *slots_[slot - 1];
}

const TPageRecord& TFlox03Pages::Slot(int slot) const {
  return const_cast<TFlox03Pages*>(this)->Slot(slot);
}

void TFlox03Pages::SaveToStream(TStream& stream) {
  for (auto& record : slots_) record->SaveToStream(stream);
}

void TFlox03Pages::LoadFromStream(TStream& stream) {
  // A record that cannot be read stops the walk: the records before it keep
  // what they read, the ones after it what they held.
  for (auto& record : slots_) record->LoadFromStream(stream);
}

void TFlox03Pages::Assign(const TStreamComponent* source) {
  const auto* other = dynamic_cast<const TFlox03Pages*>(source);
  if (other == nullptr || other == this) return;
  for (int i = 0; i < kSlotCount; ++i) slots_[i]->Assign(other->slots_[i].get());
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
