#include "report/field_binding.h"

namespace rpt {

void FillFromBindings(qr::TQuickRep& report, const TPageRecord& record, std::span<const TFieldBinding> bindings) {
  for (const TFieldBinding& binding : bindings) report.SetCaption(binding.label, record.Get(binding.Property()), {&record, binding.Property()});
}

}  // namespace rpt
