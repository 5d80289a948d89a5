#include "core/text_fields.h"

#include <benchmark/benchmark.h>

using namespace linknode;

namespace {
const std::string record = "0-80-194-1-2-3,192.168.5.10,255.255.0.0,192.168.5.1,57600,0,8,"
                           "COPYRIGHT(C)TAVREN 2.4F,1,192.168.5.2,23,2000,0,0,0,^13^login";
}

static void BM_GET_PAR_first(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(GET_PAR(record, 0, ","));
}
BENCHMARK(BM_GET_PAR_first);

static void BM_GET_PAR_last(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(GET_PAR(record, 15, ","));
}
BENCHMARK(BM_GET_PAR_last);
