#pragma once
// The print chooser's list: the declarations of the current user's taxpayers
// for the period and form code, saved (CAB) or sent (HCAB), by RUC.
#include "platform/database.h"
#include <QList>
#include <QString>
#include <QStringList>

struct FilaImpresion {
    QString docIdD;       // as stored
    QString nombre;
    QString periodo;
    QString formulario;
    // Sent declarations only ("" for a saved one).
    QString norden;
    QString fecEnv;       // "dd/mm/yyyy"
    QString control;
    QString correl;
};

// Values go in bound: periodo (gsPeriodo), formulario (gsFormulario) and usuario (gsUsuario).
QList<FilaImpresion> fDeclaracionesImpresion(const Database &db, bool bEstadoContri, const QString &periodo,
                                             const QString &formulario, const QString &usuario);

// What a row hands to the preview (aDatos): 0 DOC_ID_D, 1 NOMBRE, 2 PERIODO,
// 3 FORMULARIO, 4 CORREL, 5 NORDEN, 6 CONTROL; the sending date is not handed.
QStringList fDatosFila(const FilaImpresion &f);
