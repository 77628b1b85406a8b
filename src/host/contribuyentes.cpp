#include "host/contribuyentes.h"
#include "platform/utilitario.h"

#include <QSqlRecord>

namespace host {

QList<Contribuyente> fContribuyentes(const Database &db, const QString &usuario)
{
    QList<Contribuyente> lista;
    const auto filas = db.select(QStringLiteral("SELECT Doc_id_d, Nombre FROM CONT"
                                                " WHERE Tip_doc_d = 6 AND Usuario = ? COLLATE NOCASE"
                                                " ORDER BY Doc_id_d"),
                                 {usuario});
    for (const QSqlRecord &r : filas)
        lista << Contribuyente{r.value(QStringLiteral("Doc_id_d")).toString(),
                               r.value(QStringLiteral("Nombre")).toString()};
    return lista;
}

QString fAgregarContribuyente(Database &db, const QString &usuario, const QString &ruc,
                              const QString &nombre)
{
    const QString numero = ruc.trimmed();
    const QString razon = nombre.trimmed();
    if (!cUtilitario().ValidaRuc(numero))
        return QStringLiteral("El número de RUC ingresado no es válido.");
    if (razon.isEmpty())
        return QStringLiteral("Debe ingresar la razón social del contribuyente.");
    // The check and the row in one transaction: two hosts adding the same
    // taxpayer at once register it once.
    Transaction t(db, true);
    const QVariant existe = db.scalar(QStringLiteral("SELECT count(*) FROM CONT WHERE Tip_doc_d = 6"
                                                     " AND trim(Doc_id_d) = ? COLLATE NOCASE"),
                                      {numero});
    if (existe.toInt() > 0)
        return QStringLiteral("El contribuyente con RUC %1 ya se encuentra registrado.").arg(numero);
    db.addNew(QStringLiteral("CONT"), {{QStringLiteral("Tip_doc_d"), 6},
                                       {QStringLiteral("Doc_id_d"), numero},
                                       {QStringLiteral("Usuario"), usuario},
                                       {QStringLiteral("Nombre"), razon},
                                       {QStringLiteral("Tipo_Ingreso"), 1}});
    t.commit();
    return QString();
}

}
