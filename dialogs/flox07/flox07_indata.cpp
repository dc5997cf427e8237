#include "dialogs/flox07/flox07_indata.h"

namespace {

// The general study's extinguisher pages with the hotel dialog's widths.
TEntryPageFrame* NewExtinguisherPage4(QWidget* owner) {
  return new TFlox03Page4Frame(owner, flox03::HotelPage4Desc());
}
TEntryPageFrame* NewExtinguisherPage5(QWidget* owner) {
  return new TFlox03Page5Frame(owner, flox03::HotelPage5Desc());
}

constexpr dlg::TTabDef kTabs[] = {
    {"Επιχείρηση", &dlg::NewPage<TFlox07Page1Frame>, "Flox07Page1Frame1"},
    {"Οικοδομική Σύσταση", &dlg::NewPage<TFlox07Page2Frame>, "Flox07Page2Frame1"},
    {"Μέτρα Πυροπροστασίας", &dlg::NewPage<TFlox07Page3Frame>, "Flox07Page3Frame1"},
    {"Πυροσβεστήρες", &NewExtinguisherPage4, "Flox03Page4Frame1"},
    {"Πυροσβεστήρες", &NewExtinguisherPage5, "Flox03Page5Frame1"},
    {"Ομάδες Πυρόσβεσης", &dlg::NewPage<TFlox07Page6Frame>, "Flox07Page6Frame1"},
};

}  // namespace

const dlg::TDialogDesc kFlox07InData{
    .objectName = "Flox07InData",
    .caption = "Δεδομένα Ενεργητικής Πυροπροστασίας Υφιστάμενα Ξενοδοχεία",
    .border = TDialogBorder::Sizeable,
    .width = 698,
    .height = 550,
    .tabs = kTabs,
};

TFlox07InData::TFlox07InData(QWidget* owner)
    : TEntryDialog(owner, kFlox07InData),
      Flox07Page1Frame1(static_cast<TFlox07Page1Frame*>(Page(0))),
      Flox07Page2Frame1(static_cast<TFlox07Page2Frame*>(Page(1))),
      Flox07Page3Frame1(static_cast<TFlox07Page3Frame*>(Page(2))),
      Flox03Page4Frame1(static_cast<TFlox03Page4Frame*>(Page(3))),
      Flox03Page5Frame1(static_cast<TFlox03Page5Frame*>(Page(4))),
      Flox07Page6Frame1(static_cast<TFlox07Page6Frame*>(Page(5))) {}
