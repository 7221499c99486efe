// The start-up reading and the exit save of all five data files, each beside the plain system
// calls that move the same bytes, so their overhead can be read off one run.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "datastore/data_files.h"

namespace fs = std::filesystem;
using namespace datastore;

namespace {

struct Folder {
    fs::path path;
    Folder()
    {
        std::string tmpl = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
        path = ::mkdtemp(tmpl.data());
        auto data = make_data_set();
        save_all(*data, path);
    }
    ~Folder() { fs::remove_all(path); }
};

const std::array<std::pair<const char *, std::size_t>, 5> kFiles = {{
    {RecordFile<ProviderRecord>::name, sizeof(ProviderRecord)},
    {RecordFile<TariffRecord>::name, sizeof(TariffRecord)},
    {RecordFile<SettingsRecord>::name, sizeof(SettingsRecord)},
    {RecordFile<CallLogRecord>::name, sizeof(CallLogRecord)},
    {RecordFile<AdapterStatsRecord>::name, sizeof(AdapterStatsRecord)},
}};

void BM_LoadAll(benchmark::State &state)
{
    Folder folder;
    auto data = make_data_set();
    for (auto _ : state) {
        load_all(*data, folder.path);
        benchmark::DoNotOptimize(data->calls);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof(DataSet)));
}

void BM_PlainRead(benchmark::State &state)
{
    Folder folder;
    std::vector<char> buffer(sizeof(DataSet));
    for (auto _ : state) {
        for (const auto &[name, size] : kFiles) {
            const int fd = ::open((folder.path / name).c_str(), O_RDONLY);
            benchmark::DoNotOptimize(::read(fd, buffer.data(), size));
            ::close(fd);
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof(DataSet)));
}

void BM_SaveAll(benchmark::State &state)
{
    Folder folder;
    auto data = make_data_set();
    for (auto _ : state)
        benchmark::DoNotOptimize(save_all(*data, folder.path));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof(DataSet)));
}

void BM_PlainDurableWrite(benchmark::State &state)
{
    Folder folder;
    std::vector<char> buffer(sizeof(DataSet));
    for (auto _ : state) {
        for (const auto &[name, size] : kFiles) {
            const fs::path target = folder.path / name;
            const fs::path temp = folder.path / (std::string(".") + name + ".tmp");
            const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            benchmark::DoNotOptimize(::write(fd, buffer.data(), size));
            ::fsync(fd);
            ::close(fd);
            ::rename(temp.c_str(), target.c_str());
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof(DataSet)));
}

} // namespace

BENCHMARK(BM_LoadAll);
BENCHMARK(BM_PlainRead);
BENCHMARK(BM_SaveAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainDurableWrite)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
