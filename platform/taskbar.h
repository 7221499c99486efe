#pragma once

class QWidget;

namespace platform {

// The desktop's list of open windows.
class Taskbar {
public:
    virtual ~Taskbar() = default;
    // Shows or hides the window's entry there; false where the desktop cannot be asked to.
    virtual bool set_entry_shown(QWidget &window, bool shown) = 0;
};

} // namespace platform
