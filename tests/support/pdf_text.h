// Reading PDF output in tests with poppler's command-line tools:
// PdfText (pdftotext -layout), PdfPageCount (pdfinfo) and PdfPageImage
// (pdftoppm). Header-only; needs Qt Core and Gui.
#pragma once

#include <string>
#include <vector>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "support/test_system.h"

namespace pdftest {

// A file name as the tools take it.
inline QString ToolFile(const QString& name) {
  return QString::fromStdString(flox_test::sys::ToolFileName(QDir::toNativeSeparators(name).toStdString()));
}

// Writes the bytes to a temporary .pdf file, removed when the object goes.
class TTempPdf {
 public:
  explicit TTempPdf(const QByteArray& pdf) : file_(QDir::tempPath() + QStringLiteral("/flox-test-XXXXXX.pdf")) {
    if (file_.open()) {
      file_.write(pdf);
      file_.flush();
    }
  }
  // Its name as the tools take it.
  QString Path() const { return ToolFile(file_.fileName()); }

 private:
  QTemporaryFile file_;
};

// Standard output of a tool run on the file; empty when it fails.
inline QByteArray Run(const QString& program, const QStringList& arguments) {
  QTemporaryDir io;
  if (!io.isValid()) return {};
  std::vector<std::string> args;
  for (const QString& a : arguments) args.push_back(a.toStdString());
  const QString out = io.filePath(QStringLiteral("out")), err = io.filePath(QStringLiteral("err"));
  const int status = flox_test::sys::RunProgram(flox_test::sys::ToolProgram(program.toStdString()), args, {},
                                                flox_test::sys::NullDevice(), QDir::toNativeSeparators(out).toStdString(),
                                                QDir::toNativeSeparators(err).toStdString());
  QFile output(out);
  if (status != 0 || !output.open(QIODevice::ReadOnly)) return {};
  return output.readAll();
}

// The pages' text in UTF-8, laid out as printed (pages separated by form
// feeds). firstPage/lastPage (1-based) limit it to some pages; 0 for all.
inline std::string PdfText(const QByteArray& pdf, int firstPage = 0, int lastPage = 0) {
  const TTempPdf file(pdf);
  QStringList arguments{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
  if (firstPage > 0) arguments << QStringLiteral("-f") << QString::number(firstPage);
  if (lastPage > 0) arguments << QStringLiteral("-l") << QString::number(lastPage);
  arguments << file.Path() << QStringLiteral("-");
  return Run(QStringLiteral("pdftotext"), arguments).toStdString();
}

// The text of one page (1-based).
inline std::string PdfPageText(const QByteArray& pdf, int page) { return PdfText(pdf, page, page); }

// The number of pages, or -1 when the bytes are not a readable PDF.
inline int PdfPageCount(const QByteArray& pdf) {
  const TTempPdf file(pdf);
  const QString info = QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {file.Path()}));
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption).match(info);
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// pdfinfo's line for a field, e.g. "Page size" -> "595.276 x 841.89 pts (A4)".
inline std::string PdfInfoField(const QByteArray& pdf, const std::string& field) {
  const TTempPdf file(pdf);
  const QString info = QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {file.Path()}));
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(QString::fromStdString(field)) +
                             QStringLiteral(":\\s+(.*)$"),
                         QRegularExpression::MultilineOption)
          .match(info);
  return match.hasMatch() ? match.captured(1).trimmed().toStdString() : std::string();
}

// The fonts the PDF uses, one line each as pdffonts prints them (name, type,
// encoding, emb, sub, uni, object).
inline std::string PdfFonts(const QByteArray& pdf) {
  const TTempPdf file(pdf);
  return Run(QStringLiteral("pdffonts"), {file.Path()}).toStdString();
}

// One page (1-based) rasterised at the given resolution; null on failure.
inline QImage PdfPageImage(const QByteArray& pdf, int page, int dpi) {
  const TTempPdf file(pdf);
  QTemporaryDir dir;
  if (!dir.isValid()) return {};
  const QString stem = dir.filePath(QStringLiteral("page"));
  Run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                   QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                   QString::number(page), QStringLiteral("-singlefile"), file.Path(), ToolFile(stem)});
  return QImage(stem + QStringLiteral(".png"));
}

}  // namespace pdftest

// The helpers everyone's tests use, also outside the namespace.
using pdftest::PdfPageCount;
using pdftest::PdfPageText;
using pdftest::PdfText;
