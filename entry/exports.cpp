// The library's exported C functions. Flox03A does one whole request on a
// study file; the JSON and PDF functions serve hosts without windows and
// report failures as a status instead of a message box. No C++ exception
// leaves any of them.
#include "include/flox03.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "entry/study_document.h"
#include "entry/study_families.h"
#include "entry/study_fit.h"
#include "entry/study_json.h"
#include "platform/platform.h"
#include "records/errors.h"
#include "records/file_system.h"
#include "records/study_file.h"

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

// The study as the user names it: its file name without folder and suffix.
std::string StudyName(const std::string& fileName) {
  const std::filesystem::path path(fileName);
  return PrintableText((path.has_stem() ? path.stem() : path.filename()).string());
}

// A study-file operation that failed, as the user and the host are told.
struct TFileFailure {
  const char* line1;  // message 001 (save) or 002 (load)
  TFileProblem problem;
  std::string reason;  // Greek; for an unforeseen problem with the system's text

  int Status() const { return problem == TFileProblem::InUse ? FLOX_ERR_IN_USE : FLOX_ERR_FILE; }
  bool Saving() const { return line1 != kLoadErrorLine1; }
  // "the study file "x" cannot be read (<line 1>: <line 2>: <reason>)"; a
  // study in use is neither damaged nor uncreatable, and is said so.
  std::string Message(const std::string& fileName) const {
    if (problem == TFileProblem::InUse) {
      return "the study file " + Quoted(fileName) + " is in use, " +
             (Saving() ? "the changes were not saved: " : "nothing was written: ") + reason;
    }
    return "the study file " + Quoted(fileName) + (Saving() ? " cannot be written (" : " cannot be read (") + line1 +
           ": " + kFileErrorLine2 + ": " + reason + ")";
  }
  // The modal box: a study in use has its own; every other failure the
  // error box with its two lines and the reason.
  void Show(const std::string& fileName) const {
    if (problem == TFileProblem::InUse) {
      std::string text = "Η μελέτη «" + StudyName(fileName) + "» είναι ανοιχτή σε άλλο παράθυρο ή πρόγραμμα.";
      if (Saving()) text += " Οι αλλαγές δεν αποθηκεύτηκαν· το αρχείο έμεινε όπως ήταν.";
      platform::ShowWarning("Μελέτη σε χρήση", text);
      return;
    }
    platform::ShowError(line1, std::string(kFileErrorLine2) + "\n" + reason);
  }
  // A load that leaves nothing to work on: the study could not even be
  // opened, so editing it would only lose the edits at the save.
  bool CannotOpen() const {
    return problem == TFileProblem::InUse || problem == TFileProblem::NotRegular ||
           problem == TFileProblem::NoPermission || problem == TFileProblem::NameTooLong ||
           problem == TFileProblem::BadName;
  }
};

// Runs one study-file operation: every failure of the file layer is caught
// here and comes back as what to tell.
template <class Operation>
std::optional<TFileFailure> TryFile(const char* line1, Operation operation) {
  auto failure = [line1](TFileProblem problem, const char* detail) {
    std::string reason = FileProblemText(problem);
    if (problem == TFileProblem::Other && detail != nullptr && *detail != '\0') reason += std::string(" (") + detail + ")";
    return TFileFailure{line1, problem, std::move(reason)};
  };
  try {
    operation();
    return std::nullopt;
  } catch (const EStreamError& e) {
    return failure(e.Problem(), e.what());
  } catch (const std::exception& e) {
    return failure(TFileProblem::Other, e.what());
  } catch (...) {
    return failure(TFileProblem::Other, nullptr);
  }
}

// A save through one of several names of a file (hard links) leaves the
// others on the study as it was: the user is told, once, where it happens.
std::string OtherNamesNote(const std::string& fileName, std::uint32_t otherNames) {
  return "Η μελέτη αποθηκεύτηκε ως νέο αρχείο με το όνομα «" + fileName +
         "». Το αρχείο είχε και άλλα ονόματα (σκληροί σύνδεσμοι: " + std::to_string(otherNames) +
         "), που κρατούν την προηγούμενη μορφή της μελέτης.";
}

// Loads the study for a call that only reads it (the lock goes with the
// load). Returns FLOX_OK, or the status after setting the last error;
// *present tells whether there was a file.
int LoadForReading(TFlox03Pages& study, const std::string& fileName, bool* present) {
  TStudyFile file(fileName, TStudyFile::TUse::Read);
  const auto failure = TryFile(kLoadErrorLine1, [&] { *present = file.Load(study.Records()); });
  return failure ? Failure(failure->Status(), failure->Message(fileName)) : FLOX_OK;
}

