#include "host/desktop/study_settings.h"

#include <sys/stat.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

namespace desk {
namespace {
const QString kRecent = QStringLiteral("studies/recent");
const QString kTypes = QStringLiteral("studies/types");

// Why the file must not be read, or empty (a missing file is a new one).
QString FileProblem(const QString& file) {
  struct stat st {};
  if (::stat(QFile::encodeName(file).constData(), &st) != 0) return {};
  if (!S_ISREG(st.st_mode)) return QStringLiteral("δεν είναι κανονικό αρχείο");
  if (st.st_size > TStudySettings::kMaxFileBytes) {
    return QStringLiteral("είναι μεγαλύτερο από %1 MB, πολύ περισσότερο από όσο γράφει ποτέ το πρόγραμμα")
        .arg(TStudySettings::kMaxFileBytes >> 20);
  }
  return {};
}
}  // namespace

QString StudyKey(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

TStudySettings::TStudySettings()
    : TStudySettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QStringLiteral("/flox03/flox03.conf")) {}

TStudySettings::TStudySettings(const QString& file) {
  if (const QString why = FileProblem(file); !why.isEmpty()) {
    problem_ = QStringLiteral("Οι ρυθμίσεις του προγράμματος δεν διαβάστηκαν: το αρχείο «%1» %2. Η λίστα ξεκινά "
                              "άδεια και ό,τι αλλάξει τώρα δεν θα κρατηθεί· το αρχείο μένει όπως είναι.")
                   .arg(file, why);
    return;
  }
  settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
  // The newest of the list and a bounded number of types, whatever the file holds.
  const QStringList recent = settings_->value(kRecent).toStringList();
  QSet<QString> seen;
  for (const QString& path : recent) {
    if (recent_.size() >= kMaxRecent) break;
    if (!path.isEmpty() && !seen.contains(path)) {
      seen.insert(path);
      recent_ << path;
    }
  }
  const QVariantMap types = settings_->value(kTypes).toMap();
  for (const QString& path : recent_) {
    if (types.contains(path)) types_.insert(path, types.value(path));
  }
  for (auto it = types.cbegin(); it != types.cend() && types_.size() < kMaxTypes; ++it) types_.insert(it.key(), it.value());
}

void TStudySettings::Touch(const QString& path) {
  const QString key = StudyKey(path);
  recent_.removeAll(key);
  recent_.prepend(key);
  while (recent_.size() > kMaxRecent) recent_.removeLast();
  if (settings_) settings_->setValue(kRecent, recent_);
}

int TStudySettings::Remove(const QString& path) {
  const int place = static_cast<int>(recent_.indexOf(StudyKey(path)));
  recent_.removeAll(StudyKey(path));
  if (settings_) settings_->setValue(kRecent, recent_);
  return place;
}

void TStudySettings::Restore(const QString& path, int place) {
  const QString key = StudyKey(path);
  recent_.removeAll(key);
  recent_.insert(std::clamp(place, 0, static_cast<int>(recent_.size())), key);
  while (recent_.size() > kMaxRecent) recent_.removeLast();
  if (settings_) settings_->setValue(kRecent, recent_);
}

int TStudySettings::TypeOf(const QString& path) const {
  const int type = types_.value(StudyKey(path)).toInt();
  return type >= 1 && type <= 0xFF ? type : 0;  // a study type is one byte
}

void TStudySettings::SetType(const QString& path, int type) {
  types_.insert(StudyKey(path), type);
  // Past the bound, the types of files off the recent list go first.
  for (auto it = types_.begin(); types_.size() > kMaxTypes && it != types_.end();) {
    it = recent_.contains(it.key()) || it.key() == StudyKey(path) ? std::next(it) : types_.erase(it);
  }
  if (settings_) settings_->setValue(kTypes, types_);
}

void TStudySettings::Sync() {
  if (settings_) settings_->sync();
}

}  // namespace desk
