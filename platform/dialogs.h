#pragma once

#include <optional>

#include <QString>

namespace platform {

enum class MessageIcon { None, Error, Information, Confirmation };
enum class MessageButtons { Ok, Yes, YesNo };
// None: the box was closed without an answer (a stop signal, the end of the session).
enum class Answer { None, Ok, Yes, No };

// Every message box, input box and file dialog of the program goes through here.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString &text, MessageIcon icon, MessageButtons buttons) = 0;
    // Nothing when the user cancels.
    virtual std::optional<QString> input_box(const QString &caption, const QString &prompt,
                                             const QString &value) = 0;
    virtual std::optional<QString> open_file(const QString &caption, const QString &filter) = 0;
    // From now on no new box may appear: the program is ending. Messages go to standard error.
    virtual void stop_asking() = 0;
};

} // namespace platform
