#include "reportengine/printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "platform/platform.h"
#include "reportengine/page_output.h"
#include "reportengine/renderer.h"

namespace qr {

QString FallbackFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

QString FallbackFileName(const QDateTime& when) {
  return QStringLiteral("flox03-print-%1.pdf").arg(when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
}

bool WriteFallbackPdf(const QByteArray& pdf, const QString& folder, const QDateTime& when, QString* path,
                      QString* error) {
  const QDir dir(folder);
  const QString base = FallbackFileName(when);
  const QString stem = base.left(base.size() - 4);
  QString lastError;
  for (int n = 1; n < 1000; ++n) {
    const QString name = n == 1 ? base : QStringLiteral("%1-%2.pdf").arg(stem).arg(n);
    QFile file(dir.filePath(name));
    // NewOnly: a file of that name, even one made a moment ago, is never touched.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      if (file.exists()) continue;
      lastError = file.errorString();
      break;
    }
    if (file.write(pdf) != pdf.size() || !file.flush()) {
      lastError = file.errorString();
      file.close();
      file.remove();
      break;
    }
    file.close();
    if (path != nullptr) *path = file.fileName();
    return true;
  }
  if (error != nullptr) {
    *error = QStringLiteral("Το αρχείο PDF δεν μπόρεσε να γραφτεί στον φάκελο %1: %2")
                 .arg(QDir::toNativeSeparators(folder), lastError.isEmpty() ? QStringLiteral("υπάρχουν ήδη πολλά αρχεία με αυτό το όνομα") : lastError);
  }
  return false;
}

TPrintOutcome PrintPages(const std::vector<TQuickRep*>& pages) {
  TPrintOutcome outcome;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    // No printer on this machine: the job becomes a PDF file rather than vanish.
    const QByteArray pdf = RenderPdf(pages);
    if (pdf.isEmpty()) {
      outcome.error = QStringLiteral("Οι σελίδες δεν μπόρεσαν να γραφτούν ως PDF.");
      return outcome;
    }
    const QDateTime now = QDateTime::currentDateTime();
    QString error;
    const QString folder = FallbackFolder();
    if (WriteFallbackPdf(pdf, folder, now, &outcome.pdfFile, &error)) {
      outcome.ok = true;
    } else if (folder != QDir::homePath() && WriteFallbackPdf(pdf, QDir::homePath(), now, &outcome.pdfFile, &error)) {
      outcome.ok = true;
    } else {
      outcome.error = error;
    }
    return outcome;
  }

  QPrinter printer(info, QPrinter::HighResolution);
  if (!printer.isValid()) {
    outcome.error = QStringLiteral("Ο εκτυπωτής %1 δεν είναι διαθέσιμος.").arg(info.printerName());
    return outcome;
  }
  printer.setDocName(QStringLiteral("Δεδομένα Ενεργητικής Πυροπροστασίας"));
  printer.setCopyCount(1);
  printer.setDuplex(QPrinter::DuplexNone);
  printer.setPrintRange(QPrinter::AllPages);
  printer.setPageOrder(QPrinter::FirstPageFirst);
  SetUpPagedDevice(printer);
  QString error;
  if (!PaintPages(printer, pages, &error)) {
    outcome.error = QStringLiteral("Η εκτύπωση στον εκτυπωτή %1 απέτυχε: %2").arg(info.printerName(), error);
    return outcome;
  }
  outcome.ok = true;
  outcome.printer = info.printerName();
  return outcome;
}

void PrintAndReport(const std::vector<TQuickRep*>& pages, QWidget* over) {
  const TPrintOutcome outcome = PrintPages(pages);
  if (!outcome.ok) {
    if (over != nullptr && platform::HasDisplay()) {
      QMessageBox::critical(over, QStringLiteral("Σφάλμα εκτύπωσης"), outcome.error);
    } else {
      platform::ShowError("Σφάλμα εκτύπωσης", outcome.error.toStdString());
    }
    return;
  }
  if (outcome.pdfFile.isEmpty()) return;
  const QString path = QDir::toNativeSeparators(outcome.pdfFile);
  const QString text =
      QStringLiteral("Δεν βρέθηκε εκτυπωτής. Οι σελίδες αποθηκεύτηκαν ως αρχείο PDF:\n%1").arg(path);
  if (over == nullptr || !platform::HasDisplay()) {
    platform::ShowInformation("Εκτύπωση", text.toStdString());
    return;
  }
  QMessageBox::information(over, QStringLiteral("Εκτύπωση"), text);
}

}  // namespace qr
