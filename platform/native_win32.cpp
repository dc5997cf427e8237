// The Windows side of the window system layer: the host's window is an
// HWND, which owns the library's windows as Windows owns windows, and is
// disabled while a modal window of the library is up.
#include "platform/native.h"

#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <cstdlib>

namespace platform::native {
namespace {

HWND HostOf(std::uintptr_t host) {
  const auto hwnd = reinterpret_cast<HWND>(host);
  return host != 0 && ::IsWindow(hwnd) ? hwnd : nullptr;
}

// Keeps a window of the library owned by the host's window, and the host
// disabled while that window is shown modal; gives the host the activation
// back before the window goes, so that Windows does not hand it to another
// program.
class THostOwnership : public QObject, public QAbstractNativeEventFilter {
 public:
  THostOwnership(QWidget* window, HWND host) : QObject(window), window_(window), host_(host) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    Own();
    window->installEventFilter(this);
  }
  ~THostOwnership() override {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
  }

  // Qt sets a window's owner from its transient parent each time it shows
  // it, and a window of another toolkit is none: without this the window
  // would lose the host as its owner on the way to the screen.
  bool nativeEventFilter(const QByteArray& /*type*/, void* message, qintptr* /*result*/) override {
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SHOWWINDOW && msg->wParam != 0 && window_ != nullptr &&
        msg->hwnd == reinterpret_cast<HWND>(window_->internalWinId()))
      Own();
    return false;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && window->isModal() && !disabled_) {
      disabled_ = ::IsWindowEnabled(host_) != 0;
      if (disabled_) ::EnableWindow(host_, FALSE);
    } else if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) && disabled_) {
      disabled_ = false;
      ::EnableWindow(host_, TRUE);
      if (window->isActiveWindow()) ::SetActiveWindow(host_);
    }
    return false;
  }

 private:
  // Owned, not a child: the window keeps its frame and its place on the
  // screen, stays above the host's window and goes with it.
  void Own() {
    const auto hwnd = reinterpret_cast<HWND>(window_->winId());
    if (::GetWindow(hwnd, GW_OWNER) != host_) ::SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(host_));
  }

  QPointer<QWidget> window_;
  HWND host_;
  bool disabled_ = false;
};

// The folder of the module this code is in: the library's DLL, or the
// program that links it statically.
QString ModuleFolder() {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&ModuleFolder), &module))
    return {};
  wchar_t path[32768];
  const DWORD n = ::GetModuleFileNameW(module, path, static_cast<DWORD>(std::size(path)));
  if (n == 0 || n >= std::size(path)) return {};
  const QString file = QString::fromWCharArray(path, static_cast<qsizetype>(n));
  return QDir::fromNativeSeparators(file).section(QLatin1Char('/'), 0, -2);
}

QPointer<QCoreApplication> g_fontsAddedFor;

}  // namespace

QByteArrayList WantedPlatforms(std::string* why) {
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  if (!chosen.isEmpty()) return chosen.split(';');
  // A service's windows are on a window station that no user sees: a modal
  // window there would wait for ever.
  USEROBJECTFLAGS flags{};
  HWINSTA station = ::GetProcessWindowStation();
  if (station != nullptr && ::GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr) &&
      (flags.dwFlags & WSF_VISIBLE) == 0) {
    if (why != nullptr) *why = "the process runs on a window station that no user sees (a service)";
    return {};
  }
  return {"windows"};
}

void OwnByHostWindow(QWidget* window, std::uintptr_t host) {
  const HWND owner = HostOf(host);
  if (owner == nullptr || QGuiApplication::platformName() != QLatin1String("windows")) return;
  new THostOwnership(window, owner);  // the window's child: it goes with it
}


// The faces of the printed pages (Arial, Courier New, Times New Roman) are
// drawn with the metric-compatible Liberation faces on every system; they
// come with the library, in fonts\ beside it.
void AddShippedFonts() {
  QCoreApplication* app = QCoreApplication::instance();
  if (qobject_cast<QGuiApplication*>(app) == nullptr || g_fontsAddedFor == app) return;
  g_fontsAddedFor = app;
  const QDir folder(ModuleFolder() + QStringLiteral("/fonts"));
  for (const QString& file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
    if (QFontDatabase::addApplicationFont(folder.filePath(file)) < 0)
      qWarning("WinFlox03RDll: the font %s cannot be used", qPrintable(QDir::toNativeSeparators(folder.filePath(file))));
  }
}

}  // namespace platform::native
