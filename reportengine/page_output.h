// The renderers of page reports: PDF bytes and files and page images. The
// preview window, printing and the capture sink call them; they call none of
// those.
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

// Makes sure a GUI application exists for fonts and text layout; false when
// none can be had.
bool CanRender();

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

}  // namespace qr
