#pragma once

#include <QLabel>

#include "form_fixture.h"

// The window over two providers, "Дом" and "Работа" (30 per hour), with a line that can be
// connected to "Работа" and a tick driven by hand.
inline constexpr platform::ConnectionHandle kHandle = 7;

class Monitor : public FormTest {
protected:
    void SetUp() override
    {
        auto data = datastore::make_data_set();
        datastore::provider_texts(data->providers, 1).name.assign(QStringLiteral("Дом"));
        datastore::provider_texts(data->providers, 2).name.assign(QStringLiteral("Работа"));
        datastore::provider_texts(data->providers, 2).server_ip.assign(QStringLiteral("195.34.10.7"));
        data->providers.slot_map[0] = 1;
        data->providers.slot_map[1] = 2;
        datastore::provider_numbers(data->providers, 1).balance = 20;
        datastore::provider_numbers(data->providers, 2).balance = 20;
        datastore::hour_price(data->tariff, 2, 1) = 30;
        data->settings.provider_count = 2;
        data->settings.live_calc = 1;
        extra(*data);
        ASSERT_TRUE(datastore::save_all(*data, folder()).empty());

        fakes.dialup.entries = {QStringLiteral("Дом"), QStringLiteral("Работа")};
        fakes.dialup.projections[kHandle] = {QStringLiteral("10.0.0.2"), QStringLiteral("195.34.10.9")};
        fakes.dialup.stats[kHandle] = {2 * 1048576, 1048576, 115200};
        fakes.clock.time = datastore::compose({2026, 12, 8}, {10, 0, 0, 50});
        // 30 per hour for the span, and row 1.
        fakes.tariff_library.pricing = [](const platform::TariffCall &c, std::uint8_t *row) {
            *row = 1;
            return static_cast<float>((c.end - c.start) * 24 * 30);
        };
        start().Timer1->stop();
    }
    virtual void extra(datastore::DataSet &) {}

    void connect_line() { fakes.dialup.connections = {{QStringLiteral("Работа"), kHandle}}; }
    void tick() { form->Timer1Timer(); }
    void minutes(double m) { fakes.clock.advance_ms(m * 60000); }
    QString text(const char *name) { return form->findChild<QLabel *>(QLatin1String(name))->text(); }
    std::unique_ptr<datastore::DataSet> on_disk()
    {
        auto d = datastore::make_data_set();
        EXPECT_TRUE(datastore::load_all(*d, folder()).empty());
        return d;
    }
};
