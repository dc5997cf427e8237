// Speed of the general study's whole report: filling the six pages from full
// records, and the whole seven-page report written as a PDF file (page
// forms created, filled, rendered and freed, as a PDF export runs it).
// Goal: the whole report well under a second.
#include <vector>

#include <QTemporaryDir>

#include "bench/report_bench.h"
#include "report/flox03/flox03_report.h"

namespace {

// The six records of a general study, every field at its maximum length.
struct TFullStudy {
  TFullStudy() {
    for (TPageRecord* record : Records()) {
      FillToMaximum(*record, "Πυροσβεστήρας ξηράς κόνεως 6 kg στην αίθουσα εστίασης ");
    }
  }
  std::vector<TPageRecord*> Records() { return {&r1, &r2, &r3, &r4, &r5, &r6}; }
  TFlox03Pg1Data r1;
  TFlox03Pg2Data r2;
  TFlox03Pg3Data r3;
  TFlox03Pg4Data r4;
  TFlox03Pg5Data r5;
  TFlox03Pg6Data r6;
};

void BM_FillSixPages(benchmark::State& state) {
  TFullStudy study;
  TFlox03Page1Preview p1;
  TFlox03Page2Preview p2;
  TFlox03Page3Preview p3;
  TFlox03Page4Preview p4;
  TFlox03Page5Preview p5;
  TFlox03Page6Preview p6;
  TFlox03Report report;
  const std::vector<TPageRecord*> records = study.Records();
  for (auto _ : state) report.FillPages(records, 1);
}
BENCHMARK(BM_FillSixPages)->Unit(benchmark::kMicrosecond);

void BM_WholeReportToPdf(benchmark::State& state) {
  TFullStudy study;
  const std::vector<TPageRecord*> records = study.Records();
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("study.pdf"));
  for (auto _ : state) {
    if (!rpt::RunWholeReport(kFlox03ReportFamily, records, 1, rpt::TReportOutput::Pdf, file)) {
      state.SkipWithError("the PDF could not be written");
      break;
    }
  }
}
BENCHMARK(BM_WholeReportToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

FLOX_QT_BENCHMARK_MAIN()
