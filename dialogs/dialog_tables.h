// A data-entry dialog, its tabs and their entry pages as data. A page is its
// control and binding tables; a tab names its page, the study slot of the
// record it edits, the report page its preview and print show and its help
// dialog; a dialog is its window settings and its tabs. One generic dialog
// (entry_dialog.h) and one generic entry page (entry_page.h) build any of
// them. The families' dialogs are rows of the family table
// (entry/study_families.cpp).
#pragma once

#include <span>

#include "dialogs/bindings.h"
#include "dialogs/help_table.h"
#include "dialogs/page_layout.h"
#include "reportengine/model.h"

class TEntryPageFrame;

namespace dlg {

// Everything that makes one entry page: its controls, its bindings, the
// handlers it wires between its controls and its default face.
struct TPageDesc {
  std::span<const TControlDef> controls;
  std::span<const TBinding> bindings;
  // Runs once, after the controls are built and before anything is loaded:
  // connects the page's handlers (e.g. to QCheckBox::toggled, which fires on
  // every real change of state, by the user or by a load, and never when a
  // box is set to the state it already has).
  void (*wire)(TEntryPageFrame& page) = nullptr;
  // The face of every control that names none; {} keeps the dialog's.
  TControlFont font = {};
};

// One tab of a data-entry dialog.
struct TTabDef {
  const char* caption;             // UTF-8
  int slot;                        // the study slot of the record it edits
  const TPageDesc& (*page)();      // its entry page's tables, e.g. &flox03::Page1Desc
  const char* objectName;          // e.g. "Flox03Page1Frame1"
  const qr::TPageDef* report;      // the report page its preview and print show
  const THelpFormTable* help = nullptr;  // its filling instructions; nullptr: none
};

enum class TDialogBorder {
  FixedDialog,  // fixed size, title bar with the close box only
  Sizeable,     // sizeable window; each page scrolls when the window is smaller than the page
};

// A data-entry dialog. A fixed dialog's size is its client area, a sizeable
// dialog's size its window.
struct TDialogDesc {
  const char* objectName;  // e.g. "Flox03InData"
  const char* caption;     // UTF-8
  TDialogBorder border;
  int width;
  int height;
  std::span<const TTabDef> tabs;  // in tab order; one record per tab
};

}  // namespace dlg
