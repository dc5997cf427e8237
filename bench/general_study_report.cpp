// Speed of the general study's whole report: its seven pages built and
// filled from full records, and the whole report written as a PDF file
// through the study document, as `flox03 pdf --type 1` runs it.
// Goal: the whole report well under a second.
#include <QTemporaryDir>

#include "bench/report_bench.h"
#include "entry/study_document.h"
#include "entry/study_families.h"

namespace {

// A general study, every field of its six records at its maximum length.
TFlox03Pages FullStudy() {
  TFlox03Pages study;
  for (const int slot : FindStudyFamily(1)->Slots()) {
    FillToMaximum(study.Slot(slot), "Πυροσβεστήρας ξηράς κόνεως 6 kg στην αίθουσα εστίασης ");
  }
  return study;
}

void BM_BuildSevenPages(benchmark::State& state) {
  const TFlox03Pages study = FullStudy();
  for (auto _ : state) benchmark::DoNotOptimize(rpt::BuildPages(FindStudyFamily(1)->report, study.Records(), 1));
}
BENCHMARK(BM_BuildSevenPages)->Unit(benchmark::kMicrosecond);

void BM_WholeReportToPdf(benchmark::State& state) {
  TFlox03Pages study = FullStudy();
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("study.pdf")).toStdString();
  std::string error;
  for (auto _ : state) {
    if (!study.ExportReportPdf(1, file, &error)) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
}
BENCHMARK(BM_WholeReportToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

FLOX_QT_BENCHMARK_MAIN()
