// yaopan-cast's two bulk paths: batch lines per second (parse, check, cast,
// serialise, and the whole batch with its reading and writing; the lines
// cycle through the nine methods), and --history over the generated journal
// (100,000 castings, or YAOPAN_BENCH_JOURNAL's), as lines and as JSON, with
// and without a search, whole and up to its first line. What is written is
// counted and dropped; the listing's peak memory is the real program's,
// under /usr/bin/time -v.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/journal_commands.h"
#include "generated_journal.h"

namespace {

const std::vector<std::string> kLines = {
    R"({"name":"某人","sex":"男","age":30,"date":"2010-09-13","hour":17})",
    R"({"method":"clock","date":"2010-09-13","hour":12,"minute":30})",
    R"({"method":"stems","date":"2010-09-13","hour":17})",
    R"({"method":"branches","date":"2010-09-13","hour":17})",
    R"({"method":"name","name":"兑坤","date":"2010-09-13","hour":17})",
    R"({"method":"question","text":"猜我吃的什么","date":"2010-09-13","hour":17})",
    R"({"method":"character","text":"天","date":"2010-09-13","hour":17})",
    R"({"method":"manual","upper":8,"lower":1,"line":6,"date":"2010-09-13","hour":17})",
    R"({"method":"number","text":"13912345678","date":"2010-09-13","hour":17})",
};

void BatchLine(benchmark::State& state) {
    const pipeline::LocalTime now = pipeline::LocalNow();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::AnswerBatchLine(kLines[i], now));
        i = (i + 1) % kLines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BatchLine)->Unit(benchmark::kMicrosecond);

// Counts what is written and keeps none of it, as a pipe to a fast reader
// would: a growing string would time its own copies.
struct CountingSink : std::streambuf {
    std::int64_t bytes = 0;
    std::streamsize xsputn(const char*, std::streamsize count) override { return bytes += count, count; }
    int_type overflow(int_type c) override { return ++bytes, c; }
};

// The batch as the program runs it: lines read from a stream, answers
// gathered and written.
void Batch(benchmark::State& state) {
    std::string input;
    for (int i = 0; i < 900; ++i) input += kLines[i % kLines.size()] + "\n";
    CountingSink sink;
    std::ostream out(&sink);
    for (auto _ : state) {
        std::istringstream in(input);
        benchmark::DoNotOptimize(cli::RunBatch(in, out));
    }
    state.SetItemsProcessed(state.iterations() * 900);
}
BENCHMARK(Batch)->Unit(benchmark::kMillisecond);

void History(benchmark::State& state, bool json, const char* search) {
    const auto& file = bench::TemporaryGeneratedJournal();
    setenv("XDG_DATA_HOME", file.parent_path().parent_path().c_str(), 1);
    const std::optional<std::string> query = *search ? std::optional<std::string>(search) : std::nullopt;
    for (auto _ : state) {
        CountingSink sink;
        std::ostream out(&sink), err(&sink);
        if (!cli::ListJournal(query, json, out, err)) state.SkipWithError("the journal could not be read");
        state.counters["MB"] = static_cast<double>(sink.bytes) / 1e6;
    }
}
// Up to the first line written, or to the end of a listing that finds
// nothing: how long a listing keeps its reader waiting. The sink stops the
// listing at its first line.
struct FirstLineWritten {};
struct FirstLineSink : std::streambuf {
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        if (std::string_view(text, static_cast<std::size_t>(count)).find('\n') != std::string_view::npos) {
            throw FirstLineWritten();
        }
        return count;
    }
    int_type overflow(int_type c) override {
        if (c == '\n') throw FirstLineWritten();
        return c;
    }
};

void HistoryFirstLine(benchmark::State& state, const char* search) {
    const auto& file = bench::TemporaryGeneratedJournal();
    setenv("XDG_DATA_HOME", file.parent_path().parent_path().c_str(), 1);
    for (auto _ : state) {
        FirstLineSink sink;
        std::ostream out(&sink), err(&sink);
        out.exceptions(std::ios::badbit);  // the stream passes the sink's stop on
        try {
            benchmark::DoNotOptimize(cli::ListJournal(std::string(search), false, out, err));
        } catch (const FirstLineWritten&) {
        }
    }
}
BENCHMARK_CAPTURE(HistoryFirstLine, one_character, "芳")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HistoryFirstLine, two_characters, "王芳")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HistoryFirstLine, question, "此事能成否")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HistoryFirstLine, absent, "z")->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(History, lines, false, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(History, json, true, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(History, search_lines, false, "芳")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(History, search_json, true, "芳")->Unit(benchmark::kMillisecond);

}  // namespace
