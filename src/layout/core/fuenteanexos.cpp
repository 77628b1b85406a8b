#include "layout/core/fuenteanexos.h"
#include "platform/database.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"

namespace {

const QString kImporte = QStringLiteral("#,###,###,##0");

// The amount columns of an annex row and the month texts they become.
const struct {
    const char *clave;
    const char *columna;
} kColumnas[] = {
    {"aSaluti", "saluti"},   {"aCompen", "compen"},         {"aOtrcre", "otrcre"},
    {"aPagoR", "pago_r"},    {"aPagoIEANR", "pago_iean_r"}, {"aPagoIEAN", "pago_iean"},
};

// A kept text as a whole number: its separators dropped; empty or blank is 0.
double fNumero(const QString &t)
{
    return vb::Val(vb::Format(t, QStringLiteral("#########0")));
}

// A Null column reads as blank instead of stopping the run.
QString fColumna(const QSqlRecord &fila, const char *columna)
{
    const QVariant v = fila.value(QLatin1String(columna));
    return v.isNull() ? QString() : vb::CStr(v);
}

double fFactor(const QSqlRecord &fila)
{
    const QVariant v = fila.value(QStringLiteral("FACTOR"));
    return v.isNull() ? 0 : v.toDouble();
}

// Months 1 to 12 are the period's; 13 to 15 January to March of 1999.
QString fPerPag(int i)
{
    const QString anio = i <= 12 ? gsPeriodo : QStringLiteral("1999");
    return anio + vb::Format(double(i <= 12 ? i : i - 12), QStringLiteral("00"));
}

std::optional<QSqlRecord> fFilaMes(const DatosImpresion &d, const QString &ruc, int i, Database &db)
{
    QString sql = d.bGl_recti ? QStringLiteral("SELECT * FROM HACTA") : QStringLiteral("SELECT * FROM ACTA");
    sql += QStringLiteral(" WHERE DOC_ID_D=? AND TIP_DOC_D=? AND PERIODO=? AND FORMULARIO=?");
    QVariantList valores{ruc, 6, gsPeriodo, gsFormulario};
    if (d.bGl_recti) {
        sql += QStringLiteral(" AND CORREL=?");
        valores << d.sCORREL;
    }
    sql += QStringLiteral(" AND PER_PAG=?");
    valores << fPerPag(i);
    gsSql = sql;
    const QList<QSqlRecord> filas = db.select(sql, valores);
    if (filas.isEmpty())
        return std::nullopt;
    return filas.first();
}

QString fEtiquetaMes(int i)
{
    return vb::Format(double(i <= 12 ? i : i - 12), QStringLiteral("#00"))
         + (i <= 12 ? QStringLiteral(" - 98") : QStringLiteral(" - 99"));
}

} // namespace

QString FuenteTablaAnexo::valor(const QString &clave, int indice) const
{
    if (clave == QLatin1String("mes"))
        return fEtiquetaMes(indice);
    if (clave == QLatin1String("mesConBlancos"))
        return QLatin1Char(' ') + fEtiquetaMes(indice) + QLatin1Char(' ');
    if (clave == QLatin1String("dTotalAnexo"))
        return vb::Format(dTotalAnexo, kImporte);
    return aTextos.value(clave).value(indice);
}

MesesAnexo fLeerMesesAnexo(const CargaAnexo &carga, const DatosImpresion &d, Database &db)
{
    MesesAnexo meses(16);
    const QString ruc = carga.bRucRecortado ? vb::Trim(d.sRuc) : d.sRuc;
    for (int i = carga.desde; i <= carga.hasta; ++i)
        meses[i] = fFilaMes(d, ruc, i, db);
    return meses;
}

void pLeerAnexos(const QString &xAnexos, DatosImpresion &d, Database &db)
{
    QVector<MesesAnexo> tablas;
    for (const TablaAnexo *tabla : fTablasAnexo(xAnexos))
        tablas.append(fLeerMesesAnexo(tabla->carga, d, db));
    d.aMesesAnexo = tablas;
    d.sAnexosLeidos = xAnexos;
}

FuenteTablaAnexo fCargarAnexo(const CargaAnexo &carga, const MesesAnexo &meses)
{
    FuenteTablaAnexo f;
    auto &t = f.aTextos;
    for (const auto &c : kColumnas)
        t[QLatin1String(c.clave)] = QVector<QString>(16);
    for (const char *clave : {"aTotalMes", "aNoIEAN", "aActualizado"})
        t[QLatin1String(clave)] = QVector<QString>(16);
    auto numero = [&t](const char *clave, int i) { return fNumero(t[QLatin1String(clave)][i]); };

    for (int i = carga.desde; i <= carga.hasta; ++i) {
        const std::optional<QSqlRecord> fila = meses.value(i);
        if (fila)
            for (const auto &c : kColumnas)
                t[QLatin1String(c.clave)][i] = vb::Format(fColumna(*fila, c.columna), kImporte);
        const double cuatro = numero("aSaluti", i) + numero("aCompen", i) + numero("aOtrcre", i) + numero("aPagoR", i);
        t[QStringLiteral("aTotalMes")][i] = vb::Format(cuatro, kImporte);
        if (fila)
            t[QStringLiteral("aNoIEAN")][i] = vb::Format(cuatro - numero("aPagoIEANR", i), kImporte);
        if (fila || !carga.bVacioSinFila) {
            const double factor = fila ? fFactor(*fila) : 0;
            t[QStringLiteral("aActualizado")][i] = vb::Format(fNumero(t[carga.sBase][i]) * factor, kImporte);
        }
        f.dTotalAnexo += numero("aActualizado", i);
    }
    if (carga.bTotalSinNegativo && f.dTotalAnexo < 0)
        f.dTotalAnexo = 0;
    return f;
}
