// The composite report of the industry study and its whole-report family:
// pages 1 to 7 filled from records 1 to 7, page 8 given the technical
// descriptions of record 7, then the fixed annex pages 9 to 15.
#include "report/flox06/flox06_report.h"

namespace {

constexpr rpt::TReportPage kPages[] = {
    rpt::Page<TFlox06Page1Preview>(0),
    rpt::Page<TFlox06Page2Preview>(1),
    rpt::Page<TFlox06Page3Preview>(2),
    rpt::Page<TFlox06Page4Preview>(3),
    rpt::Page<TFlox06Page5Preview>(4),
    rpt::Page<TFlox06Page6Preview>(5),
    rpt::Page<TFlox06Page7Preview>(6),
    // Page 8 keeps Texnikes of the seventh record; its own need-data handler
    // puts the text on its label when the page prints.
    rpt::Page<TFlox06Page8Preview>(6),
    rpt::Annex<TFlox06Page9Preview>(),
    rpt::Annex<TFlox06Page10Preview>(),
    rpt::Annex<TFlox06Page11Preview>(),
    rpt::Annex<TFlox06Page12Preview>(),
    rpt::Annex<TFlox06Page13Preview>(),
    rpt::Annex<TFlox06Page14Preview>(),
    rpt::Annex<TFlox06Page15Preview>(),
};

}  // namespace

TFlox06Report::TFlox06Report() : TStudyReport(kPages) {}

const rpt::TReportFamily kFlox06ReportFamily{
    .name = "industry study",
    .pages = kPages,
    .createComposite = &rpt::NewComposite<TFlox06Report>,
    .hourglassWhilePrinting = false,
};
