#include "host/desktop/study_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

namespace desk {
namespace {
const QString kRecent = QStringLiteral("studies/recent");
const QString kTypes = QStringLiteral("studies/types");
}  // namespace

QString StudyKey(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

TStudySettings::TStudySettings(std::unique_ptr<QSettings> settings)
    : settings_(settings ? std::move(settings)
                         : std::make_unique<QSettings>(QStringLiteral("flox03"), QStringLiteral("flox03"))) {}

QStringList TStudySettings::Recent() const { return settings_->value(kRecent).toStringList(); }

void TStudySettings::Touch(const QString& path) {
  QStringList recent = Recent();
  const QString key = StudyKey(path);
  recent.removeAll(key);
  recent.prepend(key);
  while (recent.size() > kMaxRecent) recent.removeLast();
  settings_->setValue(kRecent, recent);
}

void TStudySettings::Remove(const QString& path) {
  QStringList recent = Recent();
  recent.removeAll(StudyKey(path));
  settings_->setValue(kRecent, recent);
}

int TStudySettings::TypeOf(const QString& path) const {
  const int type = settings_->value(kTypes).toMap().value(StudyKey(path)).toInt();
  return type >= 1 && type <= 0xFF ? type : 0;  // a study type is one byte
}

void TStudySettings::SetType(const QString& path, int type) {
  QVariantMap types = settings_->value(kTypes).toMap();
  types.insert(StudyKey(path), type);
  settings_->setValue(kTypes, types);
}

}  // namespace desk
