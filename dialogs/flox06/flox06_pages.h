// The seven entry pages of the industry and craft study.
#pragma once

#include "dialogs/entry_page.h"
#include "dialogs/flox06/flox06_tables.h"
#include "report/flox06/flox06_report.h"

// Tab "Επιχείρηση": the study's heading data and the business.
class TFlox06Page1Frame : public TEntryPage<TFlox06Pg1Data, TFlox06Page1Preview, Flox06Page1Preview> {
  Q_OBJECT
 public:
  explicit TFlox06Page1Frame(QWidget* owner);
};

// Tab "Οικοδομική Σύσταση": the plot, the building and its surroundings.
class TFlox06Page2Frame : public TEntryPage<TFlox06Pg2Data, TFlox06Page2Preview, Flox06Page2Preview> {
  Q_OBJECT
 public:
  explicit TFlox06Page2Frame(QWidget* owner);
};

// Tab "Εξοπλισμός": hydrants, equipment, materials, gas.
class TFlox06Page3Frame : public TEntryPage<TFlox06Pg3Data, TFlox06Page3Preview, Flox06Page3Preview> {
  Q_OBJECT
 public:
  explicit TFlox06Page3Frame(QWidget* owner);
};

// Tab "Μέτρα πυροπροστασίας": hazards and measures.
class TFlox06Page4Frame : public TEntryPage<TFlox06Pg4Data, TFlox06Page4Preview, Flox06Page4Preview> {
  Q_OBJECT
 public:
  explicit TFlox06Page4Frame(QWidget* owner);
};

// Tab "Πυροσβεστήρες": extinguishers and equipment, rows 1 to 18.
class TFlox06Page5Frame : public TEntryPage<TFlox06Pg5Data, TFlox06Page5Preview, Flox06Page5Preview> {
  Q_OBJECT
 public:
  explicit TFlox06Page5Frame(QWidget* owner);
};

// Tab "Πυροσβεστήρες": equipment, rows 19 to 30 (the last three free).
class TFlox06Page6Frame : public TEntryPage<TFlox06Pg6Data, TFlox06Page6Preview, Flox06Page6Preview> {
  Q_OBJECT
 public:
  explicit TFlox06Page6Frame(QWidget* owner);
};

// Tab "Ομάδα Πυροπροστασίας": the team in three shifts and the technical
// descriptions of the fixed systems.
class TFlox06Page7Frame : public TEntryPage<TFlox06Pg7Data, TFlox06Page7Preview, Flox06Page7Preview> {
  Q_OBJECT
 public:
  explicit TFlox06Page7Frame(QWidget* owner);
};
