// The whole report of each study family as the report assembly runs it:
// which pages in which order, what each page shows, and that every run
// creates and frees all its forms and leaves the default cursor, however it
// ends. The tests of every family run over its page list; the general
// study's own cases (its two annex pages, its failures) follow them.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/platform.h"
#include "report/flox03/flox03_report.h"
#include "report/flox06/flox06_report.h"
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

std::vector<const void*> IndustryInstances() {
  return {Flox06Page1Preview,  Flox06Page2Preview,  Flox06Page3Preview,  Flox06Page4Preview,  Flox06Page5Preview,
          Flox06Page6Preview,  Flox06Page7Preview,  Flox06Page8Preview,  Flox06Page9Preview,  Flox06Page10Preview,
          Flox06Page11Preview, Flox06Page12Preview, Flox06Page13Preview, Flox06Page14Preview, Flox06Page15Preview};
}

bool NoFormLeft() {
  std::vector<const void*> all = SharedInstances();
  for (const void* form : IndustryInstances()) all.push_back(form);
  for (const void* form : all) {
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

// The family whose run is watched, and the shared instances of its forms.
const rpt::TReportFamily* g_watchedFamily = &kFlox03ReportFamily;
std::vector<const void*> (*g_watchedInstances)() = &SharedInstances;

// The watched family's own composite report form, watched.
class TWatchedComposite final : public rpt::TCompositeReportForm {
 public:
  TWatchedComposite() : inner_(g_watchedFamily->createComposite()) {}
  void FillPages(std::span<TPageRecord* const> records, std::uint8_t studyType) override {
    g_watch.formsAtFill = g_watchedInstances();
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

rpt::TReportFamily WatchedFamily(const rpt::TReportFamily& base = kFlox03ReportFamily,
                                 std::vector<const void*> (*instances)() = &SharedInstances) {
  g_watchedFamily = &base;
  g_watchedInstances = instances;
  rpt::TReportFamily family = base;
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

INSTANTIATE_TEST_SUITE_P(GeneralStudy, WholeReportByType, testing::Values(1, 2),
                         [](const testing::TestParamInfo<std::uint8_t>& info) {
                           return "StudyType" + std::to_string(info.param);
                         });

// ---- Every family, over its page list -----------------------------------

// A record field that prints on a page other than its record's own.
struct TFieldElsewhere {
  std::size_t record;
  const char* field;
  int page;
};

struct TFamilyCase {
  const char* name;
  const rpt::TReportFamily* family;
  std::uint8_t studyType;
  int pageCount;
  const std::vector<TPageCase>& (*filledPages)();  // pages 1 to n, in record order
  std::vector<const void*> (*instances)();
  int firstFixedPage;  // this page and all after it print the same for every study
  std::vector<TPageMark> marks;
  std::vector<TFieldElsewhere> elsewhere;
};

void PrintTo(const TFamilyCase& family, std::ostream* out) { *out << family.name; }

const TFamilyCase kFamilyCases[] = {
    {"GeneralStudy", &kFlox03ReportFamily, 1, 7, &FilledPages, &SharedInstances, 7,
     std::vector<TPageMark>(std::begin(kPageMarks), std::end(kPageMarks)), {}},
    {"IndustryStudy",
     &kFlox06ReportFamily,
     3,
     15,
     &IndustryFilledPages,
     &IndustryInstances,
     9,
     {{1, "ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},
      {2, "Β. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ"},
      {3, "Γ. ΗΛΕΚΤΡΟΜΗΧΑΝΟΛΟΓΙΚΟΣ ΕΞΟΠΛΙΣΜΟΣ"},
      {4, "Θ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},
      {5, "Ξηρής σκόνης φορητός"},
      {6, "Στολές αμμωνίας"},
      {7, "Σύνθεσης Ομάδος Πυροπροστασίας"},
      {8, "Ι. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ"},
      {9, "ΓΕΝΙΚΑ ΠΡΟΛΗΠΤΙΚΑ ΜΕΤΡΑ"},
      {10, "ΟΔΗΓΙΕΣ ΣΥΓΚΡΟΤΗΣΗΣ ΟΜΑΔΑΣ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},
      {11, "γ. Καθήκοντα και υποχρεώσεις Αρχηγού πυροπροστασίας."},
      {12, "Δ. Καθήκοντα και υποχρεώσεις Υπαρχηγού πυροπροστασίας."},
      {13, "β) Ειδικά"},
      {14, "ΠΑΡΑΡΤΗΜΑ Γ'"},
      {15, "ΟΔΗΓΙΕΣ ΕΝΕΡΓΕΙΩΝ ΟΜΑΔΑΣ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"}},
     {{6, "Texnikes", 8}}},
};

// The records of a family's study, one per filled page, in page order.
struct TFamilyStudy {
  explicit TFamilyStudy(const TFamilyCase& family) {
    for (const TPageCase& page : family.filledPages()) owned.push_back(page.makeRecord());
    for (const auto& record : owned) records.push_back(record.get());
  }
  // Every field distinct, the values of page p numbered from 100 * p.
  void FillDistinct() {
    for (std::size_t p = 0; p < records.size(); ++p) reporttest::FillDistinct(*records[p], 100 * (p + 1));
  }
  std::vector<std::unique_ptr<TPageRecord>> owned;
  std::vector<TPageRecord*> records;
};

class FamilyReport : public WholeReport, public testing::WithParamInterface<TFamilyCase> {
 protected:
  qr::TCapturedRun RunFamily(TFamilyStudy& study, rpt::TReportOutput output = rpt::TReportOutput::Preview) {
    qr::TCaptureSink sink;
    EXPECT_TRUE(rpt::RunWholeReport(*GetParam().family, study.records, GetParam().studyType, output));
    EXPECT_EQ(sink.Runs().size(), 1u);
    return sink.Runs().empty() ? qr::TCapturedRun() : sink.Runs().front();
  }
  std::vector<std::string> PageTexts(const qr::TCapturedRun& run) {
    std::vector<std::string> pages;
    for (int p = 1; p <= PdfPageCount(run.pdf); ++p) pages.push_back(Collapsed(PdfPageText(run.pdf, p)));
    return pages;
  }
};

TEST_P(FamilyReport, EveryPrintedFieldLandsOnItsOwnPageAndNowhereElse) {
  const TFamilyCase& family = GetParam();
  TFamilyStudy study(family);
  study.FillDistinct();
  const qr::TCapturedRun run = RunFamily(study);
  EXPECT_EQ(run.pageCount, family.pageCount);
  const std::vector<std::string> pages = PageTexts(run);
  ASSERT_EQ(static_cast<int>(pages.size()), family.pageCount);
  for (const TPageMark& mark : family.marks) {
    for (int p = 1; p <= family.pageCount; ++p) {
      EXPECT_EQ(pages[p - 1].find(mark.text) != std::string::npos, p == mark.page)
          << "\"" << mark.text << "\" on page " << p;
    }
  }
  for (std::size_t r = 0; r < study.records.size(); ++r) {
    const TPageCase& page = family.filledPages()[r];
    for (std::size_t i = 0; i < study.records[r]->PropCount(); ++i) {
      const TPropInfo& prop = study.records[r]->Class().props[i];
      if (prop.kind == TPropKind::Char) continue;
      int expected = page.unprinted.count(prop.name) == 0 ? static_cast<int>(r) + 1 : 0;
      for (const TFieldElsewhere& e : family.elsewhere) {
        if (e.record == r && prop.name == std::string(e.field)) expected = e.page;
      }
      const std::string value = Utf8(study.records[r]->Get(i));
      // The short marks of the fields of two and three characters may well
      // stand inside a longer value elsewhere: only their own page counts.
      const bool unique = prop.maxLen >= 4;
      for (int p = 1; p <= family.pageCount; ++p) {
        if (!unique && p != expected) continue;
        EXPECT_EQ(pages[p - 1].find(value) != std::string::npos, p == expected)
            << page.name << ": " << prop.name << " = " << value << " on page " << p;
      }
    }
  }
}

TEST_P(FamilyReport, TheFixedPagesPrintTheSameWhateverTheStudyHolds) {
  const TFamilyCase& family = GetParam();
  TFamilyStudy empty(family);
  TFamilyStudy filled(family);
  filled.FillDistinct();
  const std::vector<std::string> a = PageTexts(RunFamily(empty));
  const std::vector<std::string> b = PageTexts(RunFamily(filled));
  ASSERT_EQ(static_cast<int>(a.size()), family.pageCount);
  ASSERT_EQ(a.size(), b.size());
  for (int p = family.firstFixedPage; p <= family.pageCount; ++p) {
    EXPECT_FALSE(a[p - 1].empty()) << "page " << p;
    EXPECT_EQ(a[p - 1], b[p - 1]) << "page " << p;
    EXPECT_FALSE(HasDataMarks(b[p - 1])) << "page " << p;
  }
}

TEST_P(FamilyReport, ASecondRunShowsNothingOfTheFirst) {
  TFamilyStudy filled(GetParam());
  filled.FillDistinct();
  const qr::TCapturedRun first = RunFamily(filled);
  EXPECT_TRUE(HasDataMarks(PdfText(first.pdf)));
  EXPECT_TRUE(NoFormLeft());

  TFamilyStudy empty(GetParam());
  const qr::TCapturedRun second = RunFamily(empty);
  EXPECT_FALSE(HasDataMarks(PdfText(second.pdf))) << PdfText(second.pdf);
  TFamilyStudy another(GetParam());
  const qr::TCapturedRun third = RunFamily(another);
  EXPECT_EQ(PdfText(second.pdf), PdfText(third.pdf));
}

TEST_P(FamilyReport, EveryFormExistsWhileThePagesAreFilledAndNoneAfterwards) {
  const TFamilyCase& family = GetParam();
  TFamilyStudy study(family);
  const rpt::TReportFamily watched = WatchedFamily(*family.family, family.instances);
  qr::TCaptureSink sink;
  EXPECT_TRUE(rpt::RunWholeReport(watched, study.records, family.studyType, rpt::TReportOutput::Preview));
  const std::size_t forms = family.instances().size();
  ASSERT_EQ(g_watch.formsAtFill.size(), forms);
  for (std::size_t i = 0; i < forms; ++i) EXPECT_NE(g_watch.formsAtFill[i], nullptr) << "form " << i;
  EXPECT_TRUE(NoFormLeft());
}

// Preview shows the default cursor; print keeps the hourglass for the
// general study only; a PDF export keeps it throughout.
TEST_P(FamilyReport, TheCursorOfEachOutput) {
  const TFamilyCase& family = GetParam();
  TFamilyStudy study(family);
  const platform::TCursor printing =
      family.family->hourglassWhilePrinting ? platform::TCursor::Hourglass : platform::TCursor::Default;
  const struct {
    rpt::TReportOutput output;
    platform::TCursor during;
  } cases[] = {{rpt::TReportOutput::Preview, platform::TCursor::Default},
               {rpt::TReportOutput::Print, printing},
               {rpt::TReportOutput::Pdf, platform::TCursor::Hourglass}};
  const QTemporaryDir dir;
  for (const auto& c : cases) {
    g_watch = TWatch();
    qr::TCaptureSink sink;
    EXPECT_TRUE(rpt::RunWholeReport(WatchedFamily(*family.family, family.instances), study.records,
                                    family.studyType, c.output, dir.filePath(QStringLiteral("out.pdf"))));
    EXPECT_TRUE(g_watch.outputReached);
    EXPECT_EQ(g_watch.cursorAtOutput, c.during) << static_cast<int>(c.output);
    EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default) << static_cast<int>(c.output);
  }
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyReport, testing::ValuesIn(kFamilyCases),
                         [](const testing::TestParamInfo<TFamilyCase>& info) { return info.param.name; });

// Page 8 of the industry study shows the seventh record's Texnikes: empty,
// an empty box; 255 characters, still fifteen pages (that the text is cut at
// its box is the page's own test).
TEST_F(WholeReport, IndustryPage8ShowsTheSeventhRecordsTexnikesEmptyOrCut) {
  TFamilyStudy study(kFamilyCases[1]);
  const auto run = [&] {
    qr::TCaptureSink sink;
    EXPECT_TRUE(rpt::RunWholeReport(kFlox06ReportFamily, study.records, 3, rpt::TReportOutput::Print));
    return sink.Runs().empty() ? qr::TCapturedRun() : sink.Runs().front();
  };
  const std::string emptyPage = Collapsed(PdfPageText(run().pdf, 8));
  EXPECT_EQ(emptyPage.find("Ι. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ ΙΑ. ΓΕΝΙΚΕΣ ΟΔΗΓΙΕΣ"), 0u) << emptyPage;

  TPageRecord& seventh = *study.records[6];
  seventh.Set("Texnikes", Cp("Αυτόματη πυρανίχνευση στο λεβητοστάσιο"));
  const std::string shown = Collapsed(PdfPageText(run().pdf, 8));
  EXPECT_NE(shown.find("ΣΥΣΤΗΜΑΤΩΝ Αυτόματη πυρανίχνευση στο λεβητοστάσιο ΙΑ. ΓΕΝΙΚΕΣ"), std::string::npos) << shown;

  std::string words;
  while (words.size() < 255) words += Cp("ΩΜΩΜΩΜΩΜΩΜ") + std::to_string(words.size()) + " ";
  words.resize(255);
  seventh.Set("Texnikes", words);
  const qr::TCapturedRun full = run();
  EXPECT_EQ(full.pageCount, 15);
  const std::string long8 = Collapsed(PdfPageText(full.pdf, 8));
  EXPECT_NE(long8.find(Utf8(words.substr(0, 40))), std::string::npos) << long8;
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
