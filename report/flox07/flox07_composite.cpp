// The composite report of the hotel study and its whole-report family: its
// own pages 1, 2 and 3, the general study's equipment pages 4 and 5 filled
// from the hotel study's own records (slots 17 and 18, never the general
// study's slots 4 and 5), then its own page 6.
#include <stdexcept>
#include <string>

#include "report/flox03/flox03_report.h"
#include "report/flox07/flox07_family.h"
#include "report/flox07/flox07_report.h"

namespace {

template <class T>
T& Current(T* instance, const char* formName) {
  if (instance == nullptr) throw std::logic_error(std::string("report page form ") + formName + " does not exist");
  return *instance;
}

template <class T>
const T& RecordAs(std::span<TPageRecord* const> records, std::size_t index) {
  const T* record = index < records.size() ? dynamic_cast<const T*>(records[index]) : nullptr;
  if (record == nullptr) {
    throw std::invalid_argument("hotel study report: record " + std::to_string(index + 1) + " is not a " +
                                T::ClassInfo().className);
  }
  return *record;
}

class TFlox07Report final : public rpt::TCompositeReportForm {
 public:
  TFlox07Report() {
    QRCompositeReport1.OnAddReports = [this](qr::TQRCompositeReport& sender) { QRCompositeReport1AddReports(sender); };
  }

  void FillPages(std::span<TPageRecord* const> records, std::uint8_t) override {
    Current(Flox07Page1Preview, "TFlox07Page1Preview").FillFromRecord(RecordAs<TFlox07Pg1Data>(records, 0));
    Current(Flox07Page2Preview, "TFlox07Page2Preview").FillFromRecord(RecordAs<TFlox07Pg2Data>(records, 1));
    Current(Flox07Page3Preview, "TFlox07Page3Preview").FillFromRecord(RecordAs<TFlox07Pg3Data>(records, 2));
    Current(Flox03Page4Preview, "TFlox03Page4Preview").FillFromRecord(RecordAs<TFlox03Pg4Data>(records, 3));
    Current(Flox03Page5Preview, "TFlox03Page5Preview").FillFromRecord(RecordAs<TFlox03Pg5Data>(records, 4));
    Current(Flox07Page6Preview, "TFlox07Page6Preview").FillFromRecord(RecordAs<TFlox07Pg6Data>(records, 5));
  }
  qr::TQRCompositeReport& Composite() override { return QRCompositeReport1; }

  void QRCompositeReport1AddReports(qr::TQRCompositeReport& sender) {
    sender.Add(&Current(Flox07Page1Preview, "TFlox07Page1Preview").QuickRep1);
    sender.Add(&Current(Flox07Page2Preview, "TFlox07Page2Preview").QuickRep1);
    sender.Add(&Current(Flox07Page3Preview, "TFlox07Page3Preview").QuickRep1);
    sender.Add(&Current(Flox03Page4Preview, "TFlox03Page4Preview").QuickRep1);
    sender.Add(&Current(Flox03Page5Preview, "TFlox03Page5Preview").QuickRep1);
    sender.Add(&Current(Flox07Page6Preview, "TFlox07Page6Preview").QuickRep1);
  }

  qr::TQRCompositeReport QRCompositeReport1;
};

// Hotel pages 1 to 6 in the document: slots 14, 15, 16, 17, 18 and 19.
constexpr int kSlots[] = {14, 15, 16, 17, 18, 19};

constexpr rpt::TPageFormEntry kPageForms[] = {
    {"TFlox07Page1Preview", &rpt::CreatePageForm<TFlox07Page1Preview>,
     &rpt::DestroyPageForm<TFlox07Page1Preview, Flox07Page1Preview>},
    {"TFlox07Page2Preview", &rpt::CreatePageForm<TFlox07Page2Preview>,
     &rpt::DestroyPageForm<TFlox07Page2Preview, Flox07Page2Preview>},
    {"TFlox07Page3Preview", &rpt::CreatePageForm<TFlox07Page3Preview>,
     &rpt::DestroyPageForm<TFlox07Page3Preview, Flox07Page3Preview>},
    {"TFlox03Page4Preview", &rpt::CreatePageForm<TFlox03Page4Preview>,
     &rpt::DestroyPageForm<TFlox03Page4Preview, Flox03Page4Preview>},
    {"TFlox03Page5Preview", &rpt::CreatePageForm<TFlox03Page5Preview>,
     &rpt::DestroyPageForm<TFlox03Page5Preview, Flox03Page5Preview>},
    {"TFlox07Page6Preview", &rpt::CreatePageForm<TFlox07Page6Preview>,
     &rpt::DestroyPageForm<TFlox07Page6Preview, Flox07Page6Preview>},
};

}  // namespace

const rpt::TReportFamily kFlox07ReportFamily{
    .name = "hotel study",
    .recordSlots = kSlots,
    .pageForms = kPageForms,
    .createComposite = []() -> std::unique_ptr<rpt::TCompositeReportForm> { return std::make_unique<TFlox07Report>(); },
    .hourglassWhilePrinting = false,
};
