#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/dialup.h"
#include "platform/launcher.h"
#include "platform/libraries.h"
#include "platform/modems.h"
#include "platform/netifaces.h"
#include "platform/pop3.h"
#include "platform/power.h"
#include "platform/registry.h"
#include "platform/single_instance.h"
#include "platform/taskbar.h"
#include "platform/tray.h"
#include "platform/volume.h"

namespace platform {

// What the main window receives: the program passes the Linux services, tests pass fakes.
// Not owned; the bundle that made it outlives the window.
struct Services {
    Dialogs &dialogs;
    Clock &clock;
    Tray &tray;
    Taskbar &taskbar;
    SingleInstance &single_instance;
    Registry &registry;
    Power &power;
    Launcher &launcher;
    Modems &modems;
    Dialup &dialup;
    NetInterfaces &netifaces;
    Pop3 &pop3;
    TariffLibrary &tariff_library;
    ReportLibrary &report_library;
    Volume &volume;
};

} // namespace platform
