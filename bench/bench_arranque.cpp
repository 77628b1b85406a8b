// Qx381 from exec to its main window mapped against a minimal Qt 6 Widgets
// program (minimoqt: a main window with a menu bar, of the same size), on an
// Xvfb of its own, alternating. The benchmark shows the host's "Velantis"
// window Qx381 needs and gives it a host folder (settings file, database);
// a run ends when the X server reports the program's main window mapped.
//
//   build/bin/bench_arranque [corridas]                 (40 by default)
//   build/bin/bench_arranque --callgrind CARPETA        (one run of each under
//       valgrind --tool=callgrind, ended 3 s after its window was mapped, so
//       that the first paint is counted; the profiles stay in CARPETA)
#include "carpetahost.h"
#include "procesos.h"
#include "../tests/support/xprueba.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

namespace {

using banco::fallo;

const QString kTituloQx381 =
    QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta 3RA. CATEGORIA - 1998 v 2.0");
const QString kTituloMinimo = QStringLiteral("Mínimo Qt");

// Watches the root window for windows being mapped.
class Vigia {
public:
    explicit Vigia(const QString &display)
    {
        m_c = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(m_c))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const uint32_t mascara = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mascara);
        m_netWmName = atomo("_NET_WM_NAME");
        m_utf8 = atomo("UTF8_STRING");
        m_ok = true;
    }
    ~Vigia()
    {
        if (m_c)
            xcb_disconnect(m_c);
    }
    bool valido() const { return m_ok; }

    void descartar()
    {
        while (xcb_generic_event_t *e = xcb_poll_for_event(m_c))
            std::free(e);
    }

    // Waits until a top-level window titled `titulo` is mapped: its time
    // (ahora()), or a negative number when the child ends or time runs out.
    double esperarMapeo(const QString &titulo, pid_t hijo, double plazoMs)
    {
        const double limite = banco::ahora() + plazoMs;
        pollfd p{xcb_get_file_descriptor(m_c), POLLIN, 0};
        while (banco::ahora() < limite) {
            while (xcb_generic_event_t *e = xcb_poll_for_event(m_c)) {
                const bool mapeo = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const double t = banco::ahora();
                bool es = false;
                if (mapeo) {
                    auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
                    es = !m->override_redirect && tituloDe(m->window) == titulo;
                }
                std::free(e);
                if (es)
                    return t;
            }
            int estado;
            if (waitpid(hijo, &estado, WNOHANG | WNOWAIT) == hijo)
                return -1;
            poll(&p, 1, 50);
        }
        return -2;
    }

private:
    xcb_atom_t atomo(const char *nombre)
    {
        auto *r = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(nombre)), nombre), nullptr);
        const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
        std::free(r);
        return a;
    }
    QString tituloDe(xcb_window_t w)
    {
        for (const auto &[propiedad, tipo] : {std::pair{m_netWmName, m_utf8}, std::pair{xcb_atom_t(XCB_ATOM_WM_NAME),
                                                                                      xcb_atom_t(XCB_ATOM_STRING)}}) {
            auto *r = xcb_get_property_reply(m_c, xcb_get_property(m_c, 0, w, propiedad, tipo, 0, 1024), nullptr);
            QString t;
            const bool hay = r && r->type == tipo && r->format == 8;
            if (hay)
                t = QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(r)),
                                      xcb_get_property_value_length(r));
            std::free(r);
            if (hay)
                return t;
        }
        return QString();
    }
    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_netWmName = XCB_ATOM_NONE, m_utf8 = XCB_ATOM_NONE;
    bool m_ok = false;
};

struct Programa {
    const char *nombre;
    banco::Orden orden;
    QString titulo;
};

// One start: from the fork to the window mapped; the child is then ended.
bool arrancar(Vigia &vigia, const Programa &p, double *pared, double *cpu, QString *error)
{
    vigia.descartar();
    QString e;
    double inicio = 0;
    const pid_t pid = banco::lanzar(p.orden, &e, &inicio);
    if (pid < 0) {
        *error = e;
        return false;
    }
    const double mapeo = vigia.esperarMapeo(p.titulo, pid, 30000);
    kill(pid, SIGKILL);
    const banco::Medida m = banco::esperar(pid);
    if (mapeo < 0) {
        *error = QStringLiteral("%1 no mostró su ventana (%2)")
                     .arg(QLatin1String(p.nombre), mapeo == -1 ? QStringLiteral("terminó con %1").arg(m.estado)
                                                               : QStringLiteral("tiempo agotado"));
        return false;
    }
    *pared = mapeo - inicio;
    *cpu = m.cpu;
    return true;
}

