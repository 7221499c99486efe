#pragma once

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "platform/fake/fake_dialogs.h"
#include "platform/services.h"

namespace platform {

// Time stands still until a test moves it; a wait moves it on and returns at once.
class FakeClock : public Clock {
public:
    datastore::TDateTime time = 46364.5; // 08.12.2026 12:00:00
    std::vector<int> waits;
    datastore::TDateTime now() override { return time; }
    void wait(int ms) override;
    void advance_ms(double ms) { time += ms / datastore::kMsecsPerDay; }
};

struct ShownBalloon {
    QString title;
    QString text;
    BalloonIcon icon;
    int timeout_s;
};

class FakeTray : public Tray {
public:
    bool is_available = true;
    bool is_visible = false;
    TrayImage image = TrayImage::Idle;
    QString hint;
    QMenu *menu = nullptr;
    std::vector<ShownBalloon> balloons;
    int balloons_hidden = 0;
    std::function<void()> balloon_clicked;
    std::function<void()> double_clicked;

    bool available() const override { return is_available; }
    bool visible() const override { return is_visible; }
    void set_visible(bool on) override { is_visible = on; }
    void set_image(TrayImage i) override { image = i; }
    void set_hint(const QString &text) override { hint = text; }
    void set_menu(QMenu *m) override { menu = m; }
    void show_balloon(const QString &title, const QString &text, BalloonIcon icon, int timeout_s) override
    {
        balloons.push_back({title, text, icon, timeout_s});
    }
    void hide_balloon() override { ++balloons_hidden; }
    void on_balloon_clicked(std::function<void()> h) override { balloon_clicked = std::move(h); }
    void on_double_clicked(std::function<void()> h) override { double_clicked = std::move(h); }
};

class FakeTaskbar : public Taskbar {
public:
    bool entry_shown = true;
    bool can = true;
    bool set_entry_shown(QWidget &, bool shown) override
    {
        if (can)
            entry_shown = shown;
        return can;
    }
};

class FakeSingleInstance : public SingleInstance {
public:
    bool first = true;
    std::function<void()> activation;
    bool claim() override { return first; }
    void on_activation_request(std::function<void()> h) override { activation = std::move(h); }
};

class FakeRegistry : public Registry {
public:
    std::map<std::pair<QString, QString>, std::uint32_t> values;
    bool fail_writes = false;
    std::optional<std::uint32_t> read(const QString &key, const QString &value) override;
    bool write(const QString &key, const QString &value, std::uint32_t data) override;
};

class FakePower : public Power {
public:
    std::vector<bool> requests; // the force flag of each request
    bool accept = true;
    std::function<void()> on_request;
    bool power_off(bool force) override
    {
        requests.push_back(force);
        if (on_request)
            on_request();
        return accept;
    }
};

class FakeLauncher : public Launcher {
public:
    std::vector<std::pair<Program, QString>> started;
    bool succeed = true;
    bool start(Program program, const QString &argument) override
    {
        started.emplace_back(program, argument);
        return succeed;
    }
    std::vector<QStringList> in_terminal;
    bool run_in_terminal(const QStringList &command) override
    {
        in_terminal.push_back(command);
        return succeed;
    }
};

class FakeModems : public Modems {
public:
    std::vector<ModemDevice> devices;
    std::vector<ModemDevice> list() override { return devices; }
};

class FakeDialup : public Dialup {
public:
    std::vector<ActiveConnection> connections;
    std::map<ConnectionHandle, ConnectionHandle> links;
    std::map<ConnectionHandle, IpProjection> projections;
    std::map<ConnectionHandle, LinkStatistics> stats;
    std::vector<ConnectionHandle> hang_ups;
    std::optional<QString> hang_up_error;
    std::vector<QString> entries;
    QString path = QStringLiteral("/etc/ppp/peers");
    std::vector<std::pair<QString, QString>> renames;
    std::optional<QString> rename_error;
    std::vector<QString> edited;
    int created = 0;
    bool dialogs_work = true;

