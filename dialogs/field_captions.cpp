#include "dialogs/field_captions.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace dlg {

bool TFieldNameLess::operator()(std::string_view a, std::string_view b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

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

bool IsText(const TControlDef& c) { return c.kind == TCtlKind::Edit || c.kind == TCtlKind::Memo; }

bool SameRow(const TControlDef& a, const TControlDef& b) { return std::abs(a.y - b.y) <= kRowH / 2; }

bool HasLetter(const char* text) {
  for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c >= 0x80 || std::isalpha(c)) return true;
  }
  return false;
}

bool IsLabel(const TControlDef& c) { return c.kind == TCtlKind::Label && HasLetter(c.caption); }

// The page's controls and what the captions are found from.
class TPage {
 public:
  explicit TPage(std::span<const TControlDef> controls) : controls_(controls) {
    for (const TControlDef& c : controls_) {
      if (IsLabel(c)) margin_ = std::min(margin_, c.x);
    }
  }

  const TControlDef* Find(const char* name) const {
    for (const TControlDef& c : controls_) {
      if (c.name != nullptr && std::strcmp(c.name, name) == 0) return &c;
    }
    return nullptr;
  }

  // The caption a control goes by on its own.
  std::string CaptionOf(const TControlDef& control) const {
    for (const TControlDef& c : controls_) {
      if (c.kind == TCtlKind::Label && c.buddy != nullptr && std::strcmp(c.buddy, control.name) == 0) {
        const std::string text = Trimmed(c.caption);
        if (!text.empty()) return text;
      }
    }
    if (control.kind == TCtlKind::Check || control.kind == TCtlKind::Radio) {
      const std::string text = Trimmed(control.caption);
      if (!text.empty()) return text;
    }
    if (std::string cell = GridCell(control); !cell.empty()) return cell;
    if (const TControlDef* before = LabelBefore(control, false)) return Trimmed(before->caption);
    return HeadingAbove(control);
  }

  // What tells the text controls apart, in the order it is tried: the
  // caption of the control before each on its row (it singles out the one
  // it names), its item at the left margin and the title of its box (they
  // part the controls by section).
  std::string Qualifier(int step, const TControlDef& control) const {
    switch (step) {
      case 0: {
        const TControlDef* before = ControlBefore(control);
        return before != nullptr ? CaptionOf(*before) : std::string();
      }
      case 1:
        return Item(control);
      default:
        return BoxTitle(control);
    }
  }
  static constexpr int kQualifiers = 3;

 private:
  // The heading over the control's column: the fixed texts across its
  // middle on the nearest row above that holds no input (a heading may take
  // two rows).
  std::string ColumnHeading(const TControlDef& control) const {
    const int middle = control.x + control.w / 2;
    auto heads = [&](const TControlDef& c) {
      if (c.kind != TCtlKind::Label || c.w <= 0 || c.x > middle || c.x + c.w < middle || c.y >= control.y) return false;
      return HasLetter(c.caption) && !RowHasInput(c);
    };
    const TControlDef* nearest = nullptr;
    for (const TControlDef& c : controls_) {
      if (heads(c) && (nearest == nullptr || c.y > nearest->y)) nearest = &c;
    }
    if (nearest == nullptr) return {};
    std::string heading;
    for (const TControlDef& c : controls_) {
      if (heads(c) && c.y <= nearest->y && c.y >= nearest->y - kRowH) {
        heading += (heading.empty() ? "" : " ") + Trimmed(c.caption);
      }
    }
    return heading;
  }

