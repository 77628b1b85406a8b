#pragma once
// A print engine stand-in for the page tests: it keeps every command the
// layouts hand over and gives them back as print-script lines.
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
