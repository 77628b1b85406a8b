#pragma once
// The four annex calculators as data: their months, the cells of a month row
// (typed, loaded or derived), the annex type, the tax code of their factors
// and how a row and the grand total are worked out. AsistenteAnexo runs any
// of them, for a calculator (rows of ACTA) or a read-only viewer (HACTA).
#include "declaration/core/calculos/anexosumas.h"
#include <QString>
#include <QVector>

// One cell array of the table, left to right.
struct ColumnaAsistente {
    QString control;       // the window's cell array ("TxtMonto", "TxtActual", ...)
    bool tecleada = false; // typed by the user and stored by "&Aceptar"
    int acta = -1;         // ColumnaAnexo a stored row puts into it (-1: none)
};

// A term of a derived cell: the number shown in a cell of the same month, a
// stored column of the month's row, or the month's IEAN (aMontoIEAN).
struct TerminoAsistente {
    enum Origen { Celda, Guardado, Iean };
    Origen origen;
    int indice;            // column of the table (Celda) or ColumnaAnexo (Guardado)
    int signo;
};

// A derived cell: the sum of its terms, times the month's factor when asked,
// shown as "#,###,###,##0".
struct DerivadaAsistente {
    int columna;
    QVector<TerminoAsistente> terminos;
    bool porFactor = false;
};

struct DefinicionAsistente {
    QString casilla;       // box it feeds; "" when the answers choose 128 or 131
    int primerMes = 1;     // 1..12 months of 1998, 13..15 January to March 1999
    int ultimoMes = 15;
    QString tipoAsist;     // "1", "2", "3"; "" when the answers choose it
    QString codTri;        // FAC tax code of the factors
    QVector<ColumnaAsistente> columnas;
    // Run in order on every change of a typed cell of the month.
    QVector<DerivadaAsistente> cadena;
    // Run after a stored row has filled the month's cells.
    QVector<DerivadaAsistente> alCargar;
    int columnaActual = 0;          // updated amount: its changes make the grand total
    bool totalNegativoACero = false;
    int primerMesIean = 0;          // months from here take aMontoIEAN from pago_iean_r (0: none)
    // The texts of boxes 332 and 333 for the shown factors are read from the
    // declaration window itself, not from what the opener passed.
    bool factorDeLaDeclaracion = false;
    QString mensajeGrabado;         // shown once the rows are stored ("" none)

    int meses() const { return ultimoMes - primerMes + 1; }

    // FrmAnexo117, FrmAnexo120, FrmAnexo131 and FrmAnexo131A.
    static const DefinicionAsistente &anexo117();
    static const DefinicionAsistente &anexo120();
    static const DefinicionAsistente &anexo131();
    static const DefinicionAsistente &anexo131A();
};

// The annex type of the payments-on-account calculator: "2" when the IEAN
// answer is yes and the annex answer no, else "3" when the IEAN answer is no,
// else "" (the declaration never opens it then).
QString fTipoAsistPorRespuestas(const QString &optIEAN, const QString &optAnexo);
