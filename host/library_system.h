// How the host finds and loads a shared library on its system: one
// implementation per platform (library_posix.cpp with dlopen,
// library_win32.cpp with LoadLibraryW). Paths are UTF-8.
#pragma once

#include <string>

namespace host::system {

// The library's file name on this system ("libWinFlox03RDll.so",
// "WinFlox03RDll.dll").
const char* LibraryFileName();

// The folder of this program's executable.
std::string ExecutableFolder();

bool FileExists(const std::string& path);

// Loads the library at `path` (a bare file name: as the system's loader finds
// it) for the life of the process; nullptr with *error set when it cannot.
void* OpenLibrary(const std::string& path, std::string* error);

// The address of an export, nullptr when there is none.
void* Symbol(void* library, const char* name);

}  // namespace host::system
