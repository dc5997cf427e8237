// The stream component: an object whose persisted state is its list of
// published properties, written to and read from a byte stream or a file as
// one component stream.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "records/posix_io.h"
#include "records/stream.h"

// No study file is larger than this, not even one with every text at its
// longest (about 40 KB): a larger file is refused without being read.
inline constexpr std::int64_t kMaxStudyFileSize = 1 << 20;

class TStreamComponent {
 public:
  explicit TStreamComponent(TStreamComponent* owner = nullptr) : owner_(owner) {}
  virtual ~TStreamComponent();
  TStreamComponent(const TStreamComponent&) = delete;
  TStreamComponent& operator=(const TStreamComponent&) = delete;

  // Writes this object at the stream's position (a record: one component
  // stream; the study document: its nineteen records back to back).
  virtual void SaveToStream(TStream& stream) = 0;
  // Reads into this existing object from the stream's position and leaves the
  // stream on the first byte after what was read. Throws EReadError.
  virtual void LoadFromStream(TStream& stream) = 0;

  // Writes the whole object to the file. The file is replaced only once the
  // new bytes are safely on disk: a failed save shows message 001 and leaves
  // the file that was there untouched. Returns false on failure.
  virtual bool SaveToFile(const std::string& fileName);
  // Reads the file if it exists (a missing file is no failure and reads
  // nothing). A failure shows message 002; what was read before it stays.
  // Returns false on failure.
  virtual bool LoadFromFile(const std::string& fileName);

  // From now on the file this object loads or saves stays locked for
  // exclusive use from the load (or first save) until ReleaseFile() or the
  // object's end, across the saves that replace it: a whole request holds
  // its study, and every other opener is refused at once. Without it a load
  // holds a shared lock and a save an exclusive one only while they run.
  void HoldFile() { holdFile_ = true; }
  void ReleaseFile();
  // Why the last LoadFromFile or SaveToFile failed; empty after a success.
  std::optional<TFileProblem> LastFailure() const { return lastFailure_; }

  // Copies the state of a source of the same class; any other source is ignored.
  virtual void Assign(const TStreamComponent* source) = 0;

  TStreamComponent* Owner() const { return owner_; }

  std::string Name;  // component name, empty in every file this system writes
  std::int32_t Tag = 0;

 private:
  void Fail(const char* line1, TFileProblem problem, const std::string& detail);

  TStreamComponent* owner_;
  bool holdFile_ = false;
  std::unique_ptr<flox_posix::TFdStream> held_;  // the locked study while held
  std::optional<TFileProblem> lastFailure_;
  // Set when LoadFromFile of that file failed; the next save over it first
  // keeps the original bytes in a backup beside it.
  std::string failedLoadFile_;
};
