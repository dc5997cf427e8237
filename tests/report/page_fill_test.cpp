// Filling every family's report pages from their records: which label shows
// which field, what the printed page then holds, and that nothing a field
// holds ever prints outside its box or beyond one sheet.
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "report/flox03/flox03_report.h"
#include "report/flox07/flox07_report.h"
#include "report_pages.h"
#include "reportengine/output.h"
#include "reportengine/renderer.h"
#include "support/pdf_text.h"

namespace {

using namespace reporttest;

// Runs of white space as one blank, so that texts compare whatever the
// columns of pdftotext's layout.
std::string Collapsed(const std::string& utf8) {
  return QString::fromStdString(utf8).simplified().toStdString();
}

std::string PagePdfText(qr::TQuickRep& report) { return Collapsed(PdfText(qr::RenderPdf({&report}))); }

class PageFill : public testing::TestWithParam<TPageCase> {
 protected:
  qr::TQuickRep& Fill() {
    report_ = rpt::BuildPage(*GetParam().page, &record_);
    return *report_;
  }
  TPageRecord record_ = GetParam().Record();
  std::unique_ptr<qr::TQuickRep> report_;
};

TEST_P(PageFill, EveryDataLabelShowsAFieldOfItsRecordAndOnlyTheLabelledFieldsPrint) {
  FillDistinct(record_);
  const qr::TQuickRep& report = Fill();
  const TRecordClass& cls = record_.Class();
  std::set<std::string> labelled;
  for (const qr::TElementDef& e : report.Def().elements) {
    if (e.name == nullptr) continue;
    const char* field = e.property != nullptr ? e.property : e.name;
    ASSERT_GE(cls.IndexOf(field), 0) << field << " is no field of " << cls.className;
    EXPECT_EQ(report.Caption(e.name).toStdString(), Utf8(record_.Get(field))) << e.name;
    labelled.insert(field);
  }
  const std::string text = PagePdfText(*report_);
  for (std::size_t i = 0; i < record_.PropCount(); ++i) {
    const TPropInfo& prop = cls.props[i];
    if (prop.kind == TPropKind::Char) continue;  // one letter: see the captions above
    const std::string value = Utf8(record_.Get(i));
    EXPECT_EQ(text.find(value) != std::string::npos, labelled.count(prop.name) == 1)
        << prop.name << " = " << value << " in:\n" << text;
  }
}

TEST_P(PageFill, AnEmptyRecordPrintsEveryFixedTextAndNoData) {
  FillDistinct(record_);
  Fill();
  record_.Clear();
  const qr::TQuickRep& report = Fill();
  for (const qr::TElementDef& e : report.Def().elements) {
    if (e.name != nullptr) {
      EXPECT_TRUE(report.Caption(e.name).trimmed().isEmpty()) << e.name;
    }
  }
  const std::string text = PagePdfText(*report_);
  EXPECT_FALSE(QString::fromStdString(text).contains(QRegularExpression(QStringLiteral("[ΨΦΩ]\\d")))) << text;
  for (std::size_t i = 0; i < report.Def().elements.size(); ++i) {
    const qr::TElementDef& e = report.Def().elements[i];
    if (e.name != nullptr || (e.kind != qr::TElementKind::Label && e.kind != qr::TElementKind::TextBlock)) continue;
    const std::string caption = Collapsed(report.CaptionAt(i).toStdString());
    EXPECT_NE(text.find(caption), std::string::npos) << "fixed text \"" << caption << "\" is missing";
  }
}

// The data labels' boxes on the sheet, in pixels at dpi, one pixel wider
// for antialiasing.
std::vector<QRect> DataLabelBoxes(const qr::TQuickRep& report, double dpi) {
  std::vector<QRect> boxes;
  const auto& elements = report.Def().elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (elements[i].name == nullptr) continue;
    const QRectF tenths = qr::ElementBox(report, i);
    const double k = dpi / qr::kTenthsPerInch;
    boxes.push_back(QRectF(tenths.x() * k, tenths.y() * k, tenths.width() * k, tenths.height() * k)
                        .toAlignedRect()
                        .adjusted(-1, -1, 1, 1));
  }
  return boxes;
}