int perfilar(Vigia &vigia, Programa (&programas)[2], const QString &carpeta)
{
    QDir().mkpath(carpeta);
    qint64 cuenta[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        Programa &p = programas[k];
        const QString perfil = QDir(carpeta).absoluteFilePath(QStringLiteral("callgrind.%1").arg(QLatin1String(p.nombre)));
        QFile::remove(perfil);
        const banco::Orden o = banco::bajoCallgrind(p.orden, perfil);
        vigia.descartar();
        const pid_t pid = banco::lanzar(o);
        if (pid < 0)
            return fallo(QStringLiteral("no se pudo lanzar valgrind"));
        const double mapeo = vigia.esperarMapeo(p.titulo, pid, 300000);
        if (mapeo >= 0)
            QThread::msleep(3000);
        kill(pid, SIGTERM);   // callgrind writes its profile as the program ends
        banco::esperar(pid);
        if (mapeo < 0)
            return fallo(QStringLiteral("%1 no mostró su ventana bajo callgrind").arg(QLatin1String(p.nombre)));
        cuenta[k] = banco::instrucciones(perfil);
        if (cuenta[k] <= 0)
            return fallo(QStringLiteral("no se pudo leer %1").arg(perfil));
    }
    QTextStream o(stdout);
    o << "instrucciones hasta la ventana pintada (callgrind)\n";
    for (int k = 0; k < 2; ++k)
        o << QString::fromLatin1(programas[k].nombre).leftJustified(10) << QString::number(cuenta[k]).rightJustified(14)
          << "\n";
    o << "razón     " << QString::number(double(cuenta[0]) / double(cuenta[1]), 'f', 3).rightJustified(14) << "\n";
    o << "perfiles en " << QDir(carpeta).absolutePath() << "\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const banco::Argumentos args = banco::fArgumentos(app.arguments().mid(1), 40);
    if (!args.error.isEmpty())
        return fallo(args.error);
    const bool callgrind = args.callgrind;
    const int corridas = args.corridas;
    const QString cargaInicial = banco::carga();

    banco::CarpetaHost host;
    if (!host.valida())
        return fallo(host.error());
    XvfbPrueba x;
    if (!x.iniciar())
        return fallo(QStringLiteral("no se pudo iniciar Xvfb"));
    VentanaX velantis(x.display(), "Velantis", true);
    Vigia vigia(x.display());
    if (!velantis.valida() || !vigia.valido())
        return fallo(QStringLiteral("no se pudo usar la pantalla %1").arg(x.display()));

    const QStringList entorno{QStringLiteral("DISPLAY=") + x.display(), QStringLiteral("QT_QPA_PLATFORM=xcb"),
                              QStringLiteral("WAYLAND_DISPLAY")};
    Programa programas[2] = {
        {"Qx381", {QStringLiteral(QX_PROGRAMA_QX381), {}, entorno, {}, {}}, kTituloQx381},
        {"minimoqt", {QStringLiteral(QX_PROGRAMA_MINIMO), {}, entorno, {}, {}}, kTituloMinimo},
    };
    if (callgrind)
        return perfilar(vigia, programas, args.carpeta);

    banco::Serie series[2] = {{QStringLiteral("Qx381"), {}, {}}, {QStringLiteral("minimoqt"), {}, {}}};
    const int calentamiento = 3;
    for (int i = 0; i < corridas + calentamiento; ++i) {
        for (int k = 0; k < 2; ++k) {
            const int cual = (i + k) % 2;   // each goes first every other time
            double w = 0, c = 0;
            QString error;
            if (!arrancar(vigia, programas[cual], &w, &c, &error))
                return fallo(error);
            if (i >= calentamiento) {
                series[cual].pared << w;
                series[cual].cpu << c;
            }
        }
    }

    QTextStream o(stdout);
    o << "Qx381 frente a minimoqt, de exec a la ventana principal mapeada, " << corridas
      << " corridas alternadas de cada uno en " << x.display() << "\n";
    o << "carga (uptime) al empezar: " << cargaInicial << "; al terminar: " << banco::carga() << "\n\n";
    o << banco::tabla(series[0], series[1]);
    return 0;
}
