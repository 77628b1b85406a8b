#pragma once
// The preview window's variables that one print run reads: what the opener
// hands over, what the data loading (pConsulta, fCargaPago and the annex
// rows) fills in. The page layouts take every value from here and never
// query the database.
#include <QSqlRecord>
#include <QString>
#include <QVector>
#include <optional>

// The annex rows one table prints, by month index 1..15 (index 0 unused);
// a month without a row has none.
using MesesAnexo = QVector<std::optional<QSqlRecord>>;

struct DatosImpresion {
    // Set by the opener (pVistaPrevia).
    QString sRuc;
    QString sRaSoc;
    QString sPeriodo;
    QString sFormulario;
    bool bGl_recti = false;       // a sent declaration (HDET/HACTA by CORREL)
    bool bAnexo = false;          // the annex pages follow page 2
    QString sCORREL;              // sent declarations only
    QString sNOrdenR;
    QString sControl;
    QString sCodReporte;          // "PR0003" saved, "PR0014" sent

    int iTamanoLetra = 8;         // the current text size of the run

    // pConsulta: stored value texts by box number, 1..515 (index 0 unused).
    QVector<QString> aValorCasilla = QVector<QString>(516);
    // Codes 900..999 at index code - 900 (987, 996..999 are filled).
    QVector<QString> aValorCasillaEsp = QVector<QString>(100);
    QString esp(int codigo) const { return aValorCasillaEsp.value(codigo - 900); }

    QString sTelefono;
    QString sNombreContador;
    QString sNombreRepresentante;
    QString sExonerado;
    QString sAgraria;
    QString sIEAN;
    QString sAnexo;
    QString sConvenio;
    QString sDomiciliado;
    QString sNumOrdenRectificada;
    QString sTipoAnexo;           // "120y128", "117y128", "131" or ""

    // fCargaPago: a cheque payment's bank and cheque number.
    QString sCodigoBanco;
    QString sNumeroCheque;

    // pLeerAnexos: the months of each table of the annex set, top to bottom.
    QString sAnexosLeidos;        // the set they were read for
    QVector<MesesAnexo> aMesesAnexo;

    QString casilla(int n) const { return aValorCasilla.value(n); }
};
