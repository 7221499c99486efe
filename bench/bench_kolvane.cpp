// money_on_time through the built library (it reads all five data files on every call) beside a
// plain read of the same files, and the pricing alone over the kinds of span it meets.
#include <filesystem>
#include <vector>

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include "datastore/data_files.h"
#include "kolvane/pricing.h"

namespace fs = std::filesystem;
using namespace datastore;

namespace {

double tod(int h, int m, int s) { return encode_time({h, m, s, 0}); }
double at(int day, int h, int m) { return compose({2026, 12, day}, {h, m, 0, 0}); }

std::unique_ptr<DataSet> tariff_data()
{
    auto d = make_data_set();
    auto &t = d->tariff;
    const int p = 1;
    row_start(t, p, 1) = tod(8, 0, 0), row_end(t, p, 1) = tod(19, 59, 59), hour_price(t, p, 1) = 30;
    row_start(t, p, 2) = tod(20, 0, 0), row_end(t, p, 2) = tod(7, 59, 59), hour_price(t, p, 2) = 15;
    row_flag(t, p, row_on_flag(2)) = 1;
    row_start(t, p, 6) = 0, row_end(t, p, 6) = tod(23, 59, 59), hour_price(t, p, 6) = 10;
    provider_flags(d->providers, p).saturday = 1;
    provider_flags(d->providers, p).sunday = 1;
    return d;
}

struct DataFolder {
    fs::path path;
    fs::path old;
    DataFolder()
    {
        std::string tmpl = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
        path = ::mkdtemp(tmpl.data());
        save_all(*tariff_data(), path);
        old = fs::current_path();
        fs::current_path(path);
    }
    ~DataFolder()
    {
        fs::current_path(old);
        fs::remove_all(path);
    }
};

void BM_MoneyOnTimeExport(benchmark::State &state)
{
    DataFolder folder;
    void *lib = ::dlopen(VELMORA_BIN_DIR "/Kolvane.so", RTLD_NOW);
    auto money_on_time =
        reinterpret_cast<float (*)(std::uint8_t, std::uint8_t, std::uint8_t *, double, double)>(::dlsym(lib, "money_on_time"));
    std::uint8_t row = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(money_on_time(1, 0, &row, at(8, 19, 30), at(8, 20, 30)));
    ::dlclose(lib);
}

void BM_PlainReadFive(benchmark::State &state)
{
    DataFolder folder;
    std::vector<char> buffer(sizeof(DataSet));
    const std::pair<const char *, std::size_t> files[] = {
        {RecordFile<ProviderRecord>::name, sizeof(ProviderRecord)}, {RecordFile<TariffRecord>::name, sizeof(TariffRecord)},
        {RecordFile<SettingsRecord>::name, sizeof(SettingsRecord)}, {RecordFile<CallLogRecord>::name, sizeof(CallLogRecord)},
        {RecordFile<AdapterStatsRecord>::name, sizeof(AdapterStatsRecord)}};
    for (auto _ : state) {
        for (const auto &[name, size] : files) {
            const int fd = ::open(name, O_RDONLY);
            benchmark::DoNotOptimize(::read(fd, buffer.data(), size));
            ::close(fd);
        }
    }
}

// The pricing alone, on the call's own copy of the tariff, for spans of each kind.
void BM_PricingAlone(benchmark::State &state)
{
    const auto data = tariff_data();
    const std::pair<double, double> spans[] = {
        {at(8, 10, 0), at(8, 10, 30)}, // one row
        {at(8, 19, 30), at(8, 20, 30)}, // two rows
        {at(7, 23, 30), at(8, 0, 30)},  // across midnight, second attempt
        {at(6, 23, 0), at(7, 1, 0)},    // weekend into weekday
        {at(8, 7, 0), at(8, 21, 0)},    // the rows cannot be named: each moment by its row
    };
    const auto &[start, end] = spans[state.range(0)];
    TariffRecord tariff;
    for (auto _ : state) {
        tariff = data->tariff;
        std::uint8_t row = 0;
        benchmark::DoNotOptimize(kolvane::price_span(data->providers, tariff, 1, row, start, end, end));
    }
}

} // namespace

BENCHMARK(BM_MoneyOnTimeExport)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainReadFive)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PricingAlone)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