    std::vector<ActiveConnection> active_connections() override { return connections; }
    ConnectionHandle first_link(ConnectionHandle c) override;
    std::optional<IpProjection> ip_projection(ConnectionHandle c) override;
    std::optional<LinkStatistics> statistics(ConnectionHandle c) override;
    std::optional<QString> hang_up(ConnectionHandle link) override;
    std::vector<QString> phonebook_entries() override { return entries; }
    QString phonebook_path() override { return path; }
    bool is_valid_new_entry_name(const QString &name) override;
    std::optional<QString> rename_entry(const QString &old_name, const QString &new_name) override;
    bool edit_entry(const QString &name) override;
    bool create_entry() override;
    std::optional<QString> phonebook_notice;
    std::optional<QString> take_phonebook_notice() override { return std::exchange(phonebook_notice, std::nullopt); }
};

class FakeNetInterfaces : public NetInterfaces {
public:
    std::vector<NetInterface> interfaces;
    int lists = 0;
    std::vector<NetInterface> list() override
    {
        ++lists;
        return interfaces;
    }
};

// A mailbox held in memory.
class FakePop3 : public Pop3 {
public:
    struct Message {
        MailHeaders headers;
        std::int64_t size;
    };
    std::vector<Message> mailbox;
    std::set<int> deleted; // numbers removed by a session that ended with QUIT
    bool accept_login = true;
    int logins = 0;

    bool connect_and_login(const QString &host, int port, const QString &user, const QString &password,
                           int timeout_ms) override;
    std::optional<int> message_count() override;
    std::optional<MailHeaders> headers(int message) override;
    std::optional<std::int64_t> size(int message) override;
    bool remove(int message) override;
    void quit() override;
    QString last_error() const override { return error_; }

private:
    bool connected_ = false;
    std::set<int> marked_;
    QString error_;
};

struct TariffCall {
    std::uint8_t provider;
    std::uint8_t call;
    std::uint8_t row;
    double start;
    double end;
};

class FakeTariffLibrary : public TariffLibrary {
public:
    bool loadable = true;
    int loads = 0;
    std::vector<TariffCall> pricing_calls;
    std::function<float(const TariffCall &, std::uint8_t *row)> pricing; // default: costs nothing
    std::vector<std::uint8_t> tarif_forms;
    std::vector<std::vector<QByteArray>> name_lists;
    std::function<void()> during_call; // runs inside show_tarif_form and change_record

    bool load() override;
    void unload() override { loaded_ = false; }
    bool loaded() const override { return loaded_; }
    std::int32_t show_tarif_form(std::intptr_t app_handle, std::uint8_t provider) override;
    void change_record(std::uint8_t count, const std::uint8_t *names) override;
    float money_on_time(std::uint8_t provider, std::uint8_t call, std::uint8_t *row, double start,
                        double end) override;
    QString last_error() const override { return loaded_ || loadable ? QString() : QStringLiteral("not found"); }

private:
    bool loaded_ = false;
};

struct ReportCall {
    std::vector<QByteArray> names;
    QByteArray card1;
    QByteArray card2;
};

class FakeReportLibrary : public ReportLibrary {
public:
    bool loadable = true;
    std::vector<ReportCall> calls;
    bool load() override
    {
        loaded_ = loadable;
        return loaded_;
    }
    void unload() override { loaded_ = false; }
    bool loaded() const override { return loaded_; }
    void show_report_form(std::intptr_t app_handle, const std::uint8_t *names, const QByteArray &card1,
                          const QByteArray &card2) override;
    QString last_error() const override { return loadable ? QString() : QStringLiteral("not found"); }

private:
    bool loaded_ = false;
};

class FakeVolume : public Volume {
public:
    QString serial = QStringLiteral("1A2B-3C4D");
    QString identity(const std::filesystem::path &) override { return serial; }
};

// Real services in place of some fakes, for a test or benchmark of that real part.
struct RealParts {
    Dialup *dialup = nullptr;
    NetInterfaces *netifaces = nullptr;
    TariffLibrary *tariff_library = nullptr;
};

// Every service as a fake, for a window under test.
struct FakeServices {
    FakeDialogs dialogs;
    FakeClock clock;
    FakeTray tray;
    FakeTaskbar taskbar;
    FakeSingleInstance single_instance;
    FakeRegistry registry;
    FakePower power;
    FakeLauncher launcher;
    FakeModems modems;
    FakeDialup dialup;
    FakeNetInterfaces netifaces;
    FakePop3 pop3;
    FakeTariffLibrary tariff_library;
    FakeReportLibrary report_library;
    FakeVolume volume;

    Services services(const RealParts &real = {})
    {
        return {dialogs, clock, tray, taskbar, single_instance, registry, power, launcher, modems,
                real.dialup != nullptr ? *real.dialup : dialup,
                real.netifaces != nullptr ? *real.netifaces : netifaces, pop3,
                real.tariff_library != nullptr ? *real.tariff_library : tariff_library, report_library, volume};
    }
};

} // namespace platform
