// The hotel study's data-entry dialog: its window and tabs, the help of its
// first three tabs only, and the edit action that stores every tab into the
// hotel study's own records (slots 14 to 19), never into the general study's.
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "dialogs/controls.h"
#include "dialogs/flox07/flox07_help.h"
#include "dialogs/flox07/flox07_indata.h"
#include "entry/study_document.h"
#include "entry_test_support.h"

namespace {

using entrytest::Cp;
using entrytest::Q;
using entrytest::TModalWatcher;
using entrytest::Type;
using entrytest::U;

template <class T>
T* Find(QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

TEST(HotelInData, SizeableWindowOfSixTabsOpeningOnTheFirst) {
  TFlox07InData dialog;
  EXPECT_EQ(dialog.windowTitle(), Q("Δεδομένα Ενεργητικής Πυροπροστασίας Υφιστάμενα Ξενοδοχεία"));
  EXPECT_EQ(dialog.size(), QSize(698, 550));
  EXPECT_NE(dialog.minimumSize(), dialog.maximumSize()) << "a sizeable window";
  const char* const captions[] = {"Επιχείρηση", "Οικοδομική Σύσταση", "Μέτρα Πυροπροστασίας",
                                  "Πυροσβεστήρες", "Πυροσβεστήρες", "Ομάδες Πυρόσβεσης"};
  ASSERT_EQ(dialog.PageCount(), 6);
  for (int tab = 0; tab < 6; ++tab) EXPECT_EQ(dialog.PageControl1->tabText(tab), Q(captions[tab])) << tab;
  // The extinguisher tabs are the general study's pages.
  EXPECT_NE(dynamic_cast<TFlox03Page4Frame*>(dialog.Page(3)), nullptr);
  EXPECT_NE(dynamic_cast<TFlox03Page5Frame*>(dialog.Page(4)), nullptr);
  dialog.PageControl1->setCurrentIndex(5);
  dialog.show();
  EXPECT_EQ(dialog.PageControl1->currentIndex(), 0);
  dialog.hide();
}

TEST(HotelInData, HelpOnTheFirstThreeTabsOnly) {
  TFlox07InData dialog;
  for (int tab = 0; tab < 6; ++tab) {
    dialog.PageControl1->setCurrentIndex(tab);
    QWidget* seen = nullptr;
    bool right = false;
    TModalWatcher watcher(
        [&](QWidget* modal) {
          seen = modal;
          right = (tab == 0 && dynamic_cast<TFlox07Help1Form*>(modal)) ||
                  (tab == 1 && dynamic_cast<TFlox07Help2*>(modal)) || (tab == 2 && dynamic_cast<TFlox07Help3*>(modal));
          EXPECT_EQ(modal->windowTitle(), Q("Οδηγίες συμπλήρωσης εντύπου"));
          modal->close();
        },
        &dialog);
    dialog.HelpBtnClick();
    QApplication::processEvents();
    EXPECT_EQ(watcher.Seen(), tab < 3) << "tab " << tab;
    if (tab < 3) EXPECT_TRUE(right) << "tab " << tab;
    EXPECT_TRUE(dialog.findChildren<QDialog*>().isEmpty()) << "the help dialog is freed";
  }
}

TEST(HotelEditStudy, EveryTabStoresIntoTheHotelRecordsOnly) {
  TFlox03Pages study;
  study.Slot(4).Set("Poso1", "7");
  study.Slot(5).Set("Poso20", "8");
  study.Slot(14).Set("NumMhtrwou", "55/2020");
  study.Slot(19).Set("Egkrish", Cp("Νάξος"));
  int openedOn = -1;
  TModalWatcher watcher([&](QWidget* modal) {
    auto* dialog = dynamic_cast<TFlox07InData*>(modal);
    ASSERT_NE(dialog, nullptr);
    openedOn = dialog->PageControl1->currentIndex();
    Type(Find<QWidget>(dialog->Flox07Page1Frame1, "Edit7"), Q("4012"));
    Type(Find<QWidget>(dialog->Flox07Page2Frame1, "Edit3"), Q("3"));
    Find<QCheckBox>(dialog->Flox07Page3Frame1, "CheckBox21")->setChecked(true);
    Type(Find<QWidget>(dialog->Flox03Page4Frame1, "Edit1"), Q("22"));
    Type(Find<QWidget>(dialog->Flox03Page5Frame1, "Edit1"), Q("ΤΣ"));
    Type(Find<QWidget>(dialog->Flox07Page6Frame1, "Edit31"), Q("Μηχανοστάσιο ανελκυστήρα"));
    dialog->CloseBtn->click();
  });
  study.EditStudy(4);
  ASSERT_TRUE(watcher.Seen());
  EXPECT_EQ(openedOn, 0);
  EXPECT_EQ(study.Slot(14).Get("Phone1"), "4012") << "the map sheet";
  EXPECT_EQ(study.Slot(15).Get("NumberOfFloors"), "3");
  EXPECT_EQ(study.Slot(15).Get("EidosSteghs"), "\xC4") << "the default construction codes";
  EXPECT_EQ(study.Slot(16).Get("ParoxhYdatos1"), "X");
  EXPECT_EQ(study.Slot(17).Get("Poso1"), "22");
  EXPECT_EQ(U(study.Slot(18), "Symbol20"), "ΤΣ");
  EXPECT_EQ(U(study.Slot(19), "SecUse10"), "Μηχανοστάσιο ανελκυστήρα");
  // Fields no tab edits keep their values; the general study's records are untouched.
  EXPECT_EQ(study.Slot(14).Get("NumMhtrwou"), "55/2020");
  EXPECT_EQ(U(study.Slot(19), "Egkrish"), "Νάξος");
  EXPECT_EQ(study.Slot(4).Get("Poso1"), "7");
  EXPECT_EQ(study.Slot(5).Get("Poso20"), "8");
  EXPECT_EQ(study.Slot(2).Get("EidosFerousa"), " ");
}

}  // namespace
