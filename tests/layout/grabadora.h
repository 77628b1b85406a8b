#pragma once
// A print engine stand-in for the page tests: it keeps every command the
// layouts hand over and gives them back as print-script lines; and what the
// page tests look for in those lines.
#include "printing/core/lineaguion.h"
#include "printing/core/salidaimpresion.h"
#include <QList>
#include <QStringList>

class Grabadora : public SalidaImpresion {
public:
    void pImpritext(const QVariantList &sComando) override { comandos.append(sComando); }

    // The script lines of the commands kept so far, in order.
    QStringList lineas() const
    {
        QStringList l;
        for (const QVariantList &c : comandos)
            l += fLineasGuion(c);
        return l;
    }

    QList<QVariantList> comandos;
};

// The line of the text placed at (x, y), or "" when there is none.
inline QString lineaEn(const QStringList &lineas, int x, int y)
{
    const QString prefijo = QStringLiteral("pPos|%1|%2|").arg(x).arg(y);
    for (const QString &l : lineas)
        if (l.startsWith(prefijo))
            return l;
    return QString();
}

inline QString blancos(int n)
{
    return QString(n, QLatin1Char(' '));
}
