// libFuzzer target: arbitrary bytes as a study file on disk, loaded, edited
// and saved again through a path in a temporary folder.
//
// Whatever the bytes, the file layer must not crash or hang; a load fails
// only as a damaged study; the save after it succeeds,
// keeps the original bytes in exactly one backup when the load failed (and
// makes none otherwise), leaves nothing else beside the study, and writes a
// study that loads back to the same values.
#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "records/study_file.h"
#include "records/study_slots.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_study_io: %s\n", what);
  std::abort();
}

std::vector<std::string> Entries();

const std::string& Folder() {
  static const std::string folder = [] {
    // In memory where there is such a folder: a save flushes to disk, which
    // on a real disk costs far more than the code under test.
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz-study-io-XXXXXX" : "/tmp/fuzz-study-io-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) Fail("no temporary folder");
    return pattern;
  }();
  static const bool cleanedAtExit = std::atexit([] {
    for (const std::string& e : Entries()) ::unlink((Folder() + "/" + e).c_str());
    ::rmdir(Folder().c_str());
  }) == 0;
  (void)cleanedAtExit;
  return folder;
}

std::vector<std::string> Entries() {
  std::vector<std::string> names;
  DIR* dir = ::opendir(Folder().c_str());
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

std::string ReadAll(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string name = Folder() + "/study.flx";
  const std::string original(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(original.data(), static_cast<std::streamsize>(original.size()));
  }
  bool loaded = false;
  {
    std::vector<TPageRecord> records = NewStudyRecords();
    TStudyFile study(name, TStudyFile::TUse::Request);
    try {
      loaded = study.Load(records);
    } catch (const EStreamError& e) {
      if (e.Problem() != TFileProblem::Damaged) Fail("a damaged study reported as something else");
    }
    records[0].Set(0, original.substr(0, 16));
    try {
      study.Save(records);
    } catch (const EStreamError&) {
      Fail("the save after the load failed");
    }
    std::vector<TPageRecord> other = NewStudyRecords();
    try {
      if (size > 0 && (data[0] & 1) && TStudyFile(name, TStudyFile::TUse::Read).Load(other))
        Fail("a held study was opened by another");
    } catch (const EStreamError&) {
    }
    study.Release();

    std::vector<TPageRecord> reread = NewStudyRecords();
    if (!TStudyFile(name, TStudyFile::TUse::Read).Load(reread)) Fail("a saved study does not load");
    if (reread != records) Fail("a value changed on its way through the file");
  }
  const std::vector<std::string> entries = Entries();
  std::size_t backups = 0;
  for (const std::string& e : entries) {
    if (e == "study.flx") continue;
    if (e.size() < 4 || e.substr(e.size() - 4) != ".bak") Fail("something else was left beside the study");
    ++backups;
    if (ReadAll(Folder() + "/" + e) != original) Fail("the backup does not hold the original bytes");
    ::unlink((Folder() + "/" + e).c_str());
  }
  if (backups != (loaded ? 0u : 1u)) Fail("a backup too many or too few");
  ::unlink(name.c_str());
  return 0;
}
