// The data-entry dialog of the general study (study types 1 and 2).
#pragma once

#include "dialogs/entry_dialog.h"
#include "dialogs/flox03/flox03_pages.h"

class TFlox03InData : public TEntryDialog {
  Q_OBJECT
 public:
  explicit TFlox03InData(QWidget* owner = nullptr);

  // Page k from record k; the dialog keeps no reference to the records.
  void LoadPages(const TFlox03Pg1Data& r1, const TFlox03Pg2Data& r2, const TFlox03Pg3Data& r3,
                 const TFlox03Pg4Data& r4, const TFlox03Pg5Data& r5, const TFlox03Pg6Data& r6);
  // Every page into its record.
  void StorePages(TFlox03Pg1Data& r1, TFlox03Pg2Data& r2, TFlox03Pg3Data& r3, TFlox03Pg4Data& r4,
                  TFlox03Pg5Data& r5, TFlox03Pg6Data& r6);

  TFlox03Page1Frame* Flox03Page1Frame1;
  TFlox03Page2Frame* Flox03Page2Frame1;
  TFlox03Page3Frame* Flox03Page3Frame1;
  TFlox03Page4Frame* Flox03Page4Frame1;
  TFlox03Page5Frame* Flox03Page5Frame1;
  TFlox03Page6Frame* Flox03Page6Frame1;
};
