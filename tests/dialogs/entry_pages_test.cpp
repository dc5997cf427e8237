// The six entry pages of the general study against their records: every
// control shows its field and stores back into it, the radio groups' code
// tables in both directions, the two kinds of check box, the input limits
// and the cuts, the fields no control edits, and the working record.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>

#include <functional>
#include <map>
#include <ostream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/controls.h"
#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/flox07/flox07_pages.h"
#include "dialogs/text_codec.h"
#include "platform/font_faces.h"
#include "entry_test_support.h"

namespace {

using entrytest::ControlText;
using entrytest::Cp;
using entrytest::Distinct;
using entrytest::Find;
using entrytest::Q;
using entrytest::Type;
using entrytest::U;

// ---------------------------------------------------------------------------
// What each page shows, written out from the form as a user sees it:
// "Control=Field/limit" for every edit and memo (limit 0: none).

struct TEntryPageCase {
  const char* name;
  std::function<TEntryPageFrame*()> make;
  std::function<std::unique_ptr<TPageRecord>()> record;
  const char* texts;
  const char* yesNo = "";     // "CheckBox=Field ..."
  const char* marks = "";     // "CheckBox=Field ..."
  const char* radios = "";    // "RadioGroup=Field ..."
  const char* unbound = "";   // fields no control edits
};

void PrintTo(const TEntryPageCase& pageCase, std::ostream* os) { *os << pageCase.name; }

template <class Frame, class Record>
TEntryPageCase PageCase(const char* name, const char* texts) {
  TEntryPageCase s;
  s.name = name;
  s.make = [] { return new Frame(nullptr); };
  s.record = [] { return std::make_unique<Record>(); };
  s.texts = texts;
  return s;
}

std::vector<TEntryPageCase> Pages() {
  std::vector<TEntryPageCase> pages;
  TEntryPageCase p1 = PageCase<TFlox03Page1Frame, TFlox03Pg1Data>(
      "Page1",
      "Edit1=NameEpixirisi/80 Memo1=Suntaxh/170 Memo2=FromWho/150 Edit2=EidosEpixeirisis/85 Edit3=Polh/23 "
      "Edit4=Odos/26 Edit5=Number/7 Edit6=TK/5 Edit7=Phone1/12 Edit8=Phone2/12 Edit9=Phone3/12 "
      "Edit10=NumPaperMap/10 Edit11=OikodomikoTetragwno/10 Edit12=IdiokthsiaEpixeirhsis/70 "
      "Edit13=IdiokthsiaAkinhtou/70 Edit14=YpeuthinosEpixeirisis/65 Edit16=Man/10 Edit17=Female/10 "
      "Edit18=Time1/0 Edit19=Time2/0 Edit20=FloxMan1/50 Edit21=FloxMan2/50 Edit22=FloxMan3/10");
  p1.unbound = "NumMhtrwou NameIdiokthth";
  pages.push_back(p1);

  TEntryPageCase p2 = PageCase<TFlox03Page2Frame, TFlox03Pg2Data>(
      "Page2",
      "Edit3=NumberOfFloors/5 Edit4=NumberOfFloorsOfOrganization/5 Edit5=Height1/7 Edit6=AfairXwroiNum1/7 "
      "Edit22=WfelimhEpifaneia/7 Edit23=SuntelesthsYpologismou/3 Edit20=AfairXwroiNum2/7 "
      "Edit24=KathgoriaAithousas/3 Edit25=People/7 Edit21=AfairXwroiNum3/7 Edit1=perigrafhAllouTupou/80 "
      "Edit19=EpikalupshDapedwn/220 Edit2=ArithmosEjodwn/5 Edit7=Exit1/90 Edit9=Exit3/90 Edit8=Exit2/90 "
      "Edit10=Exit4/90 Edit18=PerigrafhExit/80 Edit11=FwtismosAsfaleias/80 Edit12=Anatolika/70 Edit15=Noteia/70 "
      "Edit13=dutika/70 Edit16=Yperkeimenos/70 Edit14=Boreia/70 Edit17=Ypokeimenos/70");
  p2.yesNo = "CheckBox33=FwtismosAsfaleiasYes";
  p2.radios = "RadioGroup1=EidosFerousa RadioGroup2=EidosToixopoiia RadioGroup3=EidosFerousaSteghs "
              "RadioGroup4=EidosSteghs";
  // Embado is written from Edit4 together with NumberOfFloorsOfOrganization.
  p2.unbound = "Embado";
  pages.push_back(p2);

  TEntryPageCase p3 = PageCase<TFlox03Page3Frame, TFlox03Pg3Data>(
      "Page3",
      "Edit1=OdosProspelasis/200 Edit6=Odos1/47 Edit7=Num1/6 Edit8=Odos2/47 Edit9=Num2/6 Edit2=ThesiPinaka/200 "
      "Edit3=PosothtaYgraeriou/6 Edit4=Perioxh1/75 Edit5=SomethingElse/100 Edit10=Perioxh2/70 "
      "Edit11=Kathgoria/3 Edit12=NumFirePlace/10 Edit13=NumErmaria/10");
  p3.yesNo =
      "CheckBox1=UseYgraerio CheckBox3=UseFwtaerio CheckBox5=SusthmaPyranixneushs "
      "CheckBox7=SysthmaAnixneushsEkrhktikwn CheckBox9=AplosAnixneuths CheckBox11=AutomathCyjh "
      "CheckBox27=SusthmaAnaggeliasPurkagias CheckBox14=AutomatoSusthmaKataionismou "
      "CheckBox17=SusthmaApoDiktuoPolhs CheckBox19=MonimoDiktuo CheckBox23=AploDiktuo "
      "CheckBox25=SusthmaTopikhsEfarmoghs";
  p3.marks = "CheckBox15=YgrosTupos CheckBox16=JhrosTupos CheckBox21=ParoxhYdatos1 CheckBox22=ParoxhYdatos2";
  pages.push_back(p3);

  pages.push_back(PageCase<TFlox03Page4Frame, TFlox03Pg4Data>(
      "Page4",
      "Edit1=Poso1/5 Edit2=Comments1/60 Edit3=Poso2/5 Edit4=Comments2/60 Edit5=Poso3/5 Edit6=Comments3/60 "
      "Edit7=Poso4/5 Edit8=Comments4/60 Edit9=Poso5/5 Edit10=Comments5/60 Edit11=Poso6/5 Edit12=Comments6/60 "
      "Edit13=Poso7/5 Edit14=Comments7/60 Edit15=Poso8/5 Edit16=Comments8/60 Edit17=Poso9/5 Edit18=Comments9/60 "
      "Edit19=Poso10/5 Edit20=Comments10/60 Edit22=Poso11/5 Edit25=Comments11/60 "
      "Edit26=Symbol12/4 Edit27=Poso12/5 Edit28=Use12/60 Edit29=Time12/12 Edit30=Comments12/60 "
      "Edit31=Symbol13/4 Edit32=Poso13/5 Edit33=Use13/60 Edit34=Time13/12 Edit35=Comments13/60 "
      "Edit36=Symbol14/4 Edit37=Poso14/5 Edit38=Use14/60 Edit39=Time14/12 Edit40=Comments14/30 "
      "Edit41=Symbol15/4 Edit42=Poso15/5 Edit43=Use15/60 Edit44=Time15/12 Edit45=Comments15/30 "
      "Edit46=Symbol16/4 Edit47=Poso16/5 Edit48=Use16/60 Edit49=Time16/12 Edit50=Comments16/30 "
      "Edit51=Symbol17/4 Edit52=Poso17/5 Edit53=Use17/60 Edit54=Time17/12 Edit55=Comments17/30 "
      "Edit56=Symbol18/4 Edit57=Poso18/5 Edit58=Use18/60 Edit59=Time18/12 Edit60=Comments18/30 "
      "Edit61=Symbol19/4 Edit62=Poso19/5 Edit63=Use19/60 Edit64=Time19/12 Edit65=Comments19/30"));

  TEntryPageCase p5 = PageCase<TFlox03Page5Frame, TFlox03Pg5Data>(
      "Page5",
      "Edit1=Symbol20/4 Edit2=Poso20/6 Edit3=Use20/60 Edit4=Time20/12 Edit5=Comments20/0 "
      "Edit6=Symbol21/4 Edit7=Poso21/6 Edit8=Use21/60 Edit9=Time21/12 Edit10=Comments21/0 "
      "Edit11=Symbol22/4 Edit12=Poso22/6 Edit13=Use22/60 Edit14=Time22/12 Edit15=Comments22/0 "
      "Edit16=Symbol23/4 Edit17=Poso23/6 Edit18=Use23/60 Edit19=Time23/12 Edit20=Comments23/0 "
      "Edit21=Symbol24/4 Edit22=Poso24/6 Edit23=Use24/60 Edit24=Time24/12 Edit25=Comments24/0 "
      "Edit28=Symbol25/4 Edit29=Poso25/6 Edit30=Use25/60 Edit31=Time25/12 Edit32=Comments25/0 "
      "Edit33=aa26/2 Edit34=Eidos26/50 Edit35=Symbol26/4 Edit36=Poso26/6 Edit37=Use26/60 Edit38=Time26/12 "
      "Edit39=Comments26/0 "
      "Edit40=aa27/2 Edit41=Eidos27/50 Edit42=Symbol27/4 Edit43=Poso27/6 Edit44=Use27/60 Edit45=Time27/12 "
      "Edit46=Comments27/0 "
      "Edit47=aa28/2 Edit48=Eidos28/50 Edit49=Symbol28/4 Edit50=Poso28/6 Edit51=Use28/60 Edit52=Time28/12 "
      "Edit53=Comments28/0");
  p5.unbound = "Eidos25 aa25";
  pages.push_back(p5);

  pages.push_back(PageCase<TFlox03Page6Frame, TFlox03Pg6Data>(
      "Page6", "Memo1=DTexnikes/300 Memo2=EOrganwsh/300 Memo3=STFloxfragmoi/300 Memo4=ZApokliseis/300"));
  return pages;
}

// The hotel study's pages: its own four and the general study's two
// extinguisher pages in the hotel dialog's widths.
std::vector<TEntryPageCase> HotelPages() {
  std::vector<TEntryPageCase> pages;
  TEntryPageCase p1 = PageCase<TFlox07Page1Frame, TFlox07Pg1Data>(
      "Page1",
      "Memo1=Suntaxh/200 Memo2=FromWho/200 Memo3=EidosEpixeirisis/255 Edit3=Polh/25 Edit4=Odos/25 "
      "Edit5=Number/8 Edit6=TK/5 Edit7=Phone1/8 Edit8=Phone2/8 Edit9=NameIdiokthth/0 Edit10=NumPaperMap/12 "
      "Edit11=OikodomikoTetragwno/12 Edit12=IdiokthsiaEpixeirhsis/12 Edit13=IdiokthsiaAkinhtou/0 "
      "Edit14=YpeuthinosEpixeirisis/12 Edit15=Man/12 Edit16=Female/12");
  p1.unbound = "NumMhtrwou";
  pages.push_back(p1);

  TEntryPageCase p2 = PageCase<TFlox07Page2Frame, TFlox07Pg2Data>(
      "Page2",
      "Edit3=NumberOfFloors/8 Edit5=Height1/8 Edit4=Embado/8 Edit6=People/8 Edit1=perigrafhAllouTupou/85 "
      "Edit2=ArithmosEjodwn/0 Edit7=Exit1/90 Edit9=Exit3/90 Edit8=Exit2/90 Edit10=Exit4/90 "
      "Edit11=FwtismosAsfaleias/0 Edit12=Anatolika/90 Edit15=Noteia/90 Edit13=dutika/90 Edit16=Yperkeimenos/90 "
      "Edit14=Boreia/90 Edit17=Ypokeimenos/90");
  p2.yesNo = "CheckBox31=StairsAliv CheckBox33=FwtismosAsfaleiasYes";
  p2.radios = "RadioGroup1=EidosFerousa RadioGroup2=EidosToixopoiia RadioGroup3=EidosFerousaSteghs "
              "RadioGroup4=EidosSteghs";
  pages.push_back(p2);

  TEntryPageCase p3 = PageCase<TFlox07Page3Frame, TFlox07Pg3Data>(
      "Page3",
      "Edit1=OdosProspelasis/200 Edit6=Odos1/45 Edit7=Num1/6 Edit8=Odos2/45 Edit9=Num2/6 Edit2=ThesiPinaka/200 "
      "Edit3=PosothtaYgraeriou/9 Edit4=Perioxh1/80 Edit5=SomethingElse/100 Edit10=Perioxh2/80 "
      "Edit11=Kathgoria/3 Edit12=NumFirePlace/5 Edit13=NumErmaria/5");
  p3.yesNo = Pages()[2].yesNo;
  p3.marks = Pages()[2].marks;
  pages.push_back(p3);

  // Row k of the grid: Edit3k, Edit3k+1, Edit3k+2.
  static const std::string grid = [] {
    std::string out = "Memo1=DTexnikesPerigrafes/0";
    for (int k = 1; k <= 10; ++k) {
      const std::string n = std::to_string(k);
      out += " Edit" + std::to_string(3 * k) + "=aa" + n + "/0 Edit" + std::to_string(3 * k + 1) + "=SecUse" + n +
             "/80 Edit" + std::to_string(3 * k + 2) + "=NumRoom" + n + "/12";
    }
    return out;
  }();
  TEntryPageCase p6 = PageCase<TFlox07Page6Frame, TFlox07Pg6Data>("Page6", grid.c_str());
  p6.unbound = "Egkrish Suntajh";
  pages.push_back(p6);

  // The general study's extinguisher pages as the hotel dialog shows them:
  // wider columns, the same controls, limits and bindings.
  for (const int general : {3, 4}) {
    TEntryPageCase grid = Pages()[general];
    grid.name = general == 3 ? "ExtinguisherPage4" : "ExtinguisherPage5";
    grid.make = general == 3 ? std::function<TEntryPageFrame*()>(
                                   [] { return new TFlox03Page4Frame(nullptr, flox03::HotelPage4Desc()); })
                             : [] { return new TFlox03Page5Frame(nullptr, flox03::HotelPage5Desc()); };
    pages.push_back(grid);
  }
  return pages;
}

struct TText {
  std::string control, field;
  int limit;
};

std::vector<TText> Texts(const TEntryPageCase& pageCase) {
  std::vector<TText> out;
  std::istringstream in(pageCase.texts);
  std::string item;
  while (in >> item) {
    const auto eq = item.find('='), slash = item.find('/');
    out.push_back({item.substr(0, eq), item.substr(eq + 1, slash - eq - 1), std::stoi(item.substr(slash + 1))});
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> Pairs(const char* list) {
  std::vector<std::pair<std::string, std::string>> out;
  std::istringstream in(list);
  std::string item;
  while (in >> item) {
    const auto eq = item.find('=');
    out.emplace_back(item.substr(0, eq), item.substr(eq + 1));
  }
  return out;
}

std::set<std::string> Words(const char* list) {
  std::set<std::string> out;
  std::istringstream in(list);
  std::string word;
  while (in >> word) out.insert(word);
  return out;
}

class EntryPage : public testing::TestWithParam<TEntryPageCase> {
 protected:
  void SetUp() override {
    page.reset(GetParam().make());
    texts = Texts(GetParam());
  }
  // Every field distinct; yes/no "Ναι", marks "X", radio groups their fourth code.
  std::unique_ptr<TPageRecord> Distinctive() {
    auto record = GetParam().record();
    const auto& props = record->Class().props;
    for (std::size_t i = 0; i < props.size(); ++i) {
      record->Set(i, props[i].kind == TPropKind::Char ? std::string(1, 'A' + i % 26) : Distinct(i, props[i].maxLen));
    }
    for (const auto& [control, field] : Pairs(GetParam().yesNo)) record->Set(field, Cp("Ναι"));
    for (const auto& [control, field] : Pairs(GetParam().marks)) record->Set(field, "X");
    for (const auto& [control, field] : Pairs(GetParam().radios)) record->Set(field, Cp("Ι"));
    return record;
  }

  std::unique_ptr<TEntryPageFrame> page;
  std::vector<TText> texts;
};

TEST_P(EntryPage, EveryFieldIsAccountedFor) {
  // Each field is edited by exactly one control or listed as kept.
  auto record = GetParam().record();
  std::multiset<std::string> seen;
  for (const TText& t : texts) seen.insert(t.field);
  for (const auto& list : {GetParam().yesNo, GetParam().marks, GetParam().radios})
    for (const auto& [control, field] : Pairs(list)) seen.insert(field);
  for (const std::string& field : Words(GetParam().unbound)) seen.insert(field);
  for (const TPropInfo& prop : record->Class().props) EXPECT_EQ(seen.count(prop.name), 1u) << prop.name;
  EXPECT_EQ(seen.size(), record->Class().props.size());
}

TEST_P(EntryPage, LoadShowsEveryFieldInItsControl) {
  auto record = Distinctive();
  const auto before = GetParam().record();
  before->Assign(record.get());
  page->LoadFromRecord(*record);
  for (const TText& t : texts) {
    EXPECT_EQ(ControlText(page.get(), t.control), dlg::FromRecordBytes(record->Get(t.field)))
        << t.control << " <- " << t.field;
  }
  for (const auto& [control, field] : Pairs(GetParam().yesNo)) EXPECT_TRUE(Find<QCheckBox>(page.get(), control)->isChecked()) << control;
  for (const auto& [control, field] : Pairs(GetParam().marks)) EXPECT_TRUE(Find<QCheckBox>(page.get(), control)->isChecked()) << control;
  // Load only reads the record.
  for (std::size_t i = 0; i < record->PropCount(); ++i) EXPECT_EQ(record->Get(i), before->Get(i));
  // The working record is a whole copy, unbound fields included.
  for (std::size_t i = 0; i < record->PropCount(); ++i) EXPECT_EQ(page->WorkingRecord().Get(i), record->Get(i));
}

TEST_P(EntryPage, StoreWritesEveryBoundFieldAndNothingElse) {
  auto record = Distinctive();
  page->LoadFromRecord(*record);
  auto fresh = GetParam().record();
  page->StoreToRecord(*fresh);
  const std::set<std::string> unbound = Words(GetParam().unbound);
  for (std::size_t i = 0; i < fresh->PropCount(); ++i) {
    const std::string name = fresh->Class().props[i].name;
    if (name == "Embado" && unbound.count(name)) {
      EXPECT_EQ(fresh->Get(i), record->Get("NumberOfFloorsOfOrganization"));
    } else if (unbound.count(name)) {
      EXPECT_EQ(fresh->Get(i), GetParam().record()->Get(i)) << name << " must keep its value";
    } else {
      EXPECT_EQ(fresh->Get(i), record->Get(i)) << name;
    }
  }
  // Into a record that has them, the unbound fields stay as they were.
  auto full = Distinctive();
  page->StoreToRecord(*full);
  for (const std::string& name : unbound) {
    if (name != "Embado") EXPECT_EQ(full->Get(name), record->Get(name)) << name;
  }
}

TEST_P(EntryPage, StoreCopiesWhatWasTyped) {
  page->LoadFromRecord(*GetParam().record());
  auto record = GetParam().record();
  // Two letters per control, different for each (every control takes two).
  const QString letters = Q("αβγδεζηθικλμνξοπρστυφχψω");
  auto token = [&](int n) { return QString(letters[n / 24]) + letters[n % 24]; };
  int n = 0;
  for (const TText& t : texts) Type(Find<QWidget>(page.get(), t.control), token(n++));
  page->StoreToRecord(*record);
  n = 0;
  for (const TText& t : texts) {
    const std::string expected = dlg::ToRecordBytes(token(n++));
    if (t.field == "NumberOfFloorsOfOrganization") EXPECT_EQ(record->Get("Embado"), expected);
    EXPECT_EQ(record->Get(t.field), expected) << t.control << " -> " << t.field;
  }
}

TEST_P(EntryPage, TypingStopsAtWhatTheFieldStores) {
  page->LoadFromRecord(*GetParam().record());
  auto record = GetParam().record();
  auto capOf = [&](const TText& t) {
    const int maxLen = record->Class().props[static_cast<std::size_t>(record->Class().IndexOf(t.field))].maxLen;
    return std::min({t.limit > 0 ? t.limit : 255, maxLen, 255});
  };
  for (const TText& t : texts) {
    QWidget* control = Find<QWidget>(page.get(), t.control);
    Type(control, QString(capOf(t) + 4, QChar(0x03A6)));  // Φ
    EXPECT_EQ(ControlText(page.get(), t.control).size(), capOf(t)) << t.control;
  }
  page->StoreToRecord(*record);
  for (const TText& t : texts) EXPECT_EQ(record->Get(t.field), std::string(capOf(t), '\xD6')) << t.field;
}

TEST_P(EntryPage, EveryControlCarriesItsDesignerName) {
  for (const TText& t : texts) EXPECT_NE(Find<QWidget>(page.get(), t.control), nullptr) << t.control;
  for (const auto& list : {GetParam().yesNo, GetParam().marks})
    for (const auto& [control, field] : Pairs(list)) EXPECT_NE(Find<QCheckBox>(page.get(), control), nullptr);
  for (const auto& [control, field] : Pairs(GetParam().radios))
    EXPECT_NE(Find<dlg::TRadioGroup>(page.get(), control), nullptr) << control;
}

INSTANTIATE_TEST_SUITE_P(General, EntryPage, testing::ValuesIn(Pages()),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Hotel, EntryPage, testing::ValuesIn(HotelPages()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The four radio groups of page 2 and their code tables.

struct TCodeCase {
  const char* group;
  const char* field;
  const char* caption;
  std::vector<const char*> items;  // on screen, in order
  const char* codes;               // UTF-8, one per item; blank for "Τίποτα"
  int defaultItem;
};

void PrintTo(const TCodeCase& c, std::ostream* os) { *os << c.group; }

class CodeTable : public testing::TestWithParam<TCodeCase> {
 protected:
  void SetUp() override {
    page = std::make_unique<TFlox03Page2Frame>(nullptr);
    group = Find<dlg::TRadioGroup>(page.get(), GetParam().group);
    ASSERT_NE(group, nullptr);
    codes = Cp(GetParam().codes);
  }
  int LoadFrom(char code) {
    TFlox03Pg2Data record;
    record.Set(GetParam().field, std::string(1, code));
    page->LoadFromRecord(record);
    return group->ItemIndex();
  }
  char Stored() {
    TFlox03Pg2Data record;
    page->StoreToRecord(record);
    return record.Get(GetParam().field).at(0);
  }
  std::unique_ptr<TFlox03Page2Frame> page;
  dlg::TRadioGroup* group = nullptr;
  std::string codes;
};

TEST_P(CodeTable, ItemsAsOnTheForm) {
  EXPECT_EQ(group->Caption(), Q(GetParam().caption));
  ASSERT_EQ(group->Count(), static_cast<int>(GetParam().items.size()));
  for (int i = 0; i < group->Count(); ++i) EXPECT_EQ(group->ItemText(i), Q(GetParam().items[i]));
  EXPECT_EQ(group->ItemText(group->Count() - 1), Q("Τίποτα"));
}

TEST_P(CodeTable, EachItemStoresItsCodeAndLoadsBack) {
  for (int i = 0; i + 1 < static_cast<int>(codes.size()); ++i) {
    group->SetItemIndex(i);
    EXPECT_EQ(Stored(), codes[i]) << "item " << i;
    EXPECT_EQ(LoadFrom(codes[i]), i) << "code of item " << i;
  }
}

TEST_P(CodeTable, NothingStoresABlankAndReopensOnTheDefault) {
  group->SetItemIndex(group->Count() - 1);  // "Τίποτα"
  EXPECT_EQ(Stored(), ' ');
  group->SetItemIndex(-1);
  EXPECT_EQ(Stored(), ' ');
  EXPECT_EQ(LoadFrom(' '), GetParam().defaultItem);
  EXPECT_EQ(Stored(), codes[static_cast<std::size_t>(GetParam().defaultItem)]);
}

TEST_P(CodeTable, UnknownCharactersLoadTheDefault) {
  // Latin look-alikes of Greek codes, lower case, other Greek capitals, odd bytes.
  for (const char c : std::string("OATMZXl") + Cp("ωΩΒΓ") + std::string("\x00\xFF\xAA", 3)) {
    if (codes.find(c) != std::string::npos && c != ' ') continue;
    EXPECT_EQ(LoadFrom(c), GetParam().defaultItem) << "byte " << int(static_cast<unsigned char>(c));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Page2, CodeTable,
    testing::Values(
        TCodeCase{"RadioGroup1", "EidosFerousa", "ΦΕΡΟΥΣΑ ΚΑΤΑΣΚΕΥΗ",
                  {"Οπλισμένο Σκυρόδεμα", "Αοπλο Σκυρόδεμα", "Λιθοδομή (Τεχν. Λιθ.)", "Λιθοδομή (Φυσ. Λιθ.)",
                   "Μεταλλική", "Ξύλινη", "Μικτή", "Αλλου Τύπου", "Τίποτα"},
                  "ΟΑΤΦΜΞΙΛ ", 0},
        TCodeCase{"RadioGroup2", "EidosToixopoiia", "ΤΟΙΧΟΠΟΙΙΑ",
                  {"Οπλισμένο Σκυρόδεμα", "Αοπλο Σκυρόδεμα", "Τεχν. Λίθοι", "Φυσ. Λίθοι", "Μεταλλική", "Ξυλόπηκτη",
                   "Μικτή", "Αλλου Τύπου", "Τίποτα"},
                  "ΟΑΤΦΜΞΙΛ ", 2},
        TCodeCase{"RadioGroup3", "EidosFerousaSteghs", "ΚΑΤΑΣΚΕΥΗ ΣΤΕΓΗΣ",
                  {"Οπλισμένο Σκυρόδεμα", "Μεταλλική", "Ξύλινη", "Μικτή", "Αλλου Τύπου", "Τίποτα"}, "ΟΜΞΙΛ ", 0},
        TCodeCase{"RadioGroup4", "EidosSteghs", "ΕΠΙΚΑΛΥΨΗ ΣΤΕΓΗΣ",
                  {"Φύλλα", "Φύλλα Πλαστικού", "Λαμαρίνα-Τσίγκος", "Αμιαντοτσιμέντο", "Κεραμίδια", "Λίθινες Πλάκες",
                   "Τεχνιτές", "Μικτή", "Αλλου Τύπου", "Τίποτα"},
                  "LΠΖΕΚΘΔΙΛ ", 6}),
    [](const auto& info) { return std::string(info.param.group); });

TEST(CodeTables, ByteValuesOfTheCodes) {
  // Greek capitals of code page 1253, the Latin L of "Φύλλα".
  EXPECT_EQ(Cp("ΟΑΤΦΜΞΙΛΠΖΕΚΘΔ"), "\xCF\xC1\xD4\xD6\xCC\xCE\xC9\xCB\xD0\xC6\xC5\xCA\xC8\xC4");
  TFlox03Page2Frame page(nullptr);
  Find<dlg::TRadioGroup>(&page, "RadioGroup4")->SetItemIndex(0);
  TFlox03Pg2Data record;
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("EidosSteghs"), "\x4C");
}

TEST(CodeTables, NewRecordShowsTheDefaultsAndStoresOTOD) {
  TFlox03Page2Frame page(nullptr);
  TFlox03Pg2Data record;
  page.LoadFromRecord(record);
  EXPECT_EQ(Find<dlg::TRadioGroup>(&page, "RadioGroup1")->ItemIndex(), 0);
  EXPECT_EQ(Find<dlg::TRadioGroup>(&page, "RadioGroup2")->ItemIndex(), 2);
  EXPECT_EQ(Find<dlg::TRadioGroup>(&page, "RadioGroup3")->ItemIndex(), 0);
  EXPECT_EQ(Find<dlg::TRadioGroup>(&page, "RadioGroup4")->ItemIndex(), 6);
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("EidosFerousa"), "\xCF");        // Ο
  EXPECT_EQ(record.Get("EidosToixopoiia"), "\xD4");     // Τ
  EXPECT_EQ(record.Get("EidosFerousaSteghs"), "\xCF");  // Ο
  EXPECT_EQ(record.Get("EidosSteghs"), "\xC4");         // Δ
}

// ---------------------------------------------------------------------------
// Check boxes: "Ναι"/"Οχι" texts and the "X" mark.

struct TBoxCase {
  const char* name;
  std::string stored;
  bool checked;
};

void PrintTo(const TBoxCase& c, std::ostream* os) { *os << c.name; }

class YesNoBoxes : public testing::TestWithParam<TBoxCase> {};

TEST_P(YesNoBoxes, LoadChecksOnlyOnNaiAndStoresNaiOrOxi) {
  for (const TEntryPageCase& pageCase : Pages()) {
    const auto boxes = Pairs(pageCase.yesNo);
    if (boxes.empty()) continue;
    std::unique_ptr<TEntryPageFrame> page(pageCase.make());
    auto record = pageCase.record();
    for (const auto& [control, field] : boxes) record->Set(field, GetParam().stored);
    page->LoadFromRecord(*record);
    auto out = pageCase.record();
    page->StoreToRecord(*out);
    for (const auto& [control, field] : boxes) {
      EXPECT_EQ(Find<QCheckBox>(page.get(), control)->isChecked(), GetParam().checked) << control;
      EXPECT_EQ(out->Get(field), GetParam().checked ? Cp("Ναι") : Cp("Οχι")) << field;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Values, YesNoBoxes,
                         testing::Values(TBoxCase{"Nai", Cp("Ναι"), true}, TBoxCase{"Oxi", Cp("Οχι"), false},
                                         TBoxCase{"empty", "", false}, TBoxCase{"lower", Cp("ναι"), false},
                                         TBoxCase{"capitals", Cp("ΝΑΙ"), false}, TBoxCase{"latin", "Nai", false},
                                         TBoxCase{"short", Cp("Να"), false}, TBoxCase{"X", "X", false}),
                         [](const auto& info) { return std::string(info.param.name); });

class MarkBoxes : public testing::TestWithParam<TBoxCase> {};

TEST_P(MarkBoxes, LoadChecksOnlyOnLatinXAndStoresXOrBlank) {
  TFlox03Page3Frame page(nullptr);
  TFlox03Pg3Data record;
  const char* fields[] = {"YgrosTupos", "JhrosTupos", "ParoxhYdatos1", "ParoxhYdatos2"};
  const char* boxes[] = {"CheckBox15", "CheckBox16", "CheckBox21", "CheckBox22"};
  for (const char* field : fields) record.Set(field, GetParam().stored);
  page.LoadFromRecord(record);
  TFlox03Pg3Data out;
  page.StoreToRecord(out);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Find<QCheckBox>(&page, boxes[i])->isChecked(), GetParam().checked) << boxes[i];
    EXPECT_EQ(out.Get(fields[i]), GetParam().checked ? "X" : " ") << fields[i];
  }
}

INSTANTIATE_TEST_SUITE_P(Values, MarkBoxes,
                         testing::Values(TBoxCase{"X", "X", true}, TBoxCase{"blank", " ", false},
                                         TBoxCase{"lower_x", "x", false}, TBoxCase{"greek_chi", Cp("Χ"), false},
                                         TBoxCase{"Y", "Y", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Particular cases of the pages.

TEST(Page2, Edit4ShowsNumberOfFloorsOfOrganizationAndStoresBoth) {
  TFlox03Page2Frame page(nullptr);
  TFlox03Pg2Data record;
  record.Set("Embado", "111");
  record.Set("NumberOfFloorsOfOrganization", "2222");
  page.LoadFromRecord(record);
  EXPECT_EQ(Find<dlg::TEdit>(&page, "Edit4")->Text(), Q("2222"));
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("Embado"), "2222");
  EXPECT_EQ(record.Get("NumberOfFloorsOfOrganization"), "2222");
}

TEST(Page2, TwoHundredTwentyTypedIntoEdit19StoreTwoHundred) {
  TFlox03Page2Frame page(nullptr);
  TFlox03Pg2Data record;
  page.LoadFromRecord(record);
  QString typed;
  for (int i = 0; i < 220; ++i) typed.append(QChar(u"αβγδεζηθικ"[i % 10]));
  Type(Find<QWidget>(&page, "Edit19"), typed);
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("EpikalupshDapedwn"), dlg::ToRecordBytes(typed.left(200)));
}

TEST(Page6, MemoNearTheLimitIsCutCountingLineBreaksAsTwo) {
  TFlox03Page6Frame page(nullptr);
  TFlox03Pg6Data record;
  page.LoadFromRecord(record);
  // 250 letters, a line break (two), then more: 252 fit, then 3 more letters.
  const QString text = QString(250, QLatin1Char('a')) + Q("\n") + Q("bcdefgh");
  Type(Find<QWidget>(&page, "Memo1"), text);
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("DTexnikes"), std::string(250, 'a') + "\r\nbcd");
  // A break that would straddle the 255th character is left out whole.
  auto* memo = Find<dlg::TMemo>(&page, "Memo2");
  memo->SetText(QString(254, QLatin1Char('z')) + Q("\r\nq"));
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("EOrganwsh"), std::string(254, 'z'));
}

TEST(Page6, TypingStopsAt255AndThatIsWhatIsStored) {
  TFlox03Page6Frame page(nullptr);
  TFlox03Pg6Data record;
  page.LoadFromRecord(record);
  QString typed;
  for (int i = 0; i < 320; ++i) typed.append(QChar('0' + i % 10));
  auto* memo = Find<dlg::TMemo>(&page, "Memo3");
  Type(memo, typed);
  EXPECT_EQ(memo->Length(), 255);
  EXPECT_FALSE(memo->Notice().isEmpty());
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("STFloxfragmoi"), dlg::ToRecordBytes(memo->Text()));
}

TEST(Page5, EidosAndAa25SurviveEditing) {
  TFlox03Page5Frame page(nullptr);
  TFlox03Pg5Data record;
  record.Set("Eidos25", Cp("Φακοί"));
  record.Set("aa25", "25");
  page.LoadFromRecord(record);
  Type(Find<QWidget>(&page, "Edit32"), Q("σχόλιο μακρύτερο από τριάντα χαρακτήρες"));
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("Eidos25"), Cp("Φακοί"));
  EXPECT_EQ(record.Get("aa25"), "25");
  EXPECT_EQ(record.Get("Comments25"), Cp("σχόλιο μακρύτερο από τριάντα χαρακτήρες").substr(0, 30));
}

TEST(Page1, WorkingHoursTakeAnyLengthAndStoreTen) {
  TFlox03Page1Frame page(nullptr);
  TFlox03Pg1Data record;
  page.LoadFromRecord(record);
  Type(Find<QWidget>(&page, "Edit18"), Q("από τις οκτώ το πρωί"));
  page.StoreToRecord(record);
  EXPECT_EQ(record.Get("Time1"), Cp("από τις οκ"));
}

TEST(Pages, RecordOfAnotherClassIsRefused) {
  TFlox03Page1Frame page(nullptr);
  TFlox03Pg2Data other;
  EXPECT_THROW(page.LoadFromRecord(other), std::invalid_argument);
  EXPECT_THROW(page.StoreToRecord(other), std::invalid_argument);
}

TEST(Pages, SharedReportPageInstanceLivesWithThePage) {
  {
    TFlox03Page3Frame page(nullptr);
    EXPECT_EQ(Flox03Page3Preview, &page.ReportPage());
  }
  EXPECT_EQ(Flox03Page3Preview, nullptr);
}

}  // namespace

