#include "discovery/device_list.h"
#include "discovery/device_list_model.h"
#include "discovery/device_store.h"

#include <benchmark/benchmark.h>

using namespace linknode;

namespace {

std::vector<std::string> fleet(int count)
{
    std::vector<std::string> records;
    for (int i = 0; i < count; ++i)
        records.push_back("0-80-194-" + std::to_string(i / 65536) + "-"
            + std::to_string(i / 256 % 256) + "-" + std::to_string(i % 256) + ",10.213."
            + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1)
            + ",255.255.0.0,10.213.0.254,57600,0,0,COPYRIGHT+TAVREN KRT-40 2.4F,1,10.213.0.1,"
              "2101,2000,5,16,10,TavLOGIN");
    return records;
}

const std::vector<std::string> records = fleet(DeviceStore::capacity);

// A device list with the whole fleet listed and shown.
struct FullList {
    FullList()
    {
        for (const std::string& record : records)
            list.take(record);
        model.commit();
    }

    DeviceStore store;
    DeviceListModel model;
    DeviceList list { store, model };
};

} // namespace

// A cycle in which every one of 10000 listed devices answers again, unchanged.
static void BM_Intake_10000_repeats(benchmark::State& state)
{
    FullList full;
    for (auto _ : state) {
        for (const std::string& record : records)
            full.list.take(record);
        full.model.commit();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(records.size()));
}
BENCHMARK(BM_Intake_10000_repeats)->Unit(benchmark::kMillisecond);

// A fresh cycle: 10000 new devices into an empty list, shown in one insertion.
static void BM_Intake_10000_new(benchmark::State& state)
{
    DeviceStore store;
    DeviceListModel model;
    DeviceList list(store, model);
    for (auto _ : state) {
        list.clear();
        for (const std::string& record : records)
            list.take(record);
        model.commit();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(records.size()));
}
BENCHMARK(BM_Intake_10000_new)->Unit(benchmark::kMillisecond);

// Re-padding all 10000 lines, as when a wider MAC joins a full list.
static void BM_ALIGN_LIST_10000(benchmark::State& state)
{
    FullList full;
    for (auto _ : state)
        full.list.ALIGN_LIST();
}
BENCHMARK(BM_ALIGN_LIST_10000)->Unit(benchmark::kMillisecond);

// A hostile host against a full list: 10000 replies for one listed device, padded with 1000
// and 1001 blanks and spelled plain and zero-filled by turns, each in a run of its own (the
// costliest delivery: the column is checked at the end of every run). The line takes each
// spelling; the column widens at once and narrows only when the cycle ends, so no run
// re-pads the list more than once.
static void BM_Intake_10000_width_oscillating(benchmark::State& state)
{
    FullList full;
    const std::string rest = records.front().substr(records.front().find(','));
    std::vector<std::string> hostile;
    for (int i = 0; i < DeviceStore::capacity; ++i)
        hostile.push_back(std::string(1000 + i % 2, ' ')
            + (i % 2 ? "000-080-194-000-000-000" : "0-80-194-0-0-0") + rest + std::to_string(i));
    for (auto _ : state) {
        for (const std::string& record : hostile) {
            full.list.take(record);
            full.list.alignIfWider();
            full.model.commit();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(hostile.size()));
}
BENCHMARK(BM_Intake_10000_width_oscillating)->Unit(benchmark::kMillisecond);
