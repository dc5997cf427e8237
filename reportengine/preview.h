// The preview window of page reports: the pages as they print, with zoom,
// page navigation, printing, saving as PDF and closing.
#pragma once

#include <vector>

#include <QDialog>

#include "reportengine/quickrep.h"

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace qr {

enum class TPreviewCommand {
  ZoomIn,
  ZoomOut,
  FitWidth,
  FitPage,
  FirstPage,
  PreviousPage,
  NextPage,
  LastPage,
  Print,
  SavePdf,
  Close,
};

class TPreviewWindow : public QDialog {
 public:
  explicit TPreviewWindow(std::vector<TQuickRep*> pages, QWidget* parent = nullptr);
  ~TPreviewWindow() override;

  QAction* Action(TPreviewCommand command) const;
  QPrintPreviewWidget* View() const { return view_; }
  // 1-based, as the window shows it.
  int CurrentPage() const;
  int PageCount() const;
  QString PageIndicator() const;

 private:
  void UpdateIndicators();
  void SavePdf();
  void PrintPages();

  std::vector<TQuickRep*> pages_;
  QPrinter* printer_;
  QPrintPreviewWidget* view_;
  QLabel* pageLabel_;
  QLabel* zoomLabel_;
  QLabel* status_;
  std::vector<QAction*> actions_;
};

// Shows the pages in a preview window, modal over the application, and
// returns when the user closes it. Without a display nothing can be shown:
// a note goes to stderr.
void ShowPreview(const std::vector<TQuickRep*>& pages);

}  // namespace qr