bool Empty(const char* s) { return s == nullptr || *s == '\0'; }

// The study type of the status-returning calls: the low byte, one of the
// family table's types (or 0 where none is allowed).
bool StudyTypeOf(std::uint32_t studyType, bool allowNone, std::uint8_t* out) {
  const auto type = static_cast<std::uint8_t>(studyType & 0xFFu);
  if (FindStudyType(type) == nullptr && (type != 0 || !allowNone)) {
    std::string known = allowNone ? "0" : "";
    for (const TStudyFamily& family : StudyFamilies())
      for (const TStudyTypeDef& t : family.types) known += (known.empty() ? "" : ", ") + std::to_string(t.type);
    g_lastStatus = FLOX_ERR_ARGUMENT;
    g_lastError = "study type " + std::to_string(type) + " is not one of " + known;
    return false;
  }
  *out = type;
  return true;
}

// A copy of the text for the caller, who releases it with Flox03Free; nullptr
// when there is no memory for it.
char* NewText(const std::string& text) {
  char* out = static_cast<char*>(std::malloc(text.size() + 1));
  if (out != nullptr) std::memcpy(out, text.c_str(), text.size() + 1);
  return out;
}

}  // namespace

extern "C" {

FLOX_API unsigned char FLOX_CALL Flox03A(uintptr_t hostWindow, const char* fileName, void* /*reserved*/,
                                         FLOX_STACK_PAIR(uint32_t action, uint32_t studyType)) {
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
    if (code == 1 && FindStudyFamily(type) != nullptr && !platform::CanShowDialogs()) {
      // A dialog nobody can see would wait for ever.
      const std::string text = "Δεν υπάρχει οθόνη: ο διάλογος καταχώρησης της μελέτης δεν μπορεί να ανοίξει.";
      std::fprintf(stderr, "WinFlox03RDll: %s\n", text.c_str());
      platform::SetApplicationWindow(0);
      Failure(FLOX_ERR_NO_DISPLAY, text);
      return 0;
    }
    auto study = std::make_unique<TFlox03Pages>();
    // The study stays locked from the load to the last save.
    TStudyFile file(name, TStudyFile::TUse::Request);
    // A failure shows its error box, and the first one becomes the call's
    // status.
    auto failed = [&](const std::optional<TFileFailure>& failure) {
      if (!failure) return false;
      failure->Show(name);
      fail(failure->Status(), failure->Message(name));
      return true;
    };
    auto save = [&] {
      std::uint32_t otherNames = 0;
      auto failure = TryFile(kSaveErrorLine1, [&] { otherNames = file.Save(study->Records()); });
      if (otherNames > 0) platform::ShowInformation("Αποθήκευση μελέτης", OtherNamesNote(name, otherNames));
      return failure;
    };
    study->ApplyTypeDefaults(type);
    bool go = true;
    bool loaded = false;
    if (const auto failure = TryFile(kLoadErrorLine1, [&] { loaded = file.Load(study->Records()); })) {
      failed(failure);
      go = !failure->CannotOpen();
    } else if (!loaded) {
      const auto created = save();
      if (failed(created)) go = created->problem != TFileProblem::InUse;
    }
    switch (go ? code : 0) {
      case 1:
        study->EditStudy(type);
        failed(save());
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
    study.reset();
    completed = 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "WinFlox03RDll: the request failed: %s\n", PrintableText(e.what()).c_str());
    fail(FLOX_ERR_RENDER, std::string("the request failed: ") + e.what());
  } catch (...) {
    std::fprintf(stderr, "WinFlox03RDll: the request failed\n");
    fail(FLOX_ERR_RENDER, "the request failed");
  }
  platform::SetApplicationWindow(0);
  g_lastStatus = status;
  g_lastError = message;
  return completed;
}

FLOX_API void FLOX_CALL InitDll(uintptr_t hostWindow) { platform::SetApplicationWindow(hostWindow); }

FLOX_API int FLOX_CALL Flox03ExportJson(const char* fileName, char** json) {
  ClearLastError();
  try {
    if (json == nullptr) return Failure(FLOX_ERR_ARGUMENT, "no place for the JSON text was given");
    *json = nullptr;
    if (Empty(fileName)) return Failure(FLOX_ERR_ARGUMENT, "no study file name was given");
    const std::string name = fileName;
    TFlox03Pages study;
    bool present = false;
    if (const int status = LoadForReading(study, name, &present)) return status;
    if (!present) return Failure(FLOX_ERR_FILE, "there is no study file " + Quoted(name));
    *json = NewText(StudyToJson(study));
    return *json != nullptr ? FLOX_OK : Failure(FLOX_ERR_FILE, "out of memory");
  } catch (const std::exception& e) {
    return Failure(FLOX_ERR_FILE, std::string("the study could not be exported: ") + e.what());
  } catch (...) {
    return Failure(FLOX_ERR_FILE, "the study could not be exported");
  }
}

