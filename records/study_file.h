// One study file by its name: loading it, saving it safely, keeping a study
// that could not be read in a backup before it is replaced, sweeping away
// the temporary files of saves that were killed, and the lock that keeps
// every other opener out while a request works on the study.
//
// Every failure throws EStreamError with the problem the user is told about.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>

#include "records/file_system.h"
#include "records/page_record.h"

// No study file is larger than this, not even one with every text at its
// longest (about 40 KB): a larger file is refused without being read.
inline constexpr std::int64_t kMaxStudyFileSize = 1 << 20;

class TStudyFile {
 public:
  enum class TUse {
    // Reads the study: a shared lock from the load to the end, so reads go
    // together but not beside a request. Saving is not allowed.
    Read,
    // A whole request (an edit, an import): an exclusive lock from the load,
    // or from the save that creates the study, to the end, across the saves
    // that replace the file. Every other opener is refused at once.
    Request,
  };

  TStudyFile(std::string name, TUse use, TFileSystem& fileSystem = SystemFileSystem());
  ~TStudyFile();
  TStudyFile(const TStudyFile&) = delete;
  TStudyFile& operator=(const TStudyFile&) = delete;

  const std::string& Name() const { return name_; }

  // Reads the records, one component stream each, back to back. Returns
  // false when there is no such file (or no name): nothing is read, and that
  // is no failure. On a failure the records read before it keep what they
  // read, and the file stays locked all the same.
  bool Load(std::span<TPageRecord> records);

  // Writes the records. The file is replaced only once the new bytes are
  // safely on disk; a failed save leaves the file that was there untouched.
  // A study whose load failed is first kept in a backup beside it. A file
  // that another has put in the place of the study loaded (or saved) before
  // is never replaced: TFileProblem::InUse.
  //
  // The new study is a new file under the study's name. Returns how many
  // other names (hard links) the replaced file had: they keep the study as
  // it was before this save.
  std::uint32_t Save(std::span<const TPageRecord> records);

  // Whether another name leads to this study's file.
  bool IsSameFileAs(const std::string& otherName);

  // Lets the study go before the end.
  void Release();

 private:
  void WriteBackup(TFile& old, const TFileInfo& oldInfo, const std::string& target);
  void SweepStaleTemporaries(const std::string& folder, const std::string& target);

  std::string name_;
  TUse use_;
  TFileSystem& fs_;
  std::unique_ptr<TFile> held_;  // the locked study, from the load or first save
  // The file that is the study, once a load has locked it (or found that
  // there is none) or a save has written it.
  struct TKnown {
    std::optional<TFileId> id;  // none: there was no study
  };
  std::optional<TKnown> study_;
  // Set when a load failed: the next save over the study first keeps its
  // bytes in a backup.
  bool loadFailed_ = false;
};
