// The built library as a host sees it: the shared library loaded at run
// time, and the flox03 program run as a separate process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "entry/study_test_support.h"
#include "include/flox03.h"
#include "records/file_system.h"
#include "support/test_system.h"

namespace {

using namespace studytest;
using nlohmann::ordered_json;

const std::string kBin = std::string(FLOX_BINARY_DIR) + "/bin";
const std::string kSource = FLOX_SOURCE_DIR;

// The library, loaded once for the whole program and never unloaded (it
// keeps its Qt application).
struct Library {
  void* handle = nullptr;
  decltype(&Flox03A) flox03A = nullptr;
  decltype(&InitDll) initDll = nullptr;
  decltype(&Flox03ExportJson) exportJson = nullptr;
  decltype(&Flox03ImportJson) importJson = nullptr;
  decltype(&Flox03ExportPdf) exportPdf = nullptr;
  decltype(&Flox03LastError) lastError = nullptr;
  decltype(&Flox03Free) freeText = nullptr;
  std::string loadError;
};

const Library& Lib() {
  static const Library lib = [] {
    Library l;
    l.handle = flox_test::sys::LoadSharedLibrary(flox_test::sys::LibraryFile(kBin), &l.loadError);
    if (l.handle == nullptr) return l;
    const auto dlsym = flox_test::sys::SharedSymbol;
    l.flox03A = reinterpret_cast<decltype(l.flox03A)>(dlsym(l.handle, "Flox03A"));
    l.initDll = reinterpret_cast<decltype(l.initDll)>(dlsym(l.handle, "InitDll"));
    l.exportJson = reinterpret_cast<decltype(l.exportJson)>(dlsym(l.handle, "Flox03ExportJson"));
    l.importJson = reinterpret_cast<decltype(l.importJson)>(dlsym(l.handle, "Flox03ImportJson"));
    l.exportPdf = reinterpret_cast<decltype(l.exportPdf)>(dlsym(l.handle, "Flox03ExportPdf"));
    l.lastError = reinterpret_cast<decltype(l.lastError)>(dlsym(l.handle, "Flox03LastError"));
    l.freeText = reinterpret_cast<decltype(l.freeText)>(dlsym(l.handle, "Flox03Free"));
    return l;
  }();
  return lib;
}

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

using Environment = flox_test::sys::TEnvironment;  // "" unsets

// Runs build/bin/flox03 with the arguments, without a display (unless env
// sets one), and collects its exit status and output. stdinFile, when given,
// becomes its input; stdoutFile, when given, takes its output instead.
Outcome RunFlox03(const std::vector<std::string>& args, const std::string& stdinFile = "", const Environment& env = {},
                  const std::string& stdoutFile = "") {
  TempDir io;
  const std::string outFile = stdoutFile.empty() ? io / "out" : stdoutFile, errFile = io / "err";
  flox_test::sys::TEnvironment all{{"QT_QPA_PLATFORM", "offscreen"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""},
                                   {"XDG_RUNTIME_DIR", io.Path().string()}};  // keeps Qt from warning about it
  all.insert(all.end(), env.begin(), env.end());
  Outcome run;
  run.status = flox_test::sys::RunProgram(kBin + "/flox03" + flox_test::sys::ProgramSuffix(), args, all,
                                          stdinFile.empty() ? flox_test::sys::NullDevice() : stdinFile, outFile, errFile);
  if (stdoutFile.empty()) run.out = ReadBytes(outFile);
  run.err = ReadBytes(errFile);
  // Windows' text mode ends the lines of the error output with CR LF.
  for (std::size_t at; (at = run.err.find("\r\n")) != std::string::npos;) run.err.erase(at, 1);
  return run;
}

// ---- the library through dlopen -------------------------------------------

TEST(SharedLibrary, ExportsTheCFunctionsAndHidesEverythingElse) {
  const Library& lib = Lib();
  ASSERT_NE(lib.handle, nullptr) << lib.loadError;
  EXPECT_NE(lib.flox03A, nullptr);
  EXPECT_NE(lib.initDll, nullptr);
  EXPECT_NE(lib.exportJson, nullptr);
  EXPECT_NE(lib.importJson, nullptr);
  EXPECT_NE(lib.exportPdf, nullptr);
  EXPECT_NE(lib.lastError, nullptr);
  EXPECT_NE(lib.freeText, nullptr);
}

TEST(SharedLibrary, ExportsNothingOfItsOwnButTheCFunctions) {
  // Instances of the standard library's templates keep their default
  // visibility; everything else of the library must be hidden.
  if (const char* why = flox_test::sys::NoElfSymbols()) GTEST_SKIP() << why;
  const std::string command = "nm -D --defined-only '" + kBin + "/libWinFlox03RDll.so'";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string listing;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) listing.append(buf, n);
  ASSERT_EQ(pclose(pipe), 0) << listing;
  std::set<std::string> own;
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    const std::string name = line.substr(line.rfind(' ') + 1);
    bool standard = false;
    for (const char* prefix : {"_ZNSt", "_ZNKSt", "_ZTISt", "_ZTSSt", "_ZTVSt", "_ZZNSt", "_ZSt", "_ZNSt"}) {
      standard = standard || name.rfind(prefix, 0) == 0;
    }
    const bool linker = name == "__bss_start" || name == "_edata" || name == "_end" || name == "_init" ||
                        name == "_fini";
    if (!standard && !linker) own.insert(name);
  }
  EXPECT_EQ(own, (std::set<std::string>{"Flox03A", "InitDll", "Flox03ExportJson", "Flox03ImportJson",
                                        "Flox03ExportPdf", "Flox03CheckFit", "Flox03StudyTypes", "Flox03LastError",
                                        "Flox03LastStatus", "Flox03Free"}));
}

