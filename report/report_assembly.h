// The filled pages of a report. A report is a list of pages, each a page
// description and the study slot of the record that fills it; building it
// makes every page from its description and sets its data labels from the
// record. The whole report, a single page previewed from its entry page and
// the fit check all build their pages here; what happens to them next
// (preview, print, PDF, measuring) is the caller's.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "records/page_record.h"
#include "reportengine/model.h"
#include "reportengine/quickrep.h"

namespace rpt {

// One page of a whole report.
struct TReportPageRef {
  const qr::TPageDef* page;
  int slot = 0;                       // the study slot of its record; 0: a fixed page
  std::uint8_t onlyForStudyType = 0;  // printed only for this study type; 0: for every type
};

// The page filled from the record (nullptr: a fixed page): every data label
// shows the record property of its name, or the property it names, as
// stored. A property the record lacks throws std::out_of_range.
std::unique_ptr<qr::TQuickRep> BuildPage(const qr::TPageDef& page, const TPageRecord* record);

using TPages = std::vector<std::unique_ptr<qr::TQuickRep>>;

// The pages of the list that the study type prints, filled and in order;
// `study` holds every record of the study in slot order. A page whose slot
// the study does not have throws std::invalid_argument.
TPages BuildPages(std::span<const TReportPageRef> pages, std::span<const TPageRecord> study,
                  std::uint8_t studyType);

// The pages as the outputs take them.
std::vector<qr::TQuickRep*> PageList(const TPages& pages);

}  // namespace rpt
