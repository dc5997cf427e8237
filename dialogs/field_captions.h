// The caption by which an engineer knows a record field on its entry page:
// found in the page's control and binding tables, never typed twice.
#pragma once

#include <span>
#include <string>

#include "dialogs/bindings.h"
#include "dialogs/page_layout.h"

namespace dlg {

// The caption of the field on the page (UTF-8, on one line, without trailing
// blanks and colons): the label whose buddy is a control bound to the field; else a
// check box's or radio group's own caption; else, for a cell of a grid (a
// row of more than one input), the row's name and the column's heading;
// else the nearest label before the control on its row; "" when the page binds no control to the field or
// none of these has a caption.
std::string FieldCaption(std::span<const TControlDef> controls, std::span<const TBinding> bindings,
                         std::string_view field);

}  // namespace dlg
