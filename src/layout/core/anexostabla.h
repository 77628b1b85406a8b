#pragma once
// The annex page (page index 2) as data: each table says which months it
// reads, how its updated column and its total come out of the month texts,
// and the blocks of items it prints, read by the layout interpreter.
//
// The named values a table prints (FuenteTablaAnexo::valor, by month index):
//   "mes"            the month label, "04 - 98"; months 13 to 15 "01 - 99"..
//   "mesConBlancos"  the same with a blank on either side
//   "aSaluti", "aCompen", "aOtrcre", "aPagoR", "aPagoIEAN", "aPagoIEANR"
//                    the row's amount columns formatted "#,###,###,##0";
//                    empty for a month without a row
//   "aTotalMes"      the four first added up ("0" without a row)
//   "aNoIEAN"        the four less pago_iean_r (empty without a row)
//   "aActualizado"   the table's base text as a number times the row's
//                    FACTOR, formatted "#,###,###,##0"
//   "dTotalAnexo"    the sum of the printed (rounded) updated amounts
#include "layout/core/disposicion.h"
#include <QString>
#include <vector>

// How a table's month texts are read and turned into its updated column.
struct CargaAnexo {
    int desde = 1, hasta = 15;        // month indexes: 4..12 or 1..15
    QString sBase;                    // the month text multiplied by the factor
    bool bVacioSinFila = false;       // a month without a row leaves "aActualizado" empty
    bool bTotalSinNegativo = false;   // a total below 0 prints 0
    bool bRucRecortado = false;       // the RUC is read without its surrounding blanks
};

// A block of items: printed once, or once per month of the load, each month
// kPasoMes lower than the one before.
struct BloqueAnexo {
    Disposicion disposicion;
    bool bPorMes = false;
};

constexpr int kPasoMes = 270;

struct TablaAnexo {
    CargaAnexo carga;
    std::vector<BloqueAnexo> bloques;
};

// The five tables.
const TablaAnexo &tablaAnexo117();          // "Anexo 117", top of the "117y128" page
const TablaAnexo &tablaAnexo128();          // "Anexo 128", below it
const TablaAnexo &tablaAnexo131();          // "Anexo 131", alone on the "131" page
const TablaAnexo &tablaAnexo120();          // "Anexo 120", top of the "120y128" page
const TablaAnexo &tablaAnexo128IEAN();      // " ANEXO 128" with the IEAN split, below it

// The tables of an annex-set code, top to bottom; none for an unknown code.
std::vector<const TablaAnexo *> fTablasAnexo(const QString &xAnexos);
