// The nineteen records of a whole study, in the order of the study file:
// the general study's six, the industry study's seven, then the hotel
// study's six (its extinguisher lists are records of the general study's
// page 4 and 5 classes, instances of their own). Every place that needs the
// slot order (the study document, the fuzz targets, tests, benchmarks) reads
// it from here.
#pragma once

#include <array>
#include <vector>

#include "records/page_record.h"

inline constexpr int kStudySlotCount = 19;

// The class of slot k + 1.
inline constexpr std::array<const TRecordClass& (*)(), kStudySlotCount> kStudySlotClasses = {
    &TFlox03Pg1Data::ClassInfo, &TFlox03Pg2Data::ClassInfo, &TFlox03Pg3Data::ClassInfo,
    &TFlox03Pg4Data::ClassInfo, &TFlox03Pg5Data::ClassInfo, &TFlox03Pg6Data::ClassInfo,
    &TFlox06Pg1Data::ClassInfo, &TFlox06Pg2Data::ClassInfo, &TFlox06Pg3Data::ClassInfo,
    &TFlox06Pg4Data::ClassInfo, &TFlox06Pg5Data::ClassInfo, &TFlox06Pg6Data::ClassInfo,
    &TFlox06Pg7Data::ClassInfo, &TFlox07Pg1Data::ClassInfo, &TFlox07Pg2Data::ClassInfo,
    &TFlox07Pg3Data::ClassInfo, &TFlox03Pg4Data::ClassInfo, &TFlox03Pg5Data::ClassInfo,
    &TFlox07Pg6Data::ClassInfo,
};

// The class of a slot, 1..19.
inline const TRecordClass& StudySlotClass(int slot) { return kStudySlotClasses.at(static_cast<std::size_t>(slot - 1))(); }

// Nineteen fresh records in slot order, each in its constructed state.
inline std::vector<TPageRecord> NewStudyRecords() {
  std::vector<TPageRecord> records;
  records.reserve(kStudySlotCount);
  for (const auto classInfo : kStudySlotClasses) records.emplace_back(classInfo());
  return records;
}
