// The entry page: one tab of a data-entry dialog. It owns its controls (on
// Panel1, built from the page's control table), its working record (a record
// of the page's own class) and its report page form, and moves values between
// controls and records by the page's binding table.
#pragma once

#include <QFrame>

#include <memory>
#include <span>
#include <stdexcept>
#include <string>

#include "dialogs/bindings.h"
#include "dialogs/page_layout.h"
#include "records/page_record.h"
#include "reportengine/quickrep.h"

class TEntryPageFrame;

namespace dlg {

// Everything that makes one page class: its controls, its bindings, its
// help dialog (nullptr: the page has none), the handlers it wires between
// its controls and its default face.
struct TPageDesc {
  std::span<const TControlDef> controls;
  std::span<const TBinding> bindings;
  int (*showHelp)(QWidget* owner) = nullptr;  // e.g. dlg::ShowModalHelp<THelpForm>
  // Runs once, after the controls are built and before anything is loaded:
  // connects the page's handlers (e.g. to QCheckBox::toggled, which fires on
  // every real change of state, by the user or by a load, and never when a
  // box is set to the state it already has).
  void (*wire)(TEntryPageFrame& page) = nullptr;
  // The face of every control that names none; {} keeps the dialog's.
  TControlFont font = {};
};

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
  ~TEntryPageFrame() override;

  // Copies the record into the working record, then sets every bound control
  // from the record. Throws std::invalid_argument for a record of another class.
  void LoadFromRecord(const TPageRecord& record);
  // Writes every bound control into the record; unbound fields keep their
  // values. Throws std::invalid_argument for a record of another class.
  void StoreToRecord(TPageRecord& record) const;
  // Stores the controls into the working record, fills the report page from
  // it and previews (prints) that one page. The document's records are not
  // touched.
  void PreviewPage();
  void PrintPage();
  // Opens the page's help dialog modally; pages without help do nothing.
  virtual void ShowHelp();

  const TPageRecord& WorkingRecord() const { return *working_; }
  std::span<const dlg::TBinding> Bindings() const { return desc_.bindings; }
  std::span<const dlg::TControlDef> Controls() const { return desc_.controls; }

  // The size the controls are placed in, with the page's margin: the least
  // size of the page in a sizeable dialog.
  QSize PlacedSize() const;

  // The panel that holds every control, filling the whole page.
  QFrame* Panel1 = nullptr;

 protected:
  TEntryPageFrame(QWidget* owner, const dlg::TPageDesc& desc, std::unique_ptr<TPageRecord> working);

  // Fills the page's report page from the record and returns its page report.
  virtual qr::TQuickRep& FillReport(const TPageRecord& record) = 0;
  // Frees the working record; the destructor of a page calls it after it has
  // freed its report page form.
  void FreeWorkingRecord() { working_.reset(); }

 private:
  void RequireOwnClass(const TPageRecord& record) const;

  dlg::TPageDesc desc_;
  std::unique_ptr<TPageRecord> working_;
};

// An entry page of record class Record whose report page form is of class
// Preview; the form holds itself in the shared report page instance Shared
// while the page lives.
template <class Record, class Preview, Preview*& Shared>
class TEntryPage : public TEntryPageFrame {
 public:
  ~TEntryPage() override {
    // Report page first (which clears the shared instance), then working record.
    report_.reset();
    FreeWorkingRecord();
  }

  Preview& ReportPage() { return *report_; }

 protected:
  TEntryPage(QWidget* owner, const dlg::TPageDesc& desc)
      : TEntryPageFrame(owner, desc, std::make_unique<TPageRecord>(Record::ClassInfo())), report_(std::make_unique<Preview>()) {}

  qr::TQuickRep& FillReport(const TPageRecord& record) override {
    Preview* page = Shared != nullptr ? Shared : report_.get();
    page->FillFromRecord(record);
    return page->QuickRep1;
  }

 private:
  std::unique_ptr<Preview> report_;
};