struct TInk {
  int inked = 0;  // pixels that differ between the two sheets
  int stray = 0;  // of them, outside every box
  QPoint firstStray;
};
TInk InkBetween(const QImage& blank, const QImage& full, const std::vector<QRect>& boxes) {
  TInk ink;
  for (int y = 0; y < full.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(blank.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(full.constScanLine(y));
    for (int x = 0; x < full.width(); ++x) {
      if (a[x] == b[x]) continue;
      ++ink.inked;
      const bool inside = std::any_of(boxes.begin(), boxes.end(), [&](const QRect& r) { return r.contains(x, y); });
      if (!inside && ink.stray++ == 0) ink.firstStray = QPoint(x, y);
    }
  }
  return ink;
}

QImage Sheet(qr::TQuickRep& report, double dpi) {
  return qr::RenderImage(report, dpi).convertToFormat(QImage::Format_RGB32);
}

// Every pixel a field's text inks lies inside that field's box, also with
// every field at its maximum length: in words (wrapped) or as one word.
class FullPage : public testing::TestWithParam<std::tuple<TPageCase, bool>> {};

TEST_P(FullPage, NoFieldInksOutsideItsBoxAndThePageStaysOneSheet) {
  const auto& [page, unbroken] = GetParam();
  constexpr double kDpi = 100;
  TPageRecord record = page.Record();
  const QImage blank = Sheet(*rpt::BuildPage(*page.page, &record), kDpi);
  FillToMaximum(record, unbroken);
  const auto report = rpt::BuildPage(*page.page, &record);
  const QImage full = Sheet(*report, kDpi);
  ASSERT_EQ(blank.size(), full.size());
  const TInk ink = InkBetween(blank, full, DataLabelBoxes(*report, kDpi));
  EXPECT_GT(ink.inked, 0) << "the fields printed nothing";
  EXPECT_EQ(ink.stray, 0) << "first ink outside every field box at pixel " << ink.firstStray.x() << ","
                          << ink.firstStray.y();

  const QByteArray pdf = qr::RenderPdf({report.get()});
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_NE(pdftest::PdfInfoField(pdf, "Page size").find("A4"), std::string::npos);
}

std::string FullPageName(const testing::TestParamInfo<std::tuple<TPageCase, bool>>& info) {
  return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "OneWord" : "Words");
}

// A character field prints exactly its one character, a blank included.
TEST(CharacterFields, PrintExactlyTheirCharacter) {
  TFlox03Pg2Data building;
  TFlox03Pg3Data measures;
  const struct {
    const char* field;
    const char* utf8;
  } cases[] = {{"EidosFerousa", "Ο"}, {"EidosToixopoiia", "Τ"}, {"EidosFerousaSteghs", " "}, {"EidosSteghs", "L"}};
  for (const auto& c : cases) building.Set(c.field, Cp(c.utf8));
  measures.Set("YgrosTupos", "X");
  measures.Set("ParoxhYdatos2", "X");
  const auto page2 = rpt::BuildPage(flox03::kPage2Preview, &building);
  const auto page3 = rpt::BuildPage(flox03::kPage3Preview, &measures);
  for (const auto& c : cases) EXPECT_EQ(page2->Caption(c.field).toStdString(), c.utf8) << c.field;
  EXPECT_EQ(page3->Caption("YgrosTupos").toStdString(), "X");
  EXPECT_EQ(page3->Caption("JhrosTupos").toStdString(), " ");
  EXPECT_EQ(page3->Caption("ParoxhYdatos1").toStdString(), " ");
  EXPECT_EQ(page3->Caption("ParoxhYdatos2").toStdString(), "X");
  // The codes line up under the explanation "[x] [ ] [ ] [ ]": Ο, Τ, blank, L.
  const std::string text = PdfText(qr::RenderPdf({page2.get()}));
  EXPECT_TRUE(QString::fromStdString(text).contains(QRegularExpression(QStringLiteral("\\[Ο\\] +\\[Τ\\] +\\[ *\\] +\\[L\\]"))))
      << text;
}

// Page 1 of the hotel study prints several fields under captions other than
// their names: each value follows the caption of what it holds.
TEST(HotelPage1, FieldsPrintUnderTheCaptionsOfWhatTheyHold) {
  TFlox07Pg1Data record;
  FillDistinct(record);
  const std::string text = PagePdfText(*rpt::BuildPage(flox07::kPage1Preview, &record));
  const struct {
    const char* caption;
    const char* field;
  } printed[] = {
      {"Αριθμ. φύλλου χάρτη", "Phone1"}, {"Οικοδ.τετραγ.", "Phone2"},
      {"Τηλ1", "NumPaperMap"},           {"Τηλ2.", "OikodomikoTetragwno"},
      {"Τηλ. ανάγκης", "IdiokthsiaEpixeirhsis"}, {"4.Ιδιοκτησία επιχείρησης:", "IdiokthsiaAkinhtou"},
      {"Τηλ1.", "YpeuthinosEpixeirisis"}, {"Τηλ2", "Man"}, {"Τηλ.ανάγκης", "Female"},
      {"3.Ιδιοκτήτης", "NameIdiokthth"}, {"ΑΡΙΘΜΟΣ ΜΗΤΡΩΟΥ", "NumMhtrwou"},
  };
  for (const auto& p : printed) {
    const std::string pair = std::string(p.caption) + " " + Utf8(record.Get(p.field));
    EXPECT_NE(text.find(pair), std::string::npos) << pair << " in:\n" << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Families, PageFill, testing::ValuesIn(ReportPages(false)), PageName);
INSTANTIATE_TEST_SUITE_P(Families, FullPage, testing::Combine(testing::ValuesIn(ReportPages(false)), testing::Bool()),
                         FullPageName);

}  // namespace
