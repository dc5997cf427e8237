// The library (libWinFlox03RDll.so, on Windows WinFlox03RDll.dll) as the
// host programs see it: loaded at run time and used through its exported C
// functions only.
#pragma once

#include <optional>
#include <string>

#include "flox03.h"

namespace host {

// The library's exports, resolved by name. The library stays loaded until
// the program ends (it keeps its Qt application).
struct TLibrary {
  decltype(&Flox03A) flox03A = nullptr;
  decltype(&InitDll) initDll = nullptr;
  decltype(&Flox03ExportJson) exportJson = nullptr;
  decltype(&Flox03ImportJson) importJson = nullptr;
  decltype(&Flox03ExportPdf) exportPdf = nullptr;
  decltype(&Flox03CheckFit) checkFit = nullptr;
  decltype(&Flox03StudyTypes) studyTypes = nullptr;
  decltype(&Flox03LastError) lastError = nullptr;
  decltype(&Flox03LastStatus) lastStatus = nullptr;
  decltype(&Flox03Free) freeText = nullptr;
  std::string path;  // where it was loaded from, or the name the linker found
};

// Loads the library: first from the folder of this program (the build
// folder, or a folder that holds both), then as the system's loader finds
// it (on Linux the program's RUNPATH into the installed library folder, then
// LD_LIBRARY_PATH and the standard folders). On failure *error
// says why.
std::optional<TLibrary> LoadLibrary(std::string* error);

// Loads the library from this very file.
std::optional<TLibrary> LoadLibraryFrom(const std::string& path, std::string* error);

// A text returned by the library as a std::string, released at once.
std::string TakeText(const TLibrary& lib, char* text);

}  // namespace host
