// The composite report of the general study and its whole-report family:
// pages 1 to 6 filled from records 1 to 6, then the annex page of the study
// type (7a for type 1, 7b for type 2). Both annex pages are created and freed
// whatever the study type.
#include "report/flox03/flox03_report.h"

namespace {

constexpr rpt::TReportPage kPages[] = {
    rpt::Page<TFlox03Page1Preview>(0),    rpt::Page<TFlox03Page2Preview>(1),
    rpt::Page<TFlox03Page3Preview>(2),    rpt::Page<TFlox03Page4Preview>(3),
    rpt::Page<TFlox03Page5Preview>(4),    rpt::Page<TFlox03Page6Preview>(5),
    rpt::Annex<TFlox03Page7aPreview>(1), rpt::Annex<TFlox03Page7bPreview>(2),
};

}  // namespace

TFlox03Report::TFlox03Report() : TStudyReport(kPages) {}

const rpt::TReportFamily kFlox03ReportFamily{
    .name = "general study",
    .pages = kPages,
    .createComposite = &rpt::NewComposite<TFlox03Report>,
    .hourglassWhilePrinting = true,
};
