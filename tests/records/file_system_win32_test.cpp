// The file system on Windows: device names are never opened, another
// program's share mode or lock keeps the study from us, the read-only
// attribute is respected, and names are text of the ANSI code page (1253
// under the test runner); names Windows forbids are refused as such.
#include <windows.h>

#include <functional>

#include "records/file_system.h"
#include "file_system_test_support.h"
#include "records/wide_text_win32.h"
#include "records_test_support.h"

using namespace flox_test;

namespace {

std::wstring WideOf(const std::string& utf8) { return WideOfUtf8(utf8); }

// Another program's handle on the file, opened with the sharing it allows.
struct TForeignHandle {
  HANDLE h;
  TForeignHandle(const std::string& name, DWORD share)
      : h(::CreateFileW(WideOf(name).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~TForeignHandle() { ::CloseHandle(h); }
};

TEST(Win32FileSystem, DeviceNamesAreNeverOpened) {
  TScratchDir dir;
  for (const std::string device : {"NUL", "con", "COM1", "lpt9", "nul.flx", "Aux.txt", "CONOUT$"}) {
    SCOPED_TRACE(device);
    const std::string name = dir.File(device);
    EXPECT_EQ(Fs().Examine(name).kind, TFileInfo::TKind::Other);
    EXPECT_EQ(ProblemOf([&] { Fs().Open(name, TLock::Shared); }), TFileProblem::NotRegular);
    EXPECT_EQ(ProblemOf([&] { Fs().CreateNew(name); }), TFileProblem::NotRegular);
  }
  EXPECT_EQ(Fs().Examine(dir.File("console.flx")).kind, TFileInfo::TKind::Missing);  // only the names themselves
  EXPECT_TRUE(dir.Entries().empty());
}

TEST(Win32FileSystem, AnotherProgramsShareModeOrLockKeepsUsOut) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, ToBytes("original"));
  {
    const TForeignHandle sole(name, 0);  // shares nothing
    ASSERT_NE(sole.h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ProblemOf([&] { Fs().Open(name, TLock::Shared); }), TFileProblem::InUse);
  }
  {
    auto held = Fs().Open(name, TLock::Exclusive);
    // A reader of another program still reads the bytes: the lock is past them.
    const TForeignHandle reader(name, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    char bytes[8];
    DWORD n = 0;
    EXPECT_TRUE(::ReadFile(reader.h, bytes, sizeof bytes, &n, nullptr));
    EXPECT_EQ(n, 8u);
    // But it cannot write, rename over it unnoticed, or take the lock.
    EXPECT_EQ(ProblemOf([&] { Fs().Open(name, TLock::Shared); }), TFileProblem::InUse);
  }
  EXPECT_NO_THROW(Fs().Open(name, TLock::Exclusive));
}

TEST(Win32FileSystem, TheReadOnlyAttributeIsRespected) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, ToBytes("original"));
  ASSERT_TRUE(::SetFileAttributesW(WideOf(name).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_NO_THROW(Fs().Open(name, TLock::Shared));
  EXPECT_EQ(ProblemOf([&] { Fs().CheckWritable(name); }), TFileProblem::NoPermission);
  ::SetFileAttributesW(WideOf(name).c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_NO_THROW(Fs().CheckWritable(name));
}

TEST(Win32FileSystem, NamesAreTextOfTheAnsiCodePage) {
  if (::GetACP() != 1253) GTEST_SKIP() << "needs the Greek ANSI code page (1253); this one is " << ::GetACP();
  TScratchDir dir;
  // "μελέτη.flx" in code page 1253 is a file of that Unicode name.
  const std::string greek = dir.Path().string() + "\\" + Cp("μελέτη") + ".flx";
  auto file = Fs().CreateNew(greek);
  ASSERT_NE(file, nullptr);
  file->Write("abc", 3);
  file->Close();
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / std::filesystem::path(u8"μελέτη.flx")));
  EXPECT_EQ(Fs().Examine(greek).kind, TFileInfo::TKind::Regular);
  EXPECT_EQ(Fs().List(dir.Path().string()), std::vector<std::string>{Cp("μελέτη") + ".flx"});
  // Characters no Windows name may have.
  for (const std::string bad : {"a?.flx", "a<b.flx", "a|b.flx", "a*.flx"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(ProblemOf([&] { Fs().CreateNew(dir.File(bad)); }), TFileProblem::BadName);
  }
}

TEST(Win32FileSystem, NamesLongerThanMaxPathWorkAndPartsOver255AreRefused) {
  TScratchDir dir;
  EXPECT_EQ(ProblemOf([&] { Fs().CreateNew(dir.File(std::string(256, 'a'))); }), TFileProblem::NameTooLong);
  EXPECT_TRUE(dir.Entries().empty());
  const std::string folder = dir.File(std::string(200, 'a'));
  std::filesystem::create_directory(folder);
  const std::string name = folder + "/" + std::string(200, 'b');  // well past MAX_PATH (260)
  auto file = Fs().CreateNew(name);
  ASSERT_NE(file, nullptr);
  file->Write("abc", 3);
  file->Close();
  EXPECT_EQ(Fs().Examine(name).size, 3);
  EXPECT_EQ(Fs().List(folder), std::vector<std::string>{std::string(200, 'b')});
  EXPECT_TRUE(Fs().Remove(name));
}

}  // namespace
