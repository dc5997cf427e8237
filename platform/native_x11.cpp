// The X11 and Wayland side of the window system layer.
#include "platform/native.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <memory>

namespace platform::native {
namespace {

bool EnvSet(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0';
}

// The host's window as a foreign QWindow, made once per handle.
std::unique_ptr<QWindow> g_hostWindow;
std::uintptr_t g_hostWindowHandle = 0;
QPointer<QGuiApplication> g_hostWindowApp;

}  // namespace

// What Qt would choose by itself: the user's QT_QPA_PLATFORM; else Wayland
// when the session is a Wayland one (not on GNOME, where Qt prefers X11) or
// when there is no X11 display; else X11.
QByteArrayList WantedPlatforms(std::string* why) {
  if (EnvSet("QT_QPA_PLATFORM")) return qgetenv("QT_QPA_PLATFORM").split(';');
  QByteArrayList wanted;
  const bool x11 = EnvSet("DISPLAY");
  if (EnvSet("WAYLAND_DISPLAY")) {
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP").toLower() + qgetenv("XDG_SESSION_DESKTOP").toLower();
    if (!x11 || (qgetenv("XDG_SESSION_TYPE") == "wayland" && !desktop.contains("gnome"))) wanted << "wayland";
  }
  if (x11) wanted << "xcb";
  if (wanted.isEmpty() && why != nullptr) *why = "neither DISPLAY nor WAYLAND_DISPLAY is set";
  return wanted;
}

// The library's window becomes transient for the host's X11 window.
void OwnByHostWindow(QWidget* window, std::uintptr_t host) {
  if (host == 0 || QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (g_hostWindowApp != app) (void)g_hostWindow.release();  // went with its application
  if (!g_hostWindow || g_hostWindowHandle != host) {
    g_hostWindow.reset(QWindow::fromWinId(static_cast<WId>(host)));
    g_hostWindowHandle = host;
    g_hostWindowApp = app;
  }
  window->winId();  // makes the native window
  if (QWindow* handle = window->windowHandle()) handle->setTransientParent(g_hostWindow.get());
}


// Linux systems have the faces (fonts-liberation): nothing is shipped.
void AddShippedFonts() {}

}  // namespace platform::native
