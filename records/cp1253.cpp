// Code page 1253 (Greek): the upper half of the code page as a table, the
// reverse look-up, and the conversions to and from UTF-8.
#include "records/cp1253.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Bytes 80..FF; 0 marks the bytes the code page leaves undefined
// (81, 88, 8A, 8C-90, 98, 9A, 9C-9F, AA, D2, FF).
constexpr std::array<char16_t, 128> kUpperHalf = {
    // 80
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0, 0x2030, 0, 0x2039, 0, 0, 0, 0,
    // 90
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0, 0x2122, 0, 0x203A, 0, 0, 0, 0,
    // A0
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,
    // B0
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,
    // C0: iota with dialytika and tonos, then capital alpha to omicron
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,
    // D0: capital pi, rho, (no final capital sigma), sigma to omega, ...
    0x03A0, 0x03A1, 0, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,
    // E0: small letters
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,
    // F0
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,
};

struct TReverseEntry {
  char16_t codePoint;
  std::uint8_t byte;
};

// The defined upper-half bytes sorted by code point, for a binary search.
constexpr auto kReverse = [] {
  constexpr std::size_t defined = [] {
    std::size_t n = 0;
    for (char16_t c : kUpperHalf) n += c != 0;
    return n;
  }();
  std::array<TReverseEntry, defined> out{};
  std::size_t n = 0;
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
    if (kUpperHalf[i] != 0) out[n++] = {kUpperHalf[i], static_cast<std::uint8_t>(0x80 + i)};
  std::sort(out.begin(), out.end(), [](const TReverseEntry& a, const TReverseEntry& b) { return a.codePoint < b.codePoint; });
  return out;
}();

// The characters the Windows conversion gives the three undefined bytes
// above 9F; the undefined bytes from 80 to 9F become the C1 control of the
// same value.
struct TStandIn {
  std::uint8_t byte;
  char32_t codePoint;
};
constexpr TStandIn kHighStandIns[] = {{0xAA, 0xF8F9}, {0xD2, 0xF8FA}, {0xFF, 0xF8FB}};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one well-formed UTF-8 sequence at text[i]; returns its length, or
// 0 when the bytes there are not well-formed (overlong forms, surrogates,
// values past U+10FFFF, stray or missing continuation bytes).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  const std::uint8_t b0 = byte(i);
  std::size_t len = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() - i < len) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const std::uint8_t b = byte(i + k);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

}  // namespace

char32_t Cp1253ToUnicode(std::uint8_t byte) {
  if (byte < 0x80) return byte;
  return kUpperHalf[byte - 0x80];
}

int UnicodeToCp1253(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<int>(codePoint);
  if (codePoint > 0xFFFF) return -1;
  const auto it = std::lower_bound(kReverse.begin(), kReverse.end(), codePoint,
                                   [](const TReverseEntry& e, char32_t cp) { return e.codePoint < cp; });
  if (it == kReverse.end() || it->codePoint != codePoint) return -1;
  return it->byte;
}

char32_t Cp1253ToUnicodeLossless(std::uint8_t byte) {
  if (const char32_t cp = Cp1253ToUnicode(byte); cp != 0 || byte == 0) return cp;
  if (byte < 0xA0) return byte;  // the C1 control of the same value
  for (const TStandIn& s : kHighStandIns)
    if (s.byte == byte) return s.codePoint;
  return 0;  // not reached: every undefined byte has its stand-in
}

int LosslessUnicodeToCp1253(char32_t codePoint) {
  const int byte = UnicodeToCp1253(codePoint);
  if (byte >= 0) return byte;
  if (codePoint >= 0x80 && codePoint <= 0x9F) {
    return Cp1253ToUnicode(static_cast<std::uint8_t>(codePoint)) == 0 ? static_cast<int>(codePoint) : -1;
  }
  for (const TStandIn& s : kHighStandIns)
    if (s.codePoint == codePoint) return s.byte;
  return -1;
}

std::string Cp1253ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) AppendUtf8(out, Cp1253ToUnicodeLossless(static_cast<std::uint8_t>(c)));
  return out;
}

bool Utf8ToCp1253(std::string_view utf8, std::string& out, std::size_t* badOffset) {
  std::string result;
  result.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(utf8, i, cp);
    const int byte = len == 0 ? -1 : LosslessUnicodeToCp1253(cp);
    if (byte < 0) {
      if (badOffset) *badOffset = i;
      return false;
    }
    result.push_back(static_cast<char>(byte));
    i += len;
  }
  out = std::move(result);
  if (badOffset) *badOffset = 0;
  return true;
}
