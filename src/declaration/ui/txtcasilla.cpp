#include "txtcasilla.h"
#include "declaration/core/casillas/filtroteclas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include <QFocusEvent>

TxtCasilla::TxtCasilla(int index, ModeloCasillas *modelo, QWidget *parent)
    : TxtFiltrada(parent), m_index(index), m_modelo(modelo)
{
    setObjectName(QStringLiteral("TxtValor_%1").arg(index));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMouseTracking(true);
    filtroPegado = [index](int t) { return FiltroTeclas::fFiltroCasilla(index, t); };
    lecturaPegado = [index](const QString &t) { return FiltroTeclas::fPegadoCasilla(index, t); };

    connect(this, &TxtFiltrada::textoEditado, this, [this](const QString &t) {
        m_modelo->setTexto(m_index, t);
    });
    connect(m_modelo, &ModeloCasillas::textoCambiado, this, [this](int n) {
        if (n == m_index)
            refrescarTexto();
    });
    connect(m_modelo, &ModeloCasillas::estadoCambiado, this, [this](int n) {
        if (n == m_index)
            refrescarEstado();
    });
    connect(m_modelo, &ModeloCasillas::reiniciado, this, [this] {
        refrescarTexto();
        refrescarEstado();
    });
    refrescarTexto();
    refrescarEstado();
}

QColor TxtCasilla::fColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

void TxtCasilla::refrescarTexto()
{
    setTextoDesdeCodigo(m_modelo->texto(m_index));
}

void TxtCasilla::refrescarEstado()
{
    setEnabled(m_modelo->habilitada(m_index));
    setReadOnly(m_modelo->bloqueada(m_index));
    setMaxLength(m_modelo->maxLength(m_index));
    QPalette p = palette();
    const QColor fondo = fColor(m_modelo->color(m_index));
    p.setColor(QPalette::Base, fondo);
    p.setColor(QPalette::Disabled, QPalette::Base, fondo);
    setPalette(p);
}

void TxtCasilla::pSalirPendientes(QWidget *ventana)
{
    if (!ventana)
        return;
    QWidget *foco = ventana->window()->focusWidget();
    const auto cajas = ventana->window()->findChildren<TxtCasilla *>();
    for (TxtCasilla *c : cajas)
        if (c->m_dentro && c != foco)
            c->salir();
}

void TxtCasilla::salir()
{
    if (!m_dentro)
        return;
    m_dentro = false;
    emit LostFocus(m_index);
}

void TxtCasilla::focusInEvent(QFocusEvent *e)
{
    TxtFiltrada::focusInEvent(e);
    // Coming back from a menu or another window is no new entry: the box is
    // still in its entry form.
    if (m_dentro)
        return;
    // A box the focus left while its window was inactive got no focus-out:
    // it is left now, before this one is entered, so that it shows its
    // leaving form and is saved with its sign.
    pSalirPendientes(this);
    m_dentro = true;
    emit GotFocus(m_index);
}

void TxtCasilla::focusOutEvent(QFocusEvent *e)
{
    TxtFiltrada::focusOutEvent(e);
    // A menu or another window taking the focus for a while is no leaving.
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason)
        return;
    salir();
}

void TxtCasilla::mouseMoveEvent(QMouseEvent *e)
{
    TxtFiltrada::mouseMoveEvent(e);
    emit MouseMove(m_index);
}
