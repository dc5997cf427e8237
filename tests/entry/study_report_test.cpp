// The study document's whole-report actions: the records of the study
// type's family go through the page pipeline to the preview, the printer or
// a PDF file, with the cursor of each; a type without a report builds
// nothing.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

#include "entry/study_document.h"
#include "entry/study_families.h"
#include "platform/platform.h"
#include "records/cp1253.h"
#include "reportengine/output.h"
#include "support/pdf_text.h"

namespace {

std::string Cp(const char* utf8) {
  std::string out;
  EXPECT_TRUE(Utf8ToCp1253(utf8, out)) << utf8;
  return out;
}

// A general study whose slots 4 and 5 and whose hotel slots 17 and 18 hold
// different remarks, so that the report shows which records it used.
struct TStudyReport : testing::Test {
  void SetUp() override {
    study.ApplyTypeDefaults(1);
    study.Rec<TFlox03Pg1Data>(1).Set("NameEpixirisi", Cp("Εστιατόριο Ο Πλάτανος"));
    study.Rec<TFlox03Pg4Data>(4).Set("Comments1", Cp("Αίθουσα εστίασης"));
    study.Rec<TFlox03Pg5Data>(5).Set("Comments20", Cp("Υπόγεια αποθήκη"));
    study.Rec<TFlox03Pg4Data>(17).Set("Comments1", Cp("Διάδρομος δωματίων"));
    study.Rec<TFlox03Pg5Data>(18).Set("Comments20", Cp("Λεβητοστάσιο"));
  }
  void TearDown() override { EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default); }
  TFlox03Pages study;
};

TEST_F(TStudyReport, PreviewAndPrintShowTheGeneralStudysOwnRecords) {
  for (const std::uint8_t type : {1, 2}) {
    qr::TCaptureSink sink;
    study.PreviewReport(type);
    study.PrintReport(type);
    ASSERT_EQ(sink.Runs().size(), 2u);
    EXPECT_EQ(sink.Runs()[0].action, qr::TOutputAction::Preview);
    EXPECT_EQ(sink.Runs()[1].action, qr::TOutputAction::Print);
    for (const qr::TCapturedRun& run : sink.Runs()) {
      ASSERT_EQ(PdfPageCount(run.pdf), 7);
      EXPECT_NE(PdfPageText(run.pdf, 1).find("Εστιατόριο Ο Πλάτανος"), std::string::npos);
      EXPECT_NE(PdfPageText(run.pdf, 1).find("την 3/81 Π.Δ."), std::string::npos) << "the record's legal basis";
      EXPECT_NE(PdfPageText(run.pdf, 4).find("Αίθουσα εστίασης"), std::string::npos);
      EXPECT_NE(PdfPageText(run.pdf, 5).find("Υπόγεια αποθήκη"), std::string::npos);
      const std::string all = PdfText(run.pdf);
      EXPECT_EQ(all.find("Διάδρομος δωματίων"), std::string::npos) << "a hotel record in the general study";
      EXPECT_EQ(all.find("Λεβητοστάσιο"), std::string::npos) << "a hotel record in the general study";
      const std::string last = PdfPageText(run.pdf, 7);
      EXPECT_EQ(last.find("Ολα τα εμπορικά καταστήματα") != std::string::npos, type == 2) << last;
      EXPECT_EQ(last.find("Εις αιθούσας συγκεντρώσεως κοινού") != std::string::npos, type == 1) << last;
    }
  }
}

// Type 3: the industry study's fifteen pages from slots 7 to 13, page 8 with
// the seventh record's Texnikes; the default cursor while printing.
TEST_F(TStudyReport, TheIndustryStudyPrintsItsFifteenPagesFromItsOwnSlots) {
  study.ApplyTypeDefaults(3);
  study.Slot(7).Set("TitlosEpixeirhshs", Cp("Ελαιουργείο Η Γιούχτα"));
  study.Slot(13).Set("Texnikes", Cp("Χειροκίνητο σύστημα αναγγελίας πυρκαγιάς"));
  qr::TCaptureSink sink;
  study.PreviewReport(3);
  study.PrintReport(3);
  ASSERT_EQ(sink.Runs().size(), 2u);
  for (const qr::TCapturedRun& run : sink.Runs()) {
    EXPECT_EQ(run.pageCount, 15);
    EXPECT_NE(PdfPageText(run.pdf, 1).find("Ελαιουργείο Η Γιούχτα"), std::string::npos);
    EXPECT_NE(PdfPageText(run.pdf, 1).find("Π.Δ. 71/88"), std::string::npos) << "the default of study type 3";
    EXPECT_NE(PdfPageText(run.pdf, 8).find("Χειροκίνητο σύστημα αναγγελίας πυρκαγιάς"), std::string::npos);
    EXPECT_EQ(PdfText(run.pdf).find("Εστιατόριο Ο Πλάτανος"), std::string::npos) << "a general study record";
  }
}

TEST_F(TStudyReport, ATypeWithoutAReportBuildsNothingSilently) {
  qr::TCaptureSink sink;
  for (const std::uint8_t type : {0, 5, 255}) {
    testing::internal::CaptureStderr();
    platform::SetScreenCursor(platform::TCursor::Hourglass);
    study.PreviewReport(type);
    EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default) << +type;
    study.PrintReport(type);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(said.empty()) << +type << ": " << said;
  }
  EXPECT_TRUE(sink.Runs().empty());
}

TEST_F(TStudyReport, PdfExportWritesTheReportOrSaysWhyNot) {
  const QTemporaryDir dir;
  const std::string pdf = dir.filePath(QStringLiteral("μελέτη.pdf")).toStdString();
  std::string error;
  ASSERT_TRUE(study.ExportReportPdf(1, pdf, &error)) << error;
  QFile file(QFile::decodeName(QByteArray::fromStdString(pdf)));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(PdfPageCount(bytes), 7);
  EXPECT_NE(PdfPageText(bytes, 7).find("Εις αιθούσας συγκεντρώσεως κοινού"), std::string::npos);

  testing::internal::CaptureStderr();
  EXPECT_FALSE(study.ExportReportPdf(9, pdf, &error));
  EXPECT_NE(error.find("has no report"), std::string::npos) << error;
  testing::internal::GetCapturedStderr();
  EXPECT_FALSE(study.ExportReportPdf(1, dir.filePath(QStringLiteral("missing/x.pdf")).toStdString(), &error));
  EXPECT_FALSE(error.empty());
}

// Preview shows the default cursor; print keeps the hourglass for the family
// that prints with it; after every action the cursor is the default again.
TEST_F(TStudyReport, TheCursorWhileThePagesGoOut) {
  for (const TStudyFamily& family : StudyFamilies()) {
    const std::uint8_t type = family.types.front().type;
    qr::TCaptureSink sink;
    study.PreviewReport(type);
    EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default);
    study.PrintReport(type);
    ASSERT_EQ(sink.Runs().size(), 2u) << family.name;
    EXPECT_EQ(sink.Runs()[0].cursor, platform::TCursor::Default) << family.name;
    EXPECT_EQ(sink.Runs()[1].cursor,
              family.hourglassWhilePrinting ? platform::TCursor::Hourglass : platform::TCursor::Default)
        << family.name;
  }
  EXPECT_TRUE(FindStudyFamily(1)->hourglassWhilePrinting) << "the general study prints with the hourglass";
}

}  // namespace
