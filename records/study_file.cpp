// Loading and saving a study file by its name.
//
// Only regular files are studies: a folder, a device or a pipe is refused
// before it is opened, and so is a file larger than any study can be.
//
// A save never destroys the study that was there: the new bytes go to a
// temporary file with a short name in the same folder, are flushed to disk
// and only then renamed over the old file (which stays locked all the
// while). Everything that can fail happens before that rename, the commit
// point; the folder is flushed after it, and a folder that cannot be flushed
// is only a warning then. When anything fails before, the temporary file is
// removed and the old file is as it was. A file the user may not write is not
// replaced either, although the folder would allow it. The new file gets the
// old one's mode, and its owner and group where the user may give them.
//
// A study whose load failed is not silently overwritten either: the next
// save over that file first keeps its bytes in a backup beside it,
// "<file>.<YYYYMMDD-HHMMSS>.bak" (with "-1", "-2", ... before ".bak" when
// that name is taken; a backup is never overwritten; a name that would be
// too long keeps as much of the study's name as fits, and a "~"). A file too large to be
// a study becomes its own backup by a second name (a hard link) rather than
// being copied.
//
// Temporary files of saves that were killed are removed by the next save in
// that folder once nobody holds them.
#include "records/study_file.h"

#include <atomic>
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

#include "records/codec.h"

namespace {

constexpr const char kTempPrefix[] = ".flox03-";
constexpr const char kTempSuffix[] = ".tmp";
// A temporary file untouched this long, and held by nobody, is left over
// from a save that did not finish.
constexpr std::time_t kStaleAfterSeconds = 60;

std::string FolderOf(const std::string& name) { return FolderOfName(name); }

std::string FileNameOf(const std::string& name) { return LastPartOfName(name); }

bool StartsWith(const std::string& s, const std::string& start) { return s.rfind(start, 0) == 0; }

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// A note that does not fail the operation.
void Warn(const std::string& text) {
  std::fprintf(stderr, "WinFlox03RDll: %s\n", text.c_str());
  std::fflush(stderr);
}

// Removes a file on scope exit unless released.
class TRemoveGuard {
 public:
  TRemoveGuard(TFileSystem& fs, std::string name) : fs_(fs), name_(std::move(name)) {}
  ~TRemoveGuard() {
    if (!name_.empty()) fs_.Remove(name_);
  }
  TRemoveGuard(const TRemoveGuard&) = delete;
  TRemoveGuard& operator=(const TRemoveGuard&) = delete;
  void Release() { name_.clear(); }

 private:
  TFileSystem& fs_;
  std::string name_;
};

// Creates a new file under the first free name of `nameAt`.
template <class NameAt>
std::unique_ptr<TFile> CreateUnderFreeName(TFileSystem& fs, NameAt nameAt, int attempts) {
  for (int i = 0; i < attempts; ++i)
    if (auto file = fs.CreateNew(nameAt(i))) return file;
  throw EStreamError("cannot find a free name beside " + nameAt(0));
}

// No part of a name may be longer than this (bytes on Linux).
constexpr std::size_t kMaxNamePart = 255;

// "<file><suffix>" beside the file. A name too long for that is cut (never
// inside a UTF-8 character) and marked with "~" before the suffix.
std::string BackupName(const std::string& target, const std::string& suffix) {
  const std::string file = FileNameOf(target);
  if (file.size() + suffix.size() <= kMaxNamePart) return target + suffix;
  std::size_t keep = kMaxNamePart - suffix.size() - 1;
  while (keep > 0 && (static_cast<unsigned char>(file[keep]) & 0xC0) == 0x80) --keep;
  return target.substr(0, target.size() - file.size()) + file.substr(0, keep) + "~" + suffix;
}

// A short name, whatever the length of the study's own name.
std::string TempName(const std::string& folder, int attempt) {
  static std::atomic<unsigned> counter{0};
  static const unsigned seed = std::random_device{}();
  return folder + "/" + kTempPrefix + std::to_string(seed) + "-" + std::to_string(counter++) + "-" +
         std::to_string(attempt) + kTempSuffix;
}

}  // namespace

