#include "reportengine/preview.h"

#include <algorithm>
#include <cstdio>

#include <QAccessible>
#include <QAccessibleWidget>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/platform.h"
#include "reportengine/page_output.h"
#include "reportengine/printing.h"
#include "reportengine/renderer.h"

namespace qr {
namespace {

struct TCommandDef {
  TPreviewCommand command;
  const char* text;     // UTF-8
  const char* tooltip;  // UTF-8
  QStyle::StandardPixmap icon;
  const char* themeIcon;
  QKeySequence::StandardKey key;
  int extraKey;  // a further plain key, 0 for none
  bool withText;  // the button shows its text beside the icon
};

// The tool bar, left to right; a null text marks a separator.
const TCommandDef kCommands[] = {
    {TPreviewCommand::Print, "Εκτύπωση", "Εκτύπωση στον προεπιλεγμένο εκτυπωτή", QStyle::SP_DialogApplyButton,
     "document-print", QKeySequence::Print, 0, true},
    {TPreviewCommand::SavePdf, "Αποθήκευση ως PDF", "Αποθήκευση των σελίδων σε αρχείο PDF",
     QStyle::SP_DialogSaveButton, "document-save-as", QKeySequence::Save, 0, true},
    {TPreviewCommand::ZoomIn, "Μεγέθυνση", "Μεγέθυνση της σελίδας", QStyle::SP_CustomBase, "zoom-in",
     QKeySequence::ZoomIn, Qt::Key_Plus, false},
    {TPreviewCommand::ZoomOut, "Σμίκρυνση", "Σμίκρυνση της σελίδας", QStyle::SP_CustomBase, "zoom-out",
     QKeySequence::ZoomOut, Qt::Key_Minus, false},
    {TPreviewCommand::FitWidth, "Πλάτος σελίδας", "Προσαρμογή στο πλάτος της σελίδας", QStyle::SP_CustomBase,
     "zoom-fit-width", QKeySequence::UnknownKey, 0, false},
    {TPreviewCommand::FitPage, "Ολόκληρη σελίδα", "Ολόκληρη η σελίδα στο παράθυρο", QStyle::SP_CustomBase,
     "zoom-fit-best", QKeySequence::UnknownKey, 0, false},
    {TPreviewCommand::FirstPage, "Πρώτη", "Πρώτη σελίδα", QStyle::SP_MediaSkipBackward, "go-first",
     QKeySequence::UnknownKey, Qt::Key_Home, false},
    {TPreviewCommand::PreviousPage, "Προηγούμενη", "Προηγούμενη σελίδα", QStyle::SP_MediaSeekBackward,
     "go-previous", QKeySequence::UnknownKey, Qt::Key_PageUp, false},
    {TPreviewCommand::NextPage, "Επόμενη", "Επόμενη σελίδα", QStyle::SP_MediaSeekForward, "go-next",
     QKeySequence::UnknownKey, Qt::Key_PageDown, false},
    {TPreviewCommand::LastPage, "Τελευταία", "Τελευταία σελίδα", QStyle::SP_MediaSkipForward, "go-last",
     QKeySequence::UnknownKey, Qt::Key_End, false},
    {TPreviewCommand::Close, "Κλείσιμο", "Κλείσιμο της προεπισκόπησης", QStyle::SP_DialogCloseButton,
     "window-close", QKeySequence::Close, 0, true},
};

constexpr double kZoomStep = 1.25;

// Icons for the zoom commands, which the styles do not provide: drawn here
// on a 24-pixel grid.
QIcon DrawnIcon(TPreviewCommand command) {
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  switch (command) {
    case TPreviewCommand::ZoomIn:
    case TPreviewCommand::ZoomOut:
      p.drawEllipse(QRectF(3, 3, 13, 13));
      p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
      p.drawLine(QPointF(6.5, 9.5), QPointF(12.5, 9.5));
      if (command == TPreviewCommand::ZoomIn) p.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 12.5));
      break;
    case TPreviewCommand::FitWidth:
      p.drawLine(QPointF(3, 4), QPointF(3, 20));
      p.drawLine(QPointF(21, 4), QPointF(21, 20));
      p.drawLine(QPointF(6, 12), QPointF(18, 12));
      p.drawPolyline(QPolygonF({QPointF(9, 9), QPointF(6, 12), QPointF(9, 15)}));
      p.drawPolyline(QPolygonF({QPointF(15, 9), QPointF(18, 12), QPointF(15, 15)}));
      break;
    case TPreviewCommand::FitPage:
      p.setBrush(Qt::white);
      p.drawRect(QRectF(6, 2.5, 12, 19));
      p.drawLine(QPointF(9, 8), QPointF(15, 8));
      p.drawLine(QPointF(9, 12), QPointF(15, 12));
      p.drawLine(QPointF(9, 16), QPointF(13, 16));
      break;
    default:
      break;
  }
  p.end();
  return QIcon(pixmap);
}

