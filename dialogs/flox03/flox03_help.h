// The general study's filling instructions: one help dialog for each of the
// tabs "Επιχείρηση", "Οικοδομική Σύσταση", "Μέτρα Πυροπροστασίας" and
// "Ομάδες Πυρόσβεσης", and the two dialogs the measures instructions lead on
// to. Each is created with its owner and shown with exec(); see
// dlg::ShowModalHelp for the create-show-free sequence of ShowHelp.
#pragma once

#include "dialogs/help_form.h"

// Instructions of the tab "Επιχείρηση".
class TFlox03Help1Form : public dlg::THelpForm {
  Q_OBJECT

 public:
  explicit TFlox03Help1Form(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// Instructions of the tab "Οικοδομική Σύσταση".
class TFlox03Help2Form : public dlg::THelpForm {
  Q_OBJECT

 public:
  explicit TFlox03Help2Form(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// Instructions of the tab "Μέτρα Πυροπροστασίας"; its two small buttons
// (BitBtn1 beside "2. Ειδικά προληπτικά μέτρα.", BitBtn2 beside
// "3. Κατασταλτικά μέτρα") open TFlox03Help31Form and TFlox03Help32Form on
// top of it; the close button, as in every help dialog, closes it.
class TFlox03Help3Form : public dlg::THelpForm {
  Q_OBJECT

 public:
  explicit TFlox03Help3Form(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// "Ειδικά προληπτικά μέτρα", opened from TFlox03Help3Form.
class TFlox03Help31Form : public dlg::THelpForm {
  Q_OBJECT

 public:
  explicit TFlox03Help31Form(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// "Κατασταλτικά μέτρα", opened from TFlox03Help3Form.
class TFlox03Help32Form : public dlg::THelpForm {
  Q_OBJECT

 public:
  explicit TFlox03Help32Form(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};

// Instructions of the tab "Ομάδες Πυρόσβεσης".
class TFlox03Help6Form : public dlg::THelpForm {
  Q_OBJECT

 public:
  explicit TFlox03Help6Form(QWidget* owner);
  static const dlg::THelpFormTable& Design();
};
