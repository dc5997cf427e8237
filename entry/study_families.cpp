// The family table. A family adds its dialog description and report page
// list in dialogs/ and report/, its TStudyFamily here, and one row per study
// type it serves.
#include "entry/study_families.h"

#include "dialogs/flox03/flox03_indata.h"
#include "dialogs/flox06/flox06_indata.h"
#include "dialogs/flox07/flox07_indata.h"
#include "report/flox03/flox03_report.h"
#include "report/flox06/flox06_report.h"
#include "report/flox07/flox07_report.h"

namespace {

constexpr int kGeneralSlots[] = {1, 2, 3, 4, 5, 6};
const TStudyFamily kGeneralStudy{
    .name = "general study",
    .recordSlots = kGeneralSlots,
    .createDialog = &dlg::NewDialog<TFlox03InData>,
    .report = &kFlox03ReportFamily,
};

constexpr int kIndustrySlots[] = {7, 8, 9, 10, 11, 12, 13};
const TStudyFamily kIndustryStudy{
    .name = "industry study",
    .recordSlots = kIndustrySlots,
    .createDialog = &dlg::NewDialogFrom<kFlox06InData>,
    .report = &kFlox06ReportFamily,
};

// The hotel study: its own records in slots 14 to 19, among them its own
// extinguisher lists in slots 17 and 18 (never the general study's 4 and 5).
constexpr int kHotelSlots[] = {14, 15, 16, 17, 18, 19};
const TStudyFamily kHotelStudy{
    .name = "hotel study",
    .recordSlots = kHotelSlots,
    .createDialog = &dlg::NewDialog<TFlox07InData>,
    .report = &kFlox07ReportFamily,
};

const TStudyTypeRow kStudyTypes[] = {
    {1, &kGeneralStudy},
    {2, &kGeneralStudy},
    {3, &kIndustryStudy},
    {4, &kHotelStudy},
};

}  // namespace

std::span<const TStudyTypeRow> StudyTypeRows() { return kStudyTypes; }

const TStudyFamily* FindStudyFamily(std::uint8_t studyType) {
  for (const TStudyTypeRow& row : kStudyTypes) {
    if (row.studyType == studyType) return row.family;
  }
  return nullptr;
}
