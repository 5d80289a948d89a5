#include "core/wait.h"

#include <benchmark/benchmark.h>

using namespace linknode;

// A 2 s wait must sleep, not spin: compare the CPU column with the wall-clock time.
static void BM_DELAIS_EVT_2s(benchmark::State& state)
{
    const Clock clock;
    for (auto _ : state)
        waitWhileEventsRun(clock, 2.0);
}
BENCHMARK(BM_DELAIS_EVT_2s)->Iterations(3)->Unit(benchmark::kMillisecond);

// The everyday wait between repeated datagrams.
static void BM_DELAIS_EVT_100ms(benchmark::State& state)
{
    const Clock clock;
    for (auto _ : state)
        waitWhileEventsRun(clock, 0.1);
}
BENCHMARK(BM_DELAIS_EVT_100ms)->Iterations(10)->Unit(benchmark::kMillisecond);
