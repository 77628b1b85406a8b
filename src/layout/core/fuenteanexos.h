#pragma once
// What an annex table prints: its month texts and total, read from the
// declaration's annex rows (ACTA, or HACTA of the send for a sent one).
#include "layout/core/anexostabla.h"
#include "layout/core/datosimpresion.h"
#include "printing/core/salidaimpresion.h"
#include <QHash>
#include <QVector>

class Database;

class FuenteTablaAnexo : public FuenteValores {
public:
    // The keys of anexostabla.h; any other key gives the empty text.
    QString valor(const QString &clave, int indice) const override;

    QHash<QString, QVector<QString>> aTextos;   // month texts by key, index 1..15
    double dTotalAnexo = 0;
};

// The table's months from ACTA (HACTA of d.sCORREL for a sent declaration):
// one query a month (the declaration's key and PER_PAG, every value bound;
// the first row found is the month's). Database errors go up.
MesesAnexo fLeerMesesAnexo(const CargaAnexo &carga, const DatosImpresion &d, Database &db);

// The months of every table of the annex set xAnexos (fTablasAnexo) into
// d.aMesesAnexo, before anything is drawn; none for an unknown code.
void pLeerAnexos(const QString &xAnexos, DatosImpresion &d, Database &db);

// From the months read: the month texts, the updated amounts with each row's
// stored FACTOR and the table's total. A Null amount reads as blank and a
// Null FACTOR as 0.
FuenteTablaAnexo fCargarAnexo(const CargaAnexo &carga, const MesesAnexo &meses);

// Works the table's texts out of its months, then issues its blocks in order.
void pDisponerTablaAnexo(const TablaAnexo &tabla, const DatosImpresion &d, const MesesAnexo &meses,
                         SalidaImpresion &salida);
