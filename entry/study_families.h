// The study families: one row per family holds everything that makes it —
// the study types it serves with their names and legal texts, its data-entry
// dialog with every tab (caption, record slot, entry page, report page,
// help), and its whole report. The document (type defaults, edit, preview,
// print, PDF), the exported functions (which types exist, Flox03StudyTypes)
// and the fit check read this table and nothing else; a study type without a
// row does nothing. A new family is its tables in its own folders and one
// row here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "dialogs/dialog_tables.h"
#include "report/report_assembly.h"

struct TStudyTypeDef {
  std::uint8_t type;
  const char* name;       // UTF-8, as a host names it: "Γενική μελέτη, 3/81 Π.Δ."
  const char* legalText;  // UTF-8, written into the family's legal field before the file is read; nullptr: nothing
};

struct TStudyFamily {
  const char* name;                              // e.g. "general study"
  std::span<const TStudyTypeDef> types;
  const char* legalField;                        // the field of the first tab's record that holds the legal basis
  dlg::TDialogDesc dialog;                       // its window and its tabs, one record each
  std::span<const rpt::TReportPageRef> report;   // its whole report, in print order
  bool hourglassWhilePrinting;                   // the general study keeps the hourglass while it prints

  // The slots of its records, in tab order.
  std::vector<int> Slots() const;
};

// Every family, in the order of their study types.
std::span<const TStudyFamily> StudyFamilies();

// The family of a study type, or nullptr.
const TStudyFamily* FindStudyFamily(std::uint8_t studyType);
// The study type's row, or nullptr.
const TStudyTypeDef* FindStudyType(std::uint8_t studyType);

// Every study type as JSON (UTF-8), in type order, as Flox03StudyTypes gives
// it to hosts:
// [{"type": 1, "name": "Γενική μελέτη, 3/81 Π.Δ.", "family": "general study",
//   "slots": [1, 2, 3, 4, 5, 6],
//   "tabs": ["Επιχείρηση", "Οικοδομική Σύσταση", ...], "legalSlot": 1, "legalField": "Suntaxh",
//   "legalText": "την 3/81 Π.Δ."}, ...]  ("legalText": null where there is none)
std::string StudyTypesJson();
