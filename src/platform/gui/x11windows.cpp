#include "platform/gui/x11windows.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace x11 {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> own(T *p)
{
    return Reply<T>(p, &std::free);
}

xcb_atom_t atom(xcb_connection_t *c, const char *name, bool onlyIfExists)
{
    auto r = own(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, onlyIfExists, uint16_t(strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

struct Atoms {
    xcb_atom_t clientList, netWmName, utf8, wmState = XCB_ATOM_NONE;
};

bool hasProperty(xcb_connection_t *c, xcb_window_t w, xcb_atom_t property)
{
    if (property == XCB_ATOM_NONE)
        return false;
    auto r = own(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0), nullptr));
    return r && r->type != XCB_ATOM_NONE;
}

// The client window a top-level stands for: itself, unless it lacks the
// WM_STATE that a window manager puts on the clients it manages and holds
// one that has it (a frame of a window manager that keeps no client list,
// as Wayland compositors' X servers). Looked for a few levels down.
xcb_window_t clientIn(xcb_connection_t *c, const Atoms &a, xcb_window_t top)
{
    if (a.wmState == XCB_ATOM_NONE || hasProperty(c, top, a.wmState))
        return top;
    QList<xcb_window_t> level{top};
    for (int depth = 0; depth < 3 && !level.isEmpty(); ++depth) {
        QList<xcb_window_t> next;
        for (xcb_window_t w : level) {
            auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
            if (!tree)
                continue;
            const xcb_window_t *children = xcb_query_tree_children(tree.get());
            for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
                if (hasProperty(c, children[i], a.wmState))
                    return children[i];
                next.append(children[i]);
            }
        }
        level = next;
    }
    return top;
}

// The title a window manager would show: _NET_WM_NAME, else WM_NAME.
// Returns false when the window has neither.
bool titleOf(xcb_connection_t *c, const Atoms &a, xcb_window_t w, QString *title)
{
    if (a.netWmName != XCB_ATOM_NONE) {
        auto r = own(xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, a.netWmName, a.utf8, 0, 4096), nullptr));
        if (r && r->type == a.utf8 && r->format == 8) {
            *title = QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(r.get())),
                                       xcb_get_property_value_length(r.get()));
            return true;
        }
    }
    auto r = own(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096), nullptr));
    if (!r || r->type == XCB_ATOM_NONE || r->format != 8)
        return false;
    const char *data = static_cast<const char *>(xcb_get_property_value(r.get()));
    const int len = xcb_get_property_value_length(r.get());
    *title = r->type == a.utf8 ? QString::fromUtf8(data, len) : QString::fromLatin1(data, len);
    return true;
}

QList<xcb_window_t> topLevels(xcb_connection_t *c, const Atoms &a, xcb_window_t root)
{
    QList<xcb_window_t> out;
    if (a.clientList != XCB_ATOM_NONE) {
        auto r = own(xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, a.clientList, XCB_ATOM_WINDOW, 0, 65536), nullptr));
        if (r && r->type == XCB_ATOM_WINDOW && r->format == 32) {
            const auto *ws = static_cast<const xcb_window_t *>(xcb_get_property_value(r.get()));
            const int n = xcb_get_property_value_length(r.get()) / 4;
            for (int i = 0; i < n; ++i)
                out.append(ws[i]);
            return out;
        }
    }
    // No window manager list: the root's children that are on screen; a
    // window manager's frame among them stands for the client inside it.
    auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
    if (!tree)
        return out;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    const int n = xcb_query_tree_children_length(tree.get());
    QList<xcb_get_window_attributes_cookie_t> cookies;
    for (int i = 0; i < n; ++i)
        cookies.append(xcb_get_window_attributes(c, children[i]));
    for (int i = 0; i < n; ++i) {
        auto attr = own(xcb_get_window_attributes_reply(c, cookies[i], nullptr));
        if (attr && attr->map_state == XCB_MAP_STATE_VIEWABLE)
            out.append(clientIn(c, a, children[i]));
    }
    return out;
}

} // namespace

QStringList visibleTopLevelTitles()
{
    QStringList titles;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return titles;
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return titles;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (it.rem) {
        const Atoms a{atom(c, "_NET_CLIENT_LIST", true), atom(c, "_NET_WM_NAME", true),
                      atom(c, "UTF8_STRING", false), atom(c, "WM_STATE", true)};
        for (xcb_window_t w : topLevels(c, a, it.data->root)) {
            QString t;
            if (titleOf(c, a, w, &t) && !t.isEmpty())
                titles.append(t);
        }
    }
    xcb_disconnect(c);
    return titles;
}

bool hasVisibleTopLevel(const QString &exactTitle)
{
    return visibleTopLevelTitles().contains(exactTitle);
}

namespace {
xcb_connection_t *appConnection()
{
    auto *x = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x ? x->connection() : nullptr;
}

xcb_window_t windowProperty(xcb_connection_t *c, xcb_window_t w, xcb_atom_t property)
{
    auto r = own(xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!r || r->type != XCB_ATOM_WINDOW || r->format != 32 || xcb_get_property_value_length(r.get()) < 4)
        return xcb_window_t(XCB_NONE);
    return *static_cast<const xcb_window_t *>(xcb_get_property_value(r.get()));
}
} // namespace

bool isX11()
{
    return appConnection() != nullptr;
}

QString windowManagerName()
{
    xcb_connection_t *c = appConnection();
    if (!c)
        return QString();
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK", true);
    if (check == XCB_ATOM_NONE)
        return QString();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_window_t wm = windowProperty(c, root, check);
    // A window manager that ended leaves its property behind: the window it
    // names must name itself.
    if (wm == xcb_window_t(XCB_NONE) || windowProperty(c, wm, check) != wm)
        return QString();
    const Atoms a{XCB_ATOM_NONE, atom(c, "_NET_WM_NAME", true), atom(c, "UTF8_STRING", false)};
    QString name;
    titleOf(c, a, wm, &name);
    return name;
}

bool isButtonPress(const void *xcbEvent)
{
    const auto *e = static_cast<const xcb_generic_event_t *>(xcbEvent);
    const uint8_t type = e->response_type & 0x7f;
    if (type == XCB_BUTTON_PRESS)
        return true;
    if (type != XCB_GE_GENERIC)
        return false;
    // XInput 2's button press (XI_ButtonPress, 4) under its extension's opcode.
    static const uint8_t xinput = [] {
        xcb_connection_t *c = appConnection();
        if (!c)
            return uint8_t(0);
        const char name[] = "XInputExtension";
        auto r = own(xcb_query_extension_reply(c, xcb_query_extension(c, sizeof name - 1, name), nullptr));
        return r && r->present ? r->major_opcode : uint8_t(0);
    }();
    const auto *g = static_cast<const xcb_ge_generic_event_t *>(xcbEvent);
    return xinput != 0 && g->extension == xinput && g->event_type == 4;
}

void setWindowType(unsigned long window, const char *type)
{
    xcb_connection_t *c = appConnection();
    if (!c)
        return;
    const xcb_atom_t t = atom(c, type, false);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, xcb_window_t(window), atom(c, "_NET_WM_WINDOW_TYPE", false),
                        XCB_ATOM_ATOM, 32, 1, &t);
    xcb_flush(c);
}

} // namespace x11
