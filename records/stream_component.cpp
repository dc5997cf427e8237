// Saving and loading a stream component as a named file.
//
// Only regular files are studies: a folder, a device or a pipe is refused
// before it is opened, and so is a file larger than any study can be.
//
// A save never destroys the study that was there: the new bytes go to a
// temporary file with a short name in the same folder, are flushed to disk
// and only then renamed over the old file (which stays locked for exclusive
// use all the while). Everything that can fail happens before that rename,
// the commit point; the folder is flushed after it, and a folder that cannot
// be flushed is only a warning then. When anything fails before, the
// temporary file is removed, the old file is as it was, and message 001 is
// shown with the reason. A file the user may not write is not replaced
// either, although the folder would allow it. The new file gets the old
// one's mode, and its owner and group where the user may give them.
//
// A study whose load failed is not silently overwritten either: the next
// save over that same file first keeps its bytes in a backup beside it,
// "<file>.<YYYYMMDD-HHMMSS>.bak" (with "-1", "-2", ... before ".bak" when
// that name is taken; a backup is never overwritten). A file too large to be
// a study becomes its own backup by a second name (a hard link) rather than
// being copied.
//
// Temporary files of saves that were killed are removed by the next save in
// that folder once nobody holds them.
#include "records/stream_component.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "records/errors.h"
#include "records/posix_io.h"

namespace fs = std::filesystem;
using flox_posix::Sys;
using flox_posix::TFdStream;
using flox_posix::ThrowErrno;

namespace {

constexpr const char kTempPrefix[] = ".flox03-";
constexpr const char kTempSuffix[] = ".tmp";
// A temporary file untouched this long, and held by nobody, is left over
// from a save that did not finish.
constexpr std::time_t kStaleAfterSeconds = 60;

std::string FolderOf(const std::string& fileName) {
  const fs::path parent = fs::path(fileName).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// The file a name stands for: symbolic links are followed, also to a file
// that does not exist yet, so that saving writes the study they point to
// rather than replacing the link.
std::string ResolveTarget(const std::string& fileName) {
  std::string name = fileName;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (Sys("lstat", [&] { return ::lstat(name.c_str(), &st); }) != 0 || !S_ISLNK(st.st_mode)) return name;
    std::vector<char> buf(PATH_MAX + 1);
    const ssize_t n = Sys("readlink", [&] { return ::readlink(name.c_str(), buf.data(), buf.size()); });
    if (n < 0) ThrowErrno("cannot read the link", name);
    if (static_cast<std::size_t>(n) >= buf.size())
      throw EStreamError("link too long: " + name, TFileProblem::NameTooLong);
    const std::string link(buf.data(), static_cast<std::size_t>(n));
    name = !link.empty() && link[0] == '/' ? link : FolderOf(name) + "/" + link;
  }
  throw EStreamError("too many links: " + fileName);
}

// The same file under any spelling of its name.
std::string FileKey(const std::string& target) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(fs::path(target), ec);
  return ec ? target : absolute.lexically_normal().string();
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

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
    const int fd = Sys("open", [&] {
      return ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    });
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

// Gives a new file the owner and group (where allowed) and the permissions
// of the file it stands in for; the owner first, as a change of owner may
// clear permission bits.
void CopyAccess(int fd, const struct stat& like, const std::string& name) {
  if (Sys("fchown", [&] { return ::fchown(fd, like.st_uid, like.st_gid); }) != 0) {
    // Only the superuser may give a file away; an ordinary user keeps it,
    // and keeps the group where it may.
    (void)::fchown(fd, static_cast<uid_t>(-1), like.st_gid);
  }
  if (Sys("fchmod", [&] { return ::fchmod(fd, like.st_mode & 07777); }) != 0)
    ThrowErrno("cannot set the permissions of", name);
}

// Keeps the old study under a fresh backup name beside it: a copy, or for a
// file too large to be a study a second name of the same file.
void WriteBackup(int oldFd, const struct stat& oldStat, const std::string& fileName) {
  const std::string stem = fileName + "." + LocalTimestamp();
  auto nameAt = [&](int i) { return i == 0 ? stem + ".bak" : stem + "-" + std::to_string(i) + ".bak"; };
  if (oldStat.st_size > kMaxStudyFileSize) {
    for (int i = 0; i < 10000; ++i) {
      const std::string name = nameAt(i);
      if (Sys("link", [&] { return ::link(fileName.c_str(), name.c_str()); }) == 0) return;
      if (errno != EEXIST) break;  // no second names here: copy it after all
    }
  }
  auto [fd, backupName] = CreateNew(nameAt, 10000);
  TRemoveGuard guard(backupName);
  TFdStream backup(fd, backupName);
  CopyAccess(backup.Fd(), oldStat, backupName);
  flox_posix::SeekFd(oldFd, 0, TSeekOrigin::Begin, fileName);
  std::vector<char> block(65536);
  for (;;) {
    const std::size_t n = flox_posix::ReadSome(oldFd, block.data(), block.size(), fileName);
    if (n == 0) break;
    backup.Write(block.data(), n);
  }
  backup.Flush();
  backup.Close();
  guard.Release();
}

// A short name, whatever the length of the study's own name.
std::string TempName(const std::string& folder, int attempt) {
  static std::atomic<unsigned> counter{0};
  static const unsigned seed = std::random_device{}();
  return folder + "/" + kTempPrefix + std::to_string(::getpid()) + "-" + std::to_string(seed % 100000) + "-" +
         std::to_string(counter++) + "-" + std::to_string(attempt) + kTempSuffix;
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// Removes the temporary files of saves that were killed before they
// finished: ours by name, old enough, and held by nobody (a running save
// holds its temporary file locked). Never fails the save.
void RemoveStaleTemporaries(const std::string& folder, const std::string& target) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const std::string oldStyle = "." + fs::path(target).filename().string() + ".tmp-";
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    const bool ours = (name.rfind(kTempPrefix, 0) == 0 && EndsWith(name, kTempSuffix)) || name.rfind(oldStyle, 0) == 0;
    if (!ours) continue;
    const std::string path = folder + "/" + name;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || now - st.st_mtime < kStaleAfterSeconds) continue;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0) continue;
    struct stat held {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && SameFile(st, held)) ::unlink(path.c_str());
    ::close(fd);
  }
  ::closedir(dir);
}

