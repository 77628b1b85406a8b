#pragma once
// Rows for the annex tests: the update factors and the sent rows of
// tests/fixtures/annexes, annex rows written as the other writers leave them,
// and the stored rows read back in one line each.
#include "platform/database.h"
#include <QFile>
#include <QSqlRecord>
#include <QStringList>

namespace comunanexos {

inline const QString kRuc = QStringLiteral("20100070970");

// Non-comment, non-blank lines of a fixture, split at blanks.
inline QList<QStringList> lineas(const QString &nombre)
{
    QList<QStringList> l;
    QFile f(QStringLiteral(QX_FIXTURES "/annexes/") + nombre);
    if (!f.open(QIODevice::ReadOnly))
        return l;
    for (const QString &linea : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (linea.trimmed().isEmpty() || linea.startsWith(QLatin1Char('#')))
            continue;
        l << linea.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    return l;
}

// FAC of fac.txt; the number of rows.
inline int cargarFac(Database &db)
{
    int n = 0;
    for (const QStringList &p : lineas(QStringLiteral("fac.txt"))) {
        db.exec(QStringLiteral("INSERT INTO FAC (FORMULARIO, PERIODO, CODTRI, FACTOR) VALUES ('0951', ?, ?, ?)"),
                {p[0], p[1], p[2].toDouble()});
        ++n;
    }
    return n;
}

// "column=value" pairs: '_' one blank, '~' no value (Null).
inline void agregarMontos(QStringList &columnas, QVariantList &valores, const QStringList &pares)
{
    for (const QString &par : pares) {
        const QString v = par.section(QLatin1Char('='), 1);
        columnas << par.section(QLatin1Char('='), 0, 0);
        valores << (v == QLatin1String("~") ? QVariant() : v == QLatin1String("_") ? QVariant(QStringLiteral(" ")) : QVariant(v));
    }
}

// An ACTA row with the given amounts, the rest of its columns without value
// (as the declaration window's save or another calculator leaves them).
inline void insertarActa(Database &db, const QString &perPag, const QString &tipo, const QStringList &montos,
                         const QString &ruc = kRuc)
{
    QStringList columnas{QStringLiteral("DOC_ID_D"), QStringLiteral("TIP_DOC_D"), QStringLiteral("PERIODO"),
                         QStringLiteral("FORMULARIO"), QStringLiteral("per_pag"), QStringLiteral("tipo_asist")};
    QVariantList valores{ruc, 6, QStringLiteral("1998"), QStringLiteral("0951"), perPag, tipo};
    agregarMontos(columnas, valores, montos);
    db.exec(QStringLiteral("INSERT INTO ACTA (%1) VALUES (%2)")
                .arg(columnas.join(QLatin1Char(',')), QStringList(QList<QString>(columnas.size(), QStringLiteral("?"))).join(QLatin1Char(','))),
            valores);
}

// HACTA of hacta.txt; the number of rows.
inline int cargarHacta(Database &db)
{
    int n = 0;
    for (const QStringList &p : lineas(QStringLiteral("hacta.txt"))) {
        QStringList columnas{QStringLiteral("DOC_ID_D"), QStringLiteral("TIP_DOC_D"), QStringLiteral("PERIODO"),
                             QStringLiteral("FORMULARIO"), QStringLiteral("CORREL"), QStringLiteral("per_pag"),
                             QStringLiteral("tipo_asist")};
        QVariantList valores{p[0], 6, QStringLiteral("1998"), QStringLiteral("0951"), p[1], p[2], p[3]};
        agregarMontos(columnas, valores, p.mid(4));
        db.exec(QStringLiteral("INSERT INTO HACTA (%1) VALUES (%2)")
                    .arg(columnas.join(QLatin1Char(',')), QStringList(QList<QString>(columnas.size(), QStringLiteral("?"))).join(QLatin1Char(','))),
                valores);
        ++n;
    }
    return n;
}

inline QString texto(const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("~");
    return v.toString() == QLatin1String(" ") ? QStringLiteral("_") : v.toString();
}

// The annex rows of a declaration, by type and month:
// "tipo per_pag saluti compen otrcre pago_r pago_iean_r pago_iean FACTOR cNumero".
inline QStringList filasActa(const Database &db, const QString &tabla = QStringLiteral("ACTA"), const QString &ruc = kRuc)
{
    QStringList l;
    for (const QSqlRecord &r : db.select(QStringLiteral("SELECT tipo_asist, per_pag, saluti, compen, otrcre, pago_r, pago_iean_r,"
                                                        " pago_iean, FACTOR, cNumero FROM ") + tabla
                                             + QStringLiteral(" WHERE DOC_ID_D=? ORDER BY tipo_asist, per_pag, rowid"),
                                         {ruc})) {
        QStringList c;
        for (int i = 0; i < r.count(); ++i)
            c << texto(r.value(i));
        l << c.join(QLatin1Char(' '));
    }
    return l;
}

} // namespace comunanexos
