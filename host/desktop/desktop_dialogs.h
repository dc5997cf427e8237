// The small windows of the desktop host, all in Greek with their buttons
// named explicitly: message boxes, file choosers, the new-study dialog, the
// confirmation of a study's type and the list of fields cut on paper.
#pragma once

#include <QDialog>
#include <QMap>
#include <QMessageBox>
#include <QString>
#include <vector>

#include "host/desktop/study_types.h"

class QButtonGroup;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace desk {

// A message box with one button, "Εντάξει".
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);
// "Ναι" / "Όχι"; true for "Ναι".
bool AskYesNo(QWidget* parent, const QString& title, const QString& text);

// File choosers of Qt's own kind, with Greek captions. "" when cancelled.
// The save chooser adds the suffix when the name has none and asks before
// an existing file is replaced.
QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter);
QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filter,
                       const QString& suffix, bool askBeforeReplacing = true);

// The file filter of study files.
QString StudyFileFilter();

// A group of radio buttons, one per study type in words, numbered in the
// library's order: with the focus in the group the plain digit chooses
// (Alt+digit from anywhere in the dialog). The group's focus is the chosen
// button's.
class TStudyTypeChooser : public QWidget {
  Q_OBJECT
 public:
  explicit TStudyTypeChooser(const TStudyTypes& types, QWidget* parent = nullptr);
  int Type() const;
  void SetType(int type);

 Q_SIGNALS:
  void TypeChosen(int type);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QButtonGroup* group_;
  QList<int> order_;  // the types, by their digit
};

// "Νέα μελέτη": the study type and the file to save it in.
class TNewStudyDialog : public QDialog {
  Q_OBJECT
 public:
  TNewStudyDialog(QWidget* parent, const TStudyTypes& types, const QString& folder);
  int Type() const { return types_->Type(); }
  QString FileName() const;

 private:
  void Browse();
  void Update();
  TStudyTypeChooser* types_;
  QLineEdit* file_;
  QPushButton* ok_;
  QString folder_;
};

// Asks the user to confirm (or change) the type of a study opened for the
// first time, the suggested type chosen. 0 when cancelled.
int ConfirmStudyType(QWidget* parent, const TStudyTypes& types, const QString& fileName, int suggested);

// What choosing `chosen` for a study now of type `current` means, in words:
// which tabs the study then shows (the library's list) and that nothing is
// deleted from the file. `filled` counts the filled fields by type (from
// TStudyTypes::FilledFields; empty when unknown).
QString TypeChangeText(const TStudyTypes& types, int current, int chosen, const QMap<int, int>& filled);

// "Τύπος μελέτης…" for a study already in the list: the type it has, and
// for the one chosen what the change means. The new type, or 0 when
// cancelled or unchanged.
int ChangeStudyType(QWidget* parent, const TStudyTypes& types, const QString& fileName, int current,
                    const QMap<int, int>& filled);

// One field whose text is cut on paper, as the library's fit check lists it.
struct TCutField {
  int page = 0;
  QString caption;
  QString field;
  QString tab;
  QString text;
  int lines = 0;
  int linesShown = 0;
  int characters = 0;
  int charactersShown = 0;
};
// false when the text is not the fit check's JSON.
bool ParseCutFields(const QByteArray& json, std::vector<TCutField>* out);
// "2 από 3 γραμμές, 85 χαρακτήρες"-like words for what is lost.
QString LostInWords(const TCutField& field);

// "Πεδία που δεν χωρούν στο έντυπο". Before an output: "Συνέχεια" (accepted)
// or "Επιστροφή" (rejected); otherwise only "Κλείσιμο".
class TFitDialog : public QDialog {
  Q_OBJECT
 public:
  TFitDialog(QWidget* parent, const QString& studyName, const std::vector<TCutField>& fields, bool beforeOutput);
};

}  // namespace desk
