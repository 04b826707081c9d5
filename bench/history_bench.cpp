// The history window over a journal of 100,000 castings: opening it up to
// its first paint, a search answering with its first screenful painted,
// and the batch a scroll fetches near the end of the list. The journal is generated once per run where the window looks
// for it, in the temporary home the benchmarks' main sets up.
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
        bench::WriteGeneratedJournal(journal::DefaultJournalFile());
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

// The model is read once to its last thousand castings, as a long scroll
// would; then each iteration is one more batch, the next a scroll asks for.
void FetchNearTheEnd(benchmark::State& state) {
    HistoryModel model(Recorder().Journal());
    model.Reload();
    while (model.rowCount() < bench::kGeneratedCastings - 1000) model.fetchMore();
    for (auto _ : state) model.fetchMore();
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(FetchNearTheEnd)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
