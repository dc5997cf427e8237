// The seventeen record classes: their tables against figures taken from the
// record layouts (count, sum of maxima, characters, full-length size), and
// the behaviour of a page record's values.
#include <set>

#include "records_test_support.h"

using namespace flox_test;

namespace {

struct TClassFigures {
  const char* className;
  std::size_t count;           // properties
  std::size_t sumOfMaxima;     // over all properties (a character counts 1)
  std::size_t fullSize;        // bytes of the record with every field full
  const char* first;           // first and last property in declaration order
  const char* last;
};

const TClassFigures kFigures[] = {
    {"TFlox03Pg1Data", 25, 1426, 1756, "NameEpixirisi", "FloxMan3"},
    {"TFlox03Pg2Data", 31, 1343, 1843, "NumberOfFloors", "Ypokeimenos"},
    {"TFlox03Pg3Data", 29, 902, 1393, "OdosProspelasis", "NumErmaria"},
    {"TFlox03Pg4Data", 62, 2170, 2816, "Poso1", "Comments19"},
    {"TFlox03Pg5Data", 53, 1080, 1620, "Eidos25", "aa28"},
    {"TFlox03Pg6Data", 4, 1020, 1096, "DTexnikes", "ZApokliseis"},
    {"TFlox06Pg1Data", 33, 1360, 1812, "TitlosEpixeirhshs", "YpeuthinosErgostasiou"},
    {"TFlox06Pg2Data", 26, 1337, 1718, "OikopedikhEktash", "OdosProspelashs"},
    {"TFlox06Pg3Data", 47, 3042, 3641, "Odos1", "Ygraerio"},
    {"TFlox06Pg4Data", 22, 833, 1238, "Kindynoi1", "NumErmaria"},
    {"TFlox06Pg5Data", 63, 2174, 2835, "Poso1", "Comments19"},
    {"TFlox06Pg6Data", 66, 2232, 2905, "Eidos27", "aa29"},
    {"TFlox06Pg7Data", 42, 4205, 5088, "Arxhgos", "Texnikes"},
    {"TFlox07Pg1Data", 18, 1085, 1341, "NumMhtrwou", "Female"},
    {"TFlox07Pg2Data", 23, 1043, 1373, "NumberOfFloors", "Ypokeimenos"},
    {"TFlox07Pg3Data", 29, 867, 1358, "OdosProspelasis", "NumErmaria"},
    {"TFlox07Pg6Data", 33, 1415, 1752, "DTexnikesPerigrafes", "Suntajh"},
};

class ClassTable : public ::testing::TestWithParam<TClassFigures> {
 protected:
  const TRecordClass& Cls() const {
    const TRecordClass* cls = FindRecordClass(GetParam().className);
    if (!cls) throw std::runtime_error("class missing");
    return *cls;
  }
};

TEST_P(ClassTable, HasTheListedCountMaximaAndEnds) {
  const TClassFigures& f = GetParam();
  const TRecordClass& cls = Cls();
  EXPECT_STREQ(cls.className, f.className);
  ASSERT_EQ(cls.props.size(), f.count);
  std::size_t sum = 0;
  for (const TPropInfo& p : cls.props) {
    sum += p.maxLen;
    if (p.kind == TPropKind::Char) {
      EXPECT_EQ(p.maxLen, 1) << p.name;
    }
    if (p.kind == TPropKind::Text) {
      EXPECT_GE(p.maxLen, 2) << p.name;
    }
  }
  EXPECT_EQ(sum, f.sumOfMaxima);
  EXPECT_STREQ(cls.props.front().name, f.first);
  EXPECT_STREQ(cls.props.back().name, f.last);
}

TEST_P(ClassTable, NamesAreUniqueEvenIgnoringCase) {
  std::set<std::string> seen;
  for (const TPropInfo& p : Cls().props) {
    std::string lower(p.name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(seen.insert(lower).second) << p.name;
  }
}

TEST_P(ClassTable, FullRecordHasTheListedSize) {
  TPageRecord record(Cls());
  FillFull(record);
  EXPECT_EQ(Saved(record).size(), GetParam().fullSize);
}

TEST_P(ClassTable, IndexOfFindsEveryNameInAnyCase) {
  const TRecordClass& cls = Cls();
  for (std::size_t i = 0; i < cls.props.size(); ++i) {
    std::string upper(cls.props[i].name), lower(cls.props[i].name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(cls.IndexOf(cls.props[i].name), static_cast<int>(i));
    EXPECT_EQ(cls.IndexOf(upper), static_cast<int>(i));
    EXPECT_EQ(cls.IndexOf(lower), static_cast<int>(i));
  }
  EXPECT_EQ(cls.IndexOf(""), -1);
  EXPECT_EQ(cls.IndexOf(std::string(cls.props[0].name) + "x"), -1);
}

INSTANTIATE_TEST_SUITE_P(AllClasses, ClassTable, ::testing::ValuesIn(kFigures),
                         [](const auto& info) { return std::string(info.param.className); });

TEST(ClassList, SeventeenInDeclarationOrder) {
  const auto all = AllRecordClasses();
  ASSERT_EQ(all.size(), std::size(kFigures));
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_STREQ(all[i]->className, kFigures[i].className);
  EXPECT_EQ(FindRecordClass("TFlox03Pg1Data"), &TFlox03Pg1Data::ClassInfo());
  EXPECT_EQ(FindRecordClass("tflox03pg1data"), nullptr);
  EXPECT_EQ(FindRecordClass("TFlox03Pg7Data"), nullptr);
}

// Fields whose maximum differs from the number in their type, or between
// classes that share a name, and a few series members in their places.
struct TSpot {
  const char* className;
  const char* name;
  int index;
  int maxLen;
};

TEST(ClassTable, SpotChecks) {
  const TSpot spots[] = {
      {"TFlox03Pg3Data", "OdosProspelasis", 0, 255}, {"TFlox07Pg3Data", "OdosProspelasis", 0, 200},
      {"TFlox03Pg3Data", "Perioxh1", 23, 90},        {"TFlox07Pg3Data", "Perioxh2", 25, 100},
      {"TFlox06Pg4Data", "Perioxh1", 16, 90},        {"TFlox03Pg6Data", "STFloxfragmoi", 2, 255},
      {"TFlox07Pg1Data", "EidosEpixeirisis", 3, 255}, {"TFlox07Pg6Data", "DTexnikesPerigrafes", 0, 255},
      {"TFlox06Pg2Data", "OdosProspelashs", 25, 255}, {"TFlox06Pg7Data", "Texnikes", 41, 255},
      {"TFlox06Pg3Data", "Ygraerio", 46, 255},       {"TFlox06Pg3Data", "posotita1", 24, 10},
      {"TFlox03Pg4Data", "Symbol12", 19, 4},         {"TFlox03Pg4Data", "Use19", 34, 70},
      {"TFlox03Pg4Data", "Time12", 35, 12},          {"TFlox03Pg4Data", "Comments1", 43, 70},
      {"TFlox03Pg5Data", "Poso20", 13, 12},          {"TFlox03Pg5Data", "Use28", 30, 30},
      {"TFlox06Pg5Data", "Xwritikotita", 19, 4},     {"TFlox06Pg5Data", "Symbol12", 20, 4},
      {"TFlox06Pg6Data", "Symbol19", 3, 4},          {"TFlox06Pg6Data", "Poso19", 15, 12},
      {"TFlox06Pg6Data", "Comments30", 62, 70},      {"TFlox06Pg7Data", "Omada1OrarioAOnoma1", 5, 100},
      {"TFlox06Pg7Data", "Omada2OrarioBOnoma3", 23, 100}, {"TFlox06Pg7Data", "Omada3OrarioCOnoma4", 40, 100},
      {"TFlox07Pg6Data", "aa10", 10, 2},             {"TFlox07Pg6Data", "NumRoom1", 21, 10},
      {"TFlox03Pg1Data", "Phone3", 11, 12},          {"TFlox06Pg1Data", "TK1", 28, 5},
      {"TFlox03Pg2Data", "EidosFerousa", 11, 1},     {"TFlox03Pg2Data", "Height1", 9, 7},
      {"TFlox03Pg2Data", "dutika", 26, 70},          {"TFlox07Pg2Data", "StairsAliv", 14, 3},
  };
  for (const TSpot& s : spots) {
    const TRecordClass& cls = *FindRecordClass(s.className);
    ASSERT_EQ(cls.IndexOf(s.name), s.index) << s.className << "." << s.name;
    EXPECT_EQ(cls.props[static_cast<std::size_t>(s.index)].maxLen, s.maxLen) << s.className << "." << s.name;
  }
}

// ----------------------------------------------------- values

TEST(PageRecord, TextsAreCutAndCharactersKeepOneByte) {
  TFlox03Pg2Data record;
  record.Set("NumberOfFloors", "12345");
  EXPECT_EQ(record.Get("NumberOfFloors"), "123");
  record.Set("EidosFerousa", "XYZ");
  EXPECT_EQ(record.Get("EidosFerousa"), "X");
  record.Set("EidosFerousa", "");
  EXPECT_EQ(record.Get("EidosFerousa"), " ");
  record.Set("Exit1", std::string(300, 'e'));
  EXPECT_EQ(record.Get("exit1").size(), 100u);
}

TEST(PageRecord, UnknownNamesAndIndicesThrow) {
  TFlox03Pg6Data record;
  EXPECT_THROW(record.Get("Nothing"), std::out_of_range);
  EXPECT_THROW(record.Set("Nothing", "x"), std::out_of_range);
  EXPECT_THROW(record.Get(4), std::out_of_range);
  EXPECT_THROW(record.Set(4, "x"), std::out_of_range);
}

TEST(PageRecord, ClearRestoresTheConstructedState) {
  TFlox07Pg3Data record;
  FillFull(record);
  record.Clear();
  TFlox07Pg3Data fresh;
  EXPECT_EQ(Saved(record), Saved(fresh));
}

TEST(PageRecord, AssignCopiesEveryFieldFromTheSameClassOnly) {
  TFlox03Pg4Data source, target;
  FillFull(source, 3);
  target.Assign(&source);
  for (std::size_t i = 0; i < source.PropCount(); ++i) EXPECT_EQ(target.Get(i), source.Get(i));

  TFlox03Pg5Data other;
  const Bytes before = Saved(other);
  other.Assign(&source);  // another class: nothing happens
  EXPECT_EQ(Saved(other), before);
  other.Assign(nullptr);
  EXPECT_EQ(Saved(other), before);

  TFlox06Pg5Data industry;  // same field names, another class
  industry.Assign(&source);
  EXPECT_EQ(industry.Get("Poso1"), "");
}

}  // namespace
