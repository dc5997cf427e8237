// The Greek reasons of the file problems.
#include "records/errors.h"

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
