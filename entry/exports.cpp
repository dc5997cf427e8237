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

static_assert(kMaxStudyJsonBytes == FLOX_MAX_JSON_BYTES);

namespace {

thread_local std::string g_lastError;
thread_local int g_lastStatus = FLOX_OK;

int Failure(int status, std::string message) {
  g_lastError = std::move(message);
  g_lastStatus = status;
  return status;
}

void ClearLastError() {
  g_lastError.clear();
  g_lastStatus = FLOX_OK;
}

// A name for a message, in quotes, its control characters escaped.
std::string Quoted(const std::string& s) { return "\"" + PrintableText(s) + "\""; }

// Whether the study file is there to be loaded. Anything but "no such file"
// counts as present, so that LoadFromFile gets to report the problem.
bool StudyFileExists(const std::string& fileName) {
  struct stat st {};
  if (::stat(fileName.c_str(), &st) == 0) return true;
  return errno != ENOENT && errno != ENOTDIR;
}

// The status a failed file operation gives the caller.
int StatusOf(const TStreamComponent& study) {
  return study.LastFailure() == TFileProblem::InUse ? FLOX_ERR_IN_USE : FLOX_ERR_FILE;
}

// Collects the messages of the file operations during one call, one line
// each: "<line 1>: <line 2>: <reason>".
class TCapturedErrors {
 public:
  // show: also hand each message on (to the modal error box).
  explicit TCapturedErrors(bool show = false)
      : scope_([this, show](const std::string& line1, const std::string& line2, const std::string& reason) {
          messages_.push_back(line1 + (line2.empty() ? "" : ": " + line2) + (reason.empty() ? "" : ": " + reason));
          if (show) platform::ShowError(line1, reason.empty() ? line2 : line2 + "\n" + reason);
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

// Loads an existing study file into the document; on failure sets the last
// error and returns its status, else FLOX_OK.
int LoadCaptured(TFlox03Pages& study, const std::string& fileName) {
  TCapturedErrors captured;
  if (study.LoadFromFile(fileName)) return FLOX_OK;
  return Failure(StatusOf(study), "the study file " + Quoted(fileName) + " cannot be read (" + captured.Text() + ")");
}

int SaveCaptured(TFlox03Pages& study, const std::string& fileName) {
  TCapturedErrors captured;
  if (study.SaveToFile(fileName)) return FLOX_OK;
  return Failure(StatusOf(study), "the study file " + Quoted(fileName) + " cannot be written (" + captured.Text() + ")");
}

// A load that leaves nothing to work on: the study could not even be
// opened, so editing it would only lose the edits at the save.
bool CannotOpen(const TStreamComponent& study) {
  const auto problem = study.LastFailure();
  return problem == TFileProblem::InUse || problem == TFileProblem::NotRegular ||
         problem == TFileProblem::NoPermission || problem == TFileProblem::NameTooLong;
}

bool Empty(const char* s) { return s == nullptr || *s == '\0'; }

// The study type of the status-returning calls: the low byte, 0..4.
bool StudyTypeOf(std::uint32_t studyType, bool allowNone, std::uint8_t* out) {
  const auto type = static_cast<std::uint8_t>(studyType & 0xFFu);
  if (type > 4 || (type == 0 && !allowNone)) {
    g_lastStatus = FLOX_ERR_ARGUMENT;
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
  // The call's own outcome, set as the last error when it returns (calls
  // made meanwhile, from inside the dialog, leave theirs in between).
  int status = FLOX_OK;
  std::string message;
  auto fail = [&](int s, std::string m) {
    if (status != FLOX_OK) return;
    status = s;
    message = std::move(m);
  };
  try {
    platform::EnsureApplication();
    platform::SetApplicationWindow(hostWindow);
    const std::string name = fileName != nullptr ? fileName : "";
    if (code == 1 && type >= 1 && type <= 4 && !platform::CanShowDialogs()) {
      // A dialog nobody can see would wait for ever.
      const std::string text = "Δεν υπάρχει οθόνη: ο διάλογος καταχώρησης της μελέτης δεν μπορεί να ανοίξει.";
      std::fprintf(stderr, "WinFlox03RDll: %s\n", text.c_str());
      platform::SetApplicationWindow(0);
      Failure(FLOX_ERR_NO_DISPLAY, text);
      return 0;
    }
    // The file operations report in the modal error box while the call runs,
    // and the first failure becomes the call's status.
    TCapturedErrors captured(true);
    auto study = std::make_unique<TFlox03Pages>();
    CurrentStudy = study.get();
    // The study stays locked from the load to the last save.
    study->HoldFile();
    auto note = [&](const char* what) {
      fail(StatusOf(*study), "the study file " + Quoted(name) + " " + what + " (" + captured.Text() + ")");
    };
    study->ApplyTypeDefaults(type);
    bool go = true;
    if (StudyFileExists(name)) {
      if (!study->LoadFromFile(name)) {
        note("cannot be read");
        go = !CannotOpen(*study);
      }
    } else if (!study->SaveToFile(name)) {
      note("cannot be written");
      go = study->LastFailure() != TFileProblem::InUse;
    }
    switch (go ? code : 0) {
      case 1:
        study->EditStudy(type);
        if (!study->SaveToFile(name)) note("cannot be written");
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
    std::fprintf(stderr, "WinFlox03RDll: the request failed: %s\n", PrintableText(e.what()).c_str());
    fail(FLOX_ERR_RENDER, std::string("the request failed: ") + e.what());
  } catch (...) {
    std::fprintf(stderr, "WinFlox03RDll: the request failed\n");
    fail(FLOX_ERR_RENDER, "the request failed");
  }
  CurrentStudy = nullptr;
  platform::SetApplicationWindow(0);
  g_lastStatus = status;
  g_lastError = message;
  return completed;
}

FLOX_API void InitDll(uintptr_t hostWindow) { platform::SetApplicationWindow(hostWindow); }

FLOX_API int Flox03ExportJson(const char* fileName, char** json) {
  ClearLastError();
  try {
    if (json == nullptr) return Failure(FLOX_ERR_ARGUMENT, "no place for the JSON text was given");
    *json = nullptr;
    if (Empty(fileName)) return Failure(FLOX_ERR_ARGUMENT, "no study file name was given");
    const std::string name = fileName;
    if (!StudyFileExists(name)) return Failure(FLOX_ERR_FILE, "there is no study file " + Quoted(name));
    TFlox03Pages study;
    if (const int status = LoadCaptured(study, name)) return status;
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
  ClearLastError();
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
    // A text far larger than any study is refused without reading it all.
    const std::size_t length = ::strnlen(json, kMaxStudyJsonBytes + 1);
    if (!ParseStudyJson(std::string_view(json, length), study, &edits, &error)) {
      return Failure(error.kind == TStudyJsonError::Encoding ? FLOX_ERR_ENCODING : FLOX_ERR_JSON, error.message);
    }
    study.ApplyTypeDefaults(type);
    study.HoldFile();  // locked from the load to the save
    if (StudyFileExists(name)) {
      if (const int status = LoadCaptured(study, name)) return status;
    }
    ApplyStudyEdits(study, edits);
    return SaveCaptured(study, name);
  } catch (const std::exception& e) {
    return Failure(FLOX_ERR_FILE, std::string("the study could not be imported: ") + e.what());
  } catch (...) {
    return Failure(FLOX_ERR_FILE, "the study could not be imported");
  }
}

FLOX_API int Flox03ExportPdf(const char* fileName, uint32_t studyType, const char* pdfFileName) {
  ClearLastError();
  try {
    if (Empty(fileName)) return Failure(FLOX_ERR_ARGUMENT, "no study file name was given");
    if (Empty(pdfFileName)) return Failure(FLOX_ERR_ARGUMENT, "no PDF file name was given");
    std::uint8_t type = 0;
    if (!StudyTypeOf(studyType, false, &type)) return FLOX_ERR_ARGUMENT;
    const std::string name = fileName;
    struct stat studyStat {};
    struct stat pdfStat {};
    if (::stat(name.c_str(), &studyStat) == 0 && ::stat(pdfFileName, &pdfStat) == 0 &&
        studyStat.st_dev == pdfStat.st_dev && studyStat.st_ino == pdfStat.st_ino) {
      return Failure(FLOX_ERR_ARGUMENT, "the PDF file " + Quoted(pdfFileName) + " is the study file " + Quoted(name) +
                                            " itself; the report is not written over the study");
    }
    // Only a regular file is replaced: a pipe, a device or a folder at that
    // name is left alone.
    if (::stat(pdfFileName, &pdfStat) == 0 && !S_ISREG(pdfStat.st_mode)) {
      return Failure(FLOX_ERR_FILE, "the PDF file " + Quoted(pdfFileName) +
                                        " exists and is not a regular file (a folder, a pipe or a device); it was "
                                        "neither replaced nor written into");
    }

    // Loaded like Flox03A loads it, but a missing file is not created: the
    // report then shows the defaults of the type.
    TFlox03Pages study;
    study.ApplyTypeDefaults(type);
    if (StudyFileExists(name)) {
      if (const int status = LoadCaptured(study, name)) return status;
    }

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
  ClearLastError();
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
    if (StudyFileExists(name)) {
      if (const int status = LoadCaptured(study, name)) return status;
    }

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

FLOX_API int Flox03LastStatus(void) { return g_lastStatus; }

FLOX_API void Flox03Free(void* text) { std::free(text); }

}  // extern "C"
