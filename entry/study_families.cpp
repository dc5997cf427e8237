// The family table. Each row names its family's tables, which live in the
// family's folders: dialogs/floxNN (entry pages, help dialogs) and
// report/floxNN (report pages).
#include "entry/study_families.h"

#include <utility>

#include <nlohmann/json.hpp>

#include "dialogs/flox03/flox03_help.h"
#include "dialogs/flox03/flox03_pages.h"
#include "dialogs/flox06/flox06_help.h"
#include "dialogs/flox06/flox06_pages.h"
#include "dialogs/flox07/flox07_help.h"
#include "dialogs/flox07/flox07_pages.h"
#include "report/flox03/flox03_report.h"
#include "report/flox06/flox06_report.h"
#include "report/flox07/flox07_report.h"

namespace {

using dlg::TDialogBorder;
using dlg::TTabDef;
using rpt::TReportPageRef;

// --- The general study, slots 1 to 6: pages 1 to 6, then the annex page of
// its study type.
constexpr TStudyTypeDef kGeneralTypes[] = {
    {1, "Γενική μελέτη, 3/81 Π.Δ.", "την 3/81 Π.Δ."},
    {2, "Γενική μελέτη, 8/97 Π.Δ.", "την 8/97 Π.Δ."},
};
constexpr TTabDef kGeneralTabs[] = {
    {"Επιχείρηση", 1, &flox03::Page1Desc, "Flox03Page1Frame1", &flox03::kPage1Preview, &flox03::kHelp1},
    {"Οικοδομική Σύσταση", 2, &flox03::Page2Desc, "Flox03Page2Frame1", &flox03::kPage2Preview, &flox03::kHelp2},
    {"Μέτρα Πυροπροστασίας", 3, &flox03::Page3Desc, "Flox03Page3Frame1", &flox03::kPage3Preview, &flox03::kHelp3},
    {"Πυροσβεστήρες", 4, &flox03::Page4Desc, "Flox03Page4Frame1", &flox03::kPage4Preview},
    {"Πυροσβεστήρες", 5, &flox03::Page5Desc, "Flox03Page5Frame1", &flox03::kPage5Preview},
    {"Ομάδες Πυρόσβεσης", 6, &flox03::Page6Desc, "Flox03Page6Frame1", &flox03::kPage6Preview, &flox03::kHelp6},
};
constexpr TReportPageRef kGeneralReport[] = {
    {&flox03::kPage1Preview, 1},     {&flox03::kPage2Preview, 2},     {&flox03::kPage3Preview, 3},
    {&flox03::kPage4Preview, 4},     {&flox03::kPage5Preview, 5},     {&flox03::kPage6Preview, 6},
    {&flox03::kPage7aPreview, 0, 1}, {&flox03::kPage7bPreview, 0, 2},
};

// --- The industry study, slots 7 to 13: pages 1 to 7, page 8 with the
// technical descriptions of the seventh record, the annex pages 9 to 15.
constexpr TStudyTypeDef kIndustryTypes[] = {
    {3, "Βιομηχανίες-Βιοτεχνίες", "  Π.Δ. 71/88  Αρθρο11  και Απόφ. 5905/Φ15/839  ΦΕΚ611/12/7/95"},
};
constexpr TTabDef kIndustryTabs[] = {
    {"Επιχείρηση", 7, &flox06::Page1Desc, "Flox06Page1Frame1", &flox06::kPage1Preview, &flox06::kHelp1},
    {"Οικοδομική Σύσταση", 8, &flox06::Page2Desc, "Flox06Page2Frame1", &flox06::kPage2Preview, &flox06::kHelp2},
    {"Εξοπλισμός", 9, &flox06::Page3Desc, "Flox06Page3Frame1", &flox06::kPage3Preview, &flox06::kHelp3},
    {"Μέτρα πυροπροστασίας", 10, &flox06::Page4Desc, "Flox06Page4Frame1", &flox06::kPage4Preview, &flox06::kHelp4},
    {"Πυροσβεστήρες", 11, &flox06::Page5Desc, "Flox06Page5Frame1", &flox06::kPage5Preview},
    {"Πυροσβεστήρες", 12, &flox06::Page6Desc, "Flox06Page6Frame1", &flox06::kPage6Preview},
    {"Ομάδα Πυροπροστασίας", 13, &flox06::Page7Desc, "Flox06Page7Frame1", &flox06::kPage7Preview},
};
constexpr TReportPageRef kIndustryReport[] = {
    {&flox06::kPage1Preview, 7},   {&flox06::kPage2Preview, 8},   {&flox06::kPage3Preview, 9},
    {&flox06::kPage4Preview, 10},  {&flox06::kPage5Preview, 11},  {&flox06::kPage6Preview, 12},
    {&flox06::kPage7Preview, 13},  {&flox06::kPage8Preview, 13},  {&flox06::kPage9Preview},
    {&flox06::kPage10Preview},     {&flox06::kPage11Preview},     {&flox06::kPage12Preview},
    {&flox06::kPage13Preview},     {&flox06::kPage14Preview},     {&flox06::kPage15Preview},
};

// --- The hotel study, slots 14 to 19: its own pages 1 to 3 and 6, and the
// general study's extinguisher pages on its own records of those classes
// (slots 17 and 18, never the general study's 4 and 5).
constexpr TStudyTypeDef kHotelTypes[] = {
    {4, "Υφιστάμενα Ξενοδοχεία", nullptr},
};
constexpr TTabDef kHotelTabs[] = {
    {"Επιχείρηση", 14, &flox07::Page1Desc, "Flox07Page1Frame1", &flox07::kPage1Preview, &flox07::kHelp1},
    {"Οικοδομική Σύσταση", 15, &flox07::Page2Desc, "Flox07Page2Frame1", &flox07::kPage2Preview, &flox07::kHelp2},
    {"Μέτρα Πυροπροστασίας", 16, &flox07::Page3Desc, "Flox07Page3Frame1", &flox07::kPage3Preview, &flox07::kHelp3},
    {"Πυροσβεστήρες", 17, &flox03::HotelPage4Desc, "Flox03Page4Frame1", &flox03::kPage4Preview},
    {"Πυροσβεστήρες", 18, &flox03::HotelPage5Desc, "Flox03Page5Frame1", &flox03::kPage5Preview},
    {"Ομάδες Πυρόσβεσης", 19, &flox07::Page6Desc, "Flox07Page6Frame1", &flox07::kPage6Preview},
};
constexpr TReportPageRef kHotelReport[] = {
    {&flox07::kPage1Preview, 14}, {&flox07::kPage2Preview, 15}, {&flox07::kPage3Preview, 16},
    {&flox03::kPage4Preview, 17}, {&flox03::kPage5Preview, 18}, {&flox07::kPage6Preview, 19},
};

constexpr TStudyFamily kFamilies[] = {
    {.name = "general study",
     .types = kGeneralTypes,
     .legalField = "Suntaxh",
     .dialog = {"Flox03InData", "Δεδομένα Ενεργητικής Πυροπροστασίας", TDialogBorder::FixedDialog, 655, 514,
                kGeneralTabs},
     .report = kGeneralReport,
     .hourglassWhilePrinting = true},
    {.name = "industry study",
     .types = kIndustryTypes,
     .legalField = "Suntaxh",
     .dialog = {"Flox06InData", "Δεδομένα Ενεργητικής Πυροπροστασίας Βιομηχανίες-Βιοτεχνίες",
                TDialogBorder::Sizeable, 747, 560, kIndustryTabs},
     .report = kIndustryReport,
     .hourglassWhilePrinting = false},
    {.name = "hotel study",
     .types = kHotelTypes,
     .legalField = "Suntaxh",
     .dialog = {"Flox07InData", "Δεδομένα Ενεργητικής Πυροπροστασίας Υφιστάμενα Ξενοδοχεία", TDialogBorder::Sizeable,
                698, 550, kHotelTabs},
     .report = kHotelReport,
     .hourglassWhilePrinting = false},
};

}  // namespace

