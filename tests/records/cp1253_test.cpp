// Code page 1253 against the system's own converter, the lossless UTF-8
// form of every byte, and the UTF-8 side's handling of input it cannot take.
#include "records/cp1253.h"
#include "records_test_support.h"

using namespace flox_test;

namespace {

char32_t SystemDecode(std::uint8_t byte) { return sys::SystemCp1253(byte); }

TEST(Cp1253, EveryByteAgreesWithTheSystemConverter) {
  if (SystemDecode('A') == 0xFFFFFFFF) GTEST_SKIP() << "the system has no CP1253 converter";
  int defined = 0;
  for (int b = 1; b < 256; ++b) {
    const char32_t expected = SystemDecode(static_cast<std::uint8_t>(b));
    EXPECT_EQ(Cp1253ToUnicode(static_cast<std::uint8_t>(b)), expected) << "byte " << b;
    if (expected != 0) {
      ++defined;
      EXPECT_EQ(UnicodeToCp1253(expected), b) << "byte " << b;
    }
  }
  EXPECT_EQ(defined, 255 - 17);  // seventeen bytes are left undefined
}

TEST(Cp1253, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1253ToUtf8(all);
  std::string back;
  std::size_t offset = 99;
  ASSERT_TRUE(Utf8ToCp1253(utf8, back, &offset));
  EXPECT_EQ(back, all);
}

TEST(Cp1253, GreekLettersAndUndefinedBytes) {
  EXPECT_EQ(Cp1253ToUtf8("\xC1\xC2\xC3"), "ΑΒΓ");
  EXPECT_EQ(Cp1253ToUtf8("\xF3\xF2\xFE"), "σςώ");
  EXPECT_EQ(Cp("την 3/81 Π.Δ."), "\xF4\xE7\xED\x20\x33\x2F\x38\x31\x20\xD0\x2E\xC4\x2E");
  EXPECT_EQ(UnicodeToCp1253(U'€'), 0x80);
  EXPECT_EQ(UnicodeToCp1253(U'Ά'), 0xA2);
  EXPECT_EQ(UnicodeToCp1253(U'ä'), -1);
  EXPECT_EQ(UnicodeToCp1253(0x1F600), -1);
  // Undefined bytes keep the characters the Windows conversion gives them;
  // the code page's own table still has no character for them.
  EXPECT_EQ(Cp1253ToUtf8("a\x81" "b\x9F\xAA\xD2\xFF"), "a\u0081b\u009F\uF8F9\uF8FA\uF8FB");
  EXPECT_EQ(UnicodeToCp1253(0xF8F9), -1);
  EXPECT_EQ(Cp1253ToUnicode(0xAA), 0u);
  // A C1 control that stands for a defined byte is no stand-in.
  EXPECT_EQ(LosslessUnicodeToCp1253(0x80), -1);
  EXPECT_EQ(LosslessUnicodeToCp1253(0x82), -1);
  EXPECT_EQ(LosslessUnicodeToCp1253(0xF8FC), -1);
}

struct TBadUtf8 {
  const char* what;
  std::string input;
  std::size_t offset;
};

class BadUtf8 : public ::testing::TestWithParam<TBadUtf8> {};

TEST_P(BadUtf8, FailsAtTheOffsetOfTheCharacterAndKeepsTheOutput) {
  std::string out = "unchanged";
  std::size_t offset = 12345;
  EXPECT_FALSE(Utf8ToCp1253(GetParam().input, out, &offset));
  EXPECT_EQ(offset, GetParam().offset);
  EXPECT_EQ(out, "unchanged");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadUtf8,
    ::testing::Values(TBadUtf8{"Unmappable", "ab\xC3\xA4", 2},             // ä
                      TBadUtf8{"UnmappableAfterGreek", "ΑΒ日", 4},           // CJK after two 2-byte letters
                      TBadUtf8{"Replacement", "x\xEF\xBF\xBD", 1},        // U+FFFD itself
                      TBadUtf8{"StrayContinuation", "Α\x80", 2},
                      TBadUtf8{"TruncatedSequence", "abc\xCE", 3},
                      TBadUtf8{"Overlong", "\xC0\xAF", 0},
                      TBadUtf8{"OverlongThreeBytes", "z\xE0\x80\xAF", 1},
                      TBadUtf8{"Surrogate", "\xED\xA0\x80", 0},
                      TBadUtf8{"BeyondUnicode", "\xF4\x90\x80\x80", 0},
                      TBadUtf8{"InvalidLeadByte", "ok\xFF", 2},
                      TBadUtf8{"MissingContinuation", "\xE2\x82" "A", 0},
                      TBadUtf8{"Emoji", "a\xF0\x9F\x98\x80", 1}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Cp1253, EmptyAndAsciiPassThrough) {
  std::string out = "x";
  EXPECT_TRUE(Utf8ToCp1253("", out));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(Utf8ToCp1253(std::string("a\0b", 3), out));
  EXPECT_EQ(out, std::string("a\0b", 3));
}

}  // namespace
