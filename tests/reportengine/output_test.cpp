// Outputs: the capture sink, PDF files, print jobs on a machine without a
// printer, and the preview window.
#include <cstdlib>
#include <string>

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "records/cp1253.h"
#include "reportengine/output.h"
#include "reportengine/preview.h"
#include "reportengine/printing.h"
#include "reportengine/quickrep.h"
#include "reportengine/renderer.h"
#include "sample_pages.h"
#include "support/pdf_text.h"
#include "support/test_system.h"

namespace {

using namespace enginetest;

std::string Cp(const char* utf8) {
  std::string out;
  EXPECT_TRUE(Utf8ToCp1253(utf8, out)) << utf8;
  return out;
}

// --- the capture sink ---------------------------------------------------------

TEST(CaptureSink, RecordsEveryPreviewAndPrintOfPagesAndWholeReports) {
  qr::TQuickRep page(kCaptionPage);
  page.SetCaption("Title", Cp("Μία σελίδα"));
  qr::TCaptureSink sink;
  EXPECT_EQ(qr::TCaptureSink::Current(), &sink);
  page.Print();
  page.Preview();
  qr::RunOutput(qr::TOutputAction::Print, {&page, &page});
  ASSERT_EQ(sink.Runs().size(), 3u);
  const struct {
    qr::TOutputAction action;
    int pages;
  } expected[] = {{qr::TOutputAction::Print, 1}, {qr::TOutputAction::Preview, 1}, {qr::TOutputAction::Print, 2}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(sink.Runs()[i].action, expected[i].action) << i;
    EXPECT_EQ(sink.Runs()[i].pageCount, expected[i].pages) << i;
    EXPECT_EQ(PdfPageCount(sink.Runs()[i].pdf), expected[i].pages) << i;
    EXPECT_TRUE(sink.Runs()[i].images.empty()) << "no images unless asked for";
  }
  sink.Clear();
  EXPECT_TRUE(sink.Runs().empty());
}

TEST(CaptureSink, ImagesOnRequestOnePerPageAtTheAskedResolution) {
  qr::TQuickRep a(kCaptionPage), b(kCaptionPage);
  a.SetCaption("Title", Cp("Πρώτη"));
  qr::TCaptureSink sink;
  sink.SetCaptureImages(40);
  qr::RunOutput(qr::TOutputAction::Preview, {&a, &b});
  ASSERT_EQ(sink.Runs().size(), 1u);
  const auto& images = sink.Runs()[0].images;
  ASSERT_EQ(images.size(), 2u);
  for (const QImage& image : images) EXPECT_EQ(image.size(), QSize(331, 468));  // A4 at 40 dpi
  EXPECT_NE(images[0], images[1]);
  EXPECT_EQ(images[0], qr::RenderImage(a, 40));
  EXPECT_EQ(images[1], qr::RenderImage(b, 40));
}

TEST(CaptureSink, NestedSinksPutBackTheOneBefore) {
  qr::TQuickRep page(kCaptionPage);
  EXPECT_EQ(qr::TCaptureSink::Current(), nullptr);
  {
    qr::TCaptureSink outer;
    {
      qr::TCaptureSink inner;
      EXPECT_EQ(qr::TCaptureSink::Current(), &inner);
      page.Preview();
      EXPECT_EQ(inner.Runs().size(), 1u);
    }
    EXPECT_EQ(qr::TCaptureSink::Current(), &outer);
    page.Print();
    EXPECT_EQ(outer.Runs().size(), 1u);
    EXPECT_EQ(outer.Runs()[0].action, qr::TOutputAction::Print);
  }
  EXPECT_EQ(qr::TCaptureSink::Current(), nullptr);
}

// --- PDF files ---------------------------------------------------------------

TEST(PdfFile, WritePdfReplacesAFileOnlyWithACompleteDocument) {
  qr::TQuickRep page(kCaptionPage);
  page.SetCaption("Title", Cp("Αρχείο"));
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("out.pdf"));
  {
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
  }
  QString error;
  ASSERT_TRUE(qr::WritePdf({&page, &page, &page}, file, &error)) << error.toStdString();
  QFile in(file);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const QByteArray pdf = in.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(PdfPageCount(pdf), 3);

