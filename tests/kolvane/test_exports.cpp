// The library as the program loads it: by full path, entries by name, data in the current folder.
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "datastore/data_files.h"
#include "support/child.h"
#include "support/qt_print.h"

namespace fs = std::filesystem;
using namespace datastore;

namespace {

using MoneyOnTime = float (*)(std::uint8_t, std::uint8_t, std::uint8_t *, double, double);
using ChangeRecord = void (*)(std::uint8_t, const std::uint8_t *);
using LastError = std::int32_t (*)(char *, std::int32_t);

class Exports : public ::testing::Test {
protected:
    void SetUp() override
    {
        handle_ = ::dlopen(VELMORA_BIN_DIR "/Kolvane.so", RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << ::dlerror();
        money_on_time = reinterpret_cast<MoneyOnTime>(::dlsym(handle_, "money_on_time"));
        change_record = reinterpret_cast<ChangeRecord>(::dlsym(handle_, "change_record"));
        last_error = reinterpret_cast<LastError>(::dlsym(handle_, "kolvane_last_error"));
        ASSERT_TRUE(money_on_time && change_record && last_error && ::dlsym(handle_, "show_tarif_form"));
        old_dir_ = fs::current_path();
        fs::current_path(folder());
    }
    void TearDown() override
    {
        fs::current_path(old_dir_);
        if (handle_ != nullptr)
            ::dlclose(handle_);
    }
    fs::path folder() const { return dir_.path().toStdString(); }

    // Slot 1 named A with the whole day at 30 per hour, slot 2 named B.
    void write_files()
    {
        auto d = make_data_set();
        provider_texts(d->providers, 1).name.assign_bytes("A");
        provider_texts(d->providers, 2).name.assign_bytes("B");
        d->providers.slot_map[0] = 1;
        d->providers.slot_map[1] = 2;
        provider_numbers(d->providers, 2).balance = 7.5f;
        hour_price(d->tariff, 1, 1) = 30;
        row_end(d->tariff, 1, 1) = encode_time({23, 59, 59, 0});
        d->settings.provider_count = 2;
        std::memset(d->settings.reserved, 0x77, 3);
        ASSERT_TRUE(save_all(*d, folder()).empty());
    }
    std::string error_text()
    {
        char text[512];
        last_error(text, sizeof text);
        return text;
    }

    MoneyOnTime money_on_time = nullptr;
    ChangeRecord change_record = nullptr;
    LastError last_error = nullptr;

private:
    QTemporaryDir dir_;
    fs::path old_dir_;
    void *handle_ = nullptr;
};

std::vector<std::uint8_t> names_block(const std::vector<std::string> &names)
{
    std::vector<std::uint8_t> block(459, 0);
    for (std::size_t i = 0; i < names.size(); ++i) {
        block[51 * i] = static_cast<std::uint8_t>(names[i].size());
        std::memcpy(block.data() + 51 * i + 1, names[i].data(), names[i].size());
    }
    return block;
}

} // namespace

TEST_F(Exports, PricesASpanFromTheFilesAndSeesTheirChanges)
{
    write_files();
    std::uint8_t row = 0;
    const double start = compose({2026, 12, 8}, {10, 0, 0, 0});
    EXPECT_FLOAT_EQ(money_on_time(1, 0, &row, start, start + 0.5 / 24), 15.0f);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(last_error(nullptr, 0), 0);

    auto tariff = std::make_unique<TariffRecord>();
    ASSERT_FALSE(load_record_strict(*tariff, folder()).has_value());
    hour_price(*tariff, 1, 1) = 60;
    ASSERT_FALSE(save_record(*tariff, folder()).has_value());
    EXPECT_FLOAT_EQ(money_on_time(1, 0, &row, start, start + 0.5 / 24), 30.0f);
}

TEST_F(Exports, AMissingTariffFileIsNamedAndCostsNothing)
{
    write_files();
    fs::remove(folder() / "Тариф.dat");
    std::uint8_t row = 5;
    EXPECT_EQ(money_on_time(1, 0, &row, 46364.4, 46364.5), 0.0f);
    EXPECT_EQ(row, 5);
    EXPECT_NE(error_text().find("Тариф.dat"), std::string::npos) << error_text();
    EXPECT_NE(error_text().find("No such file or directory"), std::string::npos);
    const std::int32_t full = last_error(nullptr, 0);
    char cut[8];
    EXPECT_EQ(last_error(cut, sizeof cut), full);
    EXPECT_EQ(std::strlen(cut), 7u);
}

TEST_F(Exports, RefusesSlotsAndCountsOutsideTheRecords)
{
    write_files();
    const auto before = fs::last_write_time(folder() / "Провайдер инфо.dat");
    std::uint8_t row = 4;
    EXPECT_EQ(money_on_time(10, 0, &row, 46364.4, 46364.5), 0.0f);
    EXPECT_EQ(row, 4);
    EXPECT_GT(last_error(nullptr, 0), 0);
    const auto block = names_block({"A"});
    change_record(0, block.data());
    EXPECT_GT(last_error(nullptr, 0), 0);
    change_record(10, block.data());
    EXPECT_EQ(fs::last_write_time(folder() / "Провайдер инфо.dat"), before);
}

TEST_F(Exports, ChangeRecordRebuildsTheSlotsAndKeepsTheSettingsBytes)
{
    write_files();
    const auto block = names_block({"B", "A", "C"});
    change_record(3, block.data());
    EXPECT_EQ(last_error(nullptr, 0), 0) << error_text();
    auto data = make_data_set();
    ASSERT_TRUE(load_all(*data, folder()).empty());
    EXPECT_EQ(provider_texts(data->providers, 1).name.bytes(), "B");
    EXPECT_EQ(provider_numbers(data->providers, 1).balance, 7.5f);
    EXPECT_EQ(hour_price(data->tariff, 2, 1), 30.0f);
    EXPECT_EQ(data->settings.provider_count, 3);
    EXPECT_EQ(data->settings.reserved[0], 0x77);
    EXPECT_EQ(fs::file_size(folder() / "Настройки.ini"), 60u);
}

TEST_F(Exports, TheEditorIsModalCaptionedAndGoneWhenItReturns)
{
    write_files();
    auto providers = std::make_unique<ProviderRecord>();
    ASSERT_FALSE(load_record_strict(*providers, folder()).has_value());
    provider_texts(*providers, 2).name.assign(QString(50, u'Ж'));
    ASSERT_FALSE(save_record(*providers, folder()).has_value());

    using ShowTarifForm = std::int32_t (*)(std::intptr_t, std::uint8_t);
    auto show = reinterpret_cast<ShowTarifForm>(::dlsym(::dlopen(VELMORA_BIN_DIR "/Kolvane.so", RTLD_NOW), "show_tarif_form"));
    QWidget owner;
    QString caption;
    QTimer::singleShot(200, [&] {
        QWidget *editor = QApplication::activeModalWidget();
        ASSERT_NE(editor, nullptr);
        caption = editor->windowTitle();
        editor->close(); // the title bar's close box
    });
    EXPECT_EQ(show(reinterpret_cast<std::intptr_t>(&owner), 2), 2);
    EXPECT_EQ(caption, QString(QStringLiteral("Настройки провайдера ") + QString(50, u'Ж')));
    EXPECT_EQ(caption.size(), 71);
    EXPECT_TRUE(owner.findChildren<QDialog *>().isEmpty()) << "no window outlives the call";
}

TEST_F(Exports, AFailedWriteLeavesTheFilesWrittenBeforeIt)
{
    write_files();
    const auto block = names_block({"A", "B", "C"});
    // A file-size limit between the small files and the call log.
    EXPECT_TRUE(in_child_with_file_limit(100000, [&] {
        change_record(3, block.data());
        char text[512];
        last_error(text, sizeof text);
        return std::strstr(text, "Соединения.dat") != nullptr;
    })) << "the error names the call log";

    auto data = make_data_set();
    ASSERT_TRUE(load_all(*data, folder()).empty());
    EXPECT_EQ(data->settings.provider_count, 3) << "settings were written first";
    EXPECT_EQ(provider_texts(data->providers, 3).name.bytes(), "C") << "then the providers";
    EXPECT_EQ(hour_price(data->tariff, 3, 1), 0.0f) << "the tariff after the call log was not written";
}
