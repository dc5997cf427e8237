// A page record: one value per property of its class table.
#include "records/page_record.h"

#include <stdexcept>

namespace {

std::string InitialValue(const TPropInfo& prop) {
  return prop.kind == TPropKind::Char ? std::string(1, ' ') : std::string();
}

}  // namespace

TPageRecord::TPageRecord(const TRecordClass& cls) : class_(&cls) {
  values_.reserve(cls.props.size());
  for (const TPropInfo& prop : cls.props) values_.push_back(InitialValue(prop));
}

const std::string& TPageRecord::Get(std::string_view name) const {
  const int index = class_->IndexOf(name);
  if (index < 0) throw std::out_of_range(std::string(class_->className) + " has no property " + std::string(name));
  return values_[static_cast<std::size_t>(index)];
}

void TPageRecord::Set(std::size_t index, std::string_view bytes) {
  if (index >= values_.size()) throw std::out_of_range(std::string(class_->className) + ": property index out of range");
  const TPropInfo& prop = class_->props[index];
  if (prop.kind == TPropKind::Char)
    values_[index].assign(1, bytes.empty() ? ' ' : bytes.front());
  else
    values_[index].assign(bytes.substr(0, prop.maxLen));
}

void TPageRecord::Set(std::string_view name, std::string_view bytes) {
  const int index = class_->IndexOf(name);
  if (index < 0) throw std::out_of_range(std::string(class_->className) + " has no property " + std::string(name));
  Set(static_cast<std::size_t>(index), bytes);
}

void TPageRecord::Clear() {
  // In place: the values keep their storage for what is read next.
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (class_->props[i].kind == TPropKind::Char) {
      values_[i].assign(1, ' ');
    } else {
      values_[i].clear();
    }
  }
}

void TPageRecord::Assign(const TPageRecord* source) {
  if (source == nullptr || source == this || source->class_ != class_) return;
  values_ = source->values_;
}
