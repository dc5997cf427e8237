// The nineteen records of a whole study in file order, for the fuzz target
// and its seed maker (which build without the study document).
#pragma once

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "records/page_record.h"

namespace flox_fuzz {

inline constexpr std::array<std::string_view, 19> kSlotClasses = {
    "TFlox03Pg1Data", "TFlox03Pg2Data", "TFlox03Pg3Data", "TFlox03Pg4Data", "TFlox03Pg5Data",
    "TFlox03Pg6Data", "TFlox06Pg1Data", "TFlox06Pg2Data", "TFlox06Pg3Data", "TFlox06Pg4Data",
    "TFlox06Pg5Data", "TFlox06Pg6Data", "TFlox06Pg7Data", "TFlox07Pg1Data", "TFlox07Pg2Data",
    "TFlox07Pg3Data", "TFlox03Pg4Data", "TFlox03Pg5Data", "TFlox07Pg6Data",
};

inline std::vector<std::unique_ptr<TPageRecord>> NewStudy() {
  std::vector<std::unique_ptr<TPageRecord>> study;
  for (std::string_view name : kSlotClasses) {
    const TRecordClass* cls = FindRecordClass(name);
    if (!cls) throw std::logic_error("no record class " + std::string(name));
    study.push_back(CreateRecord(*cls));
  }
  return study;
}

inline std::vector<std::uint8_t> SaveStudy(const std::vector<std::unique_ptr<TPageRecord>>& study) {
  TMemoryStream stream;
  for (const auto& record : study) record->SaveToStream(stream);
  return stream.Bytes();
}

}  // namespace flox_fuzz
