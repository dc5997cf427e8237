// Which family builds the report of each study type. The industry study
// (type 3) adds its family here.
#include <cstdint>

#include "report/flox03/flox03_family.h"
#include "report/flox07/flox07_family.h"
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
    {4, &kFlox07ReportFamily},
};

}  // namespace

const TReportFamily* FindReportFamily(std::uint8_t studyType) {
  for (const TStudyTypeFamily& entry : kFamilies) {
    if (entry.studyType == studyType) return entry.family;
  }
  return nullptr;
}

}  // namespace rpt
