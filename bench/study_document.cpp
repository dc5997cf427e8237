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

// Hostile texts under the size cap, read and refused: one slot with N keys,
// N empty objects as the top-level array, N empty objects in a field's value.
// Each is just under the 4 MB cap; time grows linearly with N.
std::string Repeated(const std::string& item, std::int64_t count) {
  std::string text;
  for (std::int64_t i = 0; i < count; ++i) text += (i ? "," : "") + item;
  return text;
}

std::string HostileJson(int shape, std::int64_t n) {
  switch (shape) {
    case 0: {
      std::string keys;
      for (std::int64_t i = 0; i < n; ++i) keys += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":\"\"";
      return R"([{"slot": 1, "fields": {)" + keys + "}}]";
    }
    case 1:
      return "[" + Repeated("{}", n) + "]";
    default:
      return R"([{"slot": 1, "fields": {"Polh": [)" + Repeated("{}", n) + "]}}]";
  }
}

void BM_RefuseHostileJson(benchmark::State& state) {
  const std::string json = HostileJson(static_cast<int>(state.range(0)), state.range(1));
  const TFlox03Pages shape;
  for (auto _ : state) {
    std::vector<TStudyEdit> edits;
    TStudyJsonError error;
    if (ParseStudyJson(json, shape, &edits, &error)) state.SkipWithError("accepted");
  }
  state.counters["json_bytes"] = static_cast<double>(json.size());
}
BENCHMARK(BM_RefuseHostileJson)
    ->ArgNames({"shape", "n"})
    ->Args({0, 300000})
    ->Args({1, 1300000})
    ->Args({2, 1300000})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
