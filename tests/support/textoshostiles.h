#pragma once
// Texts that hold the markers of the files they go into, as a taxpayer's
// name or a cheque number may: the text receipt's tag opening "<!", the
// print script's separator "|", line ends and a tab. Each with what the
// files must hold for it:
//  - enTexto, a line of the text receipt: the text as it stands, but CR, LF
//    and tab, which would break the line or its columns, as blanks;
//  - enGuion, a field of a print script for the host: as enTexto, and "|" as
//    the broken bar "¦", the "<" of "<!" as the angle "‹" (the host has no
//    escape for either). Every character keeps its place.
#include <QList>
#include <QString>

namespace textoshostiles {

struct Caso {
    const char *fila;
    QString texto, enTexto, enGuion;
};

inline QList<Caso> casos()
{
    const QString barra = QStringLiteral("\u00A6");
    const QString angulo = QStringLiteral("\u2039");
    return {
        {"etiqueta sin cierre", "12345<!6", "12345<!6", "12345" + angulo + "!6"},
        {"etiqueta desconocida", "123<!b!>45", "123<!b!>45", "123" + angulo + "!b!>45"},
        {"salto de pagina", "ACME <!np!> S.A.", "ACME <!np!> S.A.", "ACME " + angulo + "!np!> S.A."},
        {"etiqueta al comienzo", "<!ACME", "<!ACME", angulo + "!ACME"},
        {"orden del guion en otra linea", "ACME|S.A.\r\npCuadro|0|0|10500|15000|0|",
         "ACME|S.A.  pCuadro|0|0|10500|15000|0|",
         "ACME" + barra + "S.A.  pCuadro" + barra + "0" + barra + "0" + barra + "10500" + barra + "15000" + barra
             + "0" + barra},
        {"menor que solo", "ACME < S.A.", "ACME < S.A.", "ACME < S.A."},
        {"cierre solo", "ACME !> S.A.", "ACME !> S.A.", "ACME !> S.A."},
        {"retorno de carro", "ACME\rS.A.", "ACME S.A.", "ACME S.A."},
        {"salto de linea", "ACME\nS.A.", "ACME S.A.", "ACME S.A."},
        {"barra", "ACME|S.A.", "ACME|S.A.", "ACME" + barra + "S.A."},
        {"tabulador", "ACME\tS.A.", "ACME S.A.", "ACME S.A."},
    };
}

} // namespace textoshostiles
