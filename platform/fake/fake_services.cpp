#include "fake_services.h"

#include <algorithm>

namespace platform {
namespace {

// The first `count` of the nine 51-byte name slots a host passes.
std::vector<QByteArray> name_slots(const std::uint8_t *names, int count)
{
    std::vector<QByteArray> list;
    for (int i = 0; i < count && i < 9; ++i) {
        const std::uint8_t *slot = names + 51 * i;
        list.emplace_back(reinterpret_cast<const char *>(slot + 1), std::min<int>(slot[0], 50));
    }
    return list;
}

} // namespace

void FakeClock::wait(int ms)
{
    waits.push_back(ms);
    advance_ms(ms);
}

std::optional<std::uint32_t> FakeRegistry::read(const QString &key, const QString &value)
{
    const auto it = values.find({key, value});
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

bool FakeRegistry::write(const QString &key, const QString &value, std::uint32_t data)
{
    if (fail_writes)
        return false;
    values[{key, value}] = data;
    return true;
}

ConnectionHandle FakeDialup::first_link(ConnectionHandle c)
{
    const auto it = links.find(c);
    return it == links.end() ? c : it->second;
}

std::optional<IpProjection> FakeDialup::ip_projection(ConnectionHandle c)
{
    const auto it = projections.find(c);
    if (it == projections.end())
        return std::nullopt;
    return it->second;
}

std::optional<LinkStatistics> FakeDialup::statistics(ConnectionHandle c)
{
    const auto it = stats.find(c);
    if (it == stats.end())
        return std::nullopt;
    return it->second;
}

std::optional<QString> FakeDialup::hang_up(ConnectionHandle link)
{
    hang_ups.push_back(link);
    return hang_up_error;
}

bool FakeDialup::is_valid_new_entry_name(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           std::find(entries.begin(), entries.end(), name) == entries.end();
}

std::optional<QString> FakeDialup::rename_entry(const QString &old_name, const QString &new_name)
{
    if (rename_error)
        return rename_error;
    renames.emplace_back(old_name, new_name);
    std::replace(entries.begin(), entries.end(), old_name, new_name);
    return std::nullopt;
}

bool FakeDialup::edit_entry(const QString &name)
{
    edited.push_back(name);
    return dialogs_work;
}

bool FakeDialup::create_entry()
{
    ++created;
    return dialogs_work;
}

bool FakePop3::connect_and_login(const QString &, int, const QString &, const QString &, int)
{
    ++logins;
    connected_ = accept_login;
    marked_.clear();
    error_ = accept_login ? QString() : QStringLiteral("-ERR authentication failed");
    return accept_login;
}

std::optional<int> FakePop3::message_count()
{
    if (!connected_)
        return std::nullopt;
    return static_cast<int>(mailbox.size());
}

std::optional<MailHeaders> FakePop3::headers(int message)
{
    if (!connected_ || message < 1 || message > static_cast<int>(mailbox.size()))
        return std::nullopt;
    return mailbox[static_cast<std::size_t>(message - 1)].headers;
}

std::optional<std::int64_t> FakePop3::size(int message)
{
    if (!connected_ || message < 1 || message > static_cast<int>(mailbox.size()))
        return std::nullopt;
    return mailbox[static_cast<std::size_t>(message - 1)].size;
}

bool FakePop3::remove(int message)
{
    if (!connected_ || message < 1 || message > static_cast<int>(mailbox.size()))
        return false;
    marked_.insert(message);
    return true;
}

void FakePop3::quit()
{
    if (!connected_)
        return;
    // As on a real server, removals take effect only with QUIT.
    for (auto it = marked_.rbegin(); it != marked_.rend(); ++it) {
        deleted.insert(*it);
        mailbox.erase(mailbox.begin() + (*it - 1));
    }
    marked_.clear();
    connected_ = false;
}

bool FakeTariffLibrary::load()
{
    ++loads;
    loaded_ = loadable;
    return loaded_;
}

std::int32_t FakeTariffLibrary::show_tarif_form(std::intptr_t, std::uint8_t provider)
{
    tarif_forms.push_back(provider);
    if (during_call)
        during_call();
    return 1;
}

void FakeTariffLibrary::change_record(std::uint8_t count, const std::uint8_t *names)
{
    name_lists.push_back(name_slots(names, count));
    if (during_call)
        during_call();
}

float FakeTariffLibrary::money_on_time(std::uint8_t provider, std::uint8_t call, std::uint8_t *row, double start,
                                       double end)
{
    const TariffCall c{provider, call, *row, start, end};
    pricing_calls.push_back(c);
    return pricing ? pricing(c, row) : 0.0f;
}

void FakeReportLibrary::show_report_form(std::intptr_t, const std::uint8_t *names, const QByteArray &card1,
                                         const QByteArray &card2)
{
    calls.push_back({name_slots(names, 9), card1, card2});
}

} // namespace platform
