#include "declaracionleida.h"
#include "declaration/core/grabacion.h"
#include "platform/database.h"
#include "platform/vbruntime.h"
#include <QCryptographicHash>
#include <QSqlField>
#include <algorithm>

namespace {

// One row as text: each column's name, type and value; Null apart from "".
QByteArray fFila(const QSqlRecord &r)
{
    QByteArray b;
    for (int i = 0; i < r.count(); ++i) {
        const QVariant v = r.value(i);
        b += r.fieldName(i).toUtf8() + '\x1f' + QByteArray::number(v.typeId()) + '\x1f'
            + (v.isNull() ? QByteArray("\x18") : v.toString().toUtf8()) + '\x1e';
    }
    return b;
}

} // namespace

QByteArray fHuellaDeclaracion(const QList<QSqlRecord> &cab, const QList<QSqlRecord> &det)
{
    const bool cabeceraSola = cab.isEmpty()
        || (cab.size() == 1 && vb::Trim(vb::CStr(cab.first().value(QStringLiteral("cNumero")))) == QLatin1String("0"));
    if (det.isEmpty() && cabeceraSola)
        return QByteArray();
    QList<QByteArray> filas;
    for (const QSqlRecord &r : det)
        filas << fFila(r);
    std::sort(filas.begin(), filas.end());
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const QSqlRecord &r : cab)
        h.addData(fFila(r));
    h.addData("\x1d");
    for (const QByteArray &f : filas)
        h.addData(f);
    return h.result();
}

QByteArray fHuellaDeclaracion(const Database &db, const QString &ruc)
{
    return fHuellaDeclaracion(db.select(QStringLiteral("SELECT * FROM CAB") + fLlaveSql(), fLlave(ruc)),
                              db.select(QStringLiteral("SELECT * FROM DET") + fLlaveSql(), fLlave(ruc)));
}

QString fCambioAjeno(const Database &db, const QString &ruc, const DeclaracionLeida &leida)
{
    // A stored declaration's window reads it when it opens; a new one's
    // knows of none until it saves.
    const QByteArray esperada = leida.ruc == ruc ? leida.huella : QByteArray();
    const QByteArray ahora = fHuellaDeclaracion(db, ruc);
    if (ahora == esperada)
        return QString();
    if (esperada.isEmpty())
        return QStringLiteral("Otro usuario grabó una declaración de este contribuyente después de que usted abrió"
                              " esta ventana. Para no reemplazarla, no se ha grabado nada: salga sin grabar y ábrala"
                              " con la opción modificar declaración.");
    if (ahora.isEmpty())
        return QStringLiteral("Otro usuario eliminó esta declaración después de que usted la abrió o la grabó en"
                              " esta ventana. No se ha grabado nada: salga sin grabar y, si aún la necesita,"
                              " regístrela con la opción nueva declaración.");
    return QStringLiteral("Otro usuario modificó esta declaración después de que usted la abrió o la grabó en esta"
                          " ventana. Para no deshacer sus cambios, no se ha grabado nada: salga sin grabar y vuelva"
                          " a abrirla con la opción modificar declaración.");
}
