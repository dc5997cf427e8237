// Screen text <-> record bytes. The controls hold Unicode text; the records
// hold code page 1253 bytes. Every character a control accepts has exactly one
// byte, so what is stored is exactly what the user saw.
#pragma once

#include <string>
#include <string_view>

#include <QString>
#include <QStringList>

namespace dlg {

// True when the character can be stored: code page 1253 holds it, or it is
// the stand-in for one of the few bytes the code page leaves undefined (such
// bytes can only come from a file, and they survive a load and a store).
bool IsStorable(char32_t codePoint);
// True when every character of the text can be stored (surrogate pairs, and
// so every character outside the Basic Multilingual Plane, cannot).
bool IsStorable(const QString& text);
// The text without the characters that cannot be stored.
QString StorableOnly(const QString& text);

// Input (typed, pasted, dropped or composed) made storable: the text to
// insert, the characters left out (each once, in order of first sight) and
// whether the room cut it short.
struct TAdmitted {
  QString text;
  QString leftOut;
  QStringList changed;  // "ő → o", each once, in order of first sight
  bool cut = false;
};
// Makes input storable. Decomposed letters are composed first. A Latin letter
// with a diacritic the code page lacks keeps its base letter (é -> e); every
// other character the code page cannot hold is left out, control characters
// without a word. singleLine: line breaks (CR LF counting as one) and tabs
// become single blanks; otherwise every line break becomes LF and takes two
// of the room, as CR LF does when stored. room: the most characters the
// input may take (line breaks counting as above).
TAdmitted AdmitInput(const QString& input, bool singleLine, int room);

// Record bytes to screen text, byte for byte; an undefined byte becomes its
// private-use stand-in so that storing the text gives the same byte back.
QString FromRecordBytes(std::string_view bytes);
// Screen text to record bytes, one byte per character. A character that
// cannot be stored (the controls never let one in) becomes '?'.
std::string ToRecordBytes(const QString& text);

}  // namespace dlg
