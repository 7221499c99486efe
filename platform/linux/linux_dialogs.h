#pragma once

#include <QPointer>

#include "platform/dialogs.h"

class QDialog;

namespace platform {

// Qt's message boxes, in Russian. Once the program is ending, messages go to standard error.
class LinuxDialogs : public Dialogs {
public:
    Answer message(const QString &text, MessageIcon icon, MessageButtons buttons) override;
    std::optional<QString> input_box(const QString &caption, const QString &prompt, const QString &value) override;
    std::optional<QString> open_file(const QString &caption, const QString &filter) override;
    // Also closes a box that is open now; its answer then counts as none.
    void stop_asking() override;

private:
    int run(QDialog &dialog);

    bool stopped_ = false;
    QPointer<QDialog> open_;
};

} // namespace platform
