#include "entry/study_fit.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <nlohmann/json.hpp>

#include "dialogs/field_captions.h"
#include "report/report_assembly.h"

namespace {

// What the printed page itself says a data label holds: the fixed text
// right before it on its line (at most a centimetre away), else the nearest
// one above it; "" when none.
std::string PaperCaption(const qr::TPageDef& page, std::size_t label) {
  constexpr int kNear = 100;
  const qr::TRectDef& r = page.elements[label].rect;
  const qr::TElementDef* before = nullptr;
  const qr::TElementDef* above = nullptr;
  for (const qr::TElementDef& e : page.elements) {
    if (e.kind != qr::TElementKind::Label || e.text == nullptr) continue;
    const qr::TRectDef& t = e.rect;
    const bool sameLine = t.top < r.top + r.height && r.top < t.top + t.height;
    const bool sameColumn = t.left < r.left + r.width && r.left < t.left + t.width;
    const int gap = r.left - (t.left + t.width);
    if (sameLine && gap >= -1 && gap <= kNear && (before == nullptr || t.left > before->rect.left)) before = &e;
    if (!sameLine && sameColumn && t.top + t.height <= r.top + 1 && (above == nullptr || t.top > above->rect.top)) {
      above = &e;
    }
  }
  const qr::TElementDef* caption = before != nullptr ? before : above;
  std::string text = caption != nullptr ? caption->text : "";
  while (!text.empty() && (text.back() == ' ' || text.back() == ':')) text.pop_back();
  return text;
}

// The cut data labels of a filled page, each with the record and field it
// shows (`slotOf` gives a record's study slot, 0: not known) and, in
// `paper`, what the page itself says it holds.
template <class SlotOf>
void CutLabels(qr::TQuickRep& page, int pageNumber, SlotOf slotOf, std::vector<TCutField>& cut,
               std::vector<std::string>& paper) {
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
    paper.push_back(PaperCaption(page.Def(), i));
  }
}

// Names every cut field by its caption: on the entry page of its record's
// tab when the record is known, else on the first page that binds the
// field; a field no entry page edits by what the printed page says it is.
void NameFields(std::vector<TCutField>& cut, const std::vector<std::string>& paper, const TStudyFamily& family) {
  // The captions of a tab's page, worked out when first asked for.
  std::vector<std::optional<std::map<std::string, std::string, dlg::TFieldNameLess>>> captions(
      family.dialog.tabs.size());
  auto captionsOf = [&](std::size_t k) -> const auto& {
    const dlg::TPageDesc& page = family.dialog.tabs[k].page();
    if (!captions[k]) captions[k] = dlg::FieldCaptions(page.controls, page.bindings);
    return *captions[k];
  };
  for (std::size_t i = 0; i < cut.size(); ++i) {
    TCutField& f = cut[i];
    for (std::size_t k = 0; k < family.dialog.tabs.size() && f.caption.empty(); ++k) {
      const bool ownTab = family.dialog.tabs[k].slot == f.slot;
      if (f.slot != 0 && !ownTab) continue;
      const auto it = captionsOf(k).find(f.field);
      if (it != captionsOf(k).end()) f.caption = it->second;
      if (!f.caption.empty() || ownTab) f.tab = family.dialog.tabs[k].caption;
    }
    if (f.caption.empty()) f.caption = !paper[i].empty() ? paper[i] : f.field;
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
  std::vector<std::string> paper;
  const rpt::TPages pages = rpt::BuildPages(family->report, records, studyType);
  for (std::size_t p = 0; p < pages.size(); ++p) CutLabels(*pages[p], static_cast<int>(p + 1), slotOf, cut, paper);
  NameFields(cut, paper, *family);
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
  std::vector<std::string> paper;
  const auto page = rpt::BuildPage(*def.report, &record);
  CutLabels(*page, pageNumber, [&](const TPageRecord* source) { return source == &record ? def.slot : 0; }, cut, paper);
  NameFields(cut, paper, family);
  return cut;
}

TEntryDialog::TFitChecker FitCheckerOf(const TStudyFamily& family) {
  return [&family](int tab, const TPageRecord& record) {
    std::vector<TEntryDialog::TFieldFit> fits;
    for (const TCutField& f : FindCutFieldsOfTab(family, tab, record)) {
      fits.push_back({f.field, f.fit.characters, f.fit.charactersShown, f.fit.lines, f.fit.linesShown});
    }
    return fits;
  };
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
