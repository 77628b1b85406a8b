#include "host/envio.h"

#include <QSqlRecord>

namespace host {

namespace {

const QString kLlave = QStringLiteral(" WHERE DOC_ID_D = ? COLLATE NOCASE AND TIP_DOC_D = 6"
                                      " AND PERIODO = ? COLLATE NOCASE AND FORMULARIO = ? COLLATE NOCASE");

QVariantList fLlave(const QString &ruc)
{
    return {ruc, kPeriodo, kFormulario};
}

// The columns of CAB, DET and ACTA, each copied as stored.
const QString kColumnasCab = QStringLiteral("fec_pro, bcolibrad, nrocheque, cheque, efectivo, rectifica, estado, cNumero");
const QString kColumnasDet = QStringLiteral("Casilla, i_valor, idcasilla, cNumero");
const QString kColumnasActa = QStringLiteral("per_pag, saluti, compen, otrcre, pago_r, pago_iean_r, pago_iean,"
                                             " fec_pago, tipo_asist, FACTOR, cNumero");
const QString kColumnasLlave = QStringLiteral("DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO");

// The next correlative of the key. Rows left in HDET or HACTA without their
// HCAB row count too, so that a new sending never inherits them.
int fSiguienteCorrel(const Database &db, const QString &ruc)
{
    QVariantList p;
    for (int i = 0; i < 3; ++i)
        p << fLlave(ruc);
    const QVariant maximo = db.scalar(
        QStringLiteral("SELECT MAX(n) FROM (SELECT CAST(CORREL AS INTEGER) AS n FROM HCAB") + kLlave
            + QStringLiteral(" UNION ALL SELECT CAST(CORREL AS INTEGER) FROM HDET") + kLlave
            + QStringLiteral(" UNION ALL SELECT CAST(CORREL AS INTEGER) FROM HACTA") + kLlave + QStringLiteral(")"),
        p);
    return maximo.toInt() + 1;
}

// Control numbers are one eight-digit sequence over every sending in HCAB.
QString fSiguienteControl(const Database &db)
{
    const QVariant maximo = db.scalar(QStringLiteral("SELECT MAX(CAST(CONTROL AS INTEGER)) FROM HCAB"));
    return QStringLiteral("%1").arg(maximo.toLongLong() + 1, 8, 10, QLatin1Char('0'));
}

}

QString fEnviarDeclaracion(Database &db, const QString &ruc, const QDate &fecha, Envio *envio)
{
    const QString numero = ruc.trimmed();
    try {
        // Immediate: two hosts sending at once never take the same correlative.
        Transaction t(db, true);
        const QList<QSqlRecord> cab =
            db.select(QStringLiteral("SELECT estado FROM CAB") + kLlave, fLlave(numero));
        // A header without a state is the one an annex calculator leaves
        // before the declaration is first saved.
        if (cab.isEmpty() || cab.first().value(0).isNull())
            return QStringLiteral("El contribuyente %1 no tiene una declaración grabada del formulario %2"
                                  " del periodo %3.")
                .arg(numero, kFormulario, kPeriodo);
        // The host sends only consistent declarations: state 0; 9 was saved
        // with inconsistencies.
        if (cab.first().value(0).toInt() != 0)
            return QStringLiteral("La declaración del contribuyente %1 fue grabada con inconsistencias."
                                  " Sólo se envían las declaraciones validadas sin inconsistencias.")
                .arg(numero);

        Envio e;
        e.correl = QString::number(fSiguienteCorrel(db, numero));
        e.control = fSiguienteControl(db);
        // NORDEN stays empty until KAVEN assigns the order number.
        db.exec(QStringLiteral("INSERT INTO HCAB (") + kColumnasLlave
                    + QStringLiteral(", CORREL, NORDEN, FEC_ENV, CONTROL, ") + kColumnasCab
                    + QStringLiteral(") SELECT ") + kColumnasLlave + QStringLiteral(", ?, NULL, ?, ?, ")
                    + kColumnasCab + QStringLiteral(" FROM CAB") + kLlave,
                QVariantList{e.correl, fecha, e.control} + fLlave(numero));
        db.exec(QStringLiteral("INSERT INTO HDET (") + kColumnasLlave + QStringLiteral(", CORREL, ") + kColumnasDet
                    + QStringLiteral(") SELECT ") + kColumnasLlave + QStringLiteral(", ?, ") + kColumnasDet
                    + QStringLiteral(" FROM DET") + kLlave + QStringLiteral(" ORDER BY rowid"),
                QVariantList{e.correl} + fLlave(numero));
        db.exec(QStringLiteral("INSERT INTO HACTA (") + kColumnasLlave + QStringLiteral(", CORREL, ") + kColumnasActa
                    + QStringLiteral(") SELECT ") + kColumnasLlave + QStringLiteral(", ?, ") + kColumnasActa
                    + QStringLiteral(" FROM ACTA") + kLlave + QStringLiteral(" ORDER BY rowid"),
                QVariantList{e.correl} + fLlave(numero));
        t.commit();
        if (envio)
            *envio = e;
        return QString();
    } catch (const DbError &err) {
        return QStringLiteral("No se pudo enviar la declaración del contribuyente %1:\n%2")
            .arg(numero, err.description);
    }
}

Envio fUltimoEnvio(const Database &db, const QString &ruc)
{
    const QList<QSqlRecord> filas =
        db.select(QStringLiteral("SELECT CORREL, CONTROL FROM HCAB") + kLlave
                      + QStringLiteral(" ORDER BY CAST(CORREL AS INTEGER) DESC LIMIT 1"),
                  fLlave(ruc.trimmed()));
    if (filas.isEmpty())
        return {};
    return {filas.first().value(0).toString(), filas.first().value(1).toString().trimmed()};
}

}
