// The tests' system layer on Linux.
#include "support/test_system.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <iconv.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace flox_test::sys {

std::filesystem::path MakeScratchFolder(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

const char* NoFifos() { return nullptr; }

void MakeFifo(const std::string& name) {
  if (::mkfifo(name.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed: " + name);
}

void SetEnv(const std::string& name, const std::string& value) {
  if (value.empty()) {
    ::unsetenv(name.c_str());
  } else {
    ::setenv(name.c_str(), value.c_str(), 1);
  }
}

std::string LocalStamp(std::time_t t) {
  std::tm local{};
  ::localtime_r(&t, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return stamp;
}

char32_t SystemCp1253(unsigned char byte) {
  iconv_t cd = ::iconv_open("UTF-32LE", "CP1253");
  if (cd == reinterpret_cast<iconv_t>(-1)) return 0xFFFFFFFF;
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[8] = {};
  char* inp = in;
  char* outp = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1, outLeft = sizeof out;
  const std::size_t r = ::iconv(cd, &inp, &inLeft, &outp, &outLeft);
  ::iconv_close(cd);
  if (r == static_cast<std::size_t>(-1) || sizeof out - outLeft != 4) return 0;
  return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
}

const char* NoEndlessDevices() { return nullptr; }
const char* NoX11() { return nullptr; }
const char* NoElfSymbols() { return nullptr; }
const char* NoXdgFolders() { return nullptr; }
const char* NoUtf8Names() { return nullptr; }
const char* NullDevice() { return "/dev/null"; }

std::string LibraryFile(const std::string& folder) { return folder + "/libWinFlox03RDll.so"; }

void* LoadSharedLibrary(const std::string& path, std::string* error) {
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr && error != nullptr) *error = ::dlerror();
  return handle;
}

void* SharedSymbol(void* library, const char* name) { return ::dlsym(library, name); }

const char* ProgramSuffix() { return ""; }

int RunProgram(const std::string& program, const std::vector<std::string>& args, const TEnvironment& env,
               const std::string& in, const std::string& out, const std::string& err) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    for (const auto& [name, value] : env) SetEnv(name, value);
    const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int inFd = ::open(in.c_str(), O_RDONLY);
    ::dup2(outFd, 1);
    ::dup2(errFd, 2);
    ::dup2(inFd, 0);
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> raw;
    for (auto& a : argv) raw.push_back(a.data());
    raw.push_back(nullptr);
    ::execvp(raw[0], raw.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string ToolProgram(const std::string& tool) { return tool; }
std::string ToolFileName(const std::string& utf8Name) { return utf8Name; }

}  // namespace flox_test::sys