class SharedLibraryNewFile : public testing::TestWithParam<std::uint32_t> {};

TEST_P(SharedLibraryNewFile, Flox03ACreatesTheFileOfTheRules) {
  const Library& lib = Lib();
  ASSERT_NE(lib.flox03A, nullptr);
  TempDir dir;
  lib.initDll(99);
  lib.flox03A(0, (dir / "new.flx").c_str(), nullptr, 0, GetParam());
  EXPECT_EQ(ReadBytes(dir / "new.flx"), NewStudyFileBytes(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Types, SharedLibraryNewFile, testing::Values(1u, 2u, 3u, 4u, 0u, 0x105u));

TEST(SharedLibrary, NullFileNameReportsMessage001WithoutCrashing) {
  const Library& lib = Lib();
  ASSERT_NE(lib.flox03A, nullptr);
  testing::internal::CaptureStderr();
  lib.flox03A(0, nullptr, nullptr, 0, 1);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(CountOf(err, "Internal error-MeltaStream-001"), 1u) << err;
}

TEST(SharedLibrary, JsonGoesInAndComesBackOut) {
  const Library& lib = Lib();
  ASSERT_NE(lib.importJson, nullptr);
  TempDir dir;
  const std::string file = dir / "s.flx";
  ASSERT_EQ(lib.importJson(file.c_str(), R"([{"slot": 16, "fields": {"Sxolia": "Σχόλιο"}}])", 4), FLOX_ERR_JSON);
  EXPECT_NE(std::string(lib.lastError()).find("Sxolia"), std::string::npos);
  const ordered_json doc = ordered_json::parse(R"([{"slot": 15, "fields": {"EidosSteghs": "Δ"}}])");
  ASSERT_EQ(lib.importJson(file.c_str(), doc.dump().c_str(), 4), FLOX_OK) << lib.lastError();
  char* json = nullptr;
  ASSERT_EQ(lib.exportJson(file.c_str(), &json), FLOX_OK);
  ASSERT_NE(json, nullptr);
  const ordered_json back = ordered_json::parse(json);
  lib.freeText(json);
  EXPECT_EQ(back[14]["class"], "TFlox07Pg2Data");
  EXPECT_EQ(back[14]["fields"]["EidosSteghs"], "Δ");
  EXPECT_STREQ(lib.lastError(), "");
}

// ---- the flox03 program ----------------------------------------------------

struct CallCase {
  const char* typeArg;
  std::uint32_t type;
  std::size_t size;
};

class Flox03CallNewFile : public testing::TestWithParam<CallCase> {};

TEST_P(Flox03CallNewFile, CreatesTheStudyFile) {
  const CallCase c = GetParam();
  TempDir dir;
  const std::string file = dir / "new.flx";
  const Outcome run = RunFlox03({"call", file, "--type", c.typeArg, "--action", "0"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(std::filesystem::file_size(file), c.size);
  EXPECT_EQ(ReadBytes(file), NewStudyFileBytes(c.type));
}

// A leading zero is decimal, not octal: "0259" is 259, whose low byte is 3.
INSTANTIATE_TEST_SUITE_P(Types, Flox03CallNewFile,
                         testing::Values(CallCase{"1", 1, 843}, CallCase{"2", 2, 843}, CallCase{"3", 3, 891},
                                         CallCase{"4", 4, 820}, CallCase{"0x105", 0x105, 820},
                                         CallCase{"0X103", 0x103, 891}, CallCase{"0259", 259, 891}));

TEST(Flox03Program, ImportThenDumpJsonGivesBackExactlyTheValuesPutIn) {
  TempDir dir;
  const std::string file = dir / "study.flx";
  const ordered_json in = ordered_json::parse(R"([
    {"slot": 1, "class": "TFlox03Pg1Data", "fields": {
      "NameEpixirisi": "Ξενοδοχείο «Ακρόπολις» Α.Ε.", "Suntaxh": "την 3/81 Π.Δ.", "Phone1": "2310-555555",
      "FloxMan3": "Γιώργος Παπαδόπουλος"}},
    {"slot": 2, "fields": {"EidosFerousa": "Α", "EidosToixopoiia": "X", "Anatolika": "Οδός Ερμού"}},
    {"slot": 6, "fields": {"DTexnikes": "Γραμμή 1\r\nΓραμμή 2\tτέλος \"εισαγωγικά\" \\ €"}},
    {"slot": 13, "fields": {"Texnikes": "ΆΈΉΊΌΎΏΪΫάέήίόύώϊϋΐΰς"}},
    {"slot": 17, "fields": {"Poso19": "12345678", "Comments19": "ξηρής σκόνης"}},
    {"slot": 19}
  ])");
  WriteBytes(dir / "in.json", in.dump(2));
  Outcome run = RunFlox03({"import", file, "--json", dir / "in.json", "--type", "1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");

  run = RunFlox03({"dump", file, "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const ordered_json out = ordered_json::parse(run.out);
  ASSERT_EQ(out.size(), 19u);
  std::size_t compared = 0;
  for (const auto& item : in) {
    const int slot = item["slot"].get<int>();
    if (!item.contains("fields")) continue;
    for (const auto& [name, value] : item["fields"].items()) {
      EXPECT_EQ(out[static_cast<std::size_t>(slot - 1)]["fields"][name], value) << "slot " << slot << " " << name;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 11u);
  // What was not given keeps its constructed state.
  EXPECT_EQ(out[3]["fields"]["Poso19"], "");
  EXPECT_EQ(out[1]["fields"]["EidosSteghs"], " ");

  // The same import from standard input gives the same file.
  const std::string again = dir / "again.flx";
  run = RunFlox03({"import", again, "--json", "-", "--type", "1"}, dir / "in.json");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(again), ReadBytes(file));
}

TEST(Flox03Program, DumpShowsEveryFieldOnOneLine) {
  TempDir dir;
  const std::string file = dir / "study.flx";
  WriteBytes(dir / "in.json", R"([{"slot": 6, "fields": {"EOrganwsh": "α\r\nβ\\\u009d"}}])");
  ASSERT_EQ(RunFlox03({"import", file, "--json", dir / "in.json", "--type", "2"}).status, 0);
  const Outcome run = RunFlox03({"dump", file});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("slot 1: TFlox03Pg1Data\n  NameEpixirisi = \n"), std::string::npos);
  EXPECT_NE(run.out.find("  Suntaxh = την 8/97 Π.Δ.\n"), std::string::npos) << run.out.substr(0, 400);
  EXPECT_NE(run.out.find("  EOrganwsh = α\\r\\nβ\\\\\\u009D\n"), std::string::npos);  // a byte the code page leaves undefined
  EXPECT_NE(run.out.find("slot 18: TFlox03Pg5Data\n"), std::string::npos);
  EXPECT_NE(run.out.find("  EidosFerousa =  \n"), std::string::npos);
  // One heading per slot and one line per field.
  std::size_t fields = 0;
  for (int slot = 1; slot <= 19; ++slot) fields += ClassOf(slot).props.size();
  EXPECT_EQ(CountOf(run.out, "\n"), 19 + fields);
  EXPECT_EQ(CountOf(run.out, "\nslot ") + 1, 19u);
}

TEST(Flox03Program, RefusedImportNamesSlotAndFieldAndLeavesTheFile) {
  TempDir dir;
  const std::string file = dir / "study.flx";
  ASSERT_EQ(RunFlox03({"call", file, "--type", "1", "--action", "0"}).status, 0);
  const std::string before = ReadBytes(file);
  WriteBytes(dir / "bad.json", R"([{"slot": 3, "fields": {"Odos1": "Улица"}}])");
  const Outcome run = RunFlox03({"import", file, "--json", dir / "bad.json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("slot 3"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Odos1"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(file), before);
}

TEST(Flox03Program, FailuresOfTheStudyFileGiveStatusOne) {
  TempDir dir;
  // A file that cannot be created: the library's message, then status 1.
  Outcome run = RunFlox03({"call", dir / "missing/study.flx", "--type", "1", "--action", "0"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Internal error-MeltaStream-001"), std::string::npos) << run.err;

  // A damaged file is reported and left alone.
  const std::string damaged = dir / "damaged.flx";
  WriteBytes(damaged, NewStudyFileBytes(1).substr(0, 100));
  run = RunFlox03({"call", damaged, "--type", "1", "--action", "0"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Internal error-MeltaStream-002"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(damaged), NewStudyFileBytes(1).substr(0, 100));

  // A study open in another program (which holds its lock): its own
  // message, not 002, and the file untouched.
  {
    const std::string study = dir / "estiatorio.flx";
    ASSERT_EQ(RunFlox03({"call", study, "--type", "1", "--action", "0"}).status, 0);
    const std::string before = ReadBytes(study);
    auto held = SystemFileSystem().Open(study, TLock::Exclusive);
    run = RunFlox03({"call", study, "--type", "1", "--action", "0"});
    held.reset();
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Μελέτη σε χρήση"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Η μελέτη «estiatorio» είναι ανοιχτή σε άλλο παράθυρο ή πρόγραμμα."), std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("MeltaStream"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(study), before);
  }

  run = RunFlox03({"dump", damaged});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("damaged.flx"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");

  run = RunFlox03({"dump", dir / "nothing.flx", "--json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "nothing.flx"));

  run = RunFlox03({"import", dir / "x.flx", "--json", dir / "no-such.json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("no-such.json"), std::string::npos) << run.err;

  run = RunFlox03({"pdf", dir / "nothing.flx", "--type", "9", "-o", dir / "out.pdf"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("9"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "nothing.flx"));
}

// Hostile uses of the program: each fails at once with status 1 and harms
// nothing.
TEST(Flox03Program, RefusesWhatWouldHangOrHarm) {
  TempDir dir;
  const std::string study = dir / "s.flx";
  ASSERT_EQ(RunFlox03({"call", study, "--type", "1", "--action", "0"}).status, 0);
  const std::string before = ReadBytes(study);

  Outcome run = RunFlox03({"edit", study, "--type", "1"});  // no display
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("display"), std::string::npos) << run.err;

  run = RunFlox03({"pdf", study, "--type", "1", "-o", study});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("itself"), std::string::npos) << run.err;

  run = RunFlox03({"call", dir.Path().string(), "--type", "1", "--action", "0"});  // a folder
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Internal error-MeltaStream-002"), std::string::npos) << run.err;

  const std::string fifo = dir / "pipe.flx";  // would block an open for ever
  if (const char* why = flox_test::sys::NoFifos()) GTEST_SKIP() << why;
  flox_test::sys::MakeFifo(fifo.c_str());
  const std::string empty = dir / "empty.json";
  WriteBytes(empty, "[]");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"call", fifo, "--type", "1", "--action", "0"}, {"dump", fifo}, {"pdf", fifo, "--type", "1", "-o", dir / "o.pdf"},
           {"import", fifo, "--json", empty}}) {
    EXPECT_EQ(RunFlox03(args).status, 1) << args[0];
  }

  const std::string json = dir / "nul.json";
  WriteBytes(json, std::string(R"([{"slot": 1, "fields": {"Polh": "a"}}])") + std::string(1, '\0') + "[]");
  run = RunFlox03({"import", study, "--json", json});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("NUL"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(study), before);
}

// A display that cannot be opened (or a platform nobody sees) fails at once
// only the commands that show a window; the others work without one.
TEST(Flox03Program, OnlyWhatShowsAWindowNeedsADisplayAUserCanSee) {
  if (const char* why = flox_test::sys::NoX11()) GTEST_SKIP() << why;
  TempDir dir;
  const std::string study = dir / "s.flx";
  const Environment closed{{"DISPLAY", ":4711"}, {"QT_QPA_PLATFORM", ""}};
  Outcome run = RunFlox03({"call", study, "--type", "1", "--action", "0"}, "", closed);
  EXPECT_EQ(run.status, 0) << run.err;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"pdf", study, "--type", "1", "-o", dir / "s.pdf"}, {"check", study, "--type", "1"}, {"dump", study}}) {
    run = RunFlox03(args, "", closed);
    EXPECT_EQ(run.status, 0) << args[0] << ": " << run.err;
    EXPECT_EQ(run.err, "") << args[0];
  }
  EXPECT_TRUE(std::filesystem::exists(dir / "s.pdf"));

  const std::string before = ReadBytes(study);
  for (const Environment& env : {closed, Environment{{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "offscreen"}},
                                 Environment{{"QT_QPA_PLATFORM", "minimal"}}}) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"edit", study, "--type", "1"}, {"preview", study, "--type", "3"}, {"print", study, "--type", "4"},
             {"call", study, "--type", "2", "--action", "1"}, {"open"}}) {
      run = RunFlox03(args, "", env);
      EXPECT_EQ(run.status, 1) << args[0] << " " << env[0].second;
      EXPECT_NE(run.err.find("needs a display that a user can see"), std::string::npos) << run.err;
    }
  }
  EXPECT_EQ(ReadBytes(study), before);
}

// A write error on the output and an input without end are failures; a
// pipe at the PDF's name is left alone.
TEST(Flox03Program, OutputThatCannotBeWrittenOrInputWithoutEndFails) {
  if (const char* why = flox_test::sys::NoEndlessDevices()) GTEST_SKIP() << why;
  TempDir dir;
  const std::string study = dir / "s.flx";
  ASSERT_EQ(RunFlox03({"call", study, "--type", "1", "--action", "0"}).status, 0);
  const std::string before = ReadBytes(study);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"dump", study}, {"dump", study, "--json"}, {"check", study, "--type", "1"}, {"--help"}}) {
    const Outcome run = RunFlox03(args, "", {}, "/dev/full");
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_NE(run.err.find("could not be written"), std::string::npos) << run.err;
  }
  for (const auto& [input, stdinFile] : {std::pair<std::string, std::string>{"/dev/zero", ""}, {"-", "/dev/zero"}}) {
    const Outcome run = RunFlox03({"import", study, "--json", input}, stdinFile);
    EXPECT_EQ(run.status, 1) << input;
    EXPECT_NE(run.err.find("larger than 4 MB"), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadBytes(study), before);

  const std::string fifo = dir / "pipe.pdf";
  if (const char* why = flox_test::sys::NoFifos()) GTEST_SKIP() << why;
  flox_test::sys::MakeFifo(fifo.c_str());
  EXPECT_EQ(RunFlox03({"pdf", study, "--type", "1", "-o", fifo}).status, 1);
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// A name with a line break and terminal escapes forges no line and sends no
// escape, from the program or the library.
TEST(Flox03Program, NamesInMessagesHaveTheirControlCharactersEscaped) {
  TempDir dir;
  const std::string name = "a\nflox03: saved\x1B[32m.flx";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"dump", dir / name}, {"call", dir / ("no/" + name), "--type", "1", "--action", "0"}, {"frob\n" + name}}) {
    const Outcome run = RunFlox03(args);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("\nflox03: saved"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("a\\nflox03: saved\\x1B[32m.flx"), std::string::npos) << run.err;
  }
}

