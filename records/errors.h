// How the file operations report a failure: two lines, shown by whoever
// installed a reporter (a modal error box in the library, a captured status
// in the C API); by default they go to stderr.
#pragma once

#include <functional>
#include <string>

inline constexpr const char kSaveErrorLine1[] = "Internal error-MeltaStream-001";
inline constexpr const char kLoadErrorLine1[] = "Internal error-MeltaStream-002";
inline constexpr const char kFileErrorLine2[] = "cannot create file";

using TErrorReporter = std::function<void(const std::string& line1, const std::string& line2)>;

// Installs a reporter and returns the one it replaces (an empty function
// restores the stderr default).
TErrorReporter SetErrorReporter(TErrorReporter reporter);
void ReportStreamError(const std::string& line1, const std::string& line2);

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
