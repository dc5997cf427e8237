// The file system on Linux and other POSIX systems: descriptors, flock(2)
// locks, rename(2) over the old file and a flush of the folder after it.
// Every system call goes through the fault hook and retries on EINTR where
// that can happen; errno becomes the problem the user is told about.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "records/file_system.h"

namespace {

// Whether the fault hook fails the call of that name (with errno set).
bool Injected(const char* name) {
  TFaultHook hook = FaultHook();
  const int err = hook != nullptr ? hook(name) : 0;
  if (err != 0) errno = err;
  return err != 0;
}

// Runs one system call through the fault hook: an injected fault returns -1
// with errno set, without making the call.
template <class Call>
auto Sys(const char* name, Call call) -> decltype(call()) {
  if (Injected(name)) return static_cast<decltype(call())>(-1);
  return call();
}

TFileProblem ProblemOfErrno(int err) {
  switch (err) {
    case EWOULDBLOCK: return TFileProblem::InUse;
    case EACCES:
    case EPERM:
    case EROFS: return TFileProblem::NoPermission;
    case EIO: return TFileProblem::IoError;
    case EISDIR:
    case ENXIO:
    case ENODEV: return TFileProblem::NotRegular;
    case ENAMETOOLONG: return TFileProblem::NameTooLong;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return TFileProblem::DiskFull;
    default: return TFileProblem::Other;
  }
}

// Throws "<what> <name>: <strerror(errno)>" with the problem of errno.
[[noreturn]] void ThrowErrno(const std::string& what, const std::string& name) {
  const int err = errno;
  throw EStreamError(what + " " + name + ": " + std::strerror(err), ProblemOfErrno(err));
}

std::string FolderOf(const std::string& name) {
  const std::filesystem::path parent = std::filesystem::path(name).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

TFileInfo InfoOf(const struct stat& st) {
  TFileInfo info;
  info.kind = S_ISREG(st.st_mode) ? TFileInfo::TKind::Regular : TFileInfo::TKind::Other;
  info.id = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
  info.size = static_cast<std::int64_t>(st.st_size);
  info.modified = st.st_mtime;
  info.names = static_cast<std::uint32_t>(st.st_nlink);
  return info;
}

void Lock(int fd, TLock lock, const std::string& name) {
  const int how = (lock == TLock::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
  while (Sys("flock", [&] { return ::flock(fd, how); }) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) throw EStreamError("file is in use: " + name, TFileProblem::InUse);
    ThrowErrno("cannot lock", name);
  }
}

// A descriptor of its own: closed, and with it its lock, when it ends.
class TPosixFile final : public TFile {
 public:
  TPosixFile(int fd, std::string name) : TFile(std::move(name)), fd_(fd) {}
  ~TPosixFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  TPosixFile(const TPosixFile&) = delete;
  TPosixFile& operator=(const TPosixFile&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
      const ssize_t n = Sys("read", [&] { return ::read(fd_, out + done, count - done); });
      if (n < 0) {
        if (errno == EINTR) continue;
        ThrowErrno("cannot read", Name());
      }
      if (n == 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

  void Write(const void* buffer, std::size_t count) override {
    const auto* in = static_cast<const char*>(buffer);
    while (count > 0) {
      const ssize_t n = Sys("write", [&] { return ::write(fd_, in, count); });
      if (n < 0) {
        if (errno == EINTR) continue;
        ThrowErrno("cannot write", Name());
      }
      if (n == 0) throw EStreamError("cannot write " + Name() + ": no progress", TFileProblem::DiskFull);
      in += n;
      count -= static_cast<std::size_t>(n);
    }
  }

  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override {
    const int whence = origin == TSeekOrigin::Begin ? SEEK_SET : origin == TSeekOrigin::Current ? SEEK_CUR : SEEK_END;
    const off_t pos = Sys("lseek", [&] { return ::lseek(fd_, static_cast<off_t>(offset), whence); });
    if (pos < 0) ThrowErrno("cannot seek in", Name());
    return static_cast<std::int64_t>(pos);
  }

  void Flush() override {
    while (Sys("fsync", [&] { return ::fsync(fd_); }) != 0) {
      if (errno != EINTR) ThrowErrno("cannot flush", Name());
    }
  }

  TFileInfo Info() override {
    struct stat st {};
    if (Sys("fstat", [&] { return ::fstat(fd_, &st); }) != 0) ThrowErrno("cannot examine", Name());
    return InfoOf(st);
  }

  void Close() override {
    if (fd_ < 0) return;
    const int fd = std::exchange(fd_, -1);
    // The descriptor is gone whatever close says; an injected fault only
    // changes what is reported.
    const int result = ::close(fd);
    if ((Injected("close") || result != 0) && errno != EINTR) ThrowErrno("cannot close", Name());
  }

  int Fd() const { return fd_; }

 private:
  int fd_;
};

class TPosixFolder final : public TFolder {
 public:
  TPosixFolder(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
  ~TPosixFolder() override { ::close(fd_); }
  TPosixFolder(const TPosixFolder&) = delete;
  TPosixFolder& operator=(const TPosixFolder&) = delete;

  void Flush() override {
    while (Sys("fsync", [&] { return ::fsync(fd_); }) != 0) {
      if (errno == EINTR) continue;
      if (errno == EINVAL || errno == ENOTSUP) return;  // a file system that cannot flush a folder
      ThrowErrno("cannot flush the folder", name_);
    }
  }

 private:
  int fd_;
  std::string name_;
};

// Links are followed here, not by the kernel, so its protection of shared
// folders is applied here too: a link in a sticky folder that every user may
// write is followed only when the user or the folder's owner owns it, so
// that no other user can plant a link in /tmp that a save then follows.
void RefuseForeignLinkInSharedFolder(const std::string& link, const struct stat& linkStat) {
  if (linkStat.st_uid == ::geteuid()) return;
  struct stat folder {};
  if (Sys("stat", [&] { return ::stat(FolderOf(link).c_str(), &folder); }) != 0) ThrowErrno("cannot examine the folder of", link);
  const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
  if (shared && linkStat.st_uid != folder.st_uid)
    throw EStreamError("a link of another user in a shared folder is not followed: " + link, TFileProblem::NoPermission);
}

int FdOf(TFile& file) { return static_cast<TPosixFile&>(file).Fd(); }

class TPosixFileSystem final : public TFileSystem {
 public:
  std::string Target(const std::string& name) override {
    std::string at = name;
    for (int hop = 0; hop < 40; ++hop) {
      struct stat st {};
      if (Sys("lstat", [&] { return ::lstat(at.c_str(), &st); }) != 0 || !S_ISLNK(st.st_mode)) return at;
      RefuseForeignLinkInSharedFolder(at, st);
      std::vector<char> buf(PATH_MAX + 1);
      const ssize_t n = Sys("readlink", [&] { return ::readlink(at.c_str(), buf.data(), buf.size()); });
      if (n < 0) ThrowErrno("cannot read the link", at);
      if (static_cast<std::size_t>(n) >= buf.size())
        throw EStreamError("link too long: " + at, TFileProblem::NameTooLong);
      const std::string link(buf.data(), static_cast<std::size_t>(n));
      at = !link.empty() && link[0] == '/' ? link : FolderOf(at) + "/" + link;
    }
    throw EStreamError("too many links: " + name);
  }

  TFileInfo Examine(const std::string& name) override {
    struct stat st {};
    if (Sys("lstat", [&] { return ::lstat(name.c_str(), &st); }) == 0) return InfoOf(st);
    if (errno == ENOENT || errno == ENOTDIR) return {};
    ThrowErrno("cannot examine", name);
  }

  std::unique_ptr<TFile> Open(const std::string& name, TLock lock) override {
    if (name.empty()) throw EStreamError("cannot open a file without a name", TFileProblem::NoName);
    // Anything but a regular file is refused before it is opened: opening a
    // FIFO or a device may block or act on the device.
    struct stat st {};
    if (Sys("stat", [&] { return ::stat(name.c_str(), &st); }) != 0) ThrowErrno("cannot open", name);
    if (!S_ISREG(st.st_mode)) throw EStreamError("not a regular file: " + name, TFileProblem::NotRegular);
    // Without blocking all the same, in case the name changed meanwhile.
    const int fd =
        Sys("open", [&] { return ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY); });
    if (fd < 0) ThrowErrno("cannot open", name);
    auto file = std::make_unique<TPosixFile>(fd, name);
    if (file->Info().kind != TFileInfo::TKind::Regular)
      throw EStreamError("not a regular file: " + name, TFileProblem::NotRegular);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) ThrowErrno("cannot set up", name);
    Lock(fd, lock, name);
    return file;
  }

  std::unique_ptr<TFile> CreateNew(const std::string& name) override {
    const int fd = Sys("open", [&] {
      return ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    });
    if (fd < 0) {
      if (errno == EEXIST) return nullptr;
      ThrowErrno("cannot create", name);
    }
    auto file = std::make_unique<TPosixFile>(fd, name);
    try {
      Lock(fd, TLock::Exclusive, name);
    } catch (...) {
      Remove(name);  // what failed leaves nothing behind
      throw;
    }
    return file;
  }

  void CopyAccess(TFile& file, TFile& like) override {
    struct stat st {};
    if (Sys("fstat", [&] { return ::fstat(FdOf(like), &st); }) != 0) ThrowErrno("cannot examine", like.Name());
    // The owner first, as a change of owner may clear permission bits. Only
    // the superuser may give a file away; an ordinary user keeps it, and
    // keeps the group where it may.
    const int fd = FdOf(file);
    if (Sys("fchown", [&] { return ::fchown(fd, st.st_uid, st.st_gid); }) != 0)
      (void)Sys("fchown", [&] { return ::fchown(fd, static_cast<uid_t>(-1), st.st_gid); });
    if (Sys("fchmod", [&] { return ::fchmod(fd, st.st_mode & 07777); }) != 0)
      ThrowErrno("cannot set the permissions of", file.Name());
  }

  void CheckWritable(const std::string& name) override {
    const int fd = Sys("open", [&] { return ::open(name.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY); });
    if (fd < 0) ThrowErrno("cannot write", name);
    ::close(fd);
  }

  void Replace(const std::string& from, const std::string& to, TFile& /*old*/) override {
    if (Sys("rename", [&] { return ::rename(from.c_str(), to.c_str()); }) != 0) ThrowErrno("cannot replace", to);
  }

  void MoveNew(const std::string& from, const std::string& to) override {
    if (Sys("rename", [&] {
          return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
        }) == 0)
      return;
    if (errno == EEXIST) throw EStreamError("created meanwhile by another: " + to, TFileProblem::InUse);
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) ThrowErrno("cannot create", to);
    // A file system without that rename: a second name, then the first goes.
    if (Sys("link", [&] { return ::link(from.c_str(), to.c_str()); }) == 0) {
      Remove(from);
      return;
    }
    if (errno == EEXIST) throw EStreamError("created meanwhile by another: " + to, TFileProblem::InUse);
    if (Sys("rename", [&] { return ::rename(from.c_str(), to.c_str()); }) != 0) ThrowErrno("cannot create", to);
  }

  TLinkResult Link(const std::string& existing, const std::string& newName) override {
    if (Sys("link", [&] { return ::link(existing.c_str(), newName.c_str()); }) == 0) return TLinkResult::Linked;
    return errno == EEXIST ? TLinkResult::NameTaken : TLinkResult::NotPossible;
  }

  bool Remove(const std::string& name) override {
    return Sys("unlink", [&] { return ::unlink(name.c_str()); }) == 0;
  }

  std::unique_ptr<TFolder> OpenFolder(const std::string& folder) override {
    const int fd = Sys("open", [&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0) ThrowErrno("cannot open the folder", folder);
    return std::make_unique<TPosixFolder>(fd, folder);
  }

  std::vector<std::string> List(const std::string& folder) override {
    std::vector<std::string> names;
    DIR* dir = Injected("opendir") ? nullptr : ::opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
  }

  bool RemoveUnheld(const std::string& name, const TFileId& seen) override {
    const int fd = Sys("open", [&] {
      return ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW);
    });
    if (fd < 0) return false;
    TPosixFile file(fd, name);
    struct stat st {};
    if (Sys("flock", [&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) != 0 ||
        Sys("fstat", [&] { return ::fstat(fd, &st); }) != 0)
      return false;
    const TFileInfo now = InfoOf(st);
    if (now.kind != TFileInfo::TKind::Regular || now.id != seen || st.st_uid != ::geteuid()) return false;
    return Remove(name);
  }

  std::string LocalTimestamp() override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
  }
};

}  // namespace

std::string FolderOfName(const std::string& name) { return FolderOf(name); }

std::string LastPartOfName(const std::string& name) { return std::filesystem::path(name).filename().string(); }

TFileSystem& SystemFileSystem() {
  static TPosixFileSystem fileSystem;
  return fileSystem;
}
