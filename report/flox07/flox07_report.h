// Report pages of the hotel study and its composite report. Pages 4 and 5
// of the hotel study are the general study's TFlox03Page4Preview and
// TFlox03Page5Preview, filled from the hotel study's own records.
#pragma once

#include "records/page_record.h"
#include "report/report_page.h"

class TFlox07Page1Preview;
class TFlox07Page2Preview;
class TFlox07Page3Preview;
class TFlox07Page6Preview;
extern TFlox07Page1Preview* Flox07Page1Preview;
extern TFlox07Page2Preview* Flox07Page2Preview;
extern TFlox07Page3Preview* Flox07Page3Preview;
extern TFlox07Page6Preview* Flox07Page6Preview;

class TFlox07Page1Preview : public TSharedReportPage<TFlox07Page1Preview, Flox07Page1Preview> {
 public:
  TFlox07Page1Preview();
  void FillFromRecord(const TFlox07Pg1Data& record);
};
class TFlox07Page2Preview : public TSharedReportPage<TFlox07Page2Preview, Flox07Page2Preview> {
 public:
  TFlox07Page2Preview();
  void FillFromRecord(const TFlox07Pg2Data& record);
};
class TFlox07Page3Preview : public TSharedReportPage<TFlox07Page3Preview, Flox07Page3Preview> {
 public:
  TFlox07Page3Preview();
  void FillFromRecord(const TFlox07Pg3Data& record);
};
class TFlox07Page6Preview : public TSharedReportPage<TFlox07Page6Preview, Flox07Page6Preview> {
 public:
  TFlox07Page6Preview();
  void FillFromRecord(const TFlox07Pg6Data& record);
};
