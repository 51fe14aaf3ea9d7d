#include "platform/linux/WindowActivation.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <cstring>
#include <memory>

namespace orbilo::platform {
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    return geometry ? geometry->root : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
}

// A window manager that follows the freedesktop hints announces itself on the root window.
bool WindowManagerRuns(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE) return false;
    const auto cookie = xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    return reply && xcb_get_property_value_length(reply.get()) > 0;
}

}  // namespace

void ActivateOnBehalfOfUser(QWindow* window) {
    if (window == nullptr) return;
    window->requestActivate();

    auto* x11 = qGuiApp == nullptr ? nullptr : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = RootOf(connection, id);
    if (root == XCB_WINDOW_NONE) return;

    if (WindowManagerRuns(connection, root)) {
        // Source 2 ("pager") asks the window manager to honour the request as the user's own:
        // the user did start the program again to get this window.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = Atom(connection, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 2;
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
    } else {
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(connection, id, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
    }
    xcb_flush(connection);
}

}  // namespace orbilo::platform
