#include "entry/study_fit.h"

#include <stdexcept>
#include <string>
#include <nlohmann/json.hpp>

#include "dialogs/field_captions.h"
#include "report/report_assembly.h"

namespace {

// The cut data labels of a filled page, each with the record and field it
// shows; `slotOf` gives a record's study slot (0: not known).
template <class SlotOf>
void CutLabels(qr::TQuickRep& page, int pageNumber, SlotOf slotOf, std::vector<TCutField>& cut) {
  qr::PreparePage(page);  // exactly as the outputs paint it
  const auto& elements = page.Def().elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const qr::TElementDef& e = elements[i];
    // A data label: filled from a record field, or named without a caption
    // of its own.
    const qr::TCaptionSource& source = page.SourceAt(i);
    const bool dataLabel = source.property != nullptr || (e.name != nullptr && e.text == nullptr);
    if (e.kind != qr::TElementKind::Label || !dataLabel) continue;
    const qr::TTextFit fit = qr::TextFit(page, i);
    if (!fit.Cut()) continue;
    TCutField f;
    f.page = pageNumber;
    f.form = page.Def().formName != nullptr ? page.Def().formName : "";
    f.label = e.name;
    f.slot = slotOf(source.record);
    f.field = source.property != nullptr ? source.property : e.property != nullptr ? e.property : e.name;
    f.text = page.CaptionAt(i).toStdString();
    f.fit = fit;
    cut.push_back(std::move(f));
  }
}

// Names every cut field by its caption: on the entry page of its record's
// tab when the record is known, else on the first page that binds the field.
void NameFields(std::vector<TCutField>& cut, const TStudyFamily& family) {
  for (TCutField& f : cut) {
    for (const dlg::TTabDef& tab : family.dialog.tabs) {
      if (!f.caption.empty()) break;
      const bool ownTab = tab.slot == f.slot;
      if (f.slot != 0 && !ownTab) continue;
      const dlg::TPageDesc& page = tab.page();
      f.caption = dlg::FieldCaption(page.controls, page.bindings, f.field);
      if (!f.caption.empty() || ownTab) f.tab = tab.caption;
    }
    if (f.caption.empty()) f.caption = f.field;
  }
}

}  // namespace

std::vector<TCutField> FindCutFields(const TFlox03Pages& study, std::uint8_t studyType) {
  const TStudyFamily* family = FindStudyFamily(studyType);
  if (family == nullptr) {
    throw std::invalid_argument("study type " + std::to_string(static_cast<unsigned>(studyType)) + " has no report");
  }
  const std::span<const TPageRecord> records = study.Records();
  const auto slotOf = [&](const TPageRecord* record) {
    const bool inStudy = record >= records.data() && record < records.data() + records.size();
    return inStudy ? static_cast<int>(record - records.data()) + 1 : 0;
  };
  std::vector<TCutField> cut;
  const rpt::TPages pages = rpt::BuildPages(family->report, records, studyType);
  for (std::size_t p = 0; p < pages.size(); ++p) CutLabels(*pages[p], static_cast<int>(p + 1), slotOf, cut);
  NameFields(cut, *family);
  return cut;
}

std::vector<TCutField> FindCutFieldsOfTab(const TStudyFamily& family, int tab, const TPageRecord& record) {
  const dlg::TTabDef& def = family.dialog.tabs[static_cast<std::size_t>(tab)];
  // The sheet the page prints on in the whole report (of the family's first type).
  int pageNumber = 0;
  for (const rpt::TReportPageRef& ref : family.report) {
    if (ref.onlyForStudyType != 0 && ref.onlyForStudyType != family.types.front().type) continue;
    ++pageNumber;
    if (ref.page == def.report) break;
  }
  std::vector<TCutField> cut;
  const auto page = rpt::BuildPage(*def.report, &record);
  CutLabels(*page, pageNumber, [&](const TPageRecord* source) { return source == &record ? def.slot : 0; }, cut);
  NameFields(cut, family);
  return cut;
}

std::string CutFieldsToJson(const std::vector<TCutField>& fields) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const TCutField& f : fields) {
    out.push_back({{"page", f.page},
                   {"form", f.form},
                   {"label", f.label},
                   {"slot", f.slot},
                   {"field", f.field},
                   {"caption", f.caption},
                   {"tab", f.tab},
                   {"text", f.text},
                   {"lines", f.fit.lines},
                   {"linesShown", f.fit.linesShown},
                   {"characters", f.fit.characters},
                   {"charactersShown", f.fit.charactersShown}});
  }
  return out.dump();
}
