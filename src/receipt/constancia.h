#pragma once
// The submission receipt of one declaration: the graphic print script,
// registered in SPOOL, and the text receipt that is rendered for the host.
#include <QList>
#include <QString>
#include <QVariantList>

// Writes both receipts of every CAB row of the key and returns the text
// receipt's base name (sFormulario & sPeriodo & sMarcaArchivo & sControl).
// Stops at the first error (ErrorVB or DbError); the SPOOL row is then
// withdrawn with everything else the run would have stored.
QString GenerarConstancia(const QString &sTipDoc, const QString &sDocId, const QString &sFormulario,
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

// Second pass: the text receipt gsRutaRpt & base & ".PRN".
void pConstanciaTexto(const QString &sTipDoc, const QString &sDocId, const QString &sFormulario,
                      const QString &sPeriodo, const QString &sControl, const QString &sBase);
