// A report page form: a form never shown on screen that holds one page
// report, QuickRep1, built from its page description.
//
// A page is its element table and nothing else: its data labels are filled
// from the record property of the same name (or the property an element
// names, where the label's name differs), so no page writes a binding list.
// A page class is declared with one line in its family's header and defined
// with one line after its table:
//
//   FLOX_REPORT_PAGE(TFlox03Page1Preview, Flox03Page1Preview, TFlox03Pg1Data);  // header
//   FLOX_ANNEX_PAGE(TFlox03Page7aPreview, Flox03Page7aPreview);                 // header, no record
//   FLOX_DEFINE_REPORT_PAGE(TFlox03Page1Preview, Flox03Page1Preview, kPage)     // .cpp
#pragma once

#include "records/page_record.h"
#include "reportengine/quickrep.h"

class TReportPageForm {
 public:
  explicit TReportPageForm(const qr::TPageDef& def) : QuickRep1(def) {}
  virtual ~TReportPageForm() = default;
  TReportPageForm(const TReportPageForm&) = delete;
  TReportPageForm& operator=(const TReportPageForm&) = delete;

  qr::TQuickRep QuickRep1;

 protected:
  // Sets every data label of the page from the record, as stored (code page
  // 1253); fixed texts and everything else stay as they are.
  void FillDataLabels(const TPageRecord& record);
};

// A report page form of class Self that is held in its shared report page
// instance Shared from construction to destruction: whoever creates the form
// (the whole-report run or an entry page) makes it the current one, and
// freeing it clears the reference if it still names this form.
template <class Self, Self*& Shared>
class TSharedReportPage : public TReportPageForm {
 public:
  explicit TSharedReportPage(const qr::TPageDef& def) : TReportPageForm(def) { Shared = static_cast<Self*>(this); }
  ~TSharedReportPage() override {
    if (Shared == static_cast<Self*>(this)) Shared = nullptr;
  }
  // The shared instance: the current form of this class, or nullptr.
  static Self*& Instance() { return Shared; }
};

// A page filled from a record of class Rec.
template <class Self, Self*& Shared, class Rec>
class TRecordReportPage : public TSharedReportPage<Self, Shared> {
 public:
  using Record = Rec;
  using TSharedReportPage<Self, Shared>::TSharedReportPage;
  void FillFromRecord(const TPageRecord& record) { this->FillDataLabels(record); }
};

// A fixed page: nothing of it comes from a record.
template <class Self, Self*& Shared>
class TAnnexReportPage : public TSharedReportPage<Self, Shared> {
 public:
  using Record = void;
  using TSharedReportPage<Self, Shared>::TSharedReportPage;
};

#define FLOX_REPORT_PAGE(Class, Shared, RecordClass)                                   \
  class Class;                                                                         \
  extern Class* Shared;                                                                \
  class Class : public TRecordReportPage<Class, Shared, RecordClass> {                 \
   public:                                                                             \
    using TPageBase = TRecordReportPage<Class, Shared, RecordClass>;                   \
    static constexpr const char* kFormName = #Class;                                   \
    Class();                                                                           \
  }

#define FLOX_ANNEX_PAGE(Class, Shared)                                                 \
  class Class;                                                                         \
  extern Class* Shared;                                                                \
  class Class : public TAnnexReportPage<Class, Shared> {                               \
   public:                                                                             \
    using TPageBase = TAnnexReportPage<Class, Shared>;                                 \
    static constexpr const char* kFormName = #Class;                                   \
    Class();                                                                           \
  }

// The shared instance, empty until a form is made, and the constructor that
// builds the form from its page description.
#define FLOX_DEFINE_REPORT_PAGE(Class, Shared, PageDef) \
  Class* Shared = nullptr;                              \
  Class::Class() : TPageBase(PageDef) {}
