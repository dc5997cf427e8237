#include "dialogs/text_codec.h"

#include "records/cp1253.h"

namespace dlg {
namespace {

// Undefined bytes of the code page are shown as U+F700 + byte.
constexpr char32_t kStandInBase = 0xF700;

int ByteOf(char32_t c) {
  if (c == 0) return 0;
  const int byte = UnicodeToCp1253(c);
  if (byte >= 0) return byte;
  if (c >= kStandInBase && c <= kStandInBase + 0xFF) {
    const int b = static_cast<int>(c - kStandInBase);
    if (Cp1253ToUnicode(static_cast<std::uint8_t>(b)) == 0) return b;
  }
  return -1;
}

}  // namespace

bool IsStorable(char32_t codePoint) { return ByteOf(codePoint) >= 0; }

bool IsStorable(const QString& text) {
  for (const QChar ch : text) {
    // A surrogate half is never storable, so looking at UTF-16 units suffices.
    if (ByteOf(ch.unicode()) < 0) return false;
  }
  return true;
}

QString StorableOnly(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar ch : text) {
    if (ByteOf(ch.unicode()) >= 0) out.append(ch);
  }
  return out;
}

QString FromRecordBytes(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char b : bytes) {
    const auto byte = static_cast<std::uint8_t>(b);
    char32_t c = byte == 0 ? 0 : Cp1253ToUnicode(byte);
    if (c == 0 && byte != 0) c = kStandInBase + byte;
    out.append(QChar(static_cast<char16_t>(c)));
  }
  return out;
}

std::string ToRecordBytes(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar ch : text) {
    const int byte = ByteOf(ch.unicode());
    out.push_back(byte >= 0 ? static_cast<char>(byte) : '?');
  }
  return out;
}

}  // namespace dlg