// --- What a screen reader finds: the view of the pages has one child per
// page, named with its number ("Σελίδα 2 από 7"). The pages are graphics
// items, which Qt's accessibility does not show; they are found afresh on
// every question, as the view rebuilds them whenever it lays them out.

const char* const kPageViewName = "FloxPreviewPages";

// The page items of the view, in page order (top to bottom, left to right).
QList<QGraphicsItem*> PageItems(const QGraphicsView* view) {
  QList<QGraphicsItem*> pages;
  if (view == nullptr || view->scene() == nullptr) return pages;
  for (QGraphicsItem* item : view->scene()->items()) {
    if (item->parentItem() == nullptr) pages << item;
  }
  std::sort(pages.begin(), pages.end(), [](const QGraphicsItem* a, const QGraphicsItem* b) {
    const QPointF pa = a->sceneBoundingRect().topLeft(), pb = b->sceneBoundingRect().topLeft();
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
  });
  return pages;
}

QString PageName(int page, int count) { return QStringLiteral("Σελίδα %1 από %2").arg(page).arg(count); }

class TAccessiblePage : public QAccessibleInterface {
 public:
  TAccessiblePage(QGraphicsView* view, int index) : view_(view), index_(index) {}
  bool isValid() const override { return view_ != nullptr && index_ < PageItems(view_).size(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ != nullptr ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || view_ == nullptr) return {};
    return PageName(index_ + 1, static_cast<int>(PageItems(view_).size()));
  }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::Graphic; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    if (!isValid() || !view_->viewport()->rect().intersects(Area())) state.offscreen = true;
    return state;
  }
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect area = Area();
    return QRect(view_->viewport()->mapToGlobal(area.topLeft()), area.size());
  }

 private:
  // The page on the viewport.
  QRect Area() const {
    const QList<QGraphicsItem*> pages = PageItems(view_);
    if (index_ >= pages.size()) return {};
    return view_->mapFromScene(pages[index_]->sceneBoundingRect()).boundingRect();
  }
  QPointer<QGraphicsView> view_;
  int index_;
};

class TAccessiblePageView : public QAccessibleWidget {
 public:
  explicit TAccessiblePageView(QGraphicsView* view) : QAccessibleWidget(view, QAccessible::Client) {}
  ~TAccessiblePageView() override {
    for (const QAccessible::Id id : pages_) QAccessible::deleteAccessibleInterface(id);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QStringLiteral("Σελίδες της προεπισκόπησης");
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return QAccessibleWidget::childCount() + PageCount(); }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    if (index - widgets >= PageCount()) return nullptr;
    return QAccessible::accessibleInterface(pages_[index - widgets]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    PageCount();
    const auto at = pages_.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)));
    return at >= 0 ? QAccessibleWidget::childCount() + static_cast<int>(at) : QAccessibleWidget::indexOfChild(child);
  }

 private:
  // The number of pages, with an interface registered for each.
  int PageCount() const {
    const auto count = PageItems(qobject_cast<QGraphicsView*>(widget())).size();
    while (pages_.size() < count) {
      pages_ << QAccessible::registerAccessibleInterface(
          new TAccessiblePage(qobject_cast<QGraphicsView*>(widget()), static_cast<int>(pages_.size())));
    }
    return static_cast<int>(count);
  }
  mutable QList<QAccessible::Id> pages_;
};

QAccessibleInterface* AccessiblePreview(const QString&, QObject* object) {
  auto* view = qobject_cast<QGraphicsView*>(object);
  if (view == nullptr || view->parentWidget() == nullptr ||
      view->parentWidget()->objectName() != QLatin1String(kPageViewName)) {
    return nullptr;
  }
  return new TAccessiblePageView(view);
}

}  // namespace

