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
    case TFileProblem::BadName: return "Το όνομα του αρχείου έχει χαρακτήρες που δεν δέχεται το σύστημα.";
    case TFileProblem::Other: break;
  }
  return "Σφάλμα συστήματος.";
}

std::string PrintableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  auto escape = [&out](unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    switch (c) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
    }
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      if (c < 0x20 || c == 0x7F) {
        escape(c);
      } else {
        out += static_cast<char>(c);
      }
      ++i;
      continue;
    }
    // The length of a well-formed sequence starting here, or 0.
    const std::size_t len = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    bool wellFormed = len != 0 && i + len <= text.size();
    for (std::size_t k = 1; wellFormed && k < len; ++k) {
      wellFormed = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (wellFormed && len >= 3) {  // no overlong form, surrogate or value past U+10FFFF
      const auto c1 = static_cast<unsigned char>(text[i + 1]);
      wellFormed = !(c == 0xE0 && c1 < 0xA0) && !(c == 0xED && c1 >= 0xA0) && !(c == 0xF0 && c1 < 0x90) &&
                   !(c == 0xF4 && c1 >= 0x90);
    }
    const bool c1Control = wellFormed && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if (!wellFormed || c1Control) {
      const std::size_t n = wellFormed ? len : 1;
      for (std::size_t k = 0; k < n; ++k) escape(static_cast<unsigned char>(text[i + k]));
      i += n;
    } else {
      out.append(text.substr(i, len));
      i += len;
    }
  }
  return out;
}
