// Microseconds per whole casting (moment facts, the method's rule, the five
// hexagrams and the report), one benchmark per method.
#include <benchmark/benchmark.h>

#include <functional>

#include "casting/casting_engine.h"

namespace {

// GBK bytes, spelled out so the benchmark needs no converter.
constexpr char kQuestion[] = "\xB2\xC2\xCE\xD2\xB3\xD4\xB5\xC4\xCA\xB2\xC3\xB4";  // 猜我吃的什么
constexpr char kCharacter[] = "\xCC\xEC";                                         // 天
constexpr char kName[] = "\xB6\xD2\xC0\xA4";                                      // 兑坤

const casting::Person kPerson{kName, "30", {}};
const casting::Moment kMoment{2010, 9, 13, 17};

void Casting(benchmark::State& state, const std::function<casting::CastingOutcome(casting::CastingEngine&)>& cast) {
    casting::PlainDateHolder calendar(40434);  // 2010-09-13
    casting::CastingEngine engine(calendar, [] { return casting::ClockTime{12, 30}; });
    for (auto _ : state) {
        benchmark::DoNotOptimize(cast(engine));
        benchmark::DoNotOptimize(engine.report().data());
    }
}

BENCHMARK_CAPTURE(Casting, traditional, [](auto& e) { return e.CastTraditional(kPerson, kMoment); })->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Casting, clock, [](auto& e) { return e.CastByClock(kPerson, kMoment); })->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Casting, stems, [](auto& e) { return e.CastByStems(kPerson, kMoment); })->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Casting, branches, [](auto& e) { return e.CastByBranches(kPerson, kMoment); })->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Casting, question, [](auto& e) { return e.CastByQuestion(kPerson, kMoment, kQuestion); })
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Casting, character, [](auto& e) { return e.CastByCharacter(kPerson, kMoment, kCharacter); })
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Casting, name, [](auto& e) { return e.CastByName(kPerson, kMoment); })->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Casting, manual, [](auto& e) { return e.CastManually(kPerson, kMoment, 8, 1, 6); })->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Casting, number, [](auto& e) { return e.CastByNumber(kPerson, kMoment, "13912345678"); })
    ->Unit(benchmark::kMicrosecond);

}  // namespace
