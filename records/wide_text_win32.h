// UTF-8 and Windows' wide (UTF-16) text, both ways: for messages, and for the
// tests and the program that meet wide names. Windows only; defined in
// file_system_win32.cpp.
#pragma once

#include <string>

std::string Utf8Of(const std::wstring& wide);
std::wstring WideOfUtf8(const std::string& utf8);
