// The hotel study's filling instructions: one help dialog for each of the
// tabs "Επιχείρηση", "Οικοδομική Σύσταση" and "Μέτρα Πυροπροστασίας". The
// extinguisher tabs and the tab "Ομάδες Πυρόσβεσης" have none. The close
// button of each (Button1, a plain button, on the first two; BitBtn1 on the
// third) closes it.
#pragma once

#include "dialogs/help_form.h"

// Instructions of the tab "Επιχείρηση".
class TFlox07Help1Form : public dlg::THelpForm {
  Q_OBJECT

 public:
  explicit TFlox07Help1Form(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// Instructions of the tab "Οικοδομική Σύσταση".
class TFlox07Help2 : public dlg::THelpForm {
  Q_OBJECT

 public:
  explicit TFlox07Help2(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// Instructions of the tab "Μέτρα Πυροπροστασίας".
class TFlox07Help3 : public dlg::THelpForm {
  Q_OBJECT

 public:
  explicit TFlox07Help3(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};
