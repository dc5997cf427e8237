// What the desktop window remembers in the user's settings: the recent
// studies, most recent first, and the study type of every file the user has
// confirmed (kept also after the file leaves the list). Both lists are
// bounded, and so is the file that is read: whatever the settings file
// holds, the window shows at once.
#pragma once

#include <QSettings>
#include <QStringList>
#include <QVariantMap>
#include <memory>

namespace desk {

class TStudySettings {
 public:
  // The user's settings file of the program (~/.config/flox03/flox03.conf).
  TStudySettings();
  // The settings in this file (tests).
  explicit TStudySettings(const QString& file);

  QStringList Recent() const { return recent_; }
  // Puts the file at the top of the recent studies.
  void Touch(const QString& path);
  // Takes the file off the recent studies (its type stays known); its place
  // in the list, or -1 when it was not listed.
  int Remove(const QString& path);
  // Puts the file back at that place in the recent studies.
  void Restore(const QString& path, int place);

  // 0 when the type of the file was never confirmed.
  int TypeOf(const QString& path) const;
  void SetType(const QString& path, int type);

  void Sync();

  // Why the settings file was not read, in Greek, or empty. The settings
  // then live for this session only: a file that is no regular file (a pipe
  // would hang the program) or far larger than any the program writes is
  // neither read nor replaced.
  const QString& Problem() const { return problem_; }

  static constexpr int kMaxRecent = 100;
  static constexpr int kMaxTypes = 1000;
  static constexpr qint64 kMaxFileBytes = 64 << 20;

 private:
  std::unique_ptr<QSettings> settings_;  // null: this session only
  QStringList recent_;
  QVariantMap types_;
  QString problem_;
};

// The form in which a study's path is kept: absolute and clean.
QString StudyKey(const QString& path);

}  // namespace desk
