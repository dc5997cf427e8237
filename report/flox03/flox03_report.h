// The report pages of the general study: pages 1 to 6, each filled from the
// record of the entry page of the same number, and the fixed annex pages 7a
// (the last page of study type 1) and 7b (study type 2). Pages 4 and 5 also
// serve the hotel study, filled from its own records. Which page is filled
// from which record, and in which order they print, is the family's row in
// entry/study_families.cpp.
#pragma once

#include "reportengine/model.h"

namespace flox03 {

extern const qr::TPageDef kPage1Preview;
extern const qr::TPageDef kPage2Preview;
extern const qr::TPageDef kPage3Preview;
extern const qr::TPageDef kPage4Preview;
extern const qr::TPageDef kPage5Preview;
extern const qr::TPageDef kPage6Preview;
extern const qr::TPageDef kPage7aPreview;
extern const qr::TPageDef kPage7bPreview;

}  // namespace flox03
