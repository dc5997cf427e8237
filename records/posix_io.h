// Small POSIX helpers shared by the file stream and the safe file
// replacement: whole reads and writes that retry on EINTR and turn errno
// into EStreamError with the file name in the message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <sys/types.h>

#include "records/stream.h"

namespace flox_posix {

// Throws EStreamError "<what> <name>: <strerror(errno)>".
[[noreturn]] void ThrowErrno(const std::string& what, const std::string& name);

std::size_t ReadSome(int fd, void* buffer, std::size_t count, const std::string& name);
void WriteAll(int fd, const void* buffer, std::size_t count, const std::string& name);
std::int64_t SeekFd(int fd, std::int64_t offset, TSeekOrigin origin, const std::string& name);
void SyncFd(int fd, const std::string& name);

// Opens a regular file (flags as for open(2), O_CLOEXEC added) and takes an
// exclusive lock on it without waiting. Throws EStreamError when it cannot
// be opened, is not a regular file, or is in use by another opener.
int OpenLocked(const std::string& name, int flags, mode_t mode = 0666);

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

 private:
  int fd_;
  std::string name_;
};

}  // namespace flox_posix
