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
