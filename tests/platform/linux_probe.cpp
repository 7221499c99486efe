// linux-probe ROOT PID: prints the client and server address of that pppd's link as the dial-up
// layer sees them from the current network namespace (tests run it inside a namespace of their own).
// linux-probe rename ROOT OLD NEW: renames a phonebook entry and prints "renamed" or the reason
// (tests run it as a user who may not write the phonebook).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QCoreApplication>

#include "platform/linux/linux_dialup.h"
#include "platform/linux/linux_netifaces.h"

int main(int argc, char *argv[])
{
    if (argc == 5 && std::strcmp(argv[1], "rename") == 0) {
        QCoreApplication app(argc, argv);
        platform::LinuxDialup dialup(argv[2]);
        const auto refused = dialup.rename_entry(QString::fromUtf8(argv[3]), QString::fromUtf8(argv[4]));
        std::printf("%s\n", refused ? qUtf8Printable(*refused) : "renamed");
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "interfaces") == 0) {
        for (const platform::NetInterface &i : platform::LinuxNetInterfaces("/").list()) {
            std::printf("%s|%u|%u|%lld|%s|%s\n", qUtf8Printable(i.description), i.in_octets, i.out_octets,
                        static_cast<long long>(i.speed_bps), qUtf8Printable(i.ip), qUtf8Printable(i.mask));
        }
        return 0;
    }
    if (argc != 3)
        return 2;
    platform::LinuxDialup dialup(argv[1]);
    const auto projection = dialup.ip_projection(std::atol(argv[2]));
    const auto stats = dialup.statistics(std::atol(argv[2]));
    if (!projection || !stats)
        return 1;
    std::printf("%s %s %lld\n", qUtf8Printable(projection->client_ip), qUtf8Printable(projection->server_ip),
                static_cast<long long>(stats->bytes_out));
    return 0;
}
