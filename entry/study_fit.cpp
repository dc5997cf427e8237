#include "entry/study_fit.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <nlohmann/json.hpp>

#include <QTabWidget>

#include "dialogs/entry_dialog.h"
#include "dialogs/entry_page.h"
#include "dialogs/field_captions.h"
#include "entry/study_families.h"
#include "report/report_assembly.h"

namespace {

constexpr int kSlotCount = 19;

int SlotOf(TFlox03Pages& study, const TPageRecord* record) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (&study.Slot(slot) == record) return slot;
  }
  return 0;
}

// Names every cut field by its caption: on the entry page of its record's tab
// when the record is known, else on the first page that binds the field.
// The family's data-entry dialog is built (never shown) only to read its
// pages' control and binding tables.
void NameFields(std::vector<TCutField>& cut, const TStudyFamily& family) {
  const std::span<const int> recordSlots = family.recordSlots;
  std::unique_ptr<TEntryDialog> dialog = family.createDialog != nullptr ? family.createDialog() : nullptr;
  const int pages = dialog ? dialog->PageCount() : 0;
  for (TCutField& f : cut) {
    for (int k = 0; k < pages && f.caption.empty(); ++k) {
      const bool ownTab = k < static_cast<int>(recordSlots.size()) && recordSlots[static_cast<std::size_t>(k)] == f.slot;
      if (f.slot != 0 && !ownTab) continue;
      const TEntryPageFrame* page = dialog->Page(k);
      f.caption = dlg::FieldCaption(page->Controls(), page->Bindings(), f.field);
      if (!f.caption.empty() || ownTab) f.tab = dialog->PageControl1->tabText(k).remove(QLatin1Char('&')).toStdString();
    }
    if (f.caption.empty()) f.caption = f.field;
  }
}

}  // namespace

std::vector<TCutField> FindCutFields(TFlox03Pages& study, std::uint8_t studyType) {
  std::vector<TCutField> cut;
  const TStudyFamily* family = FindStudyFamily(studyType);
  if (family == nullptr || family->report == nullptr) {
    throw std::invalid_argument("study type " + std::to_string(static_cast<unsigned>(studyType)) + " has no report");
  }
  std::vector<TPageRecord*> records;
  for (const int slot : family->recordSlots) records.push_back(&study.Slot(slot));

  rpt::InspectWholeReport(*family->report, records, studyType, [&](const std::vector<qr::TQuickRep*>& pages) {
    for (std::size_t p = 0; p < pages.size(); ++p) {
      const qr::TQuickRep& page = *pages[p];
      const auto& elements = page.Def().elements;
      for (std::size_t i = 0; i < elements.size(); ++i) {
        const qr::TElementDef& e = elements[i];
        // A data label: filled from a record field, or named without a
        // caption of its own (a page's need-data hook fills it).
        const qr::TCaptionSource& source = page.SourceAt(i);
        const bool dataLabel = source.property != nullptr || (e.name != nullptr && e.text == nullptr);
        if (e.kind != qr::TElementKind::Label || !dataLabel) continue;
        const qr::TTextFit fit = qr::TextFit(page, i);
        if (!fit.Cut()) continue;
        TCutField f;
        f.page = static_cast<int>(p + 1);
        f.form = page.Def().formName != nullptr ? page.Def().formName : "";
        f.label = e.name;
        f.slot = SlotOf(study, source.record);
        f.field = source.property != nullptr ? source.property : e.property != nullptr ? e.property : e.name;
        f.text = page.CaptionAt(i).toStdString();
        f.fit = fit;
        cut.push_back(std::move(f));
      }
    }
  });
  if (!cut.empty()) NameFields(cut, *family);
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
