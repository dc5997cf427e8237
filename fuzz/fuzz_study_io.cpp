// libFuzzer target: arbitrary bytes as a study file on disk, loaded, edited
// and saved again through a path in a temporary folder.
//
// Whatever the bytes, the file layer must not crash or hang; a load fails
// only with message 002 for a damaged study; the save after it succeeds,
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

#include "records/study_slots.h"
#include "records/errors.h"
#include "records/stream_component.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_study_io: %s\n", what);
  std::abort();
}

class TStudyFile : public TStreamComponent {
 public:
  std::vector<std::unique_ptr<TPageRecord>> records = NewStudyRecords();
  void SaveToStream(TStream& stream) override {
    for (auto& r : records) r->SaveToStream(stream);
  }
  void LoadFromStream(TStream& stream) override {
    for (auto& r : records) r->LoadFromStream(stream);
  }
  void Assign(const TStreamComponent*) override {}
};

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
  std::vector<std::string> messages;
  TErrorReporterScope scope([&](const std::string& line1, const std::string&, const std::string&) {
    messages.push_back(line1);
  });
  const std::string name = Folder() + "/study.flx";
  const std::string original(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(original.data(), static_cast<std::streamsize>(original.size()));
  }
  bool loaded = false;
  {
    TStudyFile study;
    if (size > 0 && (data[0] & 1)) study.HoldFile();
    loaded = study.LoadFromFile(name);
    if (!loaded && (messages.size() != 1 || messages[0] != kLoadErrorLine1)) Fail("a failed load without message 002");
    if (!loaded && study.LastFailure() != TFileProblem::Damaged) Fail("a damaged study reported as something else");
    study.records[0]->Set(0, original.substr(0, 16));
    if (!study.SaveToFile(name)) Fail("the save after the load failed");
    TStudyFile locked;
    if (size > 0 && (data[0] & 1) && locked.LoadFromFile(name)) Fail("a held study was opened by another");
    study.ReleaseFile();
    messages.clear();

    TStudyFile reread;
    if (!reread.LoadFromFile(name)) Fail("a saved study does not load");
    for (std::size_t i = 0; i < study.records.size(); ++i)
      for (std::size_t p = 0; p < study.records[i]->PropCount(); ++p)
        if (study.records[i]->Get(p) != reread.records[i]->Get(p)) Fail("a value changed on its way through the file");
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
