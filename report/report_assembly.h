// The whole report of a study family: its page forms created into their
// shared instances, its composite report form filled from the family's
// records, the composite report previewed, printed or written as PDF, and
// everything freed again before the call returns.
//
// A family is described by one TReportFamily table (its page list: which
// page forms, in which order, each filled from which of the family's records
// and for which study type; how to make its composite report form), so
// adding a family is adding its page list.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>
#include <memory>
#include <span>
#include <string>

#include <QString>

#include "records/page_record.h"
#include "report/report_page.h"
#include "reportengine/quickrep.h"

namespace rpt {

// One page of a family's whole report.
struct TReportPage {
  const char* formName;
  void (*create)();               // creates the form; its constructor stores it in its shared instance
  void (*destroy)();              // frees the form held by the shared instance, which then reads nullptr
  TReportPageForm* (*current)();  // the form in the shared instance, or nullptr
  // Fills the current form (which must exist) from a record; throws
  // std::invalid_argument for a record of another class. nullptr for an
  // annex page.
  void (*fill)(const TPageRecord& record);
  int record;                     // index into the family's records (page order); kNoRecord for an annex page
  std::uint8_t onlyForStudyType;  // added only for this study type; 0: for every type
};
inline constexpr int kNoRecord = -1;

namespace detail {
template <class Form>
void Create() {
  new Form();
}
template <class Form>
void Destroy() {
  delete Form::Instance();
  Form::Instance() = nullptr;
}
template <class Form>
TReportPageForm* Current() {
  return Form::Instance();
}
// Throws std::invalid_argument unless the record is of class cls.
void RequireClass(const TPageRecord& record, const TRecordClass& cls, const char* formName);
template <class Form>
void Fill(const TPageRecord& record) {
  RequireClass(record, Form::Record::ClassInfo(), Form::kFormName);
  Form::Instance()->FillFromRecord(record);
}
}  // namespace detail

// A page filled from record `record` of the family (0: its first record).
template <class Form>
constexpr TReportPage Page(int record, std::uint8_t onlyForStudyType = 0) {
  return {Form::kFormName, &detail::Create<Form>, &detail::Destroy<Form>, &detail::Current<Form>,
          &detail::Fill<Form>, record, onlyForStudyType};
}
// A fixed page without a record.
template <class Form>
constexpr TReportPage Annex(std::uint8_t onlyForStudyType = 0) {
  return {Form::kFormName, &detail::Create<Form>, &detail::Destroy<Form>, &detail::Current<Form>,
          nullptr, kNoRecord, onlyForStudyType};
}

// The composite report form of a family, as the whole-report run drives it.
class TCompositeReportForm {
 public:
  virtual ~TCompositeReportForm() = default;
  // Fills the family's pages from its records, given in page order, and
  // keeps what the add-reports handler needs (the study type).
  virtual void FillPages(std::span<TPageRecord* const> records, std::uint8_t studyType) = 0;
  virtual qr::TQRCompositeReport& Composite() = 0;
};

// The composite report of a family, walking its page list: FillPages fills
// every page that has a record from that record (the page forms must exist,
// else std::logic_error) and keeps the study type; the add-reports handler
// adds the pages of that study type in list order.
class TStudyReport : public TCompositeReportForm {
 public:
  explicit TStudyReport(std::span<const TReportPage> pages);

  void FillPages(std::span<TPageRecord* const> records, std::uint8_t studyType) override;
  qr::TQRCompositeReport& Composite() override { return QRCompositeReport1; }
  void QRCompositeReport1AddReports(qr::TQRCompositeReport& sender);

  qr::TQRCompositeReport QRCompositeReport1;
  std::uint8_t StudyType = 0;

 private:
  std::span<const TReportPage> pages_;
};

template <class Report>
std::unique_ptr<TCompositeReportForm> NewComposite() {
  return std::make_unique<Report>();
}

struct TReportFamily {
  const char* name;                     // e.g. "general study"
  std::span<const TReportPage> pages;   // created in this order
  std::unique_ptr<TCompositeReportForm> (*createComposite)();
  // The general study prints with the hourglass still showing; the other
  // families show the default cursor while printing.
  bool hourglassWhilePrinting;
};

enum class TReportOutput { Preview, Print, Pdf };

// Runs the whole report of a family over its records (in page order):
//  1. hourglass cursor;
//  2. the page forms created in table order, each into its shared instance;
//  3. the composite report form created;
//  4. its pages filled, then the output: preview (default cursor first),
//     print (default cursor first unless the family prints with the
//     hourglass) or PDF to pdfFile;
//  5. the composite report form freed and the default cursor set;
//  6. the page forms freed through their shared instances.
// Steps 5 and 6 also run when any earlier step fails, and the failure then
// passes on to the caller unchanged: no form outlives the run and no shared
// instance is left pointing at a freed form.
// Returns false (with *error set) only when the engine cannot write the PDF.
bool RunWholeReport(const TReportFamily& family, std::span<TPageRecord* const> records, std::uint8_t studyType,
                    TReportOutput output, const QString& pdfFile = QString(), std::string* error = nullptr);

// The same run, but instead of an output step 4 hands the run's page reports,
// filled and each after its need-data hook, in the order they print, to
// inspect. Nothing is painted; the forms are freed as after any run.
void InspectWholeReport(const TReportFamily& family, std::span<TPageRecord* const> records, std::uint8_t studyType,
                        const std::function<void(const std::vector<qr::TQuickRep*>& pages)>& inspect);

}  // namespace rpt
