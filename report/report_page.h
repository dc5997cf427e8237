// A report page form: a form never shown on screen that holds one page
// report, QuickRep1, built from its page description.
#pragma once

#include "reportengine/quickrep.h"

class TReportPageForm {
 public:
  explicit TReportPageForm(const qr::TPageDef& def) : QuickRep1(def) {}
  virtual ~TReportPageForm() = default;
  TReportPageForm(const TReportPageForm&) = delete;
  TReportPageForm& operator=(const TReportPageForm&) = delete;

  qr::TQuickRep QuickRep1;
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
};
