#include "declaration/core/casillas/formatoimporte.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "platform/vbruntime.h"
#include <cmath>

namespace FormatoImporte {

using ListaCasillas::Clase;

double fImporte(const QString &texto)
{
    const QString t = vb::Format(texto, Entrada);
    if (vb::IsNumeric(t))
        return vb::CDbl(t);
    return vb::Val(t);
}

double fImporteAbs(const QString &texto)
{
    return std::fabs(fImporte(texto));
}

namespace {

// Absolute value as plain digits ("0" for zero or an empty text).
QString digitosAbs(const QString &texto)
{
    return vb::Format(fImporteAbs(texto), Entrada);
}

} // namespace

std::optional<Cambio> fAlEntrar(int n, const QString &texto, bool habilitada, bool bloqueada)
{
    if (bloqueada)
        return std::nullopt;
    if (!habilitada)
        return Cambio{13, vb::Format(texto, QStringLiteral("#############"))};

    switch (ListaCasillas::fClase(n)) {
    case Clase::Importe:
        return Cambio{12, vb::Format(texto, Entrada)};
    case Clase::Tasa113:
        return Cambio{17, vb::Format(texto, Entrada)};
    case Clase::RestaDigitada: {
        const int largo = ListaCasillas::esAnexo(n) ? 17 : 12;
        if (vb::Trim(texto).isEmpty())
            return Cambio{largo, texto};
        // A text that reads as no number is left as it is.
        if (!vb::IsNumeric(texto))
            return Cambio{largo, texto};
        return Cambio{largo, digitosAbs(texto)};
    }
    case Clase::RestaCalculada:
        return Cambio{12, digitosAbs(texto)};
    case Clase::Codigo:
        return Cambio{11, vb::Format(texto, Codigo)};
    case Clase::TextoLibre:
        return Cambio{12, texto};
    case Clase::Respuesta137:
        return Cambio{1, texto};
    }
    return std::nullopt;
}

std::optional<Cambio> fAlSalir(int n, const QString &texto, bool habilitada, bool bloqueada, const Salida &s)
{
    if (bloqueada)
        return std::nullopt;
    if (!habilitada)
        return Cambio{18, vb::Format(texto, ConSigno)};

    if (n == 138)
        return Cambio{17, vb::Format(fImporteAbs(texto), Restada)};

    switch (ListaCasillas::fClase(n)) {
    case Clase::Importe:
    case Clase::Tasa113:
    case Clase::Respuesta137:
        return Cambio{15, vb::Format(texto, Pantalla)};
    case Clase::RestaDigitada:
    case Clase::RestaCalculada:
        if (vb::Trim(texto).isEmpty())
            return Cambio{17, texto};
        if (s.restaPorVal)
            return Cambio{17, vb::Format(vb::Val(texto), Restada)};
        return Cambio{17, vb::Format(texto, Restada)};
    case Clase::Codigo:
        return Cambio{s.largoCodigo, vb::Format(texto, Codigo)};
    case Clase::TextoLibre:
        return std::nullopt;
    }
    return std::nullopt;
}

namespace {

void aplicar(ModeloCasillas &m, int n, const std::optional<Cambio> &c)
{
    if (!c)
        return;
    m.setMaxLength(n, c->maxLength);
    m.setTexto(n, c->texto);
}

} // namespace

void pAlEntrar(ModeloCasillas &m, int n)
{
    aplicar(m, n, fAlEntrar(n, m.texto(n), m.habilitada(n), m.bloqueada(n)));
}

void pAlSalir(ModeloCasillas &m, int n, const Salida &s)
{
    aplicar(m, n, fAlSalir(n, m.texto(n), m.habilitada(n), m.bloqueada(n), s));
}

} // namespace FormatoImporte
