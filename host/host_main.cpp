// flox03: a small host for libWinFlox03RDll.so. It loads the library from the
// folder of its own executable and uses nothing but the library's exports.
#include <QApplication>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <nlohmann/json.hpp>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "flox03.h"
#include "host/desktop/desktop_app.h"
#include "host/library.h"
#include "host/program_system.h"
#include "platform/display_choice.h"
#include "records/errors.h"

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
    "edit, preview, print and open (and call with action 1, 2 or 3) need a display\n"
    "that a user can see; without one they fail at once.\n"
    "Exit status: 0 done, 1 the library reported a failure (also a message 001 or\n"
    "002 of call, edit, preview and print), no display for a window, or the output\n"
    "could not be written, 2 wrong command line, 3 (check only) some text does not\n"
    "fit on paper.\n";

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

// A name or a message for stderr, control characters escaped.
std::string Printable(std::string_view text) { return PrintableText(text); }

int LibraryFailure(const TLibrary& lib, int status) {
  const char* message = lib.lastError();
  std::fprintf(stderr, "flox03: %s (status %d)\n", Printable(message != nullptr && *message ? message : "failed").c_str(),
               status);
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

// Writes the text on standard output. A write error (a full disk, a closed
// file) is a failure of the command, never a success with output lost.
int WriteOut(std::string_view text) {
  int err = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : errno;
  if (std::fflush(stdout) != 0 && err == 0) err = errno;
  if (err == 0 && !std::ferror(stdout)) return 0;
  std::fprintf(stderr, "flox03: the output could not be written: %s\n", std::strerror(err != 0 ? err : EIO));
  return kExitFailure;
}

// The program's QApplication for a command that shows a window, on a
// display a user can see; nullptr, after saying why, when there is none
// (no display, one that cannot be opened, or the offscreen or minimal
// platform): a window nobody sees would wait for ever.
std::unique_ptr<QApplication> VisibleApplication(const std::string& command) {
  platform::TStartedApplication started = platform::StartApplication("flox03");
  if (started.showsWindows) return std::move(started.app);
  const std::string why =
      started.wantedWindows ? started.why
                            : "the Qt platform \"" + QGuiApplication::platformName().toStdString() + "\" shows nothing to anyone";
  std::fprintf(stderr, "flox03: %s needs a display that a user can see, and there is none (%s); nothing was done\n",
               command.c_str(), Printable(why).c_str());
  return nullptr;
}

// One Flox03A call. Flox03A shows its own failures (an error box, or stderr
// without a display) and returns nothing meaningful; its status tells.
int RunCall(const TLibrary& lib, const TArgs& args, std::uint32_t action, const std::string& command) {
  const auto type = static_cast<std::uint32_t>(Required(args, "--type", UINT32_MAX));
  const auto window = static_cast<std::uintptr_t>(args.Has("--window") ? Number(args, "--window", UINTPTR_MAX) : 0);
  // The dialog, the preview and printing run in the program's own
  // application on a display a user can see; a call that only loads or
  // creates the file needs none.
  const unsigned code = action & 0xFFu, family = type & 0xFFu;
  std::unique_ptr<QApplication> app;
  if (code >= 1 && code <= 3 && KnownStudyType(lib, family)) {
    app = VisibleApplication(command);
    if (!app) return kExitFailure;
  }
  lib.flox03A(window, args.file.c_str(), nullptr, action, type);
  const int status = lib.lastStatus();
  return status == FLOX_OK ? 0 : LibraryFailure(lib, status);
}

// A value on one line: backslash, control characters and DEL escaped, and
// the C1 controls (which stand for bytes the code page leaves undefined).
std::string Escaped(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char ch = utf8[i];
    const auto c = static_cast<unsigned char>(ch);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
    if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\u%04X", next);
      out += hex;
      ++i;
      continue;
    }
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
  if (args.Has("--json")) return WriteOut(text + "\n");
  const auto doc = nlohmann::ordered_json::parse(text);
  std::string out;
  for (const auto& item : doc) {
    out += "slot " + std::to_string(item.at("slot").get<int>()) + ": " + item.at("class").get<std::string>() + "\n";
    for (const auto& [name, value] : item.at("fields").items()) {
      out += "  " + name + " = " + Escaped(value.get<std::string>()) + "\n";
    }
  }
  return WriteOut(out);
}