// Puts the new file in the place of a file that did not exist, refusing if
// another has appeared there meanwhile.
void RenameNoReplace(const std::string& from, const std::string& to) {
  if (Sys("rename", [&] { return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE); }) == 0)
    return;
  if (errno == EEXIST) throw EStreamError("created meanwhile by another: " + to, TFileProblem::InUse);
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) ThrowErrno("cannot create", to);
  // A file system without that rename: a second name, then the first goes.
  if (Sys("link", [&] { return ::link(from.c_str(), to.c_str()); }) == 0) {
    ::unlink(from.c_str());
    return;
  }
  if (errno == EEXIST) throw EStreamError("created meanwhile by another: " + to, TFileProblem::InUse);
  if (Sys("rename", [&] { return ::rename(from.c_str(), to.c_str()); }) != 0) ThrowErrno("cannot create", to);
}

void LockExclusive(int fd, const std::string& name) {
  while (Sys("flock", [&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) != 0) {
    if (errno != EINTR) ThrowErrno("cannot lock", name);
  }
}

// Throws unless the user may open the file for writing: a save must not
// replace a file that the user could not have written in place.
void CheckWritable(const std::string& target) {
  const int fd = Sys("open", [&] { return ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY); });
  if (fd < 0) ThrowErrno("cannot write", target);
  ::close(fd);
}

}  // namespace

TStreamComponent::~TStreamComponent() = default;

void TStreamComponent::ReleaseFile() { held_.reset(); }

void TStreamComponent::Fail(const char* line1, TFileProblem problem, const std::string& detail) {
  lastFailure_ = problem;
  std::string reason = FileProblemText(problem);
  if (problem == TFileProblem::Other && !detail.empty()) reason += " (" + detail + ")";
  ReportStreamError(line1, kFileErrorLine2, reason);
}

