// Why a study file could not be read or written: the exception the file
// layer throws, the problem the user is told about in Greek, and the two
// lines of the error box the library shows for a failed save (001) or load
// (002).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

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
  BadName,      // a name the system cannot take: not text of its code page
};

// The reason in Greek, one line (UTF-8).
std::string FileProblemText(TFileProblem problem);

// A text, typically a file name, fit to print in a message line: control
// characters (C0, DEL and the C1 controls) and bytes that are no UTF-8 are
// written as escapes (\n, \r, \t, \xNN), so that a name can neither break
// the line nor send the terminal a command of its own. Anything else stays
// as it is.
std::string PrintableText(std::string_view text);

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
