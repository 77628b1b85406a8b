#include "annexes/ui/celdaanexo.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/txtcasilla.h"
#include <QFocusEvent>

CeldaAnexo::CeldaAnexo(const QString &control, int mes, int columna, QWidget *parent)
    : TxtFiltrada(parent), m_mes(mes), m_columna(columna)
{
    setObjectName(QStringLiteral("%1_%2").arg(control).arg(mes));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void CeldaAnexo::pTecleable(bool tecleable)
{
    setEnabled(tecleable);
    QPalette p = palette();
    const QColor fondo = TxtCasilla::fColor(tecleable ? Color::Blanco : Color::Gris);
    p.setColor(QPalette::Base, fondo);
    p.setColor(QPalette::Disabled, QPalette::Base, fondo);
    // Amounts on grey stay readable.
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x40, 0x40, 0x40));
    setPalette(p);
}

void CeldaAnexo::focusInEvent(QFocusEvent *e)
{
    TxtFiltrada::focusInEvent(e);
    // Back from a menu or another window the cell is still in its entry form.
    if (m_dentro)
        return;
    m_dentro = true;
    emit GotFocus(m_mes, m_columna);
}

void CeldaAnexo::focusOutEvent(QFocusEvent *e)
{
    TxtFiltrada::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (!m_dentro)
        return;
    m_dentro = false;
    emit LostFocus(m_mes, m_columna);
}
