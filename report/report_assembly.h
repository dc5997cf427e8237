// The whole report of a study family: its page forms created into their
// shared instances, its composite report form filled from the family's
// records, the composite report previewed, printed or written as PDF, and
// everything freed again before the call returns.
//
// A family is described by one TReportFamily table (which page forms, in
// which order; which records; how to make its composite report form), so
// adding a family is adding its table.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>
#include <memory>
#include <span>
#include <string>

#include <QString>

#include "records/page_record.h"
#include "reportengine/quickrep.h"

namespace rpt {

// One report page form class of a whole report.
struct TPageFormEntry {
  const char* formName;
  void (*create)();   // creates the form; its constructor stores it in its shared instance
  void (*destroy)();  // frees the form held by the shared instance, which then reads nullptr
};

// Creates a form of class T; the constructor stores it in its shared instance.
template <class T>
void CreatePageForm() {
  new T();
}
// Frees the current form of class T through its shared instance.
template <class T, T*& Instance>
void DestroyPageForm() {
  delete Instance;
  Instance = nullptr;
}

// The composite report form of a family, as the whole-report run drives it.
class TCompositeReportForm {
 public:
  virtual ~TCompositeReportForm() = default;
  // Fills the family's pages from its records, given in page order, and
  // keeps what the add-reports handler needs (the general study: its type).
  virtual void FillPages(std::span<TPageRecord* const> records, std::uint8_t studyType) = 0;
  virtual qr::TQRCompositeReport& Composite() = 0;
};

struct TReportFamily {
  const char* name;                           // e.g. "general study"
  std::span<const int> recordSlots;                // document slots of its records, in page order
  std::span<const TPageFormEntry> pageForms;  // created in this order
  std::unique_ptr<TCompositeReportForm> (*createComposite)();
  // The general study prints with the hourglass still showing; the other
  // families show the default cursor while printing.
  bool hourglassWhilePrinting;
};

// The family whose report a study type builds, or nullptr (none yet, or no
// such study type).
const TReportFamily* FindReportFamily(std::uint8_t studyType);

enum class TReportOutput { Preview, Print, Pdf };

// Runs the whole report of a family over its records (in the order of
// family.recordSlots):
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
