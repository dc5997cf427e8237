// main() of the GUI test programs: one QApplication on the offscreen
// platform for the whole run, as a host application would have.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/platform.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::AddShippedFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
