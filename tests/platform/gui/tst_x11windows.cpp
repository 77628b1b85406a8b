// Runs against a private Xvfb server started on a display it picks itself.
#include <QtTest>

#include <QProcess>
#include <QStandardPaths>

#include "platform/gui/x11windows.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

class TstX11Windows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void noDisplay();
    void rootChildren();
    void titleSources();
    void clientList();
private:
    xcb_window_t makeWindow(const char *wmName, bool mapped, const QByteArray &netWmName = QByteArray());
    xcb_atom_t atom(const char *name);
    void sync();

    QProcess m_xvfb;
    QByteArray m_display;
    xcb_connection_t *m_c = nullptr;
    xcb_screen_t *m_screen = nullptr;
};

void TstX11Windows::initTestCase()
{
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed");
    // -displayfd: the server takes a free display number and writes it to us.
    m_xvfb.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "320x240x24"});
    QVERIFY(m_xvfb.waitForStarted(10000));
    QByteArray out;
    QElapsedTimer t;
    t.start();
    while (!out.contains('\n') && t.elapsed() < 20000) {
        m_xvfb.waitForReadyRead(500);
        out += m_xvfb.readAllStandardOutput();
        QVERIFY2(m_xvfb.state() == QProcess::Running, m_xvfb.readAllStandardError().constData());
    }
    QVERIFY(out.contains('\n'));
    m_display = ":" + out.trimmed();
    qputenv("DISPLAY", m_display);

    m_c = xcb_connect(m_display.constData(), nullptr);
    QVERIFY(!xcb_connection_has_error(m_c));
    m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
}

void TstX11Windows::cleanupTestCase()
{
    if (m_c)
        xcb_disconnect(m_c);
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(10000)) {
            m_xvfb.kill();
            m_xvfb.waitForFinished(5000);
        }
    }
}

xcb_atom_t TstX11Windows::atom(const char *name)
{
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(
        m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

void TstX11Windows::sync()
{
    // A round trip makes sure the server has done everything asked so far.
    std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
}

xcb_window_t TstX11Windows::makeWindow(const char *wmName, bool mapped, const QByteArray &netWmName)
{
    const xcb_window_t w = xcb_generate_id(m_c);
    xcb_create_window(m_c, XCB_COPY_FROM_PARENT, w, m_screen->root, 0, 0, 20, 20, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, m_screen->root_visual, 0, nullptr);
    if (wmName)
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                            uint32_t(std::strlen(wmName)), wmName);
    if (!netWmName.isNull())
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_NAME"), atom("UTF8_STRING"),
                            8, uint32_t(netWmName.size()), netWmName.constData());
    if (mapped)
        xcb_map_window(m_c, w);
    sync();
    return w;
}

void TstX11Windows::noDisplay()
{
    const QByteArray saved = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    QVERIFY(x11::visibleTopLevelTitles().isEmpty());
    QVERIFY(!x11::hasVisibleTopLevel("Velantis"));
    // A display where no server listens: neither its socket nor its lock file exists.
    int libre = 200;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(libre))
           || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(libre)))
        ++libre;
    qputenv("DISPLAY", ":" + QByteArray::number(libre));
    QVERIFY(x11::visibleTopLevelTitles().isEmpty());
    qputenv("DISPLAY", saved);
}

void TstX11Windows::rootChildren()
{
    const xcb_window_t hidden = makeWindow("Velantis", false);
    makeWindow("velantis", true);
    makeWindow("Velantis ", true);
    QVERIFY(!x11::hasVisibleTopLevel("Velantis"));   // exact title only, and only on screen
    QVERIFY(x11::hasVisibleTopLevel("velantis"));
    QVERIFY(x11::hasVisibleTopLevel("Velantis "));

    xcb_map_window(m_c, hidden);
    sync();
    QVERIFY(x11::hasVisibleTopLevel("Velantis"));
    xcb_unmap_window(m_c, hidden);
    sync();
    QVERIFY(!x11::hasVisibleTopLevel("Velantis"));

    // A mapped child of a window is not a top-level window.
    const xcb_window_t parent = makeWindow("Marco", true);
    const xcb_window_t child = xcb_generate_id(m_c);
    xcb_create_window(m_c, XCB_COPY_FROM_PARENT, child, parent, 0, 0, 5, 5, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, m_screen->root_visual, 0, nullptr);
    const char *name = "Hijo";
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, child, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 4, name);
    xcb_map_window(m_c, child);
    sync();
    QVERIFY(x11::hasVisibleTopLevel("Marco"));
    QVERIFY(!x11::hasVisibleTopLevel("Hijo"));
}

void TstX11Windows::titleSources()
{
    // _NET_WM_NAME wins over WM_NAME, and is read as UTF-8.
    makeWindow("Otro", true, QByteArray("Declaración"));
    QVERIFY(x11::hasVisibleTopLevel(QString::fromUtf8("Declaración")));
    QVERIFY(!x11::hasVisibleTopLevel("Otro"));
    // WM_NAME of type STRING is Latin-1.
    makeWindow("Versi\xF3n", true);
    QVERIFY(x11::hasVisibleTopLevel(QString::fromUtf8("Versión")));
}

void TstX11Windows::clientList()
{
    // With a window manager's list, only the windows it lists count.
    const xcb_window_t listed = makeWindow("Cliente", false);
    makeWindow("Suelto", true);
    const xcb_atom_t clientList = atom("_NET_CLIENT_LIST");
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_screen->root, clientList, XCB_ATOM_WINDOW, 32, 1, &listed);
    sync();
    QCOMPARE(x11::visibleTopLevelTitles(), QStringList{"Cliente"});
    QVERIFY(!x11::hasVisibleTopLevel("Suelto"));

    xcb_delete_property(m_c, m_screen->root, clientList);
    sync();
    QVERIFY(x11::hasVisibleTopLevel("Suelto"));
    QVERIFY(!x11::hasVisibleTopLevel("Cliente"));
}

QTEST_APPLESS_MAIN(TstX11Windows)
#include "tst_x11windows.moc"