  bool RowHasInput(const TControlDef& c) const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [&](const TControlDef& other) { return IsInput(other) && SameRow(other, c); });
  }

  // A cell of a grid (more than one input on its row): the row's name, a
  // fixed text under a column heading before it, and the column's heading.
  std::string GridCell(const TControlDef& control) const {
    int inputs = 0;
    for (const TControlDef& c : controls_) inputs += IsInput(c) && SameRow(c, control) ? 1 : 0;
    if (inputs < 2) return {};
    const TControlDef* first = nullptr;
    for (const TControlDef& c : controls_) {
      if (IsLabel(c) && SameRow(c, control) && c.x < control.x && !ColumnHeading(c).empty() &&
          (first == nullptr || c.x < first->x)) {
        first = &c;
      }
    }
    const std::string rowName = first != nullptr ? Trimmed(first->caption) : std::string();
    const std::string heading = ColumnHeading(control);
    if (!rowName.empty() && !heading.empty()) return rowName + " — " + heading;
    return rowName + heading;
  }

  // The nearest label on the control's row ending left of it; with
  // `named`, only one that names a control.
  const TControlDef* LabelBefore(const TControlDef& control, bool named) const {
    const TControlDef* before = nullptr;
    for (const TControlDef& c : controls_) {
      if (!IsLabel(c) || !SameRow(c, control) || c.x >= control.x || (named && c.buddy == nullptr)) continue;
      if (before == nullptr || c.x > before->x) before = &c;
    }
    return before;
  }

  // The control before this one on its row that a label names or that
  // carries its own caption.
  const TControlDef* ControlBefore(const TControlDef& control) const {
    const TControlDef* before = nullptr;
    for (const TControlDef& c : controls_) {
      if (!IsInput(c) || &c == &control || !SameRow(c, control) || c.x >= control.x) continue;
      if (before == nullptr || c.x > before->x) before = &c;
    }
    const TControlDef* label = LabelBefore(control, true);
    if (label != nullptr && (before == nullptr || label->x > before->x)) {
      const TControlDef* named = Find(label->buddy);
      if (named != nullptr && named != &control) return named;
    }
    return before;
  }

  // The text that heads the control from the row just above, where the
  // control starts: a label, or a check box's caption.
  std::string HeadingAbove(const TControlDef& control) const {
    constexpr int kAlign = 4;
    const TControlDef* nearest = nullptr;
    for (const TControlDef& c : controls_) {
      const bool captioned = IsLabel(c) || (c.kind == TCtlKind::Check && HasLetter(c.caption));
      if (!captioned || c.y >= control.y || c.y < control.y - 2 * kRowH || std::abs(c.x - control.x) > kAlign) continue;
      if (nearest == nullptr || c.y > nearest->y) nearest = &c;
    }
    return nearest != nullptr ? Trimmed(nearest->caption) : std::string();
  }

  // The item at the page's left margin that the control belongs to: the
  // nearest text there on its row or above, with the lines of a caption
  // that runs over several (texts that name no control, one under the other).
  std::string Item(const TControlDef& control) const {
    const TControlDef* item = nullptr;
    for (const TControlDef& c : controls_) {
      if (IsLabel(c) && c.x == margin_ && c.y <= control.y + kRowH / 2 && (item == nullptr || c.y > item->y)) item = &c;
    }
    if (item == nullptr) return {};
    std::string text = Trimmed(item->caption);
    if (item->buddy != nullptr) return text;
    for (int step : {-1, 1}) {
      for (const TControlDef* line = item; (line = FindStacked(*line, step)) != nullptr;) {
        text = step < 0 ? Trimmed(line->caption) + " " + text : text + " " + Trimmed(line->caption);
      }
    }
    return text;
  }

  // The text right above (step -1) or below (+1) a caption line at the
  // margin that continues it.
  const TControlDef* FindStacked(const TControlDef& line, int step) const {
    for (const TControlDef& c : controls_) {
      if (!IsLabel(c) || c.x != line.x || c.buddy != nullptr) continue;
      const int gap = step < 0 ? line.y - c.y : c.y - line.y;
      if (gap > 0 && gap <= kRowH + 1) return &c;
    }
    return nullptr;
  }

  // The title of the framed box the control stands in: its caption, or the
  // topmost text inside it on a row without inputs.
  std::string BoxTitle(const TControlDef& control) const {
    auto inside = [](const TControlDef& box, const TControlDef& c) {
      return c.x >= box.x && c.x < box.x + box.w && c.y >= box.y && c.y < box.y + box.h;
    };
    for (const TControlDef& box : controls_) {
      if (box.kind != TCtlKind::Box || !inside(box, control)) continue;
      if (box.caption != nullptr && HasLetter(box.caption)) return Trimmed(box.caption);
      const TControlDef* title = nullptr;
      for (const TControlDef& c : controls_) {
        if (!IsLabel(c) || !inside(box, c) || RowHasInput(c)) continue;
        if (title == nullptr || c.y < title->y || (c.y == title->y && c.x < title->x)) title = &c;
      }
      if (title != nullptr) return Trimmed(title->caption);
    }
    return {};
  }

  std::span<const TControlDef> controls_;
  int margin_ = 1 << 30;
};

