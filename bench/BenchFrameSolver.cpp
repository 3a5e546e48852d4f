// The frame solver on beams of growing length (budget: 2 ms for a 20 m beam, refined model included). The time
// should grow linearly with the length: the band of the stiffness matrix stays 5 wide.
#include "analysis/Tsubframe.h"

#include <benchmark/benchmark.h>

namespace {

// Three equal spans over the given length in m, a point load every 0.5 m: the supporting tubes of formwork supports.
void BM_ThreeSpanBeam(benchmark::State& state)
{
    const double length = static_cast<double>(state.range(0));
    for (auto _ : state) {
        Tsubframe t;
        const SolveStatus s = t.CalThreeSpanBeam({.span = length / 3, .spacing = 500, .A = 4.89, .I = 12.19, .P = 1.2});
        if (s != SolveStatus::Solved) {
            state.SkipWithError("not solved");
            break;
        }
        benchmark::DoNotOptimize(t.MaxDeflection());
    }
    state.SetComplexityN(state.range(0));
}

// A cantilevered platform beam with two ropes and a secondary beam every 0.8 m.
void BM_PlatformBeam(benchmark::State& state)
{
    const double length = static_cast<double>(state.range(0));
    for (auto _ : state) {
        Tsubframe t;
        const SolveStatus s = t.CalPlatformBeam({.m = 2,
                                                 .end = 1,
                                                 .Lt = length,
                                                 .s = length / 4,
                                                 .x1 = length / 4,
                                                 .f = 0.8,
                                                 .e = 0.3,
                                                 .A = 25.15,
                                                 .I = 1272.7,
                                                 .P = 4,
                                                 .q = 0.3});
        if (s != SolveStatus::Solved) {
            state.SkipWithError("not solved");
            break;
        }
        benchmark::DoNotOptimize(t.MaxDeflection());
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_ThreeSpanBeam)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Arg(80)
    ->Arg(160)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(BM_PlatformBeam)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Arg(80)
    ->Arg(160)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

BENCHMARK_MAIN();
