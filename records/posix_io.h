// Small POSIX helpers shared by the file stream and the safe file
// replacement: whole reads and writes that retry on EINTR and turn errno
// into EStreamError with the file name in the message and the problem the
// user is told about.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>

#include <sys/types.h>

#include "records/stream.h"

namespace flox_posix {

// A test hook called before every system call of the file layer with the
// call's name ("open", "write", "rename", ...); a nonzero result makes that
// call fail with the result as errno. Null (the default) injects nothing.
using TFaultHook = int (*)(const char* call);
void SetFaultHook(TFaultHook hook);
TFaultHook FaultHook();

// Runs one system call through the fault hook: an injected fault returns -1
// with errno set, without calling it.
template <class Call>
auto Sys(const char* name, Call call) -> decltype(call()) {
  if (TFaultHook hook = FaultHook()) {
    if (const int err = hook(name)) {
      errno = err;
      return static_cast<decltype(call())>(-1);
    }
  }
  return call();
}

// Throws EStreamError "<what> <name>: <strerror(errno)>" with the problem of errno.
[[noreturn]] void ThrowErrno(const std::string& what, const std::string& name);

std::size_t ReadSome(int fd, void* buffer, std::size_t count, const std::string& name);
void WriteAll(int fd, const void* buffer, std::size_t count, const std::string& name);
std::int64_t SeekFd(int fd, std::int64_t offset, TSeekOrigin origin, const std::string& name);
void SyncFd(int fd, const std::string& name);

enum class TLock { Shared, Exclusive };

// Opens a regular file (flags as for open(2), O_CLOEXEC added) and locks it
// without waiting. Throws EStreamError when it cannot be opened, is not a
// regular file (checked before it is opened, so that a FIFO or a device is
// never opened at all), or is in use by another opener.
int OpenLocked(const std::string& name, int flags, mode_t mode = 0666, TLock lock = TLock::Exclusive);

// A stream over a descriptor it owns (closed on destruction).
class TFdStream : public TStream {
 public:
  TFdStream(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
  ~TFdStream() override;
  TFdStream(const TFdStream&) = delete;
  TFdStream& operator=(const TFdStream&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override { return ReadSome(fd_, buffer, count, name_); }
  void Write(const void* buffer, std::size_t count) override { WriteAll(fd_, buffer, count, name_); }
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override { return SeekFd(fd_, offset, origin, name_); }
  void Flush() override { SyncFd(fd_, name_); }
  // Closes the descriptor now, reporting a failing close as EStreamError.
  void Close();
  int Fd() const { return fd_; }
  const std::string& Name() const { return name_; }

 private:
  int fd_;
  std::string name_;
};

}  // namespace flox_posix
