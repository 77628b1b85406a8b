#include "declaration/core/calculos/anexosumas.h"
#include "declaration/core/calculos/calculos.h"
#include "declaration/core/calculos/calculosimporte.h"
#include "platform/database.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include <QSqlRecord>

namespace {
const char *const kNombres[kColumnasAnexo] = {"saluti", "compen", "otrcre", "pago_r", "pago_iean_r", "pago_iean"};

DefinicionAnexo definicion(int desde, int hasta, const char *codTri, const char *tipo,
                    QVector<QPair<ColumnaAnexo, int>> cols, bool negativoACero, bool mesesEnCero)
{
    DefinicionAnexo d;
    d.primerMes = desde;
    d.ultimoMes = hasta;
    d.codTri = QString::fromLatin1(codTri);
    d.tipoAsist = QString::fromLatin1(tipo);
    d.tipoPorOpciones = d.tipoAsist.isEmpty();
    d.columnas = std::move(cols);
    d.negativoACero = negativoACero;
    d.mesesEnCero = mesesEnCero;
    return d;
}

QString texto(const QVariant &v) { return v.isNull() ? QString() : v.toString(); }
} // namespace

DefinicionesAnexo DefinicionesAnexo::declaracion()
{
    using C = ColumnaAnexo;
    DefinicionesAnexo d;
    d[SumaAnexo::S128_131] = definicion(1, 15, "030301", "",
        {{C::Saluti, 1}, {C::Compen, 1}, {C::Otrcre, 1}, {C::PagoR, 1}}, true, false);
    d[SumaAnexo::S128A_131A] = definicion(1, 15, "030301", "1",
        {{C::Saluti, 1}, {C::Compen, 1}, {C::Otrcre, 1}, {C::PagoR, 1}, {C::PagoIeanR, -1}}, true, false);
    d[SumaAnexo::S120] = definicion(4, 12, "030304", "1", {{C::PagoIeanR, 1}}, false, false);
    d[SumaAnexo::S117] = definicion(4, 12, "030304", "2", {{C::PagoIean, 1}}, false, true);
    return d;
}

DefinicionesAnexo DefinicionesAnexo::enviada()
{
    DefinicionesAnexo d = declaracion();
    d[SumaAnexo::S120].columnas = {{ColumnaAnexo::PagoIeanR, 1}, {ColumnaAnexo::PagoIean, 1}};
    return d;
}

namespace anexos {

QString perPag(int mes, const QString &periodo)
{
    const int mm = mes <= 12 ? mes : mes - 12;
    return (mes <= 12 ? periodo : QStringLiteral("1999")) + vb::Format(double(mm), QStringLiteral("00"));
}

QString columna(ColumnaAnexo c)
{
    return QString::fromLatin1(kNombres[int(c)]);
}

QString periodoFac(int mes)
{
    const int mm = mes <= 12 ? mes : mes - 12;
    return (mes <= 12 ? QStringLiteral("98") : QStringLiteral("99")) + vb::Format(double(mm), QStringLiteral("00"));
}

double total(FuenteAnexos &fuente, const QString &ruc, const EntradaSuma &e)
{
    const DefinicionAnexo &d = *e.def;
    QHash<QString, double> factores;
    if (e.aplicaFactores)
        factores = fuente.factores(d.codTri);
    QHash<QString, const FilaAnexo *> primera;
    const QList<FilaAnexo> filas = fuente.filas(ruc, e.tipoAsist);
    for (const FilaAnexo &f : filas)
        if (!primera.contains(f.perPag))
            primera.insert(f.perPag, &f);

    double suma = 0;
    for (int mes = d.primerMes; mes <= d.ultimoMes; ++mes) {
        // While the factors apply, a month without a FAC row counts nothing.
        const double factor = e.aplicaFactores ? factores.value(periodoFac(mes), 0.0) : 1.0;
        QString textoMes = d.mesesEnCero ? QStringLiteral("0") : QString();
        if (const FilaAnexo *f = primera.value(perPag(mes, e.periodo), nullptr)) {
            double monto = 0;
            for (const auto &c : d.columnas)
                monto += c.second * importe::leer(f->monto(c.first));
            // Each month is rounded to whole soles before the sum.
            textoMes = importe::pantalla(monto * factor);
        }
        suma += importe::leer(textoMes);
    }
    if (d.negativoACero && suma < 0)
        suma = 0;
    return suma;
}

} // namespace anexos

