// The program's command line and streams on Linux: bytes as they are.
#include "host/program_system.h"

namespace host::system {

std::optional<std::vector<std::string>> ProgramArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void UseBinaryStandardStreams() {}

}  // namespace host::system
