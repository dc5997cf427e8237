// The six entry pages of the general study. Pages 4 and 5 (the extinguisher
// lists) also serve the hotel study, on its own records of the same classes.
#pragma once

#include "dialogs/entry_page.h"
#include "report/flox03/flox03_report.h"

// Each page's controls and bindings, for the pages and for their tests.
namespace flox03 {
const dlg::TPageDesc& Page1Desc();
const dlg::TPageDesc& Page2Desc();
const dlg::TPageDesc& Page3Desc();
const dlg::TPageDesc& Page4Desc();
const dlg::TPageDesc& Page5Desc();
const dlg::TPageDesc& Page6Desc();
// Pages 4 and 5 as the hotel study's wider dialog shows them: the same rows,
// controls and bindings, some columns wider.
const dlg::TPageDesc& HotelPage4Desc();
const dlg::TPageDesc& HotelPage5Desc();
}  // namespace flox03

// Tab "Επιχείρηση": the business and the study's author.
class TFlox03Page1Frame : public TEntryPage<TFlox03Pg1Data, TFlox03Page1Preview, Flox03Page1Preview> {
  Q_OBJECT
 public:
  explicit TFlox03Page1Frame(QWidget* owner);
};

// Tab "Οικοδομική Σύσταση": floors, areas, construction, exits, neighbours.
class TFlox03Page2Frame : public TEntryPage<TFlox03Pg2Data, TFlox03Page2Preview, Flox03Page2Preview> {
  Q_OBJECT
 public:
  explicit TFlox03Page2Frame(QWidget* owner);
};

// Tab "Μέτρα Πυροπροστασίας": access, hydrants, gas and the measures.
class TFlox03Page3Frame : public TEntryPage<TFlox03Pg3Data, TFlox03Page3Preview, Flox03Page3Preview> {
  Q_OBJECT
 public:
  explicit TFlox03Page3Frame(QWidget* owner);
};

// Tab "Πυροσβεστήρες": extinguishers and equipment, rows 1 to 19.
class TFlox03Page4Frame : public TEntryPage<TFlox03Pg4Data, TFlox03Page4Preview, Flox03Page4Preview> {
  Q_OBJECT
 public:
  explicit TFlox03Page4Frame(QWidget* owner, const dlg::TPageDesc& desc = flox03::Page4Desc());
};

// Tab "Πυροσβεστήρες": equipment, rows 20 to 28 (the last three free).
class TFlox03Page5Frame : public TEntryPage<TFlox03Pg5Data, TFlox03Page5Preview, Flox03Page5Preview> {
  Q_OBJECT
 public:
  explicit TFlox03Page5Frame(QWidget* owner, const dlg::TPageDesc& desc = flox03::Page5Desc());
};

// Tab "Ομάδες Πυρόσβεσης": four free-text sections.
class TFlox03Page6Frame : public TEntryPage<TFlox03Pg6Data, TFlox03Page6Preview, Flox03Page6Preview> {
  Q_OBJECT
 public:
  explicit TFlox03Page6Frame(QWidget* owner);
};
