// Page reports (captions, names) and whole reports as lists of them (order,
// empty lists).
#include <stdexcept>
#include <string>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "records/cp1253.h"
#include "reportengine/output.h"
#include "reportengine/quickrep.h"
#include "reportengine/renderer.h"
#include "sample_pages.h"
#include "support/pdf_text.h"

namespace {

using namespace enginetest;

std::string Cp(const char* utf8) {
  std::string out;
  EXPECT_TRUE(Utf8ToCp1253(utf8, out)) << utf8;
  return out;
}

std::size_t IndexOf(const TPageDef& def, const char* text) {
  for (std::size_t i = 0; i < def.elements.size(); ++i) {
    if (def.elements[i].text != nullptr && std::string(def.elements[i].text) == text) return i;
  }
  ADD_FAILURE() << "no element " << text;
  return 0;
}

TEST(QuickRepCaptions, FixedTextsComeFromTheDescriptionDataLabelsStartEmpty) {
  qr::TQuickRep rep(kEveryKind);
  EXPECT_EQ(rep.CaptionAt(IndexOf(kEveryKind, "ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ")), QStringLiteral("ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"));
  EXPECT_TRUE(rep.CaptionAt(IndexOf(kEveryKind, "{")) == QStringLiteral("{"));
  // The placeholders of the data labels never print.
  for (const char* name : {"NameEpixirisi", "Phone1", "Comments1"}) {
    EXPECT_TRUE(rep.Caption(name).isEmpty()) << name;
    EXPECT_TRUE(rep.CaptionAt(IndexOf(kEveryKind, name)).isEmpty()) << name;
  }
  // Lines and shapes have no caption.
  EXPECT_TRUE(rep.CaptionAt(0).isEmpty());
  // A text block keeps its lines.
  const QString block = rep.CaptionAt(kEveryKind.elements.size() - 1);
  EXPECT_TRUE(block.startsWith(QStringLiteral("1.- Εις αιθούσας")));
  EXPECT_EQ(block.count(QLatin1Char('\n')), 2);
  EXPECT_THROW(rep.CaptionAt(kEveryKind.elements.size()), std::out_of_range);
}

struct TConversionCase {
  const char* bytes;
  std::size_t size;
  const char16_t* expected;
};

class QuickRepCodePage : public ::testing::TestWithParam<TConversionCase> {};

TEST_P(QuickRepCodePage, SetCaptionConvertsCodePage1253) {
  qr::TQuickRep rep(kLoneLabel);
  const TConversionCase& c = GetParam();
  rep.SetCaption("Field", std::string_view(c.bytes, c.size));
  EXPECT_EQ(rep.Caption("Field"), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, QuickRepCodePage,
    ::testing::Values(TConversionCase{"\xCC\xC5\xCB\xC5\xD4\xC7", 6, u"ΜΕΛΕΤΗ"},
                      TConversionCase{"\xE1\xDC\xF2\xF3\xFE", 5, u"αάςσώ"},
                      TConversionCase{"\xA2\xB8\xB9\xBA\xBC\xBE\xBF", 7, u"ΆΈΉΊΌΎΏ"},
                      TConversionCase{"\xC0\xE0\xFA\xFB", 4, u"ΐΰϊϋ"},
                      TConversionCase{"\x80 \x96 \xB0", 5, u"€ – °"},
                      TConversionCase{"Odos 12, T.K. 54621", 19, u"Odos 12, T.K. 54621"},
                      TConversionCase{"\x81\xAA\xD2\xFF", 4, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                      TConversionCase{"A\0B", 3, u"AB"},
                      TConversionCase{"a\r\nb", 4, u"a\r\nb"},
                      TConversionCase{"", 0, u""}));

TEST(QuickRepCaptions, UnknownNamesThrowAndChangeNothing) {
  qr::TQuickRep rep(kEveryKind);
  rep.SetCaption("NameEpixirisi", "abc");
  EXPECT_THROW(rep.SetCaption("NoSuchLabel", "x"), std::out_of_range);
  EXPECT_THROW(rep.SetCaption("nameepixirisi", "x"), std::out_of_range);  // names are exact
  EXPECT_THROW(rep.SetCaption("", "x"), std::out_of_range);
  EXPECT_THROW(rep.Caption("NoSuchLabel"), std::out_of_range);
  EXPECT_EQ(rep.Caption("NameEpixirisi"), QStringLiteral("abc"));
}

TEST(QuickRepCaptions, NamedShapesAndLinesHaveNoCaption) {
  static constexpr TElementDef elements[] = {
      {.kind = TElementKind::Shape, .name = "Shape1", .rect = {0, 0, 100, 100}},
      {.kind = TElementKind::HLine, .name = "Line1", .rect = {0, 0, 100, 10}},
      {.kind = TElementKind::TextBlock, .name = "Memo1", .rect = {0, 0, 100, 100}, .text = "α\nβ"},
  };
  static constexpr TPageDef def{"TNamedPreview", 29, "QRChildBand1", 2000, elements};
  qr::TQuickRep rep(def);
  EXPECT_THROW(rep.SetCaption("Shape1", "x"), std::out_of_range);
  EXPECT_THROW(rep.SetCaption("Line1", "x"), std::out_of_range);
  // A named text block keeps its text until it is set.
  EXPECT_EQ(rep.Caption("Memo1"), QStringLiteral("α\nβ"));
  rep.SetCaption("Memo1", "x");
  EXPECT_EQ(rep.Caption("Memo1"), QStringLiteral("x"));
}

TEST(QuickRepCaptions, TwoElementsOfOneNameAreAFaultOfTheDescription) {
  static constexpr TElementDef elements[] = {
      {.kind = TElementKind::Label, .name = "QRLabel1", .rect = {0, 0, 100, 50}},
      {.kind = TElementKind::Label, .name = "QRLabel2", .rect = {0, 50, 100, 50}},
      {.kind = TElementKind::Label, .name = "QRLabel1", .rect = {0, 100, 100, 50}},
  };
  static constexpr TPageDef def{"TTwiceNamedPreview", 29, "QRChildBand1", 2000, elements};
  EXPECT_THROW(qr::TQuickRep rep(def), std::invalid_argument);
}

// --- whole reports: lists of page reports ---------------------------------

// The caption of each page of a PDF, in page order.
std::vector<std::string> PageTitles(const QByteArray& pdf) {
  std::vector<std::string> titles;
  for (int page = 1; page <= PdfPageCount(pdf); ++page) {
    const std::string text = PdfPageText(pdf, page);
    for (const char* title : {"ΣΕΛΙΔΑ ΠΡΩΤΗ", "ΣΕΛΙΔΑ ΔΕΥΤΕΡΗ", "ΣΕΛΙΔΑ ΤΡΙΤΗ"}) {
      if (text.find(title) != std::string::npos) titles.emplace_back(title);
    }
  }
  return titles;
}

TEST(WholeReport, PagesRunInListOrderAsOneDocumentAndAnEmptyListProducesNothing) {
  qr::TQuickRep first(kCaptionPage), second(kCaptionPage), third(kCaptionPage);
  first.SetCaption("Title", Cp("ΣΕΛΙΔΑ ΠΡΩΤΗ"));
  second.SetCaption("Title", Cp("ΣΕΛΙΔΑ ΔΕΥΤΕΡΗ"));
  third.SetCaption("Title", Cp("ΣΕΛΙΔΑ ΤΡΙΤΗ"));
  qr::TCaptureSink sink;
  qr::RunOutput(qr::TOutputAction::Preview, {&third, &first});
  qr::RunOutput(qr::TOutputAction::Print, {});
  qr::RunOutput(qr::TOutputAction::Print, {&first, &second, &third});
  ASSERT_EQ(sink.Runs().size(), 2u);
  EXPECT_EQ(sink.Runs()[0].action, qr::TOutputAction::Preview);
  EXPECT_EQ(PageTitles(sink.Runs()[0].pdf), (std::vector<std::string>{"ΣΕΛΙΔΑ ΤΡΙΤΗ", "ΣΕΛΙΔΑ ΠΡΩΤΗ"}));
  EXPECT_EQ(sink.Runs()[1].action, qr::TOutputAction::Print);
  EXPECT_EQ(sink.Runs()[1].pageCount, 3);
  EXPECT_EQ(PageTitles(sink.Runs()[1].pdf),
            (std::vector<std::string>{"ΣΕΛΙΔΑ ΠΡΩΤΗ", "ΣΕΛΙΔΑ ΔΕΥΤΕΡΗ", "ΣΕΛΙΔΑ ΤΡΙΤΗ"}));

  QTemporaryDir dir;
  const QString empty = dir.filePath(QStringLiteral("empty.pdf"));
  QString error;
  EXPECT_FALSE(qr::WritePdf({}, empty, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(QFile::exists(empty));
  const QString file = dir.filePath(QStringLiteral("Μελέτη.pdf"));
  ASSERT_TRUE(qr::WritePdf({&second, &first}, file, &error)) << error.toStdString();
  QFile in(file);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  EXPECT_EQ(PageTitles(in.readAll()), (std::vector<std::string>{"ΣΕΛΙΔΑ ΔΕΥΤΕΡΗ", "ΣΕΛΙΔΑ ΠΡΩΤΗ"}));
  EXPECT_EQ(sink.Runs().size(), 2u) << "an export is no preview or print run";
}

}  // namespace
