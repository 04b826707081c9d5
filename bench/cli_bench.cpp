// Batch lines per second through yaopan-cast's batch path: parse, check,
// cast, serialise, and the whole batch with its reading and writing. The
// lines cycle through the nine methods.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"

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
    const cli::LocalTime now = cli::LocalNow();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::AnswerBatchLine(kLines[i], now));
        i = (i + 1) % kLines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BatchLine)->Unit(benchmark::kMicrosecond);

// Takes what is written and keeps none of it, as a pipe to a fast reader
// would: a growing string would time its own copies.
class Discard : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int overflow(int c) override { return traits_type::not_eof(c); }
};

// The batch as the program runs it: lines read from a stream, answers
// gathered and written.
void Batch(benchmark::State& state) {
    std::string input;
    for (int i = 0; i < 900; ++i) input += kLines[i % kLines.size()] + "\n";
    Discard discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        std::istringstream in(input);
        benchmark::DoNotOptimize(cli::RunBatch(in, out));
    }
    state.SetItemsProcessed(state.iterations() * 900);
}
BENCHMARK(Batch)->Unit(benchmark::kMillisecond);

}  // namespace
