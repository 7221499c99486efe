#include "data_files.h"

namespace datastore {

std::unique_ptr<DataSet> make_data_set()
{
    return std::make_unique<DataSet>(); // value-initialised: every byte zero
}

std::vector<FileError> load_all(DataSet &data, const std::filesystem::path &folder)
{
    std::vector<FileError> errors;
    auto load = [&](auto &rec) {
        if (auto outcome = load_record(rec, folder); outcome.error)
            errors.push_back(*outcome.error);
    };
    load(data.providers);
    load(data.tariff);
    load(data.settings);
    load(data.calls);
    load(data.adapters);
    return errors;
}

std::vector<FileError> save_all(const DataSet &data, const std::filesystem::path &folder)
{
    std::vector<FileError> errors;
    auto save = [&](const auto &rec) {
        if (auto error = save_record(rec, folder))
            errors.push_back(*error);
    };
    save(data.settings);
    save(data.calls);
    save(data.providers);
    save(data.tariff);
    save(data.adapters);
    return errors;
}

} // namespace datastore
