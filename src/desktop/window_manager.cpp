#include "desktop/window_manager.h"

#include "desktop/x11_connection.h"

namespace kelo::desktop {

bool bareXServer() {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr) {
        return false;
    }
    constexpr char name[] = "_NET_SUPPORTING_WM_CHECK";
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return true;  // nobody ever announced a window manager on this server
    }
    const XcbReply<xcb_get_property_reply_t> property(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr));
    return !property || xcb_get_property_value_length(property.get()) == 0;
}

}  // namespace kelo::desktop
