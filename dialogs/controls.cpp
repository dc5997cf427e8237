#include "dialogs/controls.h"

#include <QAbstractButton>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

#include "dialogs/text_codec.h"

namespace dlg {
namespace {

// What an unlimited QLineEdit allows.
constexpr int kLineEditMax = 32767;

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

QValidator::State TStorableValidator::validate(QString& input, int& /*pos*/) const {
  return IsStorable(input) ? Acceptable : Invalid;
}

// ---------------------------------------------------------------------------

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new TStorableValidator(this));
  setMaxLength(kLineEditMax);
  connect(this, &QLineEdit::textChanged, this, [this] { FitMaxLength(); });
}

void TEdit::SetInputLimit(int limit) {
  limit_ = std::max(0, limit);
  FitMaxLength();
}

void TEdit::SetText(const QString& text) {
  // QLineEdit cuts a text to its maximum length; widen it first so that a
  // loaded text longer than the input limit is shown (and stored) whole.
  setMaxLength(std::max<int>(maxLength(), static_cast<int>(text.size())));
  setText(text);
  setCursorPosition(0);  // a long text shows its beginning
  FitMaxLength();
}

void TEdit::FitMaxLength() {
  const int length = static_cast<int>(text().size());
  const int cap = limit_ > 0 ? std::max(limit_, length) : std::max(kLineEditMax, length);
  if (maxLength() != cap) setMaxLength(cap);
}

// ---------------------------------------------------------------------------

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void TMemo::SetInputLimit(int limit) { limit_ = std::max(0, limit); }

void TMemo::SetText(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  setPlainText(lines);
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
  if (limit_ <= 0) return INT_MAX;
  const int length = Length();
  const int selected = CountedLength(textCursor().selectedText());
  return std::max(limit_, length) - (length - selected);
}

QString TMemo::Admit(const QString& input) const {
  int room = Room();
  QString out;
  for (qsizetype i = 0; i < input.size() && room > 0; ++i) {
    const QChar c = input.at(i);
    if (IsLineBreak(c)) {
      if (room < 2) break;
      if (c == QLatin1Char('\r') && i + 1 < input.size() && input.at(i + 1) == QLatin1Char('\n')) ++i;
      out.append(QLatin1Char('\n'));
      room -= 2;
    } else if (IsStorable(c.unicode())) {
      out.append(c);
      room -= 1;
    }
  }
  return out;
}

void TMemo::keyPressEvent(QKeyEvent* event) {
  const bool modified = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !modified) {
    if (Room() < 2) {
      event->accept();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  const QString typed = event->text();
  const bool printable =
      !typed.isEmpty() && std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); });
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
