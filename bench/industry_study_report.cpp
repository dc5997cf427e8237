// Speed of the industry study's whole report: all fifteen pages written as a
// PDF file through the study document, as `flox03 pdf --type 3` runs it
// (every page built and filled, then rendered), with every field of the
// seven records at its maximum length. Goal: the whole report well under a second.
#include <string>

#include <QTemporaryDir>

#include "bench/report_bench.h"
#include "entry/study_document.h"

namespace {

constexpr int kFirstSlot = 7;  // the industry study's records are slots 7 to 13
constexpr int kLastSlot = 13;

void BM_IndustryReportToPdf(benchmark::State& state) {
  TFlox03Pages study;
  study.ApplyTypeDefaults(3);
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    FillToMaximum(study.Slot(slot), "Ελαιόλαδο σε δεξαμενές ανοξείδωτου χάλυβα στο υπόγειο ");
  }
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("industry.pdf")).toStdString();
  std::string error;
  for (auto _ : state) {
    if (!study.ExportReportPdf(3, file, &error)) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
}
BENCHMARK(BM_IndustryReportToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

FLOX_QT_BENCHMARK_MAIN()
