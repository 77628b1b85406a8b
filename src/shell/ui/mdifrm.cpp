#include "shell/ui/mdifrm.h"
#include "shell/ui/aperturas.h"
#include "shell/ui/ayuda.h"
#include "shell/ui/barradeestadozrv.h"
#include "shell/core/errorejecucion.h"
#include "shell/ui/frmacercade.h"
#include "shell/ui/frmconsfac.h"
#include "shell/ui/frmconstasas.h"
#include "shell/ui/frmconsultas.h"
#include "shell/ui/iconos.h"
#include "shell/ui/modventanas.h"
#include "shell/core/modglobal.h"
#include "shell/core/settings.h"
#include "platform/gui/gestorventanas.h"
#include "platform/msgbox.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>
#include <QHBoxLayout>
#include <QLabel>

namespace {
MDIFrm *g_instancia = nullptr;

// The windows opened directly from the main window: one instance each,
// replaced by every command.
QPointer<FrmConsTasas> gFrmConsTasas;
QPointer<FrmConsFac> gFrmConsFac;
QPointer<FrmConsultas> gFrmConsultas;
QPointer<frmAcercade> gfrmAcercade;

template <class W>
void abrirModal(QPointer<W> &instancia)
{
    delete instancia.data();
    instancia = new W();
    instancia->exec();
    delete instancia.data();
    instancia = nullptr;
}

// An error escaping a command is reported and the command ends.
template <class F>
void comando(F &&f)
{
    try {
        f();
    } catch (const ErrorEjecucion &e) {
        pPunteroNormal();
        msg::MsgBox(fTextoError(e.numero, e.descripcion), 0, QStringLiteral("Error"));
    } catch (const DbError &e) {
        pPunteroNormal();
        msg::MsgBox(fTextoError(e.number, e.description), 0, QStringLiteral("Error"));
    }
}
}

