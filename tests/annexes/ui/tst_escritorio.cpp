// The windows on a desktop with a real window manager (openbox on a private
// Xvfb): what the window manager lets the user do with the main window, a
// calculator and a message box, and a calculator minimised through the
// window manager, which must not leave the declaration window without answer.
#include "annexes/ui/frmanexo131.h"
#include "annexes/ui/registroanexos.h"
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/frm381.h"
#include "platform/gui/msgboxwidget.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include "shell/ui/aperturas.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/registroventanas.h"
#include "../../declaration/persistencia/comunpersist.h"
#include "../../support/xprueba.h"
#include "../comunanexos.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <functional>
#include <xcb/xtest.h>

using namespace comunanexos;

namespace {

// The test's own connection to the display, to see the windows as the window
// manager leaves them and to ask it what a user would.
class Escritorio {
public:
    explicit Escritorio(const QString &display)
    {
        m_c = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (!xcb_connection_has_error(m_c))
            m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    }
    ~Escritorio() { xcb_disconnect(m_c); }

    xcb_atom_t atomo(const char *nombre)
    {
        auto r = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(nombre)), nombre), nullptr);
        const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
        std::free(r);
        return a;
    }
    QString nombreAtomo(xcb_atom_t a)
    {
        auto r = xcb_get_atom_name_reply(m_c, xcb_get_atom_name(m_c, a), nullptr);
        QString n;
        if (r)
            n = QString::fromLatin1(xcb_get_atom_name_name(r), xcb_get_atom_name_name_length(r));
        std::free(r);
        return n;
    }
    QList<uint32_t> propiedad(xcb_window_t w, const char *nombre)
    {
        QList<uint32_t> l;
        auto r = xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, w, atomo(nombre), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
        if (r && r->format == 32) {
            const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(r));
            for (int i = 0; i < xcb_get_property_value_length(r) / 4; ++i)
                l << v[i];
        }
        std::free(r);
        return l;
    }
    // The window manager's check window, once it runs.
    xcb_window_t gestor()
    {
        const QList<uint32_t> v = propiedad(m_root, "_NET_SUPPORTING_WM_CHECK");
        return v.isEmpty() ? 0 : v.first();
    }
    void nombrarGestor(const QByteArray &nombre)
    {
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, gestor(), atomo("_NET_WM_NAME"), atomo("UTF8_STRING"), 8,
                            nombre.size(), nombre.constData());
        sincronizar();
    }
    // What the window manager lets the user do, once it manages the window.
    QStringList acciones(xcb_window_t w)
    {
        QStringList l;
        for (uint32_t a : propiedad(w, "_NET_WM_ALLOWED_ACTIONS"))
            l << nombreAtomo(a);
        return l;
    }
    // WM_STATE: 1 normal, 3 iconic; 0 while the window manager has not set it.
    uint32_t estado(xcb_window_t w)
    {
        const QList<uint32_t> v = propiedad(w, "WM_STATE");
        return v.isEmpty() ? 0 : v.first();
    }
    // As a window manager's key or a task bar asks it (ICCCM's WM_CHANGE_STATE).
    void minimizar(xcb_window_t w) { mensaje(w, "WM_CHANGE_STATE", {3, 0, 0}); }
    // A click of the first button at that point of the screen, as the mouse gives it.
    void clic(const QPoint &p)
    {
        xcb_test_fake_input(m_c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, int16_t(p.x()), int16_t(p.y()), 0);
        xcb_test_fake_input(m_c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(m_c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        sincronizar();
    }
    // Whether the window manager stacks a above b (both managed).
    bool encima(xcb_window_t a, xcb_window_t b)
    {
        const QList<uint32_t> l = propiedad(m_root, "_NET_CLIENT_LIST_STACKING");
        return l.indexOf(a) > l.indexOf(b) && l.indexOf(b) >= 0;
    }
    // As its task-bar button asks it (source 2, the user).
    void activar(xcb_window_t w) { mensaje(w, "_NET_ACTIVE_WINDOW", {2, XCB_CURRENT_TIME, 0}); }

private:
    void mensaje(xcb_window_t w, const char *tipo, std::initializer_list<uint32_t> datos)
    {
        xcb_client_message_event_t e{};
        e.response_type = XCB_CLIENT_MESSAGE;
        e.format = 32;
        e.window = w;
        e.type = atomo(tipo);
        int i = 0;
        for (uint32_t d : datos)
            e.data.data32[i++] = d;
        xcb_send_event(m_c, 0, m_root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&e));
        sincronizar();
    }
    void sincronizar() { std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr)); }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0;
};

XvfbPrueba *g_x = nullptr;

bool esperar(const std::function<bool()> &condicion, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!condicion()) {
        if (t.elapsed() > ms)
            return false;
        QTest::qWait(50);
    }
    return true;
}

