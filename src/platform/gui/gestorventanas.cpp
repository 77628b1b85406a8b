#include "platform/gui/gestorventanas.h"
#include "platform/gui/x11windows.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Window managers that offer minimise and maximise against the Motif hints,
// by the name they give themselves.
bool fMinimizaSiempre(const QString &gestor)
{
    return gestor.compare(QLatin1String("Openbox"), Qt::CaseInsensitive) == 0;
}

bool fSinMinimizar(const QWidget *w, const QWidget *principal)
{
    if (!w->isWindow())
        return false;
    const Qt::WindowType tipo = w->windowType();
    if (tipo != Qt::Window && tipo != Qt::Dialog)
        return false;
    return w == principal || w->isModal();
}

// The modal window in front when it is minimised; else none.
QWidget *fModalMinimizada()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !(modal->windowState() & Qt::WindowMinimized))
        return nullptr;
    return modal;
}

// The window a modal window opens over: the modal one in front, else the
// active one, else the main window; none when only w is there.
QWidget *fDueno(const QWidget *w, QWidget *principal)
{
    for (QWidget *d : {QApplication::activeModalWidget(), QApplication::activeWindow(), principal}) {
        if (d && d != w && d->isVisible())
            return d->window();
    }
    return nullptr;
}

void pDevolver(QWidget *modal)
{
    modal->setWindowState(modal->windowState() & ~Qt::WindowMinimized);
    modal->show();
    modal->raise();
    modal->activateWindow();
}

} // namespace

GestorVentanas::GestorVentanas(QWidget *principal) : QObject(principal), m_principal(principal)
{
    qApp->installEventFilter(this);
    qApp->installNativeEventFilter(this);
}

GestorVentanas::~GestorVentanas()
{
    qApp->removeNativeEventFilter(this);
}

bool GestorVentanas::nativeEventFilter(const QByteArray &tipo, void *mensaje, qintptr *)
{
    if (tipo != "xcb_generic_event_t")
        return false;
    if (!x11::isButtonPress(mensaje) || !QApplication::activeModalWidget())
        return false;
    // Not while Qt is amid the event: after it, once Qt has taken in the
    // window manager's events that came with the press (a minimise among
    // them), if the modal window is minimised then.
    QTimer::singleShot(0, this, [] {
        if (QWidget *modal = fModalMinimizada())
            pDevolver(modal);
    });
    return false;
}

bool GestorVentanas::eventFilter(QObject *objeto, QEvent *evento)
{
    if (!objeto->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(objeto);
    switch (evento->type()) {
    case QEvent::Show:
        // Before the window is mapped: the window manager reads its type and
        // whose transient it is then.
        if (!fSinMinimizar(w, m_principal) || !x11::isX11())
            break;
        // A modal window made without a parent is otherwise transient for
        // the whole application, and a window manager may stack it under a
        // window that is its owner's transient: the window the user worked
        // in would then cover the one that takes the keys.
        if (w != m_principal && !w->windowHandle()->transientParent())
            if (QWidget *dueno = fDueno(w, m_principal))
                w->windowHandle()->setTransientParent(dueno->windowHandle());
        if (fMinimizaSiempre(x11::windowManagerName()))
            x11::setWindowType(w->winId(), "_NET_WM_WINDOW_TYPE_TOOLBAR");
        break;
    case QEvent::WindowActivate:
        if (!w->isWindow())
            break;
        if (QWidget *modal = fModalMinimizada(); modal && modal != w)
            pDevolver(modal);
        break;
    default:
        break;
    }
    return false;
}
