#include "shell/ui/cwindows.h"
#include "platform/gui/x11windows.h"

#include <xcb/xcb.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Conexion {
    xcb_connection_t *c = nullptr;
    xcb_window_t raiz = 0;
    Conexion()
    {
        const char *display = std::getenv("DISPLAY");
        if (!display || !*display)
            return;
        int pantalla = 0;
        c = xcb_connect(nullptr, &pantalla);
        if (xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            c = nullptr;
            return;
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < pantalla && it.rem; ++i)
            xcb_screen_next(&it);
        if (it.rem)
            raiz = it.data->root;
    }
    ~Conexion()
    {
        if (c)
            xcb_disconnect(c);
    }
    explicit operator bool() const { return c && raiz; }

    xcb_atom_t atomo(const char *nombre) const
    {
        auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(nombre)), nombre);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> r(
            xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
        return r ? r->atom : XCB_ATOM_NONE;
    }

    QByteArray propiedad(xcb_window_t w, xcb_atom_t prop, xcb_atom_t tipo) const
    {
        auto cookie = xcb_get_property(c, 0, w, prop, tipo, 0, 4096);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> r(
            xcb_get_property_reply(c, cookie, nullptr), &std::free);
        if (!r || r->type == XCB_ATOM_NONE)
            return QByteArray();
        return QByteArray(static_cast<const char *>(xcb_get_property_value(r.get())),
                          xcb_get_property_value_length(r.get()));
    }

    // The text of one window: _NET_WM_NAME, else WM_NAME.
    QString fTextoVentana(xcb_window_t w) const
    {
        const QByteArray net = propiedad(w, atomo("_NET_WM_NAME"), atomo("UTF8_STRING"));
        if (!net.isEmpty())
            return QString::fromUtf8(net);
        return QString::fromLatin1(propiedad(w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING));
    }

    // Top-level windows: the window manager's client list, else the root's children.
    std::vector<xcb_window_t> ventanas() const
    {
        std::vector<xcb_window_t> lista;
        const QByteArray clientes = propiedad(raiz, atomo("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
        if (!clientes.isEmpty()) {
            const auto *w = reinterpret_cast<const xcb_window_t *>(clientes.constData());
            lista.assign(w, w + clientes.size() / sizeof(xcb_window_t));
            return lista;
        }
        auto cookie = xcb_query_tree(c, raiz);
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> r(
            xcb_query_tree_reply(c, cookie, nullptr), &std::free);
        if (r) {
            const xcb_window_t *hijos = xcb_query_tree_children(r.get());
            lista.assign(hijos, hijos + xcb_query_tree_children_length(r.get()));
        }
        return lista;
    }

    // WM_CLASS holds "instance\0class\0": the class is the second part.
    QString clase(xcb_window_t w) const
    {
        const QList<QByteArray> partes = propiedad(w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING).split('\0');
        return partes.size() > 1 ? QString::fromLatin1(partes.at(1)) : QString();
    }

    xcb_window_t buscar(const QString &titulo, const QString &claseBuscada) const
    {
        for (xcb_window_t w : ventanas()) {
            if (fTextoVentana(w) != titulo)
                continue;
            if (!claseBuscada.isEmpty() && clase(w) != claseBuscada)
                continue;
            return w;
        }
        return 0;
    }
};

}

bool cWindows::CorreApp(const QString &sApp) const
{
    return x11::hasVisibleTopLevel(sApp);
}

QString cWindows::ClassName(const QString &Title) const
{
    Conexion x;
    if (!x)
        return QString();
    const xcb_window_t w = x.buscar(Title, QString());
    return w ? x.clase(w) : QString();
}

void cWindows::CloseApp(const QString &Titulo, const QString &ClassName) const
{
    if (Titulo == QLatin1String("Progman"))
        return;
    Conexion x;
    if (!x)
        return;
    const xcb_window_t w = x.buscar(Titulo, ClassName);
    if (!w)
        return;
    // The polite close a window manager would send: WM_DELETE_WINDOW.
    xcb_client_message_event_t ev;
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = w;
    ev.type = x.atomo("WM_PROTOCOLS");
    ev.data.data32[0] = x.atomo("WM_DELETE_WINDOW");
    ev.data.data32[1] = XCB_CURRENT_TIME;
    // Checked, so that the request has reached the server before we disconnect.
    const xcb_void_cookie_t envio =
        xcb_send_event_checked(x.c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&ev));
    std::free(xcb_request_check(x.c, envio));
}
