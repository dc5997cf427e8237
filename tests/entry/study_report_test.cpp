// The study document's whole-report actions: the records of the study
// type's family go through the report assembly to the preview, the printer
// or a PDF file; a type without a report builds nothing.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "entry/study_document.h"
#include "platform/platform.h"
#include "records/cp1253.h"
#include "report/flox03/flox03_report.h"
#include "report/flox07/flox07_report.h"
#include "reportengine/output.h"
#include "support/pdf_text.h"

namespace {

std::string Cp(const char* utf8) {
  std::string out;
  EXPECT_TRUE(Utf8ToCp1253(utf8, out)) << utf8;
  return out;
}

bool NoReportFormLeft() {
  return Flox03Page1Preview == nullptr && Flox03Page2Preview == nullptr && Flox03Page3Preview == nullptr &&
         Flox03Page4Preview == nullptr && Flox03Page5Preview == nullptr && Flox03Page6Preview == nullptr &&
         Flox03Page7aPreview == nullptr && Flox03Page7bPreview == nullptr && Flox07Page1Preview == nullptr &&
         Flox07Page2Preview == nullptr && Flox07Page3Preview == nullptr && Flox07Page6Preview == nullptr;
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
  void TearDown() override {
    EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default);
    EXPECT_TRUE(NoReportFormLeft());
  }
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

// Each family's report shows its own six records, each field on its page and
// on no other, and nothing of the other family's extinguisher records
// (slots 4 and 5 of the general study, 17 and 18 of the hotel study).
struct TFamilyCase {
  std::uint8_t type;
  std::vector<int> pageSlots;     // in page order
  std::vector<int> foreignSlots;  // records of the same classes the report must not use
  std::map<int, std::set<std::string>> unprinted;  // by slot
};

class FamilyReport : public testing::TestWithParam<TFamilyCase> {};

// A value no fixed text holds: a marker letter and three digits, the slot
// and the field's position. Fields too short for it get their marker letter
// and as many digits as fit; characters a Greek letter. Values of five
// characters are unique in the study.
std::string Marked(int slot, std::size_t index, std::size_t maxLen) {
  const std::string digits = std::to_string(100 + (slot * 37 + static_cast<int>(index)) % 900);
  if (maxLen == 1) return Cp("Ψ");
  if (maxLen < 5) return Cp("Ω") + digits.substr(0, maxLen - 1);
  return Cp(slot <= 13 ? "Ψ" : "Φ") + std::string(1, static_cast<char>('A' + slot % 26)) + digits;
}

TEST_P(FamilyReport, EveryFieldOnItsOwnPageAndNothingOfTheOtherFamily) {
  const TFamilyCase& c = GetParam();
  TFlox03Pages study;
  for (int slot = 1; slot <= 19; ++slot) {
    TPageRecord& record = study.Slot(slot);
    for (std::size_t i = 0; i < record.PropCount(); ++i)
      record.Set(i, Marked(slot, i, record.Class().props[i].maxLen));
  }
  qr::TCaptureSink sink;
  study.PreviewReport(c.type);
  ASSERT_EQ(sink.Runs().size(), 1u);
  const QByteArray& pdf = sink.Runs().front().pdf;
  const int pages = PdfPageCount(pdf);
  ASSERT_EQ(pages, c.type == 4 ? 6 : 7);
  std::vector<std::string> texts;
  for (int page = 1; page <= pages; ++page) texts.push_back(QString::fromStdString(PdfPageText(pdf, page)).simplified().toStdString());
  for (std::size_t p = 0; p < c.pageSlots.size(); ++p) {
    const TPageRecord& record = study.Slot(c.pageSlots[p]);
    const auto unprinted = c.unprinted.count(c.pageSlots[p]) ? c.unprinted.at(c.pageSlots[p]) : std::set<std::string>();
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      const TPropInfo& prop = record.Class().props[i];
      if (prop.kind == TPropKind::Char) continue;
      const std::string value = Cp1253ToUtf8(record.Get(i));
      for (std::size_t page = 0; page < texts.size(); ++page) {
        const bool here = texts[page].find(value) != std::string::npos;
        // Short values may recur; they are only looked for on their own page.
        if (page == p && unprinted.count(prop.name) == 0) {
          EXPECT_TRUE(here) << "slot " << c.pageSlots[p] << " " << prop.name;
        } else if (prop.maxLen >= 5) {
          EXPECT_FALSE(here) << "slot " << c.pageSlots[p] << " " << prop.name << " also on page " << page + 1;
        }
      }
    }
  }
  for (const int slot : c.foreignSlots) {
    const TPageRecord& record = study.Slot(slot);
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      if (record.Class().props[i].maxLen < 5) continue;
      const std::string value = Cp1253ToUtf8(record.Get(i));
      for (const std::string& text : texts) EXPECT_EQ(text.find(value), std::string::npos) << "slot " << slot;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Families, FamilyReport,
    testing::Values(TFamilyCase{1, {1, 2, 3, 4, 5, 6}, {17, 18},
                                {{1, {"NumMhtrwou", "NameIdiokthth"}}, {2, {"NumberOfFloorsOfOrganization"}},
                                 {5, {"Eidos25", "aa25"}}}},
                    TFamilyCase{4, {14, 15, 16, 17, 18, 19}, {4, 5}, {{18, {"Eidos25", "aa25"}}}}),
    [](const testing::TestParamInfo<TFamilyCase>& info) { return "StudyType" + std::to_string(info.param.type); });

}  // namespace
