#include "host/desktop/studies_window.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "host/desktop/study_types.h"

namespace desk {
namespace {

constexpr int kPathRole = Qt::UserRole;

enum TColumn { colName, colType, colFolder, colChanged, colCount };

// Lower case without accents, so that "μελετη" finds "Μελέτη".
QString Folded(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_D);
  QString out;
  out.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (c.category() != QChar::Mark_NonSpacing) out.append(c);
  }
  return out.toCaseFolded();
}

QString HomeShortened(const QString& folder) {
  const QString home = QDir::homePath();
  if (folder == home) return QStringLiteral("~");
  if (folder.startsWith(home + QLatin1Char('/'))) return QStringLiteral("~") + folder.mid(home.size());
  return folder;
}

bool IsStudyFile(const QString& path) { return path.endsWith(QStringLiteral(".flx"), Qt::CaseInsensitive); }

}  // namespace

TStudiesWindow::TStudiesWindow(const host::TLibrary& lib, std::unique_ptr<TStudySettings> settings, QWidget* parent)
    : QMainWindow(parent),
      lib_(lib),
      types_(QByteArray::fromStdString(host::TakeText(lib_, lib_.studyTypes()))),
      settings_(std::move(settings)) {
  setWindowTitle(QStringLiteral("Μελέτες Ενεργητικής Πυροπροστασίας"));
  setAcceptDrops(true);

  confirmType = [this](const QString& path, int suggested) { return ConfirmStudyType(this, types_, path, suggested); };
  goOnDespiteCuts = [this](const QString& path, const std::vector<TCutField>& cut) {
    TFitDialog dialog(this, QFileInfo(path).completeBaseName(), cut, true);
    return dialog.exec() == QDialog::Accepted;
  };
  message = [this](QMessageBox::Icon icon, const QString& title, const QString& text) {
    ShowMessage(this, icon, title, text);
  };

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  auto* searchRow = new QHBoxLayout;
  auto* searchLabel = new QLabel(QStringLiteral("Α&ναζήτηση:"));
  search_ = new QLineEdit;
  search_->setPlaceholderText(QStringLiteral("όνομα, τύπος μελέτης ή φάκελος (Ctrl+F)"));
  search_->setClearButtonEnabled(true);
  searchLabel->setBuddy(search_);
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(search_, 1);
  layout->addLayout(searchRow);

  list_ = new QTreeWidget;
  list_->setColumnCount(colCount);
  list_->setHeaderLabels({QStringLiteral("Όνομα"), QStringLiteral("Τύπος μελέτης"), QStringLiteral("Φάκελος"),
                          QStringLiteral("Τελευταία αλλαγή")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAlternatingRowColors(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(colName, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(colType, QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(colFolder, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(colChanged, QHeaderView::ResizeToContents);
  layout->addWidget(list_, 1);

  // Shown after a study leaves the list, until it is undone or closed.
  auto* bar = new QFrame;
  bar->setObjectName(QStringLiteral("UndoBar"));
  bar->setFrameShape(QFrame::StyledPanel);
  bar->setAutoFillBackground(true);
  bar->setBackgroundRole(QPalette::ToolTipBase);
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(8, 4, 4, 4);
  undoText_ = new QLabel;
  undoText_->setWordWrap(true);
  undoText_->setForegroundRole(QPalette::ToolTipText);
  barLayout->addWidget(undoText_, 1);
  auto* undo = new QPushButton(QStringLiteral("Αναίρεση"));
  undo->setToolTip(QStringLiteral("Η μελέτη ξαναμπαίνει στη λίστα (Ctrl+Z)"));
  undo->setAutoDefault(false);
  barLayout->addWidget(undo);
  auto* close = new QToolButton;
  close->setText(QStringLiteral("✕"));
  close->setAutoRaise(true);
  close->setToolTip(QStringLiteral("Κλείσιμο"));
  close->setAccessibleName(QStringLiteral("Κλείσιμο"));
  barLayout->addWidget(close);
  connect(undo, &QPushButton::clicked, this, &TStudiesWindow::UndoRemove);
  connect(close, &QToolButton::clicked, bar, &QWidget::hide);
  bar->hide();
  undoBar_ = bar;
  layout->addWidget(bar);

  emptyHint_ = new QLabel(QStringLiteral(
      "Η λίστα δεν έχει μελέτες. Δημιουργήστε μία με «Νέα μελέτη…» (Ctrl+N) ή ανοίξτε ένα αρχείο .flx με "
      "«Άνοιγμα…» (Ctrl+O) ή σύροντάς το εδώ."));
  emptyHint_->setWordWrap(true);
  layout->addWidget(emptyHint_);
  setCentralWidget(central);

  BuildActions();
  connect(search_, &QLineEdit::textChanged, this, &TStudiesWindow::ApplySearch);
  connect(list_, &QTreeWidget::activated, this, [this] {
    const QString path = SelectedStudy();
    if (!path.isEmpty()) EditStudy(path);
  });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &TStudiesWindow::UpdateActions);
  search_->installEventFilter(this);

  resize(980, 560);
  Refresh();
  if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
  list_->setFocus();
  if (!settings_->Problem().isEmpty()) {
    // Said once the window is up, so that the user sees what it concerns.
    QTimer::singleShot(0, this, [this] {
      message(QMessageBox::Warning, QStringLiteral("Ρυθμίσεις"), settings_->Problem());
    });
  }
}

TStudiesWindow::~TStudiesWindow() { settings_->Sync(); }

void TStudiesWindow::BuildActions() {
  auto make = [this](const QString& text, const QKeySequence& key, auto slot, bool forStudy) {
    auto* action = new QAction(text, this);
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    if (forStudy) studyActions_.push_back(action);
    return action;
  };
  auto onSelected = [this](bool (TStudiesWindow::*op)(const QString&)) {
    return [this, op] {
      const QString path = SelectedStudy();
      if (!path.isEmpty()) (this->*op)(path);
    };
  };

  QAction* newStudy = make(QStringLiteral("&Νέα μελέτη…"), QKeySequence::New, &TStudiesWindow::NewStudyAsked, false);
  QAction* open = make(QStringLiteral("Ά&νοιγμα…"), QKeySequence::Open, &TStudiesWindow::OpenAsked, false);
  QAction* quit = make(QStringLiteral("Έ&ξοδος"), QKeySequence(Qt::CTRL | Qt::Key_Q), &QWidget::close, false);
  QAction* edit = make(QStringLiteral("&Επεξεργασία"), QKeySequence(Qt::CTRL | Qt::Key_E),
                       onSelected(&TStudiesWindow::EditStudy), true);
  QAction* preview = make(QStringLiteral("&Προεπισκόπηση"), QKeySequence(Qt::CTRL | Qt::Key_R),
                          onSelected(&TStudiesWindow::PreviewStudy), true);
  QAction* print = make(QStringLiteral("Εκ&τύπωση"), QKeySequence::Print, onSelected(&TStudiesWindow::PrintStudy), true);
  QAction* pdf = make(QStringLiteral("Εξαγωγή σε &PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
                      &TStudiesWindow::ExportPdfAsked, true);
  QAction* jsonOut = make(QStringLiteral("Εξαγωγή σε &JSON…"), QKeySequence(Qt::CTRL | Qt::Key_J),
                          &TStudiesWindow::ExportJsonAsked, true);
  QAction* jsonIn = make(QStringLiteral("Ε&ισαγωγή από JSON…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J),
                         &TStudiesWindow::ImportJsonAsked, true);
  QAction* check = make(QStringLiteral("Έλεγχος &κειμένων που δεν χωρούν…"), QKeySequence(Qt::CTRL | Qt::Key_K),
                        &TStudiesWindow::CheckFitAsked, true);
  QAction* type = make(QStringLiteral("&Τύπος μελέτης…"), QKeySequence(Qt::CTRL | Qt::Key_T),
                       &TStudiesWindow::ChangeTypeAsked, true);
  QAction* remove = make(QStringLiteral("&Αφαίρεση από τη λίστα"), QKeySequence::Delete,
                         onSelected(&TStudiesWindow::RemoveFromList), true);
  // Delete and Enter belong to the list; in the search field they edit text.
  remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  list_->addAction(remove);
  // Ctrl+Z anywhere but in the search field, which undoes its own typing.
  undoAction_ = make(QStringLiteral("Αναί&ρεση αφαίρεσης"), QKeySequence::Undo, &TStudiesWindow::UndoRemove, false);
  undoAction_->setEnabled(false);
  addAction(undoAction_);
  QAction* find = new QAction(this);
  find->setShortcut(QKeySequence::Find);
  connect(find, &QAction::triggered, this, [this] {
    search_->setFocus();
    search_->selectAll();
  });
  addAction(find);

  QMenu* file = menuBar()->addMenu(QStringLiteral("&Αρχείο"));
  file->addAction(newStudy);
  file->addAction(open);
  file->addSeparator();
  file->addAction(quit);
  QMenu* study = menuBar()->addMenu(QStringLiteral("&Μελέτη"));
  for (QAction* a : {edit, preview, print}) study->addAction(a);
  study->addSeparator();
  for (QAction* a : {pdf, jsonOut, jsonIn}) study->addAction(a);
  study->addSeparator();
  for (QAction* a : {check, type, remove, undoAction_}) study->addAction(a);

  QToolBar* bar = addToolBar(QStringLiteral("Ενέργειες"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (QAction* a : {newStudy, open}) bar->addAction(a);
  bar->addSeparator();
  for (QAction* a : {edit, preview, print, pdf}) bar->addAction(a);
  bar->addSeparator();
  bar->addAction(check);
  for (QAction* a : studyActions_) a->setStatusTip(a->text().remove(QLatin1Char('&')).remove(QStringLiteral("…")));
  statusBar();
}

// --- the list -----------------------------------------------------------

void TStudiesWindow::Refresh() {
  const QString selected = SelectedStudy();
  list_->clear();
  for (const QString& path : settings_->Recent()) {
    const QFileInfo info(path);
    auto* item = new QTreeWidgetItem(list_);
    item->setData(colName, kPathRole, path);
    item->setText(colName, info.completeBaseName());
    item->setToolTip(colName, path);
    item->setText(colType, types_.Name(settings_->TypeOf(path)));
    item->setText(colFolder, HomeShortened(info.absolutePath()));
    item->setToolTip(colFolder, info.absolutePath());
    if (info.exists()) {
      item->setText(colChanged, QLocale(QLocale::Greek).toString(info.lastModified(), QStringLiteral("dd/MM/yyyy HH:mm")));
    } else {
      item->setText(colChanged, QStringLiteral("δεν βρέθηκε"));
      for (int c = 0; c < colCount; ++c) item->setForeground(c, palette().brush(QPalette::Disabled, QPalette::Text));
    }
  }
  ApplySearch();
  if (!selected.isEmpty()) SelectStudy(selected);
  UpdateActions();
}

void TStudiesWindow::ApplySearch() {
  const QStringList words = Folded(search_->text()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    QString haystack = item->data(colName, kPathRole).toString();
    for (int c = 0; c < colCount; ++c) haystack += QLatin1Char(' ') + item->text(c);
    haystack = Folded(haystack);
    bool shown = true;
    for (const QString& w : words) shown = shown && haystack.contains(w);
    item->setHidden(!shown);
  }
  QTreeWidgetItem* current = list_->currentItem();
  if (current == nullptr || current->isHidden()) {
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
      if (!list_->topLevelItem(i)->isHidden()) {
        list_->setCurrentItem(list_->topLevelItem(i));
        break;
      }
    }
  }
  emptyHint_->setVisible(list_->topLevelItemCount() == 0);
  UpdateActions();
}

void TStudiesWindow::UpdateActions() {
  QTreeWidgetItem* item = list_->currentItem();
  const bool selected = item != nullptr && !item->isHidden() && item->isSelected();
  for (QAction* a : studyActions_) a->setEnabled(selected);
  statusBar()->showMessage(selected ? item->data(colName, kPathRole).toString() : QString());
}

QString TStudiesWindow::SelectedStudy() const {
  QTreeWidgetItem* item = list_->currentItem();
  if (item == nullptr || item->isHidden() || !item->isSelected()) return {};
  return item->data(colName, kPathRole).toString();
}

void TStudiesWindow::SelectStudy(const QString& path) {
  const QString key = StudyKey(path);
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->data(colName, kPathRole).toString() == key) {
      if (item->isHidden()) {
        search_->clear();
      }
      list_->setCurrentItem(item);
      item->setSelected(true);
      list_->scrollToItem(item);
      return;
    }
  }
}

QStringList TStudiesWindow::ShownStudies() const {
  QStringList shown;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    if (!list_->topLevelItem(i)->isHidden()) shown << list_->topLevelItem(i)->data(colName, kPathRole).toString();
  }
  return shown;
}

bool TStudiesWindow::RemoveFromList(const QString& path) {
  const QString key = StudyKey(path);
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  const int place = settings_->Remove(key);
  if (place < 0) return false;
  settings_->Sync();
  Refresh();
  // The next shown study takes the place of the one that left (or, at the
  // end, the one before it).
  auto select = [this](int i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item == nullptr || item->isHidden()) return false;
    list_->setCurrentItem(item);
    item->setSelected(true);
    return true;
  };
  bool selected = false;
  for (int i = std::max(row, 0); !selected && i < list_->topLevelItemCount(); ++i) selected = select(i);
  for (int i = std::min(row, list_->topLevelItemCount()) - 1; !selected && i >= 0; --i) selected = select(i);
  removed_ = key;
  removedPlace_ = place;
  undoText_->setText(QStringLiteral("Η μελέτη «%1» βγήκε από τη λίστα. Το αρχείο της μένει στον δίσκο: %2")
                         .arg(QFileInfo(key).completeBaseName(), key));
  undoBar_->show();
  undoAction_->setEnabled(true);
  return true;
}

bool TStudiesWindow::UndoRemove() {
  if (removed_.isEmpty()) return false;
  if (!settings_->Recent().contains(removed_)) settings_->Restore(removed_, removedPlace_);
  settings_->Sync();
  const QString path = removed_;
  removed_.clear();
  undoBar_->hide();
  undoAction_->setEnabled(false);
  Refresh();
  SelectStudy(path);
  list_->setFocus();
  return true;
}

QString TStudiesWindow::Folder() const {
  const QString selected = SelectedStudy();
  if (!selected.isEmpty()) return QFileInfo(selected).absolutePath();
  const QStringList recent = settings_->Recent();
  if (!recent.isEmpty()) return QFileInfo(recent.first()).absolutePath();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

// --- the library ----------------------------------------------------------

std::uintptr_t TStudiesWindow::HostWindow() { return static_cast<std::uintptr_t>(winId()); }

bool TStudiesWindow::Failed(const QString& what, int status) {
  const char* reason = lib_.lastError();
  message(QMessageBox::Critical, QStringLiteral("Σφάλμα"),
          what + QStringLiteral("\n\n") +
              (reason != nullptr && *reason != '\0' ? QString::fromUtf8(reason)
                                                    : QStringLiteral("κωδικός σφάλματος %1").arg(status)));
  return false;
}

int TStudiesWindow::SuggestedType(const QString& path) {
  char* json = nullptr;
  const QByteArray name = QFile::encodeName(path);
  if (lib_.exportJson(name.constData(), &json) != FLOX_OK) return 0;
  return types_.Suggest(QByteArray::fromStdString(host::TakeText(lib_, json)));
}

// The library takes file names in the system's 8-bit encoding (on Windows
// the ANSI code page): a name it cannot hold would become another name.
bool TStudiesWindow::NameFitsLibrary(const QString& key, const QString& title) {
  if (QFile::decodeName(QFile::encodeName(key)) == key) return true;
  message(QMessageBox::Warning, title,
          QStringLiteral("Το όνομα «%1» έχει χαρακτήρες που δεν γράφονται στην κωδικοσελίδα του συστήματος. "
                         "Μετονομάστε το αρχείο ή τον φάκελό του.")
              .arg(key));
  return false;
}

bool TStudiesWindow::CreateStudy(const QString& path, int type) {
  const QString key = StudyKey(path);
  if (!NameFitsLibrary(key, QStringLiteral("Νέα μελέτη"))) return false;
  if (QFileInfo::exists(key)) {
    message(QMessageBox::Warning, QStringLiteral("Νέα μελέτη"),
            QStringLiteral("Το αρχείο «%1» υπάρχει ήδη. Ανοίξτε το με «Άνοιγμα…» ή διαλέξτε άλλο όνομα.").arg(key));
    return false;
  }
  // A call without an action creates the file with the type's defaults.
  const QByteArray name = QFile::encodeName(key);
  lib_.initDll(HostWindow());
  lib_.flox03A(HostWindow(), name.constData(), nullptr, 0, static_cast<std::uint32_t>(type));
  char* json = nullptr;
  const int status = lib_.exportJson(name.constData(), &json);
  host::TakeText(lib_, json);
  if (status != FLOX_OK) return Failed(QStringLiteral("Η μελέτη «%1» δεν δημιουργήθηκε.").arg(key), status);
  settings_->SetType(key, type);
  settings_->Touch(key);
  settings_->Sync();
  Refresh();
  SelectStudy(key);
  return true;
}

bool TStudiesWindow::OpenStudy(const QString& path) {
  const QString key = StudyKey(path);
  if (!NameFitsLibrary(key, QStringLiteral("Άνοιγμα"))) return false;
  if (!QFileInfo(key).isFile()) {
    message(QMessageBox::Warning, QStringLiteral("Άνοιγμα"), QStringLiteral("Δεν υπάρχει το αρχείο «%1».").arg(key));
    return false;
  }
  if (types_.Name(settings_->TypeOf(key)).isEmpty()) {
    char* json = nullptr;
    const QByteArray name = QFile::encodeName(key);
    const int status = lib_.exportJson(name.constData(), &json);
    if (status != FLOX_OK) {
      return Failed(QStringLiteral("Το αρχείο «%1» δεν είναι μελέτη πυροπροστασίας ή είναι κατεστραμμένο.").arg(key),
                    status);
    }
    const int suggested = types_.Suggest(QByteArray::fromStdString(host::TakeText(lib_, json)));
    const int type = confirmType(key, suggested);
    if (types_.Name(type).isEmpty()) return false;
    settings_->SetType(key, type);
  }
  settings_->Touch(key);
  settings_->Sync();
  Refresh();
  SelectStudy(key);
  return true;
}

bool TStudiesWindow::CallLibrary(const QString& path, std::uint32_t action) {
  const QString key = StudyKey(path);
  const int type = settings_->TypeOf(key);
  if (type == 0 && !OpenStudy(key)) return false;
  const QByteArray name = QFile::encodeName(key);
  lib_.initDll(HostWindow());
  lib_.flox03A(HostWindow(), name.constData(), nullptr, action, static_cast<std::uint32_t>(settings_->TypeOf(key)));
  settings_->Touch(key);
  settings_->Sync();
  Refresh();
  SelectStudy(key);
  return true;
}

bool TStudiesWindow::EditStudy(const QString& path) { return CallLibrary(path, 1); }
bool TStudiesWindow::PreviewStudy(const QString& path) { return CallLibrary(path, 2); }

bool TStudiesWindow::PrintStudy(const QString& path) {
  if (!FitsOrGoOn(path)) return false;
  return CallLibrary(path, 3);
}

bool TStudiesWindow::CheckFit(const QString& path, std::vector<TCutField>* cut) {
  const QString key = StudyKey(path);
  char* json = nullptr;
  const QByteArray name = QFile::encodeName(key);
  const int status = lib_.checkFit(name.constData(), static_cast<std::uint32_t>(settings_->TypeOf(key)), &json);
  if (status != FLOX_OK) return Failed(QStringLiteral("Ο έλεγχος της μελέτης «%1» απέτυχε.").arg(key), status);
  if (!ParseCutFields(QByteArray::fromStdString(host::TakeText(lib_, json)), cut)) {
    message(QMessageBox::Critical, QStringLiteral("Σφάλμα"), QStringLiteral("Ο έλεγχος έδωσε άγνωστη απάντηση."));
    return false;
  }
  return true;
}

bool TStudiesWindow::FitsOrGoOn(const QString& path) {
  if (settings_->TypeOf(path) == 0 && !OpenStudy(path)) return false;
  std::vector<TCutField> cut;
  if (!CheckFit(path, &cut)) return false;
  return cut.empty() || goOnDespiteCuts(StudyKey(path), cut);
}

bool TStudiesWindow::ExportPdf(const QString& path, const QString& pdfFile) {
  const QString key = StudyKey(path);
  const QByteArray name = QFile::encodeName(key);
  const QByteArray pdf = QFile::encodeName(pdfFile);
  const int status = lib_.exportPdf(name.constData(), static_cast<std::uint32_t>(settings_->TypeOf(key)), pdf.constData());
  if (status != FLOX_OK) return Failed(QStringLiteral("Το PDF «%1» δεν γράφτηκε.").arg(pdfFile), status);
  return true;
}

bool TStudiesWindow::ExportJson(const QString& path, const QString& jsonFile) {
  char* json = nullptr;
  const QByteArray name = QFile::encodeName(StudyKey(path));
  const int status = lib_.exportJson(name.constData(), &json);
  if (status != FLOX_OK) return Failed(QStringLiteral("Η μελέτη «%1» δεν εξήχθη.").arg(path), status);
  const std::string text = host::TakeText(lib_, json) + "\n";
  QFile out(jsonFile);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !out.flush()) {
    message(QMessageBox::Critical, QStringLiteral("Σφάλμα"),
            QStringLiteral("Το αρχείο «%1» δεν γράφτηκε: %2").arg(jsonFile, out.errorString()));
    return false;
  }
  return true;
}

bool TStudiesWindow::ImportJson(const QString& path, const QString& jsonFile) {
  auto refuse = [this, &jsonFile](const QString& why) {
    message(QMessageBox::Critical, QStringLiteral("Σφάλμα"), QStringLiteral("Το αρχείο «%1» %2").arg(jsonFile, why));
    return false;
  };
  // Only a regular file, read no further than the library takes: a pipe or
  // a device would never end.
  QFile in(jsonFile);
  if (QFileInfo(jsonFile).exists() && !QFileInfo(jsonFile).isFile()) {
    return refuse(QStringLiteral("δεν είναι κανονικό αρχείο."));
  }
  if (!in.open(QIODevice::ReadOnly)) return refuse(QStringLiteral("δεν διαβάζεται: %1").arg(in.errorString()));
  const QByteArray text = in.read(FLOX_MAX_JSON_BYTES + 1);
  if (text.size() > FLOX_MAX_JSON_BYTES) {
    return refuse(QStringLiteral("είναι μεγαλύτερο από %1 MB, πολύ περισσότερο από κάθε μελέτη.").arg(FLOX_MAX_JSON_BYTES >> 20));
  }
  // The library takes a C string: a NUL would end the text there unseen.
  if (text.contains('\0')) return refuse(QStringLiteral("περιέχει το byte NUL· δεν είναι κείμενο JSON."));
  const QString key = StudyKey(path);
  const QByteArray name = QFile::encodeName(key);
  const int status = lib_.importJson(name.constData(), text.constData(), static_cast<std::uint32_t>(settings_->TypeOf(key)));
  if (status != FLOX_OK) {
    return Failed(QStringLiteral("Τα στοιχεία του «%1» δεν γράφτηκαν στη μελέτη· η μελέτη έμεινε όπως ήταν.").arg(jsonFile),
                  status);
  }
  settings_->Touch(key);
  Refresh();
  SelectStudy(key);
  return true;
}

// --- the actions that ask first ---------------------------------------------

void TStudiesWindow::NewStudyAsked() {
  TNewStudyDialog dialog(this, types_, Folder());
  if (dialog.exec() != QDialog::Accepted) return;
  const QString path = dialog.FileName();
  if (CreateStudy(path, dialog.Type())) EditStudy(path);
}

void TStudiesWindow::OpenAsked() {
  const QString path = ChooseOpenFile(this, QStringLiteral("Άνοιγμα μελέτης"), Folder(), StudyFileFilter());
  if (!path.isEmpty() && OpenStudy(path)) EditStudy(path);
}

void TStudiesWindow::ExportPdfAsked() {
  const QString path = SelectedStudy();
  if (path.isEmpty() || !FitsOrGoOn(path)) return;
  const QFileInfo info(path);
  const QString pdf = ChooseSaveFile(this, QStringLiteral("Εξαγωγή σε PDF"),
                                     info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + ".pdf",
                                     QStringLiteral("Έγγραφα PDF (*.pdf)"), "pdf");
  if (!pdf.isEmpty() && ExportPdf(path, pdf)) {
    statusBar()->showMessage(QStringLiteral("Γράφτηκε το %1").arg(pdf), 10000);
  }
}

void TStudiesWindow::ExportJsonAsked() {
  const QString path = SelectedStudy();
  if (path.isEmpty()) return;
  const QFileInfo info(path);
  const QString json = ChooseSaveFile(this, QStringLiteral("Εξαγωγή σε JSON"),
                                      info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + ".json",
                                      QStringLiteral("Αρχεία JSON (*.json)"), "json");
  if (!json.isEmpty() && ExportJson(path, json)) {
    statusBar()->showMessage(QStringLiteral("Γράφτηκε το %1").arg(json), 10000);
  }
}

void TStudiesWindow::ImportJsonAsked() {
  const QString path = SelectedStudy();
  if (path.isEmpty()) return;
  const QString json = ChooseOpenFile(this, QStringLiteral("Εισαγωγή από JSON"), QFileInfo(path).absolutePath(),
                                      QStringLiteral("Αρχεία JSON (*.json);;Όλα τα αρχεία (*)"));
  if (json.isEmpty()) return;
  if (!AskYesNo(this, QStringLiteral("Εισαγωγή από JSON"),
                QStringLiteral("Τα πεδία του «%1» θα γραφτούν στη μελέτη «%2». Να συνεχιστεί;")
                    .arg(QFileInfo(json).fileName(), QFileInfo(path).completeBaseName()))) {
    return;
  }
  if (ImportJson(path, json)) statusBar()->showMessage(QStringLiteral("Η μελέτη ενημερώθηκε."), 10000);
}

void TStudiesWindow::CheckFitAsked() {
  const QString path = SelectedStudy();
  std::vector<TCutField> cut;
  if (path.isEmpty() || !CheckFit(path, &cut)) return;
  if (cut.empty()) {
    message(QMessageBox::Information, QStringLiteral("Πεδία που δεν χωρούν στο έντυπο"),
            QStringLiteral("Όλα τα πεδία της μελέτης «%1» χωρούν στο έντυπο.").arg(QFileInfo(path).completeBaseName()));
    return;
  }
  TFitDialog dialog(this, QFileInfo(path).completeBaseName(), cut, false);
  dialog.exec();
}

void TStudiesWindow::ChangeTypeAsked() {
  const QString path = SelectedStudy();
  if (path.isEmpty()) return;
  const int current = settings_->TypeOf(path);
  // What each type's pages hold, so that the user sees what a change shows.
  QMap<int, int> filled;
  char* json = nullptr;
  const QByteArray name = QFile::encodeName(path);
  if (lib_.exportJson(name.constData(), &json) == FLOX_OK) {
    filled = types_.FilledFields(QByteArray::fromStdString(host::TakeText(lib_, json)));
  }
  const int type = current != 0 ? ChangeStudyType(this, types_, path, current, filled)
                                : ConfirmStudyType(this, types_, path, SuggestedType(path));
  if (type == 0) return;
  settings_->SetType(path, type);
  settings_->Sync();
  Refresh();
}

// --- keyboard and drops -------------------------------------------------------

bool TStudiesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
      list_->setFocus();
      if (QTreeWidgetItem* item = list_->currentItem()) item->setSelected(true);
      return true;
    }
    if (key == Qt::Key_Escape && !search_->text().isEmpty()) {
      search_->clear();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

namespace {

// Whether the drag brings a study file.
bool HasStudyFile(const QMimeData* data) {
  if (data == nullptr) return false;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile() && IsStudyFile(url.toLocalFile())) return true;
  }
  return false;
}

// A dropped study is taken as a copy or a link, never as a move: a file
// manager that honours a move would delete the engineer's file. The proposed
// action stands when it is one of those; otherwise copy, or link, whichever
// the source allows; a source that allows only a move is refused.
bool AcceptAsCopyOrLink(QDropEvent* event) {
  const Qt::DropAction proposed = event->proposedAction();
  if (proposed == Qt::CopyAction || proposed == Qt::LinkAction) {
    event->acceptProposedAction();
    return true;
  }
  for (const Qt::DropAction action : {Qt::CopyAction, Qt::LinkAction}) {
    if (event->possibleActions() & action) {
      event->setDropAction(action);
      event->accept();
      return true;
    }
  }
  event->ignore();
  return false;
}

}  // namespace

void TStudiesWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (HasStudyFile(event->mimeData())) AcceptAsCopyOrLink(event);
}

void TStudiesWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (HasStudyFile(event->mimeData())) AcceptAsCopyOrLink(event);
}

void TStudiesWindow::dropEvent(QDropEvent* event) {
  if (!HasStudyFile(event->mimeData()) || !AcceptAsCopyOrLink(event)) return;
  // The drop ends first; then the studies open, so that a question they ask
  // does not keep the source waiting.
  QTimer::singleShot(0, this, [this, urls = event->mimeData()->urls()] {
    QMimeData data;
    data.setUrls(urls);
    OpenDropped(data);
  });
}

bool TStudiesWindow::OpenDropped(const QMimeData& data) {
  QStringList files;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile() && IsStudyFile(url.toLocalFile())) files << url.toLocalFile();
  }
  for (const QString& f : files) OpenStudy(f);
  return !files.isEmpty();
}

}  // namespace desk
