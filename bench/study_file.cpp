// Saving and loading a whole study (all nineteen records, every field at its
// maximum length) to memory and to a file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "records/errors.h"
#include "records/page_record.h"
#include "records/stream.h"
#include "records/stream_component.h"
#include "records/study_slots.h"

namespace {


// A whole study as one stream component, walking its records as the study
// document does.
class TFullStudy : public TStreamComponent {
 public:
  TFullStudy() {
    records_ = NewStudyRecords();
  }
  void Fill() {
    int salt = 0;
    for (auto& record : records_) {
      const TRecordClass& cls = record->Class();
      for (std::size_t i = 0; i < cls.props.size(); ++i)
        record->Set(i, std::string(cls.props[i].maxLen, static_cast<char>(0xC1 + (salt++ % 24))));
    }
  }
  void SaveToStream(TStream& stream) override {
    for (auto& record : records_) record->SaveToStream(stream);
  }
  void LoadFromStream(TStream& stream) override {
    for (auto& record : records_) record->LoadFromStream(stream);
  }
  void Assign(const TStreamComponent*) override {}

 private:
  std::vector<std::unique_ptr<TPageRecord>> records_;
};

std::string ScratchFile() {
  return (std::filesystem::temp_directory_path() / ("bench-study-" + std::to_string(::getpid()) + ".flx")).string();
}

void SaveToMemory(benchmark::State& state) {
  TFullStudy study;
  study.Fill();
  TMemoryStream stream;
  for (auto _ : state) {
    stream.Clear();
    study.SaveToStream(stream);
    benchmark::DoNotOptimize(stream.Bytes().data());
  }
  state.counters["bytes"] = static_cast<double>(stream.Bytes().size());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(stream.Bytes().size()));
}
BENCHMARK(SaveToMemory);

void LoadFromMemory(benchmark::State& state) {
  TFullStudy written;
  written.Fill();
  TMemoryStream stream;
  written.SaveToStream(stream);
  TFullStudy study;
  for (auto _ : state) {
    stream.Seek(0, TSeekOrigin::Begin);
    study.LoadFromStream(stream);
  }
  state.counters["bytes"] = static_cast<double>(stream.Bytes().size());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(stream.Bytes().size()));
}
BENCHMARK(LoadFromMemory);

// The whole safe save: temporary file, flush to disk, rename, folder flush.
void SaveToFile(benchmark::State& state) {
  TFullStudy study;
  study.Fill();
  const std::string name = ScratchFile();
  for (auto _ : state)
    if (!study.SaveToFile(name)) state.SkipWithError("save failed");
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(name));
  std::filesystem::remove(name);
}
BENCHMARK(SaveToFile)->Unit(benchmark::kMicrosecond);

void LoadFromFile(benchmark::State& state) {
  TFullStudy study;
  study.Fill();
  const std::string name = ScratchFile();
  if (!study.SaveToFile(name)) state.SkipWithError("save failed");
  TFullStudy read;
  for (auto _ : state)
    if (!read.LoadFromFile(name)) state.SkipWithError("load failed");
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(name));
  std::filesystem::remove(name);
}
BENCHMARK(LoadFromFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
