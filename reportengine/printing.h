// Printing without a printer dialog, and where a print job goes on a machine
// without a printer: a PDF file in the user's documents folder (the home
// folder when there is none), named after the date and time of the job.
#pragma once

#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "reportengine/quickrep.h"

class QWidget;

namespace qr {

struct TPrintOutcome {
  bool ok = false;
  QString printer;   // the printer the pages went to; empty when none
  QString pdfFile;   // the PDF written instead, when there is no printer
  QString error;     // what went wrong, when !ok
};

// Prints the pages on the default printer, A4 portrait, one copy; without a
// default printer writes them as a PDF file into FallbackFolder().
TPrintOutcome PrintPages(const std::vector<TQuickRep*>& pages);

// The user's documents folder when it exists, otherwise the home folder.
QString FallbackFolder();

// "flox03-print-2024-05-01_14-03-22.pdf" for a job of that moment.
QString FallbackFileName(const QDateTime& when);

// Writes the PDF into the folder under FallbackFileName(when), adding "-2",
// "-3", ... when a file of that name exists: nothing is ever overwritten.
// True with *path set, or false with *error set.
bool WriteFallbackPdf(const QByteArray& pdf, const QString& folder, const QDateTime& when, QString* path,
                      QString* error);

// PrintPages, then tells the user where a PDF went or what failed: in a box
// over the given window (or the application window), or on stderr without
// a display.
void PrintAndReport(const std::vector<TQuickRep*>& pages, QWidget* over = nullptr);

}  // namespace qr
