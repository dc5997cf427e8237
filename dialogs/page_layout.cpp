#include "dialogs/page_layout.h"

#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/controls.h"
#include "dialogs/field_captions.h"
#include "platform/font_faces.h"

namespace dlg {
namespace {

QString Utf8(const char* text) { return text != nullptr ? QString::fromUtf8(text) : QString(); }

const TCodeTable* CodesOf(std::span<const TBinding> bindings, const char* name) {
  for (const TBinding& b : bindings) {
    if (b.kind == TBindKind::Radio && std::string_view(b.control) == name) return b.codes;
  }
  return nullptr;
}

// Controls other than labels keep the page's font unless their row asks
// for another.
void ApplyFont(QWidget* control, const TControlDef& d) {
  if (d.font.face != nullptr || d.font.points != 0 || (d.style & (csBold | csUnderline)) != 0) {
    control->setFont(ControlFont(control->font(), d.font, d.style));
  }
}

QWidget* MakeLabel(QWidget* panel, const TControlDef& d) {
  auto* label = new TLabel(Utf8(d.caption), panel);
  label->setFont(ControlFont(label->font(), d.font, d.style));
  Qt::Alignment align = (d.style & csTop) ? Qt::AlignTop : Qt::AlignVCenter;
  align |= (d.style & csCentre) ? Qt::AlignHCenter : (d.style & csRight) ? Qt::AlignRight : Qt::AlignLeft;
  label->setAlignment(align);
  label->setWordWrap(d.style & csWrap);
  if (d.hint != nullptr) label->setToolTip(Utf8(d.hint));
  const int width = d.w > 0 ? d.w : label->sizeHint().width();
  label->setGeometry(d.x, d.y, width, d.h);
  return label;
}

}  // namespace

QFont ControlFont(const QFont& base, const TControlFont& font, std::uint8_t style) {
  QFont result = base;
  if (font.face != nullptr) result.setFamily(platform::ScreenFontFamily(font.face));
  // Points at 96 dpi, as the pages are laid out, whatever the screen.
  if (font.points > 0) result.setPixelSize((font.points * 96 + 36) / 72);
  result.setBold(style & csBold);
  result.setUnderline(style & csUnderline);
  return result;
}

void BuildControls(QWidget* panel, std::span<const TControlDef> table, std::span<const TBinding> bindings) {
  std::vector<QWidget*> tabChain;
  std::vector<std::pair<TLabel*, const char*>> buddies;
  std::vector<QWidget*> boxes;
  const std::map<std::string, std::string> captions = ControlCaptions(table, bindings);
  auto name = [&](QWidget* control, const TControlDef& d) {
    const auto it = captions.find(d.name);
    if (it != captions.end()) control->setAccessibleName(QString::fromStdString(it->second));
    if (d.style & csStretch) control->setProperty(kPlacedWidthProperty, d.w);
  };

  for (const TControlDef& d : table) {
    switch (d.kind) {
      case TCtlKind::Label: {
        auto* label = static_cast<TLabel*>(MakeLabel(panel, d));
        if (d.buddy != nullptr) buddies.emplace_back(label, d.buddy);
        if (d.style & csStretch) label->setProperty(kPlacedWidthProperty, label->width());
        break;
      }
      case TCtlKind::Edit: {
        auto* edit = new TEdit(panel);
        edit->setObjectName(QString::fromLatin1(d.name));
        edit->SetInputLimit(d.limit);
        ApplyFont(edit, d);
        edit->setGeometry(d.x, d.y, d.w, d.h);
        name(edit, d);
        tabChain.push_back(edit);
        break;
      }
      case TCtlKind::Memo: {
        auto* memo = new TMemo(panel);
        memo->setObjectName(QString::fromLatin1(d.name));
        memo->SetInputLimit(d.limit);
        ApplyFont(memo, d);
        memo->setGeometry(d.x, d.y, d.w, d.h);
        name(memo, d);
        tabChain.push_back(memo);
        break;
      }
      case TCtlKind::Check: {
        auto* box = new QCheckBox(Utf8(d.caption), panel);
        box->setObjectName(QString::fromLatin1(d.name));
        if (d.hint != nullptr) box->setToolTip(Utf8(d.hint));
        ApplyFont(box, d);
        const int width = d.w > 0 ? d.w : box->sizeHint().width();
        box->setGeometry(d.x, d.y, width, d.h);
        name(box, d);
        tabChain.push_back(box);
        break;
      }
      case TCtlKind::Radio: {
        const TCodeTable* codes = CodesOf(bindings, d.name);
        if (codes == nullptr || codes->items.empty()) {
          throw std::logic_error(std::string("radio group without a code table: ") + d.name);
        }
        QStringList items;
        for (const TCodeItem& item : codes->items) items << Utf8(item.text);
        auto* group = new TRadioGroup(Utf8(d.caption), items, panel);
        group->setObjectName(QString::fromLatin1(d.name));
        ApplyFont(group, d);
        group->setGeometry(d.x, d.y, d.w, d.h);
        name(group, d);
        for (QRadioButton* button : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
          tabChain.push_back(button);
        }
        break;
      }
      case TCtlKind::Box: {
        // A captioned box shows its caption over the frame; a plain one is
        // only the frame.
        QWidget* box;
        if (d.caption != nullptr) {
          box = new QGroupBox(Utf8(d.caption), panel);
        } else {
          auto* frame = new QFrame(panel);
          frame->setFrameShape(QFrame::StyledPanel);
          frame->setFrameShadow(QFrame::Sunken);
          box = frame;
        }
        ApplyFont(box, d);
        box->setGeometry(d.x, d.y, d.w, d.h);
        boxes.push_back(box);
        break;
      }
      case TCtlKind::HLine:
      case TCtlKind::VLine: {
        auto* line = new QFrame(panel);
        line->setFrameShape(d.kind == TCtlKind::HLine ? QFrame::HLine : QFrame::VLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        line->setGeometry(d.x, d.y, d.w, d.h);
        if (d.style & csStretch) line->setProperty(kPlacedWidthProperty, d.w);
        boxes.push_back(line);
        break;
      }
    }
  }
  // Boxes and lines stand behind the controls drawn in them.
  for (QWidget* box : boxes) box->lower();

  for (auto& [label, buddy] : buddies) {
    QWidget* target = panel->findChild<QWidget*>(QString::fromLatin1(buddy));
    if (target == nullptr) throw std::logic_error(std::string("label names a missing control: ") + buddy);
    label->SetFocusControl(target);
  }
  for (std::size_t i = 1; i < tabChain.size(); ++i) QWidget::setTabOrder(tabChain[i - 1], tabChain[i]);
}

void StretchControls(QWidget* panel, int extra) {
  for (QWidget* control : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QVariant placed = control->property(kPlacedWidthProperty);
    if (!placed.isValid()) continue;
    control->resize(placed.toInt() + std::max(0, extra), control->height());
  }
}

}  // namespace dlg