bool TStreamComponent::SaveToFile(const std::string& fileName) {
  try {
    if (fileName.empty()) throw EStreamError("no file name", TFileProblem::NoName);
    const std::string target = ResolveTarget(fileName);
    const std::string folder = FolderOf(target);

    // The folder is opened first: it is flushed after the rename, when
    // nothing may fail the save any more.
    const int dirFd = Sys("open", [&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (dirFd < 0) ThrowErrno("cannot open the folder", folder);
    TFdStream dir(dirFd, folder);

    // The study that is there now stays locked until the new one replaces it.
    std::unique_ptr<TFdStream> own;
    TFdStream* old = nullptr;
    struct stat oldStat {};
    const bool exists = Sys("stat", [&] { return ::stat(target.c_str(), &oldStat); }) == 0;
    if (!exists && errno != ENOENT) ThrowErrno("cannot examine", target);
    if (exists) {
      if (!S_ISREG(oldStat.st_mode)) throw EStreamError("not a regular file: " + target, TFileProblem::NotRegular);
      struct stat heldStat {};
      if (held_ && ::fstat(held_->Fd(), &heldStat) == 0 && SameFile(heldStat, oldStat)) {
        old = held_.get();
      } else {
        own = std::make_unique<TFdStream>(flox_posix::OpenLocked(target, O_RDONLY), target);
        old = own.get();
      }
      if (Sys("fstat", [&] { return ::fstat(old->Fd(), &oldStat); }) != 0) ThrowErrno("cannot examine", target);
      CheckWritable(target);
    }

    const bool keepOriginal = exists && !failedLoadFile_.empty() && failedLoadFile_ == FileKey(target);
    if (keepOriginal) WriteBackup(old->Fd(), oldStat, target);
    RemoveStaleTemporaries(folder, target);

    const auto [fd, created] = CreateNew([&](int i) { return TempName(folder, i); }, 100);
    const std::string tempName = created;
    TRemoveGuard guard(tempName);
    auto temp = std::make_unique<TFdStream>(fd, tempName);
    // Locked before it takes the study's name, so that the study is never
    // free for another opener in between.
    LockExclusive(temp->Fd(), tempName);
    if (exists) CopyAccess(temp->Fd(), oldStat, tempName);
    SaveToStream(*temp);
    temp->Flush();

    // The commit point.
    if (exists) {
      struct stat now {};
      if (Sys("stat", [&] { return ::stat(target.c_str(), &now); }) != 0 || !SameFile(now, oldStat))
        throw EStreamError("replaced meanwhile by another: " + target, TFileProblem::InUse);
      if (Sys("rename", [&] { return ::rename(tempName.c_str(), target.c_str()); }) != 0)
        ThrowErrno("cannot replace", target);
    } else {
      RenameNoReplace(tempName, target);
    }
    guard.Release();

    // The new study is in place: from here on nothing fails the save.
    lastFailure_.reset();
    if (keepOriginal) failedLoadFile_.clear();  // kept in its backup, and replaced
    while (Sys("fsync", [&] { return ::fsync(dir.Fd()); }) != 0) {
      if (errno == EINTR) continue;
      // Some file systems cannot flush a folder at all.
      if (errno != EINVAL && errno != ENOTSUP)
        ReportStreamWarning("the study " + target + " is saved, but its folder could not be flushed to disk");
      break;
    }
    if (holdFile_) {
      held_ = std::move(temp);
    } else {
      try {
        temp->Close();
      } catch (const EStreamError& e) {
        ReportStreamWarning(std::string("the study is saved, but: ") + e.what());
      }
    }
    return true;
  } catch (const EStreamError& e) {
    Fail(kSaveErrorLine1, e.Problem(), e.what());
  } catch (const std::exception& e) {
    Fail(kSaveErrorLine1, TFileProblem::Other, e.what());
  } catch (...) {
    Fail(kSaveErrorLine1, TFileProblem::Other, {});
  }
  return false;
}

bool TStreamComponent::LoadFromFile(const std::string& fileName) {
  std::string key;
  try {
    if (fileName.empty()) {
      lastFailure_.reset();
      return true;  // no file: nothing to read, and no failure
    }
    const std::string target = ResolveTarget(fileName);
    key = FileKey(target);
    struct stat st {};
    if (Sys("stat", [&] { return ::stat(target.c_str(), &st); }) != 0) {
      if (errno == ENOENT || errno == ENOTDIR) {
        lastFailure_.reset();
        return true;  // no such file: nothing to read, and no failure
      }
      ThrowErrno("cannot examine", target);
    }
    if (!S_ISREG(st.st_mode)) throw EStreamError("not a regular file: " + target, TFileProblem::NotRegular);

    TFdStream* stream = nullptr;
    std::unique_ptr<TFdStream> own;
    struct stat heldStat {};
    if (held_ && ::fstat(held_->Fd(), &heldStat) == 0 && SameFile(heldStat, st)) {
      stream = held_.get();
    } else {
      held_.reset();
      own = std::make_unique<TFdStream>(
          flox_posix::OpenLocked(target, O_RDONLY, 0666,
                                 holdFile_ ? flox_posix::TLock::Exclusive : flox_posix::TLock::Shared),
          target);
      stream = own.get();
      if (holdFile_) held_ = std::move(own);  // a study that fails to load stays held too
    }
    if (Sys("fstat", [&] { return ::fstat(stream->Fd(), &st); }) != 0) ThrowErrno("cannot examine", target);
    if (st.st_size > kMaxStudyFileSize)
      throw EStreamError("larger than any study: " + target, TFileProblem::TooLarge);
    stream->Seek(0, TSeekOrigin::Begin);
    LoadFromStream(*stream);
    if (failedLoadFile_ == key) failedLoadFile_.clear();
    lastFailure_.reset();
    return true;
  } catch (const EStreamError& e) {
    if (!key.empty()) failedLoadFile_ = key;
    Fail(kLoadErrorLine1, e.Problem(), e.what());
  } catch (const std::exception& e) {
    if (!key.empty()) failedLoadFile_ = key;
    Fail(kLoadErrorLine1, TFileProblem::Other, e.what());
  } catch (...) {
    if (!key.empty()) failedLoadFile_ = key;
    Fail(kLoadErrorLine1, TFileProblem::Other, {});
  }
  return false;
}
