#include "dialogs/help_form.h"

#include <QBoxLayout>
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include "platform/font_faces.h"
#include "platform/platform.h"

namespace dlg {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Room around the texts on the panel, in pixels.
constexpr int kMarginLeft = 16;
constexpr int kMarginTop = 12;
constexpr int kMarginRight = 16;
constexpr int kMarginBottom = 10;
// How much further a continued line starts than the line it continues.
constexpr int kContinueIndent = 16;
// Between a text and the small button or second text after it.
constexpr int kGapAfterText = 8;
// The close button's least size.
constexpr int kCloseWidth = 75;
constexpr int kCloseHeight = 25;
constexpr int kGlyphWidth = 16;
constexpr int kGlyphHeight = 3;

// Above each row: the least room, and the share of the spare height it gets,
// so that items spread over the dialog and continued lines keep to the line
// they continue.
struct TRowSpacing {
  int least;
  int weight;
};
TRowSpacing SpacingAbove(TRowKind kind) {
  switch (kind) {
    case TRowKind::Heading: return {10, 3};
    case TRowKind::Item: return {4, 2};
    case TRowKind::Continued:
    case TRowKind::ContinuedRight: return {0, 0};
  }
  return {0, 0};
}
// Above the close button.
constexpr TRowSpacing kSpacingAboveClose{12, 3};

}  // namespace

QPixmap BarGlyph() {
  QPixmap glyph(kGlyphWidth, kGlyphHeight);
  glyph.fill(QColor(0, 0, 128));
  QPainter painter(&glyph);
  painter.setPen(QColor(0, 0, 0));
  painter.drawLine(0, kGlyphHeight - 1, kGlyphWidth - 1, kGlyphHeight - 1);
  return glyph;
}

int ExecAndFree(QDialog* dialog) {
  if (!dialog) return -1;
  // Frees the dialog however exec() ends; its owner may have freed it first.
  struct TFreeOnExit {
    QPointer<QDialog> dialog;
    ~TFreeOnExit() { delete dialog.data(); }
  } freeOnExit{dialog};
  return dialog->exec();
}

int ShowHelp(const THelpFormTable& table, QWidget* owner) { return ExecAndFree(new THelpForm(table, owner)); }

THelpForm::THelpForm(const THelpFormTable& table, QWidget* owner)
    : QDialog(owner), table_(table) {
  setWindowTitle(Text(table_.caption));
  QFont font = platform::ScreenFont(table_.face);
  font.setPointSize(table_.pointSize);
  setFont(font);
  BuildContent();
  Place();
  if (!owner) platform::AttachToApplicationWindow(this);
}

THelpForm::~THelpForm() = default;

QPushButton* THelpForm::SmallButton(int index) const {
  if (index < 0 || index >= buttons_.size()) return nullptr;
  return buttons_[index];
}

int THelpForm::OpenSubDialog(int index) {
  if (index < 0 || index >= static_cast<int>(table_.buttons.size())) return -1;
  const THelpFormTable* opens = table_.buttons[static_cast<std::size_t>(index)].opens;
  if (opens == nullptr) return -1;
  return ShowHelp(*opens, this);
}

