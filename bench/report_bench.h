// What the whole-report benchmarks share: records filled to the brim, and a
// main() that runs the benchmarks inside a Qt application (offscreen unless
// the environment names a platform).
#pragma once

#include <cstdlib>
#include <string>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "records/cp1253.h"
#include "records/page_record.h"

// Every field of the record at its maximum length, repeating the Greek words.
inline void FillToMaximum(TPageRecord& record, const char* utf8Words) {
  std::string words;
  Utf8ToCp1253(utf8Words, words);
  for (std::size_t i = 0; i < record.PropCount(); ++i) {
    std::string value;
    while (value.size() < record.Class().props[i].maxLen) value += words;
    record.Set(i, value);
  }
}

#define FLOX_QT_BENCHMARK_MAIN()                                                                   \
  int main(int argc, char** argv) {                                                                \
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);      \
    QApplication app(argc, argv);                                                                  \
    benchmark::Initialize(&argc, argv);                                                            \
    benchmark::RunSpecifiedBenchmarks();                                                           \
    benchmark::Shutdown();                                                                         \
    return 0;                                                                                      \
  }
