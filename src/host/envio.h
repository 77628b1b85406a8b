#pragma once
// Sending a saved declaration: its CAB, DET and ACTA rows copied into HCAB,
// HDET and HACTA under a new correlative, as Qx381's sent-declaration windows
// read them.
#include "platform/database.h"
#include <QDate>
#include <QString>

namespace host {

// The declaration the host sends and prints: form 0951 of 1998, RUC taxpayers.
inline const QString kPeriodo = QStringLiteral("1998");
inline const QString kFormulario = QStringLiteral("0951");
inline constexpr int kTipDocRuc = 6;

struct Envio {
    QString correl;    // "1", "2"... per declaration; empty when never sent
    QString control;   // eight digits, one sequence over every sending
};

// Sends the declaration of the RUC (form 0951, 1998) with the sending date
// fecha: one transaction copying its rows into the H-tables under the next
// CORREL of its key and a new control number. Only a declaration saved
// without inconsistencies (CAB.estado 0) is sent. "" with *envio set when
// sent, else the Spanish message that says why not; a database failure
// leaves the H-tables as they were.
QString fEnviarDeclaracion(Database &db, const QString &ruc, const QDate &fecha, Envio *envio = nullptr);

// The latest sending of the RUC's declaration (empty correl when none).
Envio fUltimoEnvio(const Database &db, const QString &ruc);

}
