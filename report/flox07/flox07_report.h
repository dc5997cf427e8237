// Report pages of the hotel study and its composite report. Pages 4 and 5
// of the hotel study are the general study's TFlox03Page4Preview and
// TFlox03Page5Preview, filled from the hotel study's own records.
#pragma once

#include "records/page_record.h"
#include "report/report_assembly.h"
#include "report/report_page.h"

FLOX_REPORT_PAGE(TFlox07Page1Preview, Flox07Page1Preview, TFlox07Pg1Data);
FLOX_REPORT_PAGE(TFlox07Page2Preview, Flox07Page2Preview, TFlox07Pg2Data);
FLOX_REPORT_PAGE(TFlox07Page3Preview, Flox07Page3Preview, TFlox07Pg3Data);
FLOX_REPORT_PAGE(TFlox07Page6Preview, Flox07Page6Preview, TFlox07Pg6Data);

// Its own pages 1 to 3, the general study's pages 4 and 5 from its own
// extinguisher records, then its own page 6.
class TFlox07Report : public rpt::TStudyReport {
 public:
  TFlox07Report();
};

extern const rpt::TReportFamily kFlox07ReportFamily;
