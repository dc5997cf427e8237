#include "dialogs/controls.h"

#include <QAbstractButton>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>

#include "dialogs/text_codec.h"

namespace dlg {
namespace {

bool IsLineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
         c == QChar::LineSeparator;
}

}  // namespace

int CountedLength(const QString& text) {
  int n = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
      n += 2;
      ++i;
    } else {
      n += IsLineBreak(c) ? 2 : 1;
    }
  }
  return n;
}

// ---------------------------------------------------------------------------

namespace {

int Effective(int limit, int fieldMax) {
  int cap = kStoreLimit;
  if (limit > 0) cap = std::min(cap, limit);
  if (fieldMax > 0) cap = std::min(cap, fieldMax);
  return cap;
}

}  // namespace

QString NoticeText(const TAdmitted& admitted, int limit) {
  QStringList parts;
  if (!admitted.leftOut.isEmpty()) {
    QStringList chars;
    for (const uint c : admitted.leftOut.toUcs4()) chars << QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    parts << QStringLiteral("Χαρακτήρες που δεν υποστηρίζονται παραλείφθηκαν: ") + chars.join(QLatin1Char(' '));
  }
  if (!admitted.changed.isEmpty()) {
    parts << QStringLiteral("Χαρακτήρες που δεν υποστηρίζονται άλλαξαν: ") + admitted.changed.join(QStringLiteral(", "));
  }
  if (admitted.cut) parts << QStringLiteral("Το πεδίο χωράει έως %1 χαρακτήρες").arg(limit);
  return parts.join(QLatin1Char('\n'));
}

void ShowNotice(QWidget* control, const QString& notice) {
  if (notice.isEmpty() || !control->isVisible()) return;
  QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), notice, control, QRect(), 6000);
}

namespace {

// A tooltip of plain lines: escaped, so that a value that looks like markup
// shows as typed, and broken between words into lines of a readable length
// (a tooltip of markup would otherwise wrap into a narrow column).
QString PlainToolTip(const QStringList& lines) {
  constexpr qsizetype kLineLength = 70;
  QStringList shown;
  for (const QString& line : lines) {
    QString rest = line;
    while (rest.size() > kLineLength) {
      qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), kLineLength);
      if (cut <= 0) cut = kLineLength;
      shown << rest.left(cut).toHtmlEscaped();
      rest = rest.mid(cut).trimmed();
    }
    shown << rest.toHtmlEscaped();
  }
  if (lines.isEmpty()) return {};
  return QStringLiteral("<p style=\"white-space:pre\">") + shown.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
}

// The mark of a control whose text the printed page cuts: a thin orange
// frame over its border.
void PaintFitMark(QWidget* control) {
  QPainter painter(control);
  painter.setPen(QPen(QColor(0xE0, 0x70, 0x00), 1));
  painter.drawRect(control->rect().adjusted(0, 0, -1, -1));
}

void SetFitProperty(QWidget* control, const QString& note) {
  control->setProperty(kFitCutProperty, !note.isEmpty());
  control->update();
}

}  // namespace

// ---------------------------------------------------------------------------

// Filters every change of the edit's text that the user makes: the part that
// differs from the text before is made storable and capped; the rest stays.
class TEdit::TInputFilter : public QValidator {
 public:
  explicit TInputFilter(TEdit* edit) : QValidator(edit), edit_(edit) {}

  State validate(QString& input, int& pos) const override {
    const QString& before = edit_->accepted_;
    if (edit_->loading_ || input == before) return Acceptable;
    const qsizetype common = std::min(before.size(), input.size());
    qsizetype prefix = 0;
    while (prefix < common && before.at(prefix) == input.at(prefix)) ++prefix;
    if (prefix > 0 && input.at(prefix - 1).isHighSurrogate()) --prefix;
    qsizetype suffix = 0;
    while (suffix < common - prefix && before.at(before.size() - 1 - suffix) == input.at(input.size() - 1 - suffix))
      ++suffix;
    if (suffix > 0 && input.at(input.size() - suffix).isLowSurrogate()) --suffix;
    const QString inserted = input.mid(prefix, input.size() - prefix - suffix);
    const int kept = static_cast<int>(prefix + suffix);
    const int room = std::max(edit_->EffectiveLimit(), static_cast<int>(before.size())) - kept;
    const TAdmitted admitted = AdmitInput(inserted, true, room);
    if (admitted.text != inserted) {
      input = input.left(prefix) + admitted.text + input.right(suffix);
      pos = static_cast<int>(prefix + admitted.text.size());
    }
    edit_->Tell(admitted);
    return Acceptable;
  }

