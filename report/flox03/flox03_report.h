// Report pages of the general study and its composite report.
#pragma once

#include "records/page_record.h"
#include "report/report_assembly.h"
#include "report/report_page.h"

FLOX_REPORT_PAGE(TFlox03Page1Preview, Flox03Page1Preview, TFlox03Pg1Data);
FLOX_REPORT_PAGE(TFlox03Page2Preview, Flox03Page2Preview, TFlox03Pg2Data);
FLOX_REPORT_PAGE(TFlox03Page3Preview, Flox03Page3Preview, TFlox03Pg3Data);
// Pages 4 and 5 also serve the hotel study, filled from its own records.
FLOX_REPORT_PAGE(TFlox03Page4Preview, Flox03Page4Preview, TFlox03Pg4Data);
FLOX_REPORT_PAGE(TFlox03Page5Preview, Flox03Page5Preview, TFlox03Pg5Data);
FLOX_REPORT_PAGE(TFlox03Page6Preview, Flox03Page6Preview, TFlox03Pg6Data);
// The fixed annex pages: 7a for study type 1, 7b for study type 2.
FLOX_ANNEX_PAGE(TFlox03Page7aPreview, Flox03Page7aPreview);
FLOX_ANNEX_PAGE(TFlox03Page7bPreview, Flox03Page7bPreview);

// Pages 1 to 6 from records 1 to 6, then the annex page of the kept study type.
class TFlox03Report : public rpt::TStudyReport {
 public:
  TFlox03Report();
};

extern const rpt::TReportFamily kFlox03ReportFamily;
