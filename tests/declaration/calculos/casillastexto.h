#pragma once
// Declarations written as short texts in the test tables:
// "300=10,000;301=(500)" for boxes, "OptIEAN=1;sIEAN=" for answer fields.
#include "declaration/core/casillas/modelocasillas.h"
#include <QStringList>

namespace casillastexto {

inline QList<QPair<QString, QString>> pares(const QString &texto)
{
    QList<QPair<QString, QString>> res;
    for (const QString &par : texto.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int i = par.indexOf(QLatin1Char('='));
        res.append({par.left(i).trimmed(), par.mid(i + 1)});
    }
    return res;
}

inline void cargar(ModeloCasillas &m, const QString &casillas, const QString &campos = QString())
{
    for (const auto &p : pares(campos))
        m.setCampo(p.first, p.second);
    for (const auto &p : pares(casillas))
        m.setTexto(p.first.toInt(), p.second);
}

// "" when every box holds its expected text, else the differences.
inline QString comparar(const ModeloCasillas &m, const QString &esperado)
{
    QStringList dif;
    for (const auto &p : pares(esperado)) {
        const QString real = m.texto(p.first.toInt());
        if (real != p.second)
            dif << QStringLiteral("%1: \"%2\" (expected \"%3\")").arg(p.first, real, p.second);
    }
    return dif.join(QStringLiteral("; "));
}

} // namespace casillastexto
