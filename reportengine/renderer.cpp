#include "reportengine/renderer.h"

#include <algorithm>
#include <cstring>

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include "platform/font_faces.h"
#include <QTextOption>

#include "reportengine/layout_cache.h"

namespace qr {
namespace {

// One design pixel (96 per inch) in renderer units: pen and frame widths of
// the page descriptions are counted in them.
constexpr double kDesignPixel = 2540.0 / 96.0;
constexpr double kUnitsPerPoint = 2540.0 / 72.0;
// Slack added to a width measured from the text itself, so that laying the
// text out again at that width cannot break it differently.
constexpr double kWidthSlack = 1.0;

Qt::Alignment AlignmentOf(TAlign align) {
  switch (align) {
    case TAlign::Center:
      return Qt::AlignHCenter | Qt::AlignTop;
    case TAlign::Right:
      return Qt::AlignRight | Qt::AlignTop;
    case TAlign::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

// Captions from records carry CR LF line ends; the layout breaks lines at
// the Unicode line separator.
QString LineBreaksOf(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('\r')) {
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
      out.append(QChar(QChar::LineSeparator));
    } else if (c == QLatin1Char('\n')) {
      out.append(QChar(QChar::LineSeparator));
    } else {
      out.append(c);
    }
  }
  return out;
}

std::unique_ptr<QTextLayout> MakeLayout(const QString& text, const TElementDef& def) {
  auto layout = std::make_unique<QTextLayout>(LineBreaksOf(text), PageFont(def.font));
  layout->setCacheEnabled(true);
  return layout;
}

// Lays the text out in lines of the given width from (0, 0); returns the
// height of all lines.
double Flow(QTextLayout& layout, const TElementDef& def, double width, bool wrap) {
  QTextOption option(AlignmentOf(def.align));
  option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  double y = 0;
  for (;;) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(std::max(0.0, width));
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout.endLayout();
  return y;
}

double NaturalWidth(QTextLayout& layout, const TElementDef& def) {
  Flow(layout, def, 0, false);
  double width = 0;
  for (int i = 0; i < layout.lineCount(); ++i) width = std::max(width, layout.lineAt(i).naturalTextWidth());
  return width;
}

QRectF Units(const QRectF& tenths) {
  return QRectF(tenths.x() * kUnitsPerTenth, tenths.y() * kUnitsPerTenth, tenths.width() * kUnitsPerTenth,
                tenths.height() * kUnitsPerTenth);
}

QRectF ChildBandUnits(const TPageDef& def) { return Units(BandRects(def).child); }

double PenUnits(std::uint8_t width, int lowest, int highest) {
  return std::clamp<int>(width, lowest, highest) * kDesignPixel;
}

const TQuickRep::Cache::Entry& Laid(const TQuickRep& report, std::size_t index) {
  TQuickRep::Cache::Entry& entry = report.LayoutCache().entries[index];
  if (entry.valid) return entry;

  const TElementDef& def = report.Def().elements[index];
  const QRectF band = ChildBandUnits(report.Def());
  QRectF rect(band.left() + def.rect.left * kUnitsPerTenth, band.top() + def.rect.top * kUnitsPerTenth,
              std::max(0, def.rect.width) * kUnitsPerTenth, std::max(0, def.rect.height) * kUnitsPerTenth);
  entry.text.reset();

  const bool hasText = def.kind == TElementKind::Label || def.kind == TElementKind::TextBlock;
  const QString& caption = report.CaptionAt(index);
  if (hasText && !caption.isEmpty()) entry.text = MakeLayout(caption, def);

  if (def.kind == TElementKind::Label) {
    if (def.autoSize) {
      // The box's width follows the caption (not wider than the band), kept
      // at its left edge, right edge or centre as the alignment says.
      double width = entry.text ? NaturalWidth(*entry.text, def) + kWidthSlack : 0.0;
      width = std::min(width, band.width());
      double left = rect.left();
      if (def.align == TAlign::Right) left = rect.right() - width;
      if (def.align == TAlign::Center) left = rect.center().x() - width / 2;
      left = std::clamp(left, band.left(), band.right() - width);
      rect.setLeft(left);
      rect.setWidth(width);
      const double height = entry.text ? Flow(*entry.text, def, width, def.wordWrap) : 0.0;
      rect.setHeight(std::max(rect.height(), height));
    } else if (entry.text) {
      Flow(*entry.text, def, rect.width(), def.wordWrap);
    }
  } else if (def.kind == TElementKind::TextBlock && entry.text) {
    const double height = Flow(*entry.text, def, rect.width(), def.wordWrap);
    if (def.stretch || def.autoSize) rect.setHeight(std::max(rect.height(), height));
  }

  entry.textOrigin = rect.topLeft();
  entry.box = rect.intersected(band);
  if (entry.box.width() <= 0 || entry.box.height() <= 0) entry.box = QRectF();
  entry.valid = true;
  return entry;
}

void PaintLabel(QPainter& painter, const TElementDef& def, const TQuickRep::Cache::Entry& entry) {
  if (entry.box.isEmpty()) return;
  if (!def.transparent) {
    const int shade = def.greyBackground ? kLightGrey : 255;
    painter.fillRect(entry.box, QColor(shade, shade, shade));
  }
  if (!entry.text) return;
  painter.save();
  painter.setClipRect(entry.box, Qt::IntersectClip);
  painter.setPen(Qt::black);
  entry.text->draw(&painter, entry.textOrigin);
  painter.restore();
}

void PaintTextBlock(QPainter& painter, const TQuickRep::Cache::Entry& entry) {
  if (entry.box.isEmpty() || !entry.text) return;
  painter.save();
  painter.setClipRect(entry.box, Qt::IntersectClip);
  painter.setPen(Qt::black);
  entry.text->draw(&painter, entry.textOrigin);
  painter.restore();
}

QPen LinePen(const TElementDef& def) {
  QPen pen(Qt::black, PenUnits(def.penWidth, 1, 3), def.dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap,
           Qt::MiterJoin);
  return pen;
}

void PaintLine(QPainter& painter, const TElementDef& def, const QRectF& band, const QRectF& rect) {
  painter.setPen(LinePen(def));
  if (def.kind == TElementKind::HLine) {
    const double y = rect.center().y();
    const double x1 = std::max(rect.left(), band.left());
    const double x2 = std::min(rect.right(), band.right());
    if (y < band.top() || y > band.bottom() || x2 <= x1) return;
    painter.drawLine(QPointF(x1, y), QPointF(x2, y));
  } else {
    const double x = rect.center().x();
    const double y1 = std::max(rect.top(), band.top());
    const double y2 = std::min(rect.bottom(), band.bottom());
    if (x < band.left() || x > band.right() || y2 <= y1) return;
    painter.drawLine(QPointF(x, y1), QPointF(x, y2));
  }
}

void PaintShape(QPainter& painter, const TElementDef& def, const QRectF& box) {
  if (box.isEmpty()) return;
  const double pen = PenUnits(def.penWidth, 1, 3);
  // The outline lies inside the box.
  const QRectF inner = box.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
  painter.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  if (def.greyBrush) {
    painter.setBrush(QColor(kLightGrey, kLightGrey, kLightGrey));
  } else {
    painter.setBrush(Qt::NoBrush);
  }
  if (inner.width() > 0 && inner.height() > 0) {
    painter.drawRect(inner);
  } else {
    painter.fillRect(box, Qt::black);
  }
  painter.setBrush(Qt::NoBrush);

  if ((def.frames & frAll) == 0) return;
  const double frame = std::min({PenUnits(def.frameWidth, 2, 3), box.width(), box.height()});
  const QColor colour = def.frameGrey ? QColor(kFrameGrey, kFrameGrey, kFrameGrey) : QColor(Qt::black);
  if (def.frames & frLeft) painter.fillRect(QRectF(box.left(), box.top(), frame, box.height()), colour);
  if (def.frames & frTop) painter.fillRect(QRectF(box.left(), box.top(), box.width(), frame), colour);
  if (def.frames & frRight) painter.fillRect(QRectF(box.right() - frame, box.top(), frame, box.height()), colour);
  if (def.frames & frBottom) painter.fillRect(QRectF(box.left(), box.bottom() - frame, box.width(), frame), colour);
}

}  // namespace

QString InstalledFamily(const char* family) {
  return platform::ScreenFontFamily(family != nullptr ? std::string_view(family) : std::string_view());
}

QFont PageFont(const TFontDef& def) {
  QFont font(InstalledFamily(def.family));
  const int points = def.points == 0 ? 10 : def.points;
  font.setPixelSize(std::max(1, static_cast<int>(points * kUnitsPerPoint + 0.5)));
  font.setBold((def.style & fsBold) != 0);
  font.setItalic((def.style & fsItalic) != 0);
  font.setUnderline((def.style & fsUnderline) != 0);
  // Unhinted outlines: the same advances on every device and resolution.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferOutline);
  return font;
}

TBandRects BandRects(const TPageDef& def) {
  const double title = std::clamp(def.titleBandHeight, 0, kPrintableHeight);
  const double child = std::clamp(def.childBandHeight, 0, kPrintableHeight - static_cast<int>(title));
  TBandRects bands;
  bands.title = QRectF(kMargin, kMargin, kPrintableWidth, title);
  bands.child = QRectF(kMargin, kMargin + title, kPrintableWidth, child);
  return bands;
}

QRectF ElementBox(const TQuickRep& report, std::size_t elementIndex) {
  const QRectF box = Laid(report, elementIndex).box;
  if (box.isEmpty()) return QRectF();
  return QRectF(box.x() / kUnitsPerTenth, box.y() / kUnitsPerTenth, box.width() / kUnitsPerTenth,
                box.height() / kUnitsPerTenth);
}

TTextFit TextFit(const TQuickRep& report, std::size_t elementIndex) {
  // Less than a hundredth of a millimetre is rounding, not a cut.
  constexpr double kSlack = 1.0;
  const TQuickRep::Cache::Entry& entry = Laid(report, elementIndex);
  TTextFit fit;
  if (!entry.text) return fit;
  const QTextLayout& layout = *entry.text;
  const QString& text = layout.text();
  const QRectF& box = entry.box;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    const double top = entry.textOrigin.y() + line.y();
    const bool shown = !box.isEmpty() && top >= box.top() - kSlack && top + line.ascent() <= box.bottom() + kSlack;
    ++fit.lines;
    if (shown) ++fit.linesShown;
    const int end = line.textStart() + line.textLength();
    for (int pos = line.textStart(); pos < end && pos < text.size(); ++pos) {
      const QChar c = text[pos];
      if (c == QChar(QChar::LineSeparator)) continue;
      ++fit.characters;
      // A blank is never lost text, wherever it falls.
      if (c.isSpace()) {
        ++fit.charactersShown;
        continue;
      }
      if (!shown) continue;
      const double x1 = entry.textOrigin.x() + line.cursorToX(pos);
      const double x2 = entry.textOrigin.x() + line.cursorToX(pos + 1);
      if (std::min(x1, x2) >= box.left() - kSlack && std::max(x1, x2) <= box.right() + kSlack) ++fit.charactersShown;
    }
  }
  return fit;
}

