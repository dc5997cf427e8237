// The desktop host's main window, "Μελέτες Ενεργητικής Πυροπροστασίας": the
// recent studies with a search field, and the actions on the selected study,
// each done by the library through its exports (the window is the host
// window of every Flox03A call, so the library's dialogs belong to it).
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <functional>
#include <memory>
#include <vector>

#include "host/desktop/desktop_dialogs.h"
#include "host/desktop/study_settings.h"
#include "host/library.h"

class QAction;
class QLabel;
class QLineEdit;
class QMimeData;
class QTreeWidget;

namespace desk {

class TStudiesWindow : public QMainWindow {
  Q_OBJECT
 public:
  TStudiesWindow(const host::TLibrary& lib, std::unique_ptr<TStudySettings> settings, QWidget* parent = nullptr);
  ~TStudiesWindow() override;

  // What the window asks the user. The defaults open the Greek dialogs;
  // tests put answers of their own here.
  // The type of a study opened for the first time (0: cancel).
  std::function<int(const QString& path, int suggested)> confirmType;
  // Fields cut on paper before an output: true to go on.
  std::function<bool(const QString& path, const std::vector<TCutField>& cut)> goOnDespiteCuts;
  std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)> message;

  // The operations behind the actions; each reports its failure in a message
  // box and returns false.
  bool CreateStudy(const QString& path, int type);
  // Adds an existing study file to the list and selects it; its type comes
  // from the settings or, the first time, from the user (suggested from the
  // study's content).
  bool OpenStudy(const QString& path);
  bool EditStudy(const QString& path);
  bool PreviewStudy(const QString& path);
  bool PrintStudy(const QString& path);
  bool ExportPdf(const QString& path, const QString& pdfFile);
  bool ExportJson(const QString& path, const QString& jsonFile);
  bool ImportJson(const QString& path, const QString& jsonFile);
  // The fields of the study cut on paper; false when the check failed.
  bool CheckFit(const QString& path, std::vector<TCutField>* cut);
  // Takes the study off the list (the file stays on disk) and offers to
  // undo it: the undo bar and Ctrl+Z.
  bool RemoveFromList(const QString& path);
  // Puts the last study taken off the list back in its place; false when
  // there is nothing to undo.
  bool UndoRemove();
  QWidget* UndoBar() const { return undoBar_; }
  // The study files among dropped data: each is opened as by OpenStudy;
  // other files are passed over. False when there was none.
  bool OpenDropped(const QMimeData& data);

  int StudyType(const QString& path) const { return settings_->TypeOf(path); }
  // The study types the library serves.
  const TStudyTypes& Types() const { return types_; }
  // The type the study's content suggests (0 when it cannot be read).
  int SuggestedType(const QString& path);

  QString SelectedStudy() const;
  void SelectStudy(const QString& path);
  // The studies the list shows now (after the search), top to bottom.
  QStringList ShownStudies() const;
  QTreeWidget* List() const { return list_; }
  QLineEdit* SearchField() const { return search_; }
  void Refresh();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildActions();
  void ApplySearch();
  void UpdateActions();
  std::uintptr_t HostWindow();
  bool CallLibrary(const QString& path, std::uint32_t action);
  // The check before an output: true when nothing is cut or the user goes on.
  bool FitsOrGoOn(const QString& path);
  bool Failed(const QString& what, int status);
  bool NameFitsLibrary(const QString& key, const QString& title);
  QString Folder() const;

  void NewStudyAsked();
  void OpenAsked();
  void ExportPdfAsked();
  void ExportJsonAsked();
  void ImportJsonAsked();
  void CheckFitAsked();
  void ChangeTypeAsked();

  const host::TLibrary lib_;
  const TStudyTypes types_;
  std::unique_ptr<TStudySettings> settings_;
  QLineEdit* search_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QLabel* emptyHint_ = nullptr;
  QWidget* undoBar_ = nullptr;
  QLabel* undoText_ = nullptr;
  QAction* undoAction_ = nullptr;
  QString removed_;     // the study last taken off the list, until undone
  int removedPlace_ = -1;
  std::vector<QAction*> studyActions_;  // enabled only with a selected study
};

}  // namespace desk
