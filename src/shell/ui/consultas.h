#pragma once
// What the lookup windows show, read through bound queries; free of widgets.
#include "platform/database.h"
#include <QList>
#include <QPair>
#include <QString>

struct FilaFactor {
    QString peri;     // MMYY, from the FAC period YYMM
    double factor = 0;
};
struct FilaBanco {
    QString codigo;   // two characters
    QString descrip;  // the first 36 characters of the name
};

// The 1998 factors of the payments on account ("030301") of the form.
QList<FilaFactor> fFactoresActualizacion(const Database &db, const QString &formulario);
// Every PARAM '004' bank but the row "00" (blanks around the code ignored).
QList<FilaBanco> fBancos(const Database &db);

// The month column's format "0#/19##": "0198" -> "01/1998"; a text that is
// not a number comes back unchanged.
QString fTextoMes(const QString &peri);
// The factor column's format "##.000": three decimals, halves away from
// zero, no leading zero before the point (0.5 -> ".500").
QString fTextoFactor(double factor);

// The rate table: kind of taxpayer and rate, in display order.
const QList<QPair<QString, QString>> &fTasasVigentes();
