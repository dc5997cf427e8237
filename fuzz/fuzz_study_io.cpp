// libFuzzer target: arbitrary bytes as a study file on disk, loaded, edited
// and saved again through its name in a temporary folder.
//
// Whatever the bytes, the file layer must not crash or hang; a load fails
// only as a damaged study; the save after it succeeds, keeps the original
// bytes in exactly one backup when the load failed (and makes none
// otherwise), leaves nothing else beside the study, holds the study against
// every other opener until it is released, and writes exactly the bytes of
// the records it was given.
//
// The harness costs as little as it can beside the file layer: one folder
// for the whole run (in memory where there is one), records made once and
// reset by copy, and plain system calls for its own files.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "records/codec.h"
#include "records/study_file.h"
#include "records/study_slots.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_study_io: %s\n", what);
  std::abort();
}

struct TState {
  std::string folder;
  std::string study;  // the study's name in it
  const std::vector<TPageRecord> fresh = NewStudyRecords();
  std::vector<TPageRecord> records = fresh;
  std::vector<char> buffer = std::vector<char>(kMaxStudyFileSize);

  TState() {
    // In memory where there is such a folder: a save flushes to disk, which
    // on a real disk costs far more than the code under test.
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz-study-io-XXXXXX" : "/tmp/fuzz-study-io-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) Fail("no temporary folder");
    folder = pattern;
    study = folder + "/study.flx";
  }
  ~TState() {
    for (const std::string& e : Entries()) ::unlink((folder + "/" + e).c_str());
    ::rmdir(folder.c_str());
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    while (const dirent* e = ::readdir(dir)) {
      const std::string name = e->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
  }
};

TState& State() {
  static TState state;
  return state;
}

void WriteAll(const std::string& name, const std::uint8_t* data, std::size_t size) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size) || ::close(fd) != 0) Fail("cannot write the input");
}

std::size_t ReadAll(const std::string& name, std::vector<char>& buffer) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  const ssize_t n = fd < 0 ? -1 : ::read(fd, buffer.data(), buffer.size());
  if (fd >= 0) ::close(fd);
  if (n < 0) Fail("cannot read back a file of the study");
  return static_cast<std::size_t>(n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > static_cast<std::size_t>(kMaxStudyFileSize)) return 0;  // refused unread; tested elsewhere
  TState& state = State();
  WriteAll(state.study, data, size);
  state.records = state.fresh;

  bool loaded = false;
  {
    TStudyFile file(state.study, TStudyFile::TUse::Request);
    try {
      loaded = file.Load(state.records);
      if (!loaded) Fail("an existing study was not found");
    } catch (const EStreamError& e) {
      if (e.Problem() != TFileProblem::Damaged) Fail("a damaged study reported as something else");
    }
    state.records[0].Set(0, std::string(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 16)));
    try {
      file.Save(state.records);
    } catch (const EStreamError&) {
      Fail("the save after the load failed");
    }
    if (size > 0 && (data[0] & 1)) {
      TStudyFile other(state.study, TStudyFile::TUse::Read);
      try {
        other.Load(state.records);
        Fail("a held study was opened by another");
      } catch (const EStreamError& e) {
        if (e.Problem() != TFileProblem::InUse) Fail("a held study refused for another reason");
      }
    }
  }
  // The file holds what the records hold, byte for byte (that this reads
  // back to the same values is the reader's own fuzz target's to show).
  const std::size_t saved = ReadAll(state.study, state.buffer);
  const std::vector<std::uint8_t> expected = StudyBytes(state.records);
  if (saved != expected.size() || std::memcmp(expected.data(), state.buffer.data(), saved) != 0)
    Fail("the saved file does not hold the study");

  std::size_t backups = 0;
  for (const std::string& e : state.Entries()) {
    if (e == "study.flx") continue;
    if (e.size() < 4 || e.compare(e.size() - 4, 4, ".bak") != 0) Fail("something else was left beside the study");
    ++backups;
    const std::string backup = state.folder + "/" + e;
    if (ReadAll(backup, state.buffer) != size || (size > 0 && std::memcmp(data, state.buffer.data(), size) != 0))
      Fail("the backup does not hold the original bytes");
    ::unlink(backup.c_str());
  }
  if (backups != (loaded ? 0u : 1u)) Fail("a backup too many or too few");
  return 0;
}
