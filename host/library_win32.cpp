// Loading the library on Windows: LoadLibraryExW and GetProcAddress, from
// wide names.
#include "host/library_system.h"

#include <windows.h>

#include <string>

namespace host::system {
namespace {

std::wstring WideOf(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Utf8Of(const wchar_t* wide, std::size_t size) {
  if (size == 0) return {};
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(size), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(size), out.data(), n, nullptr, nullptr);
  return out;
}

// The system's own text for an error, without its line end.
std::string ErrorText(DWORD err) {
  wchar_t* text = nullptr;
  const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, err, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string out = n > 0 && text != nullptr ? Utf8Of(text, n) : std::string();
  if (text != nullptr) ::LocalFree(text);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' ')) out.pop_back();
  return out.empty() ? "error " + std::to_string(err) : out;
}

}  // namespace

const char* LibraryFileName() { return "WinFlox03RDll.dll"; }

std::string ExecutableFolder() {
  wchar_t path[32768];
  const DWORD n = ::GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  if (n == 0 || n >= std::size(path)) return ".";
  std::string folder = Utf8Of(path, n);
  const auto slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? "." : folder.substr(0, slash);
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesW(WideOf(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A library named by its path brings the DLLs it needs from its own folder
// first (LOAD_WITH_ALTERED_SEARCH_PATH), as a host that loads it from
// elsewhere needs.
void* OpenLibrary(const std::string& path, std::string* error) {
  const bool hasFolder = path.find_first_of("\\/") != std::string::npos;
  HMODULE module = ::LoadLibraryExW(WideOf(path).c_str(), nullptr, hasFolder ? LOAD_WITH_ALTERED_SEARCH_PATH : 0);
  if (module == nullptr && error != nullptr) *error = ErrorText(::GetLastError());
  return reinterpret_cast<void*>(module);
}

void* Symbol(void* library, const char* name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

}  // namespace host::system