  // Failures leave no file behind and say why.
  const struct {
    std::vector<qr::TQuickRep*> pages;
    QString name;
  } failures[] = {
      {{&page}, dir.filePath(QStringLiteral("missing/folder/out.pdf"))},
      {{&page}, QString()},
      {{}, dir.filePath(QStringLiteral("none.pdf"))},
  };
  for (const auto& f : failures) {
    error.clear();
    EXPECT_FALSE(qr::WritePdf(f.pages, f.name, &error)) << f.name.toStdString();
    EXPECT_FALSE(error.isEmpty());
    if (!f.name.isEmpty()) {
      EXPECT_FALSE(QFile::exists(f.name));
    }
  }
  EXPECT_FALSE(qr::WritePdf({&page}, QString(), nullptr));  // no error slot: still no crash

  // A pipe or a folder at the name is neither replaced nor written into.
  const QString fifo = dir.filePath(QStringLiteral("pipe.pdf"));
  if (const char* why = flox_test::sys::NoFifos()) GTEST_SKIP() << why;
  flox_test::sys::MakeFifo(QFile::encodeName(fifo).constData());
  for (const QString& name : {fifo, dir.path()}) {
    error.clear();
    EXPECT_FALSE(qr::WritePdf({&page}, name, &error)) << name.toStdString();
    EXPECT_NE(error.indexOf(name), -1) << error.toStdString();
    EXPECT_TRUE(QFileInfo(name).exists() && !QFileInfo(name).isFile());
  }
}

// --- print jobs without a printer --------------------------------------------

TEST(Fallback, FileNamesCarryDateAndTimeAndNothingIsOverwritten) {
  const QDateTime when(QDate(2024, 5, 1), QTime(14, 3, 22));
  EXPECT_EQ(qr::FallbackFileName(when), QStringLiteral("flox03-print-2024-05-01_14-03-22.pdf"));

  QTemporaryDir dir;
  QStringList written;
  for (const char* contents : {"%PDF-one", "%PDF-two", "%PDF-three"}) {
    QString path, error;
    ASSERT_TRUE(qr::WriteFallbackPdf(contents, dir.path(), when, &path, &error)) << error.toStdString();
    written << QFileInfo(path).fileName();
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), QByteArray(contents));
  }
  EXPECT_EQ(written, (QStringList{QStringLiteral("flox03-print-2024-05-01_14-03-22.pdf"),
                                  QStringLiteral("flox03-print-2024-05-01_14-03-22-2.pdf"),
                                  QStringLiteral("flox03-print-2024-05-01_14-03-22-3.pdf")}));
  QFile first(dir.filePath(written[0]));
  ASSERT_TRUE(first.open(QIODevice::ReadOnly));
  EXPECT_EQ(first.readAll(), QByteArray("%PDF-one"));

  QString path, error;
  EXPECT_FALSE(qr::WriteFallbackPdf("%PDF", dir.filePath(QStringLiteral("no/such/folder")), when, &path, &error));
  EXPECT_FALSE(error.isEmpty());
}

// Points the user's documents folder somewhere else for one test.
class DocumentsFolder {
 public:
  explicit DocumentsFolder(const QString& documents, bool create) {
    Save("XDG_CONFIG_HOME", config_);
    Save("HOME", home_);
    QDir(root_.path()).mkpath(QStringLiteral("config"));
    QDir(root_.path()).mkpath(QStringLiteral("home"));
    if (create) QDir().mkpath(documents);
    QFile dirs(root_.filePath(QStringLiteral("config/user-dirs.dirs")));
    if (dirs.open(QIODevice::WriteOnly)) dirs.write("XDG_DOCUMENTS_DIR=\"" + documents.toUtf8() + "\"\n");
    dirs.close();
    qputenv("XDG_CONFIG_HOME", root_.filePath(QStringLiteral("config")).toUtf8());
    qputenv("HOME", root_.filePath(QStringLiteral("home")).toUtf8());
  }
  ~DocumentsFolder() {
    Restore("XDG_CONFIG_HOME", config_);
    Restore("HOME", home_);
  }
  QString Root() const { return root_.path(); }
  QString Home() const { return root_.filePath(QStringLiteral("home")); }

 private:
  struct TSaved {
    bool set = false;
    QByteArray value;
  };
  static void Save(const char* name, TSaved& saved) {
    saved.set = qEnvironmentVariableIsSet(name);
    saved.value = qgetenv(name);
  }
  static void Restore(const char* name, const TSaved& saved) {
    if (saved.set) {
      qputenv(name, saved.value);
    } else {
      qunsetenv(name);
    }
  }
  QTemporaryDir root_;
  TSaved config_, home_;
};

