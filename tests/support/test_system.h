// What the tests need of the system they run on, beyond the library's own
// layers: one implementation per platform (test_system_posix.cpp,
// test_system_win32.cpp).
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace flox_test::sys {

// A new, empty folder under the system's temporary folder, its name
// starting with `prefix`.
std::filesystem::path MakeScratchFolder(const std::string& prefix);

// Why this system has no named pipes in folders (FIFOs), for a test to say
// when it skips; nullptr where it has them.
const char* NoFifos();
// Makes a FIFO of that name; throws when it cannot.
void MakeFifo(const std::string& name);

// Sets an environment variable of this process; an empty value removes it.
void SetEnv(const std::string& name, const std::string& value);

// The local date and time of `t` as "YYYYMMDD-HHMMSS".
std::string LocalStamp(std::time_t t);

// The code point the system's own converter gives one byte of code page
// 1253; 0 when the code page leaves the byte undefined, 0xFFFFFFFF when the
// system has no such converter.
char32_t SystemCp1253(unsigned char byte);

// Why this system lacks what a test needs, for the test to say when it
// skips; nullptr where it has it: devices that fill up or never end
// (/dev/full, /dev/zero); an X11 display to choose; the dynamic symbol
// table that nm lists.
const char* NoEndlessDevices();
const char* NoX11();
const char* NoElfSymbols();
// ... and the user's folders chosen through XDG settings and HOME; file
// names in UTF-8.
const char* NoXdgFolders();
const char* NoUtf8Names();

// The null device, for input that is empty at once.
const char* NullDevice();

// The file of the library in the build's program folder.
std::string LibraryFile(const std::string& folder);
// Loads a shared library for the life of the process; nullptr, with the
// system's reason in *error, when it cannot.
void* LoadSharedLibrary(const std::string& path, std::string* error);
void* SharedSymbol(void* library, const char* name);

using TEnvironment = std::vector<std::pair<std::string, std::string>>;  // "" removes a variable

// What the system's programs' file names end in ("" or ".exe").
const char* ProgramSuffix();

// Runs a program (by its path, or found as the system finds programs) with
// the arguments, its environment changed as given, its standard input from
// the file `in` and its output and errors into the files `out` and `err`. Returns its exit status (128 + the signal when killed).
int RunProgram(const std::string& program, const std::vector<std::string>& args, const TEnvironment& env,
               const std::string& in, const std::string& out, const std::string& err);

// How a test starts a command-line tool (poppler's pdfinfo, pdftotext...):
// the program to start, and a file name as the tool takes it. Under wine the
// tools are the build machine's own, started by their Unix path, and take
// Unix names.
std::string ToolProgram(const std::string& tool);
std::string ToolFileName(const std::string& utf8Name);

}  // namespace flox_test::sys
