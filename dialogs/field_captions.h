// The captions by which an engineer knows the record fields of an entry
// page: found in the page's control and binding tables, never typed twice.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "dialogs/bindings.h"
#include "dialogs/page_layout.h"

namespace dlg {

// Field names compare as the study file compares them: ASCII letters
// without regard to case.
struct TFieldNameLess {
  bool operator()(std::string_view a, std::string_view b) const;
  using is_transparent = void;
};

// The caption of every field the page binds to a control (UTF-8, on one
// line, without trailing blanks and colons), "" where the tables hold none:
//  - the label whose buddy is the control; else a check box's or radio
//    group's own caption; else, for a cell of a grid (a row of more than one
//    input), the row's name (a fixed text under a column heading) and the
//    column's heading, "Στολές αμμωνίας — Παρατηρήσεις"; else the nearest
//    label before the control on its row; else the heading just above it
//    where it starts ("Δ. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ" over its
//    memo);
//  - where two text controls would read the same, each is told apart by
//    what tells them apart on the page, tried in this order: the caption of
//    the control before it on its row ("1) Οδός — Αριθ."), the item at the
//    left margin it belongs to ("3. Εδρα επιχείρησης — Οδός"), the title of
//    the box it stands in ("1η ΥΠΟΟΜΑΔΑ Τμήμα — Α' 8ωρο"), and last its
//    place among them, top to bottom and left to right ("Είδος πυροσβεστήρα
//    (2)").
std::map<std::string, std::string, TFieldNameLess> FieldCaptions(std::span<const TControlDef> controls,
                                                                 std::span<const TBinding> bindings);

// The same captions by control: every edit, memo, check box and radio group
// of the page by its object name (a control no binding names goes by its
// caption on its own), for the names a screen reader reads.
std::map<std::string, std::string> ControlCaptions(std::span<const TControlDef> controls,
                                                   std::span<const TBinding> bindings);

}  // namespace dlg