QList<FilaAnexo> FuenteAnexosBd::filas(const QString &ruc, const QString &tipoAsist)
{
    QList<FilaAnexo> res;
    if (!gdbBase)
        return res;
    QString sql = QStringLiteral(
        "SELECT PER_PAG, SALUTI, COMPEN, OTRCRE, PAGO_R, PAGO_IEAN_R, PAGO_IEAN FROM %1"
        " WHERE DOC_ID_D=? COLLATE NOCASE AND TIP_DOC_D=6 AND PERIODO=? COLLATE NOCASE"
        " AND FORMULARIO=? COLLATE NOCASE AND TIPO_ASIST=? COLLATE NOCASE")
        .arg(m_enviada ? QStringLiteral("HACTA") : QStringLiteral("ACTA"));
    QVariantList params{ruc, gsPeriodo, gsFormulario, tipoAsist};
    if (m_enviada) {
        sql += QStringLiteral(" AND CORREL=? COLLATE NOCASE");
        params << gsCorrel;
    }
    sql += QStringLiteral(" ORDER BY rowid");
    const QList<QSqlRecord> rows = gdbBase->select(sql, params);
    res.reserve(rows.size());
    for (const QSqlRecord &r : rows) {
        FilaAnexo f;
        f.perPag = texto(r.value(0));
        for (int i = 0; i < kColumnasAnexo; ++i)
            f.montos[i] = texto(r.value(i + 1));
        res.append(f);
    }
    return res;
}

QHash<QString, double> FuenteAnexosBd::factores(const QString &codTri)
{
    QHash<QString, double> res;
    if (!gdbBase)
        return res;
    const QList<QSqlRecord> rows = gdbBase->select(
        QStringLiteral("SELECT PERIODO, FACTOR FROM FAC WHERE FORMULARIO=? COLLATE NOCASE"
                       " AND CODTRI=? COLLATE NOCASE ORDER BY rowid"),
        {gsFormulario, codTri});
    for (const QSqlRecord &r : rows) {
        const QString periodo = texto(r.value(0));
        // A Null factor counts as a missing row: the month adds nothing.
        if (!res.contains(periodo))
            res.insert(periodo, r.value(1).isNull() ? 0.0 : r.value(1).toDouble());
    }
    return res;
}

// --- the four box procedures --------------------------------------------

bool CalculosDeclaracion::factoresAplican() const
{
    return v(332) > 0 || a(333) != 0;
}

void CalculosDeclaracion::sumaAnexo(SumaAnexo s, int casilla)
{
    const DefinicionAnexo &d = m_ctx.anexos[s];
    QString tipo = d.tipoAsist;
    if (d.tipoPorOpciones) {
        if (optIeanSi() && optAnexoNo())
            tipo = QStringLiteral("2");
        else if (optIeanNo())
            tipo = QStringLiteral("3");
        else
            tipo.clear();
    }
    double t = 0;
    if (m_ctx.fuente) {
        anexos::EntradaSuma e{&d, tipo, factoresAplican(), gsPeriodo};
        t = anexos::total(*m_ctx.fuente, m_ctx.rucAnexo(m, casilla), e);
    }
    poner(casilla, importe::parentesis(t));
}

void CalculosDeclaracion::Calcular128_131(int casilla) { sumaAnexo(SumaAnexo::S128_131, casilla); }
void CalculosDeclaracion::Calcular128A_131A(int casilla) { sumaAnexo(SumaAnexo::S128A_131A, casilla); }
void CalculosDeclaracion::Calcular120() { sumaAnexo(SumaAnexo::S120, 120); }
void CalculosDeclaracion::Calcular117() { sumaAnexo(SumaAnexo::S117, 117); }
