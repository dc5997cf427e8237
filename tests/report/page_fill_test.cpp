// Filling the general study's report pages from their records: which label
// shows which field, what the printed page then holds, and that nothing a
// field holds ever prints outside its box or beyond one sheet.
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

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

bool Printed(const TPageCase& page, const std::string& property) { return page.unprinted.count(property) == 0; }

class PageFill : public testing::TestWithParam<TPageCase> {
 protected:
  void SetUp() override {
    form_ = GetParam().makeForm();
    record_ = GetParam().makeRecord();
  }
  void Fill() { GetParam().fill(*form_, *record_); }
  qr::TQuickRep& Report() { return form_->QuickRep1; }

  std::unique_ptr<TReportPageForm> form_;
  std::unique_ptr<TPageRecord> record_;
};

TEST_P(PageFill, EveryDataLabelShowsItsOwnFieldAndEveryPrintedFieldHasALabel) {
  FillDistinct(*record_);
  Fill();
  const TRecordClass& cls = record_->Class();
  std::set<std::string> labelled;
  for (const qr::TElementDef& e : Report().Def().elements) {
    if (e.name == nullptr) continue;
    ASSERT_GE(cls.IndexOf(e.name), 0) << e.name << " is no field of " << cls.className;
    EXPECT_EQ(Report().Caption(e.name).toStdString(), Utf8(record_->Get(e.name))) << e.name;
    labelled.insert(e.name);
  }
  for (const TPropInfo& prop : cls.props) {
    EXPECT_EQ(labelled.count(prop.name) == 1, Printed(GetParam(), prop.name))
        << prop.name << (Printed(GetParam(), prop.name) ? " has no label" : " should not print");
  }
}

TEST_P(PageFill, EveryPrintedFieldIsInThePrintedTextAndNoOtherIs) {
  FillDistinct(*record_);
  Fill();
  const std::string text = PagePdfText(Report());
  for (std::size_t i = 0; i < record_->PropCount(); ++i) {
    const TPropInfo& prop = record_->Class().props[i];
    if (prop.kind == TPropKind::Char) continue;  // one letter: see the caption test above
    const std::string value = Utf8(record_->Get(i));
    EXPECT_EQ(text.find(value) != std::string::npos, Printed(GetParam(), prop.name))
        << prop.name << " = " << value << " in:\n" << text;
  }
}

TEST_P(PageFill, AnEmptyRecordPrintsEveryFixedTextAndNoData) {
  // A page filled before keeps nothing of it: the last fill wins.
  FillDistinct(*record_);
  Fill();
  record_->Clear();
  Fill();
  for (const qr::TElementDef& e : Report().Def().elements) {
    if (e.name != nullptr) EXPECT_TRUE(Report().Caption(e.name).trimmed().isEmpty()) << e.name;
  }
  const std::string text = PagePdfText(Report());
  EXPECT_FALSE(QString::fromStdString(text).contains(QRegularExpression(QStringLiteral("[ΨΦΩ]\\d")))) << text;
  for (std::size_t i = 0; i < Report().Def().elements.size(); ++i) {
    const qr::TElementDef& e = Report().Def().elements[i];
    if (e.name != nullptr || (e.kind != qr::TElementKind::Label && e.kind != qr::TElementKind::TextBlock)) continue;
    const std::string caption = Collapsed(Report().CaptionAt(i).toStdString());
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
  auto form = page.makeForm();
  auto record = page.makeRecord();
  const QImage blank = Sheet(form->QuickRep1, kDpi);
  FillToMaximum(*record, unbroken);
  page.fill(*form, *record);
  const QImage full = Sheet(form->QuickRep1, kDpi);
  ASSERT_EQ(blank.size(), full.size());
  const TInk ink = InkBetween(blank, full, DataLabelBoxes(form->QuickRep1, kDpi));
  EXPECT_GT(ink.inked, 0) << "the fields printed nothing";
  EXPECT_EQ(ink.stray, 0) << "first ink outside every field box at pixel " << ink.firstStray.x() << ","
                          << ink.firstStray.y();

  const QByteArray pdf = qr::RenderPdf({&form->QuickRep1});
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_NE(pdftest::PdfInfoField(pdf, "Page size").find("A4"), std::string::npos);
}

// Page 8 of the industry study: the handed-over Texnikes shows in its box
// when the page asks for its data; empty, the box stays empty; 255
// characters wrap and are cut at the box, and more than 255 never print.
TEST(IndustryPage8, TexnikesShowsInItsBoxOnlyAndOnlyItsFirst255Characters) {
  constexpr double kDpi = 100;
  TFlox06Page8Preview page;
  const QImage fresh = Sheet(page.QuickRep1, kDpi);
  const std::vector<QRect> box = DataLabelBoxes(page.QuickRep1, kDpi);
  ASSERT_EQ(box.size(), 1u);

  page.Texnikes.clear();
  EXPECT_EQ(InkBetween(fresh, Sheet(page.QuickRep1, kDpi), box).inked, 0) << "an empty text inks nothing";

  TFlox06Pg7Data record;
  for (const bool unbroken : {false, true}) {
    FillToMaximum(record, unbroken);
    const std::string texnikes = record.Get("Texnikes");
    ASSERT_EQ(texnikes.size(), 255u);
    page.Texnikes = texnikes + Cp(" ΠΕΡΙΣΣΕΥΜΑ");
    const QImage full = Sheet(page.QuickRep1, kDpi);
    EXPECT_EQ(page.QuickRep1.Caption("QRLabel3").toStdString(), Utf8(texnikes));
    const TInk ink = InkBetween(fresh, full, box);
    EXPECT_GT(ink.inked, 0);
    EXPECT_EQ(ink.stray, 0) << "ink outside the box at " << ink.firstStray.x() << "," << ink.firstStray.y();
    const QByteArray pdf = qr::RenderPdf({&page.QuickRep1});
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_EQ(PdfText(pdf).find("ΠΕΡΙΣΣΕΥΜΑ"), std::string::npos);
  }
  // A later, empty text empties the box again.
  page.Texnikes.clear();
  EXPECT_EQ(InkBetween(fresh, Sheet(page.QuickRep1, kDpi), box).inked, 0);
}

std::string FullPageName(const testing::TestParamInfo<std::tuple<TPageCase, bool>>& info) {
  return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "OneWord" : "Words");
}

