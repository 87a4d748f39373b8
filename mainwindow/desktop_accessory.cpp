// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/desktop_accessory.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
using PropertyReply = std::unique_ptr<xcb_get_property_reply_t, FreeReply>;

PropertyReply property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, window, name, type, 0, 256);
    return PropertyReply(xcb_get_property_reply(connection, cookie, nullptr));
}

// Qt's xcb plugin reads this dynamic property of a QWindow each time it
// writes the window's _NET_WM_WINDOW_TYPE, and puts the types it names
// before the one the window flags give. The value is Qt's bit for a toolbar.
constexpr char kQtWindowTypeProperty[] = "_q_xcb_wm_window_type";
constexpr int kQtToolbarType = 0x08;

} // namespace

void keepOutOfTaskbarAndPager(QWidget &window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const auto id = xcb_window_t(window.winId());
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> skip = {internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                            internAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (state == XCB_ATOM_NONE || skip[0] == XCB_ATOM_NONE || skip[1] == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, uint32_t(skip.size()),
                        skip.data());
    xcb_flush(connection);
}

void setStaysOnTop(QWidget &window, bool onTop)
{
    const Qt::WindowFlags flags = window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags == window.windowFlags())
        return;
    window.overrideWindowFlags(flags);
    if (QWindow *native = window.windowHandle())
        native->setFlags(flags);
}

QPoint topLeftOnScreen(const QWidget &window)
{
    const QPoint known = window.mapToGlobal(QPoint(0, 0));
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window.windowHandle())
        return known;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_translate_coordinates_cookie_t cookie =
        xcb_translate_coordinates(connection, xcb_window_t(window.winId()), screen->root, 0, 0);
    xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(connection, cookie, nullptr);
    if (!reply)
        return known;
    const QPoint device(reply->dst_x, reply->dst_y);
    std::free(reply);
    // Device pixels to Qt's: each screen keeps its corner and scales from it.
    for (const QScreen *each : QGuiApplication::screens()) {
        const QRect logical = each->geometry();
        const qreal ratio = each->devicePixelRatio();
        const QRect native(logical.topLeft(), logical.size() * ratio);
        if (native.contains(device))
            return logical.topLeft() + ((device - logical.topLeft()) / ratio);
    }
    return known;
}

void bringForward(QWidget &window, const QByteArray &token)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window.windowHandle()) {
        // Qt's xdg-activation reads the token here, once, and unsets it.
        if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            qputenv("XDG_ACTIVATION_TOKEN", token);
        window.activateWindow();
        return;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t active = internAtom(connection, "_NET_ACTIVE_WINDOW");
    if (!screen || active == XCB_ATOM_NONE) {
        window.activateWindow();
        return;
    }
    constexpr uint32_t kFromPager = 2;
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window.winId());
    event.type = active;
    event.data.data32[0] = kFromPager;
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

QString windowManagerName()
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return {};
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t check = internAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    const xcb_atom_t name = internAtom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");
    if (!screen || check == XCB_ATOM_NONE || name == XCB_ATOM_NONE || utf8 == XCB_ATOM_NONE)
        return {};
    const PropertyReply supporting = property(connection, screen->root, check, XCB_ATOM_WINDOW);
    if (!supporting || supporting->format != 32 || xcb_get_property_value_length(supporting.get()) < 4)
        return {};
    xcb_window_t wm = XCB_WINDOW_NONE;
    std::memcpy(&wm, xcb_get_property_value(supporting.get()), sizeof wm);
    const PropertyReply text = property(connection, wm, name, utf8);
    if (!text || text->format != 8)
        return {};
    return QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(text.get())),
                             xcb_get_property_value_length(text.get()));
}

void withoutMinimiseUnderOpenbox(QWidget &dialog)
{
    if (windowManagerName() != QLatin1String("Openbox"))
        return;
    QWindow *native = dialog.windowHandle();
    if (!native || native->property(kQtWindowTypeProperty).isValid())
        return;
    native->setProperty(kQtWindowTypeProperty, kQtToolbarType);
    // Qt writes the type only when the flags change; before the window is
    // mapped, a passing change costs nothing.
    const Qt::WindowFlags flags = native->flags();
    native->setFlags(flags ^ Qt::WindowContextHelpButtonHint);
    native->setFlags(flags);
}
