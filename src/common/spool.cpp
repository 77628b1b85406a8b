#include "common/spool.h"
#include "platform/vbruntime.h"

namespace {

// The number of a name this numbering gives (eight digits first), Null for
// any other name. The next-number query and the guard against a repeated
// name both go through this expression, which SPOOL's index SPOOL_Numero
// holds (schema/qx000.sql): a change here is a change there.
const QString kNumeroArchivo = QStringLiteral(
    "CASE WHEN substr(Archivo, 1, 8) GLOB '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]'"
    " THEN CAST(substr(Archivo, 1, 8) AS INTEGER) END");

constexpr qint64 kUltimoNumero = 99999999;

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

SpoolAgotado::SpoolAgotado()
    : DbError(dberr::Desbordamiento,
              QStringLiteral("Se agotaron los números de reporte: ya se registró el último, 99999999.PRN."
                             " Este reporte no se registró."))
{
}

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
    // outrank "00000010.PRN" as it would as text. The Nulls max() passes
    // over anyway are named, so that the index of the numbers serves.
    const qint64 secRep = numeroLeido(
        db.scalar(QStringLiteral("SELECT max(%1) AS SecRep FROM SPOOL WHERE %1 IS NOT NULL").arg(kNumeroArchivo)),
        QStringLiteral("Archivo"));
    // Nine digits would read back as their first eight, a number already
    // given: the names end with 99999999.PRN.
    if (secRep >= kUltimoNumero)
        throw SpoolAgotado();

    const QString archivo = vb::Format(double(secRep + 1), QStringLiteral("00000000")) + QStringLiteral(".PRN");
    // Never a name a row already has, compared without case.
    if (db.scalar(QStringLiteral("SELECT count(*) FROM SPOOL WHERE %1 = ? AND Archivo = ?").arg(kNumeroArchivo),
                  {secRep + 1, archivo})
            .toInt()
        > 0)
        throw DbError(dberr::ClaveDuplicada,
                      QStringLiteral("El archivo de reporte %1 ya figura en SPOOL. Este reporte no se registró.")
                          .arg(archivo));
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