MDIFrm::MDIFrm(QWidget *parent) : QMainWindow(parent)
{
    g_instancia = this;
    setObjectName(QStringLiteral("MDIFrm"));
    setWindowTitle(QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta 3RA. CATEGORIA - 1998 v 2.0"));
    // No minimise and no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAutoFillBackground(true);
    QPalette pal = Picture2->palette();
    pal.setColor(QPalette::Window, QColor(0, 48, 96));
    Picture2->setPalette(pal);
    imgFondo = new QLabel(Picture2);
    imgFondo->setObjectName(QStringLiteral("imgFondo"));
    imgFondo->setPixmap(iconos::fondo());
    auto *centro = new QHBoxLayout(Picture2);
    centro->addWidget(imgFondo, 0, Qt::AlignCenter);
    setCentralWidget(Picture2);

    BarradeEstadoZRV1 = new BarradeEstadoZRV(this);
    BarradeEstadoZRV1->setObjectName(QStringLiteral("BarradeEstadoZRV1"));
    setStatusBar(BarradeEstadoZRV1);

    crearMenus();
    crearBarra();
    pActualizarComandos();
    // F1 in every window of the program, with the help file of the moment.
    new TeclaAyuda([this] { return sArchivoAyuda; }, this);
    // No minimise or maximise for this window and the modal ones, on any desktop.
    new GestorVentanas(this);

    setMouseTracking(true);
    vigilarMovimiento(Picture2);
    vigilarMovimiento(imgFondo);
    vigilarMovimiento(tlbMenu);
    // Buttons and separators are child widgets: the pointer's moves reach them, not the bar.
    for (QWidget *b : tlbMenu->findChildren<QWidget *>())
        vigilarMovimiento(b);
}

MDIFrm::~MDIFrm()
{
    if (g_instancia == this)
        g_instancia = nullptr;
}

MDIFrm *MDIFrm::instancia() { return g_instancia; }

void MDIFrm::crearMenus()
{
    auto item = [this](QMenu *menu, QAction *&accion, const QString &nombre, const QString &caption,
                       void (MDIFrm::*slot)()) {
        accion = menu->addAction(caption);
        accion->setObjectName(nombre);
        connect(accion, &QAction::triggered, this, slot);
    };
    auto raya = [](QMenu *menu, QAction *&accion, const QString &nombre) {
        accion = menu->addSeparator();
        accion->setObjectName(nombre);
    };

    mnuDeclara = menuBar()->addMenu(QStringLiteral("&Declaraciones"));
    mnuDeclara->setObjectName(QStringLiteral("mnuDeclara"));
    item(mnuDeclara, mnuNueva, QStringLiteral("mnuNueva"), QStringLiteral("&Nueva"), &MDIFrm::mnuNueva_Click);
    item(mnuDeclara, mnuModificar, QStringLiteral("mnuModificar"), QStringLiteral("&Modificar"),
         &MDIFrm::mnuModificar_Click);
    item(mnuDeclara, mnuEliminar, QStringLiteral("mnuEliminar"), QStringLiteral("&Eliminar"),
         &MDIFrm::mnuEliminar_Click);
    raya(mnuDeclara, rayita1, QStringLiteral("rayita1"));
    item(mnuDeclara, mnuImprimir, QStringLiteral("mnuImprimir"), QStringLiteral("&Imprimir"),
         &MDIFrm::mnuImprimir_Click);
    raya(mnuDeclara, rayita, QStringLiteral("rayita"));
    item(mnuDeclara, mnuSalir, QStringLiteral("mnuSalir"), QStringLiteral("&Salir"), &MDIFrm::mnuSalir_Click);

    mnuDeclarEnv = menuBar()->addMenu(QStringLiteral("Declaraciones &Enviadas"));
    mnuDeclarEnv->setObjectName(QStringLiteral("mnuDeclarEnv"));
    item(mnuDeclarEnv, mnuRegistrar, QStringLiteral("mnuRegistrar"), QStringLiteral("&Registrar número de orden"),
         &MDIFrm::mnuRegistrar_Click);
    item(mnuDeclarEnv, mnuEliminar1, QStringLiteral("mnuEliminar1"), QStringLiteral("&Eliminar"),
         &MDIFrm::mnuEliminar1_Click);
    raya(mnuDeclarEnv, Raya, QStringLiteral("Raya"));
    item(mnuDeclarEnv, mnuImprimir1, QStringLiteral("mnuImprimir1"), QStringLiteral("&Imprimir"),
         &MDIFrm::mnuImprimir1_Click);

    mnuConsultas = menuBar()->addMenu(QStringLiteral("&Consultas"));
    mnuConsultas->setObjectName(QStringLiteral("mnuConsultas"));
    item(mnuConsultas, mnutasas, QStringLiteral("mnutasas"), QStringLiteral("&Tasas Vigentes"),
         &MDIFrm::mnutasas_Click);
    item(mnuConsultas, mnuFactores, QStringLiteral("mnuFactores"), QStringLiteral("&Factores de Actualización"),
         &MDIFrm::mnuFactores_Click);
    item(mnuConsultas, mnuDocIdent, QStringLiteral("mnuDocIdent"), QStringLiteral("&Bancos"),
         &MDIFrm::mnuDocIdent_Click);

    mnuayuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    mnuayuda->setObjectName(QStringLiteral("mnuayuda"));
    item(mnuayuda, mnuContenido, QStringLiteral("mnuContenido"), QStringLiteral("&Contenido"),
         &MDIFrm::mnuContenido_Click);
    raya(mnuayuda, rayita2, QStringLiteral("rayita2"));
    item(mnuayuda, mnuAcercaDe, QStringLiteral("mnuAcercaDe"), QStringLiteral("Acerca &de ZRV"),
         &MDIFrm::mnuAcercaDe_Click);
}

void MDIFrm::crearBarra()
{
    tlbMenu = new QToolBar(this);
    tlbMenu->setObjectName(QStringLiteral("tlbMenu"));
    tlbMenu->setMovable(false);
    tlbMenu->setFloatable(false);
    tlbMenu->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tlbMenu->setIconSize(QSize(32, 32));
    addToolBar(Qt::TopToolBarArea, tlbMenu);

    struct Boton { const char *texto; QIcon (*icono)(); };
    const Boton botones[10] = {
        {"Nueva", iconos::nueva}, {"Modificar", iconos::modificar}, {"Eliminar", iconos::eliminar},
        {"Imprimir", iconos::imprimir}, {"Salir", iconos::salir}, {nullptr, nullptr},
        {"Num. Orden", iconos::numOrden}, {nullptr, nullptr}, {nullptr, nullptr},
        {"Ayuda", iconos::ayuda},
    };
    for (int i = 0; i < 10; ++i) {
        const int indice = i + 1;
        QAction *a;
        if (botones[i].texto) {
            a = tlbMenu->addAction(botones[i].icono(), QString::fromUtf8(botones[i].texto));
            connect(a, &QAction::triggered, this, [this, indice] { tlbMenu_ButtonClick(indice); });
        } else {
            a = tlbMenu->addSeparator();
        }
        a->setObjectName(QStringLiteral("tlbMenu_%1").arg(indice));
        m_botones << a;
    }
}

QAction *MDIFrm::boton(int indice) const
{
    return indice >= 1 && indice <= m_botones.size() ? m_botones.at(indice - 1) : nullptr;
}

void MDIFrm::pActualizarComandos()
{
    const bool nueva = static_cast<bool>(registro::nuevaDeclaracion());
    const bool elegir = static_cast<bool>(registro::contAbrir());
    const bool imprimir = fHayTipoImpresion();
    const bool enviadas = static_cast<bool>(registro::contAbrirEnv());
    mnuNueva->setEnabled(nueva);
    boton(1)->setEnabled(nueva);
    mnuModificar->setEnabled(elegir);
    boton(2)->setEnabled(elegir);
    mnuEliminar->setEnabled(elegir);
    boton(3)->setEnabled(elegir);
    mnuImprimir->setEnabled(imprimir);
    boton(4)->setEnabled(imprimir);
    mnuImprimir1->setEnabled(imprimir);
    mnuRegistrar->setEnabled(enviadas);
    boton(7)->setEnabled(enviadas);
    mnuEliminar1->setEnabled(enviadas);
}

bool MDIFrm::MDIForm_Load()
{
    gsFormulario = QStringLiteral("0951");
    gsPeriodo = QStringLiteral("1998");
    pPosicionForm(this, -60, -60, 7320, 9720);
    // The legacy place hides the frame's edge; under a window manager the
    // title bar would be out of reach.
    pDentroDePantalla(this);
    show();
    pPunteroReloj();
    pLeerIni();
    if (!fAbrirBase()) {
        pPunteroNormal();
        return false;
    }
    sArchivoAyuda = gsSysPath + QStringLiteral("0951/") + QStringLiteral("Qx951.hlp");
    pBarraEstado(QString(), QString(), gsPeriodo, gsFormulario);
    pPunteroNormal();
    return true;
}

void MDIFrm::MostrarHelp()
{
    pMostrarAyuda(sArchivoAyuda);
}

void MDIFrm::limpiarRazonSocial()
{
    BarradeEstadoZRV1->setRazonsocial(QString());
}

void MDIFrm::mnuNueva_Click()
{
    limpiarRazonSocial();
    if (!registro::nuevaDeclaracion())
        return;
    comando([] {
        pPunteroReloj();
        registro::nuevaDeclaracion()(0, QVariantList());
    });
    pPunteroNormal();
}

void MDIFrm::mnuModificar_Click()
{
    limpiarRazonSocial();
    if (!registro::contAbrir())
        return;
    comando([] { registro::contAbrir()(1); });
    pPunteroNormal();
}

void MDIFrm::mnuEliminar_Click()
{
    limpiarRazonSocial();
    if (!registro::contAbrir())
        return;
    comando([] { registro::contAbrir()(3); });
    pPunteroNormal();
}

void MDIFrm::mnuImprimir_Click()
{
    limpiarRazonSocial();
    comando([] { pAbrirTipoImpresion(false); });
}

void MDIFrm::mnuRegistrar_Click()
{
    limpiarRazonSocial();
    if (!registro::contAbrirEnv())
        return;
    giModoEnviada = 1;
    comando([] {
        pPunteroReloj();
        registro::contAbrirEnv()();
    });
    pPunteroNormal();
}

void MDIFrm::mnuEliminar1_Click()
{
    limpiarRazonSocial();
    if (!registro::contAbrirEnv())
        return;
    giModoEnviada = 3;
    comando([] {
        pPunteroReloj();
        registro::contAbrirEnv()();
    });
    pPunteroNormal();
}

void MDIFrm::mnuImprimir1_Click()
{
    limpiarRazonSocial();
    comando([] { pAbrirTipoImpresion(true); });
}

void MDIFrm::mnutasas_Click()
{
    limpiarRazonSocial();
    comando([] { abrirModal(gFrmConsTasas); });
}

void MDIFrm::mnuFactores_Click()
{
    limpiarRazonSocial();
    comando([] { abrirModal(gFrmConsFac); });
}

void MDIFrm::mnuDocIdent_Click()
{
    limpiarRazonSocial();
    comando([] { abrirModal(gFrmConsultas); });
}

void MDIFrm::mnuContenido_Click()
{
    limpiarRazonSocial();
    MostrarHelp();
}

void MDIFrm::mnuAcercaDe_Click()
{
    limpiarRazonSocial();
    comando([] { abrirModal(gfrmAcercade); });
}

void MDIFrm::mnuSalir_Click()
{
    // The database is closed before the window goes, so nothing can use it after.
    gdbBase.reset();
    delete goUtilitario;
    goUtilitario = nullptr;
    hide();
    QCoreApplication::exit(0);
}

void MDIFrm::tlbMenu_ButtonClick(int indice)
{
    switch (indice) {
    case 1: mnuNueva_Click(); break;
    case 2: mnuModificar_Click(); break;
    case 3: mnuEliminar_Click(); break;
    case 4: mnuImprimir_Click(); break;
    case 5: mnuSalir_Click(); break;
    case 7: mnuRegistrar_Click(); break;
    case 10: MostrarHelp(); break;
    default: break;   // separators
    }
}

void MDIFrm::vigilarMovimiento(QWidget *w)
{
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

void MDIFrm::changeEvent(QEvent *e)
{
    // The load keeps the frame inside the screen as far as it is known
    // then; a window manager tells its title bar's height only once it has
    // framed the window, which it has by the first activation.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !m_activada) {
        m_activada = true;
        pDentroDePantalla(this);
    }
    QMainWindow::changeEvent(e);
}

bool MDIFrm::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::MouseMove) {
        auto *w = qobject_cast<QWidget *>(objeto);
        if (w && (w == tlbMenu || tlbMenu->isAncestorOf(w))) {
            const auto *me = static_cast<QMouseEvent *>(evento);
            const int x = w->mapTo(tlbMenu, me->position().toPoint()).x();
            QList<QPair<int, int>> spans;
            for (QAction *a : m_botones) {
                const QRect r = tlbMenu->actionGeometry(a);
                spans << qMakePair(r.left(), r.width());
            }
            if (!fConservaRazonSocial(x, spans))
                limpiarRazonSocial();
        } else if (w == Picture2 || w == imgFondo) {
            limpiarRazonSocial();
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void MDIFrm::mouseMoveEvent(QMouseEvent *e)
{
    // Moves the toolbar did not take come up here too: the toolbar rule has decided them.
    if (!tlbMenu->geometry().contains(e->position().toPoint()))
        limpiarRazonSocial();
    QMainWindow::mouseMoveEvent(e);
}
