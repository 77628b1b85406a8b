#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include <QHash>

namespace ListaCasillas {

namespace {

struct Ubicacion { int pagina; int marco; };

Ubicacion fUbicacion(Seccion s)
{
    switch (s) {
    case Seccion::Balance:
    case Seccion::Resultados: return {1, 1};
    case Seccion::Renta: return {2, 2};
    case Seccion::CreditosIEAN: return {3, 3};
    case Seccion::CreditosSinIEAN: return {3, 0};
    case Seccion::Deuda: return {4, 4};
    default: return {5, 5};
    }
}

} // namespace

const FilaCasilla *fFila(int n)
{
    static const QHash<int, const FilaCasilla *> h = [] {
        QHash<int, const FilaCasilla *> r;
        for (const FilaCasilla &f : Tabla())
            r.insert(f.numero, &f);
        return r;
    }();
    return h.value(n, nullptr);
}

QList<int> fCasillasDe(Seccion s)
{
    QList<int> l;
    for (const FilaCasilla &f : Tabla())
        if (f.seccion == s)
            l.append(f.numero);
    return l;
}

QList<int> fCasillasConFormato(Formato formato, bool visor)
{
    QList<int> l;
    for (const FilaCasilla &f : Tabla())
        if ((visor ? f.visor : f.carga) == formato)
            l.append(f.numero);
    return l;
}

const QList<int> &aCasillas()
{
    static const QList<int> l = [] {
        QList<int> r(Tabla().size());
        for (const FilaCasilla &f : Tabla())
            r[f.orden - 1] = f.numero;
        return r;
    }();
    return l;
}

bool esCasilla(int n)
{
    return fFila(n) != nullptr;
}

QString LetraCasilla(int n)
{
    static const QString letras = QStringLiteral("ANB0CDEFGHIJKLM");
    if (n < 500 || n > 514)
        return QString();
    return letras.mid(n - 500, 1);
}

QString fNombreCasilla(int n)
{
    const QString l = LetraCasilla(n);
    return l.isEmpty() ? QString::number(n) : l;
}

const QList<ParSigno> &ParesSigno()
{
    static const QList<ParSigno> l = {
        {106, 107}, {110, 111}, {116, 507}, {119, 509},
        {138, 139}, {334, 504}, {505, 338}, {341, 342},
    };
    return l;
}

Clase fClase(int n)
{
    const FilaCasilla *f = fFila(n);
    return f ? f->clase : Clase::Importe;
}

bool esAnexo(int n)
{
    const FilaCasilla *f = fFila(n);
    return f && f->inicio == Inicio::Anexo;
}

bool esResta(int n)
{
    const Clase c = fClase(n);
    return c == Clase::RestaDigitada || c == Clase::RestaCalculada;
}

bool esTextoSinFormato(int n)
{
    const FilaCasilla *f = fFila(n);
    return f && f->carga == Formato::Texto;
}

quint32 fColorInicial(int n)
{
    const FilaCasilla *f = fFila(n);
    if (!f)
        return Color::Blanco;
    switch (f->inicio) {
    case Inicio::Anexo: return Color::Cyan;
    case Inicio::Calculada:
    case Inicio::PorRespuesta: return Color::Gris;
    default: return Color::Blanco;
    }
}

bool fBloqueadaInicial(int n)
{
    const FilaCasilla *f = fFila(n);
    return f && f->inicio == Inicio::Calculada;
}

int fPagina(int n)
{
    const FilaCasilla *f = fFila(n);
    return f ? fUbicacion(f->seccion).pagina : 0;
}

int fMarco(int n)
{
    const FilaCasilla *f = fFila(n);
    return f ? fUbicacion(f->seccion).marco : -1;
}

QString fDescripcion(int n)
{
    const FilaCasilla *f = fFila(n);
    return f ? QString::fromUtf8(f->descripcion) : QString();
}

void pInicializar(ModeloCasillas &modelo)
{
    for (int n : aCasillas()) {
        modelo.agregar(n);
        modelo.setColor(n, fColorInicial(n));
        modelo.setBloqueada(n, fBloqueadaInicial(n));
        const Inicio i = fFila(n)->inicio;
        modelo.setHabilitada(n, i != Inicio::PorRespuesta && i != Inicio::PorLista);
    }
}

} // namespace ListaCasillas
