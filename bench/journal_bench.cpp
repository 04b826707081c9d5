// The journal at 100,000 castings: opening it and fetching the first
// screenful (the history window's start), and a search for one and for two
// characters. The database is generated once per run in a temporary folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "generated_journal.h"
#include "journal/casting_journal.h"

namespace {

constexpr int kScreenful = 40;

// A folder removed when the run ends.
struct TemporaryFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("journal_bench." + std::to_string(getpid()));
    TemporaryFolder() { std::filesystem::create_directories(path); }
    ~TemporaryFolder() { std::filesystem::remove_all(path); }
};

const std::filesystem::path& JournalFile() {
    static const TemporaryFolder folder;
    static const std::filesystem::path file = [] {
        const auto path = folder.path / "castings.sqlite3";
        bench::WriteGeneratedJournal(path);
        return path;
    }();
    return file;
}

void OpenAndFirstScreenful(benchmark::State& state) {
    const auto& file = JournalFile();
    for (auto _ : state) {
        journal::CastingJournal journal(file);
        benchmark::DoNotOptimize(journal.Count());
        benchmark::DoNotOptimize(journal.List(0, kScreenful).data());
    }
}
BENCHMARK(OpenAndFirstScreenful)->Unit(benchmark::kMillisecond);

// A search as the history window runs it: the matching ids, and the first
// screenful of them.
void Search(benchmark::State& state, const char* query) {
    journal::CastingJournal journal(JournalFile());
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
