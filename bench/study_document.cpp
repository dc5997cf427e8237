// How long the study document takes to write and read a whole study, and to
// turn it into JSON and back, with every field at its full length.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "entry/study_document.h"
#include "entry/study_json.h"
#include "records/codec.h"

namespace {

void FillFullLength(TFlox03Pages& study) {
  for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot) {
    TPageRecord& record = study.Slot(slot);
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      const TPropInfo& prop = record.Class().props[i];
      std::string text(prop.kind == TPropKind::Char ? 1 : prop.maxLen, '\0');
      for (std::size_t k = 0; k < text.size(); ++k) text[k] = static_cast<char>(0xC1 + (slot + i + k) % 17);
      record.Set(i, text);
    }
  }
}

void BM_SaveFullStudy(benchmark::State& state) {
  TFlox03Pages study;
  FillFullLength(study);
  std::size_t bytes = 0;
  for (auto _ : state) {
    TMemoryStream stream;
    WriteStudy(stream, study.Records());
    bytes = stream.Bytes().size();
    benchmark::DoNotOptimize(stream.Bytes().data());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SaveFullStudy);

void BM_LoadFullStudy(benchmark::State& state) {
  TFlox03Pages source;
  FillFullLength(source);
  const std::vector<std::uint8_t> bytes = StudyBytes(source.Records());
  for (auto _ : state) {
    TMemoryStream stream(bytes);
    TFlox03Pages study;
    ReadStudy(stream, study.Records());
    benchmark::DoNotOptimize(&study);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadFullStudy);

void BM_ExportJson(benchmark::State& state) {
  TFlox03Pages study;
  FillFullLength(study);
  for (auto _ : state) benchmark::DoNotOptimize(StudyToJson(study));
}
BENCHMARK(BM_ExportJson);

void BM_ImportJson(benchmark::State& state) {
  TFlox03Pages study;
  FillFullLength(study);
  const std::string json = StudyToJson(study);
  for (auto _ : state) {
    TFlox03Pages target;
    std::vector<TStudyEdit> edits;
    TStudyJsonError error;
    if (!ParseStudyJson(json, target, &edits, &error)) state.SkipWithError(error.message.c_str());
    ApplyStudyEdits(target, edits);
    benchmark::DoNotOptimize(&target);
  }
}
BENCHMARK(BM_ImportJson);

// A hostile text: one slot with N keys, read whole and refused; time grows
// linearly with N.
void BM_RefuseManyKeys(benchmark::State& state) {
  std::string json = R"([{"slot": 1, "fields": {)";
  for (std::int64_t i = 0; i < state.range(0); ++i) json += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":\"\"";
  json += "}}]";
  const TFlox03Pages shape;
  for (auto _ : state) {
    std::vector<TStudyEdit> edits;
    TStudyJsonError error;
    if (ParseStudyJson(json, shape, &edits, &error)) state.SkipWithError("accepted");
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RefuseManyKeys)->Arg(25000)->Arg(200000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
