// The platform layer on the offscreen platform, inside a host that already
// runs a QApplication (the test program's main makes one).
#include "platform/platform.h"

#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

TEST(ApplicationWindow, IsSetAndReleased) {
  EXPECT_EQ(platform::ApplicationWindow(), 0u);
  platform::SetApplicationWindow(0x4a00007);
  EXPECT_EQ(platform::ApplicationWindow(), 0x4a00007u);
  // Attaching a window to a host handle on a platform without a window
  // system must neither crash nor give the window a parent.
  QDialog dialog;
  platform::AttachToApplicationWindow(&dialog);
  EXPECT_EQ(dialog.parentWidget(), nullptr);
  platform::SetApplicationWindow(0);
  EXPECT_EQ(platform::ApplicationWindow(), 0u);
}

TEST(Application, ExistingApplicationIsUsedAndOffscreenHasNoDisplay) {
  QCoreApplication* before = QCoreApplication::instance();
  EXPECT_FALSE(platform::EnsureApplication());  // offscreen: nothing can be shown
  EXPECT_EQ(QCoreApplication::instance(), before);
  EXPECT_FALSE(platform::HasDisplay());
}

TEST(ErrorBox, WithoutDisplayPrintsBothLinesInsteadOfBlocking) {
  testing::internal::CaptureStderr();
  platform::ShowError("Internal error-MeltaStream-001", "cannot create file");
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "Internal error-MeltaStream-001\ncannot create file\n");
}

TEST(Cursor, HourglassSetsTheOverrideCursorAndDefaultRemovesIt) {
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  platform::SetScreenCursor(platform::TCursor::Hourglass);
  platform::SetScreenCursor(platform::TCursor::Hourglass);  // twice: still one level
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Hourglass);
  platform::SetScreenCursor(platform::TCursor::Default);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default);
}

TEST(Cursor, GuardRestoresDefaultWhenWorkFails) {
  try {
    platform::TCursorGuard guard;
    platform::SetScreenCursor(platform::TCursor::Hourglass);
    throw std::runtime_error("printer failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(platform::ScreenCursor(), platform::TCursor::Default);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(GreekScreens, MessageBoxButtonsAndLongTooltipsReadWell) {
  platform::SetUpApplication();
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Σφάλμα"), QStringLiteral("x"),
                  QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("Εντάξει"));
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Ακυρο"));

  // A tooltip of some 150 characters wraps instead of running on one line.
  QLabel label(QStringLiteral("Ατομα"));
  const QString tip = QString(QStringLiteral("Αριθμός ατόμων που εργάζονται στην επιχείρηση ")).repeated(3);
  label.setToolTip(tip);
  label.show();
  QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), label.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(&label, &event);
  EXPECT_EQ(label.toolTip(), tip);
  ASSERT_TRUE(QToolTip::isVisible());
  const QWidget* shown = nullptr;
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w->inherits("QTipLabel") && w->isVisible()) shown = w;
  ASSERT_NE(shown, nullptr);
  EXPECT_LT(shown->width(), 420);
  EXPECT_GT(shown->width(), 300);
  EXPECT_GT(shown->height(), 2 * label.fontMetrics().height());
  QToolTip::hideText();
}

}  // namespace
