#pragma once

#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_dialogs.h"
#include "platform/linux/linux_dialup.h"
#include "platform/linux/linux_launcher.h"
#include "platform/linux/linux_modems.h"
#include "platform/linux/linux_netifaces.h"
#include "platform/linux/linux_power.h"
#include "platform/linux/linux_registry.h"
#include "platform/linux/linux_single_instance.h"
#include "platform/linux/linux_taskbar.h"
#include "platform/linux/linux_tariff_library.h"
#include "platform/linux/linux_tray.h"
#include "platform/linux/linux_volume.h"
#include "platform/linux/sysroot.h"
#include "platform/linux/unavailable_services.h"

namespace platform {

// The services of the running program. Create it after the QApplication.
struct LinuxServices {
    LinuxDialogs dialogs;
    LinuxClock clock;
    LinuxTray tray;
    LinuxTaskbar taskbar;
    LinuxSingleInstance single_instance;
    LinuxRegistry registry;
    LinuxPower power;
    LinuxLauncher launcher;
    LinuxModems modems{default_sysroot()};
    LinuxDialup dialup{default_sysroot(), &launcher};
    LinuxNetInterfaces netifaces{default_sysroot()};
    NoPop3 pop3;
    LinuxTariffLibrary tariff_library;
    NoReportLibrary report_library;
    LinuxVolume volume{default_sysroot()};

    Services services()
    {
        return {dialogs, clock, tray, taskbar, single_instance, registry, power, launcher, modems,
                dialup, netifaces, pop3, tariff_library, report_library, volume};
    }
};

} // namespace platform
