// libFuzzer target: arbitrary bytes read as a whole study file.
//
// The nineteen records are read in file order until the first that fails,
// as the study document does. Reading must never crash, hang or allocate
// beyond reason, must fail only with EReadError, and must never move past
// the data. Whatever was read must then save and read back completely, to
// the same values and bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "records/codec.h"
#include "records/study_slots.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_study_file: %s\n", what);
  std::abort();
}

// The records and buffers live for the whole run and are cleared for each
// input, so that an input costs microseconds: no files, no allocation of
// records.
struct TState {
  std::vector<TPageRecord> study = NewStudyRecords();
  std::vector<TPageRecord> again = NewStudyRecords();
  std::size_t touched = 0;  // records of both that the last input read into
  TMemoryStream saved;
  TMemoryStream resaved;
};

void Save(const std::vector<TPageRecord>& study, TMemoryStream& stream) {
  stream.Clear();
  WriteStudy(stream, study);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TState& state = *new TState;
  auto& study = state.study;
  auto& again = state.again;
  // Only the records the last input reached need clearing.
  for (std::size_t i = 0; i < state.touched; ++i) {
    study[i].Clear();
    again[i].Clear();
  }

  TMemoryStream input(data, size);
  std::int64_t last = 0;
  state.touched = study.size();
  for (std::size_t i = 0; i < study.size(); ++i) {
    try {
      ReadComponentStream(input, study[i]);
    } catch (const EReadError&) {
      state.touched = i + 1;  // the failing record holds part of its values
      break;
    }
    const std::int64_t now = input.Position();
    if (now <= last || now > static_cast<std::int64_t>(size)) Fail("a record ended outside the data");
    last = now;
  }
  if (input.Position() > static_cast<std::int64_t>(size)) Fail("the reader moved past the data");

  Save(study, state.saved);
  const std::vector<std::uint8_t>& saved = state.saved.Bytes();
  state.saved.Seek(0, TSeekOrigin::Begin);
  try {
    ReadStudy(state.saved, again);
  } catch (const EReadError&) {
    Fail("a saved study does not read back");
  }
  if (state.saved.Position() != static_cast<std::int64_t>(saved.size())) Fail("a saved study reads back to another length");
  // The writer puts every value down in a fixed order, so equal bytes mean
  // equal values: no slower walk over every value is needed.
  Save(again, state.resaved);
  if (state.resaved.Bytes() != saved) Fail("a value changed on its way through the file");
  return 0;
}
