// The study document: the nineteen page records of all three study families
// in the order of the study file, the defaults of each study type, and the
// routing of the edit, preview and print actions.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "records/page_record.h"
#include "records/study_slots.h"

class TFlox03Pages {
 public:
  static constexpr int kSlotCount = kStudySlotCount;

  // The nineteen records in slot order, each in its constructed state.
  TFlox03Pages();

  // The record of a slot, 1..19; std::out_of_range outside.
  TPageRecord& Slot(int slot);
  const TPageRecord& Slot(int slot) const;
  // All nineteen, in slot order (as the study file holds them).
  std::span<TPageRecord> Records() { return slots_; }
  std::span<const TPageRecord> Records() const { return slots_; }
  // The records of the slots, in the order given.
  std::vector<TPageRecord*> Records(std::span<const int> slots);

  // The record of a slot, which must be of class T (std::bad_cast otherwise).
  template <class T>
  TPageRecord& Rec(int slot) {
    TPageRecord& record = Slot(slot);
    if (&record.Class() != &T::ClassInfo()) throw std::bad_cast();
    return record;
  }

  // Writes the legal text of the study type into its family's first record, or
  // nothing (a type without one, or without a family).
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
  std::vector<TPageRecord> slots_;
};
