// The tests' system layer on Windows.
#include "support/test_system.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <stdexcept>

namespace flox_test::sys {

std::filesystem::path MakeScratchFolder(const std::string& prefix) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const std::filesystem::path folder =
        base / (prefix + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++));
    if (::CreateDirectoryW(folder.wstring().c_str(), nullptr)) return folder;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw std::runtime_error("cannot make a scratch folder");
}

const char* NoFifos() { return "Windows has no named pipes in folders (FIFOs)"; }

void MakeFifo(const std::string& name) { throw std::runtime_error("no FIFO can be made on Windows: " + name); }

void SetEnv(const std::string& name, const std::string& value) {
  ::_putenv_s(name.c_str(), value.c_str());  // an empty value removes it
}

std::string LocalStamp(std::time_t t) {
  std::tm local{};
  ::localtime_s(&local, &t);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return stamp;
}

char32_t SystemCp1253(unsigned char byte) {
  const char in = static_cast<char>(byte);
  wchar_t out[2] = {};
  if (::MultiByteToWideChar(1253, MB_ERR_INVALID_CHARS, &in, 1, out, 2) != 1) return 0;
  // The bytes the code page leaves undefined come back as C1 controls or
  // private-use characters, stand-ins of Windows' own.
  const bool standIn = (byte >= 0x80 && out[0] >= 0x80 && out[0] <= 0x9F) || (out[0] >= 0xE000 && out[0] <= 0xF8FF);
  return standIn ? 0 : out[0];
}

const char* NoEndlessDevices() { return "Windows has no /dev/full or /dev/zero"; }
const char* NoX11() { return "Windows has no X11 display to choose"; }
const char* NoElfSymbols() { return "a DLL has an export table, not an ELF dynamic symbol table"; }
const char* NoUtf8Names() {
  return "file names are ANSI code page text, one byte a character: no cut can fall inside one";
}
const char* NoXdgFolders() { return "Windows takes the documents folder from the shell, not from XDG settings"; }
const char* NullDevice() { return "NUL"; }

std::string LibraryFile(const std::string& folder) { return folder + "/WinFlox03RDll.dll"; }

namespace {

std::wstring WideOf(const std::string& text, UINT codePage) {
  if (text.empty()) return {};
  const int n = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

// One argument as CommandLineToArgvW reads it back.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

HANDLE Inheritable(const std::string& name, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return ::CreateFileW(WideOf(name, CP_ACP).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

namespace {

// wine's own export that gives the Unix name of a Windows name; null on Windows.
using TUnixName = char* (*)(const wchar_t*);
TUnixName WineUnixName() {
  static const auto function = reinterpret_cast<TUnixName>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  return function;
}

}  // namespace

void* LoadSharedLibrary(const std::string& path, std::string* error) {
  HMODULE module = ::LoadLibraryExW(WideOf(path, CP_ACP).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (module == nullptr && error != nullptr) *error = "LoadLibraryExW failed with error " + std::to_string(::GetLastError());
  return reinterpret_cast<void*>(module);
}

void* SharedSymbol(void* library, const char* name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

// The arguments go in the ANSI code page, as the program reads them back;
// the environment is changed in this process for the child to inherit, and
// restored afterwards.
const char* ProgramSuffix() { return ".exe"; }

namespace {

// A program of the machine wine runs on: wine starts it, but gives back no
// handle to wait for nor its exit status. A shell runs it instead, with its
// output going where it was asked, and leaves the status in a file of its
// own, which is waited for.
std::string SingleQuoted(const std::string& arg) {
  std::string out = "'";
  for (const char c : arg) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

int RunUnixProgram(const std::string& program, const std::vector<std::string>& args, const std::string& out,
                   const std::string& err) {
  const std::string status = out + ".status";
  ::DeleteFileW(WideOf(status, CP_UTF8).c_str());
  std::string line = SingleQuoted(program);
  for (const std::string& a : args) line += " " + SingleQuoted(a);
  line += " </dev/null >" + SingleQuoted(ToolFileName(out)) + " 2>" + SingleQuoted(ToolFileName(err)) +
          "; echo $? >" + SingleQuoted(ToolFileName(status) + ".part") + " && mv " +
          SingleQuoted(ToolFileName(status) + ".part") + " " + SingleQuoted(ToolFileName(status));
  std::wstring commandLine = L"/bin/sh -c " + Quoted(WideOf(line, CP_UTF8));
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process))
    return 127;
  if (process.hThread != nullptr) ::CloseHandle(process.hThread);
  if (process.hProcess != nullptr) ::CloseHandle(process.hProcess);
  for (int waited = 0; waited < 120000; waited += 20) {
    const HANDLE h = ::CreateFileW(WideOf(status, CP_UTF8).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      char text[16] = {};
      DWORD n = 0;
      ::ReadFile(h, text, sizeof text - 1, &n, nullptr);
      ::CloseHandle(h);
      ::DeleteFileW(WideOf(status, CP_UTF8).c_str());
      return std::atoi(text);
    }
    ::Sleep(20);
  }
  return 124;
}

}  // namespace

int RunProgram(const std::string& program, const std::vector<std::string>& args, const TEnvironment& env,
               const std::string& in, const std::string& out, const std::string& err) {
  if (WineUnixName() != nullptr && !program.empty() && program[0] == '/' && env.empty())
    return RunUnixProgram(program, args, out, err);
  std::wstring commandLine = Quoted(WideOf(program, CP_ACP));
  for (const std::string& a : args) commandLine += L" " + Quoted(WideOf(a, CP_ACP));
  std::vector<std::pair<std::wstring, std::wstring>> saved;
  for (const auto& [name, value] : env) {
    const std::wstring wideName = WideOf(name, CP_UTF8);
    wchar_t old[32768];
    const DWORD n = ::GetEnvironmentVariableW(wideName.c_str(), old, 32768);
    saved.emplace_back(wideName, n > 0 && n < 32768 ? std::wstring(old, n) : std::wstring());
    ::SetEnvironmentVariableW(wideName.c_str(), value.empty() ? nullptr : WideOf(value, CP_UTF8).c_str());
  }
  STARTUPINFOW start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdInput = Inheritable(in, GENERIC_READ, OPEN_EXISTING);
  start.hStdOutput = Inheritable(out, GENERIC_WRITE, CREATE_ALWAYS);
  start.hStdError = Inheritable(err, GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION process{};
  // Found by the command line (no application name), so that wine also
  // starts a program of the machine it runs on by its Unix name.
  const BOOL started =
      ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process);
  for (const auto& [name, value] : saved) ::SetEnvironmentVariableW(name.c_str(), value.empty() ? nullptr : value.c_str());
  for (HANDLE h : {start.hStdInput, start.hStdOutput, start.hStdError})
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
  if (!started) return 127;
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

std::string ToolProgram(const std::string& tool) { return WineUnixName() != nullptr ? "/usr/bin/" + tool : tool; }

std::string ToolFileName(const std::string& utf8Name) {
  const TUnixName unixName = WineUnixName();
  if (unixName == nullptr) return utf8Name;
  char* name = unixName(WideOf(utf8Name, CP_UTF8).c_str());
  if (name == nullptr) return utf8Name;
  std::string out = name;
  ::HeapFree(::GetProcessHeap(), 0, name);
  return out;
}

}  // namespace flox_test::sys
