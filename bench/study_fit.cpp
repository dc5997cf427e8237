// Speed of the fit check that runs before every print and PDF export: the
// general study's whole report filled from full records, every data label
// laid out and measured, the cut fields named from the entry pages' tables.
// Goal: well under a second, so that the warning never holds the user up.
#include <cstdlib>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "entry/study_fit.h"
#include "records/cp1253.h"

namespace {

void BM_FitCheckOfAFullGeneralStudy(benchmark::State& state) {
  TFlox03Pages study;
  std::string words;
  Utf8ToCp1253("Πυροσβεστήρας ξηράς κόνεως 6 kg στην αίθουσα εστίασης ", words);
  for (int slot = 1; slot <= 6; ++slot) {
    TPageRecord& record = study.Slot(slot);
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      std::string value;
      while (value.size() < record.Class().props[i].maxLen) value += words;
      record.Set(i, value);
    }
  }
  std::size_t cut = 0;
  for (auto _ : state) cut = FindCutFields(study, 1).size();
  state.counters["cut fields"] = static_cast<double>(cut);
}
BENCHMARK(BM_FitCheckOfAFullGeneralStudy)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