namespace {

// How many fixed texts of each page explain themselves in a tooltip, and one
// of them word for word.
struct TTipCase {
  int page;
  int count;
  const char* label;
  const char* tip;
};

TEST(Tooltips, OnTheLabelsThatCarryThem) {
  const std::vector<TEntryPageCase> pages = Pages();
  const TTipCase cases[] = {
      {1, 5, "2. Τόπος επιχείρησης: ", "Αναγράφεται ο ιδιοκτήτης του κτιρίου"},
      {2, 11, "Περιγραφή εξόδων κινδύνου:", " Γίνεται περιγραφή τους (κατασκευή-πλάτος-φορά ανοίγματος κ.λ.π.)"},
      {3, 18, "Κατηγορία I/II/III",
       "Συμπληρώνεται αν υπάρχει μόνιμο υδροδοτικό πυροσβεστικό δίκτυο, ο τύπος του, η παροχή του καθώς ακι ο "
       "αριθμός των πυρ/κών φωλιών."},
      {4, 0, nullptr, nullptr},
      {5, 0, nullptr, nullptr},
      {6, 4, "ΣΤ. ΠΥΡΟΦΡΑΓΜΟΙ", "Συμπληρώνεται όταν υπάρχει απαίτηση για πυροφραγμούς και γίνεται περιγραφή τους."},
  };
  for (const TTipCase& c : cases) {
    std::unique_ptr<TEntryPageFrame> page(pages[static_cast<std::size_t>(c.page - 1)].make());
    int count = 0;
    bool found = c.label == nullptr;
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (w->toolTip().isEmpty()) continue;
      auto* label = qobject_cast<QLabel*>(w);
      EXPECT_NE(label, nullptr) << "only fixed texts carry tooltips: " << w->objectName().toStdString();
      if (label == nullptr) continue;
      ++count;
      if (c.label != nullptr && label->text() == Q(c.label)) {
        found = true;
        EXPECT_EQ(label->toolTip(), Q(c.tip));
      }
    }
    EXPECT_EQ(count, c.count) << "page " << c.page;
    EXPECT_TRUE(found) << "page " << c.page;
  }
}

}  // namespace

