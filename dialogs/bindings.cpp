#include "dialogs/bindings.h"

#include <QCheckBox>
#include <QWidget>

#include <algorithm>
#include <map>
#include <stdexcept>

#include "dialogs/controls.h"
#include "dialogs/text_codec.h"
#include "records/cp1253.h"
#include "records/page_record.h"

namespace dlg {
namespace {

// The longest text any control writes, whatever its field.
constexpr std::size_t kStoreCut = 255;

template <class T>
T* Control(const QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

const TPropInfo& FieldInfo(const TPageRecord& record, const char* field) {
  const int index = record.Class().IndexOf(field);
  if (index < 0) {
    throw std::logic_error(std::string(record.Class().className) + " has no field " + field);
  }
  return record.Class().props[static_cast<std::size_t>(index)];
}

char CodeByte(char32_t code) {
  const int byte = UnicodeToCp1253(code);
  if (byte < 0) throw std::logic_error("code table holds a character code page 1253 cannot hold");
  return static_cast<char>(byte);
}

}  // namespace

int ItemForCode(const TCodeTable& table, char byte) {
  if (byte != ' ') {
    for (std::size_t i = 0; i < table.items.size(); ++i) {
      const char32_t code = table.items[i].code;
      if (code != U' ' && CodeByte(code) == byte) return static_cast<int>(i);
    }
  }
  return table.defaultItem;
}

char CodeForItem(const TCodeTable& table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.items.size()) return ' ';
  return CodeByte(table.items[static_cast<std::size_t>(index)].code);
}

std::string CutToField(std::string_view bytes, std::size_t fieldMax) {
  const std::size_t limit = std::min(kStoreCut, fieldMax);
  if (bytes.size() <= limit) return std::string(bytes);
  std::size_t cut = limit;
  // A line break is CR LF; cutting between the two would leave a stray CR.
  if (cut > 0 && bytes[cut - 1] == '\r' && bytes[cut] == '\n') --cut;
  return std::string(bytes.substr(0, cut));
}

void FitControlsToFields(QWidget* root, std::span<const TBinding> table, const TPageRecord& record) {
  std::map<QWidget*, int> shortest;
  for (const TBinding& b : table) {
    if (b.kind != TBindKind::Text) continue;
    QWidget* control = Control<TEdit>(root, b.control);
    if (control == nullptr) control = Control<TMemo>(root, b.control);
    if (control == nullptr) continue;  // LoadBindings and CheckBindings tell
    const int max = static_cast<int>(FieldInfo(record, b.field).maxLen);
    auto [it, added] = shortest.emplace(control, max);
    if (!added) it->second = std::min(it->second, max);
  }
  for (const auto& [control, max] : shortest) {
    if (auto* edit = qobject_cast<TEdit*>(control)) {
      edit->SetFieldMax(max);
    } else if (auto* memo = qobject_cast<TMemo*>(control)) {
      memo->SetFieldMax(max);
    }
  }
}

void LoadBindings(QWidget* root, std::span<const TBinding> table, const TPageRecord& record) {
  FitControlsToFields(root, table, record);
  for (const TBinding& b : table) {
    const std::string& value = record.Get(b.field);
    switch (b.kind) {
      case TBindKind::Text:
        if (auto* edit = Control<TEdit>(root, b.control)) {
          edit->SetText(FromRecordBytes(value));
        } else if (auto* memo = Control<TMemo>(root, b.control)) {
          memo->SetText(FromRecordBytes(value));
        } else {
          throw std::logic_error(std::string("no edit or memo ") + b.control);
        }
        break;
      case TBindKind::Radio: {
        auto* group = Control<TRadioGroup>(root, b.control);
        if (group == nullptr || b.codes == nullptr) throw std::logic_error(std::string("bad radio row ") + b.control);
        group->SetItemIndex(ItemForCode(*b.codes, value.empty() ? ' ' : value.front()));
        break;
      }
      case TBindKind::YesNo:
      case TBindKind::Mark: {
        auto* box = Control<QCheckBox>(root, b.control);
        if (box == nullptr) throw std::logic_error(std::string("no check box ") + b.control);
        box->setChecked(b.kind == TBindKind::YesNo ? value == kYes : value == std::string(1, kMark));
        break;
      }
    }
  }
}

void StoreBindings(const QWidget* root, std::span<const TBinding> table, TPageRecord& record) {
  for (const TBinding& b : table) {
    switch (b.kind) {
      case TBindKind::Text: {
        QString text;
        if (const auto* edit = Control<TEdit>(root, b.control)) {
          text = edit->Text();
        } else if (const auto* memo = Control<TMemo>(root, b.control)) {
          text = memo->Text();
        } else {
          throw std::logic_error(std::string("no edit or memo ") + b.control);
        }
        record.Set(b.field, CutToField(ToRecordBytes(text), FieldInfo(record, b.field).maxLen));
        break;
      }
      case TBindKind::Radio: {
        const auto* group = Control<TRadioGroup>(root, b.control);
        if (group == nullptr || b.codes == nullptr) throw std::logic_error(std::string("bad radio row ") + b.control);
        record.Set(b.field, std::string(1, CodeForItem(*b.codes, group->ItemIndex())));
        break;
      }
      case TBindKind::YesNo:
      case TBindKind::Mark: {
        const auto* box = Control<QCheckBox>(root, b.control);
        if (box == nullptr) throw std::logic_error(std::string("no check box ") + b.control);
        if (b.kind == TBindKind::YesNo) {
          record.Set(b.field, box->isChecked() ? kYes : kNo);
        } else {
          record.Set(b.field, std::string(1, box->isChecked() ? kMark : kNoMark));
        }
        break;
      }
    }
  }
}

void CheckBindings(const QWidget* root, std::span<const TBinding> table, const TPageRecord& record) {
  for (const TBinding& b : table) {
    const TPropInfo& info = FieldInfo(record, b.field);
    const std::string where = std::string(record.Class().className) + "." + b.field + " <- " + b.control;
    switch (b.kind) {
      case TBindKind::Text:
        if (info.kind != TPropKind::Text) throw std::logic_error("text binding on a character field: " + where);
        if (Control<TEdit>(root, b.control) == nullptr && Control<TMemo>(root, b.control) == nullptr)
          throw std::logic_error("no edit or memo: " + where);
        break;
      case TBindKind::Radio:
        if (info.kind != TPropKind::Char) throw std::logic_error("radio group on a text field: " + where);
        if (b.codes == nullptr || b.codes->items.empty() || b.codes->defaultItem < 0 ||
            static_cast<std::size_t>(b.codes->defaultItem) >= b.codes->items.size())
          throw std::logic_error("radio row without a sound code table: " + where);
        if (Control<TRadioGroup>(root, b.control) == nullptr) throw std::logic_error("no radio group: " + where);
        break;
      case TBindKind::YesNo:
        if (info.kind != TPropKind::Text || info.maxLen < kYes.size())
          throw std::logic_error("yes/no binding on a field too short: " + where);
        if (Control<QCheckBox>(root, b.control) == nullptr) throw std::logic_error("no check box: " + where);
        break;
      case TBindKind::Mark:
        if (Control<QCheckBox>(root, b.control) == nullptr) throw std::logic_error("no check box: " + where);
        break;
    }
  }
}

}  // namespace dlg
