#include "platform/platform.h"

#include "platform/display_choice.h"
#include "platform/native.h"
#include "records/errors.h"

#include <QApplication>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTextDocument>
#include <QToolTip>
#include <QTranslator>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace platform {
namespace {

std::uintptr_t g_applicationWindow = 0;
TCursor g_cursor = TCursor::Default;
bool g_overrideActive = false;
bool g_fellBackOffscreen = false;  // windows were wanted, but no display could be opened


// Greek texts for the few English ones Qt puts on the library's screens
// (no Greek translation of Qt comes with the system).
struct TGreekText {
  const char* english;
  const char* greek;
};
constexpr TGreekText kGreekTexts[] = {
    {"OK", "Εντάξει"},           {"&OK", "&Εντάξει"},         {"Cancel", "Ακυρο"},
    {"&Cancel", "&Ακυρο"},       {"Close", "Κλείσιμο"},       {"&Close", "&Κλείσιμο"},
    {"Yes", "Ναι"},              {"&Yes", "&Ναι"},            {"No", "Οχι"},
    {"&No", "&Οχι"},             {"Save", "Αποθήκευση"},      {"&Save", "&Αποθήκευση"},
    {"Help", "Βοήθεια"},         {"Apply", "Εφαρμογή"},       {"Abort", "Διακοπή"},
    {"Retry", "Επανάληψη"},      {"Ignore", "Παράβλεψη"},     {"&Undo", "&Αναίρεση"},
    {"&Redo", "Ακύρωση α&ναίρεσης"}, {"Cu&t", "Απο&κοπή"},     {"&Copy", "Α&ντιγραφή"},
    {"&Paste", "&Επικόλληση"},   {"Delete", "Διαγραφή"},      {"Select All", "Επιλογή όλων"},
    {"Copy &Link Location", "Αντιγραφή &διεύθυνσης"},
};

class TGreekTranslator : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (context == nullptr || sourceText == nullptr) return {};
    const std::string_view where(context);
    if (where != "QPlatformTheme" && where != "QGnomeTheme" && where != "QDialogButtonBox" &&
        where != "QLineEdit" && where != "QWidgetTextControl" && where != "QMessageBox")
      return {};
    for (const TGreekText& t : kGreekTexts)
      if (std::string_view(t.english) == sourceText) return QString::fromUtf8(t.greek);
    return {};
  }
};

// A long tooltip of plain text is shown as rich text of a readable width;
// the widget's own tooltip stays as it was set.
class TReadableTips : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const QString tip = widget->toolTip();
    if (tip.isEmpty() || Qt::mightBeRichText(tip) || ReadableTip(tip) == tip) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), ReadableTip(tip), widget, QRect(), widget->toolTipDuration());
    return true;
  }
};

QPointer<QCoreApplication> g_setUpFor;

}  // namespace

QString ReadableTip(const QString& plain) {
  constexpr int kTipWidth = 360;  // pixels
  if (QFontMetrics(QToolTip::font()).horizontalAdvance(plain) <= kTipWidth) return plain;
  QString html = plain.toHtmlEscaped();
  html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
  return QStringLiteral("<table width=%1><tr><td>%2</td></tr></table>").arg(kTipWidth).arg(html);
}

void SetUpApplication() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || g_setUpFor == app) return;
  g_setUpFor = app;
  native::AddShippedFonts();
  QCoreApplication::installTranslator(new TGreekTranslator(app));
  app->installEventFilter(new TReadableTips(app));
}

void AddShippedFonts() { native::AddShippedFonts(); }

void SetApplicationWindow(std::uintptr_t hostWindow) { g_applicationWindow = hostWindow; }

std::uintptr_t ApplicationWindow() { return g_applicationWindow; }

bool EnsureApplication() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
    SetUpApplication();
    return HasDisplay();
  }
  if (QCoreApplication::instance() != nullptr) {
    // The host runs a Qt application without widgets: nothing can be shown.
    return false;
  }
  // No Qt application yet: the library makes its own, kept for the life of
  // the process. Without a display, or with one that cannot be opened, it
  // runs on the offscreen platform, which still lays out and paints pages.
  platform::TStartedApplication started = StartApplication("WinFlox03RDll");
  g_fellBackOffscreen = started.wantedWindows && !started.showsWindows;
  started.app.release();
  QApplication::setQuitOnLastWindowClosed(false);
  SetUpApplication();
  return HasDisplay();
}

bool HasDisplay() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return false;
  return PlatformShowsWindows(QGuiApplication::platformName());
}

bool CanShowDialogs() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr && !g_fellBackOffscreen;
}

void AttachToApplicationWindow(QWidget* window) {
  if (window == nullptr || window->parentWidget() != nullptr || g_applicationWindow == 0) return;
  native::OwnByHostWindow(window, g_applicationWindow);
}

namespace {
void ShowBox(QMessageBox::Icon icon, const QString& caption, const QString& text, const std::string& plain) {
  if (!HasDisplay()) {
    // Line by line, so that a name in the text can break none.
    std::string lines;
    for (std::size_t start = 0; start <= plain.size();) {
      const std::size_t end = std::min(plain.find('\n', start), plain.size());
      lines += (start == 0 ? "" : "\n") + PrintableText(std::string_view(plain).substr(start, end - start));
      start = end + 1;
    }
    std::fprintf(stderr, "%s\n", lines.c_str());
    std::fflush(stderr);
    return;
  }
  QMessageBox box(icon, caption, text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  AttachToApplicationWindow(&box);
  // The box shows the normal arrow whatever the cursor of the work behind it.
  const bool restore = g_overrideActive;
  if (restore) QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  if (restore) QApplication::restoreOverrideCursor();
}
}  // namespace

void ShowError(const std::string& line1, const std::string& line2) {
  ShowBox(QMessageBox::Critical, QStringLiteral("Σφάλμα"),
          QString::fromUtf8(line1) + QLatin1Char('\n') + QString::fromUtf8(line2), line1 + "\n" + line2);
}

void ShowInformation(const std::string& caption, const std::string& text) {
  ShowBox(QMessageBox::Information, QString::fromUtf8(caption), QString::fromUtf8(text), text);
}

void ShowWarning(const std::string& caption, const std::string& text) {
  ShowBox(QMessageBox::Warning, QString::fromUtf8(caption), QString::fromUtf8(text), caption + "\n" + text);
}

void SetScreenCursor(TCursor cursor) {
  g_cursor = cursor;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
  if (cursor == TCursor::Hourglass && !g_overrideActive) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    g_overrideActive = true;
  } else if (cursor == TCursor::Default && g_overrideActive) {
    QApplication::restoreOverrideCursor();
    g_overrideActive = false;
  }
}

TCursor ScreenCursor() { return g_cursor; }

}  // namespace platform