std::vector<int> TStudyFamily::Slots() const {
  std::vector<int> tabSlots;
  for (const TTabDef& tab : dialog.tabs) tabSlots.push_back(tab.slot);
  return tabSlots;
}

std::span<const TStudyFamily> StudyFamilies() { return kFamilies; }

namespace {

std::pair<const TStudyFamily*, const TStudyTypeDef*> Find(std::uint8_t studyType) {
  for (const TStudyFamily& family : kFamilies) {
    for (const TStudyTypeDef& type : family.types) {
      if (type.type == studyType) return {&family, &type};
    }
  }
  return {nullptr, nullptr};
}

}  // namespace

const TStudyFamily* FindStudyFamily(std::uint8_t studyType) { return Find(studyType).first; }

const TStudyTypeDef* FindStudyType(std::uint8_t studyType) { return Find(studyType).second; }

std::string StudyTypesJson() {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const TStudyFamily& family : kFamilies) {
    std::vector<std::string> tabs;
    for (const dlg::TTabDef& tab : family.dialog.tabs) tabs.emplace_back(tab.caption);
    for (const TStudyTypeDef& type : family.types) {
      out.push_back({{"type", type.type},
                     {"name", type.name},
                     {"family", family.name},
                     {"slots", family.Slots()},
                     {"tabs", tabs},
                     {"legalSlot", family.dialog.tabs.front().slot},
                     {"legalField", family.legalField},
                     {"legalText", type.legalText != nullptr ? nlohmann::ordered_json(type.legalText) : nullptr}});
    }
  }
  return out.dump();
}
