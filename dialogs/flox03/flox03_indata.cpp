#include "dialogs/flox03/flox03_indata.h"

namespace {

template <class Frame>
Frame* Named(Frame* frame, const char* name) {
  frame->setObjectName(QString::fromLatin1(name));
  return frame;
}

}  // namespace

TFlox03InData::TFlox03InData(QWidget* owner)
    : TEntryDialog(owner, QStringLiteral("Δεδομένα Ενεργητικής Πυροπροστασίας"), TDialogBorder::FixedDialog,
                   QSize(655, 514)) {
  setObjectName(QStringLiteral("Flox03InData"));
  Flox03Page1Frame1 = Named(new TFlox03Page1Frame(this), "Flox03Page1Frame1");
  Flox03Page2Frame1 = Named(new TFlox03Page2Frame(this), "Flox03Page2Frame1");
  Flox03Page3Frame1 = Named(new TFlox03Page3Frame(this), "Flox03Page3Frame1");
  Flox03Page4Frame1 = Named(new TFlox03Page4Frame(this), "Flox03Page4Frame1");
  Flox03Page5Frame1 = Named(new TFlox03Page5Frame(this), "Flox03Page5Frame1");
  Flox03Page6Frame1 = Named(new TFlox03Page6Frame(this), "Flox03Page6Frame1");
  AddPage(Flox03Page1Frame1, QStringLiteral("Επιχείρηση"));
  AddPage(Flox03Page2Frame1, QStringLiteral("Οικοδομική Σύσταση"));
  AddPage(Flox03Page3Frame1, QStringLiteral("Μέτρα Πυροπροστασίας"));
  AddPage(Flox03Page4Frame1, QStringLiteral("Πυροσβεστήρες"));
  AddPage(Flox03Page5Frame1, QStringLiteral("Πυροσβεστήρες"));
  AddPage(Flox03Page6Frame1, QStringLiteral("Ομάδες Πυρόσβεσης"));
  FormCreate();
}

void TFlox03InData::LoadPages(const TFlox03Pg1Data& r1, const TFlox03Pg2Data& r2, const TFlox03Pg3Data& r3,
                              const TFlox03Pg4Data& r4, const TFlox03Pg5Data& r5, const TFlox03Pg6Data& r6) {
  LoadAll({&r1, &r2, &r3, &r4, &r5, &r6});
}

void TFlox03InData::StorePages(TFlox03Pg1Data& r1, TFlox03Pg2Data& r2, TFlox03Pg3Data& r3, TFlox03Pg4Data& r4,
                               TFlox03Pg5Data& r5, TFlox03Pg6Data& r6) {
  StoreAll({&r1, &r2, &r3, &r4, &r5, &r6});
}
