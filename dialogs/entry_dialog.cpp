#include "dialogs/entry_dialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <map>
#include <stdexcept>

#include "dialogs/controls.h"
#include "dialogs/entry_page.h"
#include "dialogs/glyphs.h"
#include "platform/font_faces.h"
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

TEntryDialog::TEntryDialog(QWidget* owner, const dlg::TDialogDesc& desc) : QDialog(owner), sizeable_(desc.border == dlg::TDialogBorder::Sizeable) {
  setObjectName(QString::fromLatin1(desc.objectName));
  setWindowTitle(QString::fromUtf8(desc.caption));
  setModal(true);
  // The pages are laid out for a sans-serif face 11 pixels high.
  QFont face = platform::ScreenFont("MS Sans Serif");
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

  // Alt and the underlined letter press a button.
  PreviewBtn = MakeButton(Panel1, "PreviewBtn", QStringLiteral("&Προεπισκόπηση"), dlg::PreviewGlyph());
  PrintBtn = MakeButton(Panel1, "PrintBtn", QStringLiteral("Ε&κτύπωση"), dlg::PrintGlyph());
  HelpBtn = MakeButton(Panel1, "HelpBtn", QStringLiteral("&Οδηγίες συμπλήρωσης"), dlg::HelpGlyph());
  CloseBtn = MakeButton(Panel1, "CloseBtn", QStringLiteral("&Επιστροφή"), dlg::CloseGlyph());
  Status = new QLabel(Panel1);
  Status->setObjectName(QStringLiteral("Status"));
  Status->setWordWrap(true);
  Status->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Status->setMinimumWidth(0);
  Status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  Status->setTextFormat(Qt::RichText);
  connect(Status, &QLabel::linkActivated, this, [this] { FocusNextCutField(); });
  auto* bar = new QHBoxLayout(Panel1);
  bar->setContentsMargins(6, 3, 6, 3);
  bar->setSpacing(6);
  bar->addWidget(PreviewBtn);
  bar->addWidget(PrintBtn);
  bar->addWidget(Status, 1);
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

  if (!sizeable_) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(desc.width, desc.height);
  } else {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    resize(desc.width, desc.height);
  }

  for (const dlg::TTabDef& tab : desc.tabs) {
    AddPage(new TEntryPageFrame(this, tab), QString::fromUtf8(tab.caption));
  }
  fitPending_.assign(desc.tabs.size(), false);
  cutCount_.assign(desc.tabs.size(), 0);
  fitTimer_.setSingleShot(true);
  fitTimer_.setInterval(kFitDelayMs);
  connect(&fitTimer_, &QTimer::timeout, this, [this] { FlushFitCheck(); });
  noticeTimer_.setSingleShot(true);
  noticeTimer_.setInterval(kNoticeShownMs);
  connect(&noticeTimer_, &QTimer::timeout, this, [this] {
    notice_.clear();
    UpdateStatus();
  });
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) { TabChanged(index); });
  TabChanged(PageControl1->currentIndex());
  // A sizeable window can shrink down to its tab bar and button bar (the
  // pages scroll). Settled here, before the window exists, rather than by the
  // layout when it is first shown: some platforms cannot take new size hints
  // of a window that is already there.
  if (sizeable_) setMinimumSize(QWidget::layout()->minimumSize());
  FormCreate();
}

TEntryDialog::~TEntryDialog() = default;

void TEntryDialog::AddPage(TEntryPageFrame* page, const QString& tabCaption) {
  const int index = PageControl1->count();
  for (QWidget* control : page->TextControls()) {
    auto changed = [this, index] {
      if (!checker_) return;
      fitPending_[static_cast<std::size_t>(index)] = true;
      fitTimer_.start();
    };
    if (auto* edit = qobject_cast<dlg::TEdit*>(control)) {
      connect(edit, &QLineEdit::textChanged, this, changed);
      connect(edit, &dlg::TEdit::Noticed, this, &TEntryDialog::ShowNotice);
    } else if (auto* memo = qobject_cast<dlg::TMemo*>(control)) {
      connect(memo, &QPlainTextEdit::textChanged, this, changed);
      connect(memo, &dlg::TMemo::Noticed, this, &TEntryDialog::ShowNotice);
    }
  }
  if (!sizeable_) {
    PageControl1->addTab(page, tabCaption);
    return;
  }
  // The page keeps at least the size its controls are placed in: a smaller
  // window scrolls it, a larger one gives it the room (which its stretching
  // controls, a grid's remarks column, take).
  auto* scroller = new QScrollArea(PageControl1);
  // The Tab key goes from the page's last field on to the tab bar and the
  // buttons, not to the scroll area around the fields.
  scroller->setFocusPolicy(Qt::NoFocus);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  page->setMinimumSize(page->PlacedSize());
  scroller->setWidget(page);
  PageControl1->addTab(scroller, tabCaption);
}

int TEntryDialog::PageCount() const { return PageControl1->count(); }

TEntryPageFrame* TEntryDialog::Page(int index) const {
  if (index < 0 || index >= PageControl1->count()) return nullptr;
  QWidget* tab = PageControl1->widget(index);
  if (auto* scroller = qobject_cast<QScrollArea*>(tab)) tab = scroller->widget();
  return qobject_cast<TEntryPageFrame*>(tab);
}

void TEntryDialog::FormCreate() {
  if (PageControl1->count() > 0) PageControl1->setCurrentIndex(0);
}

void TEntryDialog::LoadPages(std::span<const TPageRecord* const> records) {
  if (static_cast<int>(records.size()) != PageCount()) throw std::invalid_argument("one record per page is needed");
  int index = 0;
  for (const TPageRecord* record : records) {
    if (record == nullptr) throw std::invalid_argument("missing page record");
    Page(index++)->LoadFromRecord(*record);
  }
  CheckAllTabs();
}

