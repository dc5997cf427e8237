// The data-entry dialog of the general study (study types 1 and 2).
#pragma once

#include "dialogs/entry_dialog.h"
#include "dialogs/flox03/flox03_pages.h"

// Client area 655 x 514, fixed frame; six tabs over records 1 to 6.
extern const dlg::TDialogDesc kFlox03InData;

// The general study's dialog with its pages by name.
class TFlox03InData : public TEntryDialog {
  Q_OBJECT
 public:
  explicit TFlox03InData(QWidget* owner = nullptr);

  TFlox03Page1Frame* Flox03Page1Frame1;
  TFlox03Page2Frame* Flox03Page2Frame1;
  TFlox03Page3Frame* Flox03Page3Frame1;
  TFlox03Page4Frame* Flox03Page4Frame1;
  TFlox03Page5Frame* Flox03Page5Frame1;
  TFlox03Page6Frame* Flox03Page6Frame1;
};
