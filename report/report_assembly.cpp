#include "report/report_assembly.h"

#include <exception>
#include <vector>

#include "platform/platform.h"

namespace rpt {

namespace {

// The page forms of one run: freed in creation order when the run ends,
// however it ends.
class TPageForms {
 public:
  explicit TPageForms(std::span<const TPageFormEntry> entries) : entries_(entries) {}
  ~TPageForms() { FreeAll(); }
  TPageForms(const TPageForms&) = delete;
  TPageForms& operator=(const TPageForms&) = delete;

  void CreateAll() {
    for (const TPageFormEntry& entry : entries_) {
      entry.create();
      ++created_;
    }
  }
  void FreeAll() noexcept {
    for (std::size_t i = 0; i < created_; ++i) entries_[i].destroy();
    created_ = 0;
  }

 private:
  std::span<const TPageFormEntry> entries_;
  std::size_t created_ = 0;
};

// Steps 1 to 6 of a whole-report run, with step 4's output given by the caller.
template <class Output>
void RunReport(const TReportFamily& family, std::span<TPageRecord* const> records, std::uint8_t studyType,
               Output&& output) {
  platform::SetScreenCursor(platform::TCursor::Hourglass);
  try {
    TPageForms forms(family.pageForms);
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
