#include "layout/core/disposicion.h"
#include "platform/vbruntime.h"
#include "shell/core/calculoventanas.h"
#include "shell/core/errorejecucion.h"
#include "shell/core/modglobal.h"

QString FuenteValores::casilla(int) const
{
    return QString();
}

QString FuenteValores::valor(const QString &, int) const
{
    return QString();
}

Elemento texto(int x, int y, const QString &t)
{
    Elemento e;
    e.x = x;
    e.y = y;
    e.texto = t;
    return e;
}

Elemento vertical(int x, int y, const QString &t)
{
    Elemento e = texto(x, y, t);
    e.orden = Orden::Vertical;
    return e;
}

Elemento cuadro(int x1, int y1, int x2, int y2)
{
    Elemento e;
    e.orden = Orden::Cuadro;
    e.x = x1;
    e.y = y1;
    e.x2 = x2;
    e.y2 = y2;
    return e;
}

Elemento valorCasilla(int x, int y, int casilla)
{
    Elemento e = texto(x, y, QString());
    e.origen = Origen::Casilla;
    e.casilla = casilla;
    return e;
}

Elemento valorClave(int x, int y, const QString &clave)
{
    Elemento e = texto(x, y, clave);
    e.origen = Origen::Clave;
    return e;
}

QString fTextoNumeroCasilla(int casilla)
{
    static const char letras[] = "ANB0CDEFGHIJKLM";
    if (casilla >= 500 && casilla <= 514)
        return QStringLiteral(" ") + QLatin1Char(letras[casilla - 500]);
    return QString::number(casilla).rightJustified(3, QLatin1Char('0'));
}

Disposicion &Disposicion::operator<<(const Elemento &e)
{
    elementos.push_back(e);
    return *this;
}

Disposicion &Disposicion::operator<<(const std::vector<Elemento> &v)
{
    elementos.insert(elementos.end(), v.begin(), v.end());
    return *this;
}

QString fTextoElemento(const Elemento &e, const FuenteValores &fuente, int indice)
{
    QString t;
    switch (e.origen) {
    case Origen::Literal:
        t = e.texto;
        break;
    case Origen::Casilla:
        t = fuente.casilla(e.casilla);
        break;
    case Origen::Clave:
        t = fuente.valor(e.texto, indice);
        break;
    }
    const QString guardado = t;
    if (e.fecha) {
        // A stored date that is no date prints as stored; the run goes on.
        try {
            t = fFechaTexto(t);
        } catch (const ErrorEjecucion &) {
        }
    }
    if (!e.patron.isEmpty())
        t = vb::Format(t, e.patron);   // a text that reads as no number comes back unchanged
    if (e.relleno == Relleno::Ninguno)
        return t;
    const int ancho = e.anchoNegativo && vb::Val(guardado) < 0 ? e.anchoNegativo : e.ancho;
    const cUtilitario local;
    const cUtilitario &util = goUtilitario ? *goUtilitario : local;
    return e.relleno == Relleno::Rellenar ? util.fRellenarTexto(t, ancho) : util.fCompletarTexto(t, ancho);
}

QVariantList fComandoElemento(const Elemento &e, const FuenteValores &fuente, int hoja,
                              int iTamanoLetra, int dy, int indice)
{
    if (e.orden == Orden::Cuadro)
        return {QStringLiteral("pCuadro"), e.x, e.y + dy, e.x2, e.y2 + dy, hoja};
    const QString nombre = e.orden == Orden::Vertical ? QStringLiteral("pPosVerti") : QStringLiteral("pPos");
    const int tamano = e.iTamano == kTamanoActual ? iTamanoLetra : e.iTamano;
    return {nombre, e.x, e.y + dy, fTextoElemento(e, fuente, indice), e.bNegrita, tamano, hoja};
}

void Disposicion::pDisponer(const FuenteValores &fuente, SalidaImpresion &salida, int iTamanoLetra,
                            int dy, int indice) const
{
    for (const Elemento &e : elementos)
        salida.pImpritext(fComandoElemento(e, fuente, hoja, iTamanoLetra, dy, indice));
}

void Disposicion::pDisponerFilas(const FuenteValores &fuente, SalidaImpresion &salida,
                                 int iTamanoLetra, int desde, int hasta, int paso) const
{
    for (int i = desde; i <= hasta; ++i)
        pDisponer(fuente, salida, iTamanoLetra, (i - desde) * paso, i);
}

const Elemento *Disposicion::celdaDeCasilla(int casilla) const
{
    for (const Elemento &e : elementos)
        if (e.origen == Origen::Casilla && e.casilla == casilla)
            return &e;
    return nullptr;
}

Elemento *Disposicion::celdaDeCasilla(int casilla)
{
    return const_cast<Elemento *>(static_cast<const Disposicion *>(this)->celdaDeCasilla(casilla));
}
