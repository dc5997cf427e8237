// The data-entry dialog of the hotel study (study type 4). Tabs 3 and 4 are
// the general study's extinguisher pages, a little wider, bound to the hotel
// study's own records of those classes.
#pragma once

#include "dialogs/entry_dialog.h"
#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/flox07/flox07_pages.h"

// Sizeable window 698 x 550; six tabs over the records of slots 14 to 19.
extern const dlg::TDialogDesc kFlox07InData;

// The hotel study's dialog with its pages by name.
class TFlox07InData : public TEntryDialog {
  Q_OBJECT
 public:
  explicit TFlox07InData(QWidget* owner = nullptr);

  TFlox07Page1Frame* Flox07Page1Frame1;
  TFlox07Page2Frame* Flox07Page2Frame1;
  TFlox07Page3Frame* Flox07Page3Frame1;
  TFlox03Page4Frame* Flox03Page4Frame1;
  TFlox03Page5Frame* Flox03Page5Frame1;
  TFlox07Page6Frame* Flox07Page6Frame1;
};
