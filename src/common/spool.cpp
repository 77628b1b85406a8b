#include "common/spool.h"
#include "platform/vbruntime.h"

namespace {

// The highest number read back from SPOOL; 0 when there is none.
qint64 numeroLeido(const QVariant &v, const QString &columna)
{
    if (!v.isValid() || v.isNull())
        return 0;
    const QString t = v.toString();
    if (!vb::IsNumeric(t))
        throw DbError(dberr::TiposNoCoinciden,
                      QStringLiteral("No coinciden los tipos: el valor '%1' de %2 en SPOOL no es un número.")
                          .arg(t, columna));
    return vb::CLng(vb::CDbl(t));
}

} // namespace

QString fRegistrarSpool(Database &db, const QString &sCodRep, const QVariant &tipDoc,
                        const QString &sDocId, const QString &usuario, const QString &tipDocColumn)
{
    // Both programs draw from one sequence: read the numbers and add the row
    // under the write lock, so no other registration runs in between.
    Transaction t(db, true);
    const qint64 secTipo = numeroLeido(
        db.scalar(QStringLiteral("SELECT max(Secuencia) AS SecTipo FROM SPOOL WHERE CodRep = ?"), {sCodRep}),
        QStringLiteral("Secuencia"));
    // Only the names this numbering gives count, compared as numbers: a
    // foreign "ABC.PRN" is passed over, and a short "0000009.PRN" does not
    // outrank "00000010.PRN" as it would as text.
    const qint64 secRep = numeroLeido(
        db.scalar(QStringLiteral("SELECT max(CAST(substr(Archivo, 1, 8) AS INTEGER)) AS SecRep FROM SPOOL"
                                 " WHERE substr(Archivo, 1, 8) GLOB '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]'")),
        QStringLiteral("Archivo"));

    const QString archivo = vb::Format(double(secRep + 1), QStringLiteral("00000000")) + QStringLiteral(".PRN");
    db.addNew(QStringLiteral("SPOOL"),
              {{QStringLiteral("CodRep"), sCodRep},
               {QStringLiteral("Secuencia"), vb::Format(double(secTipo + 1), QStringLiteral("000000"))},
               {QStringLiteral("Archivo"), archivo},
               {QStringLiteral("Fecha"), QDateTime::currentDateTime()},   // stored to the second
               {QStringLiteral("Usuario"), usuario},
               {tipDocColumn, tipDoc},
               {QStringLiteral("Doc_id_d"), sDocId}});
    t.commit();
    return archivo;
}
