// Helpers of the data-entry dialog tests: every tab of every family from
// the family table, typing into a control as a user would, Greek text from
// UTF-8, record values as Unicode, and waiting for a modal window.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/controls.h"
#include "entry/study_families.h"
#include "records/cp1253.h"
#include "records/page_record.h"
#include "records/study_slots.h"

namespace entrytest {

// One tab of one family's dialog.
struct TTabCase {
  const TStudyFamily* family;
  int index;
  const dlg::TTabDef& Tab() const { return family->dialog.tabs[static_cast<std::size_t>(index)]; }
  TPageRecord Record() const { return TPageRecord(StudySlotClass(Tab().slot)); }
};

inline std::vector<TTabCase> AllTabs() {
  std::vector<TTabCase> tabs;
  for (const TStudyFamily& family : StudyFamilies()) {
    for (std::size_t k = 0; k < family.dialog.tabs.size(); ++k) tabs.push_back({&family, static_cast<int>(k)});
  }
  return tabs;
}

// "generalstudy_Tab0"
inline std::string TabName(const testing::TestParamInfo<TTabCase>& info) {
  std::string family = info.param.family->name;
  std::erase(family, ' ');
  return family + "_Tab" + std::to_string(info.param.index);
}

// Every family, and "generalstudy" as a test name.
inline std::vector<const TStudyFamily*> Families() {
  std::vector<const TStudyFamily*> families;
  for (const TStudyFamily& family : StudyFamilies()) families.push_back(&family);
  return families;
}
inline std::string FamilyName(const testing::TestParamInfo<const TStudyFamily*>& info) {
  std::string name = info.param->name;
  std::erase(name, ' ');
  return name;
}

// The tab of a study type's dialog.
inline const dlg::TTabDef& TabOf(std::uint8_t studyType, int index) {
  return FindStudyFamily(studyType)->dialog.tabs[static_cast<std::size_t>(index)];
}

inline QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// Code page 1253 bytes of a UTF-8 text (the test's own texts always convert).
inline std::string Cp(std::string_view utf8) {
  std::string out;
  EXPECT_TRUE(Utf8ToCp1253(utf8, out)) << utf8;
  return out;
}

// A record's value as UTF-8, for readable failure messages.
inline std::string U(const TPageRecord& record, const char* field) { return Cp1253ToUtf8(record.Get(field)); }

// A value no other field of the page has, as long as the field allows: the
// property's position, then Greek letters and digits.
inline std::string Distinct(std::size_t index, std::size_t maxLen) {
  std::string value = std::to_string(index) + Cp("Ω");
  const std::string filler = Cp("αβγδεζηθικλμνξοπρστυφχψω") + "0123456789";
  for (std::size_t i = 0; value.size() < maxLen; ++i) value.push_back(filler[(index * 7 + i) % filler.size()]);
  value.resize(maxLen);
  return value;
}

template <class T>
T* Find(QWidget* root, const std::string& name) {
  return root->findChild<T*>(QString::fromStdString(name));
}

inline QString ControlText(QWidget* root, const std::string& name) {
  if (auto* edit = Find<dlg::TEdit>(root, name)) return edit->Text();
  if (auto* memo = Find<dlg::TMemo>(root, name)) return memo->Text();
  ADD_FAILURE() << "no edit or memo " << name;
  return {};
}

// One key press and release carrying the text, sent to the widget.
inline void Key(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QCoreApplication::sendEvent(widget, &release);
}

// Types the text one character at a time; '\n' presses Return.
inline void Type(QWidget* widget, const QString& text) {
  widget->setFocus();
  for (const QChar c : text) {
    if (c == QLatin1Char('\n')) {
      Key(widget, Qt::Key_Return, QStringLiteral("\r"));
    } else {
      Key(widget, Qt::Key_unknown, QString(c));
    }
  }
}

// Watches for a modal window other than `besides` while it lives: the first
// one it sees is handed to `act` (once). After about five seconds without
// one it closes whatever is modal, so that a broken dialog fails the test
// instead of hanging it.
class TModalWatcher {
 public:
  TModalWatcher(std::function<void(QWidget*)> act, QWidget* besides = nullptr)
      : act_(std::move(act)), besides_(besides) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start();
  }
  bool Seen() const { return seen_; }

 private:
  void Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != besides_) {
      timer_.stop();
      seen_ = true;
      act_(modal);
      return;
    }
    if (++ticks_ > 500) {
      timer_.stop();
      if (modal != nullptr) {
        ADD_FAILURE() << "gave up waiting: closing " << modal->windowTitle().toStdString();
        modal->close();
      }
    }
  }
  std::function<void(QWidget*)> act_;
  QWidget* besides_;
  QTimer timer_;
  bool seen_ = false;
  int ticks_ = 0;
};

inline void PrintTo(const TTabCase& c, std::ostream* os) { *os << c.family->name << " tab " << c.index; }

}  // namespace entrytest
