// The hotel study's whole report, as the report assembly runs it.
#pragma once

#include "report/report_assembly.h"

extern const rpt::TReportFamily kFlox07ReportFamily;
