#pragma once
// The declarations of the page tests: tests/fixtures/pages/<name>.det holds
// "@variable value" lines for what the opener and the payment header give
// and "code i_valor" lines as the DET rows hold them. They are read into a
// DatosImpresion by the print run's own data loading.
#include "layout/core/consulta.h"
#include "layout/core/datosimpresion.h"
#include "platform/textfile.h"
#include <QString>
#include <QStringList>

namespace declaracionprueba {

inline QString ruta(const QString &nombre)
{
    return QStringLiteral(QX_FIXTURES "/pages/") + nombre;
}

inline DatosImpresion leer(const QString &nombre)
{
    DatosImpresion d;
    QStringList lineas;
    textfile::readLines(ruta(nombre + QStringLiteral(".det")), &lineas);
    QString bcolibrad, nrocheque;
    QList<QPair<int, QString>> filas;
    for (const QString &l : lineas) {
        if (l.isEmpty() || l.startsWith(QLatin1Char('#')))
            continue;
        const int sp = l.indexOf(QLatin1Char(' '));
        const QString clave = l.left(sp);
        const QString valor = sp < 0 ? QString() : l.mid(sp + 1);
        if (clave.startsWith(QLatin1Char('@'))) {
            const QString v = clave.mid(1);
            if (v == "sRuc") d.sRuc = valor;
            else if (v == "sRaSoc") d.sRaSoc = valor;
            else if (v == "bGl_recti") d.bGl_recti = valor == "1";
            else if (v == "sCORREL") d.sCORREL = valor;
            else if (v == "sNOrdenR") d.sNOrdenR = valor;
            else if (v == "sControl") d.sControl = valor;
            else if (v == "bcolibrad") bcolibrad = valor;
            else if (v == "nrocheque") nrocheque = valor;
            continue;
        }
        filas.append({clave.toInt(), valor});
    }
    pLlenarCasillas(d, filas);
    if (!bcolibrad.isEmpty() && bcolibrad != QLatin1String(" ")) {
        d.sCodigoBanco = bcolibrad;
        d.sNumeroCheque = nrocheque;
    }
    return d;
}

} // namespace declaracionprueba
