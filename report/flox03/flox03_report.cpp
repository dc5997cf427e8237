// The composite report of the general study and its whole-report family:
// pages 1 to 6 filled from records 1 to 6, then the annex page of the study
// type (7a for type 1, 7b for type 2).
#include "report/flox03/flox03_report.h"

#include <stdexcept>
#include <string>

#include "report/flox03/flox03_family.h"

namespace {

template <class T>
T& Current(T* instance, const char* formName) {
  if (instance == nullptr) throw std::logic_error(std::string("report page form ") + formName + " does not exist");
  return *instance;
}

// The page reports of the composite report, in order; a page with a study
// type is added only for that type.
struct TAddedPage {
  TReportPageForm* (*form)();
  const char* formName;
  std::uint8_t onlyForStudyType;  // 0: every type
};

constexpr TAddedPage kAddedPages[] = {
    {[]() -> TReportPageForm* { return Flox03Page1Preview; }, "TFlox03Page1Preview", 0},
    {[]() -> TReportPageForm* { return Flox03Page2Preview; }, "TFlox03Page2Preview", 0},
    {[]() -> TReportPageForm* { return Flox03Page3Preview; }, "TFlox03Page3Preview", 0},
    {[]() -> TReportPageForm* { return Flox03Page4Preview; }, "TFlox03Page4Preview", 0},
    {[]() -> TReportPageForm* { return Flox03Page5Preview; }, "TFlox03Page5Preview", 0},
    {[]() -> TReportPageForm* { return Flox03Page6Preview; }, "TFlox03Page6Preview", 0},
    {[]() -> TReportPageForm* { return Flox03Page7aPreview; }, "TFlox03Page7aPreview", 1},
    {[]() -> TReportPageForm* { return Flox03Page7bPreview; }, "TFlox03Page7bPreview", 2},
};

}  // namespace

TFlox03Report::TFlox03Report() {
  QRCompositeReport1.OnAddReports = [this](qr::TQRCompositeReport& sender) { QRCompositeReport1AddReports(sender); };
}

void TFlox03Report::FillPages(const TFlox03Pg1Data& r1, const TFlox03Pg2Data& r2, const TFlox03Pg3Data& r3,
                              const TFlox03Pg4Data& r4, const TFlox03Pg5Data& r5, const TFlox03Pg6Data& r6,
                              std::uint8_t studyType) {
  Current(Flox03Page1Preview, "TFlox03Page1Preview").FillFromRecord(r1);
  Current(Flox03Page2Preview, "TFlox03Page2Preview").FillFromRecord(r2);
  Current(Flox03Page3Preview, "TFlox03Page3Preview").FillFromRecord(r3);
  Current(Flox03Page4Preview, "TFlox03Page4Preview").FillFromRecord(r4);
  Current(Flox03Page5Preview, "TFlox03Page5Preview").FillFromRecord(r5);
  Current(Flox03Page6Preview, "TFlox03Page6Preview").FillFromRecord(r6);
  StudyType = studyType;
}

void TFlox03Report::QRCompositeReport1AddReports(qr::TQRCompositeReport& sender) {
  for (const TAddedPage& page : kAddedPages) {
    if (page.onlyForStudyType != 0 && page.onlyForStudyType != StudyType) continue;
    sender.Add(&Current(page.form(), page.formName).QuickRep1);
  }
}

namespace {

template <class T>
const T& RecordAs(std::span<TPageRecord* const> records, std::size_t index) {
  const T* record = index < records.size() ? dynamic_cast<const T*>(records[index]) : nullptr;
  if (record == nullptr) {
    throw std::invalid_argument("general study report: record " + std::to_string(index + 1) + " is not a " +
                                T::ClassInfo().className);
  }
  return *record;
}

class TFlox03CompositeForm final : public rpt::TCompositeReportForm {
 public:
  void FillPages(std::span<TPageRecord* const> records, std::uint8_t studyType) override {
    form_.FillPages(RecordAs<TFlox03Pg1Data>(records, 0), RecordAs<TFlox03Pg2Data>(records, 1),
                    RecordAs<TFlox03Pg3Data>(records, 2), RecordAs<TFlox03Pg4Data>(records, 3),
                    RecordAs<TFlox03Pg5Data>(records, 4), RecordAs<TFlox03Pg6Data>(records, 5), studyType);
  }
  qr::TQRCompositeReport& Composite() override { return form_.QRCompositeReport1; }

 private:
  TFlox03Report form_;
};

constexpr int kSlots[] = {1, 2, 3, 4, 5, 6};

// Both annex pages are created and freed whatever the study type.
constexpr rpt::TPageFormEntry kPageForms[] = {
    {"TFlox03Page1Preview", &rpt::CreatePageForm<TFlox03Page1Preview>,
     &rpt::DestroyPageForm<TFlox03Page1Preview, Flox03Page1Preview>},
    {"TFlox03Page2Preview", &rpt::CreatePageForm<TFlox03Page2Preview>,
     &rpt::DestroyPageForm<TFlox03Page2Preview, Flox03Page2Preview>},
    {"TFlox03Page3Preview", &rpt::CreatePageForm<TFlox03Page3Preview>,
     &rpt::DestroyPageForm<TFlox03Page3Preview, Flox03Page3Preview>},
    {"TFlox03Page4Preview", &rpt::CreatePageForm<TFlox03Page4Preview>,
     &rpt::DestroyPageForm<TFlox03Page4Preview, Flox03Page4Preview>},
    {"TFlox03Page5Preview", &rpt::CreatePageForm<TFlox03Page5Preview>,
     &rpt::DestroyPageForm<TFlox03Page5Preview, Flox03Page5Preview>},
    {"TFlox03Page6Preview", &rpt::CreatePageForm<TFlox03Page6Preview>,
     &rpt::DestroyPageForm<TFlox03Page6Preview, Flox03Page6Preview>},
    {"TFlox03Page7aPreview", &rpt::CreatePageForm<TFlox03Page7aPreview>,
     &rpt::DestroyPageForm<TFlox03Page7aPreview, Flox03Page7aPreview>},
    {"TFlox03Page7bPreview", &rpt::CreatePageForm<TFlox03Page7bPreview>,
     &rpt::DestroyPageForm<TFlox03Page7bPreview, Flox03Page7bPreview>},
};

}  // namespace

const rpt::TReportFamily kFlox03ReportFamily{
    .name = "general study",
    .recordSlots = kSlots,
    .pageForms = kPageForms,
    .createComposite = []() -> std::unique_ptr<rpt::TCompositeReportForm> {
      return std::make_unique<TFlox03CompositeForm>();
    },
    .hourglassWhilePrinting = true,
};
