#include "reportengine/output.h"

#include <cmath>
#include <cstdio>

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "platform/platform.h"
#include "reportengine/preview.h"
#include "reportengine/printing.h"
#include "reportengine/renderer.h"

namespace qr {
namespace {

TCaptureSink* g_sink = nullptr;

// Fonts and text layout need a QGuiApplication; the library makes its own
// where the host has none.
bool CanRender() {
  platform::EnsureApplication();
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

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
  run.pdf = RenderPdf(pages);
  if (imageDpi_ > 0) {
    for (TQuickRep* page : pages) run.images.push_back(RenderImage(*page, imageDpi_));
  }
  runs_.push_back(std::move(run));
}

QByteArray RenderPdf(const std::vector<TQuickRep*>& pages) {
  if (pages.empty() || !CanRender()) return {};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("WinFlox03RDll"));
    writer.setTitle(QStringLiteral("Δεδομένα Ενεργητικής Πυροπροστασίας"));
    writer.setResolution(1200);
    SetUpPagedDevice(writer);
    QString error;
    if (!PaintPages(writer, pages, &error)) return {};
  }
  buffer.close();
  return bytes;
}

bool WritePdf(const std::vector<TQuickRep*>& pages, const QString& fileName, QString* error) {
  auto fail = [error](const QString& message) {
    if (error != nullptr) *error = message;
    return false;
  };
  if (pages.empty()) return fail(QStringLiteral("Δεν υπάρχουν σελίδες για το αρχείο PDF."));
  if (fileName.isEmpty()) return fail(QStringLiteral("Δεν δόθηκε όνομα αρχείου PDF."));
  if (!CanRender()) return fail(QStringLiteral("Οι σελίδες δεν μπορούν να σχεδιαστούν χωρίς εφαρμογή Qt με γραμματοσειρές."));
  const QByteArray pdf = RenderPdf(pages);
  if (pdf.isEmpty()) return fail(QStringLiteral("Οι σελίδες δεν μπόρεσαν να γραφτούν ως PDF."));
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    return fail(QStringLiteral("Το αρχείο %1 δεν μπορεί να γραφτεί: %2").arg(fileName, file.errorString()));
  }
  if (file.write(pdf) != pdf.size() || !file.commit()) {
    return fail(QStringLiteral("Το αρχείο %1 δεν γράφτηκε: %2").arg(fileName, file.errorString()));
  }
  return true;
}

QImage RenderImage(TQuickRep& page, double dpi) {
  if (!(dpi > 0) || dpi > 2400 || !CanRender()) return {};
  const QSize size(static_cast<int>(std::lround(kPageWidth / kTenthsPerInch * dpi)),
                   static_cast<int>(std::lround(kPageHeight / kTenthsPerInch * dpi)));
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  PreparePage(page);
  QPainter painter(&image);
  PaintPage(painter, page, dpi, dpi);
  painter.end();
  return image;
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
