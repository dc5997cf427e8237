// Report pages of the industry study and its composite report: pages 1 to 7
// filled from the seven records, page 8 with the technical descriptions of
// the seventh record, and the fixed annex pages 9 to 15.
#pragma once

#include <string>

#include "records/page_record.h"
#include "report/report_page.h"

// The shared report page instances: the one current form of each class, set
// by whoever creates it and cleared when that form is freed.
class TFlox06Page1Preview;
class TFlox06Page2Preview;
class TFlox06Page3Preview;
class TFlox06Page4Preview;
class TFlox06Page5Preview;
class TFlox06Page6Preview;
class TFlox06Page7Preview;
class TFlox06Page8Preview;
class TFlox06Page9Preview;
class TFlox06Page10Preview;
class TFlox06Page11Preview;
class TFlox06Page12Preview;
class TFlox06Page13Preview;
class TFlox06Page14Preview;
class TFlox06Page15Preview;
extern TFlox06Page1Preview* Flox06Page1Preview;
extern TFlox06Page2Preview* Flox06Page2Preview;
extern TFlox06Page3Preview* Flox06Page3Preview;
extern TFlox06Page4Preview* Flox06Page4Preview;
extern TFlox06Page5Preview* Flox06Page5Preview;
extern TFlox06Page6Preview* Flox06Page6Preview;
extern TFlox06Page7Preview* Flox06Page7Preview;
extern TFlox06Page8Preview* Flox06Page8Preview;
extern TFlox06Page9Preview* Flox06Page9Preview;
extern TFlox06Page10Preview* Flox06Page10Preview;
extern TFlox06Page11Preview* Flox06Page11Preview;
extern TFlox06Page12Preview* Flox06Page12Preview;
extern TFlox06Page13Preview* Flox06Page13Preview;
extern TFlox06Page14Preview* Flox06Page14Preview;
extern TFlox06Page15Preview* Flox06Page15Preview;

class TFlox06Page1Preview : public TSharedReportPage<TFlox06Page1Preview, Flox06Page1Preview> {
 public:
  TFlox06Page1Preview();
  void FillFromRecord(const TFlox06Pg1Data& record);
};
class TFlox06Page2Preview : public TSharedReportPage<TFlox06Page2Preview, Flox06Page2Preview> {
 public:
  TFlox06Page2Preview();
  void FillFromRecord(const TFlox06Pg2Data& record);
};
class TFlox06Page3Preview : public TSharedReportPage<TFlox06Page3Preview, Flox06Page3Preview> {
 public:
  TFlox06Page3Preview();
  void FillFromRecord(const TFlox06Pg3Data& record);
};
class TFlox06Page4Preview : public TSharedReportPage<TFlox06Page4Preview, Flox06Page4Preview> {
 public:
  TFlox06Page4Preview();
  void FillFromRecord(const TFlox06Pg4Data& record);
};
class TFlox06Page5Preview : public TSharedReportPage<TFlox06Page5Preview, Flox06Page5Preview> {
 public:
  TFlox06Page5Preview();
  void FillFromRecord(const TFlox06Pg5Data& record);
};
class TFlox06Page6Preview : public TSharedReportPage<TFlox06Page6Preview, Flox06Page6Preview> {
 public:
  TFlox06Page6Preview();
  void FillFromRecord(const TFlox06Pg6Data& record);
};
class TFlox06Page7Preview : public TSharedReportPage<TFlox06Page7Preview, Flox06Page7Preview> {
 public:
  TFlox06Page7Preview();
  void FillFromRecord(const TFlox06Pg7Data& record);
};
// Page 8: the technical descriptions arrive in Texnikes before the run and
// reach their label when the page report asks for its data.
class TFlox06Page8Preview : public TSharedReportPage<TFlox06Page8Preview, Flox06Page8Preview> {
 public:
  TFlox06Page8Preview();
  void QuickRep1NeedData(bool& moreData);

  static constexpr std::size_t kTexnikesMax = 255;
  std::string Texnikes;  // code page 1253; only the first 255 characters print
};
// The fixed annex pages.
class TFlox06Page9Preview : public TSharedReportPage<TFlox06Page9Preview, Flox06Page9Preview> {
 public:
  TFlox06Page9Preview();
};
class TFlox06Page10Preview : public TSharedReportPage<TFlox06Page10Preview, Flox06Page10Preview> {
 public:
  TFlox06Page10Preview();
};
class TFlox06Page11Preview : public TSharedReportPage<TFlox06Page11Preview, Flox06Page11Preview> {
 public:
  TFlox06Page11Preview();
};
class TFlox06Page12Preview : public TSharedReportPage<TFlox06Page12Preview, Flox06Page12Preview> {
 public:
  TFlox06Page12Preview();
};
class TFlox06Page13Preview : public TSharedReportPage<TFlox06Page13Preview, Flox06Page13Preview> {
 public:
  TFlox06Page13Preview();
};
class TFlox06Page14Preview : public TSharedReportPage<TFlox06Page14Preview, Flox06Page14Preview> {
 public:
  TFlox06Page14Preview();
};
class TFlox06Page15Preview : public TSharedReportPage<TFlox06Page15Preview, Flox06Page15Preview> {
 public:
  TFlox06Page15Preview();
};

class TFlox06Report {
 public:
  TFlox06Report();
  // Fills pages 1-7 from the seven records; pages 8-15 are not touched.
  void FillPages(const TFlox06Pg1Data& r1, const TFlox06Pg2Data& r2, const TFlox06Pg3Data& r3,
                 const TFlox06Pg4Data& r4, const TFlox06Pg5Data& r5, const TFlox06Pg6Data& r6,
                 const TFlox06Pg7Data& r7);
  // Adds pages 1 to 15 in order.
  void QRCompositeReport1AddReports(qr::TQRCompositeReport& sender);

  qr::TQRCompositeReport QRCompositeReport1;
};
