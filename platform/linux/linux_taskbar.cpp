#include "linux_taskbar.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

namespace platform {
namespace {

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

} // namespace

bool LinuxTaskbar::set_entry_shown(QWidget &window, bool shown)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return false;
    xcb_connection_t *c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t skip = atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return false;

    // The property is what a window manager reads when the window is mapped next; Qt keeps the
    // states it does not manage itself.
    std::vector<xcb_atom_t> states;
    const xcb_get_property_cookie_t cookie = xcb_get_property(c, 0, id, state, XCB_ATOM_ATOM, 0, 1024);
    if (xcb_get_property_reply_t *reply = xcb_get_property_reply(c, cookie, nullptr)) {
        if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
            states.assign(values, values + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
    }
    std::erase(states, skip);
    if (!shown)
        states.push_back(skip);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(states.size()), states.data());

    // A mapped window's state belongs to the window manager: ask it.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = state;
    message.data.data32[0] = shown ? 0 : 1; // remove, add
    message.data.data32[1] = skip;
    message.data.data32[3] = 1; // from an application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(c);
    return true;
}

} // namespace platform
