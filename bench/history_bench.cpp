// The history window over the generated journal (100,000 castings, or
// YAOPAN_BENCH_JOURNAL's): opening it up to
// its first paint, a search answering with its first screenful painted,
// a sort by name painted, and the batch a scroll fetches near the end of
// the list, newest first and sorted by name. The journal is placed once
// per run where the window looks for it, in the temporary home the
// benchmarks' main sets up.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "casting_recorder.h"
#include "generated_journal.h"
#include "history_model.h"
#include "history_window.h"
#include "journal/journal_location.h"

namespace {

CastingRecorder& Recorder() {
    static CastingRecorder* recorder = [] {
        bench::PlaceGeneratedJournal(journal::DefaultJournalFile());
        return new CastingRecorder([](const QString&) {});
    }();
    return *recorder;
}

void OpenHistoryWindow(benchmark::State& state) {
    Recorder();
    for (auto _ : state) {
        // A recorder of its own: the journal is opened as the first window does.
        CastingRecorder recorder([](const QString&) {});
        HistoryWindow window(recorder, DesktopShellServices());
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
        window.repaint();
        state.counters["rows"] = window.model().rowCount();
    }
}
BENCHMARK(OpenHistoryWindow)->Unit(benchmark::kMillisecond);

void Search(benchmark::State& state, const char* query) {
    HistoryWindow window(Recorder(), DesktopShellServices());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
    for (auto _ : state) {
        window.search->setText(QString::fromUtf8(query));
        window.table->repaint();
        state.PauseTiming();
        window.search->clear();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(Search, one_character, "芳")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, two_characters, "王芳")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, hexagram, "水雷屯")->Unit(benchmark::kMillisecond);

// A click on the 姓名 head (then its second, descending) up to the sorted
// first screenful painted.
void SortByName(benchmark::State& state) {
    HistoryWindow window(Recorder(), DesktopShellServices());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        window.table->sortByColumn(HistoryModel::Name, order);
        window.table->repaint();
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
}
BENCHMARK(SortByName)->Unit(benchmark::kMillisecond);

// The model is read once to its last thousand castings, as a long scroll
// would; then each iteration is one more batch, the next a scroll asks for.
void FetchNearTheEnd(benchmark::State& state, int column, Qt::SortOrder order) {
    HistoryModel model(Recorder().Journal());
    model.sort(column, order);
    const std::int64_t castings = Recorder().Journal().Count();
    while (model.rowCount() < castings - 1000) model.fetchMore();
    for (auto _ : state) model.fetchMore();
    state.counters["rows"] = model.rowCount();
}
BENCHMARK_CAPTURE(FetchNearTheEnd, newest_first, HistoryModel::Time, Qt::DescendingOrder)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FetchNearTheEnd, by_name, HistoryModel::Name, Qt::AscendingOrder)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace
