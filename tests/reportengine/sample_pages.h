// Page descriptions the engine's tests render: one page with an element of
// every kind, and pages that push the edges (text far too long, bands too
// high, elements off the band).
#pragma once

// GCC 12 warns about members left to their default initialisers in
// designated initialisers, which is how page descriptions are written.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

#include <string>

#include <QImage>
#include <QRect>
#include <QRectF>

#include "reportengine/model.h"

namespace enginetest {

using qr::TAlign;
using qr::TElementDef;
using qr::TElementKind;
using qr::TPageDef;

inline constexpr int kTitle = 29;  // title band height of the test pages

// A page with an element of every kind and attribute.
inline constexpr TElementDef kEveryKindElements[] = {
    {.kind = TElementKind::Shape, .rect = {20, 20, 1860, 260}, .penWidth = 2},
    {.kind = TElementKind::Label, .rect = {400, 60, 1100, 110}, .text = "ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ",
     .font = {"Arial", 14, qr::fsBold}, .align = TAlign::Center},
    {.kind = TElementKind::Label, .rect = {40, 400, 300, 50}, .text = "Επωνυμία:"},
    {.kind = TElementKind::Label, .name = "NameEpixirisi", .rect = {350, 400, 1400, 50}, .text = "NameEpixirisi"},
    {.kind = TElementKind::HLine, .rect = {350, 440, 1400, 20}, .dotted = true, .penWidth = 1},
    {.kind = TElementKind::Label, .rect = {40, 520, 900, 70}, .text = "Α. ΣΤΟΙΧΕΙΑ ΕΠΙΧΕΙΡΗΣΗΣ",
     .font = {"Arial", 12, qr::fsItalic | qr::fsUnderline}},
    {.kind = TElementKind::Label, .rect = {40, 620, 10, 50}, .text = "Πόλη", .autoSize = true},
    {.kind = TElementKind::Label, .name = "Phone1", .rect = {1300, 620, 400, 50}, .text = "Phone1",
     .align = TAlign::Right},
    {.kind = TElementKind::Label, .rect = {40, 720, 200, 60}, .text = "Α/Α", .font = {"MS Sans Serif", 9, qr::fsBold},
     .align = TAlign::Center, .transparent = false, .greyBackground = true},
    {.kind = TElementKind::Label, .rect = {260, 720, 400, 60}, .text = "Courier 10", .font = {"Courier New", 10},
     .transparent = false},
    {.kind = TElementKind::Shape, .rect = {40, 800, 1800, 400}, .penWidth = 1, .greyBrush = false,
     .frames = qr::frLeft | qr::frRight, .frameWidth = 3},
    {.kind = TElementKind::VLine, .rect = {435, 800, 10, 400}, .penWidth = 1},
    {.kind = TElementKind::VLine, .rect = {935, 800, 10, 400}, .penWidth = 2},
    {.kind = TElementKind::HLine, .rect = {40, 995, 1800, 10}, .penWidth = 3},
    {.kind = TElementKind::Shape, .rect = {1400, 1220, 400, 200}, .penWidth = 1, .greyBrush = true,
     .frames = qr::frAll, .frameWidth = 2, .frameGrey = true},
    {.kind = TElementKind::Label, .rect = {40, 1230, 150, 300}, .text = "{", .font = {"Arial", 36}},
    {.kind = TElementKind::Label, .rect = {200, 1280, 600, 60}, .text = "ΔΙΚΤΥΟ ΠΟΛΗΣ", .font = {"MS Serif", 10}},
    {.kind = TElementKind::Label, .rect = {200, 1420, 600, 60}, .text = "ΑΝΤΛΗΤΙΚΟ ΣΥΓΚΡΟΤΗΜΑ"},
    {.kind = TElementKind::Label, .name = "Comments1", .rect = {850, 1280, 500, 100}, .text = "Comments1",
     .font = {"Arial", 8}},
    {.kind = TElementKind::TextBlock, .rect = {40, 1600, 1800, 100},
     .text = "1.- Εις αιθούσας συγκεντρώσεως κοινού.\n"
             "α) Απαγορεύεται : η τοποθέτηση καθισμάτων ή άλλων αντικειμένων στους διαδρόμους και στις εξόδους "
             "κινδύνου, ώστε να παρεμποδίζεται η ελεύθερη κυκλοφορία του κοινού.\n"
             "β) Επιβάλλεται : η σήμανση των εξόδων.",
     .font = {"Courier New", 10}, .autoSize = true, .stretch = true},
};
inline constexpr TPageDef kEveryKind{"TEveryKindPreview", kTitle, "QRChildBand1", 2700, kEveryKindElements};

// A stretching text block of far more lines than the page holds.
inline const char* OverlongBlockText() {
  static const std::string text = [] {
    std::string t;
    for (int i = 1; i <= 400; ++i) t += "Γραμμή " + std::to_string(i) + " του κειμένου που δεν χωράει στη σελίδα.\n";
    return t;
  }();
  return text.c_str();
}
inline const TElementDef kOverlongBlockElements[] = {
    {.kind = TElementKind::Label, .rect = {40, 20, 1000, 60}, .text = "Παράρτημα", .font = {"Arial", 12}},
    {.kind = TElementKind::TextBlock, .rect = {40, 100, 1800, 400}, .text = OverlongBlockText(),
     .font = {"Courier New", 10}, .autoSize = true, .stretch = true},
};
inline const TPageDef kOverlongBlock{"TOverlongBlockPreview", 177, "QRChildBand1", 2500, kOverlongBlockElements};

// One data label alone, for looking at what is drawn around it.
inline constexpr qr::TRectDef kLoneBox{500, 600, 600, 110};
inline constexpr TElementDef kLoneLabelElements[] = {
    {.kind = TElementKind::Label, .name = "Field", .rect = kLoneBox, .text = "Field", .font = {"Arial", 10}},
};
inline constexpr TPageDef kLoneLabel{"TLoneLabelPreview", kTitle, "QRChildBand1", 2700, kLoneLabelElements};

// A data label with its dotted fill-in line beneath it.
inline constexpr TElementDef kFillInElements[] = {
    {.kind = TElementKind::Label, .name = "Field", .rect = {500, 600, 800, 50}, .text = "Field",
     .transparent = false},
    {.kind = TElementKind::HLine, .rect = {500, 650, 800, 20}, .dotted = true, .penWidth = 1},
};
inline constexpr TPageDef kFillIn{"TFillInPreview", kTitle, "QRChildBand1", 2700, kFillInElements};

// Bands higher than the sheet, and elements partly or wholly off the band.
inline constexpr TElementDef kOffBandElements[] = {
    {.kind = TElementKind::Shape, .rect = {1800, 2600, 400, 400}, .penWidth = 3},
    {.kind = TElementKind::Label, .rect = {-200, 100, 3000, 60}, .text = "Πολύ πλατιά ετικέτα"},
    {.kind = TElementKind::HLine, .rect = {0, 2900, 1899, 10}, .penWidth = 1},
    {.kind = TElementKind::VLine, .rect = {900, 2000, 10, 2000}, .penWidth = 2},
    {.kind = TElementKind::Label, .rect = {1500, 100, 10, 60}, .text = "Αυτόματο πλάτος πέρα από τη λωρίδα",
     .autoSize = true},
};
inline constexpr TPageDef kOffBand{"TOffBandPreview", 177, "QRChildBand2", 2728, kOffBandElements};

// A label holding one capital letter at 36 points, for measuring text size.
inline constexpr TElementDef kBigLetterElements[] = {
    {.kind = TElementKind::Label, .name = "Letter", .rect = {200, 200, 600, 200}, .text = "Letter",
     .font = {"Arial", 36}},
};
inline constexpr TPageDef kBigLetter{"TBigLetterPreview", kTitle, "QRChildBand1", 2700, kBigLetterElements};

// A page with one caption, for composite reports.
inline constexpr TElementDef kCaptionElements[] = {
    {.kind = TElementKind::Label, .name = "Title", .rect = {100, 100, 1600, 80}, .text = "Title",
     .font = {"Arial", 12}},
};
inline constexpr TPageDef kCaptionPage{"TCaptionPreview", kTitle, "QRChildBand1", 2700, kCaptionElements};

// Sheet pixels of a point given in tenths of a millimetre on the child band.
inline QPointF SheetPixels(double bandX, double bandY, double dpi, int titleBand = kTitle) {
  return QPointF((qr::kMargin + bandX) * dpi / 254.0, (qr::kMargin + titleBand + bandY) * dpi / 254.0);
}
inline QRect PixelBox(const qr::TRectDef& r, double dpi, int titleBand = kTitle) {
  const QPointF a = SheetPixels(r.left, r.top, dpi, titleBand);
  const QPointF b = SheetPixels(r.left + r.width, r.top + r.height, dpi, titleBand);
  return QRectF(a, b).toAlignedRect();
}

inline bool IsWhite(QRgb pixel) { return qRed(pixel) > 250 && qGreen(pixel) > 250 && qBlue(pixel) > 250; }
inline bool IsDark(QRgb pixel) { return qGray(pixel) < 128; }

// The bounding box of the non-white pixels inside the area; null when none.
inline QRect InkBox(const QImage& image, const QRect& area) {
  QRect ink;
  const QRect a = area.intersected(image.rect());
  for (int y = a.top(); y <= a.bottom(); ++y) {
    for (int x = a.left(); x <= a.right(); ++x) {
      if (!IsWhite(image.pixel(x, y))) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

// Non-white pixels outside the area.
inline int InkOutside(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!area.contains(x, y) && !IsWhite(image.pixel(x, y))) ++count;
    }
  }
  return count;
}

}  // namespace enginetest
