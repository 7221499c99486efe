#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "datastore/data_files.h"
#include "support/child.h"

using namespace datastore;
namespace fs = std::filesystem;

namespace {

class RecordFiles : public ::testing::Test {
protected:
    QTemporaryDir temp_;
    fs::path dir() const { return fs::path(temp_.path().toStdString()); }

    void write_bytes(const fs::path &file, std::size_t size, char fill)
    {
        std::ofstream(file, std::ios::binary) << std::string(size, fill);
    }
    std::string read_bytes(const fs::path &file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> entries()
    {
        std::vector<std::string> names;
        for (const auto &e : fs::directory_iterator(dir()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

SettingsRecord settings_filled_with(std::uint8_t byte)
{
    SettingsRecord rec;
    std::memset(&rec, byte, sizeof rec);
    return rec;
}

} // namespace

TEST_F(RecordFiles, LenientReadingOfShortLongMissingAndUnreadableFiles)
{
    const fs::path file = record_path<SettingsRecord>(dir());
    const struct {
        const char *what;
        int file_size; // -1: no file, -2: a folder stands at the name
        ReadStatus status;
        std::size_t bytes_from_file;
    } cases[] = {
        {"exact", 60, ReadStatus::Read, 60},    {"short", 56, ReadStatus::Short, 56},
        {"longer", 100, ReadStatus::Read, 60},  {"empty", 0, ReadStatus::Short, 0},
        {"missing", -1, ReadStatus::Missing, 0}, {"folder", -2, ReadStatus::Failed, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(file);
        if (c.file_size >= 0)
            write_bytes(file, static_cast<std::size_t>(c.file_size), '\x07');
        else if (c.file_size == -2)
            fs::create_directory(file);

        SettingsRecord rec = settings_filled_with(0x55);
        const ReadOutcome outcome = load_record(rec, dir());
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.bytes, c.bytes_from_file);
        EXPECT_EQ(outcome.error.has_value(), c.status == ReadStatus::Failed);
        const auto *bytes = reinterpret_cast<const unsigned char *>(&rec);
        for (std::size_t i = 0; i < sizeof rec; ++i)
            ASSERT_EQ(bytes[i], i < c.bytes_from_file ? 0x07 : 0x55) << "byte " << i;
    }
}

TEST_F(RecordFiles, StrictReadingFailsOnAnythingButAWholeRecord)
{
    const fs::path file = record_path<SettingsRecord>(dir());
    SettingsRecord rec{};

    auto error = load_record_strict(rec, dir());
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->file, file.string());
    EXPECT_EQ(error->reason, "No such file or directory");
    EXPECT_TRUE(error->text().contains(QStringLiteral("Настройки.ini")));

    write_bytes(file, 56, 'a');
    error = load_record_strict(rec, dir());
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->reason.find("56 of 60"), std::string::npos);

    write_bytes(file, 80, 'b');
    EXPECT_FALSE(load_record_strict(rec, dir()).has_value());
    EXPECT_EQ(rec.provider_count, 'b');

    fs::remove(file);
    fs::create_directory(file);
    error = load_record_strict(rec, dir());
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, "Is a directory");
}

TEST_F(RecordFiles, WritingGivesTheRecordsSizeAndOwnerOnlyAccess)
{
    const fs::path file = record_path<CallLogRecord>(dir());
    write_bytes(file, 400000, 'x'); // longer than the record
    ::chmod(file.c_str(), 0640);
    auto log = std::make_unique<CallLogRecord>();
    call_cost(*log, 3, 7) = 2.5f;
    ASSERT_FALSE(save_record(*log, dir()).has_value());
    EXPECT_EQ(fs::file_size(file), 279000u);
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";

    auto settings = std::make_unique<SettingsRecord>();
    ASSERT_FALSE(save_record(*settings, dir()).has_value());
    ::stat(record_path<SettingsRecord>(dir()).c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    auto back = std::make_unique<CallLogRecord>();
    ASSERT_FALSE(load_record_strict(*back, dir()).has_value());
    EXPECT_EQ(call_cost(*back, 3, 7), 2.5f);
    EXPECT_EQ(entries(), (std::vector<std::string>{"Настройки.ini", "Соединения.dat"})) << "no temporary left";
}

TEST_F(RecordFiles, AFailedWriteLeavesTheOldFileAndSaysWhy)
{
    const fs::path file = record_path<CallLogRecord>(dir());
    write_bytes(file, 279000, 'o');

    // A file-size limit fails the write even for root; the child reports what it saw.
    EXPECT_TRUE(in_child_with_file_limit(100000, [&] {
        auto log = std::make_unique<CallLogRecord>();
        const auto error = save_record(*log, dir());
        return error && error->reason == "File too large" && error->file == file.string();
    })) << "the write must fail with the system's reason";
    EXPECT_EQ(read_bytes(file), std::string(279000, 'o'));
    EXPECT_EQ(entries(), std::vector<std::string>{"Соединения.dat"});
}

TEST_F(RecordFiles, WritesThatCannotSucceedReportAFailure)
{
    auto settings = std::make_unique<SettingsRecord>();
    auto error = save_record(*settings, dir() / "no such folder");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, "No such file or directory");

    const fs::path file = record_path<SettingsRecord>(dir());
    fs::create_directories(file / "inside");
    error = save_record(*settings, dir());
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(fs::is_directory(file / "inside"));
    EXPECT_EQ(entries(), std::vector<std::string>{"Настройки.ini"});
}

TEST_F(RecordFiles, FirstRunReadsZerosAndTheExitSaveCreatesAllFive)
{
    auto data = make_data_set();
    EXPECT_TRUE(load_all(*data, dir()).empty());
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.get());
    EXPECT_TRUE(std::all_of(bytes, bytes + sizeof(DataSet), [](unsigned char b) { return b == 0; }));

    EXPECT_TRUE(save_all(*data, dir()).empty());
    EXPECT_EQ(fs::file_size(record_path<ProviderRecord>(dir())), 2532u);
    EXPECT_EQ(fs::file_size(record_path<TariffRecord>(dir())), 2160u);
    EXPECT_EQ(fs::file_size(record_path<SettingsRecord>(dir())), 60u);
    EXPECT_EQ(fs::file_size(record_path<CallLogRecord>(dir())), 279000u);
    EXPECT_EQ(fs::file_size(record_path<AdapterStatsRecord>(dir())), 62560u);
}

TEST_F(RecordFiles, AShortSettingsFileKeepsTheUnreadFieldsAndIsWrittenWhole)
{
    auto data = make_data_set();
    data->settings.close_to_tray = 1;
    write_bytes(record_path<SettingsRecord>(dir()), 56, '\x01');
    EXPECT_TRUE(load_all(*data, dir()).empty());
    EXPECT_EQ(data->settings.provider_count, 1);
    EXPECT_EQ(data->settings.foreign_call_guard, 1); // offset 55, the last one in the file
    EXPECT_EQ(data->settings.close_to_tray, 1);      // kept from memory
    EXPECT_TRUE(save_all(*data, dir()).empty());
    EXPECT_EQ(fs::file_size(record_path<SettingsRecord>(dir())), 60u);
}
