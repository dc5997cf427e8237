// Which family builds the report of each study type. The industry study
// (type 3) has its family; the hotel study (type 4) adds its own here.
#include <cstdint>

#include "report/flox03/flox03_family.h"
#include "report/flox06/flox06_family.h"
#include "report/report_assembly.h"

namespace rpt {

namespace {

struct TStudyTypeFamily {
  std::uint8_t studyType;
  const TReportFamily* family;
};

const TStudyTypeFamily kFamilies[] = {
    {1, &kFlox03ReportFamily},
    {2, &kFlox03ReportFamily},
    {3, &kFlox06ReportFamily},
};

}  // namespace

const TReportFamily* FindReportFamily(std::uint8_t studyType) {
  for (const TStudyTypeFamily& entry : kFamilies) {
    if (entry.studyType == studyType) return entry.family;
  }
  return nullptr;
}

}  // namespace rpt