void THelpForm::BuildContent() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  // The panel scrolls when the window is made smaller than its texts need.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ScrollBox1"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  panel_ = new QFrame;
  panel_->setObjectName(QStringLiteral("Panel1"));
  panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  QPalette palette = panel_->palette();
  palette.setColor(QPalette::Window, table_.colour == TPanelColour::Ivory
                                         ? QColor(kIvoryRed, kIvoryGreen, kIvoryBlue)
                                         : palette.color(QPalette::Button));
  panel_->setPalette(palette);
  panel_->setAutoFillBackground(true);
  scroll->setWidget(panel_);
  outer->addWidget(scroll);

  // The small buttons, in table order; a row places each where it stands.
  for (std::size_t i = 0; i < table_.buttons.size(); ++i) {
    const THelpButton& design = table_.buttons[i];
    auto* button = new QPushButton(panel_);
    button->setObjectName(Text(design.name));
    button->setIcon(QIcon(BarGlyph()));
    button->setIconSize(QSize(kGlyphWidth, kGlyphHeight));
    button->setFixedSize(design.width, design.height);
    button->setAutoDefault(false);
    const int index = static_cast<int>(i);
    connect(button, &QPushButton::clicked, this, [this, index] { OpenSubDialog(index); });
    buttons_.append(button);
  }

  auto* column = new QVBoxLayout(panel_);
  column->setContentsMargins(kMarginLeft, kMarginTop, kMarginRight, kMarginBottom);
  column->setSpacing(0);

  auto newLabel = [this](std::string_view text, std::string_view face, int pointSize,
                         bool wrap) {
    auto* label = new QLabel(panel_);
    label->setObjectName(QStringLiteral("Label%1").arg(labels_.size() + 1));
    label->setTextFormat(Qt::PlainText);
    label->setText(Text(text));
    label->setWordWrap(wrap);
    if (!face.empty() || pointSize > 0) {
      QFont font = this->font();
      if (!face.empty()) font.setFamily(platform::ScreenFontFamily(face));
      if (pointSize > 0) font.setPointSize(pointSize);
      label->setFont(font);
    }
    labels_.append(label);
    return label;
  };

  bool firstRow = true;
  for (const THelpRow& row : table_.rows) {
    if (!firstRow) {
      const TRowSpacing spacing = SpacingAbove(row.kind);
      column->addSpacing(spacing.least);
      if (spacing.weight > 0) column->addStretch(spacing.weight);
    }
    firstRow = false;

    QPushButton* button = nullptr;
    if (row.button >= 0 && row.button < buttons_.size()) button = buttons_[row.button];

    if (row.then.empty() && !button) {
      // One text alone on its row: it wraps when it is too long.
      QLabel* label = newLabel(row.text, row.face, row.pointSize, true);
      switch (row.kind) {
        case TRowKind::Heading: label->setAlignment(Qt::AlignHCenter | Qt::AlignTop); break;
        case TRowKind::Item: label->setAlignment(Qt::AlignLeft | Qt::AlignTop); break;
        case TRowKind::Continued:
          label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
          label->setContentsMargins(kContinueIndent, 0, 0, 0);
          break;
        case TRowKind::ContinuedRight: label->setAlignment(Qt::AlignRight | Qt::AlignTop); break;
      }
      column->addWidget(label);
      continue;
    }

    // A text followed by a second text or by a small button.
    auto* line = new QHBoxLayout;
    line->setSpacing(0);
    if (row.kind == TRowKind::Heading || row.kind == TRowKind::ContinuedRight) line->addStretch(1);
    if (row.kind == TRowKind::Continued) line->addSpacing(kContinueIndent);
    line->addWidget(newLabel(row.text, row.face, row.pointSize, false), 0, Qt::AlignVCenter);
    if (!row.then.empty()) {
      line->addSpacing(kGapAfterText);
      line->addWidget(newLabel(row.then, row.thenFace, row.pointSize, true), 1, Qt::AlignVCenter);
    }
    if (button) {
      line->addSpacing(kGapAfterText);
      line->addWidget(button, 0, Qt::AlignVCenter);
    }
    if (row.kind != TRowKind::ContinuedRight && (row.then.empty() || button))
      line->addStretch(1);
    column->addLayout(line);
  }

  column->addSpacing(kSpacingAboveClose.least);
  column->addStretch(kSpacingAboveClose.weight);
  close_ = new QPushButton(Text(kCloseCaption), panel_);
  close_->setObjectName(Text(table_.closeName));
  if (table_.closeKind == TCloseKind::Bitmap)
    close_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  close_->setMinimumSize(kCloseWidth, kCloseHeight);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  column->addWidget(close_, 0, Qt::AlignHCenter);
}

void THelpForm::Place() {
  resize(table_.width, table_.height);
  if (table_.placement == TPlacement::Designed) {
    move(table_.left, table_.top);
    return;
  }
  QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect desktop = screen->geometry();
  move(desktop.x() + (desktop.width() - table_.width) / 2,
       desktop.y() + (desktop.height() - table_.height) / 2);
}

}  // namespace dlg
