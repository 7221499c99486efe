#pragma once

#include <optional>

#include "datastore/data_files.h"

namespace kolvane {

using datastore::DataSet;
using datastore::FileError;

// The library's reading and writing of the data files, in the current directory. Any failure
// stops the routine at that file; files written before it stay written.
std::optional<FileError> read_all_files(DataSet &data);    // provider, tariff, settings, call log, adapters
std::optional<FileError> write_all_files(const DataSet &data); // settings, provider, call log, tariff, adapters
std::optional<FileError> read_editor_files(DataSet &data); // settings, call log, provider, tariff
std::optional<FileError> save_tarif(const DataSet &data);
std::optional<FileError> save_prov(const DataSet &data);

} // namespace kolvane
