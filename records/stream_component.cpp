// Saving and loading a stream component as a named file.
//
// A save never destroys the study that was there: the new bytes go to a
// temporary file in the same folder, are flushed to disk and only then
// renamed over the old file (which stays locked for exclusive use all the
// while); the folder is flushed after the rename. When anything fails the
// temporary file is removed, the old file is as it was, and message 001 is
// shown.
//
// A study whose load failed is not silently overwritten either: the next
// save over that same file first copies its bytes to a backup beside it,
// "<file>.<YYYYMMDD-HHMMSS>.bak" (with "-1", "-2", ... before ".bak" when
// that name is taken; a backup is never overwritten).
#include "records/stream_component.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>

#include "records/errors.h"
#include "records/posix_io.h"

namespace fs = std::filesystem;
using flox_posix::TFdStream;
using flox_posix::ThrowErrno;

namespace {

// The file a name stands for: a symbolic link is followed, so that saving
// replaces the study it points to rather than the link.
std::string ResolveTarget(const std::string& fileName) {
  struct stat st {};
  if (::lstat(fileName.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(fs::path(fileName), ec);
    if (!ec) return resolved.string();
  }
  return fileName;
}

// The same file under any spelling of its name.
std::string FileKey(const std::string& fileName) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(fs::path(ResolveTarget(fileName)), ec);
  return ec ? fileName : absolute.lexically_normal().string();
}

std::string FolderOf(const std::string& fileName) {
  const fs::path parent = fs::path(fileName).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// Removes a file on scope exit unless released.
class TRemoveGuard {
 public:
  explicit TRemoveGuard(std::string name) : name_(std::move(name)) {}
  ~TRemoveGuard() {
    if (!name_.empty()) ::unlink(name_.c_str());
  }
  TRemoveGuard(const TRemoveGuard&) = delete;
  TRemoveGuard& operator=(const TRemoveGuard&) = delete;
  void Release() { name_.clear(); }

 private:
  std::string name_;
};

// Creates a new file that did not exist before (never one that did), with
// the mode 0666 less the umask. Tries the names of `nameAt` in turn.
template <class NameAt>
std::pair<int, std::string> CreateNew(NameAt nameAt, int attempts) {
  for (int i = 0; i < attempts; ++i) {
    std::string name = nameAt(i);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0) return {fd, std::move(name)};
    if (errno != EEXIST) ThrowErrno("cannot create", name);
  }
  throw EStreamError("cannot find a free name beside " + nameAt(0));
}

std::string LocalTimestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

// Gives a new file the permissions (and, where allowed, the owner) of the
// file it stands in for.
void CopyAccess(int fd, const struct stat& like, const std::string& name) {
  if (::fchmod(fd, like.st_mode & 07777) != 0) ThrowErrno("cannot set the permissions of", name);
  if (::fchown(fd, like.st_uid, like.st_gid) != 0) {
    // Only the superuser may give a file away; an ordinary user keeps it.
  }
}

// Copies the whole of the old study to a fresh backup beside it.
void WriteBackup(int oldFd, const struct stat& oldStat, const std::string& fileName) {
  const std::string stem = fileName + "." + LocalTimestamp();
  auto [fd, backupName] = CreateNew(
      [&](int i) { return i == 0 ? stem + ".bak" : stem + "-" + std::to_string(i) + ".bak"; }, 10000);
  TRemoveGuard guard(backupName);
  TFdStream backup(fd, backupName);
  CopyAccess(backup.Fd(), oldStat, backupName);
  flox_posix::SeekFd(oldFd, 0, TSeekOrigin::Begin, fileName);
  char block[65536];
  for (;;) {
    const std::size_t n = flox_posix::ReadSome(oldFd, block, sizeof block, fileName);
    if (n == 0) break;
    backup.Write(block, n);
  }
  backup.Flush();
  backup.Close();
  guard.Release();
}

std::string TempName(const std::string& target, int attempt) {
  static std::atomic<unsigned> counter{0};
  static const unsigned seed = std::random_device{}();
  const fs::path path(target);
  const std::string folder = path.parent_path().empty() ? std::string() : path.parent_path().string() + "/";
  return folder + "." + path.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
         std::to_string(seed % 100000) + "-" + std::to_string(counter++) + "-" + std::to_string(attempt);
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) ThrowErrno("cannot open the folder", folder);
  TFdStream dir(fd, folder);
  // Some file systems cannot flush a folder at all; that is no failure.
  while (::fsync(fd) != 0) {
    if (errno == EINTR) continue;
    if (errno == EINVAL || errno == ENOTSUP) break;
    ThrowErrno("cannot flush the folder", folder);
  }
  dir.Close();
}

}  // namespace

bool TStreamComponent::SaveToFile(const std::string& fileName) {
  try {
    if (fileName.empty()) throw EStreamError("no file name");
    const std::string target = ResolveTarget(fileName);

    // The study that is there now stays locked until the new one replaces it.
    std::optional<TFdStream> old;
    struct stat oldStat {};
    if (::stat(target.c_str(), &oldStat) == 0) {
      old.emplace(flox_posix::OpenLocked(target, O_RDONLY), target);
      if (::fstat(old->Fd(), &oldStat) != 0) ThrowErrno("cannot examine", target);
    } else if (errno != ENOENT) {
      ThrowErrno("cannot examine", target);
    }

    const bool keepOriginal = old && !failedLoadFile_.empty() && failedLoadFile_ == FileKey(target);
    if (keepOriginal) WriteBackup(old->Fd(), oldStat, target);

    auto [fd, tempName] = CreateNew([&](int i) { return TempName(target, i); }, 100);
    TRemoveGuard guard(tempName);
    TFdStream temp(fd, tempName);
    if (old) CopyAccess(temp.Fd(), oldStat, tempName);
    SaveToStream(temp);
    temp.Flush();
    temp.Close();
    if (::rename(tempName.c_str(), target.c_str()) != 0) ThrowErrno("cannot replace", target);
    guard.Release();
    if (keepOriginal) failedLoadFile_.clear();  // kept in its backup, and replaced
    // A folder that cannot be flushed leaves the rename itself in doubt
    // after a crash, so it is reported like any other failed save.
    SyncFolder(FolderOf(target));
    old.reset();
    return true;
  } catch (...) {
    ReportStreamError(kSaveErrorLine1, kFileErrorLine2);
    return false;
  }
}

bool TStreamComponent::LoadFromFile(const std::string& fileName) {
  struct stat st {};
  if (fileName.empty() || (::stat(fileName.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR)))
    return true;  // no such file: nothing to read, and no failure
  const std::string key = FileKey(fileName);
  try {
    TFileStream stream(fileName, TFileStream::Mode::OpenRead);
    LoadFromStream(stream);
    if (failedLoadFile_ == key) failedLoadFile_.clear();
    return true;
  } catch (...) {
    failedLoadFile_ = key;
    ReportStreamError(kLoadErrorLine1, kFileErrorLine2);
    return false;
  }
}
