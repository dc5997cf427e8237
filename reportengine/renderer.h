// The one renderer of page reports: it paints a page onto any QPainter
// (printer, PDF writer, image, preview) the same way.
//
// The renderer works in hundredths of a millimetre on the sheet (the page
// descriptions give tenths of a millimetre from the top-left corner of the
// child band). The painter's transform maps these units to the device's
// pixels; fonts are sized in the same units, so a caption has the same size
// and the same line breaks on every device.
#pragma once

#include <cstddef>
#include <vector>

#include <QFont>
#include <QRectF>
#include <QString>

#include "reportengine/model.h"
#include "reportengine/quickrep.h"

class QPainter;
class QPagedPaintDevice;

namespace qr {

// Renderer units per tenth of a millimetre of the page descriptions.
inline constexpr double kUnitsPerTenth = 10.0;
inline constexpr double kTenthsPerInch = 254.0;

// The installed family standing in for a family of the page descriptions
// (platform::ScreenFontFamily).
QString InstalledFamily(const char* family);

// The font of an element, sized in renderer units (hundredths of a mm).
QFont PageFont(const TFontDef& def);

// The colours of the page model.
inline constexpr int kLightGrey = 201;  // opaque label background, grey brush
inline constexpr int kFrameGrey = 128;  // grey frames of shapes

// Band rectangles of a page, in tenths of a millimetre from the sheet's
// top-left corner. Title band and child band never exceed the printable
// height together: a page report is always exactly one sheet.
struct TBandRects {
  QRectF title;
  QRectF child;
};
TBandRects BandRects(const TPageDef& def);

// The box element i occupies on the sheet, in tenths of a millimetre, after
// auto size and stretching and cut to the child band; empty when nothing of
// it lies on the band. Everything the element draws stays inside this box.
QRectF ElementBox(const TQuickRep& report, std::size_t elementIndex);

// How much of an element's text the printed page shows, from the same
// layout the renderer paints: a line counts as printed when it starts inside
// the box and its baseline lies inside it (descenders may be cut); a
// character of a printed line counts when it lies inside the box's width.
// Line breaks are not counted; a blank always counts as printed: a blank
// that falls outside the box loses nothing.
struct TTextFit {
  int lines = 0;
  int linesShown = 0;
  int characters = 0;
  int charactersShown = 0;
  bool Cut() const { return charactersShown < characters; }
};
TTextFit TextFit(const TQuickRep& report, std::size_t elementIndex);

// Paints one page report onto the painter, whose origin is the sheet's
// top-left corner on a device of the given resolution. Does not call the
// need-data hook and leaves the painter's state as it found it.
void PaintPage(QPainter& painter, const TQuickRep& report, double dpiX, double dpiY);

// Calls the page's need-data hook, as every output does before the page's
// bands print.
void PreparePage(TQuickRep& report);

// Paints the pages one sheet each onto a printer or PDF writer whose page
// layout is A4 portrait, full page, no margins (see SetUpPagedDevice).
// Calls each page's need-data hook before painting it. False, with *error
// set, when the device cannot be painted on.
bool PaintPages(QPagedPaintDevice& device, const std::vector<TQuickRep*>& pages, QString* error);

// A4 portrait, no margins: the painter's origin is the sheet's corner.
void SetUpPagedDevice(QPagedPaintDevice& device);

}  // namespace qr
