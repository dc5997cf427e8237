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
  long checks = 0;
  dialog.SetFitChecker([&checks, check = FitCheckerOf(family)](int tab, const TPageRecord& record) {
    ++checks;
    return check(tab, record);
  });
  auto* city = qobject_cast<dlg::TEdit*>(dialog.Page(0)->TextControlOf("Polh"));
  if (city == nullptr) {
    state.SkipWithError("no Πόλη edit");
    return;
  }
  // Wide capitals, one short of the edit's limit: cut on paper, and every
  // keystroke (one more, one less) changes what prints.
  city->SetText(QString(city->EffectiveLimit() - 1, QChar(0x03A9)));
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
  // One check of one tab per keystroke, beyond the first check of every tab.
  state.counters["checks per keystroke"] =
      static_cast<double>(checks - dialog.PageCount()) / static_cast<double>(state.iterations());
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
