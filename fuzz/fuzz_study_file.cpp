// libFuzzer target: arbitrary bytes read as a whole study file.
//
// The nineteen records are read in file order until the first that fails,
// as the study document does. Reading must never crash, hang or allocate
// beyond reason, must fail only with EReadError, and must never move past
// the data. Whatever was read must then save and read back completely, to
// the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "records/stream.h"
#include "records/study_slots.h"
#include "records/stream.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_study_file: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto study = NewStudyRecords();
  TMemoryStream input(data, size);
  std::int64_t last = 0;
  for (auto& record : study) {
    try {
      record->LoadFromStream(input);
    } catch (const EReadError&) {
      break;
    }
    const std::int64_t now = input.Position();
    if (now <= last || now > static_cast<std::int64_t>(size)) Fail("a record ended outside the data");
    last = now;
  }
  if (input.Position() > static_cast<std::int64_t>(size)) Fail("the reader moved past the data");

  const std::vector<std::uint8_t> saved = SaveStudyRecords(study);
  auto again = NewStudyRecords();
  TMemoryStream reread(saved);
  for (auto& record : again) {
    try {
      record->LoadFromStream(reread);
    } catch (const EReadError&) {
      Fail("a saved study does not read back");
    }
  }
  if (reread.Position() != static_cast<std::int64_t>(saved.size())) Fail("a saved study reads back to another length");
  for (std::size_t i = 0; i < study.size(); ++i)
    for (std::size_t p = 0; p < study[i]->PropCount(); ++p)
      if (study[i]->Get(p) != again[i]->Get(p)) Fail("a value changed on its way through the file");
  if (SaveStudyRecords(again) != saved) Fail("saving the read-back study gives other bytes");
  return 0;
}
