// libFuzzer target: arbitrary bytes as the JSON text of an import.
//
// Checking must never crash, hang or allocate beyond reason, whatever the
// nesting, keys or size. A refusal leaves no values behind and names the
// problem in a short message (never the offending value whole). Accepted
// values, written into a study, must come back unchanged through the
// study's own JSON.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "entry/study_json.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_study_json: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const TFlox03Pages shape;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<TStudyEdit> edits;
  TStudyJsonError error;
  if (!ParseStudyJson(text, shape, &edits, &error)) {
    if (!edits.empty()) Fail("a refused text left values behind");
    if (error.kind == TStudyJsonError::None || error.message.empty()) Fail("a refusal without a message");
    if (error.message.size() > 600) Fail("a message too long to be read");
    return 0;
  }
  TFlox03Pages study;
  ApplyStudyEdits(study, edits);
  std::vector<TStudyEdit> again;
  if (!ParseStudyJson(StudyToJson(study, -1), shape, &again, &error)) Fail("the study's own JSON is refused");
  TFlox03Pages reread;
  ApplyStudyEdits(reread, again);
  for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot)
    for (std::size_t p = 0; p < study.Slot(slot).PropCount(); ++p)
      if (study.Slot(slot).Get(p) != reread.Slot(slot).Get(p)) Fail("a value changed on its way through JSON");
  return 0;
}
