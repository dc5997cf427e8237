// The layout of every family's report pages, checked over their element
// tables: every element on the printable area, no two texts on top
// of each other, no rule through a text, every fixed text whole in its box.
#include <QFontMetricsF>
#include <QRectF>
#include <QTextLayout>
#include <QTextOption>
#include <gtest/gtest.h>

#include "report_pages.h"
#include "reportengine/model.h"
#include "reportengine/renderer.h"

namespace {

using namespace reporttest;
using qr::TElementDef;
using qr::TElementKind;

QRectF RectOf(const TElementDef& e) { return QRectF(e.rect.left, e.rect.top, e.rect.width, e.rect.height); }

bool IsText(const TElementDef& e) { return e.kind == TElementKind::Label || e.kind == TElementKind::TextBlock; }

std::string Describe(const qr::TQuickRep& report, std::size_t i) {
  const TElementDef& e = report.Def().elements[i];
  std::string what = e.name != nullptr ? std::string("data label ") + e.name
                                       : "element " + std::to_string(i) + " \"" +
                                             report.CaptionAt(i).left(40).toStdString() + "\"";
  return what + " at (" + std::to_string(e.rect.left) + "," + std::to_string(e.rect.top) + ")";
}

// The text of a fixed element laid out in its box as the renderer lays it
// out, but wrapping at word boundaries only: its widest line and its height.
struct TFit {
  double widest = 0;
  double height = 0;
};
TFit LayOut(const QString& text, const TElementDef& e) {
  QString broken = text;
  broken.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
  QTextLayout layout(broken, qr::PageFont(e.font));
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  TFit fit;
  for (;;) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(e.rect.width * qr::kUnitsPerTenth);
    line.setPosition(QPointF(0, fit.height * qr::kUnitsPerTenth));
    fit.widest = std::max(fit.widest, line.naturalTextWidth() / qr::kUnitsPerTenth);
    fit.height += line.height() / qr::kUnitsPerTenth;
  }
  layout.endLayout();
  return fit;
}

// Does the segment of a line element cross the inside of the rectangle?
bool Crosses(const TElementDef& line, const QRectF& box) {
  const QRectF r = RectOf(line);
  const QRectF inner = box.adjusted(0.5, 0.5, -0.5, -0.5);
  if (line.kind == TElementKind::HLine) {
    const double y = r.center().y();
    return y > inner.top() && y < inner.bottom() && r.left() < inner.right() && r.right() > inner.left();
  }
  const double x = r.center().x();
  return x > inner.left() && x < inner.right() && r.top() < inner.bottom() && r.bottom() > inner.top();
}

// The four edges of a shape as line elements.
std::vector<TElementDef> Edges(const TElementDef& shape) {
  const qr::TRectDef& r = shape.rect;
  auto line = [](TElementKind kind, qr::TRectDef rect) {
    TElementDef e;
    e.kind = kind;
    e.rect = rect;
    return e;
  };
  return {line(TElementKind::HLine, {r.left, r.top - 1, r.width, 2}),
          line(TElementKind::HLine, {r.left, r.top + r.height - 1, r.width, 2}),
          line(TElementKind::VLine, {r.left - 1, r.top, 2, r.height}),
          line(TElementKind::VLine, {r.left + r.width - 1, r.top, 2, r.height})};
}

class PageGeometry : public testing::TestWithParam<TPageCase> {
 protected:
  const qr::TQuickRep& Report() const { return report_; }
  const qr::TPageDef& Def() const { return report_.Def(); }
  qr::TQuickRep report_{*GetParam().page};
};

