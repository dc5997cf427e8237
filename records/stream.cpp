// Byte streams: the memory stream, the exclusive file stream and the POSIX
// helpers under them.
#include "records/stream.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "records/posix_io.h"

std::int64_t TStream::Size() {
  const std::int64_t here = Seek(0, TSeekOrigin::Current);
  const std::int64_t end = Seek(0, TSeekOrigin::End);
  Seek(here, TSeekOrigin::Begin);
  return end;
}

// ---------------------------------------------------------------- memory

TMemoryStream::TMemoryStream(const void* data, std::size_t size)
    : bytes_(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size) {}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (pos_ >= bytes_.size()) return 0;
  const std::size_t n = std::min(count, bytes_.size() - pos_);
  std::memcpy(buffer, bytes_.data() + pos_, n);
  pos_ += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return;
  if (count > bytes_.max_size() - pos_) throw EStreamError("memory stream: write too large");
  if (pos_ + count > bytes_.size()) bytes_.resize(pos_ + count);
  std::memcpy(bytes_.data() + pos_, buffer, count);
  pos_ += count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  switch (origin) {
    case TSeekOrigin::Begin: base = 0; break;
    case TSeekOrigin::Current: base = static_cast<std::int64_t>(pos_); break;
    case TSeekOrigin::End: base = static_cast<std::int64_t>(bytes_.size()); break;
  }
  if ((offset > 0 && base > std::numeric_limits<std::int64_t>::max() - offset) || base + offset < 0)
    throw EStreamError("memory stream: seek out of range");
  pos_ = static_cast<std::size_t>(base + offset);
  return base + offset;
}

// ---------------------------------------------------------------- POSIX helpers

namespace flox_posix {

namespace {
TFaultHook g_faultHook = nullptr;
}

void SetFaultHook(TFaultHook hook) { g_faultHook = hook; }
TFaultHook FaultHook() { return g_faultHook; }

void ThrowErrno(const std::string& what, const std::string& name) {
  const int err = errno;
  throw EStreamError(what + " " + name + ": " + std::strerror(err), FileProblemOfErrno(err));
}

std::size_t ReadSome(int fd, void* buffer, std::size_t count, const std::string& name) {
  auto* out = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = Sys("read", [&] { return ::read(fd, out + done, count - done); });
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowErrno("cannot read", name);
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

void WriteAll(int fd, const void* buffer, std::size_t count, const std::string& name) {
  const auto* in = static_cast<const char*>(buffer);
  while (count > 0) {
    const ssize_t n = Sys("write", [&] { return ::write(fd, in, count); });
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowErrno("cannot write", name);
    }
    if (n == 0) throw EStreamError("cannot write " + name + ": no progress", TFileProblem::DiskFull);
    in += n;
    count -= static_cast<std::size_t>(n);
  }
}

std::int64_t SeekFd(int fd, std::int64_t offset, TSeekOrigin origin, const std::string& name) {
  int whence = SEEK_SET;
  if (origin == TSeekOrigin::Current) whence = SEEK_CUR;
  if (origin == TSeekOrigin::End) whence = SEEK_END;
  const off_t pos = Sys("lseek", [&] { return ::lseek(fd, static_cast<off_t>(offset), whence); });
  if (pos < 0) ThrowErrno("cannot seek in", name);
  return static_cast<std::int64_t>(pos);
}

void SyncFd(int fd, const std::string& name) {
  while (Sys("fsync", [&] { return ::fsync(fd); }) != 0) {
    if (errno == EINTR) continue;
    ThrowErrno("cannot flush", name);
  }
}

int OpenLocked(const std::string& name, int flags, mode_t mode, TLock lock) {
  if (name.empty()) throw EStreamError("cannot open a file without a name", TFileProblem::NoName);
  // Anything but a regular file is refused before it is opened: opening a
  // FIFO or a device may block or act on the device.
  struct stat st {};
  if (Sys("stat", [&] { return ::stat(name.c_str(), &st); }) == 0) {
    if (!S_ISREG(st.st_mode)) throw EStreamError("not a regular file: " + name, TFileProblem::NotRegular);
  } else if (errno != ENOENT || !(flags & O_CREAT)) {
    ThrowErrno("cannot open", name);
  }
  // Without blocking all the same, in case the name changed meanwhile.
  const int fd = Sys("open", [&] { return ::open(name.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, mode); });
  if (fd < 0) ThrowErrno((flags & O_CREAT) ? "cannot create" : "cannot open", name);
  auto fail = [&](const char* what) {
    const int err = errno;
    ::close(fd);
    errno = err;
    ThrowErrno(what, name);
  };
  if (Sys("fstat", [&] { return ::fstat(fd, &st); }) != 0) fail("cannot examine");
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw EStreamError("not a regular file: " + name, TFileProblem::NotRegular);
  }
  const int fl = ::fcntl(fd, F_GETFL);
  if (fl < 0 || ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) != 0) fail("cannot set up");
  const int how = (lock == TLock::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
  while (Sys("flock", [&] { return ::flock(fd, how); }) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) {
      ::close(fd);
      throw EStreamError("file is in use: " + name, TFileProblem::InUse);
    }
    fail("cannot lock");
  }
  return fd;
}

TFdStream::~TFdStream() {
  if (fd_ >= 0) ::close(fd_);
}

void TFdStream::Close() {
  if (fd_ < 0) return;
  const int fd = fd_;
  fd_ = -1;
  // The descriptor is gone whatever close says; an injected fault only
  // changes what is reported.
  int result = ::close(fd);
  if (TFaultHook hook = FaultHook()) {
    if (const int err = hook("close")) {
      errno = err;
      result = -1;
    }
  }
  if (result != 0 && errno != EINTR) ThrowErrno("cannot close", name_);
}

}  // namespace flox_posix

// ---------------------------------------------------------------- file

namespace {
const std::string kFileStreamName = "study file";
}

TFileStream::TFileStream(const std::string& fileName, Mode mode) {
  // Opened without truncating: the file is emptied only once it is ours.
  fd_ = flox_posix::OpenLocked(fileName, mode == Mode::OpenRead ? O_RDONLY : (O_RDWR | O_CREAT));
  if (mode == Mode::Create && ::ftruncate(fd_, 0) != 0) {
    const int err = errno;
    ::close(fd_);
    fd_ = -1;
    errno = err;
    flox_posix::ThrowErrno("cannot empty", fileName);
  }
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) ::close(fd_);  // closing also releases the lock
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  return flox_posix::ReadSome(fd_, buffer, count, kFileStreamName);
}

void TFileStream::Write(const void* buffer, std::size_t count) {
  flox_posix::WriteAll(fd_, buffer, count, kFileStreamName);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  return flox_posix::SeekFd(fd_, offset, origin, kFileStreamName);
}

void TFileStream::Flush() { flox_posix::SyncFd(fd_, kFileStreamName); }
