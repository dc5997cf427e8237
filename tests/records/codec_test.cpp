// The component stream of a page record, byte for byte, and the reader's
// handling of everything other writers and damaged files may hold.
#include "allocation_watch.h"
#include "records/codec.h"
#include "records_test_support.h"

using namespace flox_test;

namespace {

const Bytes kTPF0 = {'T', 'P', 'F', '0'};

// The start of a record: signature, class name, empty component name.
Bytes Head(std::string_view className) { return Concat({kTPF0, Short(className), {0x00}}); }
// A property with a short text value.
Bytes Prop(std::string_view name, std::string_view value) { return Concat({Short(name), {0x06}, Short(value)}); }
const Bytes kEnd = {0x00, 0x00};

// ----------------------------------------------------- worked examples

TEST(WorkedExample, Pg6WithAlphaBetaGammaIs37Bytes) {
  TFlox03Pg6Data record;
  record.Set("DTexnikes", "\xC1\xC2\xC3");
  const Bytes expected = {0x54, 0x50, 0x46, 0x30, 0x0E, 0x54, 0x46, 0x6C, 0x6F, 0x78, 0x30, 0x33, 0x50,
                          0x67, 0x36, 0x44, 0x61, 0x74, 0x61, 0x00, 0x09, 0x44, 0x54, 0x65, 0x78, 0x6E,
                          0x69, 0x6B, 0x65, 0x73, 0x06, 0x03, 0xC1, 0xC2, 0xC3, 0x00, 0x00};
  ASSERT_EQ(expected.size(), 37u);
  EXPECT_EQ(Hex(Saved(record)), Hex(expected));
}

TEST(WorkedExample, ConstructedHotelPg2Is94Bytes) {
  TFlox07Pg2Data record;
  const Bytes expected = Concat({Head("TFlox07Pg2Data"), Prop("EidosFerousa", " "), Prop("EidosToixopoiia", " "),
                                 Prop("EidosFerousaSteghs", " "), Prop("EidosSteghs", " "), kEnd});
  ASSERT_EQ(expected.size(), 94u);
  EXPECT_EQ(Hex(Saved(record)), Hex(expected));
}

// ----------------------------------------------------- constructed records
// What every class writes in its constructed state follows from its single
// character properties alone: texts are empty and skipped.

struct TConstructedCase {
  const char* className;
  std::vector<const char*> chars;
};

const std::vector<const char*> kBuildingChars = {"EidosFerousa", "EidosToixopoiia", "EidosFerousaSteghs", "EidosSteghs"};
const std::vector<const char*> kMeasureChars = {"YgrosTupos", "JhrosTupos", "ParoxhYdatos1", "ParoxhYdatos2"};

const TConstructedCase kConstructed[] = {
    {"TFlox03Pg1Data", {}}, {"TFlox03Pg2Data", kBuildingChars}, {"TFlox03Pg3Data", kMeasureChars},
    {"TFlox03Pg4Data", {}}, {"TFlox03Pg5Data", {}},             {"TFlox03Pg6Data", {}},
    {"TFlox06Pg1Data", {}}, {"TFlox06Pg2Data", kBuildingChars}, {"TFlox06Pg3Data", {}},
    {"TFlox06Pg4Data", kMeasureChars}, {"TFlox06Pg5Data", {}},  {"TFlox06Pg6Data", {}},
    {"TFlox06Pg7Data", {}}, {"TFlox07Pg1Data", {}},             {"TFlox07Pg2Data", kBuildingChars},
    {"TFlox07Pg3Data", kMeasureChars}, {"TFlox07Pg6Data", {}},
};

class Constructed : public ::testing::TestWithParam<TConstructedCase> {};

TEST_P(Constructed, WritesOnlyItsCharactersAsBlanks) {
  const TConstructedCase& c = GetParam();
  const TPageRecord record(*FindRecordClass(c.className));
  Bytes expected = Head(c.className);
  for (const char* name : c.chars) expected = Concat({expected, Prop(name, " ")});
  expected = Concat({expected, kEnd});
  EXPECT_EQ(Hex(Saved(record)), Hex(expected));
}

INSTANTIATE_TEST_SUITE_P(AllClasses, Constructed, ::testing::ValuesIn(kConstructed),
                         [](const auto& info) { return std::string(info.param.className); });

// ----------------------------------------------------- whole studies

TEST(StudySize, ConstructedStudyIs820Bytes) {
  TStudy study;
  EXPECT_EQ(study.Save().size(), 820u);
}

TEST(StudySize, TypeDefaultsGive843And891Bytes) {
  {
    TStudy study;
    study[1].Set("Suntaxh", Cp("την 3/81 Π.Δ."));
    EXPECT_EQ(study.Save().size(), 843u);
  }
  {
    TStudy study;
    study[1].Set("Suntaxh", Cp("την 8/97 Π.Δ."));
    EXPECT_EQ(study.Save().size(), 843u);
  }
  {
    TStudy study;
    const std::string text = Cp("  Π.Δ. 71/88  Αρθρο11  και Απόφ. 5905/Φ15/839  ΦΕΚ611/12/7/95");
    ASSERT_EQ(text.size(), 61u);
    study[7].Set("Suntaxh", text);
    EXPECT_EQ(study.Save().size(), 891u);
  }
}

TEST(StudySize, FullStudyIs40021Bytes) {
  TStudy study;
  for (int slot = 1; slot <= 19; ++slot) FillFull(study[slot], slot);
  EXPECT_EQ(study.Save().size(), 40021u);
}

TEST(RoundTrip, EveryFieldOfEveryClassAtFullLength) {
  TStudy written;
  for (int slot = 1; slot <= 19; ++slot) FillFull(written[slot], slot);
  TMemoryStream stream(written.Save());
  TStudy read;
  ASSERT_EQ(read.Load(stream), 19);
  EXPECT_EQ(stream.Position(), stream.Size());
  for (int slot = 1; slot <= 19; ++slot) {
    const TRecordClass& cls = read[slot].Class();
    for (std::size_t i = 0; i < cls.props.size(); ++i) {
      ASSERT_EQ(read[slot].Get(i), written[slot].Get(i)) << cls.className << "." << cls.props[i].name;
      ASSERT_EQ(read[slot].Get(i).size(), cls.props[i].maxLen);
    }
  }
}

TEST(RoundTrip, CharactersKeepAnyByteIncludingZero) {
  for (int b : {0x00, 0x20, 0x58, 0xC1, 0xFF}) {
    TFlox03Pg3Data written;
    written.Set("YgrosTupos", std::string(1, static_cast<char>(b)));
    TMemoryStream stream(Saved(written));
    TFlox03Pg3Data read;
    ReadComponentStream(stream, read);
    EXPECT_EQ(read.Get("YgrosTupos"), std::string(1, static_cast<char>(b))) << b;
  }
}

TEST(RoundTrip, RecordsPositionEachOtherAcrossBlockBoundaries) {
  // Records larger than one 4096-byte block, back to back, with other bytes
  // after them: each read ends exactly on the next record.
  TFlox06Pg7Data a, b;
  FillFull(a, 1);
  FillFull(b, 2);
  TMemoryStream stream;
  WriteComponentStream(stream, a);
  const std::int64_t firstEnd = stream.Position();
  WriteComponentStream(stream, b);
  const std::int64_t secondEnd = stream.Position();
  stream.Write("tail", 4);
  ASSERT_GT(firstEnd, 4096);
  stream.Seek(0, TSeekOrigin::Begin);
  TFlox06Pg7Data ra, rb;
  ReadComponentStream(stream, ra);
  EXPECT_EQ(stream.Position(), firstEnd);
  ReadComponentStream(stream, rb);
  EXPECT_EQ(stream.Position(), secondEnd);
  EXPECT_EQ(ra.Get("Texnikes"), a.Get("Texnikes"));
  EXPECT_EQ(rb.Get("Omada3OrarioCOnoma4"), b.Get("Omada3OrarioCOnoma4"));
}

// ----------------------------------------------------- what the reader accepts

TEST(Reader, NamesInAnyLetterCase) {
  for (const char* name : {"dtexnikes", "DTEXNIKES", "dTeXnIkEs"}) {
    TMemoryStream stream(Concat({Head("TFlox03Pg6Data"), Prop(name, "abc"), kEnd}));
    TFlox03Pg6Data record;
    ReadComponentStream(stream, record);
    EXPECT_EQ(record.Get("DTexnikes"), "abc") << name;
  }
}

TEST(Reader, ClassNameAndComponentNameAreIgnored) {
  TMemoryStream stream(Concat({kTPF0, Short("TSomethingElse"), Short("Named"), Prop("Polh", "x"), kEnd}));
  TFlox07Pg1Data record;
  ReadComponentStream(stream, record);
  EXPECT_EQ(record.Get("Polh"), "x");
  // The writer writes the empty component name.
  EXPECT_EQ(Saved(record)[4 + 1 + 14], 0x00);
}

TEST(Reader, LongTextIsAcceptedAndCut) {
  struct Case {
    std::size_t length;
    std::size_t kept;
  };
  for (Case c : {Case{0, 0}, Case{3, 3}, Case{255, 255}, Case{256, 255}, Case{70000, 255}}) {
    const std::string value(c.length, '\xE1');
    const std::uint32_t n = static_cast<std::uint32_t>(c.length);
    const Bytes lstring = {0x0C, static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                           static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
    TMemoryStream stream(Concat({Head("TFlox06Pg7Data"), Short("Texnikes"), lstring, ToBytes(value), kEnd, {0x77}}));
    TFlox06Pg7Data record;
    ReadComponentStream(stream, record);
    EXPECT_EQ(record.Get("Texnikes"), std::string(c.kept, '\xE1')) << c.length;
    EXPECT_EQ(stream.Position(), stream.Size() - 1) << c.length;
  }
}

TEST(Reader, ShortTextLongerThanTheFieldIsCut) {
  TMemoryStream stream(Concat({Head("TFlox03Pg1Data"), Prop("TK", "1234567890ABC"), Prop("Man", "5"), kEnd}));
  TFlox03Pg1Data record;
  ReadComponentStream(stream, record);
  EXPECT_EQ(record.Get("TK"), "1234567890");
  EXPECT_EQ(record.Get("Man"), "5");
}

TEST(Reader, SingleCharacterAsLongTextOfOneByte) {
  TMemoryStream stream(Concat({Head("TFlox03Pg2Data"), Short("EidosSteghs"), {0x0C, 1, 0, 0, 0, 'X'}, kEnd}));
  TFlox03Pg2Data record;
  ReadComponentStream(stream, record);
  EXPECT_EQ(record.Get("EidosSteghs"), "X");
}

TEST(Reader, PrefixByteWithAndWithoutInteger) {
  struct Case {
    Bytes prefix;
  };
  const Bytes cases[] = {
      {0xF0},
      {0xF1},
      {0xFF, 0x02, 0x07},
      {0xF2, 0x03, 0x34, 0x12},
      {0xF6, 0x04, 0x01, 0x02, 0x03, 0x04},
  };
  for (const Bytes& prefix : cases) {
    TMemoryStream stream(Concat({kTPF0, prefix, Short("TFlox03Pg6Data"), {0x00}, Prop("ZApokliseis", "z"), kEnd}));
    TFlox03Pg6Data record;
    ReadComponentStream(stream, record);
    EXPECT_EQ(record.Get("ZApokliseis"), "z") << Hex(prefix);
    EXPECT_EQ(stream.Position(), stream.Size()) << Hex(prefix);
  }
}

TEST(Reader, PrefixIntegerWithAnotherTagFails) {
  TMemoryStream stream(Concat({kTPF0, {0xF2, 0x06, 0x01}, Short("TFlox03Pg6Data"), {0x00}, kEnd}));
  TFlox03Pg6Data record;
  EXPECT_THROW(ReadComponentStream(stream, record), EReadError);
}

TEST(Reader, InheritedIntegerPropertiesAreAcceptedAndIgnored) {
  TMemoryStream stream(Concat({Head("TFlox03Pg6Data"), Short("Tag"), {0x02, 0x05}, Short("left"), {0x03, 0x10, 0x00},
                               Short("TOP"), {0x04, 1, 2, 3, 4}, Prop("EOrganwsh", "e"), kEnd}));
  TFlox03Pg6Data record;
  ReadComponentStream(stream, record);
  EXPECT_EQ(record.Get("EOrganwsh"), "e");
  EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(Reader, PropertyMissingFromTheStreamKeepsItsValue) {
  TFlox03Pg1Data record;
  record.Set("Suntaxh", "default");
  record.Set("Polh", "old");
  TMemoryStream stream(Concat({Head("TFlox03Pg1Data"), Prop("Polh", "new"), kEnd}));
  ReadComponentStream(stream, record);
  EXPECT_EQ(record.Get("Suntaxh"), "default");
  EXPECT_EQ(record.Get("Polh"), "new");
}

TEST(Reader, ExtraBytesAfterTheRecordAreNotRead) {
  TFlox03Pg2Data written;
  const Bytes record = Saved(written);
  TMemoryStream stream(Concat({record, ToBytes("garbage that follows")}));
  TFlox03Pg2Data read;
  ReadComponentStream(stream, read);
  EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(record.size()));
}

// ----------------------------------------------------- what fails a record

struct TBadCase {
  const char* what;
  Bytes bytes;
};

class BadRecord : public ::testing::TestWithParam<TBadCase> {};

TEST_P(BadRecord, FailsWithReadErrorKeepingEarlierProperties) {
  TMemoryStream stream(GetParam().bytes);
  TFlox03Pg2Data record;
  EXPECT_THROW(ReadComponentStream(stream, record), EReadError);
  // Every bad stream below sets NumberOfFloors before it goes wrong.
  EXPECT_EQ(record.Get("NumberOfFloors"), "12");
}

const Bytes kPg2Start = Concat({Head("TFlox03Pg2Data"), Prop("NumberOfFloors", "12")});

INSTANTIATE_TEST_SUITE_P(
    Cases, BadRecord,
    ::testing::Values(
        TBadCase{"UnknownProperty", Concat({kPg2Start, Prop("NoSuchField", "x"), kEnd})},
        TBadCase{"IntegerForText", Concat({kPg2Start, Short("People"), {0x02, 0x05}, kEnd})},
        TBadCase{"UnknownValueTag", Concat({kPg2Start, Short("People"), {0x07, 0x01, 'a'}, kEnd})},
        TBadCase{"CharacterOfLengthZero", Concat({kPg2Start, Prop("EidosFerousa", ""), kEnd})},
        TBadCase{"CharacterOfLengthTwo", Concat({kPg2Start, Prop("EidosFerousa", "AB"), kEnd})},
        TBadCase{"IntegerForCharacter", Concat({kPg2Start, Short("EidosFerousa"), {0x02, 0x41}, kEnd})},
        TBadCase{"LongTextPastTheEnd", Concat({kPg2Start, Short("People"), {0x0C, 0x10, 0, 0, 0}, ToBytes("abc"), kEnd})},
        TBadCase{"HugeLongText", Concat({kPg2Start, Short("People"), {0x0C, 0xFF, 0xFF, 0xFF, 0xFF}, kEnd})},
        TBadCase{"ShortTextPastTheEnd", Concat({kPg2Start, Short("People"), {0x06, 0x09, 'a'}})},
        TBadCase{"ChildComponent", Concat({kPg2Start, {0x00, 0x54}})},
        TBadCase{"NoEnd", kPg2Start}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Reader, BadSignatureFails) {
  for (const Bytes& bytes : {Bytes{}, Bytes{'T', 'P', 'F'}, ToBytes("TPF1\x0ETFlox03Pg6Data\x00\x00\x00"), ToBytes("tpf0")}) {
    TMemoryStream stream(bytes);
    TFlox03Pg6Data record;
    EXPECT_THROW(ReadComponentStream(stream, record), EReadError) << Hex(bytes);
  }
}

TEST(Reader, HugeLongTextIsNeverAllocated) {
  // 16 MB of text behind a 0C length: only the 255 kept bytes are held.
  const std::uint32_t n = 16u << 20;
  Bytes bytes = Concat({Head("TFlox06Pg7Data"), Short("Texnikes"), {0x0C, 0, 0, 0, 1}});
  ASSERT_EQ(n, 0x01000000u);
  bytes.resize(bytes.size() + n, 'a');
  bytes.insert(bytes.end(), kEnd.begin(), kEnd.end());
  TMemoryStream stream(std::move(bytes));
  TFlox06Pg7Data record;
  StartAllocationWatch();
  ReadComponentStream(stream, record);
  EXPECT_LT(StopAllocationWatch(), 64u * 1024);
  EXPECT_EQ(record.Get("Texnikes"), std::string(255, 'a'));

  // And a length past the end fails before anything is allocated for it.
  TMemoryStream bad(Concat({Head("TFlox06Pg7Data"), Short("Texnikes"), {0x0C, 0xFF, 0xFF, 0xFF, 0x7F}, ToBytes("abc")}));
  StartAllocationWatch();
  EXPECT_THROW(ReadComponentStream(bad, record), EReadError);
  EXPECT_LT(StopAllocationWatch(), 64u * 1024);
}

TEST(Truncation, EveryCutFailsAndKeepsTheCompleteProperties) {
  TFlox03Pg2Data written;
  FillFull(written);
  const Bytes whole = Saved(written);
  // Where each property's entry ends, in file order.
  std::vector<std::pair<std::size_t, std::size_t>> ends;  // (offset after entry, property index)
  {
    std::size_t at = 4 + 1 + 14 + 1;
    for (std::size_t i = 0; i < written.PropCount(); ++i) {
      at += 1 + std::string_view(written.Class().props[i].name).size() + 2 + written.Get(i).size();
      ends.emplace_back(at, i);
    }
    ASSERT_EQ(at + 2, whole.size());
  }
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    TMemoryStream stream(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
    TFlox03Pg2Data read;
    ASSERT_THROW(ReadComponentStream(stream, read), EReadError) << "cut at " << cut;
    for (auto [end, index] : ends) {
      const std::string expected = end <= cut ? written.Get(index) : TFlox03Pg2Data().Get(index);
      ASSERT_EQ(read.Get(index), expected) << "cut at " << cut << ", property " << index;
    }
  }
}

TEST(Truncation, StudyCutAfterKRecordsLoadsK) {
  TStudy written;
  for (int slot = 1; slot <= 19; ++slot) FillFull(written[slot], slot);
  const Bytes whole = written.Save();
  std::vector<std::size_t> recordEnds;
  {
    TMemoryStream stream;
    for (auto& r : written.slots) {
      WriteComponentStream(stream, r);
      recordEnds.push_back(static_cast<std::size_t>(stream.Position()));
    }
  }
  for (std::size_t k = 0; k < 19; ++k) {
    const std::size_t length = k == 0 ? 0 : recordEnds[k - 1];
    for (std::size_t extra : {std::size_t{0}, std::size_t{7}}) {
      TMemoryStream stream(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length + extra)));
      TStudy read;
      EXPECT_EQ(read.Load(stream), static_cast<int>(k));
      if (k > 0) {
        EXPECT_EQ(read[static_cast<int>(k)].Get(0), written[static_cast<int>(k)].Get(0));
      }
      if (k + 2 <= 19) {
        EXPECT_EQ(read[static_cast<int>(k + 2)].Get(0), TStudy()[static_cast<int>(k + 2)].Get(0));
      }
    }
  }
}

// ----------------------------------------------------- damaged input

TEST(Robustness, MutatedStudiesNeverCrashAndSaveWhatTheyRead) {
  TStudy written;
  for (int slot = 1; slot <= 19; slot += 2) FillFull(written[slot], slot);
  const Bytes whole = written.Save();
  std::uint64_t seed = 0x9E3779B97F4A7C15ull;
  auto next = [&] {
    seed ^= seed << 13;
    seed ^= seed >> 7;
    seed ^= seed << 17;
    return seed;
  };
  for (int round = 0; round < 300; ++round) {
    Bytes bytes = whole;
    const int edits = 1 + static_cast<int>(next() % 8);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = next() % bytes.size();
      switch (next() % 3) {
        case 0: bytes[at] = static_cast<std::uint8_t>(next()); break;
        case 1: bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at)); break;
        default: bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(next())); break;
      }
    }
    TMemoryStream stream(bytes);
    TStudy read;
    read.Load(stream);
    ASSERT_LE(stream.Position(), stream.Size());
    // Whatever was read saves and reads back to the same bytes.
    const Bytes saved = read.Save();
    TMemoryStream again(saved);
    TStudy reread;
    ASSERT_EQ(reread.Load(again), 19);
    ASSERT_EQ(reread.Save(), saved);
  }
}

}  // namespace
