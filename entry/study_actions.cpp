// What the study document does by study type, as the family table says: the
// type's default legal text, the family's data-entry dialog over its
// records, and its whole report previewed, printed or written as PDF. The
// screen cursor belongs here: the hourglass while a report is built, the
// default cursor again however the action ends. A study type without a
// family does nothing (the PDF export says so).
#include <stdexcept>
#include <string>
#include <vector>

#include <QFile>
#include <QString>

#include "dialogs/entry_dialog.h"
#include "entry/study_document.h"
#include "entry/study_families.h"
#include "entry/study_fit.h"
#include "platform/platform.h"
#include "records/cp1253.h"
#include "report/report_assembly.h"
#include "reportengine/output.h"

namespace {

enum class TReportOutput { Preview, Print, Pdf };

// The whole report of the study type: built under the hourglass, then
// previewed (default cursor), printed (default cursor, or the hourglass for a
// family that prints with it) or written as PDF (hourglass throughout).
// False, with *error set, when the type has no family or the PDF cannot be
// written.
bool RunReport(TFlox03Pages& study, std::uint8_t studyType, TReportOutput output, const QString& pdfFile = {},
               std::string* error = nullptr) {
  const platform::TCursorGuard defaultCursorAtEnd;
  const TStudyFamily* family = FindStudyFamily(studyType);
  if (family == nullptr) {
    if (error != nullptr) *error = "study type " + std::to_string(static_cast<unsigned>(studyType)) + " has no report";
    return false;
  }
  platform::SetScreenCursor(platform::TCursor::Hourglass);
  const rpt::TPages pages = rpt::BuildPages(family->report, study.Records(), studyType);
  switch (output) {
    case TReportOutput::Preview:
      platform::SetScreenCursor(platform::TCursor::Default);
      qr::RunOutput(qr::TOutputAction::Preview, rpt::PageList(pages));
      return true;
    case TReportOutput::Print:
      if (!family->hourglassWhilePrinting) platform::SetScreenCursor(platform::TCursor::Default);
      qr::RunOutput(qr::TOutputAction::Print, rpt::PageList(pages));
      return true;
    case TReportOutput::Pdf: {
      QString message;
      if (qr::WritePdf(rpt::PageList(pages), pdfFile, &message)) return true;
      if (error != nullptr) *error = message.toStdString();
      return false;
    }
  }
  return false;
}

}  // namespace

void TFlox03Pages::ApplyTypeDefaults(std::uint8_t studyType) {
  const TStudyFamily* family = FindStudyFamily(studyType);
  const TStudyTypeDef* type = FindStudyType(studyType);
  if (family == nullptr || type->legalText == nullptr) return;
  std::string bytes;
  if (!Utf8ToCp1253(type->legalText, bytes)) {
    throw std::logic_error(std::string("the legal text of study type ") + type->name + " is not code page 1253 text");
  }
  Slot(family->dialog.tabs.front().slot).Set(family->legalField, bytes);
}

// The dialog is loaded from the records, run modally and, however it was
// closed, stored back into the records; it is freed in every case.
void TFlox03Pages::EditStudy(std::uint8_t studyType) {
  const TStudyFamily* family = FindStudyFamily(studyType);
  if (family == nullptr) return;
  const std::vector<TPageRecord*> records = Records(family->Slots());
  TEntryDialog dialog(nullptr, family->dialog);
  dialog.LoadPages(std::span<const TPageRecord* const>(records.data(), records.size()));
  // Fields the printed page would cut are marked while the user types.
  dialog.SetFitChecker(FitCheckerOf(*family));
  dialog.Execute();  // how it was closed does not matter: there is no cancel
  dialog.StorePages(records);
}

void TFlox03Pages::PreviewReport(std::uint8_t studyType) { RunReport(*this, studyType, TReportOutput::Preview); }

void TFlox03Pages::PrintReport(std::uint8_t studyType) { RunReport(*this, studyType, TReportOutput::Print); }

bool TFlox03Pages::ExportReportPdf(std::uint8_t studyType, const std::string& pdfFileName, std::string* error) {
  return RunReport(*this, studyType, TReportOutput::Pdf, QFile::decodeName(QByteArray::fromStdString(pdfFileName)),
                   error);
}
