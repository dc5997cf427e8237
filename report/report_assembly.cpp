#include "report/report_assembly.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace rpt {

namespace {

// The page forms of one run: freed in creation order when the run ends,
// however it ends.
class TPageForms {
 public:
  explicit TPageForms(std::span<const TReportPage> entries) : entries_(entries) {}
  ~TPageForms() { FreeAll(); }
  TPageForms(const TPageForms&) = delete;
  TPageForms& operator=(const TPageForms&) = delete;

  void CreateAll() {
    for (const TReportPage& entry : entries_) {
      entry.create();
      ++created_;
    }
  }
  void FreeAll() noexcept {
    for (std::size_t i = 0; i < created_; ++i) entries_[i].destroy();
    created_ = 0;
  }

 private:
  std::span<const TReportPage> entries_;
  std::size_t created_ = 0;
};

}  // namespace

namespace detail {

void RequireClass(const TPageRecord& record, const TRecordClass& cls, const char* formName) {
  if (&record.Class() != &cls) {
    throw std::invalid_argument(std::string(formName) + " is filled from a " + cls.className + ", not from a " +
                                record.Class().className);
  }
}

}  // namespace detail

TStudyReport::TStudyReport(std::span<const TReportPage> pages) : pages_(pages) {
  QRCompositeReport1.OnAddReports = [this](qr::TQRCompositeReport& sender) { QRCompositeReport1AddReports(sender); };
}

namespace {

TReportPageForm& CurrentForm(const TReportPage& page) {
  TReportPageForm* form = page.current();
  if (form == nullptr) throw std::logic_error(std::string("report page form ") + page.formName + " does not exist");
  return *form;
}

}  // namespace

void TStudyReport::FillPages(std::span<TPageRecord* const> records, std::uint8_t studyType) {
  for (const TReportPage& page : pages_) {
    if (page.record == kNoRecord) continue;
    CurrentForm(page);  // the form must exist before it is filled
    const auto index = static_cast<std::size_t>(page.record);
    if (index >= records.size() || records[index] == nullptr) {
      throw std::invalid_argument(std::string(page.formName) + ": the study has no record " +
                                  std::to_string(page.record + 1));
    }
    page.fill(*records[index]);
  }
  StudyType = studyType;
}

void TStudyReport::QRCompositeReport1AddReports(qr::TQRCompositeReport& sender) {
  for (const TReportPage& page : pages_) {
    if (page.onlyForStudyType != 0 && page.onlyForStudyType != StudyType) continue;
    sender.Add(&CurrentForm(page).QuickRep1);
  }
}

namespace {

// Steps 1 to 6 of a whole-report run, with step 4's output given by the caller.
template <class Output>
void RunReport(const TReportFamily& family, std::span<TPageRecord* const> records, std::uint8_t studyType,
               Output&& output) {
  platform::SetScreenCursor(platform::TCursor::Hourglass);
  try {
    TPageForms forms(family.pages);
    forms.CreateAll();
    {
      std::unique_ptr<TCompositeReportForm> composite = family.createComposite();
      // Whatever happens below, the composite form goes first and the cursor
      // is the default one again before the page forms are freed.
      struct TCompositeEnd {
        std::unique_ptr<TCompositeReportForm>& form;
        ~TCompositeEnd() {
          form.reset();
          platform::SetScreenCursor(platform::TCursor::Default);
        }
      } end{composite};

      composite->FillPages(records, studyType);
      output(composite->Composite());
    }
    forms.FreeAll();
  } catch (...) {
    platform::SetScreenCursor(platform::TCursor::Default);
    throw;
  }
}

}  // namespace

bool RunWholeReport(const TReportFamily& family, std::span<TPageRecord* const> records, std::uint8_t studyType,
                    TReportOutput output, const QString& pdfFile, std::string* error) {
  bool written = true;
  RunReport(family, records, studyType, [&](qr::TQRCompositeReport& composite) {
    switch (output) {
      case TReportOutput::Preview:
        platform::SetScreenCursor(platform::TCursor::Default);
        composite.Preview();
        break;
      case TReportOutput::Print:
        if (!family.hourglassWhilePrinting) platform::SetScreenCursor(platform::TCursor::Default);
        composite.Print();
        break;
      case TReportOutput::Pdf: {
        QString message;
        written = composite.ExportPdf(pdfFile, &message);
        if (!written && error != nullptr) *error = message.toStdString();
        break;
      }
    }
  });
  return written;
}

void InspectWholeReport(const TReportFamily& family, std::span<TPageRecord* const> records, std::uint8_t studyType,
                        const std::function<void(const std::vector<qr::TQuickRep*>& pages)>& inspect) {
  RunReport(family, records, studyType,
            [&](qr::TQRCompositeReport& composite) { inspect(composite.PreparePages()); });
}

}  // namespace rpt
