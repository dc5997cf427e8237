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
};

// The first `count` records back to back.
void Save(const std::vector<TPageRecord>& study, std::size_t count, TMemoryStream& stream) {
  stream.Clear();
  for (std::size_t i = 0; i < count; ++i) WriteComponentStream(stream, study[i]);
}

// The first `count` records of `study` must save and read back into `again`
// to the same length and the same values. (The writer is a function of the
// values alone, so equal values also save to equal bytes.)
void CheckRoundTrip(TState& state, std::size_t count) {
  Save(state.study, count, state.saved);
  state.saved.Seek(0, TSeekOrigin::Begin);
  for (std::size_t i = 0; i < count; ++i) {
    try {
      ReadComponentStream(state.saved, state.again[i]);
    } catch (const EReadError&) {
      Fail("a saved study does not read back");
    }
  }
  if (state.saved.Position() != static_cast<std::int64_t>(state.saved.Bytes().size())) {
    Fail("a saved study reads back to another length");
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (!(state.study[i] == state.again[i])) Fail("a value changed on its way through the file");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TState& state = [] () -> TState& {
    auto* fresh = new TState;
    // Records no input reaches keep their constructed values, whose way
    // through the file is the same for every input: checked once here.
    CheckRoundTrip(*fresh, fresh->study.size());
    return *fresh;
  }();
  auto& study = state.study;
  // Only the records the last input reached need clearing.
  for (std::size_t i = 0; i < state.touched; ++i) {
    study[i].Clear();
    state.again[i].Clear();
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

  // What the input read must make the round trip; the records after it are
  // as constructed, checked once above.
  CheckRoundTrip(state, state.touched);
  return 0;
}
