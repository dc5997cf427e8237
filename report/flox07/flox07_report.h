// The hotel study's own report pages 1, 2, 3 and 6; its pages 4 and 5 are
// the general study's, filled from the hotel study's own records.
#pragma once

#include "reportengine/model.h"

namespace flox07 {

extern const qr::TPageDef kPage1Preview;
extern const qr::TPageDef kPage2Preview;
extern const qr::TPageDef kPage3Preview;
extern const qr::TPageDef kPage6Preview;

}  // namespace flox07