// Screen order: rows top to bottom, left to right within a row.
bool Before(const TControlDef* a, const TControlDef* b) {
  if (!SameRow(*a, *b)) return a->y < b->y;
  return a->x < b->x;
}

// The caption of every bound control.
std::map<const TControlDef*, std::string> BoundCaptions(const TPage& page, std::span<const TBinding> bindings) {
  // Each bound control once, with its caption.
  std::vector<const TControlDef*> bound;
  std::map<const TControlDef*, std::string> caption;
  for (const TBinding& b : bindings) {
    const TControlDef* control = page.Find(b.control);
    if (control == nullptr || caption.count(control) != 0) continue;
    bound.push_back(control);
    caption[control] = page.CaptionOf(*control);
  }
  std::sort(bound.begin(), bound.end(), Before);

  // Text controls that read the same, told apart step by step.
  auto groups = [&] {
    std::map<std::string, std::vector<const TControlDef*>> byCaption;
    for (const TControlDef* c : bound) {
      if (IsText(*c) && !caption[c].empty()) byCaption[caption[c]].push_back(c);
    }
    std::vector<std::vector<const TControlDef*>> same;
    for (auto& [text, members] : byCaption) {
      if (members.size() > 1) same.push_back(members);
    }
    return same;
  };
  for (int step = 0; step < TPage::kQualifiers; ++step) {
    for (const auto& group : groups()) {
      std::vector<std::string> qualifiers;
      for (const TControlDef* c : group) {
        std::string q = page.Qualifier(step, *c);
        qualifiers.push_back(q == caption[c] ? std::string() : q);
      }
      if (std::set<std::string>(qualifiers.begin(), qualifiers.end()).size() < 2) continue;
      for (std::size_t i = 0; i < group.size(); ++i) {
        const bool single = std::count(qualifiers.begin(), qualifiers.end(), qualifiers[i]) == 1;
        if (qualifiers[i].empty() || (step == 0 && !single)) continue;
        caption[group[i]] = qualifiers[i] + " — " + caption[group[i]];
      }
    }
  }
  for (const auto& group : groups()) {
    for (std::size_t i = 0; i < group.size(); ++i) caption[group[i]] += " (" + std::to_string(i + 1) + ")";
  }

  return caption;
}

}  // namespace

std::map<std::string, std::string, TFieldNameLess> FieldCaptions(std::span<const TControlDef> controls,
                                                                 std::span<const TBinding> bindings) {
  const TPage page(controls);
  std::map<const TControlDef*, std::string> caption = BoundCaptions(page, bindings);
  std::map<std::string, std::string, TFieldNameLess> byField;
  for (const TBinding& b : bindings) {
    if (const TControlDef* control = page.Find(b.control)) byField.emplace(b.field, caption[control]);
  }
  return byField;
}

std::map<std::string, std::string> ControlCaptions(std::span<const TControlDef> controls,
                                                   std::span<const TBinding> bindings) {
  const TPage page(controls);
  std::map<std::string, std::string> byName;
  for (const auto& [control, text] : BoundCaptions(page, bindings)) byName.emplace(control->name, text);
  for (const TControlDef& c : controls) {
    if (IsInput(c) && c.name != nullptr && byName.count(c.name) == 0) byName.emplace(c.name, page.CaptionOf(c));
  }
  return byName;
}

}  // namespace dlg
