// Saving and loading a whole study (all nineteen records, every field at its
// maximum length) to memory and to a file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "records/codec.h"
#include "records/page_record.h"
#include "records/study_file.h"
#include "records/study_slots.h"

namespace {

// A whole study with every field at its maximum length.
std::vector<TPageRecord> FullStudy() {
  std::vector<TPageRecord> records = NewStudyRecords();
  int salt = 0;
  for (TPageRecord& record : records) {
    const TRecordClass& cls = record.Class();
    for (std::size_t i = 0; i < cls.props.size(); ++i)
      record.Set(i, std::string(cls.props[i].maxLen, static_cast<char>(0xC1 + (salt++ % 24))));
  }
  return records;
}

std::string ScratchFile() {
  return (std::filesystem::temp_directory_path() / ("bench-study-" + std::to_string(::getpid()) + ".flx")).string();
}

void SaveToMemory(benchmark::State& state) {
  const std::vector<TPageRecord> study = FullStudy();
  TMemoryStream stream;
  for (auto _ : state) {
    stream.Clear();
    WriteStudy(stream, study);
    benchmark::DoNotOptimize(stream.Bytes().data());
  }
  state.counters["bytes"] = static_cast<double>(stream.Bytes().size());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(stream.Bytes().size()));
}
BENCHMARK(SaveToMemory);

void LoadFromMemory(benchmark::State& state) {
  TMemoryStream stream(StudyBytes(FullStudy()));
  std::vector<TPageRecord> study = NewStudyRecords();
  for (auto _ : state) {
    stream.Seek(0, TSeekOrigin::Begin);
    ReadStudy(stream, study);
  }
  state.counters["bytes"] = static_cast<double>(stream.Bytes().size());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(stream.Bytes().size()));
}
BENCHMARK(LoadFromMemory);

// The whole safe save: temporary file, flush to disk, rename, folder flush.
void SaveToFile(benchmark::State& state) {
  const std::vector<TPageRecord> study = FullStudy();
  const std::string name = ScratchFile();
  TStudyFile file(name, TStudyFile::TUse::Request);
  for (auto _ : state) file.Save(study);
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(name));
  std::filesystem::remove(name);
}
BENCHMARK(SaveToFile)->Unit(benchmark::kMicrosecond);

void LoadFromFile(benchmark::State& state) {
  const std::string name = ScratchFile();
  TStudyFile(name, TStudyFile::TUse::Request).Save(FullStudy());
  std::vector<TPageRecord> study = NewStudyRecords();
  for (auto _ : state) TStudyFile(name, TStudyFile::TUse::Read).Load(study);
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(name));
  std::filesystem::remove(name);
}
BENCHMARK(LoadFromFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
