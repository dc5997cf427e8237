// Report pages of the general study and its composite report.
#pragma once

#include <cstdint>

#include "records/page_record.h"
#include "report/report_page.h"

// The shared report page instances: the one current form of each class, set
// by whoever creates it (the whole-report run or an entry page) and cleared
// when that form is freed.
class TFlox03Page1Preview;
class TFlox03Page2Preview;
class TFlox03Page3Preview;
class TFlox03Page4Preview;
class TFlox03Page5Preview;
class TFlox03Page6Preview;
class TFlox03Page7aPreview;
class TFlox03Page7bPreview;
extern TFlox03Page1Preview* Flox03Page1Preview;
extern TFlox03Page2Preview* Flox03Page2Preview;
extern TFlox03Page3Preview* Flox03Page3Preview;
extern TFlox03Page4Preview* Flox03Page4Preview;
extern TFlox03Page5Preview* Flox03Page5Preview;
extern TFlox03Page6Preview* Flox03Page6Preview;
extern TFlox03Page7aPreview* Flox03Page7aPreview;
extern TFlox03Page7bPreview* Flox03Page7bPreview;

class TFlox03Page1Preview : public TSharedReportPage<TFlox03Page1Preview, Flox03Page1Preview> {
 public:
  TFlox03Page1Preview();
  void FillFromRecord(const TFlox03Pg1Data& record);
};
class TFlox03Page2Preview : public TSharedReportPage<TFlox03Page2Preview, Flox03Page2Preview> {
 public:
  TFlox03Page2Preview();
  void FillFromRecord(const TFlox03Pg2Data& record);
};
class TFlox03Page3Preview : public TSharedReportPage<TFlox03Page3Preview, Flox03Page3Preview> {
 public:
  TFlox03Page3Preview();
  void FillFromRecord(const TFlox03Pg3Data& record);
};
// Pages 4 and 5 also serve the hotel study, filled from its own records.
class TFlox03Page4Preview : public TSharedReportPage<TFlox03Page4Preview, Flox03Page4Preview> {
 public:
  TFlox03Page4Preview();
  void FillFromRecord(const TFlox03Pg4Data& record);
};
class TFlox03Page5Preview : public TSharedReportPage<TFlox03Page5Preview, Flox03Page5Preview> {
 public:
  TFlox03Page5Preview();
  void FillFromRecord(const TFlox03Pg5Data& record);
};
class TFlox03Page6Preview : public TSharedReportPage<TFlox03Page6Preview, Flox03Page6Preview> {
 public:
  TFlox03Page6Preview();
  void FillFromRecord(const TFlox03Pg6Data& record);
};
// The fixed annex pages: 7a for study type 1, 7b for study type 2.
class TFlox03Page7aPreview : public TSharedReportPage<TFlox03Page7aPreview, Flox03Page7aPreview> {
 public:
  TFlox03Page7aPreview();
};
class TFlox03Page7bPreview : public TSharedReportPage<TFlox03Page7bPreview, Flox03Page7bPreview> {
 public:
  TFlox03Page7bPreview();
};

class TFlox03Report {
 public:
  TFlox03Report();
  // Fills pages 1-6 from the six records and keeps the study type, which
  // chooses page 7a (type 1) or 7b (type 2).
  void FillPages(const TFlox03Pg1Data& r1, const TFlox03Pg2Data& r2, const TFlox03Pg3Data& r3,
                 const TFlox03Pg4Data& r4, const TFlox03Pg5Data& r5, const TFlox03Pg6Data& r6,
                 std::uint8_t studyType);
  void QRCompositeReport1AddReports(qr::TQRCompositeReport& sender);

  qr::TQRCompositeReport QRCompositeReport1;
  std::uint8_t StudyType = 0;
};
