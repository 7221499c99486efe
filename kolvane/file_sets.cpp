#include "file_sets.h"

namespace kolvane {
namespace {

// Runs the steps in order and stops at the first failure.
template <class... Steps>
std::optional<FileError> in_order(Steps &&...steps)
{
    std::optional<FileError> error;
    ((error = error ? error : steps()), ...);
    return error;
}

} // namespace

using datastore::load_record_strict;
using datastore::save_record;

std::optional<FileError> read_all_files(DataSet &d)
{
    return in_order([&] { return load_record_strict(d.providers); }, [&] { return load_record_strict(d.tariff); },
                    [&] { return load_record_strict(d.settings); }, [&] { return load_record_strict(d.calls); },
                    [&] { return load_record_strict(d.adapters); });
}

std::optional<FileError> write_all_files(const DataSet &d)
{
    return in_order([&] { return save_record(d.settings); }, [&] { return save_record(d.providers); },
                    [&] { return save_record(d.calls); }, [&] { return save_record(d.tariff); },
                    [&] { return save_record(d.adapters); });
}

std::optional<FileError> read_editor_files(DataSet &d)
{
    return in_order([&] { return load_record_strict(d.settings); }, [&] { return load_record_strict(d.calls); },
                    [&] { return load_record_strict(d.providers); }, [&] { return load_record_strict(d.tariff); });
}

std::optional<FileError> save_tarif(const DataSet &d)
{
    return save_record(d.tariff);
}

std::optional<FileError> save_prov(const DataSet &d)
{
    return save_record(d.providers);
}

} // namespace kolvane
