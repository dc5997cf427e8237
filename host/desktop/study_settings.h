// What the desktop window remembers in the user's settings: the recent
// studies, most recent first, and the study type of every file the user has
// confirmed (kept also after the file leaves the list).
#pragma once

#include <QSettings>
#include <QStringList>
#include <memory>

namespace desk {

class TStudySettings {
 public:
  // The user's settings of the program ("flox03"), or the given ones (tests).
  explicit TStudySettings(std::unique_ptr<QSettings> settings = nullptr);

  QStringList Recent() const;
  // Puts the file at the top of the recent studies.
  void Touch(const QString& path);
  void Remove(const QString& path);

  // 0 when the type of the file was never confirmed.
  int TypeOf(const QString& path) const;
  void SetType(const QString& path, int type);

  void Sync() { settings_->sync(); }

  static constexpr int kMaxRecent = 100;

 private:
  std::unique_ptr<QSettings> settings_;
};

// The form in which a study's path is kept: absolute and clean.
QString StudyKey(const QString& path);

}  // namespace desk
