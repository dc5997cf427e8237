#include "platform/display_choice.h"

#include "platform/native.h"

#include <QApplication>
#include <QByteArrayList>
#include <QString>

#include <cstdio>

namespace platform {
namespace {

// "xcb:option=value" names the plugin "xcb".
QByteArray PluginName(const QByteArray& entry) {
  const qsizetype colon = entry.indexOf(':');
  return colon < 0 ? entry : entry.left(colon);
}

// Keeps Qt's complaints about the platforms that did not start.
std::string* g_complaints = nullptr;
QtMessageHandler g_previousHandler = nullptr;

void KeepPlatformComplaints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const char* category = context.category != nullptr ? context.category : "";
  if (g_complaints != nullptr && std::string_view(category).starts_with("qt.qpa")) {
    if (g_complaints->empty()) *g_complaints = message.toStdString();
    return;
  }
  if (g_previousHandler != nullptr) {
    g_previousHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  }
}

}  // namespace

bool PlatformShowsWindows(const QString& platformName) {
  return platformName != QLatin1String("offscreen") && platformName != QLatin1String("minimal");
}

TStartedApplication StartApplication(const char* programName) {
  TStartedApplication started;
  QByteArrayList platforms = native::WantedPlatforms(&started.why);
  started.wantedWindows = platforms.isEmpty() || PlatformShowsWindows(QString::fromUtf8(PluginName(platforms.first())));
  platforms << "offscreen";

  // Qt keeps a reference to argc and argv: they live as long as the process.
  struct TArguments {
    std::string name, option = "-platform", list;
    int argc = 3;
    char* argv[4] = {};
  };
  auto* args = new TArguments{programName, "-platform", platforms.join(';').toStdString()};
  args->argv[0] = args->name.data();
  args->argv[1] = args->option.data();
  args->argv[2] = args->list.data();

  std::string complaints;
  g_complaints = &complaints;
  g_previousHandler = qInstallMessageHandler(KeepPlatformComplaints);
  started.app = std::make_unique<QApplication>(args->argc, args->argv);
  qInstallMessageHandler(g_previousHandler);
  g_complaints = nullptr;

  native::AddShippedFonts();
  started.showsWindows = started.wantedWindows && PlatformShowsWindows(QGuiApplication::platformName());
  if (started.wantedWindows && !started.showsWindows && started.why.empty()) {
    started.why = complaints.empty() ? "the display cannot be opened" : complaints;
  }
  return started;
}

}  // namespace platform
