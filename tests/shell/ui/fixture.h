#pragma once
// Runs the statements of a fixture file (one per line, "--" comments) on a test database.
#include "platform/database.h"
#include <QFile>
#include <QString>

inline bool cargarFixture(Database &db, const QString &nombre)
{
    QFile f(QStringLiteral(QX_FIXTURES "/shell_ui/") + nombre);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    for (const QString &linea : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QString s = linea.trimmed();
        if (!s.isEmpty() && !s.startsWith(QLatin1String("--")))
            db.exec(s);
    }
    return true;
}
