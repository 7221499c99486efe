// Kolvane: the tariff library's exports. Every entry reads the data files first and keeps
// nothing that matters between calls; a failure is left for kolvane_last_error.
#include <cstdint>
#include <cstring>
#include <exception>

#include <QApplication>
#include <QDateTime>

#include "datastore/qt_time.h"
#include "kolvane/DllUnit1.h"
#include "kolvane/file_sets.h"
#include "kolvane/last_error.h"
#include "kolvane/maintenance.h"
#include "kolvane/pricing.h"

#define KOLVANE_EXPORT extern "C" __attribute__((visibility("default")))

namespace kolvane {
namespace {

QByteArray g_last_error;

bool valid_slot(int p)
{
    if (p >= 1 && p <= datastore::kSlots)
        return true;
    set_last_error(QStringLiteral("provider slot %1 is outside 1..9").arg(p));
    return false;
}

} // namespace

void set_last_error(const QString &text) { g_last_error = text.toUtf8(); }
void clear_last_error() { g_last_error.clear(); }
const QByteArray &last_error_utf8() { return g_last_error; }

} // namespace kolvane

using namespace kolvane;

KOLVANE_EXPORT std::int32_t show_tarif_form(std::intptr_t AppHandle, std::uint8_t ProviderIndex) noexcept
{
    clear_last_error();
    if (!valid_slot(ProviderIndex))
        return 0;
    if (qobject_cast<QApplication *>(QCoreApplication::instance()) == nullptr) {
        set_last_error(QStringLiteral("the tariff window needs the host's Qt application"));
        return 0;
    }
    try {
        // Deleted before returning: the host may unload the library right after.
        TForm1 editor(reinterpret_cast<QWidget *>(AppHandle), ProviderIndex);
        if (!editor.FormShow())
            return 0;
        const int result = editor.exec();
        return result == QDialog::Accepted ? 1 : 2; // closed from the title bar: cancel
    } catch (const std::exception &e) {
        set_last_error(QString::fromUtf8(e.what()));
        return 0;
    }
}

KOLVANE_EXPORT void change_record(std::uint8_t Count, const std::uint8_t *Names) noexcept
{
    clear_last_error();
    if (Count < 1 || Count > datastore::kSlots || Names == nullptr) {
        set_last_error(QStringLiteral("change_record: %1 entries is outside 1..9").arg(Count));
        return;
    }
    try {
        const PhonebookList list = phonebook_list(Count, Names);
        auto data = datastore::make_data_set();
        if (auto error = read_all_files(*data)) {
            set_last_error(error->text());
            return;
        }
        kolvane::change_record(*data, list);
        if (auto error = write_all_files(*data))
            set_last_error(error->text());
    } catch (const std::exception &e) {
        set_last_error(QString::fromUtf8(e.what()));
    }
}

KOLVANE_EXPORT float money_on_time(std::uint8_t ProviderIndex, std::uint8_t, std::uint8_t *Row, double StartTime,
                                   double EndTime) noexcept
{
    clear_last_error();
    if (!valid_slot(ProviderIndex))
        return 0;
    if (Row == nullptr) {
        set_last_error(QStringLiteral("money_on_time: no row variable"));
        return 0;
    }
    try {
        // Not zeroed first: the strict reading fills every byte or fails, and this runs every second.
        const std::unique_ptr<datastore::DataSet> data(new datastore::DataSet);
        if (auto error = read_all_files(*data)) {
            set_last_error(error->text());
            return 0;
        }
        std::uint8_t row = *Row;
        const float cost = price_span(data->providers, data->tariff, ProviderIndex, row, StartTime, EndTime, datastore::to_tdatetime(QDateTime::currentDateTime()));
        *Row = row;
        return cost;
    } catch (const std::exception &e) {
        set_last_error(QString::fromUtf8(e.what()));
        return 0;
    }
}

KOLVANE_EXPORT std::int32_t kolvane_last_error(char *text, std::int32_t size) noexcept
{
    const QByteArray &error = last_error_utf8();
    if (text != nullptr && size > 0) {
        const auto n = std::min<qsizetype>(error.size(), size - 1);
        std::memcpy(text, error.constData(), static_cast<std::size_t>(n));
        text[n] = '\0';
    }
    return static_cast<std::int32_t>(error.size());
}
