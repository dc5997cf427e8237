// The edit and memo controls of the entry pages: what they accept from the
// keyboard, the clipboard and input methods, their input limits, and how
// record bytes become screen text and back.
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>

#include <gtest/gtest.h>

#include "dialogs/bindings.h"
#include "dialogs/controls.h"
#include "dialogs/text_codec.h"
#include "entry_test_support.h"

namespace {

using dlg::TEdit;
using dlg::TMemo;
using entrytest::Q;
using entrytest::Type;

// ---------------------------------------------------------------------------
// Record bytes <-> screen text.

TEST(RecordText, EveryByteSurvivesTheScreenAndBack) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString shown = dlg::FromRecordBytes(all);
  ASSERT_EQ(shown.size(), 255);
  EXPECT_TRUE(dlg::IsStorable(shown));
  EXPECT_EQ(dlg::ToRecordBytes(shown), all);
}

TEST(RecordText, GreekLettersAreSingleBytes) {
  EXPECT_EQ(dlg::ToRecordBytes(Q("Ναι")), std::string(dlg::kYes));
  EXPECT_EQ(dlg::ToRecordBytes(Q("Οχι")), std::string(dlg::kNo));
  EXPECT_EQ(dlg::FromRecordBytes("\xCF"), Q("Ο"));
  EXPECT_EQ(dlg::ToRecordBytes(Q("€ ΐ ώ")), "\x80 \xC0 \xFE");
}

struct TStorableCase {
  const char* name;
  const char* utf8;
  bool storable;
};
class StorableChars : public testing::TestWithParam<TStorableCase> {};

TEST_P(StorableChars, OnlyWhatTheCodePageHolds) {
  const QString text = Q(GetParam().utf8);
  EXPECT_EQ(dlg::IsStorable(text), GetParam().storable);
  EXPECT_EQ(dlg::StorableOnly(text).size() == text.size(), GetParam().storable);
}