TPreviewWindow::TPreviewWindow(std::vector<TQuickRep*> pages, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)) {
  setWindowTitle(QStringLiteral("Προεπισκόπηση εκτύπωσης"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setCursor(Qt::ArrowCursor);

  // The preview lays the pages out on a PDF-format printer: the same A4
  // sheet and resolution as the PDF and the printer get, and no spooler.
  printer_ = new QPrinter(QPrinter::HighResolution);
  printer_->setOutputFormat(QPrinter::PdfFormat);
  SetUpPagedDevice(*printer_);

  auto* bar = new QToolBar(this);
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->setMovable(false);
  static const bool accessible = (QAccessible::installFactory(AccessiblePreview), true);
  (void)accessible;
  view_ = new QPrintPreviewWidget(printer_, this);
  view_->setObjectName(QLatin1String(kPageViewName));
  view_->setViewMode(QPrintPreviewWidget::SinglePageView);
  view_->setZoomMode(QPrintPreviewWidget::FitToWidth);
  connect(view_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
    QString error;
    if (!PaintPages(*printer, pages_, &error)) status_->setText(error);
  });

  pageLabel_ = new QLabel(this);
  zoomLabel_ = new QLabel(this);
  status_ = new QLabel(this);
  for (const TCommandDef& def : kCommands) {
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(def.themeIcon));
    if (icon.isNull()) {
      icon = def.icon != QStyle::SP_CustomBase ? style()->standardIcon(def.icon) : DrawnIcon(def.command);
    }
    auto* action = new QAction(icon, QString::fromUtf8(def.text), this);
    action->setToolTip(QString::fromUtf8(def.tooltip));
    QList<QKeySequence> keys;
    if (def.key != QKeySequence::UnknownKey) keys << QKeySequence::keyBindings(def.key);
    if (def.extraKey != 0) keys << QKeySequence(def.extraKey);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setData(static_cast<int>(def.command));
    addAction(action);
    actions_.push_back(action);
    if (def.command == TPreviewCommand::FirstPage) bar->addSeparator();
    if (def.command == TPreviewCommand::Close) {
      bar->addSeparator();
      bar->addWidget(pageLabel_);
      bar->addSeparator();
      bar->addWidget(zoomLabel_);
      auto* spacer = new QWidget(bar);
      spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
      bar->addWidget(spacer);
    }
    bar->addAction(action);
    if (def.withText) {
      if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
      }
    }
    if (def.command == TPreviewCommand::SavePdf) bar->addSeparator();
  }

  connect(Action(TPreviewCommand::ZoomIn), &QAction::triggered, this, [this] { view_->zoomIn(kZoomStep); });
  connect(Action(TPreviewCommand::ZoomOut), &QAction::triggered, this, [this] { view_->zoomOut(kZoomStep); });
  connect(Action(TPreviewCommand::FitWidth), &QAction::triggered, view_, &QPrintPreviewWidget::fitToWidth);
  connect(Action(TPreviewCommand::FitPage), &QAction::triggered, view_, &QPrintPreviewWidget::fitInView);
  auto goTo = [this](auto page) {
    return [this, page] {
      view_->setCurrentPage(page(view_->currentPage(), view_->pageCount()));
      UpdateIndicators();
    };
  };
  connect(Action(TPreviewCommand::FirstPage), &QAction::triggered, this, goTo([](int, int) { return 1; }));
  connect(Action(TPreviewCommand::PreviousPage), &QAction::triggered, this,
          goTo([](int current, int) { return current - 1; }));
  connect(Action(TPreviewCommand::NextPage), &QAction::triggered, this,
          goTo([](int current, int) { return current + 1; }));
  connect(Action(TPreviewCommand::LastPage), &QAction::triggered, this, goTo([](int, int count) { return count; }));
  auto zoomed = [this] { UpdateIndicators(); };
  connect(Action(TPreviewCommand::ZoomIn), &QAction::triggered, this, zoomed);
  connect(Action(TPreviewCommand::ZoomOut), &QAction::triggered, this, zoomed);
  connect(Action(TPreviewCommand::FitWidth), &QAction::triggered, this, zoomed);
  connect(Action(TPreviewCommand::FitPage), &QAction::triggered, this, zoomed);
  // Scrolling through the pages moves the current page without a signal of
  // the preview's own.
  if (auto* scrolled = view_->findChild<QAbstractScrollArea*>()) {
    connect(scrolled->verticalScrollBar(), &QScrollBar::valueChanged, this, &TPreviewWindow::UpdateIndicators);
  }
  connect(Action(TPreviewCommand::Print), &QAction::triggered, this, &TPreviewWindow::PrintPages);
  connect(Action(TPreviewCommand::SavePdf), &QAction::triggered, this, &TPreviewWindow::SavePdf);
  connect(Action(TPreviewCommand::Close), &QAction::triggered, this, &QDialog::accept);
  connect(view_, &QPrintPreviewWidget::previewChanged, this, &TPreviewWindow::UpdateIndicators);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(view_, 1);
  status_->setContentsMargins(6, 2, 6, 2);
  layout->addWidget(status_);

  QSize size(900, 1000);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size() * 0.9);
  }
  resize(size);
  view_->updatePreview();
  UpdateIndicators();
}

