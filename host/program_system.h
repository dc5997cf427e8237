// What the flox03 program needs of its system beyond the library: its
// command line and its standard streams. One implementation per platform
// (program_posix.cpp, program_win32.cpp).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host::system {

// The program's arguments as the library takes file names: bytes as they
// came on Linux; on Windows the wide command line in the ANSI code page.
// nullopt, after saying why on stderr, for an argument that the code page
// cannot hold (a file of that name cannot be given to the library).
std::optional<std::vector<std::string>> ProgramArguments(int argc, char** argv);

// Standard input and output pass bytes unchanged (no line-end translation).
void UseBinaryStandardStreams();

}  // namespace host::system
