#include "dialogs/text_codec.h"

#include <QList>

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

namespace {

bool IsBreak(char32_t c) { return c == U'\n' || c == U'\r' || c == 0x2028 || c == 0x2029; }

// The storable base letter of a Latin letter with a diacritic, or 0.
char32_t LatinBase(char32_t c) {
  const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
  const QList<uint> parts = decomposed.toUcs4();
  if (parts.size() < 2 || QChar::script(parts.front()) != QChar::Script_Latin || !IsStorable(parts.front()))
    return 0;
  for (qsizetype i = 1; i < parts.size(); ++i)
    if (!QChar::isMark(parts[i])) return 0;
  return parts.front();
}

}  // namespace

TAdmitted AdmitInput(const QString& input, bool singleLine, int room) {
  TAdmitted out;
  const QList<uint> chars = input.normalized(QString::NormalizationForm_C).toUcs4();
  auto take = [&](char32_t c, int cost) {
    if (cost > room) {
      out.cut = true;
      return;
    }
    out.text.append(QChar(static_cast<char16_t>(c)));
    room -= cost;
  };
  for (qsizetype i = 0; i < chars.size() && !out.cut; ++i) {
    const char32_t c = chars[i];
    if (IsBreak(c) || (singleLine && c == U'\t')) {
      if (c == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n') ++i;
      if (singleLine) {
        take(U' ', 1);
      } else {
        take(U'\n', 2);
      }
    } else if (c < 0x20 || c == 0x7F) {
      if (c == U'\t') take(c, 1);  // a memo keeps its tabs
    } else if (IsStorable(c) && c != 0) {
      take(c, 1);
    } else if (const char32_t base = LatinBase(c)) {
      take(base, 1);
      const QString change = QString::fromUcs4(&c, 1) + QStringLiteral(" → ") + QString::fromUcs4(&base, 1);
      if (!out.cut && !out.changed.contains(change)) out.changed << change;
    } else if (!QChar::isMark(c) || out.text.isEmpty()) {
      // A lone combining mark after a kept letter is part of that letter.
      const QString shown = QString::fromUcs4(&c, 1);
      if (!out.leftOut.contains(shown)) out.leftOut.append(shown);
    }
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
