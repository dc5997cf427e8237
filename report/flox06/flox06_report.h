// Report pages of the industry study and its composite report: pages 1 to 7
// filled from the seven records, page 8 with the technical descriptions of
// the seventh record, and the fixed annex pages 9 to 15.
#pragma once

#include <cstddef>
#include <string>

#include "records/page_record.h"
#include "report/report_assembly.h"
#include "report/report_page.h"

FLOX_REPORT_PAGE(TFlox06Page1Preview, Flox06Page1Preview, TFlox06Pg1Data);
FLOX_REPORT_PAGE(TFlox06Page2Preview, Flox06Page2Preview, TFlox06Pg2Data);
FLOX_REPORT_PAGE(TFlox06Page3Preview, Flox06Page3Preview, TFlox06Pg3Data);
FLOX_REPORT_PAGE(TFlox06Page4Preview, Flox06Page4Preview, TFlox06Pg4Data);
FLOX_REPORT_PAGE(TFlox06Page5Preview, Flox06Page5Preview, TFlox06Pg5Data);
FLOX_REPORT_PAGE(TFlox06Page6Preview, Flox06Page6Preview, TFlox06Pg6Data);
FLOX_REPORT_PAGE(TFlox06Page7Preview, Flox06Page7Preview, TFlox06Pg7Data);

// Page 8 prints no field of a record through its labels: the whole-report
// run hands it the seventh record's Texnikes, and the page report's
// need-data handler puts that text on the label QRLabel3.
class TFlox06Page8Preview;
extern TFlox06Page8Preview* Flox06Page8Preview;
class TFlox06Page8Preview : public TSharedReportPage<TFlox06Page8Preview, Flox06Page8Preview> {
 public:
  using Record = TFlox06Pg7Data;
  static constexpr const char* kFormName = "TFlox06Page8Preview";
  static constexpr std::size_t kTexnikesMax = 255;
  TFlox06Page8Preview();

  // The run's copy of the technical descriptions: Texnikes of the record,
  // whole; nothing else of the record is read.
  void FillFromRecord(const TPageRecord& record) { Texnikes = record.Get("Texnikes"); }
  // Sets QRLabel3 from Texnikes (its first 255 characters); the more-data
  // flag stays as it is.
  void QuickRep1NeedData(bool& moreData);

  std::string Texnikes;  // code page 1253
};

FLOX_ANNEX_PAGE(TFlox06Page9Preview, Flox06Page9Preview);
FLOX_ANNEX_PAGE(TFlox06Page10Preview, Flox06Page10Preview);
FLOX_ANNEX_PAGE(TFlox06Page11Preview, Flox06Page11Preview);
FLOX_ANNEX_PAGE(TFlox06Page12Preview, Flox06Page12Preview);
FLOX_ANNEX_PAGE(TFlox06Page13Preview, Flox06Page13Preview);
FLOX_ANNEX_PAGE(TFlox06Page14Preview, Flox06Page14Preview);
FLOX_ANNEX_PAGE(TFlox06Page15Preview, Flox06Page15Preview);

// The composite report: pages 1 to 15 in order.
class TFlox06Report : public rpt::TStudyReport {
 public:
  TFlox06Report();
};

extern const rpt::TReportFamily kFlox06ReportFamily;
