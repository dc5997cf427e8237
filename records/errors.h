// Why a study file could not be read or written: the exception the file
// layer throws, the problem the user is told about in Greek, and the two
// lines of the error box the library shows for a failed save (001) or load
// (002).
#pragma once

#include <stdexcept>
#include <string>

inline constexpr const char kSaveErrorLine1[] = "Internal error-MeltaStream-001";
inline constexpr const char kLoadErrorLine1[] = "Internal error-MeltaStream-002";
inline constexpr const char kFileErrorLine2[] = "cannot create file";

// Why a file operation failed, as far as the user can act on it.
enum class TFileProblem {
  Other,        // anything else: the system's own text goes with it
  InUse,        // another call, program or user holds the study
  NoPermission, // the user may not read, write or replace it
  IoError,      // the disk failed while reading or writing
  NotRegular,   // a folder, a device, a pipe: not an ordinary file
  NameTooLong,  // the name (or a part of it) is longer than the system allows
  DiskFull,     // no room left, or a size limit reached
  TooLarge,     // larger than any study can be
  Damaged,      // the bytes are not a study file
  NoName,       // no file name was given
};

// The reason in Greek, one line (UTF-8).
std::string FileProblemText(TFileProblem problem);

// A failure of a stream or a file, with the problem the user is told about.
class EStreamError : public std::runtime_error {
 public:
  explicit EStreamError(const std::string& what, TFileProblem problem = TFileProblem::Other)
      : std::runtime_error(what), problem_(problem) {}
  TFileProblem Problem() const { return problem_; }

 private:
  TFileProblem problem_;
};

// A record that cannot be read: bad signature, data ending early, unknown
// property, wrong value tag, a single character of another length.
class EReadError : public EStreamError {
 public:
  explicit EReadError(const std::string& what) : EStreamError(what, TFileProblem::Damaged) {}
};
