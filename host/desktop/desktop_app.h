// `flox03 open [FILE]`: the desktop window over the user's settings; with
// FILE, that study is added to the list and opened for editing.
#pragma once

#include <string>

#include "host/library.h"

namespace host {
int RunDesktop(const TLibrary& lib, int argc, char** argv, const std::string& file);
}  // namespace host
