// The controls and bindings of the industry study's seven entry pages, for
// the pages and for their tests.
#pragma once

#include "dialogs/entry_page.h"

namespace flox06 {
const dlg::TPageDesc& Page1Desc();
const dlg::TPageDesc& Page2Desc();
const dlg::TPageDesc& Page3Desc();
const dlg::TPageDesc& Page4Desc();
const dlg::TPageDesc& Page5Desc();
const dlg::TPageDesc& Page6Desc();
const dlg::TPageDesc& Page7Desc();
}  // namespace flox06
