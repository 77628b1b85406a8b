#include "shell/dibujos/dibujos.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace dibujos {
namespace {

constexpr int kLado = 32;

QImage lienzo(int ancho, int alto, const std::function<void(QPainter &)> &pintar)
{
    QImage im(ancho, alto, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    pintar(p);
    p.end();
    return im;
}

// The letters of the pictures, by name: drawn while building, they must not
// take whatever font the building machine finds first.
QFont letra()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QImage icono(const std::function<void(QPainter &)> &pintar)
{
    return lienzo(kLado, kLado, pintar);
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

QImage logotipo(int lado)
{
    return lienzo(lado, lado, [lado](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 70, 140));
        p.drawEllipse(QRectF(2, 2, lado - 4, lado - 4));
        QFont f = letra();
        f.setBold(true);
        f.setPixelSize(lado / 2);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, lado, lado), Qt::AlignCenter, QStringLiteral("V"));
    });
}

QImage nueva()
{
    return icono([](QPainter &p) {
        hoja(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 140, 0));
        p.drawEllipse(QPointF(24, 24), 6, 6);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(24, 20.5), QPointF(24, 27.5));
        p.drawLine(QPointF(20.5, 24), QPointF(27.5, 24));
    });
}

QImage modificar()
{
    return icono([](QPainter &p) {
        hoja(p);
        p.setPen(QPen(QColor(200, 120, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 26), QPointF(28, 12));
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(12, 28), QPointF(14, 26));
    });
}

QImage eliminar()
{
    return icono([](QPainter &p) {
        hoja(p);
        p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 17), QPointF(28, 28));
        p.drawLine(QPointF(28, 17), QPointF(17, 28));
    });
}

QImage imprimir()
{
    return icono([](QPainter &p) {
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

QImage salir()
{
    return icono([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(QColor(150, 100, 50));
        p.drawRect(QRectF(6, 3, 14, 26));
        p.setPen(QPen(QColor(0, 110, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(14, 16), QPointF(28, 16));
        p.drawLine(QPointF(23, 11), QPointF(28, 16));
        p.drawLine(QPointF(23, 21), QPointF(28, 16));
    });
}

QImage numOrden()
{
    return icono([](QPainter &p) {
        hoja(p);
        QFont f = letra();
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.setPen(QColor(0, 0, 150));
        p.drawText(QRectF(7, 10, 19, 18), Qt::AlignCenter, QStringLiteral("N°"));
    });
}

QImage ayuda()
{
    // The life buoy a plain desktop showed for help, drawn here as the other
    // images are rather than asked from the desktop's icon theme.
    return icono([](QPainter &p) {
        const QRectF fuera(1.5, 1.5, 29, 29);
        const QRectF dentro(9, 9, 14, 14);
        QPainterPath aro;
        aro.addEllipse(fuera);
        aro.addEllipse(dentro);
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(Qt::white);
        p.drawPath(aro);
        p.setPen(QPen(QColor(170, 20, 20), 1));
        p.setBrush(QColor(230, 60, 60));
        for (double a : {20.0, 110.0, 200.0, 290.0}) {
            QPainterPath franja;
            franja.arcMoveTo(fuera, a);
            franja.arcTo(fuera, a, 50);
            franja.arcTo(dentro, a + 50, -50);
            franja.closeSubpath();
            p.drawPath(franja);
        }
    });
}

QImage fondo()
{
    return lienzo(360, 200, [](QPainter &p) {
        p.drawImage(0, 36, logotipo(128));
        QFont f = letra();
        f.setBold(true);
        f.setPixelSize(26);
        p.setFont(f);
        p.setPen(QColor(220, 230, 245));
        p.drawText(QRectF(140, 50, 220, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Formulario 951"));
        f.setPixelSize(16);
        f.setBold(false);
        p.setFont(f);
        p.drawText(QRectF(140, 92, 220, 60), Qt::AlignLeft | Qt::TextWordWrap,
                   QStringLiteral("Impuesto a la Renta 3ra. Categoría - 1998"));
    });
}

} // namespace

QImage dibujar(Id id)
{
    switch (id) {
    case Nueva: return nueva();
    case Modificar: return modificar();
    case Eliminar: return eliminar();
    case Imprimir: return imprimir();
    case Salir: return salir();
    case NumOrden: return numOrden();
    case Ayuda: return ayuda();
    case Logotipo64: return logotipo(64);
    case Fondo: return fondo();
    case Cuantos: break;
    }
    return QImage();
}

} // namespace dibujos