 private:
  TEdit* edit_;
};

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new TInputFilter(this));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    accepted_ = text;
    UpdateToolTip();
  });
}

void TEdit::SetInputLimit(int limit) { limit_ = std::max(0, limit); }

void TEdit::SetFieldMax(int max) { fieldMax_ = std::max(0, max); }

int TEdit::EffectiveLimit() const { return Effective(limit_, fieldMax_); }

void TEdit::SetText(const QString& text) {
  loading_ = true;
  setText(text);
  loading_ = false;
  accepted_ = text;
  notice_.clear();
  setCursorPosition(0);  // a long text shows its beginning
}

void TEdit::Tell(const TAdmitted& admitted) {
  const QString notice = NoticeText(admitted, EffectiveLimit());
  if (notice.isEmpty()) return;
  notice_ = notice;
  ShowNotice(this, notice_);
  emit Noticed(notice_);
}

void TEdit::SetFitNote(const QString& note) {
  if (note == fitNote_) return;
  fitNote_ = note;
  SetFitProperty(this, note);
  UpdateToolTip();
}

bool TEdit::TextOverflows() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this) - textMargins();
  constexpr int kSideMargins = 2 * 2;  // the line edit's own room left and right of the text
  return fontMetrics().horizontalAdvance(text()) > contents.width() - kSideMargins;
}

void TEdit::UpdateToolTip() {
  QStringList lines;
  if (!fitNote_.isEmpty()) lines << fitNote_;
  if (TextOverflows()) lines << text();
  setToolTip(PlainToolTip(lines));
  setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

void TEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  UpdateToolTip();
}

void TEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) UpdateToolTip();
}

void TEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!fitNote_.isEmpty()) PaintFitMark(this);
}

// ---------------------------------------------------------------------------

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Lines wrap at the box's width: a horizontal scroll bar would only take
  // the room of the lines (a memo of one line has none to spare).
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The room around the text is the viewport's margin, sized to whole lines
  // (FitWholeLines), and painted as the text's background.
  document()->setDocumentMargin(0);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  FitWholeLines();
}

int TMemo::LineHeight() const {
  // A block of one line is as high as the font's line spacing, rounded up.
  return static_cast<int>(std::ceil(QFontMetricsF(document()->defaultFont()).lineSpacing()));
}

void TMemo::FitWholeLines() {
  constexpr int kSide = 3;     // room left and right of the text
  constexpr int kMinTop = 1;   // least room above the first line
  constexpr int kMaxTop = 3;   // most room above it; the rest of the spare room goes below the last line
  const int line = LineHeight();
  const int inner = height() - 2 * frameWidth();
  if (line <= 0 || inner <= line) {
    setViewportMargins(kSide, 0, kSide, 0);
    return;
  }
  const int rows = std::max(1, (inner - kMinTop) / line);
  const int spare = inner - rows * line;
  const int top = std::clamp(spare / 2, 0, kMaxTop);
  setViewportMargins(kSide, top, kSide, spare - top);
}

void TMemo::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  FitWholeLines();
}

void TMemo::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) FitWholeLines();
}

bool TMemo::event(QEvent* event) {
  const bool handled = QPlainTextEdit::event(event);
  // The frame is painted here, not in paintEvent (the viewport's).
  if (event->type() == QEvent::Paint && !fitNote_.isEmpty()) PaintFitMark(this);
  return handled;
}

void TMemo::SetFitNote(const QString& note) {
  if (note == fitNote_) return;
  fitNote_ = note;
  SetFitProperty(this, note);
  setToolTip(PlainToolTip(note.isEmpty() ? QStringList() : QStringList{note}));
  setAccessibleDescription(note);
}

void TMemo::SetInputLimit(int limit) { limit_ = std::max(0, limit); }

void TMemo::SetFieldMax(int max) { fieldMax_ = std::max(0, max); }

int TMemo::EffectiveLimit() const { return Effective(limit_, fieldMax_); }

void TMemo::SetText(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  setPlainText(lines);
  notice_.clear();
}

