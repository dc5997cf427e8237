#include "host/desktop/desktop_dialogs.h"

#include <algorithm>

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "host/desktop/study_types.h"

namespace desk {

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
  box.addButton(QStringLiteral("Εντάξει"), QMessageBox::AcceptRole);
  box.exec();
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
  QPushButton* yes = box.addButton(QStringLiteral("&Ναι"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("Ό&χι"), QMessageBox::NoRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

namespace {

void GreekLabels(QFileDialog& dialog, const QString& accept) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Φάκελος:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Τύπος αρχείων:"));
  dialog.setLabelText(QFileDialog::Accept, accept);
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
  // The details view and the "Computer" place would show Qt's English
  // headings: a plain list and the user's own places instead.
  dialog.setViewMode(QFileDialog::List);
  QList<QUrl> places{QUrl::fromLocalFile(QDir::homePath())};
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (QDir(documents).exists() && documents != QDir::homePath()) places << QUrl::fromLocalFile(documents);
  dialog.setSidebarUrls(places);
  // The dialog names its cancel button again when it shows: rename it after.
  QTimer::singleShot(0, &dialog, [&dialog] {
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
      if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel)) cancel->setText(QStringLiteral("Άκυρο"));
    }
  });
}

}  // namespace

QString StudyFileFilter() { return QStringLiteral("Μελέτες πυροπροστασίας (*.flx *.FLX);;Όλα τα αρχεία (*)"); }

QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
  QFileDialog dialog(parent, title, folder, filter);
  GreekLabels(dialog, QStringLiteral("Άνοιγμα"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Any name is taken: a missing file is then refused in Greek by the
  // caller, not by the dialog's own English warning.
  dialog.setFileMode(QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filter,
                       const QString& suffix, bool askBeforeReplacing) {
  QFileDialog dialog(parent, title, QString(), filter);
  GreekLabels(dialog, QStringLiteral("Αποθήκευση"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);  // asked below, in Greek
  dialog.setDefaultSuffix(suffix);
  dialog.selectFile(suggested);
  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().first();
    if (!askBeforeReplacing || !QFileInfo::exists(chosen) ||
        AskYesNo(parent, title,
                 QStringLiteral("Το αρχείο «%1» υπάρχει ήδη. Να αντικατασταθεί;").arg(QFileInfo(chosen).fileName()))) {
      return chosen;
    }
  }
}

TStudyTypeChooser::TStudyTypeChooser(const TStudyTypes& types, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  for (const TStudyType& t : types.All()) {
    order_ << t.type;
    // "&1  ...": the digit is shown, and chooses with Alt from anywhere.
    const QString digit = order_.size() <= 9 ? QStringLiteral("&%1  ").arg(order_.size()) : QString();
    auto* button = new QRadioButton(digit + t.name, this);
    group_->addButton(button, t.type);
    layout->addWidget(button);
  }
  connect(group_, &QButtonGroup::idToggled, this, [this](int type, bool checked) {
    if (!checked) return;
    setFocusProxy(group_->button(type));
    emit TypeChosen(type);
  });
  if (!order_.isEmpty()) group_->button(order_.front())->setChecked(true);
}

int TStudyTypeChooser::Type() const { return group_->checkedId() > 0 ? group_->checkedId() : 0; }

void TStudyTypeChooser::SetType(int type) {
  if (auto* button = group_->button(type)) {
    const bool hadFocus = hasFocus();
    button->setChecked(true);
    if (hadFocus) button->setFocus();
  }
}

void TStudyTypeChooser::keyPressEvent(QKeyEvent* event) {
  const int index = event->key() - Qt::Key_1;
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    if (index >= 0 && index < std::min<int>(9, static_cast<int>(order_.size()))) {
      SetType(order_[index]);
      group_->button(order_[index])->setFocus();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

TNewStudyDialog::TNewStudyDialog(QWidget* parent, const TStudyTypes& types, const QString& folder)
    : QDialog(parent), types_(new TStudyTypeChooser(types)), file_(new QLineEdit), folder_(folder) {
  setWindowTitle(QStringLiteral("Νέα μελέτη"));
  auto* layout = new QVBoxLayout(this);
  auto* typeBox = new QGroupBox(QStringLiteral("Τύπος μελέτης"));
  auto* typeLayout = new QVBoxLayout(typeBox);
  typeLayout->addWidget(types_);
  layout->addWidget(typeBox);

  auto* fileLabel = new QLabel(QStringLiteral("Αποθήκευση &σε:"));
  fileLabel->setBuddy(file_);
  layout->addWidget(fileLabel);
  auto* fileRow = new QHBoxLayout;
  file_->setPlaceholderText(QStringLiteral("το αρχείο της μελέτης (.flx)"));
  file_->setMinimumWidth(420);
  fileRow->addWidget(file_, 1);
  auto* browse = new QPushButton(QStringLiteral("&Επιλογή…"));
  browse->setAutoDefault(false);
  fileRow->addWidget(browse);
  // A free name in the folder, so that Enter alone creates the study.
  QString suggested = folder_ + QStringLiteral("/νέα μελέτη.flx");
  for (int n = 2; QFileInfo::exists(suggested); ++n) suggested = folder_ + QStringLiteral("/νέα μελέτη %1.flx").arg(n);
  file_->setText(suggested);
  layout->addLayout(fileRow);

  auto* buttons = new QDialogButtonBox;
  ok_ = buttons->addButton(QStringLiteral("&Δημιουργία"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Άκυρο"), QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  layout->addWidget(buttons);
  types_->setFocus();  // the chosen type's button: the digits choose at once

  connect(browse, &QPushButton::clicked, this, &TNewStudyDialog::Browse);
  connect(file_, &QLineEdit::textChanged, this, &TNewStudyDialog::Update);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Update();
}

QString TNewStudyDialog::FileName() const {
  QString name = file_->text().trimmed();
  if (name.isEmpty()) return name;
  if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".flx");
  if (QFileInfo(name).isRelative() && !folder_.isEmpty()) name = folder_ + QLatin1Char('/') + name;
  return name;
}

void TNewStudyDialog::Browse() {
  const QString suggested = file_->text().trimmed().isEmpty() ? folder_ + QStringLiteral("/νέα μελέτη.flx") : FileName();
  const QString chosen =
      ChooseSaveFile(this, QStringLiteral("Αποθήκευση της νέας μελέτης"), suggested, StudyFileFilter(), "flx", false);
  if (!chosen.isEmpty()) file_->setText(chosen);
}

void TNewStudyDialog::Update() { ok_->setEnabled(!file_->text().trimmed().isEmpty()); }

int ConfirmStudyType(QWidget* parent, const TStudyTypes& types, const QString& fileName, int suggested) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Τύπος μελέτης"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = new QLabel(QStringLiteral("Η μελέτη «%1» ανοίγει για πρώτη φορά.\nΑπό το περιεχόμενό της προτείνεται "
                                         "ο τύπος «%2». Επιβεβαιώστε ή διαλέξτε άλλον:")
                              .arg(QFileInfo(fileName).fileName(), types.Name(suggested)));
  text->setWordWrap(true);
  text->setMinimumWidth(440);
  layout->addWidget(text);
  auto* chooser = new TStudyTypeChooser(types);
  chooser->SetType(suggested);
  layout->addWidget(chooser);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(QStringLiteral("Εντάξει"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Άκυρο"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  chooser->setFocus();
  return dialog.exec() == QDialog::Accepted ? chooser->Type() : 0;
}

namespace {

// The captions in order, a run of equal ones once with its count:
// "Επιχείρηση, Πυροσβεστήρες (2 καρτέλες), ...".
QString TabList(const QStringList& tabs) {
  QStringList out;
  for (int i = 0; i < tabs.size();) {
    int n = 1;
    while (i + n < tabs.size() && tabs[i + n] == tabs[i]) ++n;
    out << (n == 1 ? tabs[i] : QStringLiteral("%1 (%2 καρτέλες)").arg(tabs[i]).arg(n));
    i += n;
  }
  return out.join(QStringLiteral(", "));
}

QString FilledInWords(int n) {
  return n == 1 ? QStringLiteral("1 συμπληρωμένο πεδίο") : QStringLiteral("%1 συμπληρωμένα πεδία").arg(n);
}

const TStudyType* TypeOf(const TStudyTypes& types, int type) {
  for (const TStudyType& t : types.All()) {
    if (t.type == type) return &t;
  }
  return nullptr;
}

}  // namespace

QString TypeChangeText(const TStudyTypes& types, int current, int chosen, const QMap<int, int>& filled) {
  const TStudyType* from = TypeOf(types, current);
  const TStudyType* to = TypeOf(types, chosen);
  if (to == nullptr) return {};
  if (from == nullptr) {
    return QStringLiteral("Με τον τύπο «%1» η μελέτη δείχνει τις καρτέλες: %2.").arg(to->name, TabList(to->tabs));
  }
  if (chosen == current) return QStringLiteral("Ο τύπος μένει ο ίδιος.");
  if (to->recordSlots == from->recordSlots) {
    return QStringLiteral("Με τον τύπο «%1» η μελέτη δείχνει τις ίδιες καρτέλες με τα ίδια στοιχεία (%2)· "
                          "αλλάζει μόνο ό,τι ορίζει ο τύπος στο έντυπο. Τίποτα δεν σβήνεται από το αρχείο.")
        .arg(to->name, TabList(to->tabs));
  }
  QString text = QStringLiteral("Με τον τύπο «%1» η μελέτη δείχνει τις καρτέλες: %2").arg(to->name, TabList(to->tabs));
  if (filled.contains(chosen)) {
    text += filled.value(chosen) == 0 ? QStringLiteral(", που είναι ακόμη κενές.")
                                      : QStringLiteral(", με %1.").arg(FilledInWords(filled.value(chosen)));
  } else {
    text += QLatin1Char('.');
  }
  text += QStringLiteral("\n\nΤίποτα δεν σβήνεται από το αρχείο: τα στοιχεία των καρτελών του τύπου «%1»")
              .arg(from->name);
  if (filled.value(current) > 0) text += QStringLiteral(" (%1)").arg(FilledInWords(filled.value(current)));
  text += QStringLiteral(" μένουν στο αρχείο. Δεν φαίνονται όσο η μελέτη έχει άλλον τύπο και ξαναφαίνονται "
                         "αν επιστρέψετε στον τύπο «%1».")
              .arg(from->name);
  return text;
}

int ChangeStudyType(QWidget* parent, const TStudyTypes& types, const QString& fileName, int current,
                    const QMap<int, int>& filled) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Τύπος μελέτης"));
  auto* layout = new QVBoxLayout(&dialog);
  const QString name = QFileInfo(fileName).completeBaseName();
  auto* text = new QLabel(types.Name(current).isEmpty()
                              ? QStringLiteral("Διαλέξτε τον τύπο της μελέτης «%1»:").arg(name)
                              : QStringLiteral("Η μελέτη «%1» είναι τύπου «%2». Διαλέξτε τον τύπο με τον οποίο "
                                               "θα ανοίγει:")
                                    .arg(name, types.Name(current)));
  text->setWordWrap(true);
  text->setMinimumWidth(520);
  layout->addWidget(text);
  auto* chooser = new TStudyTypeChooser(types);
  layout->addWidget(chooser);
  auto* meaning = new QLabel;
  meaning->setObjectName(QStringLiteral("TypeChangeText"));
  meaning->setWordWrap(true);
  meaning->setTextFormat(Qt::PlainText);
  meaning->setFrameShape(QFrame::StyledPanel);
  meaning->setMargin(8);
  meaning->setMinimumWidth(520);
  // Room for the longest of the texts, so that none is cut and the dialog
  // keeps its size while the user chooses.
  int height = 0;
  for (const TStudyType& t : types.All()) {
    meaning->setText(TypeChangeText(types, current, t.type, filled));
    height = std::max(height, meaning->heightForWidth(meaning->minimumWidth()));
  }
  meaning->setMinimumHeight(height);
  layout->addWidget(meaning);
  auto* buttons = new QDialogButtonBox;
  QPushButton* change = buttons->addButton(QStringLiteral("&Αλλαγή τύπου"), QDialogButtonBox::AcceptRole);
  change->setDefault(true);
  buttons->addButton(QStringLiteral("Άκυρο"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  auto update = [&](int chosen) {
    meaning->setText(TypeChangeText(types, current, chosen, filled));
    change->setEnabled(chosen != current);
  };
  QObject::connect(chooser, &TStudyTypeChooser::TypeChosen, &dialog, update);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  chooser->SetType(current);
  update(chooser->Type());
  chooser->setFocus();
  if (dialog.exec() != QDialog::Accepted || chooser->Type() == current) return 0;
  return chooser->Type();
}

bool ParseCutFields(const QByteArray& json, std::vector<TCutField>* out) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError || !doc.isArray()) return false;
  out->clear();
  for (const QJsonValue& value : doc.array()) {
    const QJsonObject o = value.toObject();
    TCutField f;
    f.page = o.value(QLatin1String("page")).toInt();
    f.caption = o.value(QLatin1String("caption")).toString();
    f.field = o.value(QLatin1String("field")).toString();
    f.tab = o.value(QLatin1String("tab")).toString();
    f.text = o.value(QLatin1String("text")).toString();
    f.lines = o.value(QLatin1String("lines")).toInt();
    f.linesShown = o.value(QLatin1String("linesShown")).toInt();
    f.characters = o.value(QLatin1String("characters")).toInt();
    f.charactersShown = o.value(QLatin1String("charactersShown")).toInt();
    out->push_back(f);
  }
  return true;
}

QString LostInWords(const TCutField& f) {
  const int lost = f.characters - f.charactersShown;
  QString words = lost == 1 ? QStringLiteral("1 χαρακτήρας από %1").arg(f.characters)
                            : QStringLiteral("%1 χαρακτήρες από %2").arg(lost).arg(f.characters);
  if (f.lines > 1 || f.linesShown != f.lines) {
    words += QStringLiteral(" (τυπώνονται %1 από %2 γραμμές)").arg(f.linesShown).arg(f.lines);
  }
  return words;
}

TFitDialog::TFitDialog(QWidget* parent, const QString& studyName, const std::vector<TCutField>& fields,
                       bool beforeOutput)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Πεδία που δεν χωρούν στο έντυπο"));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(
      QStringLiteral("Στο έντυπο της μελέτης «%1» το κείμενο των παρακάτω πεδίων δεν χωράει στο πλαίσιό του "
                     "και κόβεται. Συντομεύστε το στην καρτέλα του πεδίου.")
          .arg(studyName));
  text->setWordWrap(true);
  layout->addWidget(text);

  auto* table = new QTableWidget(static_cast<int>(fields.size()), 5);
  table->setHorizontalHeaderLabels({QStringLiteral("Σελίδα"), QStringLiteral("Καρτέλα"), QStringLiteral("Πεδίο"),
                                    QStringLiteral("Χάνονται"), QStringLiteral("Κείμενο")});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setWordWrap(false);
  for (int row = 0; row < static_cast<int>(fields.size()); ++row) {
    const TCutField& f = fields[static_cast<std::size_t>(row)];
    auto* page = new QTableWidgetItem(QString::number(f.page));
    page->setTextAlignment(Qt::AlignCenter);
    table->setItem(row, 0, page);
    auto* caption = new QTableWidgetItem(f.caption);
    caption->setToolTip(f.field);
    table->setItem(row, 1, new QTableWidgetItem(f.tab));
    table->setItem(row, 2, caption);
    table->setItem(row, 3, new QTableWidgetItem(LostInWords(f)));
    QString shown = f.text.simplified();
    if (shown.size() > 60) shown = shown.left(60) + QStringLiteral("…");
    auto* value = new QTableWidgetItem(shown);
    value->setToolTip(f.text);
    table->setItem(row, 4, value);
  }
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
  table->setTextElideMode(Qt::ElideRight);
  QHeaderView* header = table->horizontalHeader();
  table->resizeColumnsToContents();
  header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(2, QHeaderView::Interactive);
  header->resizeSection(2, std::min(header->sectionSize(2), 300));
  header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(4, QHeaderView::Stretch);
  table->setMinimumSize(900, 220);
  layout->addWidget(table);

  auto* buttons = new QDialogButtonBox;
  if (beforeOutput) {
    layout->addWidget(new QLabel(QStringLiteral("Να συνεχιστεί η εργασία με το κείμενο κομμένο;")));
    QPushButton* go = buttons->addButton(QStringLiteral("&Συνέχεια"), QDialogButtonBox::AcceptRole);
    QPushButton* back = buttons->addButton(QStringLiteral("&Επιστροφή"), QDialogButtonBox::RejectRole);
    // Going back is the safe answer: Enter and Escape both give it.
    go->setAutoDefault(false);
    back->setDefault(true);
    back->setFocus();
  } else {
    buttons->addButton(QStringLiteral("&Κλείσιμο"), QDialogButtonBox::RejectRole)->setDefault(true);
  }
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(1000, 420);
}

}  // namespace desk
