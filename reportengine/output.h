// Outputs of page reports: PDF bytes and files, page images, and the capture
// sink that stands in for the preview window and the printer in tests and
// headless use.
//
// Every function here needs a running QGuiApplication (fonts); platform::
// EnsureApplication() makes one where the host has none.
#pragma once

#include <vector>

#include <QByteArray>
#include <QImage>
#include <QString>

#include "reportengine/quickrep.h"

namespace qr {

enum class TOutputAction { Preview, Print };

// One Preview() or Print() of a page report or a composite report, as the
// capture sink saw it.
struct TCapturedRun {
  TOutputAction action = TOutputAction::Preview;
  int pageCount = 0;
  QByteArray pdf;             // the run's pages as one PDF document
  std::vector<QImage> images;  // one per page, when the sink was asked for images
};

// While a sink is installed, every Preview() and Print() returns at once and
// is recorded as a run instead of opening a window or printing. Constructing
// a sink installs it; destroying it puts back the sink installed before it
// (if any). A composite report whose handler adds no page produces no run.
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

// The pages as one PDF document, one A4 sheet per page report, fonts
// embedded. Calls each page's need-data hook.
QByteArray RenderPdf(const std::vector<TQuickRep*>& pages);

// Writes RenderPdf(pages) to the file, replacing it only once the whole
// document is written. False, with *error set, when the file cannot be
// written (an existing file is then left as it was).
bool WritePdf(const std::vector<TQuickRep*>& pages, const QString& fileName, QString* error = nullptr);

// The page as an image of the whole A4 sheet at the given resolution, white
// paper. Calls the page's need-data hook.
QImage RenderImage(TQuickRep& page, double dpi);

// What Preview() and Print() of page reports and composite reports do with
// their pages: the installed capture sink records them; otherwise Preview
// opens the modal preview window and Print prints to the default printer
// (see printing.h for a machine without a printer).
void RunOutput(TOutputAction action, const std::vector<TQuickRep*>& pages);

}  // namespace qr
