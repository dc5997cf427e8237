// The published-property tables of the seventeen record classes, in the
// declaration order that is also the order of the study file.
//
// Each table is written as rows: a single property, or a numbered series
// (stem plus first and last number, e.g. Poso1 ... Poso19) that expands in
// place. The expansion runs at compile time into one constexpr TPropInfo
// array per class whose names point into a constexpr pool of characters.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "records/page_record.h"
#include "records/properties.h"

namespace {

// Text types whose maximum is not the number in their name: tstr300 and
// TNotesA both hold a length byte's worth, 255 characters.
constexpr std::uint8_t kTstr300 = 255;
constexpr std::uint8_t kNotesA = 255;

struct TPropRow {
  const char* stem;
  int first;  // 0: a single property named stem
  int last;
  TPropKind kind;
  std::uint8_t maxLen;
};

constexpr TPropRow Text(const char* name, std::uint8_t maxLen) { return {name, 0, 0, TPropKind::Text, maxLen}; }
constexpr TPropRow Char(const char* name) { return {name, 0, 0, TPropKind::Char, 1}; }
constexpr TPropRow Texts(const char* stem, int first, int last, std::uint8_t maxLen) {
  return {stem, first, last, TPropKind::Text, maxLen};
}

template <std::size_t A, std::size_t B>
constexpr std::array<TPropRow, A + B> Concat(const std::array<TPropRow, A>& a, const std::array<TPropRow, B>& b) {
  std::array<TPropRow, A + B> out{};
  std::copy(a.begin(), a.end(), out.begin());
  std::copy(b.begin(), b.end(), out.begin() + A);
  return out;
}

constexpr std::size_t Digits(int n) { return n >= 10 ? 1 + Digits(n / 10) : 1; }

constexpr std::size_t PropCount(std::span<const TPropRow> rows) {
  std::size_t n = 0;
  for (const TPropRow& r : rows) n += r.first == 0 ? 1 : static_cast<std::size_t>(r.last - r.first + 1);
  return n;
}

// Characters of all names, each with its terminating NUL.
constexpr std::size_t PoolSize(std::span<const TPropRow> rows) {
  std::size_t n = 0;
  for (const TPropRow& r : rows) {
    const std::size_t stem = std::char_traits<char>::length(r.stem);
    if (r.first == 0)
      n += stem + 1;
    else
      for (int i = r.first; i <= r.last; ++i) n += stem + Digits(i) + 1;
  }
  return n;
}

template <std::size_t N>
constexpr std::array<char, N> BuildPool(std::span<const TPropRow> rows) {
  std::array<char, N> pool{};
  std::size_t at = 0;
  auto put = [&](const char* stem, int number) {
    for (const char* c = stem; *c; ++c) pool[at++] = *c;
    if (number > 0) {
      const std::size_t digits = Digits(number);
      for (std::size_t d = 0; d < digits; ++d, number /= 10) pool[at + digits - 1 - d] = static_cast<char>('0' + number % 10);
      at += digits;
    }
    pool[at++] = '\0';
  };
  for (const TPropRow& r : rows) {
    if (r.first == 0)
      put(r.stem, 0);
    else
      for (int i = r.first; i <= r.last; ++i) put(r.stem, i);
  }
  return pool;
}

template <std::size_t N>
constexpr std::array<TPropInfo, N> BuildProps(std::span<const TPropRow> rows, const char* pool) {
  std::array<TPropInfo, N> props{};
  std::size_t at = 0;
  for (const TPropRow& r : rows) {
    const int count = r.first == 0 ? 1 : r.last - r.first + 1;
    for (int i = 0; i < count; ++i) {
      props[at++] = {pool, r.kind, r.maxLen};
      while (*pool) ++pool;
      ++pool;
    }
  }
  return props;
}

template <const auto& Rows>
constexpr auto kPool = BuildPool<PoolSize(Rows)>(Rows);
template <const auto& Rows>
constexpr auto kProps = BuildProps<PropCount(Rows)>(Rows, kPool<Rows>.data());

// ------------------------------------------------------------ shared groups

// The fire-protection measures from the fire-detection system on; the
// general and hotel studies' page 3 and the industry study's page 4 share
// them, with their own maxima of the two area texts.
constexpr auto MeasuresRows(std::uint8_t perioxhMax) {
  return std::to_array<TPropRow>({
      Text("SusthmaPyranixneushs", 3),
      Text("SysthmaAnixneushsEkrhktikwn", 3),
      Text("AplosAnixneuths", 3),
      Text("AutomathCyjh", 3),
      Text("SusthmaAnaggeliasPurkagias", 3),
      Text("AutomatoSusthmaKataionismou", 3),
      Char("YgrosTupos"),
      Char("JhrosTupos"),
      Text("SusthmaApoDiktuoPolhs", 3),
      Text("MonimoDiktuo", 3),
      Char("ParoxhYdatos1"),
      Char("ParoxhYdatos2"),
      Text("AploDiktuo", 3),
      Text("SusthmaTopikhsEfarmoghs", 3),
      Text("Perioxh1", perioxhMax),
      Text("SomethingElse", 100),
      Text("Perioxh2", perioxhMax),
      Text("Kathgoria", 3),
      Text("NumFirePlace", 3),
      Text("NumErmaria", 3),
  });
}

// Page 3 of the general and hotel studies: access, switchboard and fuels,
// then the measures.
constexpr auto Page3Rows(std::uint8_t odosMax, std::uint8_t perioxhMax) {
  return Concat(std::to_array<TPropRow>({
                    Text("OdosProspelasis", odosMax),
                    Texts("Odos", 1, 2, 50),
                    Texts("Num", 1, 2, 6),
                    Text("ThesiPinaka", 200),
                    Text("UseYgraerio", 3),
                    Text("UseFwtaerio", 3),
                    Text("PosothtaYgraeriou", 6),
                }),
                MeasuresRows(perioxhMax));
}

// The four construction choices of every building page.
#define FLOX_CONSTRUCTION_CHOICES \
  Char("EidosFerousa"), Char("EidosToixopoiia"), Char("EidosFerousaSteghs"), Char("EidosSteghs")

// The neighbours on the four sides, above and below.
#define FLOX_SURROUNDINGS                                                                      \
  Text("Anatolika", 70), Text("dutika", 70), Text("Boreia", 70), Text("Noteia", 70), \
      Text("Yperkeimenos", 70), Text("Ypokeimenos", 70)

// ------------------------------------------------------------ general study

constexpr TPropRow k03Pg1[] = {
    Text("NameEpixirisi", 100),
    Text("NumMhtrwou", 10),
    Text("Suntaxh", 200),
    Text("FromWho", 200),
    Text("EidosEpixeirisis", 200),
    Text("Polh", 50),
    Text("Odos", 50),
    Text("Number", 10),
    Text("TK", 10),
    Texts("Phone", 1, 3, 12),
    Text("NameIdiokthth", 50),
    Text("NumPaperMap", 10),
    Text("OikodomikoTetragwno", 10),
    Text("IdiokthsiaEpixeirhsis", 100),
    Text("IdiokthsiaAkinhtou", 100),
    Text("YpeuthinosEpixeirisis", 100),
    Text("Man", 10),
    Text("Female", 10),
    Texts("Time", 1, 2, 10),
    Texts("FloxMan", 1, 3, 50),
};

constexpr TPropRow k03Pg2[] = {
    Text("NumberOfFloors", 3),
    Text("NumberOfFloorsOfOrganization", 7),
    Texts("AfairXwroiNum", 1, 3, 7),
    Text("WfelimhEpifaneia", 7),
    Text("SuntelesthsYpologismou", 7),
    Text("KathgoriaAithousas", 7),
    Text("Embado", 7),
    Text("Height1", 7),
    Text("People", 7),
    FLOX_CONSTRUCTION_CHOICES,
    Text("perigrafhAllouTupou", 80),
    Text("ArithmosEjodwn", 3),
    Texts("Exit", 1, 4, 100),
    Text("PerigrafhExit", 80),
    Text("EpikalupshDapedwn", 200),
    Text("FwtismosAsfaleiasYes", 3),
    Text("FwtismosAsfaleias", 80),
    FLOX_SURROUNDINGS,
};

constexpr auto k03Pg3 = Page3Rows(kTstr300, 90);

constexpr TPropRow k03Pg4[] = {
    Texts("Poso", 1, 19, 8),
    Texts("Symbol", 12, 19, 4),
    Texts("Use", 12, 19, 70),
    Texts("Time", 12, 19, 12),
    Texts("Comments", 1, 19, 70),
};

constexpr TPropRow k03Pg5[] = {
    Texts("Eidos", 25, 28, 70),
    Texts("Symbol", 20, 28, 4),
    Texts("Poso", 20, 28, 12),
    Texts("Use", 20, 28, 30),
    Texts("Time", 20, 28, 12),
    Texts("Comments", 20, 28, 30),
    Texts("aa", 25, 28, 2),
};

constexpr TPropRow k03Pg6[] = {
    Text("DTexnikes", kNotesA),
    Text("EOrganwsh", kNotesA),
    Text("STFloxfragmoi", kNotesA),
    Text("ZApokliseis", kNotesA),
};

// ------------------------------------------------------------ industry study

constexpr TPropRow k06Pg1[] = {
    Text("TitlosEpixeirhshs", 100),
    Text("Suntaxh", 200),
    Text("FromWho", 200),
    Text("EidosEpixeirisis", 100),
    Text("Polh", 50),
    Text("Odos", 50),
    Text("Number", 10),
    Text("TK", 5),
    Texts("Phone", 1, 3, 10),
    Text("NumPaperMap", 10),
    Text("OikodomikoTetragwno", 10),
    Text("IdiokthsiaEpixeirhsis", 50),
    Text("IdiokthsiaAkinhtou", 50),
    Text("YpeuthinosEpixeirisis", 50),
    Text("Man", 10),
    Text("Female", 10),
    Text("OrarioFrom", 10),
    Text("OrarioTo", 10),
    Text("YpeuthinosArxhgos", 50),
    Text("YpeuthinosYparxhgos", 50),
    Text("Proswpiko", 10),
    Texts("Katigoria", 1, 2, 50),
    Text("Polh1", 50),
    Text("Odos1", 50),
    Text("Number1", 10),
    Text("TK1", 5),
    Texts("PhoneNum", 1, 3, 10),
    Text("YpeuthinosErgostasiou", 50),
};

constexpr TPropRow k06Pg2[] = {
    Text("OikopedikhEktash", 7),
    Text("NumberOfFloors", 3),
    Texts("Floor", 1, 3, 15),
    Text("SunolikhEpifaneia", 7),
    Text("xrhsh", 70),
    FLOX_CONSTRUCTION_CHOICES,
    Text("perigrafhAllouTupou", 80),
    Text("ArithmosEjodwn", 3),
    Texts("Exit", 1, 4, 90),
    Text("FwtismosAsfaleiasYes", 3),
    Text("FwtismosAsfaleias", 80),
    FLOX_SURROUNDINGS,
    Text("OdosProspelashs", kTstr300),
};

constexpr TPropRow k06Pg3[] = {
    Texts("Odos", 1, 2, 50),
    Texts("Num", 1, 2, 10),
    Text("Ejoplismos", kTstr300),
    Text("PrwtesYles", kTstr300),
    Text("DeytereuousesYles", kTstr300),
    Text("Paragomena", kTstr300),
    Text("Ypoproionta", kTstr300),
    Text("Sumperifora", kTstr300),
    Texts("Perigrafh", 1, 7, 50),
    Texts("Xwros", 1, 7, 50),
    Texts("posotita", 1, 7, 10),
    Texts("Monades", 1, 7, 10),
    Text("SunolikhHP", 10),
    Text("Ypostathmos", 3),
    Text("ParoxhReumatos", 3),
    Text("VoltYpostathmou", 10),
    Text("ThesiHlekPinaka", kTstr300),
    Text("XrhshYgraeriou", 3),
    Text("XrhshFwtaeriou", 3),
    Text("PosotitaYgraeriou", 10),
    Text("Ygraerio", kTstr300),
};

constexpr auto k06Pg4 = Concat(std::to_array<TPropRow>({Texts("Kindynoi", 1, 2, kTstr300)}), MeasuresRows(90));

constexpr TPropRow k06Pg5[] = {
    Texts("Poso", 1, 19, 8),
    Text("Xwritikotita", 4),
    Texts("Symbol", 12, 19, 4),
    Texts("Use", 12, 19, 70),
    Texts("Time", 12, 19, 12),
    Texts("Comments", 1, 19, 70),
};

constexpr TPropRow k06Pg6[] = {
    Texts("Eidos", 27, 29, 70),
    Texts("Symbol", 19, 30, 4),
    Texts("Poso", 19, 30, 12),
    Texts("Use", 19, 30, 70),
    Texts("Time", 19, 30, 12),
    Texts("Comments", 19, 30, 70),
    Texts("aa", 27, 29, 2),
};

constexpr TPropRow k06Pg7[] = {
    Text("Arxhgos", 100),
    Text("Yparxhgos", 100),
    Texts("Ypoomada", 1, 3, 50),
    Texts("Omada1OrarioAOnoma", 1, 4, 100),
    Texts("Omada1OrarioBOnoma", 1, 4, 100),
    Texts("Omada1OrarioCOnoma", 1, 4, 100),
    Texts("Omada2OrarioAOnoma", 1, 4, 100),
    Texts("Omada2OrarioBOnoma", 1, 4, 100),
    Texts("Omada2OrarioCOnoma", 1, 4, 100),
    Texts("Omada3OrarioAOnoma", 1, 4, 100),
    Texts("Omada3OrarioBOnoma", 1, 4, 100),
    Texts("Omada3OrarioCOnoma", 1, 4, 100),
    Text("Texnikes", kTstr300),
};

// ------------------------------------------------------------ hotel study

constexpr TPropRow k07Pg1[] = {
    Text("NumMhtrwou", 10),
    Text("Suntaxh", 200),
    Text("FromWho", 200),
    Text("EidosEpixeirisis", kTstr300),
    Text("Polh", 50),
    Text("Odos", 50),
    Text("Number", 10),
    Text("TK", 10),
    Texts("Phone", 1, 2, 10),
    Text("NameIdiokthth", 50),
    Text("NumPaperMap", 10),
    Text("OikodomikoTetragwno", 10),
    Text("IdiokthsiaEpixeirhsis", 70),
    Text("IdiokthsiaAkinhtou", 70),
    Text("YpeuthinosEpixeirisis", 50),
    Text("Man", 10),
    Text("Female", 10),
};

constexpr TPropRow k07Pg2[] = {
    Text("NumberOfFloors", 3),
    Text("Embado", 7),
    Text("Height1", 7),
    Text("People", 3),
    FLOX_CONSTRUCTION_CHOICES,
    Text("perigrafhAllouTupou", 90),
    Text("ArithmosEjodwn", 3),
    Texts("Exit", 1, 4, 100),
    Text("StairsAliv", 3),
    Text("FwtismosAsfaleiasYes", 3),
    Text("FwtismosAsfaleias", 100),
    FLOX_SURROUNDINGS,
};

constexpr auto k07Pg3 = Page3Rows(200, 100);

constexpr TPropRow k07Pg6[] = {
    Text("DTexnikesPerigrafes", kTstr300),
    Texts("aa", 1, 10, 2),
    Texts("SecUse", 1, 10, 100),
    Texts("NumRoom", 1, 10, 10),
    Text("Egkrish", 20),
    Text("Suntajh", 20),
};

#undef FLOX_CONSTRUCTION_CHOICES
#undef FLOX_SURROUNDINGS

}  // namespace

