// The Windows side of the window system layer.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/native.h"

namespace {

// A process on a window station that no user sees (as a service's) wants
// no platform that shows windows, whatever desktop the machine has.
TEST(WantedPlatforms, NoneOnAWindowStationNobodySees) {
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  qunsetenv("QT_QPA_PLATFORM");
  std::string why;
  EXPECT_EQ(platform::native::WantedPlatforms(&why), QByteArrayList{"windows"});
  EXPECT_EQ(why, "");

  HWINSTA own = ::GetProcessWindowStation();
  HWINSTA hidden = ::CreateWindowStationW(nullptr, 0, WINSTA_ALL_ACCESS, nullptr);
  ASSERT_NE(hidden, nullptr) << ::GetLastError();
  ASSERT_TRUE(::SetProcessWindowStation(hidden));
  const QByteArrayList wanted = platform::native::WantedPlatforms(&why);
  ::SetProcessWindowStation(own);
  ::CloseWindowStation(hidden);
  qputenv("QT_QPA_PLATFORM", chosen);
  EXPECT_TRUE(wanted.isEmpty()) << wanted.join(';').toStdString();
  EXPECT_NE(why.find("window station"), std::string::npos) << why;
}

}  // namespace
