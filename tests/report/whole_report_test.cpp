// The general study's whole report as the report assembly runs it: which
// pages in which order, what each page shows, and that every run creates and
// frees all its forms and leaves the default cursor, however it ends.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/platform.h"
#include "report/flox03/flox03_report.h"
#include "report_pages.h"
#include "reportengine/output.h"
#include "support/pdf_text.h"

namespace {

using namespace reporttest;

std::string Collapsed(const std::string& utf8) { return QString::fromStdString(utf8).simplified().toStdString(); }

bool HasDataMarks(const std::string& text) {
  return QString::fromStdString(text).contains(QRegularExpression(QStringLiteral("[ΨΦΩ]\\d")));
}

// The six records of a general study, in page order.
struct TStudy {
  TFlox03Pg1Data r1;
  TFlox03Pg2Data r2;
  TFlox03Pg3Data r3;
  TFlox03Pg4Data r4;
  TFlox03Pg5Data r5;
  TFlox03Pg6Data r6;
  std::vector<TPageRecord*> Records() { return {&r1, &r2, &r3, &r4, &r5, &r6}; }
  // Every field distinct, the values of page p numbered from 100 * p.
  void FillDistinct() {
    int page = 1;
    for (TPageRecord* record : Records()) reporttest::FillDistinct(*record, 100 * page++);
  }
};

std::vector<const void*> SharedInstances() {
  return {Flox03Page1Preview, Flox03Page2Preview, Flox03Page3Preview,  Flox03Page4Preview,
          Flox03Page5Preview, Flox03Page6Preview, Flox03Page7aPreview, Flox03Page7bPreview};
}

bool NoFormLeft() {
  for (const void* form : SharedInstances()) {
    if (form != nullptr) return false;
  }
  return true;
}

// What a watched run saw from inside: the forms when its pages were filled,
// the cursor when the composite report went to its output.
struct TWatch {
  std::vector<const void*> formsAtFill;
  platform::TCursor cursorAtOutput = platform::TCursor::Default;
  bool outputReached = false;
  bool failOutput = false;  // the output fails, as a broken printer would
};
TWatch g_watch;

// The general study's own composite report form, watched.
class TWatchedComposite final : public rpt::TCompositeReportForm {
 public:
  TWatchedComposite() : inner_(kFlox03ReportFamily.createComposite()) {}
  void FillPages(std::span<TPageRecord* const> records, std::uint8_t studyType) override {
    g_watch.formsAtFill = SharedInstances();
    inner_->FillPages(records, studyType);
    auto addReports = Composite().OnAddReports;
    Composite().OnAddReports = [addReports](qr::TQRCompositeReport& sender) {
      g_watch.outputReached = true;
      g_watch.cursorAtOutput = platform::ScreenCursor();
      if (g_watch.failOutput) throw std::runtime_error("the printer is out of paper");
      addReports(sender);
    };
  }
  qr::TQRCompositeReport& Composite() override { return inner_->Composite(); }

 private:
  std::unique_ptr<rpt::TCompositeReportForm> inner_;
};

rpt::TReportFamily WatchedFamily() {
  rpt::TReportFamily family = kFlox03ReportFamily;
  family.createComposite = []() -> std::unique_ptr<rpt::TCompositeReportForm> {
    return std::make_unique<TWatchedComposite>();
  };
  return family;
}

class WholeReport : public testing::Test {
 protected:
  void SetUp() override {
    g_watch = TWatch();
    platform::SetScreenCursor(platform::TCursor::Default);
  }
  void TearDown() override { EXPECT_TRUE(NoFormLeft()) << "a report page form outlived its run"; }

