// The whole-report actions of the study document: preview, print and PDF
// export of the family's report, built by the report assembly from the
// document's records of that family.
#include <cstdio>
#include <string>
#include <vector>

#include <QFile>
#include <QString>

#include "entry/study_document.h"
#include "platform/platform.h"
#include "report/report_assembly.h"

namespace {

// Study type 3 has a family whose report pages are not built yet:
// they say so on stderr. Any other type without a family builds nothing.
bool FamilyStillMissing(std::uint8_t studyType) { return studyType == 3; }

std::string NotAvailable(const char* what, std::uint8_t studyType) {
  return std::string(what) + " is not available yet for study type " +
         std::to_string(static_cast<unsigned>(studyType));
}

void Say(const std::string& message) {
  std::fprintf(stderr, "WinFlox03RDll: %s\n", message.c_str());
  std::fflush(stderr);
}

// The family of the study type, or nullptr once the cursor is the default
// one again and any message has been given.
const rpt::TReportFamily* FamilyOf(std::uint8_t studyType, const char* what) {
  const rpt::TReportFamily* family = rpt::FindReportFamily(studyType);
  if (family == nullptr) {
    platform::SetScreenCursor(platform::TCursor::Default);
    if (FamilyStillMissing(studyType)) Say(NotAvailable(what, studyType));
  }
  return family;
}

std::vector<TPageRecord*> RecordsOf(TFlox03Pages& study, const rpt::TReportFamily& family) {
  std::vector<TPageRecord*> records;
  for (const int slot : family.recordSlots) records.push_back(&study.Slot(slot));
  return records;
}

}  // namespace

void TFlox03Pages::PreviewReport(std::uint8_t studyType) {
  const rpt::TReportFamily* family = FamilyOf(studyType, "the report preview");
  if (family == nullptr) return;
  rpt::RunWholeReport(*family, RecordsOf(*this, *family), studyType, rpt::TReportOutput::Preview);
}

void TFlox03Pages::PrintReport(std::uint8_t studyType) {
  const rpt::TReportFamily* family = FamilyOf(studyType, "printing the report");
  if (family == nullptr) return;
  rpt::RunWholeReport(*family, RecordsOf(*this, *family), studyType, rpt::TReportOutput::Print);
}

bool TFlox03Pages::ExportReportPdf(std::uint8_t studyType, const std::string& pdfFileName, std::string* error) {
  const rpt::TReportFamily* family = FamilyOf(studyType, "the PDF report");
  if (family == nullptr) {
    if (error != nullptr) {
      *error = FamilyStillMissing(studyType)
                   ? NotAvailable("the PDF report", studyType)
                   : "study type " + std::to_string(static_cast<unsigned>(studyType)) + " has no report";
    }
    return false;
  }
  return rpt::RunWholeReport(*family, RecordsOf(*this, *family), studyType, rpt::TReportOutput::Pdf,
                             QFile::decodeName(QByteArray::fromStdString(pdfFileName)), error);
}
