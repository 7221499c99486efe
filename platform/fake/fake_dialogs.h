#pragma once

#include <array>
#include <deque>
#include <functional>
#include <vector>

#include "platform/dialogs.h"

namespace platform {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

// Answers from a script and keeps every message shown.
class FakeDialogs : public Dialogs {
public:
    std::vector<ShownMessage> messages;         // every box that was shown
    std::vector<QString> messages_after_stop;   // what went to standard error instead
    std::deque<Answer> answers;                 // next answers; when empty: Ok, Yes, or No for Yes/No
    std::function<Answer(const ShownMessage &)> on_message; // runs while the "box" is open
    std::deque<std::optional<QString>> inputs;  // next input-box results; empty: cancelled
    std::vector<std::array<QString, 3>> input_boxes; // caption, prompt and starting value of each
    std::deque<std::optional<QString>> files;   // next file-dialog results; empty: cancelled
    bool stopped = false;

    Answer message(const QString &text, MessageIcon icon, MessageButtons buttons) override;
    std::optional<QString> input_box(const QString &caption, const QString &prompt, const QString &value) override;
    std::optional<QString> open_file(const QString &caption, const QString &filter) override;
    void stop_asking() override { stopped = true; }
};

} // namespace platform
