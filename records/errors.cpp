// The reporter of study-file failures. The library installs one that shows a
// modal error box; without one, the lines go to stderr.
#include "records/errors.h"

#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

TErrorReporter& CurrentReporter() {
  static TErrorReporter reporter;
  return reporter;
}

}  // namespace

std::string FileProblemText(TFileProblem problem) {
  switch (problem) {
    case TFileProblem::InUse: return "Η μελέτη είναι ανοιχτή αλλού (από άλλο πρόγραμμα ή χρήστη).";
    case TFileProblem::NoPermission: return "Δεν υπάρχει άδεια πρόσβασης στο αρχείο ή στον φάκελό του.";
    case TFileProblem::IoError: return "Σφάλμα εισόδου/εξόδου του δίσκου.";
    case TFileProblem::NotRegular: return "Δεν είναι κανονικό αρχείο.";
    case TFileProblem::NameTooLong: return "Το όνομα του αρχείου είναι πολύ μεγάλο.";
    case TFileProblem::DiskFull: return "Δεν υπάρχει χώρος στον δίσκο.";
    case TFileProblem::TooLarge: return "Το αρχείο είναι μεγαλύτερο από κάθε αρχείο μελέτης.";
    case TFileProblem::Damaged: return "Το αρχείο είναι κατεστραμμένο ή δεν είναι αρχείο μελέτης.";
    case TFileProblem::NoName: return "Δεν δόθηκε όνομα αρχείου.";
    case TFileProblem::Other: break;
  }
  return "Σφάλμα συστήματος.";
}

TFileProblem FileProblemOfErrno(int err) {
  switch (err) {
    case EWOULDBLOCK: return TFileProblem::InUse;
    case EACCES:
    case EPERM:
    case EROFS: return TFileProblem::NoPermission;
    case EIO: return TFileProblem::IoError;
    case EISDIR:
    case ENXIO:
    case ENODEV: return TFileProblem::NotRegular;
    case ENAMETOOLONG: return TFileProblem::NameTooLong;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return TFileProblem::DiskFull;
    default: return TFileProblem::Other;
  }
}

TErrorReporter SetErrorReporter(TErrorReporter reporter) {
  return std::exchange(CurrentReporter(), std::move(reporter));
}

void ReportStreamError(const std::string& line1, const std::string& line2, const std::string& reason) {
  const TErrorReporter& reporter = CurrentReporter();
  if (reporter) {
    reporter(line1, line2, reason);
    return;
  }
  std::fprintf(stderr, "%s\n%s\n", line1.c_str(), line2.c_str());
  if (!reason.empty()) std::fprintf(stderr, "%s\n", reason.c_str());
  std::fflush(stderr);
}

void ReportStreamWarning(const std::string& text) {
  std::fprintf(stderr, "WinFlox03RDll: %s\n", text.c_str());
  std::fflush(stderr);
}
