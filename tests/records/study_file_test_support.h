// Helpers of the study-file suites: load and save as a request would, the
// problem they failed with, and study files to work on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/study_file.h"
#include "records_test_support.h"

namespace flox_test {

using TUse = TStudyFile::TUse;

// The problem an operation failed with, or nothing when it succeeded.
template <class Operation>
inline std::optional<TFileProblem> ProblemOf(Operation operation) {
  try {
    operation();
  } catch (const EStreamError& e) {
    return e.Problem();
  }
  return std::nullopt;
}

inline std::optional<TFileProblem> Load(TStudyFile& file, TStudy& study) {
  return ProblemOf([&] { file.Load(study.slots); });
}
inline std::optional<TFileProblem> Save(TStudyFile& file, const TStudy& study) {
  return ProblemOf([&] { file.Save(study.slots); });
}
// Saves the study as a new request on the name would.
inline std::optional<TFileProblem> SaveAs(const std::string& name, const TStudy& study) {
  TStudyFile file(name, TUse::Request);
  return Save(file, study);
}

inline Bytes ConstructedStudyBytes() { return TStudy().Save(); }

inline Bytes EditedStudyBytes() {
  TStudy study;
  study[1].Set("NameEpixirisi", Cp("Ξενοδοχείο Ακρογιαλι"));
  study[19].Set("Suntajh", "2024");
  return study.Save();
}

// A study file whose first records are fine and whose sixth is damaged.
inline Bytes DamagedStudyBytes() {
  Bytes bytes = EditedStudyBytes();
  TMemoryStream probe(bytes);
  TStudy study;
  for (int i = 0; i < 5; ++i) ReadComponentStream(probe, study.slots[static_cast<std::size_t>(i)]);
  bytes[static_cast<std::size_t>(probe.Position())] = 'X';  // the sixth record's signature
  return bytes;
}

inline std::vector<std::string> Backups(const TScratchDir& dir) {
  std::vector<std::string> out;
  for (const std::string& e : dir.Entries())
    if (e.size() > 4 && e.substr(e.size() - 4) == ".bak") out.push_back(e);
  return out;
}

}  // namespace flox_test
