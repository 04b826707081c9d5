// Search as you type over the whole list of places: one call per key a
// user types, for a common first character (many matches to order), a
// full name, and a character no name holds; and the list's first load.
#include <benchmark/benchmark.h>

#include "gbk.h"
#include "places/place_list.h"

namespace {

constexpr std::size_t kShown = 20;

void FindPlaces(benchmark::State& state, const char* query) {
    const std::string gbk = testing_support::gbk(query);
    for (auto _ : state) {
        const auto found = places::FindPlaces(gbk, kShown);
        benchmark::DoNotOptimize(found.data());
        state.counters["shown"] = static_cast<double>(found.size());
    }
}
BENCHMARK_CAPTURE(FindPlaces, common_character, "州")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FindPlaces, full_name, "乌鲁木齐市")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FindPlaces, no_match, "龘")->Unit(benchmark::kMicrosecond);

void PlaceNamed(benchmark::State& state) {
    const std::string name = testing_support::gbk("喀什地区");
    for (auto _ : state) benchmark::DoNotOptimize(places::PlaceNamed(name));
}
BENCHMARK(PlaceNamed);

}  // namespace
