// The generated journal (100,000 castings, or YAOPAN_BENCH_JOURNAL's):
// opening it and fetching the first screenful (the history window's start,
// which counts nothing), and a search for one and for two characters, a
// hexagram's character and one no casting holds. The database is placed
// once per run in a temporary folder.
#include <benchmark/benchmark.h>

#include "generated_journal.h"
#include "journal/casting_journal.h"

namespace {

constexpr int kScreenful = 40;

void OpenAndFirstScreenful(benchmark::State& state) {
    const auto& file = bench::TemporaryGeneratedJournal();
    for (auto _ : state) {
        journal::CastingJournal journal(file);
        benchmark::DoNotOptimize(journal.List({}, kScreenful).data());
    }
}
BENCHMARK(OpenAndFirstScreenful)->Unit(benchmark::kMillisecond);

// A search as the history window runs it: the matching ids, and the first
// screenful of them.
void Search(benchmark::State& state, const char* query) {
    journal::CastingJournal journal(bench::TemporaryGeneratedJournal());
    for (auto _ : state) {
        const auto ids = journal.Find(query);
        for (std::size_t i = 0; i < ids.size() && i < kScreenful; ++i) benchmark::DoNotOptimize(journal.Get(ids[i]));
        state.counters["matches"] = static_cast<double>(ids.size());
    }
}
BENCHMARK_CAPTURE(Search, one_character, "芳")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, two_characters, "王芳")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, hexagram, "天")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, absent, "z")->Unit(benchmark::kMillisecond);

}  // namespace
