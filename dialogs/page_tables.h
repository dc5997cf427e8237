// Control and binding tables put together at start-up from a page's row
// data, for the regular grids (extinguisher lists and the like) where writing
// every cell out would only repeat the same pattern row after row.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "dialogs/dialog_tables.h"

namespace dlg {

class TPageTables {
 public:
  // Keeps a copy of the text for the life of the tables.
  const char* Keep(std::string text);
  void Add(const TControlDef& control) { controls_.push_back(control); }
  void Bind(const char* control, const char* field, TBindKind kind, const TCodeTable* codes = nullptr) {
    bindings_.push_back({control, field, kind, codes});
  }
  TPageDesc Desc() const { return {controls_, bindings_}; }

 private:
  std::deque<std::string> strings_;
  std::vector<TControlDef> controls_;
  std::vector<TBinding> bindings_;
};

inline const char* TPageTables::Keep(std::string text) {
  strings_.push_back(std::move(text));
  return strings_.back().c_str();
}

}  // namespace dlg
