// The study document: the nineteen page records of all three study families,
// saved and loaded as one study file, the defaults of each study type, and
// the routing of the edit, preview and print actions.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "records/page_record.h"
#include "records/stream_component.h"
#include "records/study_slots.h"

class TFlox03Pages : public TStreamComponent {
 public:
  static constexpr int kSlotCount = kStudySlotCount;

  // Creates the nineteen records in slot order, each in its constructed state.
  explicit TFlox03Pages(TStreamComponent* owner = nullptr);
  // Frees the nineteen records in slot order.
  ~TFlox03Pages() override;

  // The record of a slot, 1..19; std::out_of_range outside.
  TPageRecord& Slot(int slot);
  const TPageRecord& Slot(int slot) const;
  // The records of the slots, in the order given.
  std::vector<TPageRecord*> Records(std::span<const int> slots);

  // The record of a slot as its class (std::bad_cast when the class differs).
  template <class T>
  T& Rec(int slot) { return dynamic_cast<T&>(Slot(slot)); }
  template <class T>
  const T& Rec(int slot) const { return dynamic_cast<const T&>(Slot(slot)); }

  // Records 1 to 19 back to back on the same stream; nothing else.
  void SaveToStream(TStream& stream) override;
  void LoadFromStream(TStream& stream) override;
  // From another study document: each record from the record in the same slot.
  void Assign(const TStreamComponent* source) override;

  // Writes the one default text of the study type (types 1, 2, 3), or nothing.
  void ApplyTypeDefaults(std::uint8_t studyType);

  // Runs the family's data-entry dialog over the family's records.
  void EditStudy(std::uint8_t studyType);
  // Build the family's whole report from the records and preview or print it.
  void PreviewReport(std::uint8_t studyType);
  void PrintReport(std::uint8_t studyType);
  // The same whole report, written as a PDF file without any window.
  // Returns false with *error set when the type has no report or writing fails.
  bool ExportReportPdf(std::uint8_t studyType, const std::string& pdfFileName, std::string* error);

 private:
  std::array<std::unique_ptr<TPageRecord>, kSlotCount> slots_;
};

// The document of the Flox03A call that is running, or nullptr.
extern TFlox03Pages* CurrentStudy;
