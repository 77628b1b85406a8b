#pragma once
// The submission receipt of one declaration: the graphic print script,
// registered in SPOOL, and the text receipt that is rendered for the host.
#include <QList>
#include <QString>
#include <QVariantList>
#include <memory>

class ArchivoSalida;

// Both receipts of one run, composed and closed under temporary names; they
// get their names (and the graphic one its SPOOL row) only when the run has
// everything ready.
struct Constancia {
    QString base;                             // sFormulario & sPeriodo & sMarcaArchivo & sControl
    std::shared_ptr<ArchivoSalida> grafica;   // the print script, named by the spool registration
    std::shared_ptr<ArchivoSalida> texto;     // the text receipt, gsRutaRpt & base & ".PRN"
};

// Writes both receipts of every CAB row of the key into temporary files of
// the report folder, reading in one read transaction that has ended when it
// returns. Stops at the first error
// (ErrorVB or DbError); then the temporary files go with it.
Constancia GenerarConstancia(const QString &sTipDoc, const QString &sDocId, const QString &sFormulario,
                             const QString &sPeriodo, const QString &sControl, const QString &sMarcaArchivo);

QString fNombreContribuyente(int iTipDoc, const QString &sDocId);
QString fTipoDocumento(int iTipDoc);
void pCabeceraConstancia(const QString &sPagina);
// Appends the text as one line to "Trace.txt" in the current folder.
void pTrace(const QString &sSql);

// --- shared by both passes ---

// The CAB rows of the key: the statement with its values bound, and the text
// the log records (values in place).
struct ConsultaCab {
    QString sql;
    QVariantList params;
    QString traza;
};
ConsultaCab fConsultaCab(const QString &sTipDoc, const QString &sDocId, const QString &sFormulario,
                         const QString &sPeriodo);
// Runs that query: its text goes to gsSql and the trace first.
QList<class QSqlRecord> fFilasCab(const QString &sTipDoc, const QString &sDocId, const QString &sFormulario,
                                  const QString &sPeriodo);

// What one CAB row prints, shared by the graphic and the text receipt.
struct DatosConstancia {
    enum Fila { FormaPago, Importe1, Importe2, Rectifica };
    struct Linea { Fila fila; QString texto; };
    QString documento, razonSocial, formulario, periodo, control;
    QList<Linea> bloques;   // payment and rectification blocks, in order
};
DatosConstancia fDatosConstancia(const class QSqlRecord &cab, const QString &sTipDoc,
                                 const QString &sDocId, const QString &sFormulario,
                                 const QString &sPeriodo, const QString &sControl);

QString fTextoMoneda(const QString &columna);
QString fTextoPeriodo(const QString &sPeriodo);
QString fFechaHoy();    // "dd/mm/yyyy"
QString fHoraAhora();   // "hh:mm:ss"
int fTipoNumerico(const QString &sTipDoc);   // the type as a 16-bit integer

// Second pass: the text receipt, a temporary file of the report folder.
std::shared_ptr<ArchivoSalida> fConstanciaTexto(const QString &sTipDoc, const QString &sDocId,
                                                const QString &sFormulario, const QString &sPeriodo,
                                                const QString &sControl);
