#include "dialogs/flox03/flox03_indata.h"

namespace {

constexpr dlg::TTabDef kTabs[] = {
    {"Επιχείρηση", &dlg::NewPage<TFlox03Page1Frame>, "Flox03Page1Frame1"},
    {"Οικοδομική Σύσταση", &dlg::NewPage<TFlox03Page2Frame>, "Flox03Page2Frame1"},
    {"Μέτρα Πυροπροστασίας", &dlg::NewPage<TFlox03Page3Frame>, "Flox03Page3Frame1"},
    {"Πυροσβεστήρες", &dlg::NewPage<TFlox03Page4Frame>, "Flox03Page4Frame1"},
    {"Πυροσβεστήρες", &dlg::NewPage<TFlox03Page5Frame>, "Flox03Page5Frame1"},
    {"Ομάδες Πυρόσβεσης", &dlg::NewPage<TFlox03Page6Frame>, "Flox03Page6Frame1"},
};

}  // namespace

const dlg::TDialogDesc kFlox03InData{
    .objectName = "Flox03InData",
    .caption = "Δεδομένα Ενεργητικής Πυροπροστασίας",
    .border = TDialogBorder::FixedDialog,
    .width = 655,
    .height = 514,
    .tabs = kTabs,
};

TFlox03InData::TFlox03InData(QWidget* owner)
    : TEntryDialog(owner, kFlox03InData),
      Flox03Page1Frame1(static_cast<TFlox03Page1Frame*>(Page(0))),
      Flox03Page2Frame1(static_cast<TFlox03Page2Frame*>(Page(1))),
      Flox03Page3Frame1(static_cast<TFlox03Page3Frame*>(Page(2))),
      Flox03Page4Frame1(static_cast<TFlox03Page4Frame*>(Page(3))),
      Flox03Page5Frame1(static_cast<TFlox03Page5Frame*>(Page(4))),
      Flox03Page6Frame1(static_cast<TFlox03Page6Frame*>(Page(5))) {}
