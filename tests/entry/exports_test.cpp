// The exported functions, called in-process: one Flox03A request, and the
// JSON and PDF functions for hosts without windows.
#include "include/flox03.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "entry/study_document.h"
#include "entry/study_families.h"
#include "entry/study_test_support.h"
#include "platform/platform.h"
#include "records/cp1253.h"
#include "records/study_file.h"
#include "support/test_system.h"

namespace {

using namespace studytest;
using nlohmann::ordered_json;

// Runs one Flox03A call and returns what it printed on stderr (without a
// display the error box prints there).
std::string CallFlox03A(std::uintptr_t window, const char* file, std::uint32_t action, std::uint32_t type) {
  testing::internal::CaptureStderr();
  Flox03A(window, file, nullptr, action, type);
  return testing::internal::GetCapturedStderr();
}

std::string ExportJson(const std::string& file) {
  char* json = nullptr;
  const int status = Flox03ExportJson(file.c_str(), &json);
  EXPECT_EQ(status, FLOX_OK) << Flox03LastError();
  if (json == nullptr) return {};
  std::string text = json;
  Flox03Free(json);
  return text;
}

// The UTF-8 value of one field in an export.
std::string FieldOf(const std::string& json, int slot, const std::string& field) {
  return ordered_json::parse(json).at(slot - 1).at("fields").at(field).get<std::string>();
}

// ---- Flox03A ---------------------------------------------------------------

class Flox03ANewFile : public testing::TestWithParam<std::uint32_t> {};

TEST_P(Flox03ANewFile, CreatesTheFileOfTheRulesAndReleasesTheWindow) {
  const std::uint32_t type = GetParam();
  TempDir dir;
  const std::string file = dir / "new.flx";
  InitDll(0x1234);
  const std::string err = CallFlox03A(0x5678, file.c_str(), 0, type);
  EXPECT_EQ(err, "");
  EXPECT_EQ(ReadBytes(file), NewStudyFileBytes(type));
  EXPECT_EQ(platform::ApplicationWindow(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Types, Flox03ANewFile, testing::Values(1u, 2u, 3u, 4u, 0u, 7u, 0x105u, 0x101u, 0xFFFFFF03u));

TEST(Flox03A, ActionOutsideOneToThreeOnlyLoadsAnExistingFile) {
  // A file from another writer: names in lower case and one value for the
  // type default. Any rewrite would change these bytes.
  std::string bytes = NewStudyFileBytes(4);
  const std::string lowered = RecordBytes(ClassOf(1), {{"Suntaxh", "abc"}});
  std::string first = lowered;
  const auto pos = first.find("Suntaxh");
  ASSERT_NE(pos, std::string::npos);
  first.replace(pos, 7, "suntaxh");
  bytes.replace(0, RecordBytes(ClassOf(1)).size(), first);
  bytes += "extra bytes after the last record";

  for (std::uint32_t action : {0u, 4u, 0xFFu, 0x100u, 0x1000u, 0xFFFFFF00u}) {
    TempDir dir;
    const std::string file = dir / "s.flx";
    WriteBytes(file, bytes);
    const std::string err = CallFlox03A(0, file.c_str(), action, 1);
    EXPECT_EQ(err, "") << "action " << action;
    EXPECT_EQ(ReadBytes(file), bytes) << "action " << action;
    EXPECT_EQ(FileCount(dir), 1u) << "action " << action;
  }
}

TEST(Flox03A, EmptyOrNullFileNameShowsMessage001OnceAndGoesOn) {
  for (const char* name : {static_cast<const char*>(nullptr), ""}) {
    InitDll(42);
    const std::string err = CallFlox03A(7, name, 0, 1);
    EXPECT_EQ(CountOf(err, "Internal error-MeltaStream-001\ncannot create file"), 1u) << err;
    EXPECT_EQ(CountOf(err, "MeltaStream"), 1u) << err;
    EXPECT_EQ(platform::ApplicationWindow(), 0u);
  }
}

TEST(Flox03A, DamagedFileShowsMessage002AndIsLeftAsItWas) {
  TempDir dir;
  const std::string file = dir / "damaged.flx";
  const std::string bytes = NewStudyFileBytes(1).substr(0, 300);
  WriteBytes(file, bytes);
  const std::string err = CallFlox03A(0, file.c_str(), 0, 1);
  EXPECT_EQ(CountOf(err, "Internal error-MeltaStream-002\ncannot create file"), 1u) << err;
  EXPECT_EQ(ReadBytes(file), bytes);
}

// Flox03A's outcome for the host: status and message, and a study that is
// in use elsewhere or is no file is refused before anything is written.
TEST(Flox03A, TellsTheHostHowTheCallEnded) {
  TempDir dir;
  const std::string file = dir / "s.flx";
  CallFlox03A(0, file.c_str(), 0, 1);
  EXPECT_EQ(Flox03LastStatus(), FLOX_OK);
  EXPECT_STREQ(Flox03LastError(), "");
  const std::string before = ReadBytes(file);

  {
    TFlox03Pages other;
    TStudyFile held(file, TStudyFile::TUse::Request);
    ASSERT_TRUE(held.Load(other.Records()));
    const std::string err = CallFlox03A(0, file.c_str(), 0, 2);
    EXPECT_EQ(Flox03LastStatus(), FLOX_ERR_IN_USE);
    EXPECT_NE(std::string(Flox03LastError()).find("ανοιχτή αλλού"), std::string::npos) << Flox03LastError();
    // Its own box, not the damaged-file message 002.
    EXPECT_EQ(err, "Μελέτη σε χρήση\nΗ μελέτη «s» είναι ανοιχτή σε άλλο παράθυρο ή πρόγραμμα.\n");
    EXPECT_EQ(std::string(Flox03LastError()).find("MeltaStream"), std::string::npos) << Flox03LastError();
    CallFlox03A(0, file.c_str(), 1, 3);  // an edit is refused the same way, before its dialog
    EXPECT_EQ(Flox03LastStatus(), FLOX_ERR_IN_USE);
    EXPECT_EQ(Flox03ImportJson(file.c_str(), R"([{"slot": 1, "fields": {"Polh": "x"}}])", 1), FLOX_ERR_IN_USE);
  }
  EXPECT_EQ(ReadBytes(file), before);

  CallFlox03A(0, dir.Path().string().c_str(), 0, 1);  // a folder
  EXPECT_EQ(Flox03LastStatus(), FLOX_ERR_FILE);
  EXPECT_NE(std::string(Flox03LastError()).find("κανονικό αρχείο"), std::string::npos) << Flox03LastError();
}

// A save through one of two names of a file makes a new file under that
// name; the other name keeps the study as it was, and the user is told.
TEST(Flox03A, HardLinkedStudySavedThroughOneNameSaysTheOtherKeepsTheOldStudy) {
  TempDir dir;
  const std::string file = dir / "s.flx";
  const std::string other = dir / "other-name.flx";
  CallFlox03A(0, file.c_str(), 0, 1);
  const std::string before = ReadBytes(file);
  std::filesystem::create_hard_link(file, other);
  testing::internal::CaptureStderr();
  ASSERT_EQ(Flox03ImportJson(file.c_str(), R"([{"slot": 1, "fields": {"Polh": "Χανιά"}}])", 1), FLOX_OK);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(FieldOf(ExportJson(file), 1, "Polh"), "Χανιά");
  EXPECT_EQ(ReadBytes(other), before);
  EXPECT_NE(said.find("σκληροί σύνδεσμοι: 1"), std::string::npos) << said;
  // Now a file of one name: no word the next time.
  testing::internal::CaptureStderr();
  ASSERT_EQ(Flox03ImportJson(file.c_str(), "[]", 1), FLOX_OK);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(Flox03ExportPdf, NeverWritesOverTheStudyItselfNorOverAnythingButARegularFile) {
  TempDir dir;
  const std::string file = dir / "s.flx";
  const std::string link = dir / "link.pdf";
  CallFlox03A(0, file.c_str(), 0, 1);
  const std::string before = ReadBytes(file);
  std::vector<std::string> names{file};
  std::error_code noLinks;  // wine makes none
  std::filesystem::create_symlink(file, link, noLinks);
  if (!noLinks) names.push_back(link);
  for (const std::string& out : names) {
    EXPECT_EQ(Flox03ExportPdf(file.c_str(), 1, out.c_str()), FLOX_ERR_ARGUMENT);
    EXPECT_NE(std::string(Flox03LastError()).find("itself"), std::string::npos);
  }
  EXPECT_EQ(ReadBytes(file), before);

  const std::string fifo = dir / "pipe.pdf";
  if (const char* why = flox_test::sys::NoFifos()) GTEST_SKIP() << why;
  flox_test::sys::MakeFifo(fifo.c_str());
  for (const std::string& out : {fifo, dir.Path().string()}) {
    EXPECT_EQ(Flox03ExportPdf(file.c_str(), 1, out.c_str()), FLOX_ERR_FILE) << out;
    EXPECT_NE(std::string(Flox03LastError()).find("not a regular file"), std::string::npos) << Flox03LastError();
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST(Flox03A, FileInAMissingFolderShowsMessage001) {
  TempDir dir;
  const std::string file = dir / "no/such/folder.flx";
  const std::string err = CallFlox03A(0, file.c_str(), 0, 3);
  EXPECT_EQ(CountOf(err, "Internal error-MeltaStream-001"), 1u) << err;
  EXPECT_FALSE(std::filesystem::exists(file));
}

// ---- JSON export ------------------------------------------------------------

TEST(JsonExport, ListsEverySlotAndEveryPropertyInDeclarationOrder) {
  TempDir dir;
  const std::string file = dir / "s.flx";
  CallFlox03A(0, file.c_str(), 0, 3);
  const ordered_json doc = ordered_json::parse(ExportJson(file));
  ASSERT_TRUE(doc.is_array());
  ASSERT_EQ(doc.size(), 19u);
  for (int slot = 1; slot <= 19; ++slot) {
    const ordered_json& item = doc[static_cast<std::size_t>(slot - 1)];
    EXPECT_EQ(item.at("slot").get<int>(), slot);
    EXPECT_EQ(item.at("class").get<std::string>(), ClassOf(slot).className);
    const TRecordClass& cls = ClassOf(slot);
    const ordered_json& fields = item.at("fields");
    ASSERT_EQ(fields.size(), cls.props.size()) << "slot " << slot;
    std::size_t i = 0;
    for (const auto& [name, value] : fields.items()) {
      const TPropInfo& prop = cls.props[i++];
      EXPECT_EQ(name, prop.name) << "slot " << slot;
      const bool isDefault = slot == 7 && name == "Suntaxh";
      const std::string want =
          isDefault ? Cp1253ToUtf8(kDefault3) : (prop.kind == TPropKind::Char ? " " : "");
      EXPECT_EQ(value.get<std::string>(), want) << "slot " << slot << " " << name;
    }
  }
  EXPECT_EQ(FieldOf(ExportJson(file), 7, "Suntaxh"),
            "  Π.Δ. 71/88  Αρθρο11  και Απόφ. 5905/Φ15/839  ΦΕΚ611/12/7/95");
}

TEST(JsonExport, RefusesMissingFilesAndBadArguments) {
  TempDir dir;
  char* json = reinterpret_cast<char*>(1);
  EXPECT_EQ(Flox03ExportJson((dir / "missing.flx").c_str(), &json), FLOX_ERR_FILE);
  EXPECT_EQ(json, nullptr);
  EXPECT_NE(std::string(Flox03LastError()).find("missing.flx"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "missing.flx"));
  EXPECT_EQ(Flox03ExportJson(nullptr, &json), FLOX_ERR_ARGUMENT);
  EXPECT_EQ(Flox03ExportJson("", &json), FLOX_ERR_ARGUMENT);
  EXPECT_EQ(Flox03ExportJson((dir / "x").c_str(), nullptr), FLOX_ERR_ARGUMENT);
  EXPECT_STRNE(Flox03LastError(), "");

  // A damaged file is a file error, and no message box or stderr line.
  WriteBytes(dir / "damaged.flx", "TPF0");
  testing::internal::CaptureStderr();
  EXPECT_EQ(Flox03ExportJson((dir / "damaged.flx").c_str(), &json), FLOX_ERR_FILE);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_NE(std::string(Flox03LastError()).find("damaged"), std::string::npos);
}

// ---- JSON import ------------------------------------------------------------

TEST(JsonImport, NewFileStartsFromTheTypeDefaultsAndTakesTheGivenFields) {
  TempDir dir;
  const std::string file = dir / "new.flx";
  const std::string json = R"([
    {"slot": 1, "class": "TFlox03Pg1Data", "fields": {"NameEpixirisi": "Ξενοδοχείο «Ήλιος»", "Phone1": "2101234567"}},
    {"slot": 2, "fields": {"EidosFerousa": "Β", "EidosSteghs": ""}},
    {"slot": 17, "fields": {"Poso1": "3"}}
  ])";
  ASSERT_EQ(Flox03ImportJson(file.c_str(), json.c_str(), 1), FLOX_OK) << Flox03LastError();
  EXPECT_STREQ(Flox03LastError(), "");

  std::string nameBytes;
  ASSERT_TRUE(Utf8ToCp1253("Ξενοδοχείο «Ήλιος»", nameBytes));
  std::string expected;
  for (int slot = 1; slot <= 19; ++slot) {
    std::map<std::string, std::string> values;
    if (slot == 1) values = {{"NameEpixirisi", nameBytes}, {"Suntaxh", kDefault1}, {"Phone1", "2101234567"}};
    if (slot == 2) values = {{"EidosFerousa", "\xC2"}};
    if (slot == 17) values = {{"Poso1", "3"}};
    expected += RecordBytes(ClassOf(slot), values);
  }
  EXPECT_EQ(ReadBytes(file), expected);
  EXPECT_EQ(FieldOf(ExportJson(file), 4, "Poso1"), "");  // the general study's page 4 is untouched
}

TEST(JsonImport, ExistingFileKeepsWhatIsNotGiven) {
  TempDir dir;
  const std::string file = dir / "s.flx";
  ASSERT_EQ(Flox03ImportJson(file.c_str(), R"([{"slot": 3, "fields": {"Odos1": "Αθηνάς"}}])", 3), FLOX_OK);
  ASSERT_EQ(Flox03ImportJson(file.c_str(), R"([{"slot": 3, "fields": {"Odos2": "Πειραιώς"}}])", 0), FLOX_OK);
  const std::string json = ExportJson(file);
  EXPECT_EQ(FieldOf(json, 3, "Odos1"), "Αθηνάς");
  EXPECT_EQ(FieldOf(json, 3, "Odos2"), "Πειραιώς");
  EXPECT_EQ(FieldOf(json, 7, "Suntaxh"), Cp1253ToUtf8(kDefault3));
  // Emptying a field: stored empty, so the next call of that type shows the default.
  ASSERT_EQ(Flox03ImportJson(file.c_str(), R"([{"slot": 7, "fields": {"Suntaxh": ""}}])", 3), FLOX_OK);
  EXPECT_EQ(FieldOf(ExportJson(file), 7, "Suntaxh"), "");
}

TEST(JsonImport, CutsLongTextsByCharactersNotBytes) {
  TempDir dir;
  const std::string file = dir / "s.flx";
  // Poso1 holds 8 characters, Symbol12 4, aa25 2; Greek letters are two bytes in UTF-8.
  const std::string json = R"([{"slot": 4, "fields": {"Poso1": "ΑΒΓΔΕΖΗΘΙΚ", "Symbol12": "abcdefg"}},
                              {"slot": 5, "fields": {"aa25": "ωψχ"}},
                              {"slot": 6, "fields": {"DTexnikes": ")" + std::string(300, 'x') + R"("}}])";
  ASSERT_EQ(Flox03ImportJson(file.c_str(), json.c_str(), 0), FLOX_OK) << Flox03LastError();
  const std::string out = ExportJson(file);
  EXPECT_EQ(FieldOf(out, 4, "Poso1"), "ΑΒΓΔΕΖΗΘ");
  EXPECT_EQ(FieldOf(out, 4, "Symbol12"), "abcd");
  EXPECT_EQ(FieldOf(out, 5, "aa25"), "ωψ");
  EXPECT_EQ(FieldOf(out, 6, "DTexnikes"), std::string(255, 'x'));
}

TEST(JsonImport, FieldNamesAreMatchedWithoutRegardToCase) {
  TempDir dir;
  const std::string file = dir / "s.flx";
  ASSERT_EQ(Flox03ImportJson(file.c_str(), R"([{"slot": 1, "fields": {"nameepixirisi": "Α", "PHONE2": "1"}}])", 0),
            FLOX_OK)
      << Flox03LastError();
  const std::string out = ExportJson(file);
  EXPECT_EQ(FieldOf(out, 1, "NameEpixirisi"), "Α");
  EXPECT_EQ(FieldOf(out, 1, "Phone2"), "1");
}

// Refused imports: status, words the message must hold, and nothing written.
struct BadImport {
  const char* name;
  std::string json;
  int status;
  std::vector<std::string> words;
};

class JsonImportRefused : public testing::TestWithParam<BadImport> {};

TEST_P(JsonImportRefused, ChangesNothing) {
  const BadImport& c = GetParam();
  TempDir dir;
  const std::string existing = dir / "existing.flx";
  ASSERT_EQ(Flox03ImportJson(existing.c_str(), R"([{"slot": 1, "fields": {"Polh": "Χανιά"}}])", 2), FLOX_OK);
  const std::string before = ReadBytes(existing);

  EXPECT_EQ(Flox03ImportJson(existing.c_str(), c.json.c_str(), 2), c.status);
  const std::string message = Flox03LastError();
  for (const std::string& w : c.words) EXPECT_NE(message.find(w), std::string::npos) << w << " not in: " << message;
  EXPECT_EQ(ReadBytes(existing), before);

  const std::string fresh = dir / "fresh.flx";
  EXPECT_EQ(Flox03ImportJson(fresh.c_str(), c.json.c_str(), 1), c.status);
  EXPECT_FALSE(std::filesystem::exists(fresh));
  EXPECT_EQ(FileCount(dir), 1u);
  EXPECT_LT(message.size(), 400u) << "a message never holds a whole value";
}

// A value nested `depth` deep, as arrays or as objects.
std::string Nested(std::size_t depth, bool objects) {
  std::string text;
  for (std::size_t i = 0; i < depth; ++i) text += objects ? "{\"a\":" : "[";
  text += "1";
  for (std::size_t i = 0; i < depth; ++i) text += objects ? "}" : "]";
  return text;
}

// `count` copies of `item`, comma-separated.
std::string Repeated(const std::string& item, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += (i ? "," : "") + item;
  return text;
}

std::string ManyKeys(std::size_t count) {
  std::string text = R"([{"slot": 1, "fields": {)";
  for (std::size_t i = 0; i < count; ++i) text += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":\"\"";
  return text + "}}]";
}

// Hostile texts: deep, huge, many keys, keys given twice.
INSTANTIATE_TEST_SUITE_P(
    Hostile, JsonImportRefused,
    testing::Values(
        BadImport{"DeepValue", R"([{"slot": 1, "fields": {"Polh": )" + Nested(65000, false) + "}}]", FLOX_ERR_JSON,
                  {"nests deeper"}},
        BadImport{"DeepSlot", R"([{"slot": )" + Nested(65000, true) + "}]", FLOX_ERR_JSON, {"nests deeper"}},
        BadImport{"DeepClass", R"([{"slot": 1, "class": )" + Nested(65000, false) + "}]", FLOX_ERR_JSON,
                  {"nests deeper"}},
        BadImport{"DeepFields", R"([{"slot": 1, "fields": )" + Nested(65000, true) + "}]", FLOX_ERR_JSON,
                  {"nests deeper"}},
        BadImport{"ShallowButWrong", R"([{"slot": 1, "fields": {"Polh": )" + Nested(5, true) + "}}]", FLOX_ERR_JSON,
                  {"slot 1", "Polh", "an object"}},
        BadImport{"Huge", R"([{"slot": 1, "fields": {"Polh": ")" + std::string(5u << 20, 'a') + R"("}}])",
                  FLOX_ERR_JSON, {"4 MB"}},
        BadImport{"ManyKeys", ManyKeys(200000), FLOX_ERR_JSON, {"slot 1", "k0"}},
        BadImport{"ManyElements", "[" + Repeated("{}", 300000) + "]", FLOX_ERR_JSON, {"more than 19 elements"}},
        BadImport{"ManyNestedObjects", R"([{"slot": 1, "fields": {"Polh": [)" + Repeated("{}", 300000) + "]}}]",
                  FLOX_ERR_JSON, {"slot 1", "Polh", "an array"}},
        BadImport{"FieldTwiceSameCase", R"([{"slot": 1, "fields": {"Polh": "a", "Man": "b", "Polh": "c"}}])",
                  FLOX_ERR_JSON, {"slot 1", "Polh", "more than once"}},
        BadImport{"LongName", R"([{"slot": 1, ")" + std::string(100000, 'x') + R"(": 1}])", FLOX_ERR_JSON,
                  {"slot 1", "xxx..."}},
        // Found by the fuzzer: a syntax error whose last token is long.
        BadImport{"LongLastToken",
                  "[{\"sldi[[eot\": 15, \"fhelds\"" + std::string(56, '\n') +
                      "fi eld\n\n\n\n{:i[ E\"dosferousa\": \"\xCE\x92\"}}]",
                  FLOX_ERR_JSON, {"JSON"}},
        BadImport{"NumberOutOfRange", "1e" + std::string(46, '6') + "o\xCE", FLOX_ERR_JSON, {"JSON", "number"}},
        BadImport{"MemberTwice", R"([{"slot": 1, "slot": 2}])", FLOX_ERR_JSON, {"element 1", "slot", "more than once"}}),
    [](const testing::TestParamInfo<BadImport>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonImportRefused,
    testing::Values(
        BadImport{"Unmappable", R"([{"slot": 1, "fields": {"Polh": "ok"}}, {"slot": 3, "fields": {"Odos1": "Ж"}}])",
                  FLOX_ERR_ENCODING, {"slot 3", "Odos1", "U+0416"}},
        BadImport{"UnmappableLatin", R"([{"slot": 19, "fields": {"SecUse1": "café"}}])", FLOX_ERR_ENCODING,
                  {"slot 19", "SecUse1", "U+00E9"}},
        BadImport{"Malformed", R"([{"slot": 1, "fields": {"Polh": "x"}})", FLOX_ERR_JSON, {"JSON"}},
        BadImport{"Empty", "", FLOX_ERR_JSON, {"JSON"}},
        BadImport{"NotAnArray", R"({"slot": 1})", FLOX_ERR_JSON, {"array"}},
        BadImport{"UnknownField", R"([{"slot": 2, "fields": {"Polh": "x"}}])", FLOX_ERR_JSON,
                  {"slot 2", "Polh"}},
        BadImport{"WrongClass", R"([{"slot": 4, "class": "TFlox03Pg5Data", "fields": {}}])", FLOX_ERR_JSON,
                  {"slot 4", "TFlox03Pg5Data", "TFlox03Pg4Data"}},
        BadImport{"SlotTooHigh", R"([{"slot": 20}])", FLOX_ERR_JSON, {"slot", "20"}},
        BadImport{"SlotZero", R"([{"slot": 0}])", FLOX_ERR_JSON, {"slot"}},
        BadImport{"SlotAsText", R"([{"slot": "1"}])", FLOX_ERR_JSON, {"slot"}},
        BadImport{"SlotMissing", R"([{"fields": {}}])", FLOX_ERR_JSON, {"slot"}},
        BadImport{"SlotTwice", R"([{"slot": 5}, {"slot": 5}])", FLOX_ERR_JSON, {"slot 5"}},
        BadImport{"FieldTwice", R"([{"slot": 1, "fields": {"Polh": "a", "POLH": "b"}}])", FLOX_ERR_JSON,
                  {"slot 1", "POLH"}},
        BadImport{"NumberValue", R"([{"slot": 1, "fields": {"Man": 3}}])", FLOX_ERR_JSON, {"slot 1", "Man"}},
        BadImport{"NullValue", R"([{"slot": 1, "fields": {"Man": null}}])", FLOX_ERR_JSON, {"slot 1", "Man"}},
        BadImport{"FieldsNotObject", R"([{"slot": 1, "fields": ["Man"]}])", FLOX_ERR_JSON, {"slot 1", "fields"}},
        BadImport{"UnknownMember", R"([{"slot": 1, "field": {}}])", FLOX_ERR_JSON, {"slot 1", "field"}},
        BadImport{"LongCharacter", R"([{"slot": 2, "fields": {"EidosFerousa": "ΑΒ"}}])", FLOX_ERR_JSON,
                  {"slot 2", "EidosFerousa"}},
        BadImport{"ElementNotObject", R"([1])", FLOX_ERR_JSON, {"element 1"}}),
    [](const testing::TestParamInfo<BadImport>& info) { return std::string(info.param.name); });

TEST(JsonImport, RefusesBadArgumentsAndDamagedFiles) {
  TempDir dir;
  const std::string file = dir / "s.flx";
  EXPECT_EQ(Flox03ImportJson(nullptr, "[]", 1), FLOX_ERR_ARGUMENT);
  EXPECT_EQ(Flox03ImportJson("", "[]", 1), FLOX_ERR_ARGUMENT);
  EXPECT_EQ(Flox03ImportJson(file.c_str(), nullptr, 1), FLOX_ERR_ARGUMENT);
  EXPECT_EQ(Flox03ImportJson(file.c_str(), "[]", 5), FLOX_ERR_ARGUMENT);
  EXPECT_NE(std::string(Flox03LastError()).find("5"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(file));
  // Only the low byte of the type counts.
  ASSERT_EQ(Flox03ImportJson(file.c_str(), "[]", 0x102), FLOX_OK);
  EXPECT_EQ(ReadBytes(file), NewStudyFileBytes(2));

  // A file that does not load is never overwritten.
  const std::string damaged = NewStudyFileBytes(3).substr(0, 500);
  WriteBytes(file, damaged);
  testing::internal::CaptureStderr();
  EXPECT_EQ(Flox03ImportJson(file.c_str(), R"([{"slot": 1, "fields": {"Polh": "x"}}])", 1), FLOX_ERR_FILE);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(ReadBytes(file), damaged);
  EXPECT_EQ(FileCount(dir), 1u);

  // A file that cannot be written is a file error.
  EXPECT_EQ(Flox03ImportJson((dir / "no/folder.flx").c_str(), "[]", 1), FLOX_ERR_FILE);
  EXPECT_NE(std::string(Flox03LastError()).find("folder.flx"), std::string::npos);
}

TEST(JsonImport, ExportOfAFullStudyImportsToTheSameFile) {
  TempDir dir;
  TFlox03Pages study;
  for (int slot = 1; slot <= 19; ++slot) {
    TPageRecord& record = study.Slot(slot);
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      const TPropInfo& prop = record.Class().props[i];
      record.Set(i, GreekText(prop.kind == TPropKind::Char ? 1 : prop.maxLen, slot * 37 + i));
    }
  }
  study.Slot(6).Set("DTexnikes", "\xC1\r\n\xC2\t\"\\\x81\x9D\xAA\xD2\xFF");  // and bytes the code page leaves undefined
  TStudyFile(dir / "a.flx", TStudyFile::TUse::Request).Save(study.Records());
  const std::string json = ExportJson(dir / "a.flx");
  ASSERT_EQ(Flox03ImportJson((dir / "b.flx").c_str(), json.c_str(), 3), FLOX_OK) << Flox03LastError();
  EXPECT_EQ(ReadBytes(dir / "b.flx"), ReadBytes(dir / "a.flx"));
}

// ---- PDF export ---------------------------------------------------------------

TEST(PdfExport, RefusesBadArgumentsAndNeverCreatesTheStudyFile) {
  TempDir dir;
  const std::string study = dir / "study.flx";
  const std::string pdf = dir / "out.pdf";
  EXPECT_EQ(Flox03ExportPdf(nullptr, 1, pdf.c_str()), FLOX_ERR_ARGUMENT);
  EXPECT_EQ(Flox03ExportPdf(study.c_str(), 1, nullptr), FLOX_ERR_ARGUMENT);
  EXPECT_EQ(Flox03ExportPdf(study.c_str(), 1, ""), FLOX_ERR_ARGUMENT);
  for (std::uint32_t type : {0u, 5u, 0x100u}) {
    EXPECT_EQ(Flox03ExportPdf(study.c_str(), type, pdf.c_str()), FLOX_ERR_ARGUMENT) << type;
  }
  EXPECT_FALSE(std::filesystem::exists(pdf));

  WriteBytes(study, "TPF0\x0E");
  EXPECT_EQ(Flox03ExportPdf(study.c_str(), 1, pdf.c_str()), FLOX_ERR_FILE);
  EXPECT_NE(std::string(Flox03LastError()).find("study.flx"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(pdf));

  std::filesystem::remove(study);
  const int status = Flox03ExportPdf(study.c_str(), 1, pdf.c_str());
  EXPECT_TRUE(status == FLOX_OK || status == FLOX_ERR_RENDER) << status;
  EXPECT_EQ(status == FLOX_OK, std::filesystem::exists(pdf));
  EXPECT_FALSE(std::filesystem::exists(study));
}

// ---- study types --------------------------------------------------------------

// The list a host gets is the family table's: every type once in type order,
// the only types the other calls take, each with its family's slots and the
// legal text a new study of the type holds exactly where the list says.
TEST(StudyTypes, ListTheFamilyTablesTypesAsANewStudyOfEachHasThem) {
  char* text = Flox03StudyTypes();
  ASSERT_NE(text, nullptr);
  const auto types = ordered_json::parse(text);
  Flox03Free(text);
  EXPECT_EQ(Flox03LastStatus(), FLOX_OK);
  std::set<int> listed;
  int previous = 0;
  for (const auto& t : types) {
    const int type = t.at("type").get<int>();
    EXPECT_GT(type, previous) << "in type order, each once";
    previous = type;
    listed.insert(type);
    EXPECT_FALSE(t.at("name").get<std::string>().empty());
    const TStudyFamily* family = FindStudyFamily(static_cast<std::uint8_t>(type));
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(t.at("slots").get<std::vector<int>>(), family->Slots());
    const auto tabs = t.at("tabs").get<std::vector<std::string>>();
    ASSERT_EQ(tabs.size(), family->dialog.tabs.size()) << type;
    EXPECT_EQ(tabs.front(), "Επιχείρηση");
    TFlox03Pages study;
    study.ApplyTypeDefaults(static_cast<std::uint8_t>(type));
    const std::string held = study.Slot(t.at("legalSlot").get<int>()).Get(t.at("legalField").get<std::string>());
    EXPECT_EQ(Cp1253ToUtf8(held), t.at("legalText").is_null() ? "" : t.at("legalText").get<std::string>()) << type;
  }
  EXPECT_EQ(listed, (std::set<int>{1, 2, 3, 4}));
  const TempDir dir;
  for (int type = 0; type < 256; ++type) {
    const std::string pdf = dir / "t.pdf";
    const int status = Flox03ExportPdf((dir / "none.flx").c_str(), static_cast<std::uint32_t>(type), pdf.c_str());
    EXPECT_EQ(status != FLOX_ERR_ARGUMENT, listed.count(type) == 1) << type << ": " << Flox03LastError();
    if (type == 5) {
      EXPECT_NE(std::string(Flox03LastError()).find("1, 2, 3, 4"), std::string::npos);
    }
  }
}

}  // namespace
