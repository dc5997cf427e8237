#include "host/desktop/desktop_app.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "host/desktop/studies_window.h"

namespace host {

int RunDesktop(const TLibrary& lib, const std::string& file) {
  QApplication::setOrganizationName(QStringLiteral("flox03"));
  QApplication::setApplicationName(QStringLiteral("flox03"));
  QGuiApplication::setDesktopFileName(QStringLiteral("flox03"));
  QIcon icon = QIcon::fromTheme(QStringLiteral("flox03"));
  if (icon.isNull()) icon = QIcon(QStringLiteral(":/flox03/flox03.png"));
  QApplication::setWindowIcon(icon);

  desk::TStudiesWindow window(lib, std::make_unique<desk::TStudySettings>());
  window.show();
  if (!file.empty()) {
    const QString path = QString::fromLocal8Bit(file.c_str());
    QTimer::singleShot(0, &window, [&window, path] {
      if (window.OpenStudy(path)) window.EditStudy(path);
    });
  }
  return QApplication::exec();
}

}  // namespace host
