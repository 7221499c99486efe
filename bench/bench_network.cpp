// One look at this machine's network interfaces, and one tick of the network monitor built on it
// (the real window over fake services, the real interface list).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "drovik/Unit1.h"
#include "drovik/adapters/card_logic.h"
#include "platform/fake/fake_services.h"
#include "platform/linux/linux_netifaces.h"

namespace {

void BM_Snapshot(benchmark::State &state)
{
    platform::LinuxNetInterfaces interfaces("/");
    for (auto _ : state)
        benchmark::DoNotOptimize(make_snapshot(interfaces.list()));
}
BENCHMARK(BM_Snapshot)->Unit(benchmark::kMicrosecond);

void BM_MonitorTick(benchmark::State &state)
{
    platform::FakeServices fakes;
    platform::LinuxNetInterfaces interfaces("/");
    QTemporaryDir folder;
    TForm1 form(fakes.services({.netifaces = &interfaces}), folder.path().toStdString());
    form.Timer1->stop();
    // Both cards assigned to this machine's first interfaces, as a calibration would.
    assign_cards(form.data().adapters, make_snapshot(interfaces.list()));
    for (auto _ : state)
        form.Timer3Timer();
}
BENCHMARK(BM_MonitorTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
