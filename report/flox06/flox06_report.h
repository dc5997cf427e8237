// The report pages of the industry study: pages 1 to 7 filled from its
// seven records, page 8 with the technical descriptions of the seventh, and
// the fixed annex pages 9 to 15.
#pragma once

#include "reportengine/model.h"

namespace flox06 {

extern const qr::TPageDef kPage1Preview;
extern const qr::TPageDef kPage2Preview;
extern const qr::TPageDef kPage3Preview;
extern const qr::TPageDef kPage4Preview;
extern const qr::TPageDef kPage5Preview;
extern const qr::TPageDef kPage6Preview;
extern const qr::TPageDef kPage7Preview;
extern const qr::TPageDef kPage8Preview;
extern const qr::TPageDef kPage9Preview;
extern const qr::TPageDef kPage10Preview;
extern const qr::TPageDef kPage11Preview;
extern const qr::TPageDef kPage12Preview;
extern const qr::TPageDef kPage13Preview;
extern const qr::TPageDef kPage14Preview;
extern const qr::TPageDef kPage15Preview;

}  // namespace flox06
