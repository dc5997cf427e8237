// The desktop window over the built library, loaded with dlopen as the
// program loads it, with the user's settings in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "host/desktop/studies_window.h"
#include "host/desktop/study_types.h"
#include "support/test_system.h"

namespace {

using desk::TStudiesWindow;

const QString kBin = QStringLiteral(FLOX_BINARY_DIR "/bin");

const host::TLibrary& Lib() {
  static const host::TLibrary lib = [] {
    std::string error;
    auto loaded = host::LoadLibraryFrom(flox_test::sys::LibraryFile(kBin.toStdString()), &error);
    if (!loaded) throw std::runtime_error(error);
    return *loaded;
  }();
  return lib;
}

class StudiesWindowTest : public ::testing::Test {
 protected:
  // A window over the settings file of this test; a second one is the
  // program started again the next day.
  std::unique_ptr<TStudiesWindow> NewWindow() {
    auto window = std::make_unique<TStudiesWindow>(Lib(), std::make_unique<desk::TStudySettings>(SettingsFile()));
    window->message = [this](QMessageBox::Icon, const QString&, const QString& text) { messages_ << text; };
    window->confirmType = [this](const QString&, int suggested) {
      suggestions_ << suggested;
      return suggested;
    };
    return window;
  }
  QString File(const QString& name) const { return dir_.filePath(name); }
  QString SettingsFile() const { return dir_.filePath("settings.ini"); }

  // `flox03 import FILE --json -` with the text on standard input.
  void Import(const QString& file, const QByteArray& json, int type = 0) {
    QProcess p;
    p.start(kBin + "/flox03" + QString::fromLatin1(flox_test::sys::ProgramSuffix()), {"import", file, "--json", "-", "--type", QString::number(type)});
    p.write(json);
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  }

  QTemporaryDir dir_;
  QStringList messages_;
  QList<int> suggestions_;
};

TEST_F(StudiesWindowTest, NewStudiesOfEveryTypeAreListedAndRememberedAfterARestart) {
  {
    auto window = NewWindow();
    for (int type = 1; type <= 4; ++type) {
      ASSERT_TRUE(window->CreateStudy(File(QString("study%1.flx").arg(type)), type)) << messages_.join("\n").toStdString();
      EXPECT_EQ(window->SelectedStudy(), File(QString("study%1.flx").arg(type)));
    }
    EXPECT_FALSE(window->CreateStudy(File("study1.flx"), 2)) << "an existing file is never made a new study";
    EXPECT_EQ(messages_.size(), 1);
  }
  auto window = NewWindow();  // the next day
  ASSERT_EQ(window->ShownStudies().size(), 4);
  EXPECT_EQ(window->ShownStudies().first(), File("study4.flx"));  // the latest on top
  for (int type = 1; type <= 4; ++type) {
    const QString path = File(QString("study%1.flx").arg(type));
    EXPECT_EQ(window->StudyType(path), type);
    const auto items = window->List()->findItems(QString("study%1").arg(type), Qt::MatchExactly, 0);
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text(1), window->Types().Name(type));
  }
  EXPECT_TRUE(suggestions_.isEmpty()) << "a known type is never asked again";

