// The whole-report actions of the study document: preview, print and PDF
// export of the family's report. Until the report pages are in place each
// action says so instead of doing nothing.
#include <cstdio>
#include <string>

#include "entry/study_document.h"

namespace {

std::string NotAvailable(const char* what, std::uint8_t studyType) {
  return std::string(what) + " is not available yet for study type " +
         std::to_string(static_cast<unsigned>(studyType));
}

void SayNotAvailable(const char* what, std::uint8_t studyType) {
  if (studyType < 1 || studyType > 4) return;  // no family: nothing is built
  std::fprintf(stderr, "WinFlox03RDll: %s\n", NotAvailable(what, studyType).c_str());
  std::fflush(stderr);
}

}  // namespace

void TFlox03Pages::PreviewReport(std::uint8_t studyType) { SayNotAvailable("the report preview", studyType); }

void TFlox03Pages::PrintReport(std::uint8_t studyType) { SayNotAvailable("printing the report", studyType); }

bool TFlox03Pages::ExportReportPdf(std::uint8_t studyType, const std::string& /*pdfFileName*/, std::string* error) {
  const std::string message = (studyType < 1 || studyType > 4)
                                  ? "study type " + std::to_string(static_cast<unsigned>(studyType)) + " has no report"
                                  : NotAvailable("the PDF report", studyType);
  std::fprintf(stderr, "WinFlox03RDll: %s\n", message.c_str());
  std::fflush(stderr);
  if (error != nullptr) *error = message;
  return false;
}
