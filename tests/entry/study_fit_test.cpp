// The fit check: every field whose text the printed report cuts, named by
// its caption on its entry page, for every study type that has a report.
#include <gtest/gtest.h>

#include <set>

#include "entry/study_fit.h"
#include "entry/study_test_support.h"
#include "records/cp1253.h"
#include "entry/study_families.h"

namespace {

using namespace studytest;

std::string Cp(const std::string& utf8) {
  std::string out;
  EXPECT_TRUE(Utf8ToCp1253(utf8, out)) << utf8;
  return out;
}

std::string Utf8(const std::string& cp1253) {
  std::string out;
  for (const char c : cp1253) {
    const char32_t u = Cp1253ToUnicode(static_cast<unsigned char>(c));
    out += QString(QChar(static_cast<char16_t>(u))).toStdString();
  }
  return out;
}

TEST(StudyFit, OneOverlongStreetAmongFieldsThatFit) {
  for (const std::uint8_t type : {1, 2}) {
    TFlox03Pages study;
    study.ApplyTypeDefaults(type);
    study.Slot(1).Set("Odos", Cp("Λεωφόρος Κωνσταντίνου Καραμανλή"));
    study.Slot(1).Set("Polh", Cp("Καλαμάτα"));
    study.Slot(1).Set("EidosEpixeirisis", Cp("Εστιατόριο - ψητοπωλείο με αίθουσα εστίασης 158 ατόμων"));
    const std::vector<TCutField> cut = FindCutFields(study, type);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].page, 1);
    EXPECT_EQ(cut[0].slot, 1);
    EXPECT_EQ(cut[0].field, "Odos");
    EXPECT_EQ(cut[0].caption, "Οδός");
    EXPECT_EQ(cut[0].tab, "Επιχείρηση");
    EXPECT_EQ(cut[0].text, "Λεωφόρος Κωνσταντίνου Καραμανλή");
    EXPECT_EQ(cut[0].fit.characters, 31);
    EXPECT_GT(cut[0].fit.charactersShown, 0);
    EXPECT_LT(cut[0].fit.charactersShown, 31);
    const std::string json = CutFieldsToJson(cut);
    EXPECT_NE(json.find("\"caption\":\"Οδός\""), std::string::npos) << json;
  }
}

TEST(StudyFit, AGridCellIsNamedByItsRowAndItsColumn) {
  TFlox03Pages study;
  study.ApplyTypeDefaults(1);
  std::string wide;  // seventy of the widest capitals, in words
  while (wide.size() < 70) wide += Cp("ΩΩΩΩΩ ΩΩΩΩ ");
  study.Slot(4).Set("Comments1", wide.substr(0, 70));
  const std::vector<TCutField> cut = FindCutFields(study, 1);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].field, "Comments1");
  EXPECT_EQ(cut[0].caption, "Ξηρής σκόνης φορητός 6 χλγ. — Παρατηρήσεις");
  EXPECT_EQ(cut[0].tab, "Πυροσβεστήρες");
}

class StudyFitFamily : public ::testing::TestWithParam<int> {};

TEST_P(StudyFitFamily, FieldsFilledToTheirLimitAreFoundOnTheirPagesByTheirCaptions) {
  const auto type = static_cast<std::uint8_t>(GetParam());
  const TStudyFamily* family = FindStudyFamily(type);
  ASSERT_NE(family, nullptr);

  TFlox03Pages study;
  study.ApplyTypeDefaults(type);
  EXPECT_TRUE(FindCutFields(study, type).empty()) << "a new study fits";

  const std::vector<int> tabSlots = family->Slots();
  const std::set<int> familySlots(tabSlots.begin(), tabSlots.end());
  std::size_t seed = 0;
  for (const int slot : familySlots) {
    TPageRecord& record = study.Slot(slot);
    for (std::size_t i = 0; i < record.Class().props.size(); ++i) {
      const TPropInfo& prop = record.Class().props[i];
      if (prop.kind == TPropKind::Text) record.Set(i, GreekText(prop.maxLen, ++seed));
    }
  }
  const std::vector<TCutField> cut = FindCutFields(study, type);
  ASSERT_FALSE(cut.empty());
  std::size_t captioned = 0;
  int lastPage = 0;
  for (const TCutField& f : cut) {
    SCOPED_TRACE(f.form + " " + f.label);
    EXPECT_GE(f.page, lastPage) << "in report order";
    lastPage = f.page;
    ASSERT_TRUE(familySlots.count(f.slot)) << "filled from one of the family's records";
    EXPECT_EQ(f.text, Utf8(study.Slot(f.slot).Get(f.field)));
    EXPECT_LT(f.fit.charactersShown, f.fit.characters);
    EXPECT_FALSE(f.caption.empty());
    EXPECT_FALSE(f.tab.empty());
    if (f.caption != f.field) ++captioned;
  }
  EXPECT_GT(captioned, cut.size() / 2) << "most fields have a caption on their entry page";
}

INSTANTIATE_TEST_SUITE_P(StudyTypes, StudyFitFamily, ::testing::Values(1, 2, 3, 4));

}  // namespace
