#include "shell/ui/consultas.h"
#include "platform/vbruntime.h"

#include <QSqlRecord>

QList<FilaFactor> fFactoresActualizacion(const Database &db, const QString &formulario)
{
    const QString sql = QStringLiteral(
        "SELECT substr(PERIODO, -2, 2) || substr(PERIODO, 1, 2) AS PERI, FACTOR FROM FAC"
        " WHERE FORMULARIO = ? COLLATE NOCASE AND substr(PERIODO, 1, 2) = ?"
        " AND CODTRI = ? COLLATE NOCASE ORDER BY PERIODO");
    QList<FilaFactor> filas;
    for (const QSqlRecord &r : db.select(sql, {formulario, QStringLiteral("98"), QStringLiteral("030301")})) {
        FilaFactor f;
        f.peri = r.value(QStringLiteral("PERI")).toString();
        f.factor = r.value(QStringLiteral("FACTOR")).toDouble();
        filas << f;
    }
    return filas;
}

QList<FilaBanco> fBancos(const Database &db)
{
    const QString sql = QStringLiteral(
        "SELECT substr(ARGUMENTO, 1, 2) AS codigo, substr(FUNCION, 1, 36) AS descrip FROM PARAM"
        " WHERE NUMERO = ? COLLATE NOCASE AND trim(ARGUMENTO) <> ? ORDER BY ARGUMENTO");
    QList<FilaBanco> filas;
    for (const QSqlRecord &r : db.select(sql, {QStringLiteral("004"), QStringLiteral("00")})) {
        FilaBanco b;
        b.codigo = r.value(QStringLiteral("codigo")).toString();
        b.descrip = r.value(QStringLiteral("descrip")).toString();
        filas << b;
    }
    return filas;
}

QString fTextoMes(const QString &peri)
{
    bool ok = false;
    const qlonglong n = peri.trimmed().toLongLong(&ok);
    if (!ok || n < 0)
        return peri;
    // Placeholders 0 # / 1 9 # #: four digits, the first forced.
    QString digitos = QString::number(n);
    if (digitos.size() < 4)
        digitos = digitos.rightJustified(4, QLatin1Char('0'));
    const QString mes = digitos.left(digitos.size() - 2);
    return mes + QStringLiteral("/19") + digitos.right(2);
}

QString fTextoFactor(double factor)
{
    // The grid shows the factor through the runtime's Format, so it rounds as
    // Format does (0.5005 -> ".501", where the bare double would give ".500").
    return vb::Format(factor, QStringLiteral("##.000"));
}

const QList<QPair<QString, QString>> &fTasasVigentes()
{
    static const QList<QPair<QString, QString>> tasas = {
        {QStringLiteral("   Con Convenio de Estabilidad"), QStringLiteral("variable")},
        {QStringLiteral("   Exonerados"), QStringLiteral("0 %")},
        {QStringLiteral("   Acogido a la ley de Promoción Agraria(F4888)"), QStringLiteral("15 %")},
        {QStringLiteral("   General"), QStringLiteral("30 %")},
    };
    return tasas;
}