void PaintPage(QPainter& painter, const TQuickRep& report, double dpiX, double dpiY) {
  painter.save();
  painter.setWorldTransform(QTransform::fromScale(dpiX / 2540.0, dpiY / 2540.0), true);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const QRectF band = ChildBandUnits(report.Def());
  const auto& elements = report.Def().elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const TElementDef& def = elements[i];
    const TQuickRep::Cache::Entry& entry = Laid(report, i);
    switch (def.kind) {
      case TElementKind::Label:
        PaintLabel(painter, def, entry);
        break;
      case TElementKind::TextBlock:
        PaintTextBlock(painter, entry);
        break;
      case TElementKind::HLine:
      case TElementKind::VLine: {
        const QRectF rect(band.left() + def.rect.left * kUnitsPerTenth, band.top() + def.rect.top * kUnitsPerTenth,
                          def.rect.width * kUnitsPerTenth, def.rect.height * kUnitsPerTenth);
        PaintLine(painter, def, band, rect);
        break;
      }
      case TElementKind::Shape:
        PaintShape(painter, def, entry.box);
        break;
    }
  }
  painter.restore();
}

void PreparePage(TQuickRep& report) {
  if (!report.OnNeedData) return;
  bool moreData = true;  // one pass: the page prints once whatever the hook leaves here
  report.OnNeedData(moreData);
}

void SetUpPagedDevice(QPagedPaintDevice& device) {
  QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                     QPageLayout::Millimeter);
  layout.setMode(QPageLayout::FullPageMode);
  if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setFullPage(true);
  device.setPageLayout(layout);
}

bool PaintPages(QPagedPaintDevice& device, const std::vector<TQuickRep*>& pages, QString* error) {
  auto fail = [error](const QString& message) {
    if (error != nullptr) *error = message;
    return false;
  };
  QPainter painter;
  if (!painter.begin(&device)) return fail(QStringLiteral("Η συσκευή εξόδου δεν δέχεται σελίδες."));
  const double dpiX = device.logicalDpiX();
  const double dpiY = device.logicalDpiY();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      painter.end();
      return fail(QStringLiteral("Η συσκευή εξόδου δεν δέχεται νέα σελίδα."));
    }
    PreparePage(*pages[i]);
    PaintPage(painter, *pages[i], dpiX, dpiY);
  }
  if (!painter.end()) return fail(QStringLiteral("Η έξοδος των σελίδων δεν ολοκληρώθηκε."));
  return true;
}

}  // namespace qr
