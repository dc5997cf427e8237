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
  std::set<std::pair<int, std::string>> named;
  int lastPage = 0;
  for (const TCutField& f : cut) {
    SCOPED_TRACE(f.form + " " + f.label);
    EXPECT_GE(f.page, lastPage) << "in report order";
    lastPage = f.page;
    ASSERT_TRUE(familySlots.count(f.slot)) << "filled from one of the family's records";
    EXPECT_EQ(f.text, Utf8(study.Slot(f.slot).Get(f.field)));
    EXPECT_LT(f.fit.charactersShown, f.fit.characters);
    EXPECT_NE(f.caption, f.field) << "named by its caption, not its field's name";
    EXPECT_FALSE(f.tab.empty());
    EXPECT_TRUE(named.emplace(f.page, f.tab + " " + f.caption).second) << "told apart from the others of its page";
  }
}

// Blanks at the end of a text that its box cannot show are no lost text;
// a letter there is.
TEST(StudyFit, BlanksThatWouldBeLostAreNoLostText) {
  TFlox03Pages study;
  study.Slot(1).Set("Polh", Cp("Σέρρες0\r\n   "));
  EXPECT_TRUE(FindCutFields(study, 1).empty());
  study.Slot(1).Set("Polh", Cp("Σέρρες0\r\n α "));
  const std::vector<TCutField> cut = FindCutFields(study, 1);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].fit.characters - cut[0].fit.charactersShown, 1);
}

// Page 8 of the industry study prints the seventh record's Texnikes: the
// check names that record's slot and tab. Fields no entry page edits go by
// what the printed page says they are.
TEST(StudyFit, FieldsAreNamedFromTheirOwnRecordsTabOrElseFromThePrintedPage) {
  TFlox03Pages study;
  std::string words;
  while (words.size() < 255) words += Cp("Καταιονισμός υγρού τύπου\r\n");
  study.Slot(13).Set("Texnikes", words);
  study.Slot(19).Set("Suntajh", Cp("Π. Νικολάου\r\nΑρχιπυραγός"));
  study.Slot(19).Set("Egkrish", Cp("Κ. Παππάς\r\nΠυραγός"));
  std::vector<TCutField> cut = FindCutFields(study, 3);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].page, 8);
  EXPECT_EQ(cut[0].slot, 13);
  EXPECT_EQ(cut[0].tab, "Ομάδα Πυροπροστασίας");
  EXPECT_EQ(cut[0].caption, "Ι. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ");
  EXPECT_NE(CutFieldsToJson(cut).find("\"slot\":13"), std::string::npos);
  cut = FindCutFields(study, 4);
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(cut[0].field, "Suntajh");
  EXPECT_EQ(cut[0].caption, "Ο Συντάκτης");
  EXPECT_EQ(cut[1].caption, "Εγκρίνεται");
  EXPECT_EQ(cut[1].tab, "Ομάδες Πυρόσβεσης");
}

// The question for one tab's record, as the dialog would ask it, answers as
// the whole check does for that tab's page.
TEST(StudyFit, OneTabsCheckAnswersAsTheWholeCheck) {
  std::size_t asked = 0;
  for (const TStudyFamily& family : StudyFamilies()) {
    TFlox03Pages study;
    std::size_t seed = 0;
    for (const int slot : family.Slots()) {
      TPageRecord& record = study.Slot(slot);
      for (std::size_t i = 0; i < record.PropCount(); ++i) {
        const TPropInfo& prop = record.Class().props[i];
        if (prop.kind == TPropKind::Text) record.Set(i, GreekText(prop.maxLen, ++seed));
      }
    }
    const std::vector<TCutField> whole = FindCutFields(study, family.types.front().type);
    for (std::size_t k = 0; k < family.dialog.tabs.size(); ++k) {
      const dlg::TTabDef& tab = family.dialog.tabs[k];
      std::vector<std::string> expected, got;
      for (const TCutField& f : whole) {
        if (f.slot == tab.slot && f.form == tab.report->formName) expected.push_back(CutFieldsToJson({f}));
      }
      for (const TCutField& f : FindCutFieldsOfTab(family, static_cast<int>(k), study.Slot(tab.slot))) {
        got.push_back(CutFieldsToJson({f}));
      }
      EXPECT_EQ(got, expected) << family.name << " tab " << k;
      asked += got.size();
    }
  }
  EXPECT_GT(asked, 0u);
}

INSTANTIATE_TEST_SUITE_P(StudyTypes, StudyFitFamily, ::testing::Values(1, 2, 3, 4));

}  // namespace
