// Published-property tables: every page record is described by one table of
// its properties in declaration order, which is also the order of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

enum class TPropKind : std::uint8_t {
  Text,  // text of at most maxLen characters (2..255), written only when not empty
  Char,  // one character, always written as a short text of length 1
};

struct TPropInfo {
  const char* name;  // ASCII, exact letters of the file format
  TPropKind kind;
  std::uint8_t maxLen;  // Text: its maximum; Char: 1
};

struct TRecordClass {
  const char* className;  // e.g. "TFlox03Pg1Data"
  std::span<const TPropInfo> props;

  // Index of the property of that name, ASCII letters compared without
  // regard to case; -1 when the class has no such property.
  int IndexOf(std::string_view name) const;
};
