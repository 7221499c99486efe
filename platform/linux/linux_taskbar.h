#pragma once

#include "platform/taskbar.h"

namespace platform {

// The taskbar entry through the window's _NET_WM_STATE on X11; elsewhere (Wayland, offscreen)
// the desktop gives a client no say and the entry stays.
class LinuxTaskbar : public Taskbar {
public:
    bool set_entry_shown(QWidget &window, bool shown) override;
};

} // namespace platform
