#include "platform/gui/x11windows.h"

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
    xcb_atom_t clientList, netWmName, utf8;
};

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
    // No window manager list: the root's children that are on screen.
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
            out.append(children[i]);
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
                      atom(c, "UTF8_STRING", false)};
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

} // namespace x11
