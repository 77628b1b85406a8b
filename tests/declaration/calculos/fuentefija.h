#pragma once
// Annex rows and factors held in memory, for the dispatch tests and the
// benchmark; counts how often it is asked.
#include "declaration/core/calculos/anexosumas.h"

class FuenteFija : public FuenteAnexos {
public:
    struct Fila { QString tipo; QString perPag; QString saluti, compen, otrcre, pagoR, pagoIeanR, pagoIean; };
    QList<Fila> filasGuardadas;
    QHash<QString, QHash<QString, double>> factoresPorCodigo;   // CODTRI -> PERIODO -> factor
    int consultas = 0;

    QList<FilaAnexo> filas(const QString &, const QString &tipoAsist) override
    {
        ++consultas;
        QList<FilaAnexo> res;
        for (const Fila &f : filasGuardadas)
            if (f.tipo == tipoAsist)
                res.append(FilaAnexo{f.perPag, {f.saluti, f.compen, f.otrcre, f.pagoR, f.pagoIeanR, f.pagoIean}});
        return res;
    }
    QHash<QString, double> factores(const QString &codTri) override
    {
        ++consultas;
        return factoresPorCodigo.value(codTri);
    }
};
