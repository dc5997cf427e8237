// Loading the library on Linux and other POSIX systems: dlopen and dlsym.
#include "host/library_system.h"

#include <dlfcn.h>
#include <unistd.h>

#include <vector>

namespace host::system {

const char* LibraryFileName() { return "libWinFlox03RDll.so"; }

std::string ExecutableFolder() {
  std::vector<char> buf(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return ".";
  std::string path(buf.data(), static_cast<std::size_t>(n));
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool FileExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

void* OpenLibrary(const std::string& path, std::string* error) {
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr && error != nullptr) *error = ::dlerror();
  return handle;
}

void* Symbol(void* library, const char* name) { return ::dlsym(library, name); }

}  // namespace host::system
