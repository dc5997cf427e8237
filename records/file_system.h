// The file system as the study file service needs it: a few operations at
// the level of what a safe save does, with one implementation per platform
// (file_system_posix.cpp, file_system_win32.cpp). Nothing else in the
// project touches the file system for a study.
//
// Names are std::string, passed on as they came: bytes on Linux (UTF-8 in
// practice), 8-bit text in the ANSI code page on Windows, where the
// implementation converts them to wide names. Every operation that fails
// throws EStreamError with the name in its text and the problem the user is
// told about (TFileProblem).
#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "records/stream.h"

// Which file a name leads to: device and inode on Linux, volume serial
// number and file index on Windows. Two names of one file give equal ids.
struct TFileId {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  friend bool operator==(const TFileId&, const TFileId&) = default;
};

struct TFileInfo {
  enum class TKind {
    Missing,  // nothing has that name (or a folder on its way is missing)
    Regular,  // an ordinary file
    Other,    // a folder, a device, a pipe, a socket, a link not followed
  };
  TKind kind = TKind::Missing;
  TFileId id;
  std::int64_t size = 0;
  std::time_t modified = 0;  // the last change of its bytes
  std::uint32_t names = 1;   // how many names (hard links) the file has
};

enum class TLock {
  Shared,     // readers together, no writer
  Exclusive,  // one opener only
};

// An open file: a stream, locked as it was opened. The lock is released when
// the file is closed or the object ends.
class TFile : public TStream {
 public:
  // Read, Write and Seek as every stream; Flush forces the written bytes to
  // stable storage and throws when it cannot.
  //
  // What the open file is now (kind Regular, its id, size and names).
  virtual TFileInfo Info() = 0;
  // Closes it now; a close that fails throws. The destructor closes quietly.
  virtual void Close() = 0;
  const std::string& Name() const { return name_; }

 protected:
  explicit TFile(std::string name) : name_(std::move(name)) {}

 private:
  std::string name_;
};

// A folder into which a file has been renamed.
class TFolder {
 public:
  virtual ~TFolder() = default;
  // Makes its entries (a rename done in it) last on disk. A file system
  // that cannot flush a folder, or need not, does nothing.
  virtual void Flush() = 0;
};

enum class TLinkResult { Linked, NameTaken, NotPossible };

class TFileSystem {
 public:
  virtual ~TFileSystem() = default;

  // The name of the file a name stands for: symbolic links are followed,
  // also to a file that does not exist yet, so that a save writes the study
  // a link points to rather than replacing the link. A name that is no link
  // comes back as it is (so does one that cannot be examined: the operation
  // on it then says why). Where the system protects links in folders that
  // every user may write, a link it would not follow is refused
  // (TFileProblem::NoPermission).
  virtual std::string Target(const std::string& name) = 0;
  // What has that name; a link is not followed (kind Other).
  virtual TFileInfo Examine(const std::string& name) = 0;

  // Opens an existing regular file for reading and locks it without
  // waiting: TFileProblem::InUse while another opener holds a lock that
  // excludes this one. Anything but a regular file is refused as
  // TFileProblem::NotRegular before it is opened, so that a pipe or a device
  // is never opened at all.
  virtual std::unique_ptr<TFile> Open(const std::string& name, TLock lock) = 0;
  // Creates a file that did not exist (never an existing one), for writing,
  // locked for exclusive use, with the permissions new files get; nullptr
  // when something already has that name. A failure leaves no file behind.
  virtual std::unique_ptr<TFile> CreateNew(const std::string& name) = 0;
  // Gives a new file the permissions of the file it stands in for, and its
  // owner and group where the user may give them.
  virtual void CopyAccess(TFile& file, TFile& like) = 0;
  // Throws unless the user may open the existing file for writing: a save
  // never replaces a file that the user could not have written in place.
  virtual void CheckWritable(const std::string& name) = 0;

  // Puts the file `from` in the place of the existing `to` in one step:
  // whoever opens `to` finds the old file or the new one, never neither.
  // `old` is the caller's open file of `to`: a system that replaces no file
  // that is open (Windows) closes it first, and with it its lock.
  virtual void Replace(const std::string& from, const std::string& to, TFile& old) = 0;
  // Gives the file `from` the name `to`, which must be free:
  // TFileProblem::InUse when something has taken it meanwhile.
  virtual void MoveNew(const std::string& from, const std::string& to) = 0;
  // A second name for a file (a hard link).
  virtual TLinkResult Link(const std::string& existing, const std::string& newName) = 0;
  // Removes a name; false when it could not.
  virtual bool Remove(const std::string& name) = 0;

  // Opens a folder, to flush it after a rename into it; throws when the
  // folder cannot be used.
  virtual std::unique_ptr<TFolder> OpenFolder(const std::string& folder) = 0;
  // The names in a folder (without "." and ".."); none when it cannot be read.
  virtual std::vector<std::string> List(const std::string& folder) = 0;
  // Removes a leftover file of ours: only if the name still leads to the
  // regular file `seen`, which the user owns and which nobody holds open
  // with a lock. True when it was removed.
  virtual bool RemoveUnheld(const std::string& name, const TFileId& seen) = 0;

  // The local date and time as "YYYYMMDD-HHMMSS", for the names of backups.
  virtual std::string LocalTimestamp() = 0;
};

// The file system of the platform the library runs on.
TFileSystem& SystemFileSystem();

// A name split as the platform splits names: the folder it is in ("." for a
// name without one) and its last part. On Windows both slashes separate, and
// the name is code page text, not UTF-8.
std::string FolderOfName(const std::string& name);
std::string LastPartOfName(const std::string& name);

// A test hook asked before every system call of the file system with the
// call's name ("open", "read", "write", "fsync", "rename", ...; the same name
// on every platform for the call that does the same job). A result other
// than 0 makes that call fail as if the system had answered with that errno
// value (EIO, ENOSPC, EACCES, ...), without making it. Null (the default)
// injects nothing.
using TFaultHook = int (*)(const char* call);
inline TFaultHook& FaultHookSlot() {
  static TFaultHook hook = nullptr;
  return hook;
}
inline void SetFaultHook(TFaultHook hook) { FaultHookSlot() = hook; }
inline TFaultHook FaultHook() { return FaultHookSlot(); }
