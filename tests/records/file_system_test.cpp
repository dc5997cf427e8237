// The platform's file system: only regular files are opened, locks keep
// other openers out, new files are never existing ones. What only one
// system has is tested in file_system_posix_test.cpp and
// file_system_win32_test.cpp.
#include <functional>

#include "records/file_system.h"
#include "file_system_test_support.h"
#include "records_test_support.h"

using namespace flox_test;

namespace {

TEST(FileSystem, CreateNewWritesAndOpenReads) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  {
    auto file = Fs().CreateNew(name);
    ASSERT_NE(file, nullptr);
    file->Write("abcdef", 6);
    file->Flush();
    EXPECT_EQ(file->Size(), 6);
    file->Close();
  }
  EXPECT_EQ(Fs().CreateNew(name), nullptr);  // an existing file is never created again
  EXPECT_EQ(ReadFile(name), ToBytes("abcdef"));
  auto file = Fs().Open(name, TLock::Shared);
  char buf[8];
  EXPECT_EQ(file->Read(buf, 8), 6u);
  EXPECT_EQ(file->Info().size, 6);
  EXPECT_EQ(file->Info().id, Fs().Examine(name).id);
  EXPECT_THROW(file->Write("z", 1), EStreamError);
}

TEST(FileSystem, OnlyRegularFilesAreOpened) {
  TScratchDir dir;
  EXPECT_EQ(ProblemOf([&] { Fs().Open(dir.Path().string(), TLock::Shared); }), TFileProblem::NotRegular);
  EXPECT_EQ(ProblemOf([&] { Fs().Open("", TLock::Shared); }), TFileProblem::NoName);
  EXPECT_THROW(Fs().Open(dir.File("missing"), TLock::Shared), EStreamError);
  EXPECT_EQ(Fs().Examine(dir.File("missing")).kind, TFileInfo::TKind::Missing);
  EXPECT_EQ(Fs().Examine(dir.File("missing/below")).kind, TFileInfo::TKind::Missing);
  EXPECT_EQ(Fs().Examine(dir.Path().string()).kind, TFileInfo::TKind::Other);
}

TEST(FileSystem, LocksKeepOtherOpenersOutInThisProcess) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, ToBytes("original"));
  {
    auto reader = Fs().Open(name, TLock::Shared);
    EXPECT_NO_THROW(Fs().Open(name, TLock::Shared));  // readers go together
    EXPECT_EQ(ProblemOf([&] { Fs().Open(name, TLock::Exclusive); }), TFileProblem::InUse);
  }
  {
    auto writer = Fs().Open(name, TLock::Exclusive);
    EXPECT_EQ(ProblemOf([&] { Fs().Open(name, TLock::Shared); }), TFileProblem::InUse);
  }
  EXPECT_NO_THROW(Fs().Open(name, TLock::Exclusive));  // released on close
}

}  // namespace