const QStringList kProhibidas{QStringLiteral("_NET_WM_ACTION_MINIMIZE"), QStringLiteral("_NET_WM_ACTION_MAXIMIZE_HORZ"),
                              QStringLiteral("_NET_WM_ACTION_MAXIMIZE_VERT")};

} // namespace

class TstEscritorio : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    std::shared_ptr<Database> m_db;
    std::unique_ptr<Escritorio> m_e;

    // The main window, and the declaration window opened over it modally.
    std::unique_ptr<MDIFrm> m_principal;
    std::unique_ptr<Frm381> m_declaracion;

    // The program opens it as a child of the main window (hija).
    void abrirDeclaracion(bool hija = false)
    {
        m_principal = std::make_unique<MDIFrm>();
        m_principal->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_principal.get()));
        m_declaracion = std::make_unique<Frm381>(hija ? m_principal.get() : nullptr);
        gfrmDeclaracion = m_declaracion.get();
        m_declaracion->modelo()->setCampo(Campos::OptIEAN, "0");
        m_declaracion->modelo()->setCampo(Campos::OptAnexo, "");
        m_declaracion->setWindowModality(Qt::ApplicationModal);
        m_declaracion->show();
        QVERIFY(QTest::qWaitForWindowActive(m_declaracion.get()));
    }

    // Runs f while box 131's calculator is open over the declaration window,
    // opened as the box opens it; the calculator is closed after f.
    void conCalculadora(const std::function<void(FrmAnexo &)> &f)
    {
        bool abierta = false;
        QTimer::singleShot(0, qApp, [&] {
            QPointer<FrmAnexo> w = qobject_cast<FrmAnexo *>(QApplication::activeModalWidget());
            abierta = w;
            if (!w)
                return;
            f(*w);
            if (w && w->isVisible())
                w->done(QDialog::Rejected);
        });
        pAbrirAnexo(kRuc, 1, QStringLiteral("frmanexo131"), QString(), QString());
        QVERIFY(abierta);
    }

