#include "dialogs/flox06/flox06_indata.h"

#include "dialogs/flox06/flox06_pages.h"

TFlox06Page1Frame::TFlox06Page1Frame(QWidget* owner) : TEntryPage(owner, flox06::Page1Desc()) {}
TFlox06Page2Frame::TFlox06Page2Frame(QWidget* owner) : TEntryPage(owner, flox06::Page2Desc()) {}
TFlox06Page3Frame::TFlox06Page3Frame(QWidget* owner) : TEntryPage(owner, flox06::Page3Desc()) {}
TFlox06Page4Frame::TFlox06Page4Frame(QWidget* owner) : TEntryPage(owner, flox06::Page4Desc()) {}
TFlox06Page5Frame::TFlox06Page5Frame(QWidget* owner) : TEntryPage(owner, flox06::Page5Desc()) {}
TFlox06Page6Frame::TFlox06Page6Frame(QWidget* owner) : TEntryPage(owner, flox06::Page6Desc()) {}
TFlox06Page7Frame::TFlox06Page7Frame(QWidget* owner) : TEntryPage(owner, flox06::Page7Desc()) {}

namespace {

constexpr dlg::TTabDef kTabs[] = {
    {"Επιχείρηση", &dlg::NewPage<TFlox06Page1Frame>, "Flox06Page1Frame1"},
    {"Οικοδομική Σύσταση", &dlg::NewPage<TFlox06Page2Frame>, "Flox06Page2Frame1"},
    {"Εξοπλισμός", &dlg::NewPage<TFlox06Page3Frame>, "Flox06Page3Frame1"},
    {"Μέτρα πυροπροστασίας", &dlg::NewPage<TFlox06Page4Frame>, "Flox06Page4Frame1"},
    {"Πυροσβεστήρες", &dlg::NewPage<TFlox06Page5Frame>, "Flox06Page5Frame1"},
    {"Πυροσβεστήρες", &dlg::NewPage<TFlox06Page6Frame>, "Flox06Page6Frame1"},
    {"Ομάδα Πυροπροστασίας", &dlg::NewPage<TFlox06Page7Frame>, "Flox06Page7Frame1"},
};

}  // namespace

const dlg::TDialogDesc kFlox06InData{.objectName = "Flox06InData",
                                     .caption = "Δεδομένα Ενεργητικής Πυροπροστασίας Βιομηχανίες-Βιοτεχνίες",
                                     .border = TDialogBorder::Sizeable,
                                     .width = 747,
                                     .height = 560,
                                     .tabs = kTabs};
