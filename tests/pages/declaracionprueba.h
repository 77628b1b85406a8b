#pragma once
// The declarations of the page tests: tests/fixtures/pages/<name>.det holds
// "@variable value" lines for what the opener and the payment header give
// and "code i_valor" lines as the DET rows hold them. They are read into a
// DatosImpresion the way the print run's data loading fills it.
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
        const int codigo = clave.toInt();
        if (codigo < 900 && codigo != 721)
            d.aValorCasilla[codigo] = valor;
        switch (codigo) {
        case 987: case 996: case 997: case 998: case 999: d.aValorCasillaEsp[codigo - 900] = valor; break;
        case 991: d.sIEAN = valor; break;
        case 990: d.sAnexo = valor; break;
        case 28: d.sTelefono = valor; break;
        case 993: d.sAgraria = valor; break;
        case 994: d.sConvenio = valor; break;
        case 995: d.sExonerado = valor; break;
        case 988: d.sDomiciliado = valor; break;
        case 5: d.sNumOrdenRectificada = valor; break;
        default: break;
        }
    }
    if (!d.esp(999).isEmpty())
        d.sNombreContador = d.esp(998) + QLatin1Char(' ') + d.esp(999);
    if (!d.esp(997).isEmpty())
        d.sNombreRepresentante = d.esp(996) + QLatin1Char(' ') + d.esp(997);
    if (!bcolibrad.isEmpty() && bcolibrad != QLatin1String(" ")) {
        d.sCodigoBanco = bcolibrad;
        d.sNumeroCheque = nrocheque;
    }
    return d;
}

} // namespace declaracionprueba
