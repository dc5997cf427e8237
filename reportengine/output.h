// Where the pages of a Preview() or Print() go: the capture sink that stands
// in for the preview window and the printer in tests and headless use, or the
// preview window and the printer themselves. The PDF and image renderers they
// all use are in page_output.h.
//
// Every function here needs a running QGuiApplication (fonts); platform::
// EnsureApplication() makes one where the host has none.
#pragma once

#include <vector>

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/platform.h"
#include "reportengine/page_output.h"
#include "reportengine/quickrep.h"

namespace qr {

enum class TOutputAction { Preview, Print };

// One Preview() or Print() of a page report or of a list of them, as the
// capture sink saw it.
struct TCapturedRun {
  TOutputAction action = TOutputAction::Preview;
  int pageCount = 0;
  QByteArray pdf;             // the run's pages as one PDF document
  std::vector<QImage> images;  // one per page, when the sink was asked for images
  platform::TCursor cursor = platform::TCursor::Default;  // the screen cursor while the pages went out
};

// While a sink is installed, every Preview() and Print() returns at once and
// is recorded as a run instead of opening a window or printing. Constructing
// a sink installs it; destroying it puts back the sink installed before it
// (if any). An empty list of pages produces no run.
class TCaptureSink {
 public:
  TCaptureSink();
  ~TCaptureSink();
  TCaptureSink(const TCaptureSink&) = delete;
  TCaptureSink& operator=(const TCaptureSink&) = delete;

  // Also render every page of each later run to an image of this
  // resolution; 0 (the default) renders no images.
  void SetCaptureImages(double dpi) { imageDpi_ = dpi; }

  const std::vector<TCapturedRun>& Runs() const { return runs_; }
  void Clear() { runs_.clear(); }

  // The installed sink, or null.
  static TCaptureSink* Current();

  void Record(TOutputAction action, const std::vector<TQuickRep*>& pages);

 private:
  TCaptureSink* previous_;
  double imageDpi_ = 0;
  std::vector<TCapturedRun> runs_;
};

// Preview or print of a page report, or of a whole report: a list of page
// reports as one document whose page numbering runs on across them. An empty
// list produces nothing; the installed capture sink records the pages;
// otherwise Preview opens the modal preview window and Print prints to the
// default printer (see printing.h for a machine without a printer).
void RunOutput(TOutputAction action, const std::vector<TQuickRep*>& pages);

}  // namespace qr
