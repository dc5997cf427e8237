#include "report/report_assembly.h"

#include <stdexcept>
#include <string>

namespace rpt {

std::unique_ptr<qr::TQuickRep> BuildPage(const qr::TPageDef& page, const TPageRecord* record) {
  auto report = std::make_unique<qr::TQuickRep>(page);
  if (record == nullptr) return report;
  for (const qr::TElementDef& element : page.elements) {
    // A data label has a name and no caption of its own.
    if (element.kind != qr::TElementKind::Label || element.name == nullptr || element.text != nullptr) continue;
    const char* property = element.property != nullptr ? element.property : element.name;
    report->SetCaption(element.name, record->Get(property), {record, property});
  }
  return report;
}

TPages BuildPages(std::span<const TReportPageRef> pages, std::span<const TPageRecord> study, std::uint8_t studyType) {
  TPages built;
  for (const TReportPageRef& ref : pages) {
    if (ref.onlyForStudyType != 0 && ref.onlyForStudyType != studyType) continue;
    if (ref.slot < 0 || static_cast<std::size_t>(ref.slot) > study.size()) {
      throw std::invalid_argument(std::string(ref.page->formName) + ": the study has no slot " +
                                  std::to_string(ref.slot));
    }
    built.push_back(BuildPage(*ref.page, ref.slot == 0 ? nullptr : &study[static_cast<std::size_t>(ref.slot - 1)]));
  }
  return built;
}

std::vector<qr::TQuickRep*> PageList(const TPages& pages) {
  std::vector<qr::TQuickRep*> list;
  for (const auto& page : pages) list.push_back(page.get());
  return list;
}

}  // namespace rpt
