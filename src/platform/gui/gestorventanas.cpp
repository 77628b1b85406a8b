#include "platform/gui/gestorventanas.h"
#include "platform/gui/x11windows.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

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
        // Before the window is mapped: the window manager reads its type then.
        if (fSinMinimizar(w, m_principal) && x11::isX11() && fMinimizaSiempre(x11::windowManagerName()))
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
