#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "adapter_stats_record.h"
#include "call_log_record.h"
#include "provider_record.h"
#include "record_file.h"
#include "settings_record.h"
#include "tariff_record.h"
#include "tdatetime.h"

namespace datastore {

// The five data files. Bare names: every deliverable resolves them against the current
// directory at each operation, so the three agree on where the data lives.
template <class Record> struct RecordFile;
template <> struct RecordFile<ProviderRecord> { static constexpr const char *name = "Провайдер инфо.dat"; };
template <> struct RecordFile<TariffRecord> { static constexpr const char *name = "Тариф.dat"; };
template <> struct RecordFile<SettingsRecord> { static constexpr const char *name = "Настройки.ini"; };
template <> struct RecordFile<CallLogRecord> { static constexpr const char *name = "Соединения.dat"; };
template <> struct RecordFile<AdapterStatsRecord> { static constexpr const char *name = "Ethernet.dat"; };

template <class Record>
std::filesystem::path record_path(const std::filesystem::path &folder = {})
{
    return folder / RecordFile<Record>::name;
}

// `folder` is empty in the deliverables (the current directory); tests name a folder of their own.
template <class Record>
ReadOutcome load_record(Record &rec, const std::filesystem::path &folder = {})
{
    return read_lenient(record_path<Record>(folder), &rec, sizeof rec);
}

template <class Record>
std::optional<FileError> load_record_strict(Record &rec, const std::filesystem::path &folder = {})
{
    return read_strict(record_path<Record>(folder), &rec, sizeof rec);
}

template <class Record>
std::optional<FileError> save_record(const Record &rec, const std::filesystem::path &folder = {})
{
    return write_durable(record_path<Record>(folder), &rec, sizeof rec);
}

// All five records of a process. At 346 KB it belongs on the heap: use make_data_set().
struct DataSet {
    ProviderRecord providers;
    TariffRecord tariff;
    SettingsRecord settings;
    CallLogRecord calls;
    AdapterStatsRecord adapters;
};

std::unique_ptr<DataSet> make_data_set(); // all zero, as before the first start

// The program's start-up reading, in its order: providers, tariff, settings, call log, adapters.
// Returns the files that exist but could not be read.
std::vector<FileError> load_all(DataSet &data, const std::filesystem::path &folder = {});

// The exit save, in its order: settings, call log, providers, tariff, adapters. Every file is
// attempted; returns the ones that failed.
std::vector<FileError> save_all(const DataSet &data, const std::filesystem::path &folder = {});

} // namespace datastore
