// flox03: a small host for libWinFlox03RDll.so. It loads the library from the
// folder of its own executable and uses nothing but the library's exports.
#include <dlfcn.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "flox03.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr const char kUsage[] =
    "Usage: flox03 COMMAND FILE [OPTIONS]\n"
    "\n"
    "Fills in, stores, previews and prints a fire-protection study file through\n"
    "libWinFlox03RDll.so (loaded from the folder of this program).\n"
    "\n"
    "Commands:\n"
    "  call FILE --type N --action A [--window ID]\n"
    "                     one Flox03A call: apply the defaults of study type N, load\n"
    "                     FILE or create it when missing, then by action A: 1 edit\n"
    "                     and save, 2 preview, 3 print, anything else nothing more\n"
    "  edit FILE --type N [--window ID]     the data-entry dialog (action 1)\n"
    "  preview FILE --type N [--window ID]  the whole report on screen (action 2)\n"
    "  print FILE --type N [--window ID]    the whole report on the printer (action 3)\n"
    "  dump FILE [--json]   every record of the study: one 'name = value' line per\n"
    "                     field (control characters escaped), or with --json the\n"
    "                     study as JSON\n"
    "  import FILE --json IN.json [--type N]\n"
    "                     write the slots and fields given in IN.json ('-': standard\n"
    "                     input) into FILE; a new FILE starts from the defaults of\n"
    "                     study type N (default 0: none)\n"
    "  pdf FILE --type N -o OUT.pdf\n"
    "                     write the whole report of study type N as a PDF file;\n"
    "                     a missing FILE is not created (the report shows the defaults)\n"
    "  --help             this text\n"
    "\n"
    "Study types: 1 and 2 general study, 3 industries and crafts, 4 existing hotels.\n"
    "Numbers may be decimal or 0x-hexadecimal; of N and A only the low byte counts.\n"
    "Exit status: 0 done, 1 the library reported a failure (also a message 001 or\n"
    "002 of call, edit, preview and print), 2 wrong command line.\n";

struct TUsageError {
  std::string message;
};

// The library's exports, resolved with dlsym.
struct TLibrary {
  decltype(&Flox03A) flox03A = nullptr;
  decltype(&InitDll) initDll = nullptr;
  decltype(&Flox03ExportJson) exportJson = nullptr;
  decltype(&Flox03ImportJson) importJson = nullptr;
  decltype(&Flox03ExportPdf) exportPdf = nullptr;
  decltype(&Flox03LastError) lastError = nullptr;
  decltype(&Flox03LastStatus) lastStatus = nullptr;
  decltype(&Flox03Free) freeText = nullptr;
};