  // The search ignores case and accents; Delete removes the selected study
  // from the list (not from the disk).
  window->SearchField()->setText("ΞΕΝΟΔΟΧΕΙΑ");
  ASSERT_EQ(window->ShownStudies(), QStringList{File("study4.flx")});
  window->SearchField()->clear();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->SelectStudy(File("study2.flx"));
  window->List()->setFocus();
  const QStringList before = window->ShownStudies();
  EXPECT_FALSE(window->UndoBar()->isVisible());
  QTest::keyClick(window->List(), Qt::Key_Delete);
  EXPECT_EQ(window->ShownStudies().size(), 3);
  EXPECT_FALSE(window->ShownStudies().contains(File("study2.flx")));
  EXPECT_TRUE(QFile::exists(File("study2.flx")));
  // The bar says the file stays and offers the way back: its button, then
  // Ctrl+Z, each puts the study back in its place.
  ASSERT_TRUE(window->UndoBar()->isVisible());
  const QString said = window->UndoBar()->findChild<QLabel*>()->text();
  EXPECT_TRUE(said.contains("study2") && said.contains("μένει στον δίσκο")) << said.toStdString();
  EXPECT_EQ(window->SelectedStudy(), before[before.indexOf(File("study2.flx")) + 1]) << "the next one is selected";
  auto* undo = window->UndoBar()->findChild<QPushButton*>();
  ASSERT_EQ(undo->text(), QString("Αναίρεση"));
  undo->click();
  EXPECT_EQ(window->ShownStudies(), before);
  EXPECT_EQ(window->SelectedStudy(), File("study2.flx"));
  EXPECT_FALSE(window->UndoBar()->isVisible());
  QTest::keyClick(window->List(), Qt::Key_Delete);
  QTest::keyClick(window->List(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window->ShownStudies(), before);
  EXPECT_FALSE(window->UndoRemove()) << "nothing more to undo";
  EXPECT_EQ(NewWindow()->ShownStudies(), before) << "the settings have it back too";
}

// The keys 1 to 4 of the README choose the type in "Νέα μελέτη", whose focus
// starts on the first type; the digits follow the library's list.
TEST_F(StudiesWindowTest, NewStudyTypesAreChosenByTheirDigit) {
  auto window = NewWindow();
  desk::TNewStudyDialog dialog(window.get(), window->Types(), dir_.path());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  const auto& types = window->Types().All();
  ASSERT_EQ(types.size(), 4);
  auto* first = qobject_cast<QRadioButton*>(QApplication::focusWidget());
  ASSERT_NE(first, nullptr) << "the focus is on a type, not on its container";
  EXPECT_TRUE(first->text().endsWith(types[0].name));
  for (const int digit : {3, 2, 4, 1}) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(Qt::Key_0 + digit));
    EXPECT_EQ(dialog.Type(), types[digit - 1].type) << digit;
  }
}

// "Τύπος μελέτης…" on a listed study says what the chosen type shows (the
// library's tabs) and that the other type's data stay in the file.
TEST_F(StudiesWindowTest, ChangingTheTypeSaysWhatItShowsAndThatNothingIsDeleted) {
  auto window = NewWindow();
  const QString study = File("restaurant.flx");
  ASSERT_TRUE(window->CreateStudy(study, 1));
  Import(study, "[{\"slot\":1,\"fields\":{\"NameEpixirisi\":\"Ταβέρνα\",\"Polh\":\"Χανιά\"}}]");
  window->show();
  QStringList heading, said;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    for (auto* label : dialog->findChildren<QLabel*>()) {
      (label->objectName() == "TypeChangeText" ? said : heading) << label->text();
    }
    auto* hotel = dialog->findChildren<QRadioButton*>().at(3);
    hotel->click();
    said << dialog->findChild<QLabel*>("TypeChangeText")->text();
    qobject_cast<QDialog*>(dialog)->reject();
  });
  window->SelectStudy(study);
  for (QAction* a : window->findChildren<QAction*>()) {
    if (a->text().remove('&') == QString("Τύπος μελέτης…")) a->trigger();
  }
  ASSERT_EQ(said.size(), 2);
  EXPECT_FALSE(heading.join(" ").contains("πρώτη φορά")) << heading.join(" ").toStdString();
  EXPECT_TRUE(heading.join(" ").contains(window->Types().Name(1)));
  const desk::TStudyType& hotel = window->Types().All().at(3);
  ASSERT_FALSE(hotel.tabs.isEmpty());
  for (const QString& tab : hotel.tabs) EXPECT_TRUE(said[1].contains(tab)) << tab.toStdString();
  EXPECT_TRUE(said[1].contains("κενές")) << said[1].toStdString();
  EXPECT_TRUE(said[1].contains("Τίποτα δεν σβήνεται") && said[1].contains("3 συμπληρωμένα πεδία"))
      << said[1].toStdString();
  EXPECT_EQ(window->StudyType(study), 1) << "cancelled: the type stays";
  // Between the two general types the pages and their data are the same.
  EXPECT_TRUE(desk::TypeChangeText(window->Types(), 1, 2, {}).contains("ίδιες καρτέλες"));
}

