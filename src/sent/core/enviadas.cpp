#include "enviadas.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include <QSqlRecord>

namespace {

const QString kLlave = QStringLiteral(" WHERE DOC_ID_D=? AND TIP_DOC_D=6 AND PERIODO=? AND FORMULARIO=? AND CORREL=?");

QVariantList llave(const QString &docIdD, const QString &correl)
{
    return {docIdD, gsPeriodo, gsFormulario, correl};
}

QString fecha(const QVariant &v)
{
    const QDate d = Database::toDate(v);
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : vb::CStr(v);
}

} // namespace

QList<DeclaracionEnviada> fDeclaracionesEnviadas(const Database &db)
{
    const QList<QSqlRecord> filas = db.select(
        QStringLiteral("SELECT A.DOC_ID_D, B.NOMBRE, A.PERIODO, A.FORMULARIO, A.NORDEN, A.FEC_ENV, A.CONTROL,"
                       " A.CORREL FROM HCAB AS A, CONT AS B"
                       " WHERE A.DOC_ID_D=B.DOC_ID_D AND A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND"
                       " A.PERIODO=? AND A.FORMULARIO=? AND B.USUARIO=?"
                       " ORDER BY A.DOC_ID_D ASC, A.rowid"),
        {gsPeriodo, gsFormulario, gsUsuario});
    QList<DeclaracionEnviada> l;
    l.reserve(filas.size());
    for (const QSqlRecord &r : filas)
        l.append({vb::CStr(r.value(0)), vb::CStr(r.value(1)), vb::CStr(r.value(2)), vb::CStr(r.value(3)),
                  vb::CStr(r.value(4)), fecha(r.value(5)), vb::CStr(r.value(6)), vb::CStr(r.value(7))});
    return l;
}

void pEliminarEnviada(Database &db, const QString &docIdD, const QString &correl)
{
    Transaction t(db, true);
    const QVariantList p = llave(docIdD, correl);
    db.exec(QStringLiteral("DELETE FROM HACTA") + kLlave, p);
    db.exec(QStringLiteral("DELETE FROM HDET") + kLlave, p);
    db.exec(QStringLiteral("DELETE FROM HCAB") + kLlave, p);
    t.commit();
}

double fNumeroOrden(const QString &texto)
{
    return vb::Val(vb::Trim(texto));
}

bool fRegistrarNumeroOrden(Database &db, const QString &docIdD, const QString &correl, double norden)
{
    Transaction t(db, true);
    const int filas = db.exec(QStringLiteral("UPDATE HCAB SET NORDEN=?") + kLlave,
                              QVariantList{norden} + llave(docIdD, correl));
    if (filas == 0)
        return false;
    t.commit();
    return true;
}
