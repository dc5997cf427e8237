// Rendering speed of the report engine: a busy page (180 labels, 100 lines)
// to PDF and to a 96-dpi image, and a 15-page composite report to PDF.
// Goal: well under 0.1 s per page.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "records/cp1253.h"
#include "reportengine/model.h"
#include "reportengine/output.h"
#include "reportengine/quickrep.h"

namespace {

std::string Cp(const std::string& utf8) {
  std::string out;
  Utf8ToCp1253(utf8, out);
  return out;
}

// 60 rows of three labels (a fixed caption, a data label, a small data
// label) with a dotted fill-in line each, and 40 rules of a table grid.
struct TBusyPage {
  TBusyPage() {
    names.reserve(120);
    for (int row = 0; row < 60; ++row) {
      const int top = 20 + row * 42;
      qr::TElementDef caption;
      caption.rect = {20, top, 500, 40};
      caption.text = row % 2 ? "Υπεύθυνος Αρχηγός Πυροπροστασίας:" : "Αριθμός πυροσβεστήρων ξηρής σκόνης:";
      caption.font = {"Arial", 8};
      elements.push_back(caption);

      names.push_back("Data" + std::to_string(row));
      qr::TElementDef data;
      data.name = names.back().c_str();
      data.rect = {540, top, 900, 40};
      data.font = {"Arial", 10};
      elements.push_back(data);

      names.push_back("Small" + std::to_string(row));
      qr::TElementDef small;
      small.name = names.back().c_str();
      small.rect = {1460, top, 420, 40};
      small.font = {"Courier New", 8};
      small.align = qr::TAlign::Right;
      elements.push_back(small);

      qr::TElementDef line;
      line.kind = qr::TElementKind::HLine;
      line.rect = {540, top + 36, 1340, 6};
      line.dotted = true;
      elements.push_back(line);
    }
    for (int i = 0; i < 40; ++i) {
      qr::TElementDef rule;
      rule.kind = i % 2 ? qr::TElementKind::VLine : qr::TElementKind::HLine;
      rule.rect = i % 2 ? qr::TRectDef{40 + i * 45, 2560, 6, 100} : qr::TRectDef{20, 2560 + i * 2, 1860, 6};
      rule.penWidth = static_cast<std::uint8_t>(1 + i % 3);
      elements.push_back(rule);
    }
    def = {"TBusyPreview", 29, "QRChildBand1", 2700, elements};
  }

  void Fill(qr::TQuickRep& report, int variant) const {
    for (int row = 0; row < 60; ++row) {
      report.SetCaption("Data" + std::to_string(row),
                        Cp("Ξενοδοχείο «Ο Ήλιος», Λεωφόρος Νίκης " + std::to_string(row + variant)));
      report.SetCaption("Small" + std::to_string(row), Cp("ανά " + std::to_string(6 + variant) + "μηνον"));
    }
  }

  std::vector<std::string> names;
  std::vector<qr::TElementDef> elements;
  qr::TPageDef def{};
};

const TBusyPage& Busy() {
  static const TBusyPage page;
  return page;
}

void BM_BusyPageToPdf(benchmark::State& state) {
  qr::TQuickRep report(Busy().def);
  Busy().Fill(report, 0);
  for (auto _ : state) benchmark::DoNotOptimize(qr::RenderPdf({&report}));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BusyPageToPdf)->Unit(benchmark::kMillisecond);

// Every caption changes before each rendering: no laid-out text is reused.
void BM_BusyPageToPdfFreshCaptions(benchmark::State& state) {
  qr::TQuickRep report(Busy().def);
  int variant = 0;
  for (auto _ : state) {
    Busy().Fill(report, ++variant % 2);
    benchmark::DoNotOptimize(qr::RenderPdf({&report}));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BusyPageToPdfFreshCaptions)->Unit(benchmark::kMillisecond);

void BM_BusyPageToImage96(benchmark::State& state) {
  qr::TQuickRep report(Busy().def);
  Busy().Fill(report, 0);
  for (auto _ : state) benchmark::DoNotOptimize(qr::RenderImage(report, 96));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BusyPageToImage96)->Unit(benchmark::kMillisecond);

void BM_Composite15PagesToPdf(benchmark::State& state) {
  std::vector<std::unique_ptr<qr::TQuickRep>> pages;
  for (int i = 0; i < 15; ++i) {
    pages.push_back(std::make_unique<qr::TQuickRep>(Busy().def));
    Busy().Fill(*pages.back(), i);
  }
  std::vector<qr::TQuickRep*> report;
  for (auto& page : pages) report.push_back(page.get());
  qr::TCaptureSink sink;  // a print run, recorded as PDF bytes
  for (auto _ : state) {
    qr::RunOutput(qr::TOutputAction::Print, report);
    benchmark::DoNotOptimize(sink.Runs().back().pdf.size());
    sink.Clear();
  }
  state.SetItemsProcessed(state.iterations() * 15);
}
BENCHMARK(BM_Composite15PagesToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
