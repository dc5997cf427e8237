// Code page 1253 (Greek) <-> Unicode. Records, the study file and the
// report captions hold code page 1253 bytes; the screen and JSON use Unicode.
//
// Seventeen bytes are no character of the code page (81, 88, 8A, 8C-90, 98,
// 9A, 9C-9F, AA, D2, FF), yet a study written by another program may hold
// them. The UTF-8 conversions keep them: each becomes the character the
// Windows conversion of the code page gives it (the C1 control of the same
// value for those from 80 to 9F, U+F8F9, U+F8FA and U+F8FB of the private use
// area for AA, D2 and FF), and that character becomes the byte again. Screens
// and printed pages use the code page's own characters only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The Unicode code point of a byte; 0 for the few bytes the code page leaves undefined.
char32_t Cp1253ToUnicode(std::uint8_t byte);
// The byte of a code point, or -1 when code page 1253 cannot hold it.
int UnicodeToCp1253(char32_t codePoint);

// The character of any byte: the code page's own, or for an undefined byte
// the one the Windows conversion gives it; and its way back (-1 for a
// character that is neither).
char32_t Cp1253ToUnicodeLossless(std::uint8_t byte);
int LosslessUnicodeToCp1253(char32_t codePoint);

// Bytes of code page 1253 to UTF-8, every byte kept (undefined ones as above).
std::string Cp1253ToUtf8(std::string_view bytes);
// UTF-8 to code page 1253, the exact reverse of Cp1253ToUtf8. Returns false
// when the input is not valid UTF-8 or holds a character the code page cannot
// hold; *badOffset is then the byte offset of that character in the input.
bool Utf8ToCp1253(std::string_view utf8, std::string& out, std::size_t* badOffset = nullptr);