TEST(Fallback, TheFolderIsTheDocumentsFolderOrElseHome) {
  if (const char* why = flox_test::sys::NoXdgFolders()) GTEST_SKIP() << why;
  QTemporaryDir scratch;
  {
    const QString documents = scratch.filePath(QStringLiteral("Έγγραφα"));
    DocumentsFolder folder(documents, true);
    EXPECT_EQ(QDir(qr::FallbackFolder()).canonicalPath(), QDir(documents).canonicalPath());
  }
  {
    const QString documents = scratch.filePath(QStringLiteral("not-there"));
    DocumentsFolder folder(documents, false);
    EXPECT_EQ(QDir(qr::FallbackFolder()).canonicalPath(), QDir(folder.Home()).canonicalPath());
  }
}

TEST(Fallback, WithoutAPrinterAPrintJobBecomesAPdfInTheDocumentsFolder) {
  if (const char* why = flox_test::sys::NoXdgFolders()) GTEST_SKIP() << why;
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  QTemporaryDir scratch;
  const QString documents = scratch.filePath(QStringLiteral("Documents"));
  DocumentsFolder folder(documents, true);
  qr::TQuickRep page(kCaptionPage);
  page.SetCaption("Title", Cp("Εκτύπωση χωρίς εκτυπωτή"));

  const qr::TPrintOutcome outcome = qr::PrintPages({&page, &page});
  ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
  EXPECT_TRUE(outcome.printer.isEmpty());
  EXPECT_EQ(QFileInfo(outcome.pdfFile).dir().canonicalPath(), QDir(documents).canonicalPath());
  EXPECT_TRUE(QFileInfo(outcome.pdfFile).fileName().startsWith(QStringLiteral("flox03-print-")));
  QFile in(outcome.pdfFile);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const QByteArray pdf = in.readAll();
  EXPECT_EQ(PdfPageCount(pdf), 2);
  EXPECT_NE(PdfText(pdf).find("Εκτύπωση χωρίς εκτυπωτή"), std::string::npos);

  // A second job at once gets a file of its own.
  const qr::TPrintOutcome again = qr::PrintPages({&page});
  ASSERT_TRUE(again.ok);
  EXPECT_NE(again.pdfFile, outcome.pdfFile);
  EXPECT_TRUE(QFile::exists(outcome.pdfFile));

  // Print() itself, with no display to show a box on: the place goes to stderr.
  ::testing::internal::CaptureStderr();
  page.Print();
  const std::string said = ::testing::internal::GetCapturedStderr();
  const QStringList files = QDir(documents).entryList({QStringLiteral("flox03-print-*.pdf")}, QDir::Files);
  ASSERT_EQ(files.size(), 3);
  bool named = false;
  for (const QString& file : files) named = named || said.find(file.toStdString()) != std::string::npos;
  EXPECT_TRUE(named) << said;
}

// --- the preview window ------------------------------------------------------

class PreviewWindow : public ::testing::Test {
 protected:
  PreviewWindow() : a(kCaptionPage), b(kCaptionPage), c(kCaptionPage) {
    a.SetCaption("Title", Cp("Α"));
    b.SetCaption("Title", Cp("Β"));
    c.SetCaption("Title", Cp("Γ"));
  }
  qr::TQuickRep a, b, c;
};

