// Nanoseconds per call of each guaku export, with arguments as a caller
// passes them (GBK texts in constant or counted blocks).
#include <benchmark/benchmark.h>

#include <cstring>

#include "guaku.h"

namespace {

// GBK bytes, spelled out so the benchmark needs no converter.
constexpr char kQian[] = "\xC7\xAC";           // 乾
constexpr char kYi[] = "\xD2\xD2";             // 乙
constexpr char kJiaZi[] = "\xBC\xD7\xD7\xD3";  // 甲子
constexpr char kWu[] = "\xCE\xE7";             // 午
constexpr char kSan[] = "\xC8\xFD";            // 三
constexpr char kChuWu[] = "\xB3\xF5\xCE\xE5";  // 初五
constexpr char kChen[] = "\xB3\xBD";           // 辰
constexpr char kDongZhi[] = "\xB6\xAC\xD6\xC1"; // 冬至 (searched last)

void BM_GetBiHua_constant(benchmark::State& state) {
    GuakuTextBlock block;
    RefCountedString text = guaku_constant_text(&block, kQian, 2);
    for (auto _ : state) benchmark::DoNotOptimize(GetBiHua(text));
}
BENCHMARK(BM_GetBiHua_constant);

void BM_GetBiHua_counted(benchmark::State& state) {
    GuakuTextBlock block;
    RefCountedString text = guaku_constant_text(&block, kQian, 2);
    block.refCount = 1;  // a runtime's live block: the call takes and drops a reference
    for (auto _ : state) benchmark::DoNotOptimize(GetBiHua(text));
}
BENCHMARK(BM_GetBiHua_counted);

void BM_lssg(benchmark::State& state) {
    int32_t upper = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lssg(upper, 9 - upper));
        upper = upper % 8 + 1;
    }
}
BENCHMARK(BM_lssg);

void BM_wsxy(benchmark::State& state) {
    GuakuTextBlock block;
    RefCountedString stem = guaku_constant_text(&block, kYi, 2);
    int32_t hour = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wsxy(stem, hour));
        hour = (hour + 1) % 24;
    }
}
BENCHMARK(BM_wsxy);

void BM_kjxy(benchmark::State& state) {
    GuakuTextBlock block;
    RefCountedString stem = guaku_constant_text(&block, kYi, 2);
    int32_t minute = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kjxy(stem, 23, minute));
        minute = (minute + 7) % 60;
    }
}
BENCHMARK(BM_kjxy);

void BM_kong(benchmark::State& state) {
    unsigned char head[GUAKU_TEXT_BUFFER_SIZE], result[GUAKU_TEXT_BUFFER_SIZE];
    guaku_length_prefixed(head, kJiaZi, 4);
    for (auto _ : state) {
        kong(result, head);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_kong);

void BM_DIJU(benchmark::State& state) {
    unsigned char args[6][GUAKU_TEXT_BUFFER_SIZE];
    guaku_length_prefixed(args[0], kWu, 2);
    guaku_length_prefixed(args[1], kSan, 2);
    guaku_length_prefixed(args[2], kChuWu, 4);
    guaku_length_prefixed(args[3], kChen, 2);
    guaku_length_prefixed(args[4], kDongZhi, 4);
    guaku_length_prefixed(args[5], "", 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DIJU(args[0], args[1], args[2], args[3], args[4], args[5]));
    }
}
BENCHMARK(BM_DIJU);

}  // namespace
