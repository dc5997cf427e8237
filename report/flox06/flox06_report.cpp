// The composite report of the industry study and its whole-report family:
// pages 1 to 7 filled from records 1 to 7, page 8 given the technical
// descriptions of record 7, then the fixed annex pages 9 to 15.
#include "report/flox06/flox06_report.h"

#include <stdexcept>
#include <string>

#include "report/flox06/flox06_family.h"

namespace {

template <class T>
T& Current(T* instance, const char* formName) {
  if (instance == nullptr) throw std::logic_error(std::string("report page form ") + formName + " does not exist");
  return *instance;
}

struct TAddedPage {
  TReportPageForm* (*form)();
  const char* formName;
};

#define FLOX06_PAGE(n) {[]() -> TReportPageForm* { return Flox06Page##n##Preview; }, "TFlox06Page" #n "Preview"}
constexpr TAddedPage kAddedPages[] = {
    FLOX06_PAGE(1),  FLOX06_PAGE(2),  FLOX06_PAGE(3),  FLOX06_PAGE(4),  FLOX06_PAGE(5),
    FLOX06_PAGE(6),  FLOX06_PAGE(7),  FLOX06_PAGE(8),  FLOX06_PAGE(9),  FLOX06_PAGE(10),
    FLOX06_PAGE(11), FLOX06_PAGE(12), FLOX06_PAGE(13), FLOX06_PAGE(14), FLOX06_PAGE(15),
};
#undef FLOX06_PAGE

}  // namespace

TFlox06Report::TFlox06Report() {
  QRCompositeReport1.OnAddReports = [this](qr::TQRCompositeReport& sender) { QRCompositeReport1AddReports(sender); };
}

void TFlox06Report::FillPages(const TFlox06Pg1Data& r1, const TFlox06Pg2Data& r2, const TFlox06Pg3Data& r3,
                              const TFlox06Pg4Data& r4, const TFlox06Pg5Data& r5, const TFlox06Pg6Data& r6,
                              const TFlox06Pg7Data& r7) {
  Current(Flox06Page1Preview, "TFlox06Page1Preview").FillFromRecord(r1);
  Current(Flox06Page2Preview, "TFlox06Page2Preview").FillFromRecord(r2);
  Current(Flox06Page3Preview, "TFlox06Page3Preview").FillFromRecord(r3);
  Current(Flox06Page4Preview, "TFlox06Page4Preview").FillFromRecord(r4);
  Current(Flox06Page5Preview, "TFlox06Page5Preview").FillFromRecord(r5);
  Current(Flox06Page6Preview, "TFlox06Page6Preview").FillFromRecord(r6);
  Current(Flox06Page7Preview, "TFlox06Page7Preview").FillFromRecord(r7);
}

void TFlox06Report::QRCompositeReport1AddReports(qr::TQRCompositeReport& sender) {
  for (const TAddedPage& page : kAddedPages) sender.Add(&Current(page.form(), page.formName).QuickRep1);
}

namespace {

template <class T>
const T& RecordAs(std::span<TPageRecord* const> records, std::size_t index) {
  const T* record = index < records.size() ? dynamic_cast<const T*>(records[index]) : nullptr;
  if (record == nullptr) {
    throw std::invalid_argument("industry study report: record " + std::to_string(index + 1) + " is not a " +
                                T::ClassInfo().className);
  }
  return *record;
}

class TFlox06CompositeForm final : public rpt::TCompositeReportForm {
 public:
  void FillPages(std::span<TPageRecord* const> records, std::uint8_t /*studyType*/) override {
    const auto& r7 = RecordAs<TFlox06Pg7Data>(records, 6);
    form_.FillPages(RecordAs<TFlox06Pg1Data>(records, 0), RecordAs<TFlox06Pg2Data>(records, 1),
                    RecordAs<TFlox06Pg3Data>(records, 2), RecordAs<TFlox06Pg4Data>(records, 3),
                    RecordAs<TFlox06Pg5Data>(records, 4), RecordAs<TFlox06Pg6Data>(records, 5), r7);
    // Page 8 shows the technical descriptions of the seventh record.
    Current(Flox06Page8Preview, "TFlox06Page8Preview").Texnikes = r7.Get("Texnikes");
  }
  qr::TQRCompositeReport& Composite() override { return form_.QRCompositeReport1; }

 private:
  TFlox06Report form_;
};

constexpr int kSlots[] = {7, 8, 9, 10, 11, 12, 13};

#define FLOX06_FORM(n)                                                        \
  {"TFlox06Page" #n "Preview", &rpt::CreatePageForm<TFlox06Page##n##Preview>, \
   &rpt::DestroyPageForm<TFlox06Page##n##Preview, Flox06Page##n##Preview>}
constexpr rpt::TPageFormEntry kPageForms[] = {
    FLOX06_FORM(1),  FLOX06_FORM(2),  FLOX06_FORM(3),  FLOX06_FORM(4),  FLOX06_FORM(5),
    FLOX06_FORM(6),  FLOX06_FORM(7),  FLOX06_FORM(8),  FLOX06_FORM(9),  FLOX06_FORM(10),
    FLOX06_FORM(11), FLOX06_FORM(12), FLOX06_FORM(13), FLOX06_FORM(14), FLOX06_FORM(15),
};
#undef FLOX06_FORM

}  // namespace

const rpt::TReportFamily kFlox06ReportFamily{
    .name = "industry study",
    .recordSlots = kSlots,
    .pageForms = kPageForms,
    .createComposite = []() -> std::unique_ptr<rpt::TCompositeReportForm> {
      return std::make_unique<TFlox06CompositeForm>();
    },
    .hourglassWhilePrinting = false,
};