// The JSON text of --json, from a file or standard input ('-'), read up to
// one byte past the largest text the library takes: an input without end
// (/dev/zero, a pipe that never closes) is refused, not read for ever.
std::optional<std::string> ReadJson(const std::string& input) {
  const std::string name = input == "-" ? "standard input" : Printable(input);
  std::FILE* in = input == "-" ? stdin : std::fopen(input.c_str(), "rb");
  if (in == nullptr) {
    std::fprintf(stderr, "flox03: cannot read %s: %s\n", name.c_str(), std::strerror(errno));
    return std::nullopt;
  }
  std::string text;
  errno = 0;
  while (text.size() <= FLOX_MAX_JSON_BYTES) {
    char buffer[65536];
    const std::size_t n = std::fread(buffer, 1, std::min(sizeof buffer, FLOX_MAX_JSON_BYTES + 1 - text.size()), in);
    if (n == 0) break;
    text.append(buffer, n);
  }
  const int err = std::ferror(in) ? (errno != 0 ? errno : EIO) : 0;
  if (in != stdin) std::fclose(in);
  if (err != 0) {
    std::fprintf(stderr, "flox03: cannot read %s: %s\n", name.c_str(), std::strerror(err));
    return std::nullopt;
  }
  if (text.size() > FLOX_MAX_JSON_BYTES) {
    std::fprintf(stderr, "flox03: the JSON text of %s is larger than %u MB, more than any study; nothing was written\n",
                 name.c_str(), FLOX_MAX_JSON_BYTES >> 20);
    return std::nullopt;
  }
  return text;
}

int RunImport(const TLibrary& lib, const TArgs& args) {
  if (!args.Has("--json")) throw TUsageError{"option --json IN.json is missing"};
  const auto type = static_cast<std::uint32_t>(args.Has("--type") ? Number(args, "--type", UINT32_MAX) : 0);
  const std::optional<std::string> text = ReadJson(args.options.at("--json"));
  if (!text) return kExitFailure;
  // The library takes a C string: a NUL would silently end the text there.
  if (const auto nul = text->find('\0'); nul != std::string::npos) {
    std::fprintf(stderr, "flox03: the JSON text holds a NUL byte at offset %zu\n", nul);
    return kExitFailure;
  }
  const int status = lib.importJson(args.file.c_str(), text->c_str(), type);
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
  if (const int failed = WriteOut(out)) return failed;
  return cut.empty() ? 0 : kExitTextCut;
}

int Run(int argc, char** argv) {
  if (argc < 2) throw TUsageError{"no command given"};
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    return WriteOut(kUsage);
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
    std::fprintf(stderr, "flox03: %s\n", Printable(loadError).c_str());
    return kExitFailure;
  }
  if (command == "open") {
    const std::unique_ptr<QApplication> app = VisibleApplication("the desktop window");
    return app ? host::RunDesktop(*lib, argc == 3 ? argv[2] : "") : kExitFailure;
  }
  if (command == "call") {
    return RunCall(*lib, args, static_cast<std::uint32_t>(Number(args, "--action", UINT32_MAX)), command);
  }
  if (kActions.count(command) != 0) return RunCall(*lib, args, kActions.at(command), command);
  if (command == "dump") return RunDump(*lib, args);
  if (command == "import") return RunImport(*lib, args);
  if (command == "check") return RunCheck(*lib, args);
  return RunPdf(*lib, args);
}

}  // namespace

int main(int argc, char** argv) {
  host::system::UseBinaryStandardStreams();
  const std::optional<std::vector<std::string>> args = host::system::ProgramArguments(argc, argv);
  if (!args) return kExitFailure;
  std::vector<char*> pointers;
  for (const std::string& arg : *args) pointers.push_back(const_cast<char*>(arg.c_str()));
  pointers.push_back(nullptr);
  try {
    return Run(static_cast<int>(args->size()), pointers.data());
  } catch (const TUsageError& e) {
    std::fprintf(stderr, "flox03: %s\nTry 'flox03 --help'.\n", Printable(e.message).c_str());
    return kExitUsage;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "flox03: %s\n", Printable(e.what()).c_str());
    return kExitFailure;
  }
}