TEST_F(PreviewWindow, OffersItsCommandsInGreek) {
  qr::TPreviewWindow window({&a, &b, &c});
  const struct {
    qr::TPreviewCommand command;
    const char* text;
    const char* tooltip;
  } expected[] = {
      {qr::TPreviewCommand::Print, "Εκτύπωση", nullptr},
      {qr::TPreviewCommand::SavePdf, "Αποθήκευση ως PDF", nullptr},
      {qr::TPreviewCommand::Close, "Κλείσιμο", nullptr},
      {qr::TPreviewCommand::ZoomIn, "Μεγέθυνση", nullptr},
      {qr::TPreviewCommand::ZoomOut, "Σμίκρυνση", nullptr},
      {qr::TPreviewCommand::PreviousPage, nullptr, "Προηγούμενη σελίδα"},
      {qr::TPreviewCommand::NextPage, nullptr, "Επόμενη σελίδα"},
      {qr::TPreviewCommand::FirstPage, nullptr, "Πρώτη σελίδα"},
      {qr::TPreviewCommand::LastPage, nullptr, "Τελευταία σελίδα"},
  };
  for (const auto& e : expected) {
    QAction* action = window.Action(e.command);
    ASSERT_NE(action, nullptr);
    if (e.text != nullptr) {
      EXPECT_EQ(action->text(), QString::fromUtf8(e.text));
    }
    if (e.tooltip != nullptr) {
      EXPECT_EQ(action->toolTip(), QString::fromUtf8(e.tooltip));
    }
  }
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Προεπισκόπηση εκτύπωσης"));
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

// A screen reader finds each page of the view under its number, where the
// view shows it.
TEST_F(PreviewWindow, PagesCarryTheirNumberForScreenReaders) {
  qr::TPreviewWindow window({&a, &b, &c});
  window.show();
  QCoreApplication::processEvents();
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(window.View()->findChild<QGraphicsView*>());
  ASSERT_NE(view, nullptr);
  auto pages = [view] {
    std::vector<QAccessibleInterface*> found;
    for (int i = 0; i < view->childCount(); ++i) {
      QAccessibleInterface* child = view->child(i);
      if (child != nullptr && child->role() == QAccessible::Graphic) found.push_back(child);
    }
    return found;
  };
  auto shown = pages();
  ASSERT_EQ(shown.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    QAccessibleInterface* page = shown[static_cast<std::size_t>(k)];
    EXPECT_EQ(page->text(QAccessible::Name), QStringLiteral("Σελίδα %1 από 3").arg(k + 1));
    EXPECT_EQ(page->parent(), view);
    EXPECT_EQ(view->child(view->indexOfChild(page)), page);
  }
  EXPECT_FALSE(shown[0]->state().offscreen);
  EXPECT_FALSE(shown[0]->rect().isEmpty());
  EXPECT_TRUE(shown[2]->state().offscreen) << "one page at a time fits the width";
  window.Action(qr::TPreviewCommand::LastPage)->trigger();
  QCoreApplication::processEvents();
  EXPECT_FALSE(pages()[2]->state().offscreen);
  EXPECT_TRUE(pages()[0]->state().offscreen);
}

TEST_F(PreviewWindow, NavigatesThePagesAndZooms) {
  qr::TPreviewWindow window({&a, &b, &c});
  window.show();
  QCoreApplication::processEvents();
  ASSERT_EQ(window.PageCount(), 3);
  EXPECT_EQ(window.CurrentPage(), 1);
  EXPECT_EQ(window.PageIndicator().trimmed(), QStringLiteral("Σελίδα 1 από 3"));
  EXPECT_FALSE(window.Action(qr::TPreviewCommand::PreviousPage)->isEnabled());

  window.Action(qr::TPreviewCommand::NextPage)->trigger();
  EXPECT_EQ(window.CurrentPage(), 2);
  EXPECT_EQ(window.PageIndicator().trimmed(), QStringLiteral("Σελίδα 2 από 3"));
  window.Action(qr::TPreviewCommand::LastPage)->trigger();
  EXPECT_EQ(window.CurrentPage(), 3);
  EXPECT_FALSE(window.Action(qr::TPreviewCommand::NextPage)->isEnabled());
  window.Action(qr::TPreviewCommand::NextPage)->trigger();  // stays on the last page
  EXPECT_EQ(window.CurrentPage(), 3);
  window.Action(qr::TPreviewCommand::PreviousPage)->trigger();
  EXPECT_EQ(window.CurrentPage(), 2);
  window.Action(qr::TPreviewCommand::FirstPage)->trigger();
  EXPECT_EQ(window.CurrentPage(), 1);

  const double before = window.View()->zoomFactor();
  window.Action(qr::TPreviewCommand::ZoomIn)->trigger();
  EXPECT_GT(window.View()->zoomFactor(), before);
  window.Action(qr::TPreviewCommand::ZoomOut)->trigger();
  window.Action(qr::TPreviewCommand::ZoomOut)->trigger();
  EXPECT_LT(window.View()->zoomFactor(), before);
}

TEST_F(PreviewWindow, TheCloseCommandEndsTheModalRun) {
  qr::TPreviewWindow window({&a});
  window.setWindowModality(Qt::ApplicationModal);
  QTimer::singleShot(0, &window, [&] { window.Action(qr::TPreviewCommand::Close)->trigger(); });
  EXPECT_EQ(window.exec(), QDialog::Accepted);
}

TEST_F(PreviewWindow, PaintsTheHookedCaptionsOfEveryPage) {
  int calls = 0;
  a.OnNeedData = [&](bool&) { ++calls; };
  qr::TPreviewWindow window({&a, &b});
  window.show();
  EXPECT_GE(calls, 1) << "the preview is an output too";
}

TEST(PreviewWithoutDisplay, ReturnsAtOnce) {
  // The test platform is offscreen: nobody could close a window there.
  qr::TQuickRep page(kCaptionPage);
  qr::ShowPreview({&page});
  SUCCEED();
}

}  // namespace
