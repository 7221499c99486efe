// seed-data [--start-in-tray] FOLDER [NAME...]: writes a data folder that this machine takes for
// its own (no first-run question) with providers calibrated to the given phonebook names and the
// machine's network interfaces assigned to the two cards.
#include <cstdio>
#include <filesystem>

#include <QCoreApplication>
#include <QStringList>

#include "datastore/data_files.h"
#include "datastore/scramble.h"
#include "drovik/adapters/card_logic.h"
#include "drovik/monitor/provider_calibration.h"
#include "platform/linux/linux_netifaces.h"
#include "platform/linux/linux_volume.h"
#include "platform/linux/sysroot.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    const bool start_in_tray = args.size() > 1 && args[1] == QStringLiteral("--start-in-tray");
    if (start_in_tray)
        args.removeAt(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: seed-data [--start-in-tray] FOLDER [PHONEBOOK-NAME...]\n");
        return 2;
    }
    const std::filesystem::path folder = args[1].toStdString();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    auto data = datastore::make_data_set();
    const QString identity = platform::LinuxVolume(platform::default_sysroot()).identity(folder);
    datastore::machine_id(data->providers)
        .assign_bytes(datastore::scramble(datastore::to_cp1251(identity), "817", datastore::ScrambleDirection::Forward));
    data->settings.pop3_port.assign(QStringLiteral("110"));
    data->settings.live_calc = 1;
    data->settings.start_in_tray = start_in_tray ? 1 : 0;

    std::vector<std::string> names;
    for (qsizetype i = 2; i < args.size(); ++i)
        names.push_back(datastore::to_cp1251(args[i]));
    if (!names.empty())
        calibrate_providers(data->providers, data->tariff, data->settings, names);

    assign_cards(data->adapters, make_snapshot(platform::LinuxNetInterfaces(platform::default_sysroot()).list()));

    const auto errors = datastore::save_all(*data, folder);
    for (const auto &error : errors)
        std::fprintf(stderr, "%s\n", qUtf8Printable(error.text()));
    return errors.empty() ? 0 : 1;
}
