#include "host/library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <vector>

namespace host {
namespace {

constexpr const char kLibraryName[] = "libWinFlox03RDll.so";

std::string ExecutableFolder() {
  std::vector<char> buf(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return ".";
  std::string path(buf.data(), static_cast<std::size_t>(n));
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool FileExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

template <class F>
bool Resolve(void* handle, const char* name, F* out, std::string* missing) {
  *out = reinterpret_cast<F>(::dlsym(handle, name));
  if (*out == nullptr) *missing += std::string(missing->empty() ? "" : ", ") + name;
  return *out != nullptr;
}

}  // namespace

std::optional<TLibrary> LoadLibraryFrom(const std::string& path, std::string* error) {
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    if (error != nullptr) *error = "cannot load " + path + ": " + ::dlerror();
    return std::nullopt;
  }
  TLibrary lib;
  lib.path = path;
  std::string missing;
  Resolve(handle, "Flox03A", &lib.flox03A, &missing);
  Resolve(handle, "InitDll", &lib.initDll, &missing);
  Resolve(handle, "Flox03ExportJson", &lib.exportJson, &missing);
  Resolve(handle, "Flox03ImportJson", &lib.importJson, &missing);
  Resolve(handle, "Flox03ExportPdf", &lib.exportPdf, &missing);
  Resolve(handle, "Flox03CheckFit", &lib.checkFit, &missing);
  Resolve(handle, "Flox03StudyTypes", &lib.studyTypes, &missing);
  Resolve(handle, "Flox03LastError", &lib.lastError, &missing);
  Resolve(handle, "Flox03LastStatus", &lib.lastStatus, &missing);
  Resolve(handle, "Flox03Free", &lib.freeText, &missing);
  if (!missing.empty()) {
    if (error != nullptr) *error = "the library " + path + " has no export " + missing;
    return std::nullopt;
  }
  return lib;
}

std::optional<TLibrary> LoadLibrary(std::string* error) {
  const std::string beside = ExecutableFolder() + "/" + kLibraryName;
  return LoadLibraryFrom(FileExists(beside) ? beside : std::string(kLibraryName), error);
}

std::string TakeText(const TLibrary& lib, char* text) {
  std::string out = text != nullptr ? text : "";
  lib.freeText(text);
  return out;
}

}  // namespace host
