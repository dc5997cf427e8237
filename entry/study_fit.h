// The fields whose text the printed report cuts. A data label prints only
// what fits its box; this fills the study family's whole report exactly as
// it prints, asks the renderer's own layout of every data label how much of
// its text is printed, and names each cut field by its caption on its entry
// page, as the family table's tabs describe them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/entry_dialog.h"
#include "entry/study_document.h"
#include "entry/study_families.h"
#include "reportengine/renderer.h"

struct TCutField {
  int page = 0;         // the sheet in the whole report, from 1
  std::string form;     // its report page form, e.g. "TFlox03Page1Preview"
  std::string label;    // the data label
  int slot = 0;         // the record's slot in the study (0: not known)
  std::string field;    // the record property (the label's name when not known)
  std::string caption;  // UTF-8: the caption beside the field on its entry page, else the field's name
  std::string tab;      // UTF-8: the caption of that entry page's tab ("" when not known)
  std::string text;     // UTF-8: the whole text of the label
  qr::TTextFit fit;
};

// Every cut field of the study's report for the study type, in report order.
// Throws std::invalid_argument for a study type without a report. Needs a Qt application (the
// report pages are laid out as for printing).
std::vector<TCutField> FindCutFields(const TFlox03Pages& study, std::uint8_t studyType);

// The cut fields of one tab's record on the tab's own report page, as the
// whole check would name them: one page laid out, for a question asked
// while the record is being edited.
std::vector<TCutField> FindCutFieldsOfTab(const TStudyFamily& family, int tab, const TPageRecord& record);

// The check of one tab as the data-entry dialog asks it while the user
// types: FindCutFieldsOfTab, field by field.
TEntryDialog::TFitChecker FitCheckerOf(const TStudyFamily& family);

// The list as the JSON text of Flox03CheckFit.
std::string CutFieldsToJson(const std::vector<TCutField>& fields);
