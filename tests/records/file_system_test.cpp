// The platform's file system: only regular files are opened, locks keep
// other openers out (in this and in another process), new files are never
// existing ones.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>

#include <functional>

#include "records/file_system.h"
#include "records_test_support.h"

using namespace flox_test;

namespace {

TFileSystem& Fs() { return SystemFileSystem(); }

TFileProblem ProblemOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EStreamError& e) {
    return e.Problem();
  }
  ADD_FAILURE() << "no failure";
  return TFileProblem::Other;
}

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

TEST(FileSystem, OnlyRegularFilesAreOpenedAndNothingHangs) {
  TScratchDir dir;
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ProblemOf([&] { Fs().Open(fifo, TLock::Shared); }), TFileProblem::NotRegular);
  EXPECT_EQ(ProblemOf([&] { Fs().Open(dir.Path().string(), TLock::Shared); }), TFileProblem::NotRegular);
  EXPECT_EQ(ProblemOf([&] { Fs().Open("/dev/null", TLock::Shared); }), TFileProblem::NotRegular);
  EXPECT_EQ(ProblemOf([&] { Fs().Open("", TLock::Shared); }), TFileProblem::NoName);
  EXPECT_THROW(Fs().Open(dir.File("missing"), TLock::Shared), EStreamError);
  EXPECT_EQ(Fs().Examine(dir.File("missing")).kind, TFileInfo::TKind::Missing);
  EXPECT_EQ(Fs().Examine(dir.File("missing/below")).kind, TFileInfo::TKind::Missing);
  EXPECT_EQ(Fs().Examine(fifo).kind, TFileInfo::TKind::Other);
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

TEST(FileSystem, LocksKeepOtherOpenersOutAcrossProcesses) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, ToBytes("original"));
  {
    auto held = Fs().Open(name, TLock::Exclusive);
    const int status = InChild([&] {
      try {
        Fs().Open(name, TLock::Shared);
      } catch (const EStreamError& e) {
        return e.Problem() == TFileProblem::InUse ? 7 : 8;
      }
      return 0;
    });
    EXPECT_EQ(status, 7);
  }
  // And a file another process holds is refused to us.
  int pipefd[2];
  ASSERT_EQ(::pipe(pipefd), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int fd = ::open(name.c_str(), O_RDONLY);
    ::flock(fd, LOCK_EX);
    char c = 1;
    (void)!::write(pipefd[1], &c, 1);
    ::pause();
    std::_Exit(0);
  }
  char c = 0;
  ASSERT_EQ(::read(pipefd[0], &c, 1), 1);
  EXPECT_EQ(ProblemOf([&] { Fs().Open(name, TLock::Shared); }), TFileProblem::InUse);
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  ::close(pipefd[0]);
  ::close(pipefd[1]);
  EXPECT_NO_THROW(Fs().Open(name, TLock::Shared));
}

}  // namespace
