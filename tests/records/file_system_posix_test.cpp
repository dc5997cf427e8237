// The file system on POSIX systems: pipes and devices are never opened (so
// nothing hangs), and flock(2) locks keep other processes out.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <functional>

#include "posix_child.h"
#include "records/file_system.h"
#include "file_system_test_support.h"
#include "records_test_support.h"

using namespace flox_test;

namespace {

TEST(FileSystem, PipesAndDevicesAreNeverOpenedAndNothingHangs) {
  TScratchDir dir;
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ProblemOf([&] { Fs().Open(fifo, TLock::Shared); }), TFileProblem::NotRegular);
  EXPECT_EQ(ProblemOf([&] { Fs().Open("/dev/null", TLock::Shared); }), TFileProblem::NotRegular);
  EXPECT_EQ(Fs().Examine(fifo).kind, TFileInfo::TKind::Other);
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
