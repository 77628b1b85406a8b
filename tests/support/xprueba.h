#pragma once
// A private X server for the tests and bare windows on it, made straight
// through xcb so that their title, class and mapping are exactly as wanted.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <xcb/xcb.h>
#include <cstdlib>
#include <cstring>

class XvfbPrueba {
public:
    // Starts Xvfb on a display number of its own choosing (-displayfd); -noreset
    // keeps it from resetting whenever its last client leaves between two runs.
    bool iniciar()
    {
        m_x.setProgram(QStringLiteral("Xvfb"));
        m_x.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                          QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp")});
        m_x.setProcessChannelMode(QProcess::SeparateChannels);
        m_x.start();
        if (!m_x.waitForStarted(10000))
            return false;
        QByteArray salida;
        while (!salida.contains('\n')) {
            if (!m_x.waitForReadyRead(15000))
                return false;
            salida += m_x.readAllStandardOutput();
        }
        m_display = QStringLiteral(":") + QString::fromLatin1(salida.trimmed());
        return true;
    }
    ~XvfbPrueba()
    {
        if (m_x.state() != QProcess::NotRunning) {
            m_x.terminate();
            if (!m_x.waitForFinished(5000))
                m_x.kill();
            m_x.waitForFinished(2000);
        }
    }
    QString display() const { return m_display; }

private:
    QProcess m_x;
    QString m_display;
};

class VentanaX {
public:
    VentanaX(const QString &display, const QByteArray &titulo, bool mapear,
             const QByteArray &claseWm = QByteArray())
    {
        m_c = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(m_c))
            return;
        xcb_screen_t *s = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        m_w = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_w, s->root, 10, 10, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, s->root_visual, 0, nullptr);
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                            titulo.size(), titulo.constData());
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_w, atomo("_NET_WM_NAME"), atomo("UTF8_STRING"), 8,
                            titulo.size(), titulo.constData());
        if (!claseWm.isEmpty())
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                                claseWm.size(), claseWm.constData());
        if (mapear)
            xcb_map_window(m_c, m_w);
        xcb_aux_sync();
    }
    ~VentanaX()
    {
        if (m_c) {
            if (m_w)
                xcb_destroy_window(m_c, m_w);
            xcb_flush(m_c);
            xcb_disconnect(m_c);
        }
    }
    bool valida() const { return m_c && !xcb_connection_has_error(m_c) && m_w; }
    void desmapear()
    {
        xcb_unmap_window(m_c, m_w);
        xcb_aux_sync();
    }
    xcb_atom_t atomo(const char *nombre)
    {
        auto r = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(nombre)), nombre), nullptr);
        const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
        std::free(r);
        return a;
    }
    // True once a WM_DELETE_WINDOW request has arrived (it stays true).
    bool pidieronCerrar()
    {
        if (m_cerrar)
            return true;
        const xcb_atom_t borrar = atomo("WM_DELETE_WINDOW");
        while (xcb_generic_event_t *e = xcb_poll_for_event(m_c)) {
            bool es = false;
            if ((e->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                auto *cm = reinterpret_cast<xcb_client_message_event_t *>(e);
                es = cm->window == m_w && cm->data.data32[0] == borrar;
            }
            std::free(e);
            if (es)
                return m_cerrar = true;
        }
        return false;
    }

private:
    // A round trip, so that the server has the window before anyone looks.
    void xcb_aux_sync()
    {
        std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
    }
    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_w = 0;
    bool m_cerrar = false;
};
