#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include <QString>

namespace datastore {

// A failed file operation: the file's name and the system's reason, ready to show the user.
struct FileError {
    std::string file;
    std::string reason;

    QString text() const { return QString::fromStdString(file + ": " + reason); }
};

enum class ReadStatus {
    Read,    // the whole record came from the file (a longer file is read up to the record's size)
    Short,   // the file held fewer bytes: only the leading bytes were filled
    Missing, // no such file: the record is unchanged (the first start)
    Failed,  // the file exists but could not be read; bytes read before the failure were kept
};

struct ReadOutcome {
    ReadStatus status;
    std::size_t bytes;               // how many leading bytes of the record were filled
    std::optional<FileError> error;  // for Failed
};

// The program's reading: never an error for the caller to handle, and a missing or short file
// leaves the rest of the record as it was.
ReadOutcome read_lenient(const std::filesystem::path &file, void *record, std::size_t size);

// The libraries' reading: anything but a file of at least the record's size is an error.
std::optional<FileError> read_strict(const std::filesystem::path &file, void *record, std::size_t size);

// Writes the record as the file's whole content so that a crash or power loss at any moment
// leaves either the old file or the new one: a temporary file beside it, flushed to disk, then
// renamed over it. A new file is readable by its owner only (it holds passwords); a replaced
// file keeps its permissions. On failure the old file is untouched.
std::optional<FileError> write_durable(const std::filesystem::path &file, const void *record, std::size_t size);

} // namespace datastore