// A file dropped on the window is taken as a copy, never as a move, which
// would let the source delete it; a source that offers only a move is refused.
TEST_F(StudiesWindowTest, DropsAreCopiesOrLinksNeverMoves) {
  auto window = NewWindow();
  Import(File("dropped.flx"), "[]", 1);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(File("dropped.flx"))});
  const QPoint at(20, 80);
  for (const Qt::DropActions offered : {Qt::CopyAction | Qt::MoveAction, Qt::LinkAction | Qt::MoveAction}) {
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(enter.proposedAction(), Qt::MoveAction) << "Shift proposes a move";
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), offered & Qt::CopyAction ? Qt::CopyAction : Qt::LinkAction);
  }
  QDragEnterEvent moveOnly(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &moveOnly);
  EXPECT_FALSE(moveOnly.isAccepted());
  QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
  QApplication::sendEvent(window.get(), &drop);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->SelectedStudy(), File("dropped.flx"));
}

// Whatever the settings file holds, the window shows at once: the newest
// studies of a huge list, and nothing (with a word why) from a pipe, which
// stays as it was.
TEST_F(StudiesWindowTest, TheSettingsFileIsReadOnlyWhenRegularAndNeverBeyondItsBounds) {
  {
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[studies]\nrecent=");
    for (int i = 0; i < 200000; ++i) file.write(QString("%1/s%2.flx, ").arg(dir_.path()).arg(i).toUtf8());
    file.write("\n");
  }
  auto window = NewWindow();
  const QStringList shown = window->ShownStudies();
  ASSERT_EQ(shown.size(), desk::TStudySettings::kMaxRecent);
  EXPECT_EQ(shown.first(), File("s0.flx"));
  EXPECT_EQ(shown.last(), File("s99.flx"));
  ASSERT_TRUE(window->CreateStudy(File("new.flx"), 2));
  window.reset();
  EXPECT_LT(QFileInfo(SettingsFile()).size(), 100000) << "the file keeps the bounded list";
  EXPECT_EQ(NewWindow()->ShownStudies().first(), File("new.flx"));

  desk::TStudySettings types(File("types.ini"));
  for (int i = 0; i < desk::TStudySettings::kMaxTypes + 50; ++i) types.SetType(File(QString("t%1.flx").arg(i)), 3);
  EXPECT_EQ(types.TypeOf(File(QString("t%1.flx").arg(desk::TStudySettings::kMaxTypes + 49))), 3);
  int kept = 0;
  for (int i = 0; i < desk::TStudySettings::kMaxTypes + 50; ++i) kept += types.TypeOf(File(QString("t%1.flx").arg(i))) != 0;
  EXPECT_EQ(kept, desk::TStudySettings::kMaxTypes);

  ASSERT_TRUE(QFile::remove(SettingsFile()));
  if (const char* why = flox_test::sys::NoFifos()) GTEST_SKIP() << why;
  flox_test::sys::MakeFifo(QFile::encodeName(SettingsFile()).constData());
  window = NewWindow();
  QCoreApplication::processEvents();
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].contains("κανονικό αρχείο")) << messages_[0].toStdString();
  EXPECT_TRUE(window->ShownStudies().isEmpty());
  ASSERT_TRUE(window->CreateStudy(File("session.flx"), 1));  // works, for this session
  window.reset();
  EXPECT_FALSE(QFileInfo(SettingsFile()).isFile());
}

TEST_F(StudiesWindowTest, TheTypeOfAFileMadeByImportIsSuggestedFromItsContent) {
  const struct {
    const char* name;
    QByteArray json;
    int type;
    int expected;
  } cases[] = {
      {"restaurant.flx", "[{\"slot\":1,\"fields\":{\"NameEpixirisi\":\"Ταβέρνα\"}}]", 1, 1},
      {"shop.flx", "[{\"slot\":1,\"fields\":{\"NameEpixirisi\":\"Κατάστημα\"}}]", 2, 2},
      {"factory.flx", "[{\"slot\":8,\"fields\":{}},{\"slot\":7,\"fields\":{\"Suntaxh\":\"x\"}}]", 0, 3},
      {"hotel.flx", "[{\"slot\":14,\"fields\":{\"Polh\":\"Ναύπλιο\"}}]", 0, 4},
      {"empty-hotel.flx", "[]", 4, 4},
  };
  auto window = NewWindow();
  for (const auto& c : cases) {
    Import(File(c.name), c.json, c.type);
    ASSERT_TRUE(window->OpenStudy(File(c.name))) << c.name;
    EXPECT_EQ(suggestions_.last(), c.expected) << c.name;
    EXPECT_EQ(window->StudyType(File(c.name)), c.expected) << c.name;
  }
  EXPECT_EQ(suggestions_.size(), 5);
  EXPECT_TRUE(window->OpenStudy(File("hotel.flx")));
  EXPECT_EQ(suggestions_.size(), 5) << "confirmed once, never asked again";

  // Not a study: a clear message, nothing listed.
  QFile junk(File("junk.flx"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a study");
  junk.close();
  const auto listed = window->ShownStudies().size();
  EXPECT_FALSE(window->OpenStudy(File("junk.flx")));
  EXPECT_EQ(window->ShownStudies().size(), listed);
  EXPECT_FALSE(messages_.isEmpty());

  // A study file dropped on the window joins the list; other files do not.
  Import(File("dropped.flx"), "[]", 1);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(File("dropped.flx")), QUrl::fromLocalFile(File("notes.txt"))});
  EXPECT_TRUE(window->OpenDropped(data));
  EXPECT_EQ(window->ShownStudies().size(), listed + 1);
  EXPECT_EQ(window->SelectedStudy(), File("dropped.flx"));
}

