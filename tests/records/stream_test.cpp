// Memory and file streams: positions, sizes and exclusive use of a file.
#include <fcntl.h>
#include <sys/file.h>

#include "records_test_support.h"

using namespace flox_test;

namespace {

TEST(MemoryStream, ReadWriteSeek) {
  TMemoryStream s;
  s.Write("hello", 5);
  EXPECT_EQ(s.Position(), 5);
  EXPECT_EQ(s.Size(), 5);
  EXPECT_EQ(s.Seek(1, TSeekOrigin::Begin), 1);
  s.Write("EL", 2);
  EXPECT_EQ(s.Size(), 5);
  EXPECT_EQ(s.Seek(-1, TSeekOrigin::End), 4);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 1u);
  EXPECT_EQ(buf[0], 'o');
  EXPECT_EQ(s.Read(buf, 8), 0u);
  EXPECT_EQ(s.Seek(-2, TSeekOrigin::Current), 3);
  s.Seek(0, TSeekOrigin::Begin);
  EXPECT_EQ(s.Read(buf, 5), 5u);
  EXPECT_EQ(std::string(buf, 5), "hELlo");
  EXPECT_THROW(s.Seek(-1, TSeekOrigin::Begin), EStreamError);
  EXPECT_EQ(s.Position(), 5);  // a refused seek leaves the position
}

TEST(FileStream, CreateWritesAndOpenReadReads) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  {
    TFileStream s(name, TFileStream::Mode::Create);
    s.Write("abcdef", 6);
    s.Flush();
    EXPECT_EQ(s.Size(), 6);
  }
  {
    TFileStream s(name, TFileStream::Mode::Create);  // an existing file is emptied
    s.Write("xy", 2);
  }
  EXPECT_EQ(ReadFile(name), ToBytes("xy"));
  TFileStream r(name, TFileStream::Mode::OpenRead);
  char buf[4];
  EXPECT_EQ(r.Read(buf, 4), 2u);
  EXPECT_EQ(r.Seek(1, TSeekOrigin::Begin), 1);
  EXPECT_THROW(r.Write("z", 1), EStreamError);
}

TEST(FileStream, MissingOrNonRegularFilesAreRefused) {
  TScratchDir dir;
  EXPECT_THROW(TFileStream(dir.File("missing"), TFileStream::Mode::OpenRead), EStreamError);
  EXPECT_THROW(TFileStream(dir.File("no/such/folder/x"), TFileStream::Mode::Create), EStreamError);
  EXPECT_THROW(TFileStream(dir.Path().string(), TFileStream::Mode::OpenRead), EStreamError);
  EXPECT_THROW(TFileStream("", TFileStream::Mode::OpenRead), EStreamError);
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_THROW(TFileStream(fifo, TFileStream::Mode::OpenRead), EStreamError);  // and does not hang
}

TEST(FileStream, SecondOpenerInThisProcessIsRefused) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, ToBytes("original"));
  {
    TFileStream first(name, TFileStream::Mode::OpenRead);
    EXPECT_THROW(TFileStream(name, TFileStream::Mode::OpenRead), EStreamError);
    // A refused creator must not have emptied the file it could not have.
    EXPECT_THROW(TFileStream(name, TFileStream::Mode::Create), EStreamError);
    EXPECT_EQ(ReadFile(name), ToBytes("original"));
  }
  EXPECT_NO_THROW(TFileStream(name, TFileStream::Mode::OpenRead));  // released on close
}

TEST(FileStream, SecondOpenerInAnotherProcessIsRefused) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, ToBytes("original"));
  TFileStream held(name, TFileStream::Mode::Create);
  held.Write("mine", 4);
  const int status = InChild([&] {
    try {
      TFileStream(name, TFileStream::Mode::OpenRead);
    } catch (const EStreamError&) {
      return 7;
    }
    return 0;
  });
  EXPECT_EQ(status, 7);
  // And a file another process holds is refused to us.
  const std::string other = dir.File("other.flx");
  WriteFile(other, ToBytes("x"));
  int pipefd[2];
  ASSERT_EQ(::pipe(pipefd), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int fd = ::open(other.c_str(), O_RDONLY);
    ::flock(fd, LOCK_EX);
    char c = 1;
    (void)!::write(pipefd[1], &c, 1);
    ::pause();
    std::_Exit(0);
  }
  char c = 0;
  ASSERT_EQ(::read(pipefd[0], &c, 1), 1);
  EXPECT_THROW(TFileStream(other, TFileStream::Mode::OpenRead), EStreamError);
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  ::close(pipefd[0]);
  ::close(pipefd[1]);
  EXPECT_NO_THROW(TFileStream(other, TFileStream::Mode::OpenRead));
}

}  // namespace
