#include "dialogs/field_captions.h"

#include <cctype>
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

bool IsInput(const TControlDef& c) {
  return c.kind == TCtlKind::Edit || c.kind == TCtlKind::Memo || c.kind == TCtlKind::Check || c.kind == TCtlKind::Radio;
}

bool SameRow(const TControlDef& a, const TControlDef& b) { return std::abs(a.y - b.y) <= kRowH / 2; }

bool HasLetter(const char* text) {
  for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c >= 0x80 || std::isalpha(c)) return true;
  }
  return false;
}

// The heading over the control's column: the fixed texts across its middle
// on the nearest row above that holds no input (a heading may take two rows).
std::string ColumnHeading(std::span<const TControlDef> controls, const TControlDef& control) {
  const int middle = control.x + control.w / 2;
  auto heads = [&](const TControlDef& c) {
    if (c.kind != TCtlKind::Label || c.w <= 0 || c.x > middle || c.x + c.w < middle || c.y >= control.y) return false;
    if (!HasLetter(c.caption)) return false;
    for (const TControlDef& other : controls) {
      if (IsInput(other) && SameRow(other, c)) return false;
    }
    return true;
  };
  const TControlDef* nearest = nullptr;
  for (const TControlDef& c : controls) {
    if (heads(c) && (nearest == nullptr || c.y > nearest->y)) nearest = &c;
  }
  if (nearest == nullptr) return {};
  std::string heading;
  for (const TControlDef& c : controls) {
    if (heads(c) && c.y <= nearest->y && c.y >= nearest->y - kRowH) {
      heading += (heading.empty() ? "" : " ") + Trimmed(c.caption);
    }
  }
  return heading;
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
  // A cell of a grid (more than one input on its row): the row's name and
  // the column's heading, "Ξηρής σκόνης φορητός 6 χλγ. — Παρατηρήσεις".
  int inputs = 0;
  for (const TControlDef& c : controls) inputs += IsInput(c) && SameRow(c, control) ? 1 : 0;
  if (inputs >= 2) {
    std::string rowName;
    const TControlDef* first = nullptr;
    for (const TControlDef& c : controls) {
      if (c.kind == TCtlKind::Label && SameRow(c, control) && c.x < control.x && HasLetter(c.caption) &&
          (first == nullptr || c.x < first->x)) {
        first = &c;
      }
    }
    if (first != nullptr) rowName = Trimmed(first->caption);
    const std::string heading = ColumnHeading(controls, control);
    if (!rowName.empty() && !heading.empty()) return rowName + " — " + heading;
    if (!rowName.empty() || !heading.empty()) return rowName + heading;
  }
  // A label on the same row, ending left of the control: the nearest one.
  const TControlDef* before = nullptr;
  for (const TControlDef& c : controls) {
    if (c.kind != TCtlKind::Label || Trimmed(c.caption).empty()) continue;
    if (!SameRow(c, control) || c.x >= control.x) continue;
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
