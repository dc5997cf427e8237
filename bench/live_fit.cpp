// Cost of the live fit mark per keystroke: one character typed into the
// "Πόλη" edit of a family's first tab, then the tab's record stored from its
// controls, its report page laid out as it prints and every edit of the tab
// marked or unmarked. Goal: under a millisecond, so that typing stays
// instant even without the pause the dialog waits for.
#include <cstdlib>
#include <memory>
#include <vector>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "dialogs/controls.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/entry_page.h"
#include "entry/study_families.h"
#include "entry/study_fit.h"
#include "records/study_slots.h"

namespace {

void BM_KeystrokeInTheCityField(benchmark::State& state) {
  const TStudyFamily& family = *FindStudyFamily(static_cast<std::uint8_t>(state.range(0)));
  std::vector<std::unique_ptr<TPageRecord>> records;
  std::vector<const TPageRecord*> in;
  for (const int slot : family.Slots()) {
    records.push_back(std::make_unique<TPageRecord>(StudySlotClass(slot)));
    in.push_back(records.back().get());
  }
  TEntryDialog dialog(nullptr, family.dialog);
  dialog.LoadPages(in);
  dialog.SetFitChecker(FitCheckerOf(family));
  auto* city = qobject_cast<dlg::TEdit*>(dialog.Page(0)->TextControlOf("Polh"));
  if (city == nullptr) {
    state.SkipWithError("no Πόλη edit");
    return;
  }
  // Long enough to be cut on paper: every keystroke changes what prints.
  city->SetText(QStringLiteral("Νέα Σμύρνη Παλαιό Φάληρο"));
  bool grow = true;
  for (auto _ : state) {
    if (grow) {
      city->insert(QStringLiteral("Ω"));
    } else {
      city->backspace();
    }
    grow = !grow;
    dialog.FlushFitCheck();
  }
  state.counters["cut fields"] = dialog.CutFieldCount(0);
}
BENCHMARK(BM_KeystrokeInTheCityField)->Arg(1)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
