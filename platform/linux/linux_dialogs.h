#pragma once

#include "platform/dialogs.h"

namespace platform {

// Qt's message boxes, in Russian. Once the program is ending, messages go to standard error.
class LinuxDialogs : public Dialogs {
public:
    Answer message(const QString &text, MessageIcon icon, MessageButtons buttons) override;
    std::optional<QString> input_box(const QString &caption, const QString &prompt, const QString &value) override;
    std::optional<QString> open_file(const QString &caption, const QString &filter) override;
    void stop_asking() override { stopped_ = true; }

private:
    bool stopped_ = false;
};

} // namespace platform
