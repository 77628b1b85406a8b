#include "printing/core/lienzotwips.h"
#include <QFontMetricsF>

LienzoTwips::LienzoTwips(QPainter &pintor, double unidadesPorTwip) : m_pintor(pintor), m_escala(unidadesPorTwip)
{
}

QFont LienzoTwips::fuente(const QString &cara, bool negrita, int puntos)
{
    QFont f = cara.isEmpty() ? QFont() : QFont(cara);
    f.setStyleHint(QFont::Monospace);
    f.setBold(negrita);
    if (puntos > 0)
        f.setPointSize(puntos);
    return f;
}

void LienzoTwips::setCara(const QString &cara)
{
    if (cara != m_cara)
        m_fuenteAplicada = false;
    m_cara = cara;
}

void LienzoTwips::setNegrita(bool negrita)
{
    if (negrita != m_negrita)
        m_fuenteAplicada = false;
    m_negrita = negrita;
}

void LienzoTwips::setTamano(int puntos)
{
    if (puntos != m_tamano)
        m_fuenteAplicada = false;
    m_tamano = puntos;
}

void LienzoTwips::texto(int x, int y, const QString &s)
{
    if (!m_fuenteAplicada) {
        // Only a change of font is worth the font lookup; most commands keep it.
        m_pintor.setFont(fuente(m_cara, m_negrita, m_tamano));
        m_ascenso = QFontMetricsF(m_pintor.font(), m_pintor.device()).ascent();
        m_fuenteAplicada = true;
    }
    m_pintor.setPen(Qt::black);
    m_pintor.drawText(QPointF(x * m_escala, y * m_escala + m_ascenso), s);
}

void LienzoTwips::linea(int x1, int y1, int x2, int y2)
{
    QPen lapiz(Qt::black);
    lapiz.setWidth(m_anchoLinea);
    m_pintor.setPen(lapiz);
    m_pintor.drawLine(QPointF(x1 * m_escala, y1 * m_escala), QPointF(x2 * m_escala, y2 * m_escala));
}
