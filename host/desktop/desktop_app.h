// `flox03 open [FILE]`: the desktop window over the user's settings; with
// FILE, that study is added to the list and opened for editing. Runs in the
// program's QApplication, made before on a display a user can see.
#pragma once

#include <string>

#include "host/library.h"

namespace host {
int RunDesktop(const TLibrary& lib, const std::string& file);
}  // namespace host