std::string ExecutableFolder() {
  std::vector<char> buf(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return ".";
  std::string path(buf.data(), static_cast<std::size_t>(n));
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

template <class F>
bool Resolve(void* handle, const char* name, F* out) {
  *out = reinterpret_cast<F>(::dlsym(handle, name));
  if (*out == nullptr) std::fprintf(stderr, "flox03: the library has no export %s\n", name);
  return *out != nullptr;
}

std::optional<TLibrary> LoadLibrary() {
  const std::string path = ExecutableFolder() + "/libWinFlox03RDll.so";
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    std::fprintf(stderr, "flox03: cannot load %s: %s\n", path.c_str(), ::dlerror());
    return std::nullopt;
  }
  TLibrary lib;
  const bool ok = Resolve(handle, "Flox03A", &lib.flox03A) & Resolve(handle, "InitDll", &lib.initDll) &
                  Resolve(handle, "Flox03ExportJson", &lib.exportJson) &
                  Resolve(handle, "Flox03ImportJson", &lib.importJson) &
                  Resolve(handle, "Flox03ExportPdf", &lib.exportPdf) &
                  Resolve(handle, "Flox03LastError", &lib.lastError) &
                  Resolve(handle, "Flox03LastStatus", &lib.lastStatus) & Resolve(handle, "Flox03Free", &lib.freeText);
  if (!ok) return std::nullopt;
  return lib;  // the library stays loaded until the program ends
}

// The command line after the command: one FILE and named options.
struct TArgs {
  std::string file;
  std::map<std::string, std::string> options;  // option -> value ("" for flags)

  bool Has(const std::string& name) const { return options.count(name) != 0; }
};

TArgs ParseArgs(int argc, char** argv, const std::map<std::string, bool>& allowed) {
  TArgs args;
  bool haveFile = false;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.size() > 1 && a[0] == '-') {
      const auto it = allowed.find(a);
      if (it == allowed.end()) throw TUsageError{"unknown option " + a + " for " + argv[1]};
      if (args.Has(a)) throw TUsageError{"option " + a + " given twice"};
      if (it->second) {
        if (i + 1 >= argc) throw TUsageError{"option " + a + " needs a value"};
        args.options[a] = argv[++i];
      } else {
        args.options[a] = "";
      }
    } else {
      if (haveFile) throw TUsageError{"more than one FILE given: " + args.file + " and " + a};
      args.file = a;
      haveFile = true;
    }
  }
  if (!haveFile || args.file.empty()) throw TUsageError{std::string(argv[1]) + " needs a study FILE"};
  return args;
}

std::uint64_t Number(const TArgs& args, const std::string& option, std::uint64_t max) {
  const std::string& text = args.options.at(option);
  errno = 0;
  char* end = nullptr;
  // Decimal, or hexadecimal after 0x; a leading zero does not mean octal.
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const unsigned long long value = std::strtoull(text.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
  if (text.empty() || !std::isxdigit(static_cast<unsigned char>(text[hex ? 2 : 0])) || *end != '\0' || errno != 0 ||
      value > max) {
    throw TUsageError{"option " + option + " takes a number, not '" + text + "'"};
  }
  return value;
}

std::uint64_t Required(const TArgs& args, const std::string& option, std::uint64_t max) {
  if (!args.Has(option)) throw TUsageError{"option " + option + " is missing"};
  return Number(args, option, max);
}

bool EnvSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

int LibraryFailure(const TLibrary& lib, int status) {
  const char* message = lib.lastError();
  std::fprintf(stderr, "flox03: %s (status %d)\n", message != nullptr && *message ? message : "failed", status);
  return kExitFailure;
}

// One Flox03A call. Flox03A shows its own failures (an error box, or stderr
// without a display) and returns nothing meaningful; its status tells.
int RunCall(const TLibrary& lib, const TArgs& args, std::uint32_t action) {
  const auto type = static_cast<std::uint32_t>(Required(args, "--type", UINT32_MAX));
  const auto window = static_cast<std::uintptr_t>(args.Has("--window") ? Number(args, "--window", UINTPTR_MAX) : 0);
  // Nobody could answer a dialog without a display: fail at once rather
  // than wait for ever.
  const unsigned family = type & 0xFFu;
  if ((action & 0xFFu) == 1 && family >= 1 && family <= 4 && !EnvSet("DISPLAY") && !EnvSet("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "flox03: editing needs a display, and there is none (DISPLAY is not set); nothing was done\n");
    return kExitFailure;
  }
  lib.flox03A(window, args.file.c_str(), nullptr, action, type);
  const int status = lib.lastStatus();
  return status == FLOX_OK ? 0 : LibraryFailure(lib, status);
}

// A value on one line: backslash, control characters and DEL escaped.
std::string Escaped(const std::string& utf8) {
  std::string out;
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", c);
          out += hex;
        } else {
          out += ch;
        }
    }
  }
  return out;
}

