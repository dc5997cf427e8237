// The study families: which family each study type is, and what makes a
// family (its records, its data-entry dialog, its whole report). The edit,
// preview, print and PDF actions of the study document walk this table and
// nothing else; a study type without a row does nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "dialogs/entry_dialog.h"
#include "report/report_assembly.h"

struct TStudyFamily {
  const char* name;                // e.g. "general study"
  std::span<const int> recordSlots;  // document slots of its records, in page (and tab) order
  // Its data-entry dialog, one tab per record; nullptr while a family has
  // none yet (its edit action then opens nothing).
  std::unique_ptr<TEntryDialog> (*createDialog)();
  const rpt::TReportFamily* report;  // its page list and composite report
};

struct TStudyTypeRow {
  std::uint8_t studyType;
  const TStudyFamily* family;
};

// Every study type that has a family, in type order.
std::span<const TStudyTypeRow> StudyTypeRows();

// The family of a study type, or nullptr.
const TStudyFamily* FindStudyFamily(std::uint8_t studyType);