TStudyFile::TStudyFile(std::string name, TUse use, TFileSystem& fileSystem)
    : name_(std::move(name)), use_(use), fs_(fileSystem) {}

TStudyFile::~TStudyFile() = default;

void TStudyFile::Release() { held_.reset(); }

bool TStudyFile::Load(std::span<TPageRecord> records) {
  if (name_.empty()) return false;
  try {
    const std::string target = fs_.Target(name_);
    for (int attempt = 0;; ++attempt) {
      const TFileInfo info = fs_.Examine(target);
      if (info.kind == TFileInfo::TKind::Missing) {
        study_ = TKnown{};  // no study yet: none may appear before the save
        return false;
      }
      if (info.kind != TFileInfo::TKind::Regular)
        throw EStreamError("not a regular file: " + target, TFileProblem::NotRegular);
      if (!held_ || held_->Info().id != info.id) {
        held_.reset();
        held_ = fs_.Open(target, use_ == TUse::Request ? TLock::Exclusive : TLock::Shared);
      }
      // Between the look and the lock another may have given the name to a
      // new study: the study is the file that has the name once it is locked.
      const TFileId locked = held_->Info().id;
      if (fs_.Examine(target).id == locked) {
        study_ = TKnown{locked};
        break;
      }
      held_.reset();
      if (attempt == 2) throw EStreamError("replaced again and again while it was opened: " + target, TFileProblem::InUse);
    }
    const std::int64_t size = held_->Info().size;
    if (size > kMaxStudyFileSize) throw EStreamError("larger than any study: " + target, TFileProblem::TooLarge);
    // Read in one go (a study is small), then taken apart in memory.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    held_->Seek(0, TSeekOrigin::Begin);
    bytes.resize(held_->Read(bytes.data(), bytes.size()));
    TMemoryStream stream(std::move(bytes));
    ReadStudy(stream, records);
  } catch (...) {
    loadFailed_ = true;
    throw;
  }
  loadFailed_ = false;
  return true;
}

std::uint32_t TStudyFile::Save(std::span<const TPageRecord> records) {
  if (use_ != TUse::Request) throw std::logic_error("a study opened for reading is not saved");
  if (name_.empty()) throw EStreamError("no file name", TFileProblem::NoName);
  const std::string target = fs_.Target(name_);
  const std::string folderName = FolderOf(target);

  // The folder is opened first: it is flushed after the rename, when
  // nothing may fail the save any more.
  const std::unique_ptr<TFolder> folder = fs_.OpenFolder(folderName);

  // The study that is there now stays locked until the new one replaces it.
  std::unique_ptr<TFile> own;
  TFile* old = nullptr;
  TFileInfo oldInfo = fs_.Examine(target);
  const bool exists = oldInfo.kind != TFileInfo::TKind::Missing;
  // A save never replaces a file that is not the study this one loaded (or
  // saved last): another has put it there, and it is theirs.
  if (study_ && exists && study_->id != oldInfo.id)
    throw EStreamError((study_->id ? "replaced" : "created") + std::string(" meanwhile by another: ") + target,
                       TFileProblem::InUse);
  if (exists) {
    if (oldInfo.kind != TFileInfo::TKind::Regular)
      throw EStreamError("not a regular file: " + target, TFileProblem::NotRegular);
    if (held_ && held_->Info().id == oldInfo.id) {
      old = held_.get();
    } else {
      own = fs_.Open(target, TLock::Exclusive);
      old = own.get();
      oldInfo = old->Info();  // the file now locked, whatever had the name before
    }
    fs_.CheckWritable(target);
  }

  const std::uint32_t otherNames = exists && oldInfo.names > 1 ? oldInfo.names - 1 : 0;
  const bool keepOriginal = exists && loadFailed_;
  if (keepOriginal) WriteBackup(*old, oldInfo, target);
  SweepStaleTemporaries(folderName, target);

  // Created locked, so that the study is never free for another opener
  // once it has taken the study's name.
  std::unique_ptr<TFile> temp = CreateUnderFreeName(fs_, [&](int i) { return TempName(folderName, i); }, 100);
  const std::string tempName = temp->Name();
  TRemoveGuard guard(fs_, tempName);
  if (exists) fs_.CopyAccess(*temp, *old);
  const std::vector<std::uint8_t> bytes = StudyBytes(records);
  temp->Write(bytes.data(), bytes.size());
  temp->Flush();

  // The commit point.
  if (exists) {
    if (fs_.Examine(target).id != oldInfo.id)
      throw EStreamError("replaced meanwhile by another: " + target, TFileProblem::InUse);
    fs_.Replace(tempName, target, *old);
  } else {
    fs_.MoveNew(tempName, target);
  }
  guard.Release();

  // The new study is in place: from here on nothing fails the save.
  if (keepOriginal) loadFailed_ = false;  // kept in its backup, and replaced
  held_ = std::move(temp);
  try {
    study_ = TKnown{held_->Info().id};
  } catch (const EStreamError&) {
    study_.reset();  // not known: the next save replaces what it finds
  }
  try {
    folder->Flush();
  } catch (const EStreamError&) {
    Warn("the study " + target + " is saved, but its folder could not be flushed to disk");
  }
  return otherNames;
}

