// Helpers shared by the study document tests and the host tests: scratch
// folders, file bytes, and study files built by hand from the record tables.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "records/page_record.h"
#include "records/properties.h"
#include "records/study_slots.h"
#include "support/test_system.h"

namespace studytest {


// The type defaults, spelt out byte by byte in code page 1253.
// "την 3/81 Π.Δ."
inline const std::string kDefault1 = "\xF4\xE7\xED 3/81 \xD0.\xC4.";
// "την 8/97 Π.Δ."
inline const std::string kDefault2 = "\xF4\xE7\xED 8/97 \xD0.\xC4.";
// "  Π.Δ. 71/88  Αρθρο11  και Απόφ. 5905/Φ15/839  ΦΕΚ611/12/7/95"
inline const std::string kDefault3 =
    "  \xD0.\xC4. 71/88  \xC1\xF1\xE8\xF1\xEF" "11  \xEA\xE1\xE9 \xC1\xF0\xFC\xF6. 5905/\xD6" "15/839  \xD6\xC5\xCA"
    "611/12/7/95";

inline const TRecordClass& ClassOf(int slot) {
  return StudySlotClass(slot);
}

inline void PutShortString(std::string& out, const std::string& s) {
  out += static_cast<char>(s.size());
  out += s;
}

// One component stream written by hand: the values given by name, every
// other text empty (left out) and every other character a blank.
inline std::string RecordBytes(const TRecordClass& cls, const std::map<std::string, std::string>& values = {}) {
  std::string out = "TPF0";
  PutShortString(out, cls.className);
  out += '\0';
  for (const TPropInfo& prop : cls.props) {
    const auto it = values.find(prop.name);
    std::string value = it != values.end() ? it->second : (prop.kind == TPropKind::Char ? " " : "");
    if (prop.kind == TPropKind::Text && value.empty()) continue;
    PutShortString(out, prop.name);
    out += '\x06';
    PutShortString(out, value);
  }
  out += '\0';
  out += '\0';
  return out;
}

// A new study file of the given study type (low byte), by the rules: every
// record constructed, the one default of the type in place.
inline std::string NewStudyFileBytes(std::uint32_t studyType) {
  const std::uint8_t type = studyType & 0xFF;
  std::string out;
  for (int slot = 1; slot <= 19; ++slot) {
    std::map<std::string, std::string> values;
    if (slot == 1 && type == 1) values["Suntaxh"] = kDefault1;
    if (slot == 1 && type == 2) values["Suntaxh"] = kDefault2;
    if (slot == 7 && type == 3) values["Suntaxh"] = kDefault3;
    out += RecordBytes(ClassOf(slot), values);
  }
  return out;
}

// The Greek letters of code page 1253 (capitals C1..D9 without the hole at
// D2, small letters DC..FE).
inline std::string GreekLetters() {
  std::string letters;
  for (int b = 0xC1; b <= 0xD9; ++b)
    if (b != 0xD2) letters += static_cast<char>(b);
  for (int b = 0xDC; b <= 0xFE; ++b) letters += static_cast<char>(b);
  return letters;
}

// A Greek text of exactly `length` bytes that differs with the seed.
inline std::string GreekText(std::size_t length, std::size_t seed) {
  static const std::string letters = GreekLetters();
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    text += (i % 7 == 6) ? ' ' : letters[(seed * 13 + i) % letters.size()];
  }
  if (!text.empty()) text.back() = letters[seed % letters.size()];
  return text;
}

class TempDir {
 public:
  TempDir() : path_(flox_test::sys::MakeScratchFolder("flox-test-")) {}
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::size_t FileCount(const TempDir& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++n;
  return n;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

inline std::size_t CountOf(const std::string& haystack, const std::string& needle) {
  std::size_t n = 0;
  for (auto pos = haystack.find(needle); pos != std::string::npos; pos = haystack.find(needle, pos + 1)) ++n;
  return n;
}

}  // namespace studytest
