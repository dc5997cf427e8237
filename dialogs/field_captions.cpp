#include "dialogs/field_captions.h"

#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace dlg {
namespace {

std::string Trimmed(const char* caption) {
  std::string text = caption != nullptr ? caption : "";
  // A caption on two lines reads as one.
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == ':')) text.pop_back();
  while (!text.empty() && text.front() == ' ') text.erase(text.begin());
  return text;
}

const TControlDef* FindControl(std::span<const TControlDef> controls, const char* name) {
  for (const TControlDef& c : controls) {
    if (c.name != nullptr && std::strcmp(c.name, name) == 0) return &c;
  }
  return nullptr;
}

std::string CaptionOf(std::span<const TControlDef> controls, const TControlDef& control) {
  for (const TControlDef& c : controls) {
    if (c.kind == TCtlKind::Label && c.buddy != nullptr && std::strcmp(c.buddy, control.name) == 0) {
      const std::string text = Trimmed(c.caption);
      if (!text.empty()) return text;
    }
  }
  if (control.kind == TCtlKind::Check || control.kind == TCtlKind::Radio) {
    const std::string text = Trimmed(control.caption);
    if (!text.empty()) return text;
  }
  // A label on the same row, ending left of the control: the nearest one.
  const TControlDef* before = nullptr;
  for (const TControlDef& c : controls) {
    if (c.kind != TCtlKind::Label || Trimmed(c.caption).empty()) continue;
    if (std::abs(c.y - control.y) > kRowH / 2 || c.x >= control.x) continue;
    if (before == nullptr || c.x > before->x) before = &c;
  }
  return before != nullptr ? Trimmed(before->caption) : std::string();
}

}  // namespace

std::string FieldCaption(std::span<const TControlDef> controls, std::span<const TBinding> bindings,
                         std::string_view field) {
  for (const TBinding& b : bindings) {
    if (b.field == nullptr || field.size() != std::strlen(b.field) ||
        ::strncasecmp(b.field, field.data(), field.size()) != 0) {
      continue;
    }
    const TControlDef* control = FindControl(controls, b.control);
    if (control == nullptr) continue;
    std::string caption = CaptionOf(controls, *control);
    if (!caption.empty()) return caption;
  }
  return {};
}

}  // namespace dlg
