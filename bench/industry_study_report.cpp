// Speed of the industry study's whole report: all fifteen pages written as a
// PDF file through the study document, as `flox03 pdf --type 3` runs it
// (page forms created, pages 1 to 7 filled, page 8 given its text, every
// page rendered, everything freed), with every field of the seven records at
// its maximum length. Goal: the whole report well under a second.
#include <cstdlib>
#include <string>

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "entry/study_document.h"
#include "records/cp1253.h"

namespace {

constexpr int kFirstSlot = 7;  // the industry study's records are slots 7 to 13
constexpr int kLastSlot = 13;

void FillToMaximum(TFlox03Pages& study) {
  std::string words;
  Utf8ToCp1253("Ελαιόλαδο σε δεξαμενές ανοξείδωτου χάλυβα στο υπόγειο ", words);
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    TPageRecord& record = study.Slot(slot);
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      std::string value;
      while (value.size() < record.Class().props[i].maxLen) value += words;
      record.Set(i, value);
    }
  }
}

void BM_IndustryReportToPdf(benchmark::State& state) {
  TFlox03Pages study;
  study.ApplyTypeDefaults(3);
  FillToMaximum(study);
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

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
