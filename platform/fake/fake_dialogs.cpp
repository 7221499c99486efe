#include "fake_dialogs.h"

namespace platform {
namespace {

std::optional<QString> take_front(std::deque<std::optional<QString>> &queue)
{
    if (queue.empty())
        return std::nullopt;
    const bool has_value = queue.front().has_value();
    const QString value = queue.front().value_or(QString());
    queue.pop_front();
    if (!has_value)
        return std::nullopt;
    return value;
}

} // namespace

Answer FakeDialogs::message(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    if (stopped) {
        messages_after_stop.push_back(text);
        return Answer::None;
    }
    const ShownMessage shown{text, icon, buttons};
    messages.push_back(shown);
    if (on_message)
        return on_message(shown);
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (buttons) {
    case MessageButtons::Ok: return Answer::Ok;
    case MessageButtons::Yes: return Answer::Yes;
    case MessageButtons::YesNo: return Answer::No;
    }
    return Answer::None;
}

std::optional<QString> FakeDialogs::input_box(const QString &caption, const QString &prompt, const QString &value)
{
    if (stopped)
        return std::nullopt;
    input_boxes.push_back({caption, prompt, value});
    return take_front(inputs);
}

std::optional<QString> FakeDialogs::open_file(const QString &, const QString &)
{
    if (stopped)
        return std::nullopt;
    return take_front(files);
}

} // namespace platform