private slots:
    void initTestCase()
    {
        m_e = std::make_unique<Escritorio>(g_x->display());
        QVERIFY2(esperar([this] { return m_e->gestor() != 0; }), "openbox did not start");
        registro::limpiar();
        pRegistrarAnexos();
        msg::installWidgetHandler();
    }

    void init()
    {
        QVERIFY(comunpersist::iniciar(m_env, m_db));
        QCOMPARE(cargarFac(*m_db), 22);
        m_e->nombrarGestor("Openbox");
    }

    void cleanup()
    {
        gfrmDeclaracion = nullptr;
        m_declaracion.reset();
        m_principal.reset();
        comunpersist::terminar(m_env, m_db);
        m_e->nombrarGestor("Openbox");
    }

    // Neither the main window nor a modal window can be minimised or
    // maximised; each can still be moved and closed.
    void accionesPermitidas_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::newRow("ventana principal") << "principal";
        QTest::newRow("calculadora de la casilla 131") << "calculadora";
        QTest::newRow("mensaje") << "mensaje";
    }
    void accionesPermitidas()
    {
        QFETCH(QString, ventana);
        QStringList acciones;
        const auto leer = [&](QWidget *w) {
            QVERIFY(esperar([&] { return !m_e->acciones(w->winId()).isEmpty(); }));
            acciones = m_e->acciones(w->winId());
        };
        if (ventana == "principal") {
            m_principal = std::make_unique<MDIFrm>();
            m_principal->show();
            leer(m_principal.get());
        } else if (ventana == "calculadora") {
            abrirDeclaracion();
            conCalculadora([&](FrmAnexo &c) { leer(&c); });
        } else {
            m_principal = std::make_unique<MDIFrm>();
            m_principal->show();
            QVERIFY(QTest::qWaitForWindowActive(m_principal.get()));
            QTimer::singleShot(0, qApp, [&] {
                QWidget *caja = QApplication::activeModalWidget();
                QVERIFY(caja);
                leer(caja);
                QTest::keyClick(caja, Qt::Key_Return);
            });
            msg::MsgBox(QStringLiteral("Prueba"), 64, QStringLiteral("Mensaje"));
        }
        QVERIFY2(acciones.contains(QStringLiteral("_NET_WM_ACTION_CLOSE")), qPrintable(acciones.join(' ')));
        QVERIFY2(acciones.contains(QStringLiteral("_NET_WM_ACTION_MOVE")), qPrintable(acciones.join(' ')));
        for (const QString &a : kProhibidas)
            QVERIFY2(!acciones.contains(a), qPrintable(acciones.join(' ')));
    }

    // The calculator opens in front of the declaration window, as its
    // transient, however the declaration window was opened; a click on what
    // shows of the declaration window leaves it in front and active. Opened
    // behind, nothing on screen would answer the user.
    void calculadoraDelante_data()
    {
        QTest::addColumn<bool>("hija");
        QTest::newRow("declaración hija de la ventana principal") << true;
        QTest::newRow("declaración sin padre") << false;
    }
    void calculadoraDelante()
    {
        QFETCH(bool, hija);
        abrirDeclaracion(hija);
        // Where some of it shows beside the calculator (moved below).
        m_declaracion->move(0, 0);
        QVERIFY(esperar([&] { return m_declaracion->frameGeometry().topLeft() == QPoint(0, 0); }));
        conCalculadora([&](FrmAnexo &c) {
            QVERIFY(QTest::qWaitForWindowActive(&c));
            const xcb_window_t calculadora = c.winId(), declaracion = m_declaracion->winId();
            QVERIFY(esperar([&] { return m_e->estado(calculadora) == 1; }));
            QCOMPARE(m_e->propiedad(calculadora, "WM_TRANSIENT_FOR").value(0), uint32_t(declaracion));
            QVERIFY2(esperar([&] { return m_e->encima(calculadora, declaracion); }), "the calculator is behind");
            c.move(240, 120);
            QVERIFY(esperar([&] { return c.frameGeometry().topLeft() == QPoint(240, 120); }));
            const QRect d = m_declaracion->geometry();
            m_e->clic(QPoint((d.left() + 240) / 2, d.center().y()));
            QTest::qWait(300);
            QVERIFY2(esperar([&] { return m_e->encima(calculadora, declaracion) && c.isActiveWindow(); }),
                     "the calculator went behind");
        });
    }

    // The calculator minimised through the window manager: once the user
    // clicks the declaration window under it, or activates it from a task
    // bar, the calculator is on screen again, in front, and takes keys.
    // Under openbox, and under a window manager that minimises every window
    // it is asked to (openbox under another name: nothing tells it apart);
    // that one minimises the calculator's owners with it, as it is their
    // transient, so that only a task bar is left to bring them back.
    void calculadoraMinimizada_data()
    {
        QTest::addColumn<QByteArray>("gestor");
        QTest::addColumn<bool>("comoClic");
        QTest::newRow("openbox, clic") << QByteArray("Openbox") << true;
        QTest::newRow("openbox, barra de tareas") << QByteArray("Openbox") << false;
        QTest::newRow("otro gestor, barra de tareas") << QByteArray("Otro gestor") << false;
    }
    void calculadoraMinimizada()
    {
        QFETCH(QByteArray, gestor);
        QFETCH(bool, comoClic);
        m_e->nombrarGestor(gestor);
        abrirDeclaracion();
        conCalculadora([&](FrmAnexo &c) {
            QVERIFY(QTest::qWaitForWindowActive(&c));
            const xcb_window_t calculadora = c.winId();
            QVERIFY(esperar([&] { return m_e->estado(calculadora) == 1; }));
            m_e->minimizar(calculadora);
            // Openbox minimises the calculator, unless it may not.
            esperar([&] { return m_e->estado(calculadora) == 3; }, 2000);
            if (comoClic)
                m_e->clic(m_declaracion->mapToGlobal(m_declaracion->rect().center()));
            else
                m_e->activar(m_declaracion->winId());
            QVERIFY2(esperar([&] {
                         return m_e->estado(calculadora) == 1 && c.isActiveWindow()
                             && !(c.windowState() & Qt::WindowMinimized);
                     }),
                     qPrintable(QStringLiteral("WM_STATE %1, Qt's state %2")
                                    .arg(m_e->estado(calculadora))
                                    .arg(int(c.windowState()))));
            QCOMPARE(QApplication::activeModalWidget(), &c);
        });
    }
};

// openbox on a private Xvfb, with a home of its own (no user's settings).
int main(int argc, char **argv)
{
    XvfbPrueba x;
    if (!x.iniciar()) {
        std::fprintf(stderr, "Xvfb could not be started\n");
        return 1;
    }
    g_x = &x;
    QTemporaryDir casa;
    QProcess openbox;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("DISPLAY"), x.display());
    e.insert(QStringLiteral("HOME"), casa.path());
    e.insert(QStringLiteral("XDG_CONFIG_HOME"), casa.filePath(QStringLiteral("config")));
    e.insert(QStringLiteral("XDG_CACHE_HOME"), casa.filePath(QStringLiteral("cache")));
    openbox.setProcessEnvironment(e);
    openbox.start(QStringLiteral("openbox"), {});
    if (!openbox.waitForStarted(10000)) {
        std::fprintf(stderr, "openbox could not be started (tools/deps.sh installs it)\n");
        return 1;
    }
    qputenv("DISPLAY", x.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int estado = 0;
    {
        QApplication app(argc, argv);
        TstEscritorio t;
        estado = QTest::qExec(&t, argc, argv);
    }
    openbox.terminate();
    if (!openbox.waitForFinished(5000))
        openbox.kill();
    openbox.waitForFinished(2000);
    return estado;
}

#include "tst_escritorio.moc"
