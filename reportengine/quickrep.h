// Page reports and the operations every report and entry page uses: set a
// data label's caption, preview and print one page. A report of several
// pages is a list of page reports (see RunOutput and WritePdf).
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "reportengine/model.h"

class TPageRecord;

namespace qr {

// Where a data label's caption came from: the record and the property the
// page's fill operation took it from; empty for a caption set otherwise.
struct TCaptionSource {
  const TPageRecord* record = nullptr;
  const char* property = nullptr;
};

class TQuickRep {
 public:
  explicit TQuickRep(const TPageDef& def);
  ~TQuickRep();
  TQuickRep(const TQuickRep&) = delete;
  TQuickRep& operator=(const TQuickRep&) = delete;

  const TPageDef& Def() const { return *def_; }

  // Sets the caption of the named data label; the caption arrives as code
  // page 1253 bytes and is converted here. An unknown name throws
  // std::out_of_range (a fault in a page description, not in user data).
  void SetCaption(std::string_view labelName, std::string_view cp1253);
  // The same, remembering the record field the caption comes from.
  void SetCaption(std::string_view labelName, std::string_view cp1253, TCaptionSource source);
  const TCaptionSource& SourceAt(std::size_t elementIndex) const { return sources_.at(elementIndex); }
  QString Caption(std::string_view labelName) const;
  // The caption drawn for element i (fixed text, or a data label's caption).
  const QString& CaptionAt(std::size_t elementIndex) const;

  // Called before the page's bands print, in every output; the hook may set
  // or leave the more-data flag (it starts true for the one pass).
  std::function<void(bool& moreData)> OnNeedData;

  // Preview in the modal preview window; returns when the user closes it.
  void Preview();
  // Print without a printer dialog to the default printer.
  void Print();

  // Implementation detail of the renderer: the laid-out text of each element
  // is cached here and dropped when a caption changes.
  struct Cache;
  Cache& LayoutCache() const;

 private:
  const TPageDef* def_;
  std::vector<QString> captions_;
  std::vector<TCaptionSource> sources_;
  mutable std::unique_ptr<Cache> cache_;
};

}  // namespace qr