QString TMemo::Text() const {
  // The raw text keeps a no-break space as it is (toPlainText would turn it
  // into a blank); lines end in paragraph or line separators.
  QString raw = document()->toRawText();
  QString out;
  out.reserve(raw.size() + raw.size() / 8);
  for (const QChar c : raw) {
    if (IsLineBreak(c)) {
      out.append(QLatin1String("\r\n"));
    } else {
      out.append(c);
    }
  }
  return out;
}

int TMemo::Length() const { return static_cast<int>(Text().size()); }

int TMemo::Room() const {
  const int length = Length();
  const int selected = CountedLength(textCursor().selectedText());
  return std::max(EffectiveLimit(), length) - (length - selected);
}

QString TMemo::Admit(const QString& input) {
  const TAdmitted admitted = AdmitInput(input, false, Room());
  const QString notice = NoticeText(admitted, EffectiveLimit());
  if (!notice.isEmpty()) {
    notice_ = notice;
    ShowNotice(this, notice_);
    emit Noticed(notice_);
  }
  return admitted.text;
}

void TMemo::keyPressEvent(QKeyEvent* event) {
  const bool modified = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !modified) {
    if (Room() < 2) {
      Admit(QStringLiteral("\n"));  // tells that the memo is full
      event->accept();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  const QString typed = event->text();
  const bool printable = !typed.isEmpty() && std::none_of(typed.begin(), typed.end(), [](QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
  });
  if (!printable) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  const QString admitted = Admit(typed);
  if (admitted == typed) {
    QPlainTextEdit::keyPressEvent(event);
  } else {
    if (!admitted.isEmpty()) insertPlainText(admitted);
    event->accept();
  }
}

void TMemo::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  const QString admitted = commit.isEmpty() ? commit : Admit(commit);
  if (admitted == commit) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(admitted, event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&filtered);
  event->accept();
}

bool TMemo::canInsertFromMimeData(const QMimeData* source) const { return source != nullptr && source->hasText(); }

void TMemo::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) return;
  const QString admitted = Admit(source->text());
  if (admitted.isEmpty()) return;
  insertPlainText(admitted);
  ensureCursorVisible();
}

// ---------------------------------------------------------------------------

TCompactStyle::TCompactStyle() = default;

int TCompactStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  switch (metric) {
    case PM_TabBarTabHSpace:
      return 14;
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
      return 12;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

namespace {
constexpr int kCaptionHeight = 14;
constexpr int kItemHeight = 13;
}  // namespace

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QFrame(parent), caption_(new QLabel(caption, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(0);
  caption_->setFixedHeight(kCaptionHeight);
  layout->addWidget(caption_);
  auto* style = new TCompactStyle;
  style->setParent(this);
  buttons_.setExclusive(true);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items.at(i), this);
    button->setStyle(style);
    button->setFixedHeight(kItemHeight);
    buttons_.addButton(button, i);
    layout->addWidget(button);
  }
  layout->addStretch(1);
  connect(&buttons_, &QButtonGroup::idToggled, this, [this](int, bool) { UpdateTabStop(); });
  UpdateTabStop();
}

void TRadioGroup::UpdateTabStop() {
  // Only the selected item (or the first, when none is) is a Tab stop.
  QAbstractButton* stop = buttons_.checkedButton();
  const QList<QAbstractButton*> all = buttons_.buttons();
  if (stop == nullptr && !all.isEmpty()) stop = all.front();
  for (QAbstractButton* button : all) button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

int TRadioGroup::ItemIndex() const { return buttons_.checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_.button(index)) {
    button->setChecked(true);
    return;
  }
  if (QAbstractButton* checked = buttons_.checkedButton()) {
    buttons_.setExclusive(false);
    checked->setChecked(false);
    buttons_.setExclusive(true);
  }
}

QString TRadioGroup::ItemText(int index) const {
  const QAbstractButton* button = buttons_.button(index);
  return button != nullptr ? button->text() : QString();
}

// ---------------------------------------------------------------------------

TLabel::TLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (focusControl_ == nullptr || event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
    return;
  if (!focusControl_->isEnabled()) return;
  if (auto* button = qobject_cast<QAbstractButton*>(focusControl_)) {
    button->setFocus(Qt::MouseFocusReason);
    button->click();
  } else {
    focusControl_->setFocus(Qt::MouseFocusReason);
  }
}

}  // namespace dlg
