#include "shell/ui/modventanas.h"
#include "shell/ui/barradeestadozrv.h"
#include "shell/core/errorejecucion.h"
#include "shell/ui/mdifrm.h"
#include "platform/gui/fuente.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

double fTwipsPorPixel()
{
    const QScreen *pantalla = QGuiApplication::primaryScreen();
    const double dpi = pantalla ? pantalla->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

QFont fFuenteDiseno()
{
    return interfaceFont();
}

namespace {
// Width and height are outer sizes, so the frame comes off what resize() gets.
// Windows are placed before they are shown: the platform window is made now,
// so that its frame is known as far as the platform can tell before mapping
// (a window manager's decorations only once it has framed the window).
QSize fMarco(const QWidget *ventana)
{
    if (ventana->isWindow()) {
        ventana->winId();
        if (const QWindow *w = ventana->windowHandle()) {
            const QMargins m = w->frameMargins();
            return QSize(m.left() + m.right(), m.top() + m.bottom());
        }
    }
    return ventana->frameGeometry().size() - ventana->geometry().size();
}
}

double fAnchoTwips(const QWidget *ventana)
{
    return fPixelesATwips(ventana->geometry().width() + fMarco(ventana).width(), fTwipsPorPixel());
}

double fAltoTwips(const QWidget *ventana)
{
    return fPixelesATwips(ventana->geometry().height() + fMarco(ventana).height(), fTwipsPorPixel());
}

void pCentrarForm(QWidget *principal, QWidget *ventana)
{
    if (!principal || !ventana)
        return;
    const PosicionCentrada p = fPosicionCentrada(fAnchoTwips(principal), fAltoTwips(principal),
                                                 fAnchoTwips(ventana), fAltoTwips(ventana));
    const double tpp = fTwipsPorPixel();
    ventana->move(fTwipsAPixeles(static_cast<double>(p.left), tpp), fTwipsAPixeles(p.top, tpp));
}

void pPosicionForm(QWidget *ventana, int iLeft, int iTop, int iHeight, int iWidth)
{
    if (!ventana)
        return;
    ventana->setWindowState(ventana->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized
                                                        | Qt::WindowFullScreen));
    const double tpp = fTwipsPorPixel();
    const QSize marco = fMarco(ventana);
    ventana->move(fTwipsAPixeles(iLeft, tpp), fTwipsAPixeles(iTop, tpp));
    ventana->resize(qMax(1, fTwipsAPixeles(iWidth, tpp) - marco.width()),
                    qMax(1, fTwipsAPixeles(iHeight, tpp) - marco.height()));
}

void pDentroDePantalla(QWidget *ventana)
{
    if (!ventana || !ventana->screen())
        return;
    const QRect area = ventana->screen()->availableGeometry();
    const QSize exterior = ventana->size() + fMarco(ventana);
    // A window's pos() is its frame's top-left.
    const QPoint antes = ventana->pos();
    const QPoint p(qMax(area.left(), qMin(antes.x(), area.right() + 1 - exterior.width())),
                   qMax(area.top(), qMin(antes.y(), area.bottom() + 1 - exterior.height())));
    if (p != antes)
        ventana->move(p);
}

void pTamanoForm(QWidget *ventana, int iHeight, int iWidth)
{
    if (!ventana)
        return;
    const double tpp = fTwipsPorPixel();
    const QSize marco = fMarco(ventana);
    ventana->resize(qMax(1, fTwipsAPixeles(iWidth, tpp) - marco.width()),
                    qMax(1, fTwipsAPixeles(iHeight, tpp) - marco.height()));
}

void pBarraEstado(const QString &sRuc, const QString &sRazon, const QString &sPeriodo,
                  const QString &sFormulario)
{
    MDIFrm *principal = MDIFrm::instancia();
    if (!principal)
        return;
    BarradeEstadoZRV *barra = principal->BarradeEstadoZRV1;
    barra->setNumdoc(sRuc);
    barra->setRazonsocial(sRazon);
    barra->setPeriodo_ejercicio(sPeriodo);
    barra->setFormulario(sFormulario);
}

void pMostrarFrame(QWidget *ventana, bool b0, bool b1, bool b2, bool b3, bool b4, bool b5)
{
    Q_UNUSED(b0);
    Q_UNUSED(b3);
    if (!ventana)
        throw errores::elementoInexistente();
    const int indices[] = {1, 2, 4, 5};
    const bool flags[] = {b1, b2, b4, b5};
    QWidget *frames[4];
    for (int i = 0; i < 4; ++i) {
        frames[i] = ventana->findChild<QWidget *>(QStringLiteral("Frame1_%1").arg(indices[i]));
        if (!frames[i])
            throw errores::elementoInexistente();
    }
    for (int i = 0; i < 4; ++i)
        frames[i]->setVisible(flags[i]);
}

int fAnchoCaracter(QWidget *ventana)
{
    static const QString letras = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFont fuente = ventana ? ventana->font() : QApplication::font();
    return fAnchoCaracterDeMedida(QFontMetrics(fuente).horizontalAdvance(letras));
}

void pAnchoCombo(QWidget *ventana, QComboBox *combo, int nChars)
{
    const int ancho = fAnchoDesplegable(nChars, fAnchoCaracter(ventana));
    if (combo && combo->view())
        combo->view()->setMinimumWidth(qMax(0, ancho));
}

void pTabular(const QString &sTecla, QWidget *origen)
{
    if (!fEsTeclaTab(sTecla))
        return;
    // After a message box no window may be active again (no window manager
    // to give the activation back), and the application then has no focus
    // widget although the window's focused control still gets the keys: the
    // control that got the ENTER, or the modal window's focused one, moves on.
    QWidget *destino = origen ? origen : QApplication::focusWidget();
    if (!destino) {
        if (QWidget *modal = QApplication::activeModalWidget())
            destino = modal->focusWidget() ? modal->focusWidget() : modal;
    }
    if (!destino)
        destino = QApplication::activeWindow();
    if (!destino)
        return;
    QCoreApplication::postEvent(destino, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    QCoreApplication::postEvent(destino, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier));
}

void pPunteroReloj()
{
    if (QApplication::overrideCursor())
        QApplication::changeOverrideCursor(Qt::WaitCursor);
    else
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void pPunteroNormal()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