TPreviewWindow::~TPreviewWindow() {
  delete view_;  // the view paints on the printer: it goes first
  view_ = nullptr;
  delete printer_;
}

QAction* TPreviewWindow::Action(TPreviewCommand command) const {
  for (QAction* action : actions_) {
    if (action->data().toInt() == static_cast<int>(command)) return action;
  }
  return nullptr;
}

int TPreviewWindow::CurrentPage() const { return view_->currentPage(); }

int TPreviewWindow::PageCount() const { return view_->pageCount(); }

QString TPreviewWindow::PageIndicator() const { return pageLabel_->text(); }

void TPreviewWindow::UpdateIndicators() {
  const int page = view_->currentPage();
  const int count = view_->pageCount();
  pageLabel_->setText(QStringLiteral(" Σελίδα %1 από %2 ").arg(page).arg(count));
  zoomLabel_->setText(QStringLiteral(" %1 % ").arg(qRound(view_->zoomFactor() * 100)));
  Action(TPreviewCommand::FirstPage)->setEnabled(page > 1);
  Action(TPreviewCommand::PreviousPage)->setEnabled(page > 1);
  Action(TPreviewCommand::NextPage)->setEnabled(page < count);
  Action(TPreviewCommand::LastPage)->setEnabled(page < count);
}

void TPreviewWindow::PrintPages() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const TPrintOutcome outcome = qr::PrintPages(pages_);
  QApplication::restoreOverrideCursor();
  if (!outcome.ok) {
    status_->setText(outcome.error);
    QMessageBox::critical(this, QStringLiteral("Σφάλμα εκτύπωσης"), outcome.error);
  } else if (!outcome.pdfFile.isEmpty()) {
    const QString path = QDir::toNativeSeparators(outcome.pdfFile);
    status_->setText(QStringLiteral("Αποθηκεύτηκε ως PDF: %1").arg(path));
    QMessageBox::information(
        this, QStringLiteral("Εκτύπωση"),
        QStringLiteral("Δεν βρέθηκε εκτυπωτής. Οι σελίδες αποθηκεύτηκαν ως αρχείο PDF:\n%1").arg(path));
  } else {
    status_->setText(QStringLiteral("Οι σελίδες στάλθηκαν στον εκτυπωτή %1.").arg(outcome.printer));
  }
}

void TPreviewWindow::SavePdf() {
  const QString suggested = QDir(FallbackFolder()).filePath(QStringLiteral("Μελέτη πυροπροστασίας.pdf"));
  QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Αποθήκευση ως PDF"), suggested,
                                                  QStringLiteral("Αρχεία PDF (*.pdf)"));
  if (fileName.isEmpty()) return;
  if (!fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) fileName += QLatin1String(".pdf");
  QString error;
  if (WritePdf(pages_, fileName, &error)) {
    status_->setText(QStringLiteral("Αποθηκεύτηκε: %1").arg(QDir::toNativeSeparators(fileName)));
  } else {
    status_->setText(error);
    QMessageBox::critical(this, QStringLiteral("Αποθήκευση ως PDF"), error);
  }
}

void ShowPreview(const std::vector<TQuickRep*>& pages) {
  if (!platform::HasDisplay()) {
    std::fprintf(stderr, "WinFlox03RDll: no display, the preview window cannot be shown (%zu page(s))\n",
                 pages.size());
    std::fflush(stderr);
    return;
  }
  TPreviewWindow window(pages);
  window.setWindowModality(Qt::ApplicationModal);
  platform::AttachToApplicationWindow(&window);
  // The preview shows the normal arrow, whatever the cursor of the work behind it.
  const bool busy = platform::ScreenCursor() == platform::TCursor::Hourglass;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  window.exec();
  if (busy) QApplication::restoreOverrideCursor();
}

}  // namespace qr
