#include "declaration/core/respuestas/identificacion.h"
#include "platform/database.h"
#include "platform/vbruntime.h"
#include "shell/core/servicios.h"
#include <QSqlRecord>

namespace Identificacion {

QString fItemContribuyente(const QString &docId, const QString &nombre)
{
    return vb::Trim(vb::Left(docId, 11)) + vb::Space(7) + nombre;
}

QString fRucDeItem(const QString &item)
{
    return vb::Trim(vb::Left(item, 11));
}

QString fNombreDeItem(const QString &item)
{
    return vb::Trim(vb::Mid(item, 16, 50));
}

QString fItemZona(const QString &funcion, const QString &argumento)
{
    return vb::Left(funcion, 15) + vb::Space(100) + argumento;
}

QString fZonaDeItem(const QString &item)
{
    return vb::Right(item, 2);
}

int fIndiceZona(const QStringList &items, const QString &codigo)
{
    const QString c = vb::Trim(codigo);
    for (int i = 0; i < items.size(); ++i)
        if (fZonaDeItem(items.at(i)) == c)
            return i;
    return -1;
}

QStringList fItemsContribuyentes(Database &db, const QString &formulario)
{
    const Consulta c = fSqlContribuyentes(formulario);
    QStringList items;
    for (const QSqlRecord &r : db.select(c.sql, c.params))
        items << fItemContribuyente(vb::CStr(r.value(QStringLiteral("Doc_id_d"))),
                                    vb::CStr(r.value(QStringLiteral("Nombre"))));
    return items;
}

QStringList fItemsZonas(Database &db)
{
    QStringList items;
    const auto filas = db.select(QStringLiteral("SELECT argumento, funcion FROM PARAM WHERE numero=?"),
                                 {QStringLiteral("030")});
    for (const QSqlRecord &r : filas)
        items << fItemZona(vb::CStr(r.value(QStringLiteral("funcion"))),
                           vb::CStr(r.value(QStringLiteral("argumento"))));
    return items;
}

bool fExisteDeclaracion(Database &db, const QString &ruc, const QString &periodo,
                        const QString &formulario)
{
    const auto filas = db.select(
        QStringLiteral("SELECT * FROM CAB WHERE DOC_ID_D=? COLLATE NOCASE AND TIP_DOC_D=6"
                       " AND PERIODO=? COLLATE NOCASE AND FORMULARIO=? COLLATE NOCASE"),
        {ruc, periodo, formulario});
    return !filas.isEmpty();
}

} // namespace Identificacion
