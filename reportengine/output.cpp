#include "reportengine/output.h"

#include <cstdio>

#include "platform/platform.h"
#include "reportengine/preview.h"
#include "reportengine/printing.h"

namespace qr {
namespace {

TCaptureSink* g_sink = nullptr;

}  // namespace

TCaptureSink::TCaptureSink() : previous_(g_sink) { g_sink = this; }

TCaptureSink::~TCaptureSink() {
  // Sinks normally go away in the reverse order of their making; should one
  // outlive a later one, unlink it without disturbing the others.
  if (g_sink == this) g_sink = previous_;
}

TCaptureSink* TCaptureSink::Current() { return g_sink; }

void TCaptureSink::Record(TOutputAction action, const std::vector<TQuickRep*>& pages) {
  TCapturedRun run;
  run.action = action;
  run.pageCount = static_cast<int>(pages.size());
  run.cursor = platform::ScreenCursor();
  run.pdf = RenderPdf(pages);
  if (imageDpi_ > 0) {
    for (TQuickRep* page : pages) run.images.push_back(RenderImage(*page, imageDpi_));
  }
  runs_.push_back(std::move(run));
}

void RunOutput(TOutputAction action, const std::vector<TQuickRep*>& pages) {
  if (pages.empty()) return;
  if (!CanRender()) {
    std::fprintf(stderr, "WinFlox03RDll: the report cannot be drawn without a Qt GUI application\n");
    std::fflush(stderr);
    return;
  }
  if (TCaptureSink* sink = TCaptureSink::Current()) {
    sink->Record(action, pages);
    return;
  }
  if (action == TOutputAction::Print) {
    PrintAndReport(pages);
  } else {
    ShowPreview(pages);
  }
}

}  // namespace qr
