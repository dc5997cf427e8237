// Code page 1253 (Greek) <-> Unicode. Records, the study file and the
// report captions hold code page 1253 bytes; the screen and JSON use Unicode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The Unicode code point of a byte; 0 for the few bytes the code page leaves undefined.
char32_t Cp1253ToUnicode(std::uint8_t byte);
// The byte of a code point, or -1 when code page 1253 cannot hold it.
int UnicodeToCp1253(char32_t codePoint);

// Bytes of code page 1253 to UTF-8 (undefined bytes become U+FFFD).
std::string Cp1253ToUtf8(std::string_view bytes);
// UTF-8 to code page 1253. Returns false when the input is not valid UTF-8 or
// holds a character the code page cannot hold; *badOffset is then the byte
// offset of that character in the input.
bool Utf8ToCp1253(std::string_view utf8, std::string& out, std::size_t* badOffset = nullptr);
