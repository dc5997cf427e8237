#include "host/library.h"

#include "host/library_system.h"

namespace host {
namespace {

template <class F>
bool Resolve(void* handle, const char* name, F* out, std::string* missing) {
  *out = reinterpret_cast<F>(system::Symbol(handle, name));
  if (*out == nullptr) *missing += std::string(missing->empty() ? "" : ", ") + name;
  return *out != nullptr;
}

}  // namespace

std::optional<TLibrary> LoadLibraryFrom(const std::string& path, std::string* error) {
  std::string why;
  void* handle = system::OpenLibrary(path, &why);
  if (handle == nullptr) {
    if (error != nullptr) *error = "cannot load " + path + ": " + why;
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
  const std::string beside = system::ExecutableFolder() + "/" + system::LibraryFileName();
  return LoadLibraryFrom(system::FileExists(beside) ? beside : std::string(system::LibraryFileName()), error);
}

std::string TakeText(const TLibrary& lib, char* text) {
  std::string out = text != nullptr ? text : "";
  lib.freeText(text);
  return out;
}

}  // namespace host
