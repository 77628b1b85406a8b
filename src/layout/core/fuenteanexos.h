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

// One query a month (the declaration's key and PER_PAG, every value bound;
// the first row found is the month's), then the month texts, the updated
// amounts with each row's stored FACTOR and the table's total. A Null
// amount reads as blank and a Null FACTOR as 0. Database errors go up.
FuenteTablaAnexo fCargarAnexo(const CargaAnexo &carga, const DatosImpresion &d, Database &db);

// Reads the table's months, then issues its blocks in order.
void pDisponerTablaAnexo(const TablaAnexo &tabla, const DatosImpresion &d, Database &db, SalidaImpresion &salida);
