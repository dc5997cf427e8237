// The whole-report actions of the study document: preview, print and PDF
// export of the family's report, built by the report assembly from the
// document's records of that family. A study type without a family builds
// nothing (the PDF export says so).
#include <string>
#include <vector>

#include <QFile>
#include <QString>

#include "entry/study_document.h"
#include "entry/study_families.h"
#include "platform/platform.h"
#include "report/report_assembly.h"

namespace {

// The family of the study type if it has a whole report, or nullptr once
// the cursor is the default one again.
const TStudyFamily* FamilyOf(std::uint8_t studyType) {
  const TStudyFamily* family = FindStudyFamily(studyType);
  if (family != nullptr && family->report == nullptr) family = nullptr;
  if (family == nullptr) platform::SetScreenCursor(platform::TCursor::Default);
  return family;
}

}  // namespace

void TFlox03Pages::PreviewReport(std::uint8_t studyType) {
  const TStudyFamily* family = FamilyOf(studyType);
  if (family == nullptr) return;
  rpt::RunWholeReport(*family->report, Records(family->recordSlots), studyType, rpt::TReportOutput::Preview);
}

void TFlox03Pages::PrintReport(std::uint8_t studyType) {
  const TStudyFamily* family = FamilyOf(studyType);
  if (family == nullptr) return;
  rpt::RunWholeReport(*family->report, Records(family->recordSlots), studyType, rpt::TReportOutput::Print);
}

bool TFlox03Pages::ExportReportPdf(std::uint8_t studyType, const std::string& pdfFileName, std::string* error) {
  const TStudyFamily* family = FamilyOf(studyType);
  if (family == nullptr) {
    if (error != nullptr) *error = "study type " + std::to_string(static_cast<unsigned>(studyType)) + " has no report";
    return false;
  }
  return rpt::RunWholeReport(*family->report, Records(family->recordSlots), studyType, rpt::TReportOutput::Pdf,
                             QFile::decodeName(QByteArray::fromStdString(pdfFileName)), error);
}
