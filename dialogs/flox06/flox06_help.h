// The industry study's filling instructions: one help dialog for each of the
// tabs "Επιχείρηση", "Οικοδομική Σύσταση", "Εξοπλισμός" and "Μέτρα
// πυροπροστασίας", and the two dialogs the measures instructions lead on to.
#pragma once

#include "dialogs/help_form.h"

// Instructions of the tab "Επιχείρηση".
class TFlox06Help1 : public dlg::THelpForm {
  Q_OBJECT
 public:
  explicit TFlox06Help1(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// Instructions of the tab "Οικοδομική Σύσταση".
class TFlox06Help2 : public dlg::THelpForm {
  Q_OBJECT
 public:
  explicit TFlox06Help2(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// Instructions of the tab "Εξοπλισμός".
class TFlox06Help3 : public dlg::THelpForm {
  Q_OBJECT
 public:
  explicit TFlox06Help3(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// Instructions of the tab "Μέτρα πυροπροστασίας"; its two small buttons
// (BitBtn1 beside "2. Ειδικά προληπτικά μέτρα.", BitBtn2 beside
// "3. Κατασταλτικά μέτρα") open TFlox06Help41 and TFlox06Help42 on top of it;
// its close button is BitBtn3.
class TFlox06Help4 : public dlg::THelpForm {
  Q_OBJECT
 public:
  explicit TFlox06Help4(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// "Ειδικά προληπτικά μέτρα", opened from TFlox06Help4.
class TFlox06Help41 : public dlg::THelpForm {
  Q_OBJECT
 public:
  explicit TFlox06Help41(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// "Κατασταλτικά μέτρα", opened from TFlox06Help4.
class TFlox06Help42 : public dlg::THelpForm {
  Q_OBJECT
 public:
  explicit TFlox06Help42(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};
