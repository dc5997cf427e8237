// Helpers shared by the study-file suites: the records of a whole study,
// byte helpers and a scratch folder.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "records/codec.h"
#include "records/cp1253.h"
#include "records/page_record.h"
#include "records/stream.h"
#include "records/study_slots.h"
#include "support/test_system.h"

namespace flox_test {

using Bytes = std::vector<std::uint8_t>;


inline std::string Cp(std::string_view utf8) {
  std::string out;
  if (!Utf8ToCp1253(utf8, out)) ADD_FAILURE() << "not representable in code page 1253: " << utf8;
  return out;
}

inline Bytes ToBytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

inline Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// A length byte and the characters.
inline Bytes Short(std::string_view s) {
  Bytes out(s.size() + 1);
  out[0] = static_cast<std::uint8_t>(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) out[i + 1] = static_cast<std::uint8_t>(s[i]);
  return out;
}

inline std::string Hex(const Bytes& b) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (std::uint8_t c : b) {
    if (!s.empty()) s += ' ';
    s += digits[c >> 4];
    s += digits[c & 15];
  }
  return s;
}

inline Bytes Saved(const TPageRecord& record) {
  TMemoryStream stream;
  WriteComponentStream(stream, record);
  return stream.Bytes();
}

// The nineteen records of a study, each of its slot's class.
struct TStudy {
  std::vector<TPageRecord> slots = NewStudyRecords();

  TPageRecord& operator[](int slot) { return slots.at(static_cast<std::size_t>(slot - 1)); }

  Bytes Save() const { return StudyBytes(slots); }
  // Loads records in order until one fails; returns how many loaded.
  int Load(TStream& stream) {
    int loaded = 0;
    for (TPageRecord& r : slots) {
      try {
        ReadComponentStream(stream, r);
      } catch (const EReadError&) {
        return loaded;
      }
      ++loaded;
    }
    return loaded;
  }
};

// Every field at its full length: Greek capitals from alpha on, varied by
// field so that two fields never hold the same text.
inline void FillFull(TPageRecord& record, int salt = 0) {
  const TRecordClass& cls = record.Class();
  for (std::size_t i = 0; i < cls.props.size(); ++i) {
    std::string value;
    for (std::size_t k = 0; k < cls.props[i].maxLen; ++k)
      value += static_cast<char>(0xC1 + (i + k + static_cast<std::size_t>(salt)) % 17);
    record.Set(i, value);
  }
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TScratchDir {
 public:
  TScratchDir() : path_(sys::MakeScratchFolder("flox-records-")) {}
  ~TScratchDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }
  // Names in the folder, sorted.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline Bytes ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& name, const Bytes& bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace flox_test
