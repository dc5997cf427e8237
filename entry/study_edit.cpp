// The edit action of the study document: the family's data-entry dialog over
// the family's records. The dialog is created, loaded from the records, run
// modally and, however it was closed, stored back into the records; it is
// freed in every case, also when one of these steps throws. A study type
// without a family, or whose family has no dialog yet, opens nothing.
#include <memory>

#include "entry/study_document.h"
#include "entry/study_families.h"

void TFlox03Pages::EditStudy(std::uint8_t studyType) {
  const TStudyFamily* family = FindStudyFamily(studyType);
  if (family == nullptr || family->createDialog == nullptr) return;
  const std::vector<TPageRecord*> records = Records(family->recordSlots);
  std::unique_ptr<TEntryDialog> dialog = family->createDialog();
  dialog->LoadPages(std::span<const TPageRecord* const>(records.data(), records.size()));
  dialog->Execute();  // how it was closed does not matter: there is no cancel
  dialog->StorePages(records);
}
