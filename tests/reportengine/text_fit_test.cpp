// How much of a data label's text the printed page shows, as the renderer
// lays it out.
#include <string>

#include <gtest/gtest.h>

#include "records/cp1253.h"
#include "reportengine/quickrep.h"
#include "reportengine/renderer.h"
#include "sample_pages.h"

namespace {

using namespace enginetest;

std::string Cp(const QString& text) {
  std::string out;
  EXPECT_TRUE(Utf8ToCp1253(text.toStdString(), out));
  return out;
}

std::size_t LabelIndex(const qr::TPageDef& def, const char* name) {
  for (std::size_t i = 0; i < def.elements.size(); ++i) {
    if (def.elements[i].name != nullptr && std::string(def.elements[i].name) == name) return i;
  }
  throw std::logic_error("no label");
}

qr::TTextFit FitOf(const qr::TPageDef& def, const QString& text) {
  qr::TQuickRep rep(def);
  rep.SetCaption("Field", Cp(text));
  return qr::TextFit(rep, LabelIndex(def, "Field"));
}

// The printed part of a text: all but its last lost letters (a blank is
// never lost).
QString Shown(const QString& text, const qr::TTextFit& fit) {
  int lost = fit.characters - fit.charactersShown;
  qsizetype end = text.size();
  while (lost > 0 && end > 0) lost -= text[--end].isSpace() ? 0 : 1;
  return text.left(end);
}

const QString kWords = QString("Λεωφόρος Κωνσταντίνου Καραμανλή και Αριστομένους γωνία, ισόγειο και πρώτος όροφος ").repeated(8);

TEST(TextFit, TheShownPartOfACutTextFitsByItselfAndOneWordMoreDoesNot) {
  EXPECT_FALSE(FitOf(kLoneLabel, "").Cut());
  const qr::TTextFit shortText = FitOf(kLoneLabel, "Καλαμάτα");
  EXPECT_FALSE(shortText.Cut());
  EXPECT_EQ(shortText.lines, 1);
  EXPECT_EQ(shortText.charactersShown, 8);

  const qr::TTextFit cut = FitOf(kLoneLabel, kWords.trimmed());
  ASSERT_TRUE(cut.Cut());
  EXPECT_EQ(cut.characters, kWords.trimmed().size());
  EXPECT_GE(cut.linesShown, 1);
  EXPECT_LT(cut.linesShown, cut.lines);

  const QString shown = Shown(kWords.trimmed(), cut).trimmed();
  const qr::TTextFit alone = FitOf(kLoneLabel, shown);
  EXPECT_FALSE(alone.Cut()) << shown.toStdString();
  EXPECT_EQ(alone.lines, cut.linesShown);
  const qsizetype nextWord = kWords.indexOf(' ', shown.size() + 1);
  EXPECT_TRUE(FitOf(kLoneLabel, kWords.left(nextWord)).Cut());
}

// A label that does not wrap loses the end of its one line.
constexpr TElementDef kOneLine[] = {
    {.kind = TElementKind::Label, .name = "Field", .rect = {100, 100, 300, 45}, .text = "Field", .wordWrap = false}};
constexpr TPageDef kOneLinePage{"TOneLine", kTitle, "QRChildBand1", 2000, kOneLine};

TEST(TextFit, ALabelThatDoesNotWrapLosesTheEndOfItsLine) {
  EXPECT_FALSE(FitOf(kOneLinePage, "Πόλη").Cut());
  const qr::TTextFit fit = FitOf(kOneLinePage, kWords.left(60));
  EXPECT_EQ(fit.lines, 1);
  EXPECT_EQ(fit.linesShown, 1);
  EXPECT_GT(fit.charactersShown, 5);
  EXPECT_LT(fit.charactersShown, 40);  // 30 mm hold some twenty letters of 10 pt
}

// Blanks that fall off the box are no lost text; a letter is.
TEST(TextFit, BlanksOnALineThatDoesNotPrintLoseNothing) {
  const qr::TTextFit blanks = FitOf(kOneLinePage, QStringLiteral("Σέρρες0\r\n   "));
  EXPECT_EQ(blanks.lines, 2);
  EXPECT_EQ(blanks.linesShown, 1);
  EXPECT_FALSE(blanks.Cut());
  const qr::TTextFit letter = FitOf(kOneLinePage, QStringLiteral("Σέρρες0\r\n  α "));
  EXPECT_TRUE(letter.Cut());
  EXPECT_EQ(letter.characters - letter.charactersShown, 1);
}

}  // namespace
