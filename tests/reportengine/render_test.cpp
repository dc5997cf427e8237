// The renderer: one sheet per page report, text kept inside its box, the
// fill-in lines, fonts with Greek glyphs, the same text size on image, PDF
// and printer, and repeatable output.
#include <string>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>
#include <QRawFont>
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

std::string LongGreek(int words) {
  std::string text;
  for (int i = 0; i < words; ++i) text += (i % 2 ? "πυροσβεστήρας " : "ΕΠΙΧΕΙΡΗΣΗ ");
  return text;
}

// Prints the pages through a printer set up as the printer path sets it up,
// writing PDF instead of spooling, and returns the file's bytes.
QByteArray PrintThroughPrinter(const std::vector<qr::TQuickRep*>& pages) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("printer.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  qr::SetUpPagedDevice(printer);
  QString error;
  EXPECT_TRUE(qr::PaintPages(printer, pages, &error)) << error.toStdString();
  QFile in(file);
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// --- one sheet per page report ----------------------------------------------

struct TSheetCase {
  const char* what;
  const TPageDef* def;
  const char* field;      // data label to fill, or null
  int fieldWords;         // words of its caption
};

class OneSheet : public ::testing::TestWithParam<TSheetCase> {};

TEST_P(OneSheet, EveryPageReportIsExactlyOneA4Sheet) {
  const TSheetCase& c = GetParam();
  qr::TQuickRep rep(*c.def);
  if (c.field != nullptr) rep.SetCaption(c.field, Cp(LongGreek(c.fieldWords).c_str()));

  const QByteArray pdf = qr::RenderPdf({&rep});
  ASSERT_FALSE(pdf.isEmpty());
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_NE(pdftest::PdfInfoField(pdf, "Page size").find("(A4)"), std::string::npos)
      << pdftest::PdfInfoField(pdf, "Page size");
  EXPECT_EQ(PdfPageCount(PrintThroughPrinter({&rep})), 1);

  const QImage image = qr::RenderImage(rep, 72);
  EXPECT_EQ(image.size(), QSize(595, 842));

  // Nothing is drawn in the margins: every element stays on its band.
  const QRect printable = QRectF(QPointF(100 * 72 / 254.0, 100 * 72 / 254.0),
                                 QPointF(2000 * 72 / 254.0, 2870 * 72 / 254.0))
                              .toAlignedRect()
                              .adjusted(-1, -1, 1, 1);
  EXPECT_EQ(InkOutside(image, printable), 0);
  for (std::size_t i = 0; i < c.def->elements.size(); ++i) {
    const QRectF box = qr::ElementBox(rep, i);
    if (box.isNull()) continue;
    const QRectF band = qr::BandRects(*c.def).child;
    EXPECT_TRUE(band.adjusted(-0.01, -0.01, 0.01, 0.01).contains(box)) << "element " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, OneSheet,
                         ::testing::Values(TSheetCase{"EveryKind", &kEveryKind, "Comments1", 3},
                                           TSheetCase{"OverlongCaption", &kEveryKind, "Comments1", 400},
                                           TSheetCase{"OverlongStretchingBlock", &kOverlongBlock, nullptr, 0},
                                           TSheetCase{"BandsHigherThanTheSheet", &kOffBand, nullptr, 0},
                                           TSheetCase{"OverlongLoneLabel", &kLoneLabel, "Field", 300}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Stretch, ATextBlockGrowsDownToTheBandsEndAndNoFurther) {
  qr::TQuickRep rep(kOverlongBlock);
  const QRectF band = qr::BandRects(kOverlongBlock).child;
  const QRectF box = qr::ElementBox(rep, 1);
  EXPECT_GT(box.height(), 400) << "the block stretched";
  EXPECT_NEAR(box.bottom(), band.bottom(), 0.01);

  qr::TQuickRep every(kEveryKind);
  const std::size_t last = kEveryKind.elements.size() - 1;
  const QRectF small = qr::ElementBox(every, last);
  // Three lines, two of them wrapped once or more: more than its 10 mm.
  EXPECT_GT(small.height(), 100);
  EXPECT_LT(small.height(), 400);
}

// --- text stays in its box ------------------------------------------------

TEST(LabelBox, AnOverlongCaptionShowsWhatFitsAndNothingOutsideTheBox) {
  qr::TQuickRep rep(kLoneLabel);
  rep.SetCaption("Field", Cp(LongGreek(300).c_str()));
  const double dpi = 100;
  const QRect box = PixelBox(kLoneBox, dpi);
  const QRect allowed = box.adjusted(-1, -1, 1, 1);

  const QImage image = qr::RenderImage(rep, dpi);
  EXPECT_EQ(InkOutside(image, allowed), 0);
  const QRect ink = InkBox(image, box);
  ASSERT_FALSE(ink.isNull());
  // The box is filled with wrapped lines down to its bottom edge.
  EXPECT_GT(ink.height(), box.height() * 3 / 4);
  EXPECT_GT(ink.width(), box.width() * 3 / 4);

  const QImage pdfPage = pdftest::PdfPageImage(qr::RenderPdf({&rep}), 1, static_cast<int>(dpi));
  ASSERT_FALSE(pdfPage.isNull());
  EXPECT_EQ(InkOutside(pdfPage, allowed), 0);
  EXPECT_FALSE(InkBox(pdfPage, box).isNull());
}

TEST(LabelBox, WrapsAtWordBoundaries) {
  qr::TQuickRep rep(kLoneLabel);
  rep.SetCaption("Field", Cp("ΕΠΙΧΕΙΡΗΣΗ ΕΠΙΧΕΙΡΗΣΗ ΕΠΙΧΕΙΡΗΣΗ ΕΠΙΧΕΙΡΗΣΗ ΕΠΙΧΕΙΡΗΣΗ ΕΠΙΧΕΙΡΗΣΗ"));
  const std::string text = PdfText(qr::RenderPdf({&rep}));
  // Six words of about 26 mm do not fit in 60 mm on one line; every line
  // holds whole words.
  std::size_t lines = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    line.erase(0, line.find_first_not_of(" \f"));
    line.erase(line.find_last_not_of(' ') + 1);
    if (!line.empty()) {
      ++lines;
      std::string rest = line;
      std::size_t pos;
      while ((pos = rest.find("ΕΠΙΧΕΙΡΗΣΗ")) != std::string::npos) rest.erase(pos, std::string("ΕΠΙΧΕΙΡΗΣΗ").size());
      EXPECT_EQ(rest.find_first_not_of(' '), std::string::npos) << "a word was broken: " << line;
    }
    start = end + 1;
  }
  EXPECT_GE(lines, 2u);
}

TEST(LabelBox, AutoSizeWidthFollowsTheCaption) {
  static constexpr TElementDef elements[] = {
      {.kind = TElementKind::Label, .name = "Left", .rect = {100, 100, 50, 50}, .autoSize = true},
      {.kind = TElementKind::Label, .name = "Right", .rect = {1000, 200, 400, 50}, .align = TAlign::Right,
       .autoSize = true},
      {.kind = TElementKind::Label, .name = "Centre", .rect = {1000, 300, 400, 50}, .align = TAlign::Center,
       .autoSize = true},
  };
  static constexpr TPageDef def{"TAutoSizePreview", 29, "QRChildBand1", 2000, elements};
  qr::TQuickRep rep(def);
  const QRectF band = qr::BandRects(def).child;
  for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(qr::ElementBox(rep, i).isNull()) << "empty caption, no box";

  rep.SetCaption("Left", "A");
  rep.SetCaption("Right", "A");
  rep.SetCaption("Centre", "A");
  const QRectF shortLeft = qr::ElementBox(rep, 0);
  const QRectF shortRight = qr::ElementBox(rep, 1);
  const QRectF shortCentre = qr::ElementBox(rep, 2);
  rep.SetCaption("Left", "AAAAAAAA");
  rep.SetCaption("Right", "AAAAAAAA");
  rep.SetCaption("Centre", "AAAAAAAA");
  const QRectF longLeft = qr::ElementBox(rep, 0);
  const QRectF longRight = qr::ElementBox(rep, 1);
  const QRectF longCentre = qr::ElementBox(rep, 2);

  EXPECT_NEAR(longLeft.width(), 8 * shortLeft.width(), shortLeft.width());
  EXPECT_NEAR(longLeft.left(), band.left() + 100, 0.01);   // left edge kept
  EXPECT_NEAR(shortLeft.left(), band.left() + 100, 0.01);
  EXPECT_NEAR(longRight.right(), band.left() + 1400, 0.01);  // right edge kept
  EXPECT_NEAR(shortRight.right(), band.left() + 1400, 0.01);
  EXPECT_NEAR(longCentre.center().x(), band.left() + 1200, 0.01);  // centre kept
  EXPECT_NEAR(shortCentre.center().x(), band.left() + 1200, 0.01);
  EXPECT_GT(longRight.width(), shortRight.width());

  // Never wider than the band.
  rep.SetCaption("Left", Cp(LongGreek(100).c_str()));
  EXPECT_LE(qr::ElementBox(rep, 0).right(), band.right() + 0.01);
}

// --- fill-in lines and empty fields -----------------------------------------

TEST(FillIn, AnEmptyDataLabelDrawsNothingButItsDottedLineStillDraws) {
  const double dpi = 150;
  qr::TQuickRep rep(kFillIn);
  const QRect labelBox = PixelBox(kFillInElements[0].rect, dpi);
  const QImage empty = qr::RenderImage(rep, dpi);
  EXPECT_TRUE(InkBox(empty, labelBox.adjusted(1, 1, -1, -1)).isNull());

  // The line along the centre of its rectangle, dotted: dark and white runs.
  const QPointF mid = SheetPixels(900, 660, dpi);
  const int row = static_cast<int>(mid.y());
  int dark = 0, transitions = 0;
  bool wasDark = false;
  for (int x = labelBox.left() + 2; x < labelBox.right() - 2; ++x) {
    bool isDark = false;
    for (int y = row - 2; y <= row + 2; ++y) isDark = isDark || qGray(empty.pixel(x, y)) < 200;
    dark += isDark;
    if (isDark != wasDark) ++transitions;
    wasDark = isDark;
  }
  EXPECT_GT(dark, labelBox.width() / 6) << "the fill-in line is drawn";
  EXPECT_LT(dark, labelBox.width() * 5 / 6) << "the fill-in line is dotted, not solid";
  EXPECT_GT(transitions, 40);
  // Nothing else on the sheet.
  EXPECT_EQ(InkOutside(empty, QRect(labelBox.left() - 1, row - 4, labelBox.width() + 2, 9)), 0);

  rep.SetCaption("Field", Cp("Αθήνα"));
  const QImage filled = qr::RenderImage(rep, dpi);
  EXPECT_FALSE(InkBox(filled, labelBox).isNull());
  const std::string text = PdfText(qr::RenderPdf({&rep}));
  EXPECT_NE(text.find("Αθήνα"), std::string::npos);
}

// --- backgrounds, frames, shapes -------------------------------------------

TEST(Shapes, BackgroundsBrushesAndFramesHaveTheirColours) {
  const double dpi = 100;
  qr::TQuickRep rep(kEveryKind);
  const QImage image = qr::RenderImage(rep, dpi);

  // The grey heading label "Α/Α": light grey where there is no text.
  const QPointF grey = SheetPixels(45, 775, dpi);
  EXPECT_EQ(QColor(image.pixel(grey.toPoint())), QColor(201, 201, 201));
  // The grey brush of the small box, inside its frames.
  const QPointF brush = SheetPixels(1600, 1320, dpi);
  EXPECT_EQ(QColor(image.pixel(brush.toPoint())), QColor(201, 201, 201));
  // Its grey frame (2 design pixels, just inside the edge).
  const QPointF frame = SheetPixels(1403, 1320, dpi);
  EXPECT_LT(qGray(image.pixel(frame.toPoint())), 160);
  EXPECT_GT(qGray(image.pixel(frame.toPoint())), 60);
  // The black frame of the table box, 3 design pixels wide on the left.
  const QPointF black = SheetPixels(43, 900, dpi);
  EXPECT_TRUE(IsDark(image.pixel(black.toPoint())));
  // The table box is clear inside.
  EXPECT_TRUE(IsWhite(image.pixel(SheetPixels(700, 900, dpi).toPoint())));
  // Vertical rule along the centre of its rectangle.
  EXPECT_TRUE(IsDark(image.pixel(SheetPixels(940, 900, dpi).toPoint())));
  // The heavy rule across the table.
  EXPECT_TRUE(IsDark(image.pixel(SheetPixels(700, 1000, dpi).toPoint())));
}

// --- fonts ----------------------------------------------------------------

struct TFontCase {
  const char* described;
  const char* installed;
};

class Fonts : public ::testing::TestWithParam<TFontCase> {};

TEST_P(Fonts, EveryDescribedFamilyMapsToAnInstalledFontWithGreekLetters) {
  const TFontCase& c = GetParam();
  EXPECT_EQ(qr::InstalledFamily(c.described), QString::fromLatin1(c.installed));
  EXPECT_TRUE(QFontDatabase::families().contains(QString::fromLatin1(c.installed))) << c.installed;
  for (int style : {0, 1, 2, 3}) {  // regular, bold, italic, bold italic
    const QFont font = qr::PageFont({c.described, 10, static_cast<std::uint8_t>(style)});
    EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.installed)) << "no substitute font";
    EXPECT_EQ(QFontInfo(font).bold(), (style & qr::fsBold) != 0);
    EXPECT_EQ(QFontInfo(font).italic(), (style & qr::fsItalic) != 0);
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_TRUE(raw.isValid());
    // Every letter code page 1253 can hold.
    for (int byte = 0xA2; byte <= 0xFE; ++byte) {
      const char32_t code = Cp1253ToUnicode(static_cast<std::uint8_t>(byte));
      if (code < 0x0384 || code > 0x03CE) continue;
      EXPECT_TRUE(raw.supportsCharacter(code)) << c.installed << " lacks U+" << std::hex << unsigned(code);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Families, Fonts,
                         ::testing::Values(TFontCase{"Arial", "Liberation Sans"},
                                           TFontCase{"Courier New", "Liberation Mono"},
                                           TFontCase{"MS Sans Serif", "Liberation Sans"},
                                           TFontCase{"MS Serif", "Liberation Serif"},
                                           TFontCase{"Unknown Family", "Liberation Sans"}),
                         [](const auto& info) {
                           std::string name = info.param.described;
                           std::erase(name, ' ');
                           return name;
                         });

TEST(Greek, PdfTextExtractsAsTheSameGreekWithEmbeddedFonts) {
  qr::TQuickRep rep(kEveryKind);
  rep.SetCaption("NameEpixirisi", Cp("Ξενοδοχείο «Ο Ήλιος» — Ωραιόκαστρο"));
  rep.SetCaption("Phone1", Cp("2310 555123"));
  const QByteArray pdf = qr::RenderPdf({&rep});
  const std::string text = PdfText(pdf);
  for (const char* expected : {"ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", "Επωνυμία:", "Ξενοδοχείο «Ο Ήλιος» — Ωραιόκαστρο",
                               "Α. ΣΤΟΙΧΕΙΑ ΕΠΙΧΕΙΡΗΣΗΣ", "Πόλη", "2310 555123", "Α/Α", "ΔΙΚΤΥΟ ΠΟΛΗΣ",
                               "ΑΝΤΛΗΤΙΚΟ ΣΥΓΚΡΟΤΗΜΑ", "Εις αιθούσας συγκεντρώσεως κοινού"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n--- text:\n" << text;
  }
  // Text, not outlines: every font is embedded.
  const std::string fonts = pdftest::PdfFonts(pdf);
  for (const char* family : {"LiberationSans", "LiberationMono", "LiberationSerif"}) {
    EXPECT_NE(fonts.find(family), std::string::npos) << fonts;
  }
  // pdffonts: name, type, encoding, emb, sub, uni, object ID (two numbers).
  int fontLines = 0;
  for (const QString& line : QString::fromStdString(fonts).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2)) {
    const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_GE(columns.size(), 7) << line.toStdString();
    EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << "not embedded: " << line.toStdString();
    ++fontLines;
  }
  EXPECT_GE(fontLines, 3);
}

TEST(Greek, GreekLettersDrawRealGlyphsNotMissingGlyphBoxes) {
  // A missing glyph draws the same box for every letter; real glyphs differ.
  static constexpr TElementDef elements[] = {
      {.kind = TElementKind::Label, .name = "A", .rect = {100, 100, 300, 150}, .font = {"Arial", 36}},
      {.kind = TElementKind::Label, .name = "B", .rect = {500, 100, 300, 150}, .font = {"Arial", 36}},
      {.kind = TElementKind::Label, .name = "C", .rect = {900, 100, 300, 150}, .font = {"Courier New", 36}},
      {.kind = TElementKind::Label, .name = "D", .rect = {1300, 100, 300, 150}, .font = {"Courier New", 36}},
  };
  static constexpr TPageDef def{"TGlyphPreview", 29, "QRChildBand1", 2000, elements};
  const double dpi = 100;
  auto cell = [&](const char* name, const char* letter) {
    qr::TQuickRep rep(def);
    rep.SetCaption(name, Cp(letter));
    const QImage image = qr::RenderImage(rep, dpi);
    for (const TElementDef& e : elements) {
      if (std::string(e.name) == name) return image.copy(PixelBox(e.rect, dpi));
    }
    return QImage();
  };
  for (const char* name : {"A", "C"}) {
    const QImage psi = cell(name, "Ψ");
    const QImage omega = cell(name, "ω");
    const QImage lambda = cell(name, "λ");
    EXPECT_FALSE(InkBox(psi, psi.rect()).isNull());
    EXPECT_NE(psi, omega);
    EXPECT_NE(omega, lambda);
    EXPECT_NE(psi, lambda);
  }
}

// --- the same size on every device ------------------------------------------

int CapitalHeight(const QImage& sheet, double dpi) { return InkBox(sheet, PixelBox(kBigLetterElements[0].rect, dpi)).height(); }

TEST(TextSize, ACapitalHasTheSameHeightOnImagePdfAndPrinter) {
  qr::TQuickRep rep(kBigLetter);
  rep.SetCaption("Letter", "H");
  const int dpi = 150;
  const int onImage = CapitalHeight(qr::RenderImage(rep, dpi), dpi);
  const int onPdf = CapitalHeight(pdftest::PdfPageImage(qr::RenderPdf({&rep}), 1, dpi), dpi);
  const int onPrinter = CapitalHeight(pdftest::PdfPageImage(PrintThroughPrinter({&rep}), 1, dpi), dpi);
  // The cap height of Liberation Sans is 1409/2048 em: 36 pt -> 24.8 pt.
  constexpr double kCapHeight = 1409.0 / 2048.0;
  const double expected = 36 * kCapHeight / 72 * dpi;
  EXPECT_NEAR(onImage, expected, 2.0);
  EXPECT_NEAR(onPdf, expected, 2.0);
  EXPECT_NEAR(onPrinter, expected, 2.0);
  EXPECT_LE(std::abs(onImage - onPdf), 1);
  EXPECT_LE(std::abs(onPdf - onPrinter), 1);

  // And at another resolution the image scales with it.
  const int at300 = CapitalHeight(qr::RenderImage(rep, 300), 300);
  EXPECT_NEAR(at300, 36 * kCapHeight / 72 * 300, 2.0);
}

// --- repeatable output; the model stays as it is -----------------------------

TEST(Repeatable, RenderingTwiceGivesIdenticalImagesWhateverWasRenderedBetween) {
  qr::TQuickRep rep(kEveryKind);
  rep.SetCaption("NameEpixirisi", Cp("Βιοτεχνία Ξύλου"));
  rep.SetCaption("Comments1", Cp(LongGreek(40).c_str()));
  const QImage first = qr::RenderImage(rep, 96);
  (void)qr::RenderPdf({&rep});        // another device in between
  (void)qr::RenderImage(rep, 300);    // another resolution
  const QImage second = qr::RenderImage(rep, 96);
  EXPECT_EQ(first, second);
  EXPECT_EQ(rep.Caption("NameEpixirisi"), QStringLiteral("Βιοτεχνία Ξύλου"));

  // A changed caption shows at once; setting it back gives the first image.
  rep.SetCaption("NameEpixirisi", Cp("Άλλη επωνυμία"));
  EXPECT_NE(qr::RenderImage(rep, 96), first);
  rep.SetCaption("NameEpixirisi", Cp("Βιοτεχνία Ξύλου"));
  EXPECT_EQ(qr::RenderImage(rep, 96), first);
}

TEST(Repeatable, ResolutionsOutsideTheUsefulRangeGiveNoImage) {
  qr::TQuickRep rep(kLoneLabel);
  EXPECT_TRUE(qr::RenderImage(rep, 0).isNull());
  EXPECT_TRUE(qr::RenderImage(rep, -96).isNull());
  EXPECT_TRUE(qr::RenderImage(rep, 1e6).isNull());
}

// --- the need-data hook -----------------------------------------------------

TEST(NeedData, TheHookRunsBeforeTheBandsPrintInEveryOutput) {
  static constexpr TElementDef elements[] = {
      {.kind = TElementKind::Label, .name = "QRLabel3", .rect = {100, 100, 1600, 80}, .text = "QRLabel3"},
  };
  static constexpr TPageDef def{"TFlox06Page8Preview", 29, "QRChildBand1", 2500, elements};
  qr::TQuickRep rep(def);
  int calls = 0;
  std::string texnikes;
  rep.OnNeedData = [&](bool& moreData) {
    EXPECT_TRUE(moreData);
    ++calls;
    rep.SetCaption("QRLabel3", texnikes);
  };

  texnikes = Cp("Τεχνική περιγραφή για το PDF");
  EXPECT_NE(PdfText(qr::RenderPdf({&rep})).find("Τεχνική περιγραφή για το PDF"), std::string::npos);
  EXPECT_EQ(calls, 1);

  texnikes = Cp("Τεχνική περιγραφή για τον εκτυπωτή");
  EXPECT_NE(PdfText(PrintThroughPrinter({&rep})).find("Τεχνική περιγραφή για τον εκτυπωτή"), std::string::npos);
  EXPECT_EQ(calls, 2);

  texnikes.clear();
  const QImage blank = qr::RenderImage(rep, 96);
  EXPECT_EQ(calls, 3);
  texnikes = Cp("Κείμενο");
  const QImage written = qr::RenderImage(rep, 96);
  EXPECT_EQ(calls, 4);
  EXPECT_TRUE(InkBox(blank, blank.rect()).isNull());
  EXPECT_FALSE(InkBox(written, written.rect()).isNull());

  qr::TCaptureSink sink;
  sink.SetCaptureImages(50);
  texnikes = Cp("Προεπισκόπηση");
  rep.Preview();
  ASSERT_EQ(sink.Runs().size(), 1u);
  EXPECT_NE(PdfText(sink.Runs()[0].pdf).find("Προεπισκόπηση"), std::string::npos);
  EXPECT_GE(calls, 6) << "once for the PDF, once for the image";
}

TEST(NeedData, AHookClearingTheMoreDataFlagStillGivesOneSheet) {
  qr::TQuickRep rep(kLoneLabel);
  rep.OnNeedData = [&](bool& moreData) {
    rep.SetCaption("Field", "x");
    moreData = false;
  };
  EXPECT_EQ(PdfPageCount(qr::RenderPdf({&rep})), 1);
}

}  // namespace
