#include "report/report_page.h"

void TReportPageForm::FillDataLabels(const TPageRecord& record) {
  for (const qr::TElementDef& element : QuickRep1.Def().elements) {
    // A data label has a name and no caption of its own.
    if (element.kind != qr::TElementKind::Label || element.name == nullptr || element.text != nullptr) continue;
    QuickRep1.SetCaption(element.name, record.Get(element.property != nullptr ? element.property : element.name));
  }
}
