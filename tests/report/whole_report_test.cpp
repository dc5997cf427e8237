// The whole report of each study family, built from its row of the family
// table: every field on the pages that label it and nowhere else, nothing of
// another family's records, the fixed pages the same whatever the study
// holds, and the general study's annex page by study type.
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <stdexcept>

#include "report/flox03/flox03_report.h"
#include "report_pages.h"
#include "reportengine/page_output.h"
#include "support/pdf_text.h"

namespace {

using namespace reporttest;

std::string Collapsed(const std::string& utf8) { return QString::fromStdString(utf8).simplified().toStdString(); }

// Every field a value no fixed text holds and, from four characters on, no
// other field: a marker letter and the field's number in the study; shorter
// fields as much of that as fits.
std::vector<TPageRecord> MarkedStudy() {
  std::vector<TPageRecord> study = NewStudyRecords();
  int n = 0;
  for (TPageRecord& record : study) {
    for (std::size_t i = 0; i < record.PropCount(); ++i, ++n) {
      const std::string value = Cp(n < 1000 ? "Ψ" : "Φ") + std::to_string(1000 + n % 1000).substr(1);
      record.Set(i, value.substr(0, record.Class().props[i].maxLen));
    }
  }
  return study;
}

// The text of every page of the family's report for its first study type.
std::vector<std::string> PageTexts(const TStudyFamily& family, const std::vector<TPageRecord>& study) {
  const rpt::TPages pages = rpt::BuildPages(family.report, study, family.types.front().type);
  const QByteArray pdf = qr::RenderPdf(rpt::PageList(pages));
  std::vector<std::string> texts;
  for (int p = 1; p <= PdfPageCount(pdf); ++p) texts.push_back(Collapsed(PdfPageText(pdf, p)));
  return texts;
}

// The references the family's first study type prints, in order.
std::vector<rpt::TReportPageRef> Printed(const TStudyFamily& family) {
  std::vector<rpt::TReportPageRef> refs;
  for (const rpt::TReportPageRef& ref : family.report) {
    if (ref.onlyForStudyType == 0 || ref.onlyForStudyType == family.types.front().type) refs.push_back(ref);
  }
  return refs;
}

bool Labels(const qr::TPageDef& page, const char* field) {
  for (const qr::TElementDef& e : page.elements) {
    if (e.name != nullptr && std::string(e.property != nullptr ? e.property : e.name) == field) return true;
  }
  return false;
}

class FamilyReport : public testing::TestWithParam<const TStudyFamily*> {};

TEST_P(FamilyReport, EveryFieldOnThePagesThatLabelItAndNothingOfOtherRecords) {
  const TStudyFamily& family = *GetParam();
  const std::vector<TPageRecord> study = MarkedStudy();
  const std::vector<std::string> texts = PageTexts(family, study);
  const std::vector<rpt::TReportPageRef> refs = Printed(family);
  ASSERT_EQ(texts.size(), refs.size());
  const std::vector<int> own = family.Slots();
  for (int slot = 1; slot <= kStudySlotCount; ++slot) {
    const bool ours = std::find(own.begin(), own.end(), slot) != own.end();
    const TPageRecord& record = study[static_cast<std::size_t>(slot - 1)];
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      const TPropInfo& prop = record.Class().props[i];
      if (prop.maxLen < 4) continue;  // short values may recur elsewhere
      const std::string value = Utf8(record.Get(i));
      int shown = 0;
      for (std::size_t p = 0; p < refs.size(); ++p) {
        const bool expected = ours && refs[p].slot == slot && Labels(*refs[p].page, prop.name);
        const bool here = texts[p].find(value) != std::string::npos;
        shown += here ? 1 : 0;
        EXPECT_EQ(here, expected) << "slot " << slot << " " << prop.name << " on page " << p + 1;
      }
      if (ours) {
        EXPECT_EQ(shown > 0, Unprinted(record.Class()).count(prop.name) == 0) << slot << " " << prop.name;
      }
    }
  }
}

TEST_P(FamilyReport, TheFixedPagesPrintTheSameWhateverTheStudyHolds) {
  const TStudyFamily& family = *GetParam();
  const std::vector<std::string> empty = PageTexts(family, NewStudyRecords());
  const std::vector<std::string> filled = PageTexts(family, MarkedStudy());
  const std::vector<rpt::TReportPageRef> refs = Printed(family);
  ASSERT_EQ(empty.size(), refs.size());
  ASSERT_EQ(filled.size(), refs.size());
  for (std::size_t p = 0; p < refs.size(); ++p) {
    if (refs[p].slot != 0) continue;
    EXPECT_FALSE(empty[p].empty()) << "page " << p + 1;
    EXPECT_EQ(empty[p], filled[p]) << "page " << p + 1;
    EXPECT_FALSE(QString::fromStdString(filled[p]).contains(QRegularExpression(QStringLiteral("[ΨΦΩ]\\d"))))
        << "page " << p + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyReport,
                         testing::ValuesIn([] {
                           std::vector<const TStudyFamily*> families;
                           for (const TStudyFamily& family : StudyFamilies()) families.push_back(&family);
                           return families;
                         }()),
                         [](const testing::TestParamInfo<const TStudyFamily*>& info) {
                           std::string name = info.param->name;
                           std::erase(name, ' ');
                           return name;
                         });

// The general study ends with the annex of its study type: 7a for type 1,
// 7b for type 2; any other type gets the six filled pages alone.
TEST(GeneralStudyReport, TheLastPageIsTheAnnexOfTheStudyType) {
  constexpr const char* kAnnexA = "1.- Εις αιθούσας συγκεντρώσεως κοινού.";
  constexpr const char* kAnnexB = "Ολα τα εμπορικά καταστήματα, που εμπίπτουν στις διατάξεις της παρούσας διάταξης,";
  const TStudyFamily& general = *FindStudyFamily(1);
  const std::vector<TPageRecord> study = NewStudyRecords();
  for (const std::uint8_t type : {1, 2, 7}) {
    const rpt::TPages pages = rpt::BuildPages(general.report, study, type);
    if (type == 7) {
      EXPECT_EQ(pages.size(), 6u);
      continue;
    }
    ASSERT_EQ(pages.size(), 7u);
    const std::string last = Collapsed(PdfText(qr::RenderPdf({pages.back().get()})));
    EXPECT_EQ(last.find(kAnnexA) != std::string::npos, type == 1) << last;
    EXPECT_EQ(last.find(kAnnexB) != std::string::npos, type == 2) << last;
    EXPECT_EQ(last.find("Παράρτημα") == 0, type == 2) << "page 7b opens with its heading";
  }
}

TEST(BuildPages, APageOfASlotTheStudyLacksIsRefused) {
  const rpt::TReportPageRef pages[] = {{&flox03::kPage1Preview, 1}, {&flox03::kPage2Preview, 20}};
  const std::vector<TPageRecord> study = NewStudyRecords();
  EXPECT_THROW(rpt::BuildPages(pages, study, 1), std::invalid_argument);
  EXPECT_EQ(rpt::BuildPages(std::span(pages, 1), study, 1).size(), 1u);
}

}  // namespace
