// The report pages as the report tests walk them, from the family table:
// every page of every family's whole report once, with the record class
// that fills it, and values that show where they print.
#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "entry/study_families.h"
#include "records/cp1253.h"
#include "records/page_record.h"
#include "records/study_slots.h"
#include "report/report_assembly.h"

namespace reporttest {

struct TPageCase {
  std::string name;          // the form's name
  const qr::TPageDef* page;
  int slot;                  // the first slot that fills it; 0: a fixed page
  TPageRecord Record() const { return TPageRecord(StudySlotClass(slot)); }
};

// Every page of every family's report once (a page two families share comes
// once), filled pages only or all of them.
inline std::vector<TPageCase> ReportPages(bool withFixedPages) {
  std::vector<TPageCase> pages;
  std::set<const qr::TPageDef*> seen;
  for (const TStudyFamily& family : StudyFamilies()) {
    for (const rpt::TReportPageRef& ref : family.report) {
      if ((ref.slot == 0 && !withFixedPages) || !seen.insert(ref.page).second) continue;
      pages.push_back({ref.page->formName, ref.page, ref.slot});
    }
  }
  return pages;
}

// The fields a record holds that no page of the report prints, by record class.
inline const std::set<std::string>& Unprinted(const TRecordClass& cls) {
  static const std::map<std::string, std::set<std::string>> unprinted = {
      {"TFlox03Pg1Data", {"NumMhtrwou", "NameIdiokthth"}},
      {"TFlox03Pg2Data", {"NumberOfFloorsOfOrganization"}},
      {"TFlox03Pg5Data", {"Eidos25", "aa25"}},
      {"TFlox06Pg5Data", {"Symbol19", "Poso19", "Use19", "Time19", "Comments19"}},
  };
  static const std::set<std::string> none;
  const auto it = unprinted.find(cls.className);
  return it != unprinted.end() ? it->second : none;
}

inline void PrintTo(const TPageCase& page, std::ostream* out) { *out << page.name; }

inline std::string PageName(const testing::TestParamInfo<TPageCase>& info) { return info.param.name; }

inline std::string Cp(const std::string& utf8) {
  std::string out;
  if (!Utf8ToCp1253(utf8, out)) throw std::invalid_argument("not code page 1253: " + utf8);
  return out;
}

inline std::string Utf8(const std::string& cp1253) { return Cp1253ToUtf8(cp1253); }

// A value for a field that no fixed text of any page contains and that fits
// the field's printed box on one line: a marker letter and the field's
// position, as long as the field allows. A character field gets "Ψ".
inline std::string DistinctValue(const TPropInfo& prop, std::size_t index, int base = 100) {
  const std::string number = std::to_string(base + static_cast<int>(index));  // three digits
  switch (prop.maxLen) {
    case 1:
      return Cp("Ψ");
    case 2:
      return Cp("Ω") + number.substr(2);
    case 3:
      return Cp("Ω") + number.substr(1);
    case 4:
      return Cp("Φ") + number;
    default:
      return Cp("Ψ") + number;
  }
}

// Every field of the record filled with DistinctValue.
// base (100 to 900) keeps the values of different records apart.
inline void FillDistinct(TPageRecord& record, int base = 100) {
  for (std::size_t i = 0; i < record.PropCount(); ++i) record.Set(i, DistinctValue(record.Class().props[i], i, base));
}

// Every field of the record at its maximum length: wide capitals and digits
// broken into words (or one unbroken word), so that wrapping and cutting
// both show.
inline void FillToMaximum(TPageRecord& record, bool unbroken) {
  const std::string words = Cp(unbroken ? "ΩΜΩΜΩΜΩΜΩΜ" : "ΜΩΜΩΜΩ 0808 ΨΩΜΩ ");
  for (std::size_t i = 0; i < record.PropCount(); ++i) {
    const TPropInfo& prop = record.Class().props[i];
    std::string value;
    while (value.size() < prop.maxLen) value += words;
    record.Set(i, value.substr(0, prop.maxLen));
  }
}

}  // namespace reporttest