void TEntryDialog::StorePages(std::span<TPageRecord* const> records) {
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

void TEntryDialog::keyPressEvent(QKeyEvent* event) {
  // Escape would close the whole dialog from any field: it does nothing.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TEntryDialog::showEvent(QShowEvent* event) {
  // Whatever tab was active before, the dialog opens on the first one, with
  // the caret in its first field.
  if (!event->spontaneous()) {
    FormCreate();
    if (TEntryPageFrame* page = Page(0)) {
      if (QWidget* first = page->FirstField()) first->setFocus(Qt::OtherFocusReason);
    }
  }
  QDialog::showEvent(event);
}

void TEntryDialog::TabChanged(int index) {
  // The help button stays in its place, usable only where the tab has help.
  const TEntryPageFrame* page = Page(index);
  HelpBtn->setEnabled(page != nullptr && page->Tab().help != nullptr);
  notice_.clear();
  UpdateStatus();
}

QString TEntryDialog::FitNote(const TFieldFit& fit) {
  QString note = QStringLiteral("Στο έντυπο τυπώνονται %1 από %2 χαρακτήρες").arg(fit.charactersShown).arg(fit.characters);
  if (fit.lines > 1 || fit.linesShown != fit.lines) {
    note += QStringLiteral(" (%1 από %2 γραμμές)").arg(fit.linesShown).arg(fit.lines);
  }
  return note;
}

QString TEntryDialog::FitSummary(int cutFields) {
  if (cutFields <= 0) return {};
  if (cutFields == 1) return QStringLiteral("1 πεδίο δεν χωράει στο έντυπο");
  return QStringLiteral("%1 πεδία δεν χωρούν στο έντυπο").arg(cutFields);
}

void TEntryDialog::SetFitChecker(TFitChecker checker) {
  checker_ = std::move(checker);
  CheckAllTabs();
}

int TEntryDialog::CutFieldCount(int tab) const {
  return tab >= 0 && tab < static_cast<int>(cutCount_.size()) ? cutCount_[static_cast<std::size_t>(tab)] : 0;
}

void TEntryDialog::CheckAllTabs() {
  if (!checker_) return;
  for (int k = 0; k < PageCount(); ++k) CheckTab(k);
}

void TEntryDialog::FlushFitCheck() {
  fitTimer_.stop();
  if (!checker_) return;
  for (int k = 0; k < PageCount(); ++k) {
    if (fitPending_[static_cast<std::size_t>(k)]) CheckTab(k);
  }
}

void TEntryDialog::CheckTab(int index) {
  const auto k = static_cast<std::size_t>(index);
  fitPending_[k] = false;
  TEntryPageFrame* page = Page(index);
  std::map<QWidget*, QString> notes;
  for (const TFieldFit& fit : checker_(index, page->CurrentRecord())) {
    if (QWidget* control = page->TextControlOf(fit.field)) notes[control] = FitNote(fit);
  }
  for (QWidget* control : page->TextControls()) {
    const auto it = notes.find(control);
    const QString note = it != notes.end() ? it->second : QString();
    if (auto* edit = qobject_cast<dlg::TEdit*>(control)) edit->SetFitNote(note);
    if (auto* memo = qobject_cast<dlg::TMemo*>(control)) memo->SetFitNote(note);
  }
  cutCount_[k] = static_cast<int>(notes.size());
  PageControl1->setTabToolTip(index, FitSummary(cutCount_[k]));
  if (index == PageControl1->currentIndex()) UpdateStatus();
}

void TEntryDialog::ShowNotice(const QString& notice) {
  notice_ = notice;
  noticeTimer_.start();
  UpdateStatus();
}

void TEntryDialog::UpdateStatus() {
  // The notice (for a few seconds) over the summary of the active tab.
  const QString summary = FitSummary(CutFieldCount(PageControl1->currentIndex()));
  QStringList lines;
  if (!notice_.isEmpty() && !summary.isEmpty()) {
    // Two lines: the notice shortened to one (whole in the tooltip).
    const QString first = notice_.section(QLatin1Char('\n'), 0, 0);
    lines << Status->fontMetrics().elidedText(first, Qt::ElideRight, Status->width()).toHtmlEscaped();
  } else if (!notice_.isEmpty()) {
    lines << notice_.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  }
  if (!summary.isEmpty()) lines << QStringLiteral("<a href=\"#cut\">%1</a>").arg(summary);
  Status->setText(lines.join(QStringLiteral("<br>")));
  const bool onlySummary = notice_.isEmpty() && !summary.isEmpty();
  Status->setToolTip(onlySummary ? QStringLiteral("Μετάβαση στο επόμενο πεδίο που δεν χωράει") : notice_);
  QStringList spoken;
  for (const QString& part : {notice_, summary}) {
    if (!part.isEmpty()) spoken << part;
  }
  Status->setAccessibleName(spoken.join(QLatin1Char('\n')));
}

void TEntryDialog::FocusNextCutField() {
  TEntryPageFrame* page = Page(PageControl1->currentIndex());
  if (page == nullptr) return;
  std::vector<QWidget*> cut;
  for (QWidget* control : page->TextControls()) {
    if (control->property(dlg::kFitCutProperty).toBool()) cut.push_back(control);
  }
  if (cut.empty()) return;
  // The one after the field that has the focus, in table order, round again.
  const auto at = std::find(cut.begin(), cut.end(), focusWidget());
  QWidget* next = at == cut.end() || at + 1 == cut.end() ? cut.front() : *(at + 1);
  next->setFocus(Qt::OtherFocusReason);
  if (auto* scroller = qobject_cast<QScrollArea*>(PageControl1->currentWidget())) scroller->ensureWidgetVisible(next);
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