// Command lines that are wrong: status 2, a hint on stderr, nothing done.
class Flox03Usage : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(Flox03Usage, IsRefusedWithStatusTwo) {
  TempDir dir;
  std::vector<std::string> args = GetParam();
  for (auto& a : args)
    if (a == "FILE") a = dir / "s.flx";
  const Outcome run = RunFlox03(args);
  EXPECT_EQ(run.status, 2) << run.err;
  EXPECT_NE(run.err.find("flox03 --help"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(FileCount(dir), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Flox03Usage,
    testing::Values(std::vector<std::string>{}, std::vector<std::string>{"frobnicate", "FILE"},
                    std::vector<std::string>{"call", "FILE", "--type", "1"},
                    std::vector<std::string>{"call", "FILE", "--action", "0"},
                    std::vector<std::string>{"call", "--type", "1", "--action", "0"},
                    std::vector<std::string>{"call", "FILE", "--type", "one", "--action", "0"},
                    std::vector<std::string>{"call", "FILE", "--type", "-1", "--action", "0"},
                    std::vector<std::string>{"call", "FILE", "--type", "0x", "--action", "0"},
                    std::vector<std::string>{"call", "FILE", "--type", " 1", "--action", "0"},
                    std::vector<std::string>{"call", "FILE", "--type", "1", "--action", "4294967296"},
                    std::vector<std::string>{"call", "FILE", "--type", "1", "--action", "0", "--window"},
                    std::vector<std::string>{"call", "FILE", "other", "--type", "1", "--action", "0"},
                    std::vector<std::string>{"edit", "FILE"}, std::vector<std::string>{"preview", "FILE", "--json"},
                    std::vector<std::string>{"dump", "FILE", "--type", "1"}, std::vector<std::string>{"dump"},
                    std::vector<std::string>{"import", "FILE"}, std::vector<std::string>{"pdf", "FILE", "--type", "1"},
                    std::vector<std::string>{"pdf", "FILE", "-o", "x.pdf"},
                    std::vector<std::string>{"check", "FILE"}, std::vector<std::string>{"open", "FILE", "FILE"},
                    std::vector<std::string>{"open", "--type", "1"},
                    std::vector<std::string>{"call", "FILE", "--type", "1", "--type", "2", "--action", "0"}));

TEST(Flox03Program, HelpListsEveryCommand) {
  for (const char* flag : {"--help", "-h"}) {
    const Outcome run = RunFlox03({flag});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char* word : {"Usage: flox03", "call FILE --type N --action A [--window ID]", "edit FILE",
                             "preview FILE", "print FILE", "dump FILE [--json]",
                             "import FILE --json IN.json [--type N]", "pdf FILE --type N -o OUT.pdf",
                             "check FILE --type N [--json]", "open [FILE]"}) {
      EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
  }
}

TEST(Flox03Program, PdfNeverCreatesTheStudyFile) {
  TempDir dir;
  const Outcome run = RunFlox03({"pdf", dir / "study.flx", "--type", "1", "-o", dir / "out.pdf"});
  EXPECT_FALSE(std::filesystem::exists(dir / "study.flx"));
  EXPECT_EQ(run.status == 0, std::filesystem::exists(dir / "out.pdf")) << run.err;
  if (run.status != 0) {
    EXPECT_NE(run.err, "");
  }
}

TEST(Flox03Program, CheckListsTheFieldsCutOnPaperWithStatusThree) {
  TempDir dir;
  const std::string json = dir / "in.json";
  WriteBytes(json, R"([{"slot":1,"fields":{"Odos":"Λεωφόρος Κωνσταντίνου Καραμανλή","Polh":"Καλαμάτα"}}])");
  ASSERT_EQ(RunFlox03({"import", dir / "s.flx", "--json", json, "--type", "1"}).status, 0);
  Outcome run = RunFlox03({"check", dir / "s.flx", "--type", "1"});
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_EQ(run.out, "page 1, tab \"Επιχείρηση\", \"Οδός\" (Odos): 1 of 2 lines printed, 9 of 31 characters lost\n");

  run = RunFlox03({"check", dir / "s.flx", "--type", "1", "--json"});
  EXPECT_EQ(run.status, 3);
  const auto cut = ordered_json::parse(run.out);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0]["tab"], "Επιχείρηση");

  run = RunFlox03({"check", kSource + "/examples/general-study.flx", "--type", "2"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "every field fits on paper\n");

  // A study type outside 1..4 and a file that is no study are failures, not "fits".
  run = RunFlox03({"check", dir / "s.flx", "--type", "7"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("study type 7"), std::string::npos) << run.err;
  WriteBytes(dir / "junk.flx", "TPF0 not a study");
  run = RunFlox03({"check", dir / "junk.flx", "--type", "1"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
}

}  // namespace