TEST_P(PageGeometry, BandsFillOneSheetAndEveryElementLiesOnThePrintableArea) {
  EXPECT_GE(Def().titleBandHeight, 29);
  EXPECT_LE(Def().titleBandHeight, 177);
  EXPECT_GE(Def().childBandHeight, 1857);
  EXPECT_LE(Def().childBandHeight, 2728);
  EXPECT_LE(Def().titleBandHeight + Def().childBandHeight, qr::kPrintableHeight);
  const QRectF band(0, 0, qr::kPrintableWidth, Def().childBandHeight);
  for (std::size_t i = 0; i < Def().elements.size(); ++i) {
    const TElementDef& e = Def().elements[i];
    EXPECT_GT(e.rect.width, 0) << Describe(Report(), i);
    EXPECT_GT(e.rect.height, 0) << Describe(Report(), i);
    EXPECT_TRUE(band.contains(RectOf(e))) << Describe(Report(), i) << " lies outside the band";
    // Auto-sized text blocks grow with their text: their laid-out box must stay on the band too.
    if (e.kind == TElementKind::TextBlock) {
      const QRectF laid = qr::ElementBox(Report(), i);
      const qr::TBandRects bands = qr::BandRects(Def());
      EXPECT_LE(laid.bottom(), bands.child.bottom() + 0.01) << Describe(Report(), i);
      EXPECT_NEAR(laid.height(), LayOut(Report().CaptionAt(i), e).height, 1.0)
          << Describe(Report(), i) << " is cut at the foot of the page";
    }
  }
}

TEST_P(PageGeometry, NoTwoTextsOverlap) {
  const auto& elements = Def().elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (!IsText(elements[i])) continue;
    const QRectF a = qr::ElementBox(Report(), i);
    for (std::size_t j = i + 1; j < elements.size(); ++j) {
      if (!IsText(elements[j])) continue;
      const QRectF overlap = a.intersected(qr::ElementBox(Report(), j));
      EXPECT_TRUE(overlap.width() < 0.5 || overlap.height() < 0.5)
          << Describe(Report(), i) << " overlaps " << Describe(Report(), j);
    }
  }
}

TEST_P(PageGeometry, NoRuleOrBoxEdgeRunsThroughAText) {
  const auto& elements = Def().elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const TElementDef& e = elements[i];
    std::vector<TElementDef> segments;
    if (e.kind == TElementKind::Shape) segments = Edges(e);
    if (e.kind == TElementKind::HLine || e.kind == TElementKind::VLine) segments = {e};
    for (const TElementDef& segment : segments) {
      for (std::size_t j = 0; j < elements.size(); ++j) {
        const TElementDef& t = elements[j];
        if (!IsText(t)) continue;
        // The dotted fill-in lines run under the lines of a multi-line data label.
        if (e.dotted && t.name != nullptr) continue;
        EXPECT_FALSE(Crosses(segment, RectOf(t))) << Describe(Report(), i) << " runs through " << Describe(Report(), j);
      }
    }
  }
}

TEST_P(PageGeometry, EveryFixedTextFitsItsBoxWhole) {
  const auto& elements = Def().elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const TElementDef& e = elements[i];
    if (!IsText(e) || e.name != nullptr) continue;
    const TFit fit = LayOut(Report().CaptionAt(i), e);
    EXPECT_LE(fit.widest, e.rect.width + 0.01) << Describe(Report(), i) << " is wider than its box";
    if (e.kind == TElementKind::Label) {
      EXPECT_LE(fit.height, e.rect.height + 0.01) << Describe(Report(), i) << " wraps beyond its box";
    }
  }
}

TEST_P(PageGeometry, DataLabelsAreNamedOnceAndFixedTextsHaveCaptions) {
  std::set<std::string> names;
  for (std::size_t i = 0; i < Def().elements.size(); ++i) {
    const TElementDef& e = Def().elements[i];
    if (e.name != nullptr) {
      EXPECT_EQ(e.kind, TElementKind::Label) << e.name;
      EXPECT_TRUE(names.insert(e.name).second) << e.name << " twice";
    } else if (IsText(e)) {
      EXPECT_FALSE(Report().CaptionAt(i).isEmpty()) << Describe(Report(), i);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Families, PageGeometry, testing::ValuesIn(ReportPages(true)), PageName);

}  // namespace
