#include "entry/study_fit.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <nlohmann/json.hpp>

#include <QTabWidget>

#include "dialogs/entry_dialog.h"
#include "dialogs/field_captions.h"
#include "dialogs/flox03/flox03_indata.h"
#include "report/report_assembly.h"

namespace {

constexpr int kSlotCount = 19;

int SlotOf(TFlox03Pages& study, const TPageRecord* record) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (&study.Slot(slot) == record) return slot;
  }
  return 0;
}

// The data-entry dialog of the study type's family, built only to read its
// pages' control and binding tables; nullptr when the family has none.
std::unique_ptr<TEntryDialog> NewEntryDialog(std::uint8_t studyType) {
  if (studyType == 1 || studyType == 2) return std::make_unique<TFlox03InData>(nullptr);
  return nullptr;
}

// Names every cut field by its caption: on the entry page of its record's tab
// when the record is known, else on the first page that binds the field.
void NameFields(std::vector<TCutField>& cut, std::span<const int> recordSlots, std::uint8_t studyType) {
  std::unique_ptr<TEntryDialog> dialog = NewEntryDialog(studyType);
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
  const rpt::TReportFamily* family = rpt::FindReportFamily(studyType);
  if (family == nullptr) {
    throw std::invalid_argument("study type " + std::to_string(static_cast<unsigned>(studyType)) + " has no report");
  }
  std::vector<TPageRecord*> records;
  for (const int slot : family->recordSlots) records.push_back(&study.Slot(slot));

  rpt::InspectWholeReport(*family, records, studyType, [&](const std::vector<qr::TQuickRep*>& pages) {
    for (std::size_t p = 0; p < pages.size(); ++p) {
      const qr::TQuickRep& page = *pages[p];
      const auto& elements = page.Def().elements;
      for (std::size_t i = 0; i < elements.size(); ++i) {
        const qr::TElementDef& e = elements[i];
        if (e.kind != qr::TElementKind::Label || e.name == nullptr) continue;  // fixed texts are not fields
        const qr::TTextFit fit = qr::TextFit(page, i);
        if (!fit.Cut()) continue;
        const qr::TCaptionSource& source = page.SourceAt(i);
        TCutField f;
        f.page = static_cast<int>(p + 1);
        f.form = page.Def().formName != nullptr ? page.Def().formName : "";
        f.label = e.name;
        f.slot = SlotOf(study, source.record);
        f.field = source.property != nullptr ? source.property : e.name;
        f.text = page.CaptionAt(i).toStdString();
        f.fit = fit;
        cut.push_back(std::move(f));
      }
    }
  });
  if (!cut.empty()) NameFields(cut, family->recordSlots, studyType);
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
