#include "printing/core/listaimpresion.h"
#include "platform/vbruntime.h"

QList<FilaImpresion> fDeclaracionesImpresion(const Database &db, bool bEstadoContri, const QString &periodo,
                                             const QString &formulario, const QString &usuario)
{
    const QString campos = bEstadoContri
        ? QStringLiteral("SELECT A.DOC_ID_D, B.NOMBRE, A.PERIODO, A.FORMULARIO, A.NORDEN, A.FEC_ENV, A.CONTROL,"
                         " A.CORREL FROM HCAB AS A, CONT AS B")
        : QStringLiteral("SELECT A.DOC_ID_D, B.NOMBRE, A.PERIODO, A.FORMULARIO FROM CAB AS A, CONT AS B");
    const QList<QSqlRecord> filas = db.select(
        campos
            + QStringLiteral(" WHERE A.DOC_ID_D=B.DOC_ID_D AND A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND"
                             " A.PERIODO=? AND A.FORMULARIO=? AND B.USUARIO=? ORDER BY A.DOC_ID_D ASC"),
        {periodo, formulario, usuario});
    QList<FilaImpresion> l;
    l.reserve(filas.size());
    for (const QSqlRecord &r : filas) {
        FilaImpresion f{vb::CStr(r.value(0)), vb::CStr(r.value(1)), vb::CStr(r.value(2)), vb::CStr(r.value(3)),
                        {}, {}, {}, {}};
        if (bEstadoContri) {
            f.norden = vb::CStr(r.value(4));
            const QDate envio = Database::toDate(r.value(5));
            f.fecEnv = envio.isValid() ? vb::FormatDate(envio, QStringLiteral("dd/mm/yyyy")) : QString();
            f.control = vb::CStr(r.value(6));
            f.correl = vb::CStr(r.value(7));
        }
        l.append(f);
    }
    return l;
}

QStringList fDatosFila(const FilaImpresion &f)
{
    return {f.docIdD, f.nombre, f.periodo, f.formulario, f.correl, f.norden, f.control};
}