  // One run into the capture sink; the run it recorded.
  qr::TCapturedRun Run(TStudy& study, std::uint8_t studyType, rpt::TReportOutput output = rpt::TReportOutput::Preview,
                       const rpt::TReportFamily& family = kFlox03ReportFamily) {
    qr::TCaptureSink sink;
    const std::vector<TPageRecord*> records = study.Records();
    EXPECT_TRUE(rpt::RunWholeReport(family, records, studyType, output));
    EXPECT_EQ(sink.Runs().size(), 1u);
    return sink.Runs().empty() ? qr::TCapturedRun() : sink.Runs().front();
  }
};

TEST(ReportFamilies, TheGeneralStudyCreatesPagesOneToSixAndBothAnnexPages) {
  EXPECT_EQ(kFlox03ReportFamily.pages.size(), 8u) << "pages 1 to 6, 7a and 7b";
}

// The distinctive text of each page, and which annex page each study type ends with.
struct TPageMark {
  int page;
  const char* text;
};
constexpr TPageMark kPageMarks[] = {
    {1, "ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},    {2, "Α. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ"},
    {3, "Γ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},  {4, "Ξηρής σκόνης φορητός"},
    {5, "Ηλεκτρικοί φανοί χειρός"},  {6, "Δ. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ"},
};
constexpr const char* kAnnexA = "1.- Εις αιθούσας συγκεντρώσεως κοινού.";
constexpr const char* kAnnexB = "Ολα τα εμπορικά καταστήματα, που εμπίπτουν στις διατάξεις της παρούσας διάταξης,";

class WholeReportByType : public WholeReport, public testing::WithParamInterface<std::uint8_t> {};

TEST_P(WholeReportByType, PagesOneToSixThenTheAnnexOfTheStudyType) {
  const std::uint8_t type = GetParam();
  TStudy study;
  for (const rpt::TReportOutput output : {rpt::TReportOutput::Preview, rpt::TReportOutput::Print}) {
    const qr::TCapturedRun run = Run(study, type, output);
    EXPECT_EQ(run.action,
              output == rpt::TReportOutput::Preview ? qr::TOutputAction::Preview : qr::TOutputAction::Print);
    EXPECT_EQ(run.pageCount, 7);
    ASSERT_EQ(PdfPageCount(run.pdf), 7);
    for (const TPageMark& mark : kPageMarks) {
      for (int page = 1; page <= 7; ++page) {
        const bool here = Collapsed(PdfPageText(run.pdf, page)).find(mark.text) != std::string::npos;
        EXPECT_EQ(here, page == mark.page) << "\"" << mark.text << "\" on page " << page;
      }
    }
    const std::string last = Collapsed(PdfPageText(run.pdf, 7));
    EXPECT_EQ(last.find(kAnnexA) != std::string::npos, type == 1) << last;
    EXPECT_EQ(last.find(kAnnexB) != std::string::npos, type == 2) << last;
    EXPECT_EQ(last.find("Παράρτημα") == 0, type == 2) << "page 7b opens with its heading";
  }
}

TEST_P(WholeReportByType, EveryFieldOfTheSixRecordsLandsOnItsOwnPage) {
  TStudy study;
  study.FillDistinct();
  const qr::TCapturedRun run = Run(study, GetParam());
  ASSERT_EQ(PdfPageCount(run.pdf), 7);
  const std::vector<TPageRecord*> records = study.Records();
  for (std::size_t p = 0; p < records.size(); ++p) {
    const std::string text = Collapsed(PdfPageText(run.pdf, static_cast<int>(p) + 1));
    const TPageCase& page = FilledPages()[p];
    for (std::size_t i = 0; i < records[p]->PropCount(); ++i) {
      const TPropInfo& prop = records[p]->Class().props[i];
      if (prop.kind == TPropKind::Char || page.unprinted.count(prop.name) != 0) continue;
      const std::string value = Utf8(records[p]->Get(i));
      EXPECT_NE(text.find(value), std::string::npos) << page.name << ": " << prop.name << " = " << value;
    }
  }
  EXPECT_FALSE(HasDataMarks(PdfPageText(run.pdf, 7))) << "the annex shows no data";
}

INSTANTIATE_TEST_SUITE_P(GeneralStudy, WholeReportByType, testing::Values(1, 2),
                         [](const testing::TestParamInfo<std::uint8_t>& info) {
                           return "StudyType" + std::to_string(info.param);
                         });

TEST_F(WholeReport, ASecondRunShowsNothingOfTheFirst) {
  TStudy filled;
  filled.FillDistinct();
  const qr::TCapturedRun first = Run(filled, 1);
  EXPECT_TRUE(HasDataMarks(PdfText(first.pdf)));
  EXPECT_TRUE(NoFormLeft());

  TStudy empty;
  const qr::TCapturedRun second = Run(empty, 1);
  EXPECT_FALSE(HasDataMarks(PdfText(second.pdf))) << PdfText(second.pdf);
  TStudy another;
  const qr::TCapturedRun third = Run(another, 1);
  EXPECT_EQ(PdfText(second.pdf), PdfText(third.pdf));
}

TEST_F(WholeReport, AllEightFormsExistWhileThePagesAreFilledAndNoneAfterwards) {
  for (const std::uint8_t type : {1, 2}) {
    TStudy study;
    Run(study, type, rpt::TReportOutput::Preview, WatchedFamily());
    ASSERT_EQ(g_watch.formsAtFill.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_NE(g_watch.formsAtFill[i], nullptr) << "form " << i << ", type " << +type;
    EXPECT_TRUE(NoFormLeft());
  }
}

TEST_F(WholeReport, PreviewShowsTheDefaultCursorAndPrintKeepsTheHourglass) {
  TStudy study;
  const struct {
    rpt::TReportOutput output;
    platform::TCursor during;
  } cases[] = {{rpt::TReportOutput::Preview, platform::TCursor::Default},
               {rpt::TReportOutput::Print, platform::TCursor::Hourglass},
               {rpt::TReportOutput::Pdf, platform::TCursor::Hourglass}};
  const QTemporaryDir dir;
  for (const auto& c : cases) {
    g_watch = TWatch();
    qr::TCaptureSink sink;
    const std::vector<TPageRecord*> records = study.Records();
    EXPECT_TRUE(rpt::RunWholeReport(WatchedFamily(), records, 1, c.output, dir.filePath(QStringLiteral("out.pdf"))));
    EXPECT_TRUE(g_watch.outputReached);
    EXPECT_EQ(g_watch.cursorAtOutput, c.during) << static_cast<int>(c.output);
    EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default) << static_cast<int>(c.output);
  }
}

TEST_F(WholeReport, AFailingOutputPassesOnAndStillFreesEverythingWithTheDefaultCursor) {
  for (const rpt::TReportOutput output : {rpt::TReportOutput::Preview, rpt::TReportOutput::Print}) {
    g_watch = TWatch();
    g_watch.failOutput = true;
    TStudy study;
    qr::TCaptureSink sink;
    const std::vector<TPageRecord*> records = study.Records();
    EXPECT_THROW(rpt::RunWholeReport(WatchedFamily(), records, 1, output), std::runtime_error);
    EXPECT_TRUE(g_watch.outputReached);
    EXPECT_TRUE(sink.Runs().empty());
    EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default);
    EXPECT_TRUE(NoFormLeft()) << "the page forms are freed after a failure too";
  }
  // And the next run works as if nothing had happened.
  TStudy study;
  EXPECT_EQ(Run(study, 2).pageCount, 7);
}

TEST_F(WholeReport, RecordsOfTheWrongClassAreRefusedWithoutLeavingAnything) {
  TStudy study;
  std::vector<TPageRecord*> records = study.Records();
  std::swap(records[3], records[4]);
  qr::TCaptureSink sink;
  EXPECT_THROW(rpt::RunWholeReport(kFlox03ReportFamily, records, 1, rpt::TReportOutput::Preview),
               std::invalid_argument);
  records.pop_back();
  std::swap(records[3], records[4]);
  EXPECT_THROW(rpt::RunWholeReport(kFlox03ReportFamily, records, 1, rpt::TReportOutput::Print), std::invalid_argument);
  EXPECT_TRUE(sink.Runs().empty());
  EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default);
}

TEST_F(WholeReport, PdfGoesToTheFileOrFailsWithAReason) {
  const QTemporaryDir dir;
  TStudy study;
  study.r1.Set("NameEpixirisi", Cp("Ξενοδοχείο Ακτή"));
  const std::vector<TPageRecord*> records = study.Records();
  const QString good = dir.filePath(QStringLiteral("study.pdf"));
  std::string error;
  ASSERT_TRUE(rpt::RunWholeReport(kFlox03ReportFamily, records, 2, rpt::TReportOutput::Pdf, good, &error)) << error;
  QFile file(good);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_EQ(PdfPageCount(pdf), 7);
  EXPECT_NE(PdfPageText(pdf, 1).find("Ξενοδοχείο Ακτή"), std::string::npos);

  const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/study.pdf"));
  EXPECT_FALSE(rpt::RunWholeReport(kFlox03ReportFamily, records, 2, rpt::TReportOutput::Pdf, unwritable, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default);
}

TEST_F(WholeReport, AStudyTypeOutsideOneAndTwoAddsNoAnnexPage) {
  // The composite report of the general study adds 7a only for type 1 and
  // 7b only for type 2; a stray type gets the six filled pages alone.
  TStudy study;
  EXPECT_EQ(Run(study, 7).pageCount, 6);
}

}  // namespace
