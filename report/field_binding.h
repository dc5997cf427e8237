// The binding of a report page's data labels to the fields of its record.
//
// Filling a page is one walk over its binding table: every data label gets
// the text of its field, as stored (code page 1253). A one-character field
// is a text of exactly that character, so it prints as that character.
#pragma once

#include <span>

#include "records/page_record.h"
#include "reportengine/quickrep.h"

namespace rpt {

struct TFieldBinding {
  const char* label;               // data label of the page
  const char* property = nullptr;  // record property; nullptr: the label's own name
  const char* Property() const { return property != nullptr ? property : label; }
};

// Sets the caption of every bound label from the record; nothing else.
void FillFromBindings(qr::TQuickRep& report, const TPageRecord& record, std::span<const TFieldBinding> bindings);

}  // namespace rpt
