#include "dialogs/flox07/flox07_indata.h"

namespace {

template <class Frame>
Frame* Named(Frame* frame, const char* name) {
  frame->setObjectName(QString::fromLatin1(name));
  return frame;
}

}  // namespace

TFlox07InData::TFlox07InData(QWidget* owner)
    : TEntryDialog(owner, QStringLiteral("Δεδομένα Ενεργητικής Πυροπροστασίας Υφιστάμενα Ξενοδοχεία"),
                   TDialogBorder::Sizeable, QSize(698, 550)) {
  setObjectName(QStringLiteral("Flox07InData"));
  Flox07Page1Frame1 = Named(new TFlox07Page1Frame(this), "Flox07Page1Frame1");
  Flox07Page2Frame1 = Named(new TFlox07Page2Frame(this), "Flox07Page2Frame1");
  Flox07Page3Frame1 = Named(new TFlox07Page3Frame(this), "Flox07Page3Frame1");
  Flox03Page4Frame1 = Named(new TFlox03Page4Frame(this), "Flox03Page4Frame1");
  Flox03Page5Frame1 = Named(new TFlox03Page5Frame(this), "Flox03Page5Frame1");
  Flox07Page6Frame1 = Named(new TFlox07Page6Frame(this), "Flox07Page6Frame1");
  AddPage(Flox07Page1Frame1, QStringLiteral("Επιχείρηση"));
  AddPage(Flox07Page2Frame1, QStringLiteral("Οικοδομική Σύσταση"));
  AddPage(Flox07Page3Frame1, QStringLiteral("Μέτρα Πυροπροστασίας"));
  AddPage(Flox03Page4Frame1, QStringLiteral("Πυροσβεστήρες"));
  AddPage(Flox03Page5Frame1, QStringLiteral("Πυροσβεστήρες"));
  AddPage(Flox07Page6Frame1, QStringLiteral("Ομάδες Πυρόσβεσης"));
  FormCreate();
}

void TFlox07InData::LoadPages(const TFlox07Pg1Data& r1, const TFlox07Pg2Data& r2, const TFlox07Pg3Data& r3,
                              const TFlox03Pg4Data& r4, const TFlox03Pg5Data& r5, const TFlox07Pg6Data& r6) {
  LoadAll({&r1, &r2, &r3, &r4, &r5, &r6});
}

void TFlox07InData::StorePages(TFlox07Pg1Data& r1, TFlox07Pg2Data& r2, TFlox07Pg3Data& r3, TFlox03Pg4Data& r4,
                               TFlox03Pg5Data& r5, TFlox07Pg6Data& r6) {
  StoreAll({&r1, &r2, &r3, &r4, &r5, &r6});
}
