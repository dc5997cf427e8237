#include "dialogs/entry_page.h"

#include <QAbstractButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "dialogs/field_captions.h"
#include "dialogs/help_form.h"
#include "records/study_slots.h"
#include "report/report_assembly.h"

TEntryPageFrame::TEntryPageFrame(QWidget* owner, const dlg::TTabDef& tab)
    : QFrame(owner), tab_(tab), desc_(tab.page()), working_(StudySlotClass(tab.slot)) {
  setObjectName(QString::fromLatin1(tab.objectName));
  setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::NoFrame);
  layout->addWidget(Panel1);
  if (desc_.font.face != nullptr || desc_.font.points != 0) Panel1->setFont(dlg::ControlFont(Panel1->font(), desc_.font, 0));
  dlg::BuildControls(Panel1, desc_.controls, desc_.bindings);
  dlg::CheckBindings(Panel1, desc_.bindings, working_);
  dlg::FitControlsToFields(Panel1, desc_.bindings, working_);
  if (desc_.wire != nullptr) desc_.wire(*this);
  // The same room right and below as the controls keep from the top left.
  const QRect placed = Panel1->childrenRect();
  placed_ = {placed.right() + 1 + std::max(0, placed.left()), placed.bottom() + 1 + std::max(0, placed.top())};
}

void TEntryPageFrame::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  dlg::StretchControls(Panel1, event->size().width() - placed_.width());
}

TPageRecord TEntryPageFrame::CurrentRecord() const {
  TPageRecord record(working_.Class());
  record.Assign(&working_);
  StoreToRecord(record);
  return record;
}

QWidget* TEntryPageFrame::TextControlOf(std::string_view field) const {
  const dlg::TFieldNameLess less;
  for (const dlg::TBinding& b : desc_.bindings) {
    if (b.kind != dlg::TBindKind::Text || less(field, b.field) || less(b.field, field)) continue;
    return Panel1->findChild<QWidget*>(QString::fromLatin1(b.control));
  }
  return nullptr;
}

std::vector<QWidget*> TEntryPageFrame::TextControls() const {
  std::vector<QWidget*> controls;
  for (const dlg::TBinding& b : desc_.bindings) {
    if (b.kind != dlg::TBindKind::Text) continue;
    if (QWidget* control = Panel1->findChild<QWidget*>(QString::fromLatin1(b.control))) controls.push_back(control);
  }
  return controls;
}

QWidget* TEntryPageFrame::FirstField() const {
  for (const dlg::TControlDef& d : desc_.controls) {
    if (d.name == nullptr) continue;
    QWidget* control = Panel1->findChild<QWidget*>(QString::fromLatin1(d.name));
    if (control == nullptr || !control->isEnabled()) continue;
    if (d.kind == dlg::TCtlKind::Radio) {
      // The group's one Tab stop: its selected item, or its first.
      for (QWidget* item : control->findChildren<QAbstractButton*>()) {
        if (item->focusPolicy() & Qt::TabFocus) return item;
      }
      continue;
    }
    if (control->focusPolicy() & Qt::TabFocus) return control;
  }
  return nullptr;
}

TEntryPageFrame::~TEntryPageFrame() = default;

void TEntryPageFrame::RequireOwnClass(const TPageRecord& record) const {
  if (&record.Class() != &working_.Class()) {
    throw std::invalid_argument(std::string("a page of ") + working_.Class().className + " cannot take a " +
                                record.Class().className);
  }
}

void TEntryPageFrame::LoadFromRecord(const TPageRecord& record) {
  RequireOwnClass(record);
  working_.Assign(&record);
  dlg::LoadBindings(Panel1, desc_.bindings, record);
}

void TEntryPageFrame::StoreToRecord(TPageRecord& record) const {
  RequireOwnClass(record);
  dlg::StoreBindings(Panel1, desc_.bindings, record);
}

void TEntryPageFrame::PreviewPage() {
  StoreToRecord(working_);
  rpt::BuildPage(*tab_.report, &working_)->Preview();
}

void TEntryPageFrame::PrintPage() {
  StoreToRecord(working_);
  rpt::BuildPage(*tab_.report, &working_)->Print();
}

void TEntryPageFrame::ShowHelp() {
  if (tab_.help != nullptr) dlg::ShowHelp(*tab_.help, this);
}
