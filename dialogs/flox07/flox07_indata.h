// The data-entry dialog of the hotel study (study type 4). Tabs 3 and 4 are
// the general study's extinguisher pages, bound to the hotel study's own
// records of those classes.
#pragma once

#include "dialogs/entry_dialog.h"
#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/flox07/flox07_pages.h"

class TFlox07InData : public TEntryDialog {
  Q_OBJECT
 public:
  explicit TFlox07InData(QWidget* owner = nullptr);

  // Page k from record k; the dialog keeps no reference to the records.
  void LoadPages(const TFlox07Pg1Data& r1, const TFlox07Pg2Data& r2, const TFlox07Pg3Data& r3,
                 const TFlox03Pg4Data& r4, const TFlox03Pg5Data& r5, const TFlox07Pg6Data& r6);
  // Every page into its record.
  void StorePages(TFlox07Pg1Data& r1, TFlox07Pg2Data& r2, TFlox07Pg3Data& r3, TFlox03Pg4Data& r4,
                  TFlox03Pg5Data& r5, TFlox07Pg6Data& r6);

  TFlox07Page1Frame* Flox07Page1Frame1;
  TFlox07Page2Frame* Flox07Page2Frame1;
  TFlox07Page3Frame* Flox07Page3Frame1;
  TFlox03Page4Frame* Flox03Page4Frame1;
  TFlox03Page5Frame* Flox03Page5Frame1;
  TFlox07Page6Frame* Flox07Page6Frame1;
};