// ------------------------------------------------------------ the classes

#define FLOX_DEFINE_RECORD(Name, Rows)                                                  \
  const TRecordClass& Name::ClassInfo() {                                               \
    static constexpr TRecordClass info{#Name, std::span<const TPropInfo>(kProps<Rows>)}; \
    return info;                                                                        \
  }                                                                                     \
  Name::Name() : TPageRecord(ClassInfo()) {}

FLOX_DEFINE_RECORD(TFlox03Pg1Data, k03Pg1)
FLOX_DEFINE_RECORD(TFlox03Pg2Data, k03Pg2)
FLOX_DEFINE_RECORD(TFlox03Pg3Data, k03Pg3)
FLOX_DEFINE_RECORD(TFlox03Pg4Data, k03Pg4)
FLOX_DEFINE_RECORD(TFlox03Pg5Data, k03Pg5)
FLOX_DEFINE_RECORD(TFlox03Pg6Data, k03Pg6)
FLOX_DEFINE_RECORD(TFlox06Pg1Data, k06Pg1)
FLOX_DEFINE_RECORD(TFlox06Pg2Data, k06Pg2)
FLOX_DEFINE_RECORD(TFlox06Pg3Data, k06Pg3)
FLOX_DEFINE_RECORD(TFlox06Pg4Data, k06Pg4)
FLOX_DEFINE_RECORD(TFlox06Pg5Data, k06Pg5)
FLOX_DEFINE_RECORD(TFlox06Pg6Data, k06Pg6)
FLOX_DEFINE_RECORD(TFlox06Pg7Data, k06Pg7)
FLOX_DEFINE_RECORD(TFlox07Pg1Data, k07Pg1)
FLOX_DEFINE_RECORD(TFlox07Pg2Data, k07Pg2)
FLOX_DEFINE_RECORD(TFlox07Pg3Data, k07Pg3)
FLOX_DEFINE_RECORD(TFlox07Pg6Data, k07Pg6)

#undef FLOX_DEFINE_RECORD

namespace {

#define FLOX_CLASS(Name) &Name::ClassInfo
constexpr std::array<const TRecordClass& (*)(), 17> kClassInfos = {
    FLOX_CLASS(TFlox03Pg1Data), FLOX_CLASS(TFlox03Pg2Data), FLOX_CLASS(TFlox03Pg3Data),
    FLOX_CLASS(TFlox03Pg4Data), FLOX_CLASS(TFlox03Pg5Data), FLOX_CLASS(TFlox03Pg6Data),
    FLOX_CLASS(TFlox06Pg1Data), FLOX_CLASS(TFlox06Pg2Data), FLOX_CLASS(TFlox06Pg3Data),
    FLOX_CLASS(TFlox06Pg4Data), FLOX_CLASS(TFlox06Pg5Data), FLOX_CLASS(TFlox06Pg6Data),
    FLOX_CLASS(TFlox06Pg7Data), FLOX_CLASS(TFlox07Pg1Data), FLOX_CLASS(TFlox07Pg2Data),
    FLOX_CLASS(TFlox07Pg3Data), FLOX_CLASS(TFlox07Pg6Data),
};
#undef FLOX_CLASS

const std::array<const TRecordClass*, 17>& ClassList() {
  static const std::array<const TRecordClass*, 17> list = [] {
    std::array<const TRecordClass*, 17> out{};
    for (std::size_t i = 0; i < kClassInfos.size(); ++i) out[i] = &kClassInfos[i]();
    return out;
  }();
  return list;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

int TRecordClass::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < props.size(); ++i)
    if (EqualsIgnoringAsciiCase(props[i].name, name)) return static_cast<int>(i);
  return -1;
}

std::span<const TRecordClass* const> AllRecordClasses() { return ClassList(); }

const TRecordClass* FindRecordClass(std::string_view className) {
  for (const TRecordClass* cls : ClassList())
    if (className == cls->className) return cls;
  return nullptr;
}
