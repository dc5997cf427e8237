// The edit action of the study document: the family's data-entry dialog over
// the family's records. The dialog is created, loaded from the records, run
// modally and, however it was closed, stored back into the records; it is
// freed in every case, also when one of these steps throws.
#include <cstdio>
#include <memory>

#include "dialogs/flox03/flox03_indata.h"
#include "dialogs/flox07/flox07_indata.h"
#include "entry/study_document.h"

void TFlox03Pages::EditStudy(std::uint8_t studyType) {
  switch (studyType) {
    case 1:
    case 2: {
      auto dialog = std::make_unique<TFlox03InData>(nullptr);
      dialog->LoadPages(Rec<TFlox03Pg1Data>(1), Rec<TFlox03Pg2Data>(2), Rec<TFlox03Pg3Data>(3),
                        Rec<TFlox03Pg4Data>(4), Rec<TFlox03Pg5Data>(5), Rec<TFlox03Pg6Data>(6));
      dialog->Execute();  // how it was closed does not matter: there is no cancel
      dialog->StorePages(Rec<TFlox03Pg1Data>(1), Rec<TFlox03Pg2Data>(2), Rec<TFlox03Pg3Data>(3),
                         Rec<TFlox03Pg4Data>(4), Rec<TFlox03Pg5Data>(5), Rec<TFlox03Pg6Data>(6));
      return;
    }
    case 4: {
      // The hotel study: its own records in slots 14 to 19, the extinguisher
      // pages on slots 17 and 18 (never the general study's 4 and 5).
      auto dialog = std::make_unique<TFlox07InData>(nullptr);
      dialog->LoadPages(Rec<TFlox07Pg1Data>(14), Rec<TFlox07Pg2Data>(15), Rec<TFlox07Pg3Data>(16),
                        Rec<TFlox03Pg4Data>(17), Rec<TFlox03Pg5Data>(18), Rec<TFlox07Pg6Data>(19));
      dialog->Execute();
      dialog->StorePages(Rec<TFlox07Pg1Data>(14), Rec<TFlox07Pg2Data>(15), Rec<TFlox07Pg3Data>(16),
                         Rec<TFlox03Pg4Data>(17), Rec<TFlox03Pg5Data>(18), Rec<TFlox07Pg6Data>(19));
      return;
    }
    case 3:
      // The industry dialog is not in place yet.
      std::fprintf(stderr, "WinFlox03RDll: editing is not available yet for study type %u\n",
                   static_cast<unsigned>(studyType));
      std::fflush(stderr);
      return;
    default:
      return;  // no family: nothing opens
  }
}
