#pragma once
// Saving a declaration into CAB, DET and ACTA ("&Grabar"), free of widgets.
//
// The declaration window hands itself in through VentanaDeclaracion: the
// persistence reads the boxes from its box store, the identification and
// payment data through control()/setControl(), and asks it for the few screen
// effects (page, focus, pointer). Every write of one command runs in one
// transaction: a failure leaves the declaration as it was and is shown.
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/persistencia/declaracionleida.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "platform/database.h"
#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlRecord>
#include <QString>

// What saving, loading and validating need of the declaration window.
class VentanaDeclaracion {
public:
    virtual ~VentanaDeclaracion() = default;

    virtual ModeloCasillas &modelo() = 0;
    // The 97 box numbers in the order they are stored.
    virtual QList<int> aCasillas() const = 0;

    virtual int iAccion() const = 0;            // 0 new, 1 modify
    virtual QString sRuc() const = 0;           // the accepted taxpayer's RUC
    virtual QString sPuedeRegistrar() const = 0;   // "N": the taxpayer already has one
    virtual QString caption() const = 0;        // title of the window's messages

    // Identification controls, stored answer texts and payment properties,
    // by the names of the box store's fields (Campos::TxtTelefono,
    // Campos::MkePeriodo, Campos::sIEAN, Campos::FormaPago, ...). By default
    // they are the store's named fields; a window whose controls hold them
    // overrides both.
    virtual QString control(const QString &nombre) { return modelo().campo(nombre); }
    virtual void setControl(const QString &nombre, const QString &valor) { modelo().setCampo(nombre, valor); }

    // The stored declaration as this window last read or wrote it: the load
    // and every save keep it, a save checks it (declaracionleida.h).
    virtual DeclaracionLeida &leida() = 0;

    // Answers of the option pairs: "1" yes, "0" no, "" none ("OptIEAN", ...).
    QString respuesta(const QString &opt) { return modelo().campo(opt); }

    // The silent rule run (state 0 or 9), the reporting run (false: a stop
    // rule failed or no taxpayer), and the check of the date of form 4888.
    virtual bool DeclaracionCompleta() = 0;
    virtual bool ValidaDeclaracion() = 0;
    virtual bool ValidaPeriodo(const QString &fecha) = 0;

    // Screen effects; a window without them may leave them empty.
    virtual void pPuntero(int /*0 normal, 11 hourglass*/) {}
    virtual void pMostrarPagina(int /*page of SSTab1*/) {}
    virtual int paginaActual() const { return 0; }
    virtual void pEnfocar(const QString & /*control or "TxtValor(n)"*/) {}
    virtual void pMostrarFrame(int /*element of Frame1*/) {}
    // Shows the inconsistency list modally.
    virtual void pMostrarInconsistencias() {}
    // The main window's status bar (period and form code added by the window).
    virtual void pBarraEstado(const QString & /*ruc*/, const QString & /*nombre*/) {}
};

// The answers that decide the annex type and the boxes left out.
struct SituacionAnexo {
    QString ieAN;    // answer of OptIEAN
    QString anexo;   // answer of OptAnexo
};

// Boxes of the credit variant not in force are not stored.
bool fCasillaExcluida(int casilla, const SituacionAnexo &s);

// Value of a box or code as stored in DET.i_valor: amounts through
// "###########0", the codes kept as typed unchanged.
QString fValorDet(const QString &codigo, const QString &valor);

// The three-character DET code of a box number.
QString fCodigoCasilla(int casilla);

// Code 200 from the "dd/mm/yyyy" text of the date box ("________" when empty).
QString fFecha200(const QString &mkePeriodo);

// Box text read as an amount: formatted "###########0", empty gives 0.
double fImporteCasilla(const QString &texto);

// One value to store in DET, in the order of the save.
struct ValorDet {
    QString codigo;   // "100", "002", ...
    QString valor;
};

// Everything the save stores in DET for the window as it stands: the 97 boxes
// and the 18 special codes, before leaving out empty values and the boxes of
// the variant not in force.
QList<ValorDet> fValoresDet(VentanaDeclaracion &v);

// The monthly update factors 1..15 (January 1998 to March 1999): 1 unless box
// 332 is positive or box 333 not zero; then FAC's factor of "030301", 0 without a row.
QList<double> fFactoresMensuales(const Database &db, const QString &casilla332,
                                 const QString &casilla333);

// The whole record of a row of tabla as it stands when it is written, which
// the control code reads by position: the table's columns in their order,
// the values assigned, the stored row's (when there is one) elsewhere.
Registro fRegistroCompleto(const Database &db, const QString &tabla, const QSqlRecord *guardado,
                           const Registro &asignados);

// The writes of one save or validation, inside the caller's transaction.
class EscrituraDeclaracion {
public:
    EscrituraDeclaracion(Database &db, const QString &ruc);

    // Removes the ACTA rows of the other annex types and keeps the 15 monthly
    // rows of this type (amount columns left to the annex calculators).
    void pGrabarActa(const QString &tipo, const QList<double> &factores);

    struct Cabecera {
        QDate fecPro;
        QString formapago, banco, numcheque;
        QString casilla180;
        bool rectifica = false;
        int estado = 0;
    };
    // Adds or edits the CAB row.
    void pGrabarCabecera(const Cabecera &c);

    // Replaces every DET row by the values given; returns the rows written.
    int pGrabarDetalle(const QList<ValorDet> &valores, const SituacionAnexo &s);

    // The DET row of one value, control code included (for tests and the writer).
    Registro fFilaDet(const QString &codigo, const QString &valor) const;

private:
    Registro fCompleto(const QString &tabla, const QSqlRecord *guardado,
                       const Registro &asignados) const;
    Database &m_db;
    QString m_ruc;
};

// The key clause with its bound values.
QString fLlaveSql();
QVariantList fLlave(const QString &ruc);

// ACTA, CAB (with the state given) and DET of the window under this RUC, in
// one transaction, when the stored declaration is still the one the window
// read or wrote (else another user's save would be undone). A database
// error, or a declaration another user changed, is shown with the pointer
// back to normal, and nothing is written: false then.
bool fEscribirDeclaracion(VentanaDeclaracion &v, Database &db, const QString &ruc,
                          const SituacionAnexo &s, int estado);

// The taxpayer checks of a new declaration (no taxpayer chosen, or one that
// already has a declaration): message, page 0, focus to the combo; false then.
bool fContribuyenteAceptado(VentanaDeclaracion &v);

// "&Grabar". Returns true when the declaration was written.
bool CmdGrabar_Click(VentanaDeclaracion &v, Database &db);

// The message of an unexpected error: description, line feed, number with its blank.
void pMostrarError(const DbError &e);
