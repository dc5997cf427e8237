// flox03: a small host for libWinFlox03RDll.so. It loads the library from the
// folder of its own executable and uses nothing but the library's exports.
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
#include "host/desktop/desktop_app.h"
#include "host/library.h"

namespace {

using host::TLibrary;

constexpr int kExitFailure = 1;
constexpr int kExitTextCut = 3;
constexpr int kExitUsage = 2;

constexpr const char kUsage[] =
    "Usage: flox03 COMMAND FILE [OPTIONS]\n"
    "\n"
    "Fills in, stores, previews and prints a fire-protection study file through\n"
    "libWinFlox03RDll.so (loaded from the folder of this program, or the installed one).\n"
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
    "  check FILE --type N [--json]\n"
    "                     list every field whose text the printed report of study\n"
    "                     type N cuts: page, caption on its entry page, what is lost\n"
    "                     (--json: the library's JSON text); exit status 3 when any\n"
    "                     field is cut\n"
    "  open [FILE]        the desktop window \"Μελέτες Ενεργητικής Πυροπροστασίας\":\n"
    "                     recent studies, new study, edit, preview, print, PDF, JSON;\n"
    "                     with FILE that study is added to the list and opened\n"
    "  --help             this text\n"
    "\n"
    "Study types: 1 and 2 general study, 3 industries and crafts, 4 existing hotels.\n"
    "Numbers may be decimal or 0x-hexadecimal; of N and A only the low byte counts.\n"
    "Exit status: 0 done, 1 the library reported a failure (also a message 001 or\n"
    "002 of call, edit, preview and print), 2 wrong command line, 3 (check only)\n"
    "some text does not fit on paper.\n";

struct TUsageError {
  std::string message;
};

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

// Whether the library serves the study type (the low byte of `type`).
bool KnownStudyType(const TLibrary& lib, std::uint32_t type) {
  const auto types = nlohmann::json::parse(host::TakeText(lib, lib.studyTypes()));
  for (const auto& t : types) {
    if (t.at("type").get<std::uint32_t>() == (type & 0xFFu)) return true;
  }
  return false;
}

// One Flox03A call. Flox03A shows its own failures (an error box, or stderr
// without a display) and returns nothing meaningful; its status tells.
int RunCall(const TLibrary& lib, const TArgs& args, std::uint32_t action) {
  const auto type = static_cast<std::uint32_t>(Required(args, "--type", UINT32_MAX));
  const auto window = static_cast<std::uintptr_t>(args.Has("--window") ? Number(args, "--window", UINTPTR_MAX) : 0);
  // Nobody could answer a dialog without a display: fail at once rather
  // than wait for ever.
  if ((action & 0xFFu) == 1 && !EnvSet("DISPLAY") && !EnvSet("WAYLAND_DISPLAY") && KnownStudyType(lib, type)) {
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

// Lines such as
//   page 1, tab "Επιχείρηση", "Οδός" (Odos): 1 of 2 lines printed, 23 of 61 characters lost
int RunCheck(const TLibrary& lib, const TArgs& args) {
  const auto type = static_cast<std::uint32_t>(Required(args, "--type", UINT32_MAX));
  char* json = nullptr;
  const int status = lib.checkFit(args.file.c_str(), type, &json);
  if (status != FLOX_OK) return LibraryFailure(lib, status);
  const std::string text = host::TakeText(lib, json);
  const auto cut = nlohmann::ordered_json::parse(text);
  std::string out;
  if (args.Has("--json")) {
    out = text + "\n";
  } else if (cut.empty()) {
    out = "every field fits on paper\n";
  } else {
    for (const auto& item : cut) {
      const int characters = item.at("characters").get<int>();
      const int shown = item.at("charactersShown").get<int>();
      const std::string tab = item.at("tab").get<std::string>();
      out += "page " + std::to_string(item.at("page").get<int>()) + (tab.empty() ? "" : ", tab \"" + tab + "\"") +
             ", \"" + item.at("caption").get<std::string>() + "\" (" + item.at("field").get<std::string>() +
             "): " + std::to_string(item.at("linesShown").get<int>()) +
             " of " + std::to_string(item.at("lines").get<int>()) + " lines printed, " +
             std::to_string(characters - shown) + " of " + std::to_string(characters) + " characters lost\n";
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0) return kExitFailure;
  return cut.empty() ? 0 : kExitTextCut;
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
  } else if (command == "check") {
    args = ParseArgs(argc, argv, {{"--type", true}, {"--json", false}});
    Required(args, "--type", UINT32_MAX);
  } else if (command == "open") {
    if (argc > 3) throw TUsageError{"open takes at most one FILE"};
    if (argc == 3 && argv[2][0] == '-') throw TUsageError{std::string("unknown option ") + argv[2] + " for open"};
  } else {
    throw TUsageError{"unknown command '" + command + "'"};
  }

  std::string loadError;
  const std::optional<TLibrary> lib = host::LoadLibrary(&loadError);
  if (!lib) {
    std::fprintf(stderr, "flox03: %s\n", loadError.c_str());
    return kExitFailure;
  }
  if (command == "open") return host::RunDesktop(*lib, argc, argv, argc == 3 ? argv[2] : "");
  if (command == "call") {
    return RunCall(*lib, args, static_cast<std::uint32_t>(Number(args, "--action", UINT32_MAX)));
  }
  if (kActions.count(command) != 0) return RunCall(*lib, args, kActions.at(command));
  if (command == "dump") return RunDump(*lib, args);
  if (command == "import") return RunImport(*lib, args);
  if (command == "check") return RunCheck(*lib, args);
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