bool TStudyFile::IsSameFileAs(const std::string& otherName) {
  try {
    const TFileInfo mine = fs_.Examine(fs_.Target(name_));
    const TFileInfo other = fs_.Examine(fs_.Target(otherName));
    return mine.kind != TFileInfo::TKind::Missing && other.kind != TFileInfo::TKind::Missing && mine.id == other.id;
  } catch (const EStreamError&) {
    return false;  // what cannot be examined is not known to be the same
  }
}

// Keeps the old study under a fresh backup name beside it: a copy, or for a
// file too large to be a study a second name of the same file.
void TStudyFile::WriteBackup(TFile& old, const TFileInfo& oldInfo, const std::string& target) {
  const std::string stamp = fs_.LocalTimestamp();
  auto nameAt = [&](int i) {
    return BackupName(target, "." + stamp + (i == 0 ? std::string() : "-" + std::to_string(i)) + ".bak");
  };
  if (oldInfo.size > kMaxStudyFileSize) {
    for (int i = 0; i < 10000; ++i) {
      const TLinkResult linked = fs_.Link(target, nameAt(i));
      if (linked == TLinkResult::Linked) return;
      if (linked == TLinkResult::NotPossible) break;  // no second names here: copy it after all
    }
  }
  std::unique_ptr<TFile> backup = CreateUnderFreeName(fs_, nameAt, 10000);
  TRemoveGuard guard(fs_, backup->Name());
  fs_.CopyAccess(*backup, old);
  old.Seek(0, TSeekOrigin::Begin);
  constexpr std::size_t kBlock = 65536;
  const auto block = std::make_unique_for_overwrite<char[]>(kBlock);
  while (const std::size_t n = old.Read(block.get(), kBlock)) backup->Write(block.get(), n);
  backup->Flush();
  backup->Close();
  guard.Release();
}

// Removes the temporary files of saves that were killed before they
// finished: ours by name, old enough, and held by nobody (a running save
// holds its temporary file locked). Never fails the save.
void TStudyFile::SweepStaleTemporaries(const std::string& folder, const std::string& target) {
  const std::string oldStyle = "." + FileNameOf(target) + ".tmp-";
  const std::time_t now = std::time(nullptr);
  for (const std::string& name : fs_.List(folder)) {
    if (!(StartsWith(name, kTempPrefix) && EndsWith(name, kTempSuffix)) && !StartsWith(name, oldStyle)) continue;
    const std::string path = folder + "/" + name;
    try {
      const TFileInfo info = fs_.Examine(path);
      if (info.kind == TFileInfo::TKind::Regular && now - info.modified >= kStaleAfterSeconds)
        fs_.RemoveUnheld(path, info.id);
    } catch (const EStreamError&) {
      // Not ours to worry about.
    }
  }
}
