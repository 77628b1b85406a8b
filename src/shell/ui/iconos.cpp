#include "shell/ui/iconos.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <functional>

namespace iconos {
namespace {
constexpr int kLado = 32;

QIcon dibujar(const std::function<void(QPainter &)> &pintar)
{
    QPixmap px(kLado, kLado);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    pintar(p);
    p.end();
    return QIcon(px);
}

void hoja(QPainter &p)
{
    QPainterPath h;
    h.moveTo(7, 3);
    h.lineTo(20, 3);
    h.lineTo(26, 9);
    h.lineTo(26, 29);
    h.lineTo(7, 29);
    h.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(h);
    p.drawLine(QPointF(20, 3), QPointF(20, 9));
    p.drawLine(QPointF(20, 9), QPointF(26, 9));
    p.setPen(QPen(QColor(90, 90, 160), 1));
    for (int y = 13; y <= 25; y += 4)
        p.drawLine(10, y, 23, y);
}
}

QIcon nueva()
{
    return dibujar([](QPainter &p) {
        hoja(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 140, 0));
        p.drawEllipse(QPointF(24, 24), 6, 6);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(24, 20.5), QPointF(24, 27.5));
        p.drawLine(QPointF(20.5, 24), QPointF(27.5, 24));
    });
}

QIcon modificar()
{
    return dibujar([](QPainter &p) {
        hoja(p);
        p.setPen(QPen(QColor(200, 120, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 26), QPointF(28, 12));
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(12, 28), QPointF(14, 26));
    });
}

QIcon eliminar()
{
    return dibujar([](QPainter &p) {
        hoja(p);
        p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 17), QPointF(28, 28));
        p.drawLine(QPointF(28, 17), QPointF(17, 28));
    });
}

QIcon imprimir()
{
    return dibujar([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 20, 14, 9));
        p.setPen(QPen(QColor(90, 90, 160), 1));
        p.drawLine(11, 24, 21, 24);
        p.drawLine(11, 27, 19, 27);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 170, 0));
        p.drawEllipse(QPointF(25, 15.5), 1.3, 1.3);
    });
}

QIcon salir()
{
    return dibujar([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(QColor(150, 100, 50));
        p.drawRect(QRectF(6, 3, 14, 26));
        p.setPen(QPen(QColor(0, 110, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(14, 16), QPointF(28, 16));
        p.drawLine(QPointF(23, 11), QPointF(28, 16));
        p.drawLine(QPointF(23, 21), QPointF(28, 16));
    });
}

QIcon numOrden()
{
    return dibujar([](QPainter &p) {
        hoja(p);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.setPen(QColor(0, 0, 150));
        p.drawText(QRectF(7, 10, 19, 18), Qt::AlignCenter, QStringLiteral("N°"));
    });
}

QIcon ayuda()
{
    return QApplication::style()->standardIcon(QStyle::SP_DialogHelpButton);
}

QPixmap logotipo(int lado)
{
    QPixmap px(lado, lado);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 140));
    p.drawEllipse(QRectF(2, 2, lado - 4, lado - 4));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(lado / 2);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, lado, lado), Qt::AlignCenter, QStringLiteral("V"));
    return px;
}
}
