// The entry page: one tab of a data-entry dialog, built from its tab's
// tables. It owns its controls (on Panel1), its working record (a record of
// the class of its tab's slot), and moves values between controls and
// records by the page's binding table. Its preview and print fill the tab's
// report page from the working record.
#pragma once

#include <QFrame>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/dialog_tables.h"
#include "records/page_record.h"

namespace dlg {

// The control of the page with that object name; std::logic_error when
// there is none of class W.
template <class W>
W* Find(QWidget& page, const char* name) {
  W* widget = page.findChild<W*>(QString::fromLatin1(name));
  if (widget == nullptr) throw std::logic_error(std::string("the page has no control ") + name);
  return widget;
}

}  // namespace dlg

class TEntryPageFrame : public QFrame {
  Q_OBJECT
 public:
  // The page of the tab; its object name is the tab's.
  TEntryPageFrame(QWidget* owner, const dlg::TTabDef& tab);
  ~TEntryPageFrame() override;

  // Copies the record into the working record, then sets every bound control
  // from the record. Throws std::invalid_argument for a record of another class.
  void LoadFromRecord(const TPageRecord& record);
  // Writes every bound control into the record; unbound fields keep their
  // values. Throws std::invalid_argument for a record of another class.
  void StoreToRecord(TPageRecord& record) const;
  // Stores the controls into the working record, fills the tab's report page
  // from it and previews (prints) that one page. The document's records are
  // not touched.
  void PreviewPage();
  void PrintPage();
  // Opens the tab's help dialog modally; a tab without help does nothing.
  void ShowHelp();

  const dlg::TTabDef& Tab() const { return tab_; }
  const TPageRecord& WorkingRecord() const { return working_; }
  std::span<const dlg::TBinding> Bindings() const { return desc_.bindings; }
  std::span<const dlg::TControlDef> Controls() const { return desc_.controls; }

  // The size the controls are placed in, with the page's margin: the least
  // size of the page in a sizeable dialog. A wider page gives the room
  // beyond it to its stretching controls (a grid's remarks column).
  QSize PlacedSize() const { return placed_; }

  // The working record with the controls stored into it: the record as it
  // would print now.
  TPageRecord CurrentRecord() const;
  // The edit or memo bound to the field (the case of ASCII letters does not
  // matter); nullptr when the page binds no text control to it.
  QWidget* TextControlOf(std::string_view field) const;
  // Every edit and memo the page binds, in table order.
  std::vector<QWidget*> TextControls() const;
  // The first control the Tab key reaches on the page (the focus stop of a
  // radio group), skipping disabled ones; nullptr when none.
  QWidget* FirstField() const;

  // The panel that holds every control, filling the whole page.
  QFrame* Panel1 = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void RequireOwnClass(const TPageRecord& record) const;

  const dlg::TTabDef& tab_;
  const dlg::TPageDesc& desc_;
  TPageRecord working_;
  QSize placed_;
};
