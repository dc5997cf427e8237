// The hotel study's edit action stores every tab into the hotel study's own
// records (slots 14 to 19), its extinguisher tabs too, never into the
// general study's.
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "dialogs/controls.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/entry_page.h"
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

TEST(HotelEditStudy, EveryTabStoresIntoTheHotelRecordsOnly) {
  TFlox03Pages study;
  study.Slot(4).Set("Poso1", "7");
  study.Slot(5).Set("Poso20", "8");
  study.Slot(14).Set("NumMhtrwou", "55/2020");
  study.Slot(19).Set("Egkrish", Cp("Νάξος"));
  int openedOn = -1;
  TModalWatcher watcher([&](QWidget* modal) {
    auto* dialog = dynamic_cast<TEntryDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    openedOn = dialog->PageControl1->currentIndex();
    Type(Find<QWidget>(dialog->Page(0), "Edit7"), Q("4012"));
    Type(Find<QWidget>(dialog->Page(1), "Edit3"), Q("3"));
    Find<QCheckBox>(dialog->Page(2), "CheckBox21")->setChecked(true);
    Type(Find<QWidget>(dialog->Page(3), "Edit1"), Q("22"));
    Type(Find<QWidget>(dialog->Page(4), "Edit1"), Q("ΤΣ"));
    Type(Find<QWidget>(dialog->Page(5), "Edit31"), Q("Μηχανοστάσιο ανελκυστήρα"));
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
