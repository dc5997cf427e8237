// The report pages as the report tests walk them: how to
// make each form and a record for it, how to fill one from the other, and
// which record fields the page leaves out.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "records/cp1253.h"
#include "records/page_record.h"
#include "report/flox03/flox03_report.h"
#include "report/flox06/flox06_report.h"
#include "report/flox07/flox07_report.h"

namespace reporttest {

struct TPageCase {
  const char* name;
  std::function<std::unique_ptr<TReportPageForm>()> makeForm;
  // Null for the fixed annex pages, which have no record.
  std::function<std::unique_ptr<TPageRecord>()> makeRecord;
  std::function<void(TReportPageForm&, const TPageRecord&)> fill;
  std::set<std::string> unprinted;  // record fields the page does not print
};

template <class Form, class Record>
TPageCase FilledPage(const char* name, std::set<std::string> unprinted) {
  return {name, [] { return std::make_unique<Form>(); }, [] { return std::make_unique<TPageRecord>(Record::ClassInfo()); },
          [](TReportPageForm& form, const TPageRecord& record) {
            static_cast<Form&>(form).FillFromRecord(record);
          },
          std::move(unprinted)};
}

template <class Form>
TPageCase FixedPage(const char* name) {
  return {name, [] { return std::make_unique<Form>(); }, nullptr, nullptr, {}};
}

inline const std::vector<TPageCase>& FilledPages() {
  static const std::vector<TPageCase> pages = {
      FilledPage<TFlox03Page1Preview, TFlox03Pg1Data>("Page1", {"NumMhtrwou", "NameIdiokthth"}),
      FilledPage<TFlox03Page2Preview, TFlox03Pg2Data>("Page2", {"NumberOfFloorsOfOrganization"}),
      FilledPage<TFlox03Page3Preview, TFlox03Pg3Data>("Page3", {}),
      FilledPage<TFlox03Page4Preview, TFlox03Pg4Data>("Page4", {}),
      FilledPage<TFlox03Page5Preview, TFlox03Pg5Data>("Page5", {"Eidos25", "aa25"}),
      FilledPage<TFlox03Page6Preview, TFlox03Pg6Data>("Page6", {}),
  };
  return pages;
}

// The hotel study's own pages (its pages 4 and 5 are the general study's);
// they print every field of their records.
inline const std::vector<TPageCase>& HotelPages() {
  static const std::vector<TPageCase> pages = {
      FilledPage<TFlox07Page1Preview, TFlox07Pg1Data>("HotelPage1", {}),
      FilledPage<TFlox07Page2Preview, TFlox07Pg2Data>("HotelPage2", {}),
      FilledPage<TFlox07Page3Preview, TFlox07Pg3Data>("HotelPage3", {}),
      FilledPage<TFlox07Page6Preview, TFlox07Pg6Data>("HotelPage6", {}),
  };
  return pages;
}

// The hotel study's six pages in record order: its own pages 1 to 3, the
// general study's pages 4 and 5, its own page 6.
inline const std::vector<TPageCase>& HotelFamilyPages() {
  static const std::vector<TPageCase> pages = {HotelPages()[0],   HotelPages()[1],   HotelPages()[2],
                                               FilledPages()[3], FilledPages()[4], HotelPages()[3]};
  return pages;
}

inline const std::vector<TPageCase>& AllPages() {
  static const std::vector<TPageCase> pages = [] {
    std::vector<TPageCase> all = FilledPages();
    all.push_back(FixedPage<TFlox03Page7aPreview>("Page7a"));
    all.push_back(FixedPage<TFlox03Page7bPreview>("Page7b"));
    return all;
  }();
  return pages;
}

// The industry study: pages 1 to 7 filled from records 1 to 7, page 8 with
// the seventh record's Texnikes, pages 9 to 15 fixed.
inline const std::vector<TPageCase>& IndustryFilledPages() {
  static const std::vector<TPageCase> pages = {
      FilledPage<TFlox06Page1Preview, TFlox06Pg1Data>("Industry1", {}),
      FilledPage<TFlox06Page2Preview, TFlox06Pg2Data>("Industry2", {}),
      FilledPage<TFlox06Page3Preview, TFlox06Pg3Data>("Industry3", {}),
      FilledPage<TFlox06Page4Preview, TFlox06Pg4Data>("Industry4", {}),
      FilledPage<TFlox06Page5Preview, TFlox06Pg5Data>("Industry5",
                                                      {"Symbol19", "Poso19", "Use19", "Time19", "Comments19"}),
      FilledPage<TFlox06Page6Preview, TFlox06Pg6Data>("Industry6", {}),
      FilledPage<TFlox06Page7Preview, TFlox06Pg7Data>("Industry7", {"Texnikes"}),
  };
  return pages;
}

inline const std::vector<TPageCase>& IndustryAnnexPages() {
  static const std::vector<TPageCase> pages = {
      FixedPage<TFlox06Page8Preview>("Industry8"),   FixedPage<TFlox06Page9Preview>("Industry9"),
      FixedPage<TFlox06Page10Preview>("Industry10"), FixedPage<TFlox06Page11Preview>("Industry11"),
      FixedPage<TFlox06Page12Preview>("Industry12"), FixedPage<TFlox06Page13Preview>("Industry13"),
      FixedPage<TFlox06Page14Preview>("Industry14"), FixedPage<TFlox06Page15Preview>("Industry15"),
  };
  return pages;
}

inline const std::vector<TPageCase>& IndustryAllPages() {
  static const std::vector<TPageCase> pages = [] {
    std::vector<TPageCase> all = IndustryFilledPages();
    for (const TPageCase& page : IndustryAnnexPages()) all.push_back(page);
    return all;
  }();
  return pages;
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
