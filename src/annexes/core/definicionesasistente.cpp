#include "annexes/core/definicionesasistente.h"

namespace {

using C = ColumnaAnexo;
using T = TerminoAsistente;

constexpr int col(C c) { return int(c); }

DefinicionAsistente tabla(const char *casilla, int desde, int hasta, const char *tipo, const char *codTri)
{
    DefinicionAsistente d;
    d.casilla = QString::fromLatin1(casilla);
    d.primerMes = desde;
    d.ultimoMes = hasta;
    d.tipoAsist = QString::fromLatin1(tipo);
    d.codTri = QString::fromLatin1(codTri);
    return d;
}

// Boxes 117 and 120: one typed amount a month and its updated amount.
DefinicionAsistente ieanMensual(const char *casilla, const char *tipo, const char *control, C acta)
{
    DefinicionAsistente d = tabla(casilla, 4, 12, tipo, "030304");
    d.columnas = {{QString::fromLatin1(control), true, col(acta)}, {QStringLiteral("TxtActual")}};
    d.cadena = {{1, {{T::Celda, 0, 1}}, true}};
    d.columnaActual = 1;
    return d;
}

// The four typed columns of the payments on account, in their load order.
QVector<ColumnaAsistente> pagosACuenta()
{
    return {{QStringLiteral("TxtUtilSaldo"), true, col(C::Saluti)},
            {QStringLiteral("TxtCompen"), true, col(C::Compen)},
            {QStringLiteral("TxtOtrosCred"), true, col(C::Otrcre)},
            {QStringLiteral("TxtPagos"), true, col(C::PagoR)}};
}

const QVector<T> kSumaTecleadas = {{T::Celda, 0, 1}, {T::Celda, 1, 1}, {T::Celda, 2, 1}, {T::Celda, 3, 1}};

DefinicionAsistente pagos(const char *casilla, const char *tipo)
{
    DefinicionAsistente d = tabla(casilla, 1, 15, tipo, "030301");
    d.columnas = pagosACuenta();
    d.totalNegativoACero = true;
    return d;
}

} // namespace

const DefinicionAsistente &DefinicionAsistente::anexo117()
{
    static const DefinicionAsistente d = [] {
        DefinicionAsistente a = ieanMensual("117", "2", "TxtMonto", C::PagoIean);
        a.factorDeLaDeclaracion = true;
        return a;
    }();
    return d;
}

const DefinicionAsistente &DefinicionAsistente::anexo120()
{
    static const DefinicionAsistente d = ieanMensual("120", "1", "TxtMontoIEAN", C::PagoIeanR);
    return d;
}

const DefinicionAsistente &DefinicionAsistente::anexo131()
{
    static const DefinicionAsistente d = [] {
        DefinicionAsistente a = pagos("", "");
        a.columnas << ColumnaAsistente{QStringLiteral("TxtTotal")} << ColumnaAsistente{QStringLiteral("TxtActual")};
        // Row total, then the total brought up to date.
        a.cadena = {{4, kSumaTecleadas, false}, {5, {{T::Celda, 4, 1}}, true}};
        a.columnaActual = 5;
        return a;
    }();
    return d;
}

const DefinicionAsistente &DefinicionAsistente::anexo131A()
{
    static const DefinicionAsistente d = [] {
        DefinicionAsistente a = pagos("128", "1");
        // The IEAN column shows what the box-120 calculator stored; this
        // window never writes it.
        a.columnas << ColumnaAsistente{QStringLiteral("TxtTotal")}
                   << ColumnaAsistente{QStringLiteral("TxtMontoIEAN"), false, col(C::PagoIeanR)}
                   << ColumnaAsistente{QStringLiteral("TxtMontoNoIEAN")}
                   << ColumnaAsistente{QStringLiteral("TxtActual")};
        // Each step reads the shown text of the one before it.
        a.cadena = {{4, kSumaTecleadas, false},
                    {5, {{T::Iean, 0, 1}}, false},
                    {6, {{T::Celda, 4, 1}, {T::Iean, 0, -1}}, false},
                    {7, {{T::Celda, 6, 1}}, true}};
        // A loaded row's amount not used comes from its stored columns, the
        // IEAN of January to March 1998 included.
        a.alCargar = {{6, {{T::Guardado, col(C::Saluti), 1}, {T::Guardado, col(C::Compen), 1},
                           {T::Guardado, col(C::Otrcre), 1}, {T::Guardado, col(C::PagoR), 1},
                           {T::Guardado, col(C::PagoIeanR), -1}}, false},
                      {7, {{T::Celda, 6, 1}}, true}};
        a.columnaActual = 7;
        a.primerMesIean = 4;
        a.mensajeGrabado = QStringLiteral("Todo se grabo correctameta");
        return a;
    }();
    return d;
}

QString fTipoAsistPorRespuestas(const QString &optIEAN, const QString &optAnexo)
{
    if (optIEAN == QLatin1String("1") && optAnexo == QLatin1String("0"))
        return QStringLiteral("2");
    if (optIEAN == QLatin1String("0"))
        return QStringLiteral("3");
    return QString();
}
