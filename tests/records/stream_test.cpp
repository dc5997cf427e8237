// The memory stream: positions and sizes.
#include "records_test_support.h"

using namespace flox_test;

namespace {

TEST(MemoryStream, ReadWriteSeek) {
  TMemoryStream s;
  s.Write("hello", 5);
  EXPECT_EQ(s.Position(), 5);
  EXPECT_EQ(s.Size(), 5);
  EXPECT_EQ(s.Seek(1, TSeekOrigin::Begin), 1);
  s.Write("EL", 2);
  EXPECT_EQ(s.Size(), 5);
  EXPECT_EQ(s.Seek(-1, TSeekOrigin::End), 4);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 1u);
  EXPECT_EQ(buf[0], 'o');
  EXPECT_EQ(s.Read(buf, 8), 0u);
  EXPECT_EQ(s.Seek(-2, TSeekOrigin::Current), 3);
  s.Seek(0, TSeekOrigin::Begin);
  EXPECT_EQ(s.Read(buf, 5), 5u);
  EXPECT_EQ(std::string(buf, 5), "hELlo");
  EXPECT_THROW(s.Seek(-1, TSeekOrigin::Begin), EStreamError);
  EXPECT_EQ(s.Position(), 5);  // a refused seek leaves the position
}

}  // namespace