int RunDump(const TLibrary& lib, const TArgs& args) {
  char* json = nullptr;
  const int status = lib.exportJson(args.file.c_str(), &json);
  if (status != FLOX_OK) return LibraryFailure(lib, status);
  const std::string text = json;
  lib.freeText(json);
  if (args.Has("--json")) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    return std::fflush(stdout) == 0 ? 0 : kExitFailure;
  }
  const auto doc = nlohmann::ordered_json::parse(text);
  std::string out;
  for (const auto& item : doc) {
    out += "slot " + std::to_string(item.at("slot").get<int>()) + ": " + item.at("class").get<std::string>() + "\n";
    for (const auto& [name, value] : item.at("fields").items()) {
      out += "  " + name + " = " + Escaped(value.get<std::string>()) + "\n";
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : kExitFailure;
}

int RunImport(const TLibrary& lib, const TArgs& args) {
  if (!args.Has("--json")) throw TUsageError{"option --json IN.json is missing"};
  const auto type = static_cast<std::uint32_t>(args.Has("--type") ? Number(args, "--type", UINT32_MAX) : 0);
  const std::string& input = args.options.at("--json");
  std::string text;
  if (input == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream in(input, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "flox03: cannot read %s: %s\n", input.c_str(), std::strerror(errno));
      return kExitFailure;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
  }
  // The library takes a C string: a NUL would silently end the text there.
  if (const auto nul = text.find('\0'); nul != std::string::npos) {
    std::fprintf(stderr, "flox03: the JSON text holds a NUL byte at offset %zu\n", nul);
    return kExitFailure;
  }
  const int status = lib.importJson(args.file.c_str(), text.c_str(), type);
  return status == FLOX_OK ? 0 : LibraryFailure(lib, status);
}

int RunPdf(const TLibrary& lib, const TArgs& args) {
  const auto type = static_cast<std::uint32_t>(Required(args, "--type", UINT32_MAX));
  if (!args.Has("-o") || args.options.at("-o").empty()) throw TUsageError{"option -o OUT.pdf is missing"};
  const int status = lib.exportPdf(args.file.c_str(), type, args.options.at("-o").c_str());
  return status == FLOX_OK ? 0 : LibraryFailure(lib, status);
}

int Run(int argc, char** argv) {
  if (argc < 2) throw TUsageError{"no command given"};
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  const std::map<std::string, bool> callOptions{{"--type", true}, {"--action", true}, {"--window", true}};
  const std::map<std::string, bool> actionOptions{{"--type", true}, {"--window", true}};
  static const std::map<std::string, std::uint32_t> kActions{{"edit", 1}, {"preview", 2}, {"print", 3}};

  TArgs args;
  if (command == "call") {
    args = ParseArgs(argc, argv, callOptions);
    Required(args, "--type", UINT32_MAX);
    Required(args, "--action", UINT32_MAX);
  } else if (kActions.count(command) != 0) {
    args = ParseArgs(argc, argv, actionOptions);
    Required(args, "--type", UINT32_MAX);
  } else if (command == "dump") {
    args = ParseArgs(argc, argv, {{"--json", false}});
  } else if (command == "import") {
    args = ParseArgs(argc, argv, {{"--json", true}, {"--type", true}});
  } else if (command == "pdf") {
    args = ParseArgs(argc, argv, {{"--type", true}, {"-o", true}});
  } else {
    throw TUsageError{"unknown command '" + command + "'"};
  }

  const std::optional<TLibrary> lib = LoadLibrary();
  if (!lib) return kExitFailure;
  if (command == "call") {
    return RunCall(*lib, args, static_cast<std::uint32_t>(Number(args, "--action", UINT32_MAX)));
  }
  if (kActions.count(command) != 0) return RunCall(*lib, args, kActions.at(command));
  if (command == "dump") return RunDump(*lib, args);
  if (command == "import") return RunImport(*lib, args);
  return RunPdf(*lib, args);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const TUsageError& e) {
    std::fprintf(stderr, "flox03: %s\nTry 'flox03 --help'.\n", e.message.c_str());
    return kExitUsage;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "flox03: %s\n", e.what());
    return kExitFailure;
  }
}
