// The hotel study's own entry pages: tabs 0, 1, 2 and 5 of its dialog. Tabs
// 3 and 4 are the general study's extinguisher pages on the hotel study's
// own records.
#pragma once

#include "dialogs/entry_page.h"
#include "report/flox07/flox07_report.h"

// Each page's controls and bindings, for the pages and for their tests.
namespace flox07 {
const dlg::TPageDesc& Page1Desc();
const dlg::TPageDesc& Page2Desc();
const dlg::TPageDesc& Page3Desc();
const dlg::TPageDesc& Page6Desc();
}  // namespace flox07

// Tab "Επιχείρηση": legal basis, author, use and place of the building, owners.
class TFlox07Page1Frame : public TEntryPage<TFlox07Pg1Data, TFlox07Page1Preview, Flox07Page1Preview> {
  Q_OBJECT
 public:
  explicit TFlox07Page1Frame(QWidget* owner);
};

// Tab "Οικοδομική Σύσταση": size, population, construction, exits, neighbours.
class TFlox07Page2Frame : public TEntryPage<TFlox07Pg2Data, TFlox07Page2Preview, Flox07Page2Preview> {
  Q_OBJECT
 public:
  explicit TFlox07Page2Frame(QWidget* owner);
};

// Tab "Μέτρα Πυροπροστασίας": access, hydrants, gas and the measures.
class TFlox07Page3Frame : public TEntryPage<TFlox07Pg3Data, TFlox07Page3Preview, Flox07Page3Preview> {
  Q_OBJECT
 public:
  explicit TFlox07Page3Frame(QWidget* owner);
};

// Tab "Ομάδες Πυρόσβεσης": technical descriptions and the secondary uses.
class TFlox07Page6Frame : public TEntryPage<TFlox07Pg6Data, TFlox07Page6Preview, Flox07Page6Preview> {
  Q_OBJECT
 public:
  explicit TFlox07Page6Frame(QWidget* owner);
};
