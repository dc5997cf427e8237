// The library's exported C functions. Flox03A does one whole request on a
// study file; the JSON and PDF functions serve hosts without windows and
// report failures as a status instead of a message box. No C++ exception
// leaves any of them.
#include "include/flox03.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "entry/study_document.h"
#include "entry/study_fit.h"
#include "entry/study_json.h"
#include "platform/platform.h"
#include "records/errors.h"

namespace {

thread_local std::string g_lastError;

int Failure(int status, std::string message) {
  g_lastError = std::move(message);
  return status;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// Whether the study file is there to be loaded. Anything but "no such file"
// counts as present, so that LoadFromFile gets to report the problem.
bool StudyFileExists(const std::string& fileName) {
  struct stat st {};
  if (::stat(fileName.c_str(), &st) == 0) return true;
  return errno != ENOENT && errno != ENOTDIR;
}

// Collects the two-line messages of the file operations during one call of
// the status-returning functions.
class TCapturedErrors {
 public:
  TCapturedErrors()
      : scope_([this](const std::string& line1, const std::string& line2) {
          messages_.push_back(line2.empty() ? line1 : line1 + ": " + line2);
        }) {}

  std::string Text() const {
    std::string text;
    for (const std::string& m : messages_) text += (text.empty() ? "" : "; ") + m;
    return text;
  }

 private:
  std::vector<std::string> messages_;
  TErrorReporterScope scope_;
};

// Why a file cannot be opened for reading, or "" when it can.
std::string OpenProblem(const std::string& fileName) {
  struct stat st {};
  if (::stat(fileName.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return "it is a folder";
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  ::close(fd);
  return {};
}

// Loads an existing study file into the document; on failure sets the last
// error and returns false.
bool LoadCaptured(TFlox03Pages& study, const std::string& fileName) {
  TCapturedErrors captured;
  if (study.LoadFromFile(fileName)) return true;
  const std::string reason = OpenProblem(fileName);
  g_lastError = reason.empty()
                    ? "the study file " + Quoted(fileName) + " is damaged or not a study file (" + captured.Text() + ")"
                    : "the study file " + Quoted(fileName) + " cannot be read: " + reason + " (" + captured.Text() + ")";
  return false;
}

bool SaveCaptured(TFlox03Pages& study, const std::string& fileName) {
  TCapturedErrors captured;
  if (study.SaveToFile(fileName)) return true;
  g_lastError = "the study file " + Quoted(fileName) + " cannot be written (" + captured.Text() + ")";
  return false;
}

bool Empty(const char* s) { return s == nullptr || *s == '\0'; }

// The study type of the status-returning calls: the low byte, 0..4.
bool StudyTypeOf(std::uint32_t studyType, bool allowNone, std::uint8_t* out) {
  const auto type = static_cast<std::uint8_t>(studyType & 0xFFu);
  if (type > 4 || (type == 0 && !allowNone)) {
    g_lastError = "study type " + std::to_string(type) + " is not one of " + (allowNone ? "0, " : "") +
                  "1, 2, 3, 4";
    return false;
  }
  *out = type;
  return true;
}

}  // namespace

extern "C" {

FLOX_API unsigned char Flox03A(uintptr_t hostWindow, const char* fileName, void* /*reserved*/, uint32_t action,
                               uint32_t studyType) {
  const auto type = static_cast<std::uint8_t>(studyType & 0xFFu);
  const auto code = static_cast<std::uint8_t>(action & 0xFFu);
  unsigned char completed = 0;
  try {
    platform::EnsureApplication();
    platform::SetApplicationWindow(hostWindow);
    // The file operations report in the modal error box while the call runs.
    TErrorReporterScope reporter(
        [](const std::string& line1, const std::string& line2) { platform::ShowError(line1, line2); });
    const std::string name = fileName != nullptr ? fileName : "";

    auto study = std::make_unique<TFlox03Pages>();
    CurrentStudy = study.get();
    study->ApplyTypeDefaults(type);
    if (StudyFileExists(name)) {
      study->LoadFromFile(name);
    } else {
      study->SaveToFile(name);
    }
    switch (code) {
      case 1:
        study->EditStudy(type);
        study->SaveToFile(name);
        break;
      case 2:
        study->PreviewReport(type);
        break;
      case 3:
        study->PrintReport(type);
        break;
      default:
        break;  // the file is only loaded or created
    }
    CurrentStudy = nullptr;
    study.reset();
    completed = 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "WinFlox03RDll: the request failed: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "WinFlox03RDll: the request failed\n");
  }
  CurrentStudy = nullptr;
  platform::SetApplicationWindow(0);
  return completed;
}

FLOX_API void InitDll(uintptr_t hostWindow) { platform::SetApplicationWindow(hostWindow); }

FLOX_API int Flox03ExportJson(const char* fileName, char** json) {
  g_lastError.clear();
  try {
    if (json == nullptr) return Failure(FLOX_ERR_ARGUMENT, "no place for the JSON text was given");
    *json = nullptr;
    if (Empty(fileName)) return Failure(FLOX_ERR_ARGUMENT, "no study file name was given");
    const std::string name = fileName;
    if (!StudyFileExists(name)) return Failure(FLOX_ERR_FILE, "there is no study file " + Quoted(name));
    TFlox03Pages study;
    if (!LoadCaptured(study, name)) return FLOX_ERR_FILE;
    const std::string text = StudyToJson(study);
    char* out = static_cast<char*>(std::malloc(text.size() + 1));
    if (out == nullptr) return Failure(FLOX_ERR_FILE, "out of memory");
    std::memcpy(out, text.c_str(), text.size() + 1);
    *json = out;
    return FLOX_OK;
  } catch (const std::exception& e) {
    return Failure(FLOX_ERR_FILE, std::string("the study could not be exported: ") + e.what());
  } catch (...) {
    return Failure(FLOX_ERR_FILE, "the study could not be exported");
  }
}

FLOX_API int Flox03ImportJson(const char* fileName, const char* json, uint32_t studyType) {
  g_lastError.clear();
  try {
    if (Empty(fileName)) return Failure(FLOX_ERR_ARGUMENT, "no study file name was given");
    if (json == nullptr) return Failure(FLOX_ERR_ARGUMENT, "no JSON text was given");
    std::uint8_t type = 0;
    if (!StudyTypeOf(studyType, true, &type)) return FLOX_ERR_ARGUMENT;
    const std::string name = fileName;

    // Everything is checked before the file is touched.
    TFlox03Pages study;
    std::vector<TStudyEdit> edits;
    TStudyJsonError error;
    if (!ParseStudyJson(json, study, &edits, &error)) {
      return Failure(error.kind == TStudyJsonError::Encoding ? FLOX_ERR_ENCODING : FLOX_ERR_JSON, error.message);
    }
    study.ApplyTypeDefaults(type);
    if (StudyFileExists(name) && !LoadCaptured(study, name)) return FLOX_ERR_FILE;
    ApplyStudyEdits(study, edits);
    if (!SaveCaptured(study, name)) return FLOX_ERR_FILE;
    return FLOX_OK;
  } catch (const std::exception& e) {
    return Failure(FLOX_ERR_FILE, std::string("the study could not be imported: ") + e.what());
  } catch (...) {
    return Failure(FLOX_ERR_FILE, "the study could not be imported");
  }
}

FLOX_API int Flox03ExportPdf(const char* fileName, uint32_t studyType, const char* pdfFileName) {
  g_lastError.clear();
  try {
    if (Empty(fileName)) return Failure(FLOX_ERR_ARGUMENT, "no study file name was given");
    if (Empty(pdfFileName)) return Failure(FLOX_ERR_ARGUMENT, "no PDF file name was given");
    std::uint8_t type = 0;
    if (!StudyTypeOf(studyType, false, &type)) return FLOX_ERR_ARGUMENT;
    const std::string name = fileName;

    // Loaded like Flox03A loads it, but a missing file is not created: the
    // report then shows the defaults of the type.
    TFlox03Pages study;
    study.ApplyTypeDefaults(type);
    if (StudyFileExists(name) && !LoadCaptured(study, name)) return FLOX_ERR_FILE;

    platform::EnsureApplication();
    TCapturedErrors captured;
    std::string error;
    if (!study.ExportReportPdf(type, pdfFileName, &error)) {
      if (error.empty()) error = captured.Text();
      return Failure(FLOX_ERR_RENDER, "the report could not be written to " + Quoted(pdfFileName) +
                                          (error.empty() ? std::string() : ": " + error));
    }
    return FLOX_OK;
  } catch (const std::exception& e) {
    return Failure(FLOX_ERR_RENDER, std::string("the report could not be produced: ") + e.what());
  } catch (...) {
    return Failure(FLOX_ERR_RENDER, "the report could not be produced");
  }
}

FLOX_API int Flox03CheckFit(const char* fileName, uint32_t studyType, char** json) {
  g_lastError.clear();
  try {
    if (json == nullptr) return Failure(FLOX_ERR_ARGUMENT, "no place for the JSON text was given");
    *json = nullptr;
    if (Empty(fileName)) return Failure(FLOX_ERR_ARGUMENT, "no study file name was given");
    std::uint8_t type = 0;
    if (!StudyTypeOf(studyType, false, &type)) return FLOX_ERR_ARGUMENT;
    const std::string name = fileName;

    // Loaded like the PDF export loads it; a missing file is not created.
    TFlox03Pages study;
    study.ApplyTypeDefaults(type);
    if (StudyFileExists(name) && !LoadCaptured(study, name)) return FLOX_ERR_FILE;

    platform::EnsureApplication();
    const std::string text = CutFieldsToJson(FindCutFields(study, type));
    char* out = static_cast<char*>(std::malloc(text.size() + 1));
    if (out == nullptr) return Failure(FLOX_ERR_RENDER, "out of memory");
    std::memcpy(out, text.c_str(), text.size() + 1);
    *json = out;
    return FLOX_OK;
  } catch (const std::exception& e) {
    return Failure(FLOX_ERR_RENDER, std::string("the report could not be laid out: ") + e.what());
  } catch (...) {
    return Failure(FLOX_ERR_RENDER, "the report could not be laid out");
  }
}

FLOX_API const char* Flox03LastError(void) { return g_lastError.c_str(); }

FLOX_API void Flox03Free(void* text) { std::free(text); }

}  // extern "C"