FLOX_API int FLOX_CALL Flox03ImportJson(const char* fileName, const char* json, uint32_t studyType) {
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
    TStudyFile file(name, TStudyFile::TUse::Request);  // locked from the load to the save
    if (auto failure = TryFile(kLoadErrorLine1, [&] { file.Load(study.Records()); }))
      return Failure(failure->Status(), failure->Message(name));
    ApplyStudyEdits(study, edits);
    std::uint32_t otherNames = 0;
    if (auto failure = TryFile(kSaveErrorLine1, [&] { otherNames = file.Save(study.Records()); }))
      return Failure(failure->Status(), failure->Message(name));
    if (otherNames > 0) std::fprintf(stderr, "WinFlox03RDll: %s\n", OtherNamesNote(name, otherNames).c_str());
    return FLOX_OK;
  } catch (const std::exception& e) {
    return Failure(FLOX_ERR_FILE, std::string("the study could not be imported: ") + e.what());
  } catch (...) {
    return Failure(FLOX_ERR_FILE, "the study could not be imported");
  }
}

FLOX_API int FLOX_CALL Flox03ExportPdf(const char* fileName, uint32_t studyType, const char* pdfFileName) {
  ClearLastError();
  try {
    if (Empty(fileName)) return Failure(FLOX_ERR_ARGUMENT, "no study file name was given");
    if (Empty(pdfFileName)) return Failure(FLOX_ERR_ARGUMENT, "no PDF file name was given");
    std::uint8_t type = 0;
    if (!StudyTypeOf(studyType, false, &type)) return FLOX_ERR_ARGUMENT;
    const std::string name = fileName;
    if (TStudyFile(name, TStudyFile::TUse::Read).IsSameFileAs(pdfFileName)) {
      return Failure(FLOX_ERR_ARGUMENT, "the PDF file " + Quoted(pdfFileName) + " is the study file " + Quoted(name) +
                                            " itself; the report is not written over the study");
    }
    // Only a regular file is replaced: a pipe, a device or a folder at that
    // name is left alone.
    TFileSystem& fs = SystemFileSystem();
    if (fs.Examine(fs.Target(pdfFileName)).kind == TFileInfo::TKind::Other) {
      return Failure(FLOX_ERR_FILE, "the PDF file " + Quoted(pdfFileName) +
                                        " exists and is not a regular file (a folder, a pipe or a device); it was "
                                        "neither replaced nor written into");
    }

    // Loaded like Flox03A loads it, but a missing file is not created: the
    // report then shows the defaults of the type.
    TFlox03Pages study;
    study.ApplyTypeDefaults(type);
    bool present = false;
    if (const int status = LoadForReading(study, name, &present)) return status;

    platform::EnsureApplication();
    std::string error;
    if (!study.ExportReportPdf(type, pdfFileName, &error)) {
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

FLOX_API int FLOX_CALL Flox03CheckFit(const char* fileName, uint32_t studyType, char** json) {
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
    bool present = false;
    if (const int status = LoadForReading(study, name, &present)) return status;

    platform::EnsureApplication();
    *json = NewText(CutFieldsToJson(FindCutFields(study, type)));
    return *json != nullptr ? FLOX_OK : Failure(FLOX_ERR_RENDER, "out of memory");
  } catch (const std::exception& e) {
    return Failure(FLOX_ERR_RENDER, std::string("the report could not be laid out: ") + e.what());
  } catch (...) {
    return Failure(FLOX_ERR_RENDER, "the report could not be laid out");
  }
}

FLOX_API char* FLOX_CALL Flox03StudyTypes(void) {
  ClearLastError();
  try {
    if (char* json = NewText(StudyTypesJson())) return json;
  } catch (const std::exception&) {
  }
  Failure(FLOX_ERR_RENDER, "the study types could not be listed: out of memory");
  return nullptr;
}

FLOX_API const char* FLOX_CALL Flox03LastError(void) { return g_lastError.c_str(); }

FLOX_API int FLOX_CALL Flox03LastStatus(void) { return g_lastStatus; }

FLOX_API void FLOX_CALL Flox03Free(void* text) { std::free(text); }

}  // extern "C"
