#include "reportengine/page_output.h"

#include <cmath>

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "platform/platform.h"
#include "reportengine/renderer.h"

namespace qr {

// Fonts and text layout need a QGuiApplication; the library makes its own
// where the host has none.
bool CanRender() {
  platform::EnsureApplication();
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
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
  // The new file takes the old one's name: only a regular file is replaced,
  // never a folder, a pipe or a device.
  const QFileInfo existing(fileName);
  if (existing.exists() && !existing.isFile()) {
    return fail(QStringLiteral("Το %1 δεν είναι κανονικό αρχείο· δεν αντικαταστάθηκε.").arg(fileName));
  }
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

}  // namespace qr
