// The edit action of the study document: the family's data-entry dialog over
// the family's records. Until the dialogs are in place the action says so on
// stderr instead of doing nothing.
#include <cstdio>

#include "entry/study_document.h"

void TFlox03Pages::EditStudy(std::uint8_t studyType) {
  if (studyType < 1 || studyType > 4) return;  // no family: nothing opens
  std::fprintf(stderr, "WinFlox03RDll: editing is not available yet for study type %u\n",
               static_cast<unsigned>(studyType));
  std::fflush(stderr);
}
