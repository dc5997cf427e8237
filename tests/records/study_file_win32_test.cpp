// A whole study as a named file where only Windows can make the case: the
// read-only attribute, device names, another program's share mode, names
// Windows forbids, and names in the ANSI code page. Each is loaded and saved as one request
// would, and is never harmed.
#include <windows.h>

#include <functional>
#include <optional>

#include "study_file_test_support.h"
#include "records/wide_text_win32.h"

using namespace flox_test;

namespace {

std::wstring WideOf(const std::string& utf8) { return WideOfUtf8(utf8); }

struct TPathOutcome {
  std::optional<TFileProblem> load;
  std::optional<TFileProblem> save;
  bool operator==(const TPathOutcome&) const = default;
};

// A case: makes the path in the folder (and whatever holds it) and returns
// the path; what a load and a save of it must do.
struct WindowsPath {
  const char* name;
  std::function<std::string(const TScratchDir&, std::function<void()>& hold)> make;
  TPathOutcome expected;
};

std::string Study(const std::string& name) {
  WriteFile(name, EditedStudyBytes());
  return name;
}

const WindowsPath kWindowsPaths[] = {
    {"ReadOnlyAttribute",
     [](const TScratchDir& d, std::function<void()>&) {
       const std::string n = Study(d.File("ro.flx"));
       ::SetFileAttributesW(WideOf(n).c_str(), FILE_ATTRIBUTE_READONLY);
       return n;
     },
     {std::nullopt, TFileProblem::NoPermission}},
    {"Folder",
     [](const TScratchDir& d, std::function<void()>&) {
       std::filesystem::create_directory(d.File("dir.flx"));
       return d.File("dir.flx");
     },
     {TFileProblem::NotRegular, TFileProblem::NotRegular}},
    {"DeviceName", [](const TScratchDir& d, std::function<void()>&) { return d.File("CON.flx"); },
     {TFileProblem::NotRegular, TFileProblem::NotRegular}},
    {"NulDevice", [](const TScratchDir&, std::function<void()>&) { return std::string("NUL"); },
     {TFileProblem::NotRegular, TFileProblem::NotRegular}},
    {"NameTooLong", [](const TScratchDir& d, std::function<void()>&) { return d.File(std::string(300, 'a') + ".flx"); },
     {TFileProblem::NameTooLong, TFileProblem::NameTooLong}},
    {"ForbiddenCharacter", [](const TScratchDir& d, std::function<void()>&) { return d.File("what?.flx"); },
     {TFileProblem::BadName, TFileProblem::BadName}},
    {"HeldWithoutSharingByAnotherProgram",
     [](const TScratchDir& d, std::function<void()>& hold) {
       const std::string n = Study(d.File("held.flx"));
       const HANDLE h = ::CreateFileW(WideOf(n).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
       hold = [h] { ::CloseHandle(h); };
       return n;
     },
     {TFileProblem::InUse, TFileProblem::InUse}},
};

class WindowsPaths : public testing::TestWithParam<WindowsPath> {};

TEST_P(WindowsPaths, AreRefusedWithTheReasonAndNeverHarmed) {
  const WindowsPath& c = GetParam();
  TScratchDir dir;
  std::function<void()> release = [] {};
  const std::string path = c.make(dir, release);
  const std::vector<std::string> before = dir.Entries();
  const bool regular = std::filesystem::is_regular_file(WideOf(path));
  TPathOutcome outcome;
  {
    TStudy study;
    TStudyFile file(path, TUse::Request);
    outcome.load = Load(file, study);
    study[2].Set("People", "42");
    outcome.save = Save(file, study);
  }
  release();
  EXPECT_EQ(outcome, c.expected) << "load " << (outcome.load ? static_cast<int>(*outcome.load) : -1) << ", save "
                                 << (outcome.save ? static_cast<int>(*outcome.save) : -1);
  EXPECT_EQ(dir.Entries(), before);
  if (regular) {
    EXPECT_EQ(ReadFile(path), EditedStudyBytes());  // every regular case is that study
  }
  ::SetFileAttributesW(WideOf(path).c_str(), FILE_ATTRIBUTE_NORMAL);  // so that the folder can go
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowsPaths, testing::ValuesIn(kWindowsPaths),
                         [](const testing::TestParamInfo<WindowsPath>& info) { return info.param.name; });

TEST(WindowsNames, AGreekNameInTheAnsiCodePageIsSavedAndLoaded) {
  if (::GetACP() != 1253) GTEST_SKIP() << "needs the Greek ANSI code page (1253); this one is " << ::GetACP();
  TScratchDir dir;
  // Joined by hand: the scratch folder's names are ASCII, the study's is not UTF-8.
  const std::string name = dir.Path().string() + "\\" + Cp("Μελέτη πυρασφάλειας") + ".flx";
  TStudy written;
  written[1].Set("NameEpixirisi", Cp("Ξενοδοχείο"));
  ASSERT_EQ(SaveAs(name, written), std::nullopt);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Μελέτη πυρασφάλειας.flx"});
  TStudy read;
  TStudyFile file(name, TUse::Read);
  ASSERT_EQ(Load(file, read), std::nullopt);
  EXPECT_EQ(read[1].Get("NameEpixirisi"), Cp("Ξενοδοχείο"));
}

}  // namespace
