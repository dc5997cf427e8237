// The composite report of the hotel study and its whole-report family. The
// family's records are slots 14 to 19 of the study, so pages 4 and 5 are
// filled from the hotel study's own extinguisher records (slots 17 and 18),
// never from the general study's slots 4 and 5.
#include "report/flox07/flox07_report.h"

#include "report/flox03/flox03_report.h"

namespace {

constexpr rpt::TReportPage kPages[] = {
    rpt::Page<TFlox07Page1Preview>(0), rpt::Page<TFlox07Page2Preview>(1), rpt::Page<TFlox07Page3Preview>(2),
    rpt::Page<TFlox03Page4Preview>(3), rpt::Page<TFlox03Page5Preview>(4), rpt::Page<TFlox07Page6Preview>(5),
};

}  // namespace

TFlox07Report::TFlox07Report() : TStudyReport(kPages) {}

const rpt::TReportFamily kFlox07ReportFamily{
    .name = "hotel study",
    .pages = kPages,
    .createComposite = &rpt::NewComposite<TFlox07Report>,
    .hourglassWhilePrinting = false,
};
