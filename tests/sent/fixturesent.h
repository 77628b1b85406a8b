#pragma once
// A host folder whose database holds the sends of tests/fixtures/sent/envios.sql,
// opened into gdbBase for USUARIO1, form 0951 of 1998.
#include "../support/testdb.h"
#include "shell/core/modglobal.h"
#include <QFile>
#include <QSqlRecord>
#include <QStringList>
#include <memory>

namespace fixturesent {

inline const QString kAndina = QStringLiteral("20100066603");
inline const QString kSur = QStringLiteral("20456123784");

// The statements of a script, each ended by ';' at the end of a line;
// "--" lines are comments.
inline QStringList sentencias(const QString &texto)
{
    QStringList r;
    QString actual;
    for (const QString &linea : texto.split(QLatin1Char('\n'))) {
        if (linea.trimmed().startsWith(QLatin1String("--")))
            continue;
        actual += linea + QLatin1Char('\n');
        if (linea.trimmed().endsWith(QLatin1Char(';'))) {
            r << actual.trimmed();
            actual.clear();
        }
    }
    return r;
}

inline bool ejecutarScript(Database &db, const QString &nombre)
{
    QFile f(QStringLiteral(QX_FIXTURES "/sent/") + nombre);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    for (const QString &s : sentencias(QString::fromUtf8(f.readAll())))
        db.exec(s);
    return true;
}

inline bool iniciar(std::unique_ptr<testdb::Entorno> &env)
{
    env = std::make_unique<testdb::Entorno>();
    if (!env->valido())
        return false;
    gdbBase = env->abrir();
    gsUsuario = QStringLiteral("USUARIO1");
    gsPeriodo = QStringLiteral("1998");
    gsFormulario = QStringLiteral("0951");
    gsCorrel.clear();
    giModoEnviada = 1;
    return ejecutarScript(*gdbBase, QStringLiteral("envios.sql"));
}

inline void terminar(std::unique_ptr<testdb::Entorno> &env)
{
    gdbBase.reset();
    env.reset();
}

// Rows of a table as "col|col|..." texts (quote() keeps NULL apart), in
// stored order.
inline QStringList filas(const QString &tabla, const QString &columnas = QStringLiteral("DOC_ID_D, CORREL"))
{
    QStringList quoted;
    for (const QString &c : columnas.split(QLatin1Char(',')))
        quoted << QStringLiteral("quote(%1)").arg(c.trimmed());
    QStringList r;
    for (const QSqlRecord &f : gdbBase->select(QStringLiteral("SELECT ") + quoted.join(QStringLiteral(" || '|' || "))
                                                 + QStringLiteral(" FROM ") + tabla + QStringLiteral(" ORDER BY rowid")))
        r << f.value(0).toString();
    return r;
}

} // namespace fixturesent