TEST_F(StudiesWindowTest, ActionsGoThroughTheLibrary) {
  auto window = NewWindow();
  const QString study = File("study.flx");
  ASSERT_TRUE(window->CreateStudy(study, 1));
  Import(study, QString("[{\"slot\":1,\"fields\":{\"Odos\":\"Λεωφόρος Κωνσταντίνου Καραμανλή\",\"Polh\":\"Καλαμάτα\"}}]").toUtf8());

  // PDF written.
  ASSERT_TRUE(window->ExportPdf(study, File("study.pdf")));
  QFile pdf(File("study.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");

  // JSON round trip into another study.
  ASSERT_TRUE(window->ExportJson(study, File("study.json")));
  ASSERT_TRUE(window->CreateStudy(File("copy.flx"), 1));
  ASSERT_TRUE(window->ImportJson(File("copy.flx"), File("study.json")));
  ASSERT_TRUE(window->ExportJson(File("copy.flx"), File("copy.json")));
  QFile a(File("study.json")), b(File("copy.json"));
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_EQ(QJsonDocument::fromJson(a.readAll()), QJsonDocument::fromJson(b.readAll()));
  // Bad JSON: the message names the problem and the study stays as it was.
  QFile bad(File("bad.json"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("[{\"slot\": 99}]");
  bad.close();
  EXPECT_FALSE(window->ImportJson(File("copy.flx"), File("bad.json")));
  EXPECT_TRUE(messages_.last().contains("99")) << messages_.last().toStdString();
  // A pipe is never read (it would not end), nor a text with a NUL in it.
  if (const char* why = flox_test::sys::NoFifos()) GTEST_SKIP() << why;
  flox_test::sys::MakeFifo(QFile::encodeName(File("pipe.json")).constData());
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(QByteArray("[]\0[{\"slot\": 1, \"fields\": {\"Polh\": \"x\"}}]", 40));
  bad.close();
  for (const char* name : {"pipe.json", "bad.json"}) {
    EXPECT_FALSE(window->ImportJson(File("copy.flx"), File(name))) << name;
    EXPECT_TRUE(messages_.last().contains(File(name))) << messages_.last().toStdString();
  }

  // The street does not fit on paper, in a general and in a hotel study:
  // printing asks first, and going back prints nothing.
  std::vector<desk::TCutField> asked;
  window->goOnDespiteCuts = [&](const QString&, const std::vector<desk::TCutField>& cut) {
    asked = cut;
    return false;
  };
  EXPECT_FALSE(window->PrintStudy(study));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].field, "Odos");
  EXPECT_EQ(asked[0].caption, QString("Οδός"));
  EXPECT_EQ(asked[0].page, 1);
  EXPECT_LT(asked[0].charactersShown, asked[0].characters);

  const QString hotel = File("hotel.flx");
  ASSERT_TRUE(window->CreateStudy(hotel, 4));
  Import(hotel, QString("[{\"slot\":14,\"fields\":{\"Odos\":\"Λεωφόρος Κωνσταντίνου Καραμανλή\"}}]").toUtf8());
  asked.clear();
  EXPECT_FALSE(window->PrintStudy(hotel));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].caption, QString("Οδός"));
  EXPECT_FALSE(asked[0].tab.isEmpty());
}

}  // namespace
