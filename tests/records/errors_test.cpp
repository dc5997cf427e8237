// Names in messages: control characters and bytes that are no UTF-8 escaped,
// everything else as it is.
#include <gtest/gtest.h>

#include "records/errors.h"

namespace {

TEST(PrintableText, EscapesWhatCouldBreakALineOrCommandATerminal) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"μελέτη 1/2 «Α».flx", "μελέτη 1/2 «Α».flx"},
      {"a\nb\rc\td", "a\\nb\\rc\\td"},
      {"x\x1B[32m\x7F\x01", "x\\x1B[32m\\x7F\\x01"},
      {"c1\xC2\x9B" "31m\xC2\xA0", "c1\\xC2\\x9B31m\xC2\xA0"},  // CSI as a C1 control; a no-break space stays
      {"bad\xFF\xC3", "bad\\xFF\\xC3"},                        // a stray byte, a sequence cut short
      {"\xC0\xAF\xED\xA0\x80", "\\xC0\\xAF\\xED\\xA0\\x80"},  // an overlong form, a surrogate
      {"\xF0\x9F\x94\xA5", "\xF0\x9F\x94\xA5"},                // a four-byte character stays
  };
  for (const auto& c : cases) EXPECT_EQ(PrintableText(c.in), c.out) << c.in;
}

}  // namespace