// A page's own face and size per control, and the handlers it wires between
// its controls: two mutually exclusive boxes whose handlers run on every real
// change of state, by the user or by a load, and never for a box set to the
// state it already has.
namespace wiring {

int g_changes = 0;

void Wire(TEntryPageFrame& page) {
  auto* wet = dlg::Find<QCheckBox>(page, "Wet");
  auto* dry = dlg::Find<QCheckBox>(page, "Dry");
  for (auto [box, other] : {std::pair{wet, dry}, std::pair{dry, wet}}) {
    QObject::connect(box, &QCheckBox::toggled, &page, [other](bool on) {
      ++g_changes;
      if (on) other->setChecked(false);
    });
  }
}

constexpr dlg::TControlDef kControls[] = {
    dlg::Head("Τίτλος", 8, 4).Font("Arial", 12),
    dlg::Lbl("Κείμενο", 8, 30).Font("Courier New", 10, dlg::csUnderline),
    dlg::Chk("Wet", "Υγρού", 8, 60, 120),
    dlg::Chk("Dry", "Ξηρού", 8, 84, 120),
};
constexpr dlg::TBinding kBindings[] = {
    {"Wet", "YgrosTupos", dlg::TBindKind::Mark},
    {"Dry", "JhrosTupos", dlg::TBindKind::Mark},
};
const dlg::TPageDesc kDesc{kControls, kBindings, nullptr, &Wire, {"Arial", 8}};

class TWiredPage : public TEntryPage<TFlox03Pg3Data, TFlox03Page3Preview, Flox03Page3Preview> {
 public:
  TWiredPage() : TEntryPage(nullptr, kDesc) {}
};

TEST(WiredPage, FacesAndHandlersComeFromThePageTables) {
  g_changes = 0;
  TWiredPage page;
  auto* wet = page.findChild<QCheckBox*>(QStringLiteral("Wet"));
  auto* dry = page.findChild<QCheckBox*>(QStringLiteral("Dry"));
  const QList<QLabel*> labels = page.Panel1->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 2);
  EXPECT_EQ(labels[0]->font().family(), platform::ScreenFontFamily("Arial"));
  EXPECT_EQ(labels[0]->font().pixelSize(), 16);
  EXPECT_TRUE(labels[0]->font().bold());
  EXPECT_EQ(labels[1]->font().family(), platform::ScreenFontFamily("Courier New"));
  EXPECT_TRUE(labels[1]->font().underline());
  EXPECT_FALSE(labels[1]->font().bold());
  EXPECT_EQ(wet->font().pixelSize(), 11) << "the page's own size, Arial 8";
  EXPECT_EQ(g_changes, 0);

  TFlox03Pg3Data record;
  record.Set("JhrosTupos", "X");
  page.LoadFromRecord(record);  // by load: Dry turns on
  EXPECT_EQ(g_changes, 1);
  wet->setChecked(true);  // by the user: Wet on turns Dry off
  EXPECT_FALSE(dry->isChecked());
  EXPECT_EQ(g_changes, 3);
  wet->setChecked(true);  // the state it already has: no handler
  EXPECT_EQ(g_changes, 3);
  TFlox03Pg3Data out;
  page.StoreToRecord(out);
  EXPECT_EQ(out.Get("YgrosTupos"), "X");
  EXPECT_EQ(out.Get("JhrosTupos"), " ");
}

}  // namespace wiring
