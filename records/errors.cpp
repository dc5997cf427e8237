// The reporter of study-file failures. The library installs one that shows a
// modal error box; without one, both lines go to stderr.
#include "records/errors.h"

#include <cstdio>
#include <utility>

namespace {

TErrorReporter& CurrentReporter() {
  static TErrorReporter reporter;
  return reporter;
}

}  // namespace

TErrorReporter SetErrorReporter(TErrorReporter reporter) {
  return std::exchange(CurrentReporter(), std::move(reporter));
}

void ReportStreamError(const std::string& line1, const std::string& line2) {
  const TErrorReporter& reporter = CurrentReporter();
  if (reporter) {
    reporter(line1, line2);
    return;
  }
  std::fprintf(stderr, "%s\n%s\n", line1.c_str(), line2.c_str());
  std::fflush(stderr);
}
