// How the file operations report a failure: two lines, and the reason in
// Greek on a line of its own, shown by whoever installed a reporter (a modal
// error box in the library, a captured status in the C API); by default they
// go to stderr.
#pragma once

#include <functional>
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
};

// The reason in Greek, one line (UTF-8).
std::string FileProblemText(TFileProblem problem);
// The problem an errno value stands for.
TFileProblem FileProblemOfErrno(int err);

using TErrorReporter =
    std::function<void(const std::string& line1, const std::string& line2, const std::string& reason)>;

// Installs a reporter and returns the one it replaces (an empty function
// restores the stderr default).
TErrorReporter SetErrorReporter(TErrorReporter reporter);
void ReportStreamError(const std::string& line1, const std::string& line2, const std::string& reason = {});
// A note that does not fail the operation (stderr only, control characters
// escaped).
void ReportStreamWarning(const std::string& text);

// A text, typically a file name, fit to print in a message line: control
// characters (C0, DEL and the C1 controls) and bytes that are no UTF-8 are
// written as escapes (\n, \r, \t, \xNN), so that a name can neither break
// the line nor send the terminal a command of its own. Anything else stays
// as it is.
std::string PrintableText(std::string_view text);

// Installs a reporter for the lifetime of the guard.
class TErrorReporterScope {
 public:
  explicit TErrorReporterScope(TErrorReporter reporter) : previous_(SetErrorReporter(std::move(reporter))) {}
  ~TErrorReporterScope() { SetErrorReporter(std::move(previous_)); }
  TErrorReporterScope(const TErrorReporterScope&) = delete;
  TErrorReporterScope& operator=(const TErrorReporterScope&) = delete;

 private:
  TErrorReporter previous_;
};