// Pages 4 and 5 show whichever record they are given: the general study's or
// the hotel study's own instance of the same class.
TEST(EquipmentPages, ShowTheRecordInstanceTheyAreFilledFrom) {
  TFlox03Pg4Data general4, hotel4;
  TFlox03Pg5Data general5, hotel5;
  general4.Set("Poso1", Cp("4"));
  general4.Set("Comments1", Cp("Αποθήκη υλικών"));
  hotel4.Set("Poso1", Cp("11"));
  hotel4.Set("Comments1", Cp("Διάδρομοι ορόφων"));
  general5.Set("Eidos26", Cp("Πυροσβεστική κουβέρτα"));
  hotel5.Set("Eidos26", Cp("Σωληνωτός αφρογεννήτης"));

  TFlox03Page4Preview page4;
  TFlox03Page5Preview page5;
  for (int round = 0; round < 2; ++round) {
    const bool hotel = round == 0;
    page4.FillFromRecord(hotel ? hotel4 : general4);
    page5.FillFromRecord(hotel ? hotel5 : general5);
    const std::string text4 = PagePdfText(page4.QuickRep1);
    const std::string text5 = PagePdfText(page5.QuickRep1);
    EXPECT_NE(text4.find(hotel ? "Διάδρομοι ορόφων" : "Αποθήκη υλικών"), std::string::npos) << text4;
    EXPECT_EQ(text4.find(hotel ? "Αποθήκη υλικών" : "Διάδρομοι ορόφων"), std::string::npos) << text4;
    EXPECT_EQ(page4.QuickRep1.Caption("Poso1").toStdString(), hotel ? "11" : "4");
    EXPECT_NE(text5.find(hotel ? "Σωληνωτός αφρογεννήτης" : "Πυροσβεστική κουβέρτα"), std::string::npos) << text5;
    EXPECT_EQ(text5.find(hotel ? "Πυροσβεστική κουβέρτα" : "Σωληνωτός αφρογεννήτης"), std::string::npos) << text5;
  }
}

// A character field prints exactly its one character, a blank included.
TEST(CharacterFields, PrintExactlyTheirCharacter) {
  TFlox03Pg2Data building;
  TFlox03Pg3Data measures;
  TFlox03Page2Preview page2;
  TFlox03Page3Preview page3;
  const struct {
    const char* field;
    const char* utf8;
  } cases[] = {{"EidosFerousa", "Ο"}, {"EidosToixopoiia", "Τ"}, {"EidosFerousaSteghs", " "}, {"EidosSteghs", "L"}};
  for (const auto& c : cases) building.Set(c.field, Cp(c.utf8));
  measures.Set("YgrosTupos", "X");
  measures.Set("ParoxhYdatos2", "X");
  page2.FillFromRecord(building);
  page3.FillFromRecord(measures);
  for (const auto& c : cases) EXPECT_EQ(page2.QuickRep1.Caption(c.field).toStdString(), c.utf8) << c.field;
  EXPECT_EQ(page3.QuickRep1.Caption("YgrosTupos").toStdString(), "X");
  EXPECT_EQ(page3.QuickRep1.Caption("JhrosTupos").toStdString(), " ");
  EXPECT_EQ(page3.QuickRep1.Caption("ParoxhYdatos1").toStdString(), " ");
  EXPECT_EQ(page3.QuickRep1.Caption("ParoxhYdatos2").toStdString(), "X");
  // The codes line up under the explanation "[x] [ ] [ ] [ ]": Ο, Τ, blank, L.
  const std::string text = PdfText(qr::RenderPdf({&page2.QuickRep1}));
  EXPECT_TRUE(QString::fromStdString(text).contains(QRegularExpression(QStringLiteral("\\[Ο\\] +\\[Τ\\] +\\[ *\\] +\\[L\\]"))))
      << text;
}

INSTANTIATE_TEST_SUITE_P(GeneralStudy, PageFill, testing::ValuesIn(FilledPages()), PageName);
INSTANTIATE_TEST_SUITE_P(GeneralStudy, FullPage, testing::Combine(testing::ValuesIn(FilledPages()), testing::Bool()),
                         FullPageName);
INSTANTIATE_TEST_SUITE_P(IndustryStudy, PageFill, testing::ValuesIn(IndustryFilledPages()), PageName);
INSTANTIATE_TEST_SUITE_P(IndustryStudy, FullPage,
                         testing::Combine(testing::ValuesIn(IndustryFilledPages()), testing::Bool()), FullPageName);

}  // namespace
