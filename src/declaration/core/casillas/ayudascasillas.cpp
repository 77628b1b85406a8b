#include "declaration/core/casillas/ayudascasillas.h"
#include <QList>

namespace AyudasCasillas {

namespace {

enum class Condicion { Siempre, IeanSi, IeanNo, IeanSiAnexoSi, IeanSiAnexoNo };

struct Fila {
    int casilla;
    Condicion condicion;
    QString linea1;
    QString linea2;
};

// Formula help of the computed boxes and the few typed ones that need a word.
const QList<Fila> &filas()
{
    static const QList<Fila> l = {
        {106, Condicion::Siempre, QStringLiteral("[Cas. 106] = [Cas. 100] - [Cas. 101] + [Cas. 103]"), QStringLiteral("                       - [Cas. 105]   (Si es negativo ‘0’)")},
        {107, Condicion::Siempre, QStringLiteral("[Cas. 107] = [Cas. 100] - [Cas. 101] + [Cas. 103]"), QStringLiteral("                       - [Cas. 105]   (Si es positivo ‘0’)")},
        {110, Condicion::Siempre, QStringLiteral("[Cas. 110] = [Cas. 106] - [Cas. 107] - [Cas. 108]"), QStringLiteral("(Si es negativo ‘0’)")},
        {111, Condicion::Siempre, QStringLiteral("[Cas. 111] = [Cas. 106] - [Cas. 107] + [Cas. 108]"), QStringLiteral("(Si es positivo ‘0’)")},
        {113, Condicion::Siempre, QStringLiteral("[Cas. 113] = [Cas. 110] x TASA%"), QString()},
        {114, Condicion::Siempre, QStringLiteral("Cas. 158 del formulario 170"), QString()},
        {122, Condicion::Siempre, QStringLiteral("Cas. 158 del formulario 170"), QString()},
        {115, Condicion::Siempre, QStringLiteral("Cas. 154 del formulario 170"), QString()},
        {116, Condicion::Siempre, QStringLiteral("[Cas. 116] = [Cas.  E ] - [Cas. 115]"), QStringLiteral("(Si el resultado es negativo)")},
        {117, Condicion::Siempre, QStringLiteral("Casilla con asistente, presione ENTER"), QString()},
        {120, Condicion::Siempre, QStringLiteral("Casilla con asistente, presione ENTER"), QString()},
        {128, Condicion::Siempre, QStringLiteral("Casilla con asistente, presione ENTER"), QString()},
        {131, Condicion::Siempre, QStringLiteral("Casilla con asistente, presione ENTER"), QString()},
        {119, Condicion::Siempre, QStringLiteral("[Cas. 119] = [Cas.  F ] - [Cas. 117]"), QStringLiteral("(Si el resultado es negativo)")},
        {138, Condicion::IeanSi, QStringLiteral("[Cas. 138] = [Cas.  I ] - [Cas. 127] - [Cas. 128] - [Cas. 129]"), QStringLiteral("(Si es positivo ‘0’)")},
        {138, Condicion::IeanNo, QStringLiteral("[Cas. 138] = [Cas.  L ] - [Cas. 133] - [Cas. 134]"), QStringLiteral("(Si es positivo ‘0’)")},
        {139, Condicion::IeanSi, QStringLiteral("[Cas. 139] = [Cas.  I ] - [Cas. 127] - [Cas. 128] - [Cas. 129]"), QStringLiteral("(Si es negativo ‘0’)")},
        {139, Condicion::IeanNo, QStringLiteral("[Cas. 139] = [Cas.  L ] - [Cas. 133] - [Cas. 134]"), QStringLiteral("(Si es negativo ‘0’)")},
        {146, Condicion::Siempre, QStringLiteral("[Cas. 146] = [Cas.  M ] - [Cas. 144] - [Cas. 145]"), QString()},
        {307, Condicion::Siempre, QStringLiteral("Si tiene saldos o créditos tributarios a su favor"), QStringLiteral("consígnelos en el rubro 'activo corriente'")},
        {334, Condicion::Siempre, QStringLiteral("[Cas. 334] = [Cas.  O ] - [Cas. 325] - [Cas. 326] + [Cas. 327]"), QStringLiteral("                      + [Cas. 329] -[Cas. 330] + [Cas. 332] - [Cas. 333]")},
        {338, Condicion::Siempre, QStringLiteral("[Cas. 338] = [Cas. 334] - [Cas.  C ] - [Cas. 337]"), QStringLiteral("(Si es positivo ‘0’)")},
        {341, Condicion::Siempre, QStringLiteral("[Cas. 341] = [Cas.  D ] - [Cas. 338] - [Cas. 340]"), QStringLiteral("(Si es negativo ‘0’)")},
        {342, Condicion::Siempre, QStringLiteral("[Cas. 342] = [Cas.  D ] - [Cas. 338] - [Cas. 340]"), QStringLiteral("(Si es positivo ‘0’)")},
        {500, Condicion::Siempre, QStringLiteral("[Cas.  A ] = [Cas. 300] + [Cas. 301] + [Cas. 302] + [Cas. 303]"), QString()},
        {501, Condicion::Siempre, QStringLiteral("[Cas.  N ] = [Cas. 306] + [Cas. 307] + [Cas. 308]"), QString()},
        {502, Condicion::Siempre, QStringLiteral("[Cas.  B ] = [Cas.  N ] + [Cas. 312] + [Cas. 313] + [Cas. 315]"), QStringLiteral("                      + [Cas. 316] - [Cas. 317] + [Cas. 318] - [Cas. 320]")},
        {503, Condicion::Siempre, QStringLiteral("[Cas.  O ] = [Cas. 321] - [Cas. 323]"), QString()},
        {504, Condicion::Siempre, QStringLiteral("[Cas.  C ] = [Cas.  O ] - [Cas. 325] - [Cas. 326] + [Cas. 327]"), QStringLiteral("                      + [Cas. 329] -[Cas. 330] + [Cas. 332] - [Cas. 333]")},
        {505, Condicion::Siempre, QStringLiteral("[Cas.  D ] = [Cas. 334] - [Cas.  C ] - [Cas. 337]"), QStringLiteral("(Si es negativo ‘0’)")},
        {506, Condicion::Siempre, QStringLiteral("[Cas.  E ] = [Cas. 113] - [Cas. 114]"), QStringLiteral("(Si es negativo ‘0’)")},
        {507, Condicion::Siempre, QStringLiteral("[Cas.  F ] = [Cas.  E ] - [Cas. 115]"), QStringLiteral("(Si el resultado es positivo)")},
        {508, Condicion::Siempre, QStringLiteral("[Cas.  G ] = [Cas. 113] - [Cas. 120]"), QStringLiteral("(Si es negativo ‘0’)")},
        {509, Condicion::IeanSiAnexoSi, QStringLiteral("[Cas.  H ] = [Cas.  G ] - [Cas. 122]"), QStringLiteral("(Si es negativo ‘0’)")},
        {509, Condicion::IeanSiAnexoNo, QStringLiteral("[Cas.  H ] = [Cas.  F ] - [Cas. 117]"), QStringLiteral("(Si el resultado es positivo)")},
        {510, Condicion::Siempre, QStringLiteral("[Cas.  I ] = [Cas.  H ] - [Cas. 123] - [Cas. 124] - [Cas. 125]"), QStringLiteral("(Si es negativo ‘0’)")},
        {511, Condicion::Siempre, QStringLiteral("[Cas.  J ] = [Cas. 113] - [Cas. 130]"), QStringLiteral("(Si es negativo ‘0’)")},
        {512, Condicion::Siempre, QStringLiteral("[Cas.  K ] = [Cas.  J ] - [Cas. 131]"), QString()},
        {513, Condicion::Siempre, QStringLiteral("[Cas.  L ] = [Cas.  K ] - [Cas. 132]"), QStringLiteral("(Si es negativo ‘0’)")},
        {514, Condicion::Siempre, QStringLiteral("[Cas.  M ] = [Cas. 139] + [Cas. 140] + [Cas. 141]"), QString()},
    };
    return l;
}

bool cumple(Condicion c, const QString &iean, const QString &anexo)
{
    const bool ieanSi = iean == QLatin1String("1"), ieanNo = iean == QLatin1String("0");
    const bool anexoSi = anexo == QLatin1String("1"), anexoNo = anexo == QLatin1String("0");
    switch (c) {
    case Condicion::Siempre: return true;
    case Condicion::IeanSi: return ieanSi;
    case Condicion::IeanNo: return ieanNo;
    case Condicion::IeanSiAnexoSi: return ieanSi && anexoSi;
    case Condicion::IeanSiAnexoNo: return ieanSi && anexoNo;
    }
    return false;
}

} // namespace

std::optional<Ayuda> fAyudaCasilla(int n, const QString &optIEAN, const QString &optAnexo)
{
    bool tieneFormula = false;
    for (const Fila &f : filas()) {
        if (f.casilla != n)
            continue;
        tieneFormula = true;
        if (cumple(f.condicion, optIEAN, optAnexo))
            return Ayuda{f.linea1, f.linea2, AzulOscuro};
    }
    // A box whose formula depends on answers not given keeps the lines shown.
    if (tieneFormula)
        return std::nullopt;
    return Ayuda{AyudaGeneral, QString(), Negro};
}

} // namespace AyudasCasillas
