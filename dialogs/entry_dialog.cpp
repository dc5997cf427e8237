#include "dialogs/entry_dialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>
#include <stdexcept>

#include "dialogs/controls.h"
#include "dialogs/entry_page.h"
#include "dialogs/glyphs.h"
#include "platform/platform.h"

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QPixmap& glyph) {
  auto* button = new QPushButton(QIcon(glyph), caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIconSize(glyph.size());
  // None of the buttons is a default button: Enter in an edit does nothing.
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFixedHeight(25);
  return button;
}

}  // namespace

TEntryDialog::TEntryDialog(QWidget* owner, const QString& caption, TDialogBorder border, QSize size)
    : QDialog(owner) {
  setWindowTitle(caption);
  setModal(true);
  // The pages are laid out for a sans-serif face 11 pixels high.
  QFont face(QStringLiteral("Liberation Sans"));
  face.setPixelSize(11);
  setFont(face);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setUsesScrollButtons(false);
  auto* tabStyle = new dlg::TCompactStyle;
  tabStyle->setParent(PageControl1);
  PageControl1->tabBar()->setStyle(tabStyle);
  layout->addWidget(PageControl1, 1);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(kButtonBarHeight);
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setFrameShadow(QFrame::Raised);
  layout->addWidget(Panel1);

  PreviewBtn = MakeButton(Panel1, "PreviewBtn", QStringLiteral("Προεπισκόπηση"), dlg::PreviewGlyph());
  PrintBtn = MakeButton(Panel1, "PrintBtn", QStringLiteral("Εκτύπωση"), dlg::PrintGlyph());
  HelpBtn = MakeButton(Panel1, "HelpBtn", QStringLiteral("Οδηγίες συμπλήρωσης"), dlg::HelpGlyph());
  CloseBtn = MakeButton(Panel1, "CloseBtn", QStringLiteral("Επιστροφή"), dlg::CloseGlyph());
  auto* bar = new QHBoxLayout(Panel1);
  bar->setContentsMargins(6, 3, 6, 3);
  bar->setSpacing(6);
  bar->addWidget(PreviewBtn);
  bar->addWidget(PrintBtn);
  bar->addStretch(1);
  bar->addWidget(HelpBtn);
  bar->addWidget(CloseBtn);
  // Keyboard order of the bar: preview, help, close, print.
  QWidget::setTabOrder(PreviewBtn, HelpBtn);
  QWidget::setTabOrder(HelpBtn, CloseBtn);
  QWidget::setTabOrder(CloseBtn, PrintBtn);

  connect(PreviewBtn, &QPushButton::clicked, this, [this] { Guarded("Προεπισκόπηση", &TEntryDialog::PreviewBtnClick); });
  connect(PrintBtn, &QPushButton::clicked, this, [this] { Guarded("Εκτύπωση", &TEntryDialog::PrintBtnClick); });
  connect(HelpBtn, &QPushButton::clicked, this, [this] { Guarded("Οδηγίες συμπλήρωσης", &TEntryDialog::HelpBtnClick); });
  connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });

  if (border == TDialogBorder::FixedDialog) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size);
  } else {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    resize(size);
  }
}

TEntryDialog::~TEntryDialog() = default;

void TEntryDialog::AddPage(TEntryPageFrame* page, const QString& tabCaption) {
  PageControl1->addTab(page, tabCaption);
}

int TEntryDialog::PageCount() const { return PageControl1->count(); }

TEntryPageFrame* TEntryDialog::Page(int index) const {
  if (index < 0 || index >= PageControl1->count()) return nullptr;
  return qobject_cast<TEntryPageFrame*>(PageControl1->widget(index));
}

void TEntryDialog::FormCreate() {
  if (PageControl1->count() > 0) PageControl1->setCurrentIndex(0);
}

void TEntryDialog::LoadAll(std::initializer_list<const TPageRecord*> records) {
  if (static_cast<int>(records.size()) != PageCount()) throw std::invalid_argument("one record per page is needed");
  int index = 0;
  for (const TPageRecord* record : records) {
    if (record == nullptr) throw std::invalid_argument("missing page record");
    Page(index++)->LoadFromRecord(*record);
  }
}

void TEntryDialog::StoreAll(std::initializer_list<TPageRecord*> records) {
  if (static_cast<int>(records.size()) != PageCount()) throw std::invalid_argument("one record per page is needed");
  int index = 0;
  for (TPageRecord* record : records) {
    if (record == nullptr) throw std::invalid_argument("missing page record");
    Page(index++)->StoreToRecord(*record);
  }
}

void TEntryDialog::PreviewBtnClick() {
  if (TEntryPageFrame* page = Page(PageControl1->currentIndex())) page->PreviewPage();
}

void TEntryDialog::PrintBtnClick() {
  if (TEntryPageFrame* page = Page(PageControl1->currentIndex())) page->PrintPage();
}

void TEntryDialog::HelpBtnClick() {
  if (TEntryPageFrame* page = Page(PageControl1->currentIndex())) page->ShowHelp();
}

void TEntryDialog::CloseBtnClick() { close(); }

void TEntryDialog::reject() {
  // There is no cancel: every way of closing keeps what was typed.
  accept();
}

void TEntryDialog::showEvent(QShowEvent* event) {
  // Whatever tab was active before, the dialog opens on the first one.
  if (!event->spontaneous()) FormCreate();
  QDialog::showEvent(event);
}

int TEntryDialog::Execute() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect desktop = screen->availableGeometry();
    move(desktop.center() - QPoint(width() / 2, height() / 2));
  }
  platform::AttachToApplicationWindow(this);
  return exec();
}

void TEntryDialog::Guarded(const char* what, void (TEntryDialog::*action)()) {
  // An exception must not cross Qt's event loop; it ends the action with an
  // error box and leaves the dialog and its pages as they were.
  try {
    (this->*action)();
  } catch (const std::exception& e) {
    platform::ShowError(what, e.what());
  }
}
