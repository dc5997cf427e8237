// The program's command line and streams on Windows. The command line is
// read wide and converted to the ANSI code page, in which the library takes
// file names; an argument with a character the code page has not is
// refused rather than turned into another name.
#include "host/program_system.h"
#include "records/wide_text_win32.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h:
#include <shellapi.h>

#include <cstdio>

namespace host::system {

std::optional<std::vector<std::string>> ProgramArguments(int /*argc*/, char** /*argv*/) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) {
    std::fprintf(stderr, "flox03: the command line cannot be read\n");
    return std::nullopt;
  }
  std::vector<std::string> args;
  for (int i = 0; i < count; ++i) {
    const std::wstring arg = wide[i];
    std::string ansi;
    BOOL lossy = FALSE;
    if (!arg.empty()) {
      const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, arg.data(), static_cast<int>(arg.size()), nullptr,
                                          0, nullptr, &lossy);
      ansi.resize(static_cast<std::size_t>(n > 0 ? n : 0));
      if (n > 0)
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, arg.data(), static_cast<int>(arg.size()), ansi.data(), n,
                              nullptr, &lossy);
      lossy = lossy || n <= 0;
    }
    if (lossy) {
      std::fprintf(stderr,
                   "flox03: \"%s\" has characters that this system's code page (%u) cannot hold; a study file name "
                   "must be written in it (rename the file or its folder)\n",
                   Utf8Of(arg).c_str(), ::GetACP());
      ::LocalFree(wide);
      return std::nullopt;
    }
    args.push_back(std::move(ansi));
  }
  ::LocalFree(wide);
  return args;
}

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace host::system
