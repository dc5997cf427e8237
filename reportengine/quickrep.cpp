// Page reports: the captions of one page description.
#include "reportengine/quickrep.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "records/cp1253.h"
#include "reportengine/layout_cache.h"
#include "reportengine/output.h"
#include "reportengine/renderer.h"

namespace qr {
namespace {

bool HasCaption(TElementKind kind) { return kind == TElementKind::Label || kind == TElementKind::TextBlock; }

QString FromCp1253(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte == 0) continue;  // a stray NUL of a fixed-width field prints nothing
    const char32_t code = Cp1253ToUnicode(byte);
    text.append(code == 0 ? QChar(QChar::ReplacementCharacter) : QChar(static_cast<char16_t>(code)));
  }
  return text;
}

std::string FormName(const TPageDef& def) { return def.formName != nullptr ? def.formName : "page report"; }

}  // namespace

TQuickRep::TQuickRep(const TPageDef& def)
    : def_(&def), captions_(def.elements.size()), sources_(def.elements.size()) {
  for (std::size_t i = 0; i < def.elements.size(); ++i) {
    const TElementDef& e = def.elements[i];
    // A data label starts empty: the text of its description is only a
    // placeholder that its page's fill operation always replaces.
    const bool dataLabel = e.kind == TElementKind::Label && e.name != nullptr;
    if (HasCaption(e.kind) && !dataLabel && e.text != nullptr) captions_[i] = QString::fromUtf8(e.text);
    if (e.name == nullptr) continue;
    for (std::size_t j = 0; j < i; ++j) {
      const char* other = def.elements[j].name;
      if (other != nullptr && std::strcmp(other, e.name) == 0) {
        throw std::invalid_argument(FormName(def) + ": two elements are named " + e.name);
      }
    }
  }
}

TQuickRep::~TQuickRep() = default;

namespace {
std::size_t FindLabel(const TPageDef& def, std::string_view name) {
  for (std::size_t i = 0; i < def.elements.size(); ++i) {
    const TElementDef& e = def.elements[i];
    if (e.name != nullptr && HasCaption(e.kind) && name == e.name) return i;
  }
  throw std::out_of_range(FormName(def) + " has no label named " + std::string(name));
}
}  // namespace

void TQuickRep::SetCaption(std::string_view labelName, std::string_view cp1253) {
  SetCaption(labelName, cp1253, TCaptionSource{});
}

void TQuickRep::SetCaption(std::string_view labelName, std::string_view cp1253, TCaptionSource source) {
  const std::size_t index = FindLabel(*def_, labelName);
  sources_[index] = source;
  QString caption = FromCp1253(cp1253);
  if (caption == captions_[index]) return;
  captions_[index] = std::move(caption);
  if (cache_) cache_->Drop(index);
}

QString TQuickRep::Caption(std::string_view labelName) const { return captions_[FindLabel(*def_, labelName)]; }

const QString& TQuickRep::CaptionAt(std::size_t elementIndex) const { return captions_.at(elementIndex); }

TQuickRep::Cache& TQuickRep::LayoutCache() const {
  if (!cache_) cache_ = std::make_unique<Cache>(def_->elements.size());
  return *cache_;
}

void TQuickRep::Preview() { RunOutput(TOutputAction::Preview, {this}); }

void TQuickRep::Print() { RunOutput(TOutputAction::Print, {this}); }

}  // namespace qr