INSTANTIATE_TEST_SUITE_P(Chars, StorableChars,
                         testing::Values(TStorableCase{"greek", "Πυροσβεστήρες άλφα", true},
                                         TStorableCase{"latin", "ABC xyz 012 !?", true},
                                         TStorableCase{"euro", "€", true},
                                         TStorableCase{"dialytika", "ϊΰΐ", true},
                                         TStorableCase{"cyrillic", "Пожар", false},
                                         TStorableCase{"polytonic", "ἀ", false},
                                         TStorableCase{"emoji", "🔥", false},
                                         TStorableCase{"latin_e_acute", "é", false},
                                         TStorableCase{"chinese", "火", false},
                                         // what JSON uses for undefined bytes is not typed in
                                         TStorableCase{"json_stand_in", "\uF8F9", false},
                                         TStorableCase{"c1_control", "\u0081", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// What a binding writes: 255, then the field, never half a line break.

struct TCutCase {
  const char* name;
  std::string in;
  std::size_t fieldMax;
  std::string out;
};
class CutToField : public testing::TestWithParam<TCutCase> {};

TEST_P(CutToField, Cuts) { EXPECT_EQ(dlg::CutToField(GetParam().in, GetParam().fieldMax), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(
    Texts, CutToField,
    testing::Values(TCutCase{"short", "abc", 10, "abc"}, TCutCase{"exact", "abcde", 5, "abcde"},
                    TCutCase{"long", "abcdefgh", 5, "abcde"}, TCutCase{"whole_break_fits", "ab\r\ncd", 4, "ab\r\n"},
                    TCutCase{"half_break_dropped", "abc\r\nd", 4, "abc"},
                    TCutCase{"over_255", std::string(300, 'x'), 255, std::string(255, 'x')},
                    TCutCase{"field_above_255", std::string(300, 'y'), 300, std::string(255, 'y')}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The single-line edit.

TEST(Edit, TypedGreekIsAccepted) {
  TEdit edit;
  Type(&edit, Q("Ωραία επιχείρηση €"));
  EXPECT_EQ(edit.Text(), Q("Ωραία επιχείρηση €"));
}

TEST(Edit, InputLimitStopsTyping) {
  TEdit edit;
  edit.SetInputLimit(5);
  Type(&edit, Q("αβγδεζηθ"));
  EXPECT_EQ(edit.Text(), Q("αβγδε"));
}

TEST(Edit, LoadedTextLongerThanTheLimitIsShownWholeAndCannotGrow) {
  TEdit edit;
  edit.SetInputLimit(5);
  edit.SetText(Q("0123456789"));
  EXPECT_EQ(edit.Text(), Q("0123456789"));
  edit.end(false);
  Type(&edit, Q("x"));
  EXPECT_EQ(edit.Text(), Q("0123456789"));
  // Shortened, it takes typing again only up to the limit.
  edit.setText(QString());
  edit.SetText(Q("01234567"));
  edit.end(false);
  for (int i = 0; i < 5; ++i) entrytest::Key(&edit, Qt::Key_Backspace, QString());
  EXPECT_EQ(edit.Text(), Q("012"));
  Type(&edit, Q("abcdef"));
  EXPECT_EQ(edit.Text(), Q("012ab"));
}

// ---------------------------------------------------------------------------
// The memo.

TEST(Memo, LinesJoinWithCrLfAndCountTwo) {
  TMemo memo;
  Type(&memo, Q("α\nβγ\nδ"));
  EXPECT_EQ(memo.Text(), Q("α\r\nβγ\r\nδ"));
  EXPECT_EQ(memo.Length(), 8);
}

TEST(Memo, SetTextTakesEveryKindOfLineBreak) {
  TMemo memo;
  memo.SetText(Q("a\r\nb\rc\nd"));
  EXPECT_EQ(memo.Text(), Q("a\r\nb\r\nc\r\nd"));
  EXPECT_EQ(memo.blockCount(), 4);
}

TEST(Memo, NoBreakSpaceStaysWhatItIs) {
  TMemo memo;
  memo.SetText(QString(QChar(0x00A0)) + Q("x"));
  EXPECT_EQ(dlg::ToRecordBytes(memo.Text()), "\xA0x");
}

TEST(Memo, LimitCountsLineBreaksAsTwo) {
  TMemo memo;
  memo.SetInputLimit(6);
  Type(&memo, Q("ab\ncd\nef"));
  // a b CR LF c d = 6: the second Return and what follows do not fit.
  EXPECT_EQ(memo.Text(), Q("ab\r\ncd"));
  EXPECT_EQ(memo.Length(), 6);
}

TEST(Memo, ReturnNeedsRoomForTwo) {
  TMemo memo;
  memo.SetInputLimit(4);
  Type(&memo, Q("abc\n"));
  EXPECT_EQ(memo.Text(), Q("abc"));
  Type(&memo, Q("d"));
  EXPECT_EQ(memo.Text(), Q("abcd"));
}

TEST(Memo, PasteIsFilteredAndCutAtTheLimit) {
  TMemo memo;
  memo.SetInputLimit(7);
  QGuiApplication::clipboard()->setText(Q("αЖβ\r\nγδεζη"));
  memo.paste();
  // α β CR LF γ δ ε = 7.
  EXPECT_EQ(memo.Text(), Q("αβ\r\nγδε"));
}

TEST(Memo, ComposedInputIsFiltered) {
  TMemo memo;
  QInputMethodEvent event(QString(), {});
  event.setCommitString(Q("ΑЖΒ"));
  QCoreApplication::sendEvent(&memo, &event);
  EXPECT_EQ(memo.Text(), Q("ΑΒ"));
}

TEST(Memo, LoadedTextOverTheLimitStaysWholeAndCannotGrow) {
  TMemo memo;
  memo.SetInputLimit(4);
  memo.SetText(Q("abcdefgh"));
  EXPECT_EQ(memo.Text(), Q("abcdefgh"));
  memo.moveCursor(QTextCursor::End);
  Type(&memo, Q("z"));
  EXPECT_EQ(memo.Text(), Q("abcdefgh"));
  // A selection may be replaced by as many characters as it held.
  QTextCursor cursor = memo.textCursor();
  cursor.setPosition(0);
  cursor.setPosition(2, QTextCursor::KeepAnchor);
  memo.setTextCursor(cursor);
  QGuiApplication::clipboard()->setText(Q("XYZ"));
  memo.paste();
  EXPECT_EQ(memo.Text(), Q("XYcdefgh"));
}

// ---------------------------------------------------------------------------
// Mixed input, pasted or typed, into an edit and a memo: what the code page
// holds is kept, accented Latin loses its accent, the rest is left out and
// named in a notice, as is each accent lost; an edit turns line breaks and
// tabs into blanks.

struct TMixedCase {
  const char* name;
  const char* in;
  const char* edit;  // what an edit keeps
  const char* memo;  // what a memo keeps (CR LF line breaks)
  const char* notice;  // after a paste
  bool typed = true;  // also typed key by key (keys type no line breaks or lone accents)
};
class MixedInput : public testing::TestWithParam<TMixedCase> {};

// The text of the control and its notice after pasting (or typing, one
// whole character at a time) the case's input.
template <class Control>
std::pair<QString, QString> Enter(const QString& in, bool paste) {
  Control control;
  if (paste) {
    QGuiApplication::clipboard()->setText(in);
    control.paste();
  } else {
    control.setFocus();
    for (const uint c : in.toUcs4()) {
      const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
      entrytest::Key(&control, Qt::Key_unknown, one);
    }
  }
  return {control.Text(), control.Notice()};
}

TEST_P(MixedInput, KeepsWhatTheCodePageHoldsAndTellsTheRest) {
  const TMixedCase& c = GetParam();
  const QString notice = Q(c.notice);
  for (const bool paste : {true, false}) {
    if (!paste && !c.typed) continue;
    const auto [editText, editNotice] = Enter<TEdit>(Q(c.in), paste);
    const auto [memoText, memoNotice] = Enter<TMemo>(Q(c.in), paste);
    if (paste || !QString(Q(c.in)).contains(QLatin1Char('\n'))) {  // Return types no line into an edit
      EXPECT_EQ(dlg::ToRecordBytes(editText), entrytest::Cp(c.edit)) << "paste " << paste;
      // Typing tells the last character left out; a paste tells them all.
      if (paste) {
        EXPECT_EQ(editNotice, notice);
      }
      EXPECT_EQ(editNotice.isEmpty(), notice.isEmpty()) << "paste " << paste;
    }
    EXPECT_EQ(dlg::ToRecordBytes(memoText), entrytest::Cp(c.memo)) << "paste " << paste;
    if (paste) {
      EXPECT_EQ(memoNotice, notice);
    }
    EXPECT_EQ(memoNotice.isEmpty(), notice.isEmpty()) << "paste " << paste;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MixedInput,
    testing::Values(
        TMixedCase{"accented_latin", "Nestlé Hellas ΑΕ", "Nestle Hellas ΑΕ", "Nestle Hellas ΑΕ",
                   "Χαρακτήρες που δεν υποστηρίζονται άλλαξαν: é → e"},
        TMixedCase{"tick", "Γιάννης ✓ Δημητρίου", "Γιάννης  Δημητρίου", "Γιάννης  Δημητρίου",
                   "Χαρακτήρες που δεν υποστηρίζονται παραλείφθηκαν: ✓"},
        TMixedCase{"greek_kept_symbols_told", "Ώρα ΐΰ ö Čapek Straße Ø🔥ø😀🔥", "Ώρα ΐΰ o Capek Strae ",
                   "Ώρα ΐΰ o Capek Strae ",
                   "Χαρακτήρες που δεν υποστηρίζονται παραλείφθηκαν: ß Ø 🔥 ø 😀\n"
                   "Χαρακτήρες που δεν υποστηρίζονται άλλαξαν: ö → o, Č → C"},
        TMixedCase{"decomposed_greek", "α\u0301ι\u0308", "άϊ", "άϊ", "", false},
        TMixedCase{"breaks_and_tabs", "α\r\nβ\tγ\nδ\rε", "α β γ δ ε", "α\r\nβ\tγ\r\nδ\r\nε", "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputCap, EditAndMemoTakeNoMoreThanTheFieldStores) {
  // An input limit of 20 on a field of 10: the field wins, and says so.
  TEdit hours;
  hours.SetInputLimit(20);
  hours.SetFieldMax(10);
  EXPECT_EQ(hours.EffectiveLimit(), 10);
  QGuiApplication::clipboard()->setText(Q("08:00-16:00 Δευτ-Παρ"));
  hours.paste();
  EXPECT_EQ(hours.Text(), Q("08:00-16:0"));
  EXPECT_EQ(hours.Notice(), Q("Το πεδίο χωράει έως 10 χαρακτήρες"));
  // Without a limit of its own an edit still stops at 255.
  TEdit wide;
  Type(&wide, QString(260, QLatin1Char('x')));
  EXPECT_EQ(wide.Text().size(), 255);
  // A memo counts a line break as two against its field's maximum.
  TMemo memo;
  memo.SetInputLimit(300);
  memo.SetFieldMax(6);
  QGuiApplication::clipboard()->setText(Q("ab\ncd\nef✓"));
  memo.paste();
  EXPECT_EQ(memo.Text(), Q("ab\r\ncd"));
  // A text loaded from a file is shown whole even beyond the field.
  memo.SetText(Q("abcdefgh"));
  EXPECT_EQ(memo.Text(), Q("abcdefgh"));
  EXPECT_TRUE(memo.Notice().isEmpty());
}

TEST(CountedLength, BreaksOfEveryKindCountTwo) {
  EXPECT_EQ(dlg::CountedLength(Q("ab")), 2);
  EXPECT_EQ(dlg::CountedLength(Q("a\r\nb")), 4);
  EXPECT_EQ(dlg::CountedLength(Q("a\nb")), 4);
  EXPECT_EQ(dlg::CountedLength(QString(QChar::ParagraphSeparator)), 2);
  EXPECT_EQ(dlg::CountedLength(QString(QChar::LineSeparator) + Q("x")), 3);
}

// ---------------------------------------------------------------------------
// The radio group.

TEST(RadioGroup, ItemIndexMinusOneClearsTheSelection) {
  dlg::TRadioGroup group(Q("G"), {Q("a"), Q("b"), Q("c")});
  EXPECT_EQ(group.ItemIndex(), -1);
  group.SetItemIndex(2);
  EXPECT_EQ(group.ItemIndex(), 2);
  group.SetItemIndex(-1);
  EXPECT_EQ(group.ItemIndex(), -1);
  group.SetItemIndex(1);
  group.SetItemIndex(7);
  EXPECT_EQ(group.ItemIndex(), -1);
  EXPECT_EQ(group.Count(), 3);
  EXPECT_EQ(group.ItemText(1), Q("b"));
}

}  // namespace
