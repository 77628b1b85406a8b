#include "declaration/core/persistencia/declaracionleida.h"
#include "declaration/core/persistencia/grabacion.h"
#include "platform/database.h"
#include "platform/vbruntime.h"
#include <QCryptographicHash>
#include <QPair>
#include <algorithm>

namespace {

// Each column's type and value, Null apart from "", one after another.
void pAgregarFila(QByteArray &b, const QSqlRecord &r)
{
    for (int i = 0; i < r.count(); ++i) {
        const QVariant v = r.value(i);
        b += char(v.typeId());
        if (v.isNull()) {
            b += '\x18';
        } else {
            const QString t = v.toString();
            b.append(reinterpret_cast<const char *>(t.utf16()), t.size() * qsizetype(sizeof(char16_t)));
        }
        b += '\x1f';
    }
    b += '\x1e';
}

} // namespace

QByteArray fHuellaDeclaracion(const QList<QSqlRecord> &cab, const QList<QSqlRecord> &det)
{
    const bool cabeceraSola = cab.isEmpty()
        || (cab.size() == 1 && vb::Trim(vb::CStr(cab.first().value(QStringLiteral("cNumero")))) == QLatin1String("0"));
    if (det.isEmpty() && cabeceraSola)
        return QByteArray();
    // A box has one row per declaration: by box, the rows come in one order
    // however the database returns them.
    QList<QPair<QString, qsizetype>> orden;
    orden.reserve(det.size());
    for (qsizetype i = 0; i < det.size(); ++i)
        orden.append({det.at(i).value(QStringLiteral("Casilla")).toString(), i});
    std::sort(orden.begin(), orden.end());
    QByteArray b;
    b.reserve(128 * (cab.size() + det.size()));
    for (const QSqlRecord &r : cab)
        pAgregarFila(b, r);
    b += '\x1d';
    for (const auto &o : orden)
        pAgregarFila(b, det.at(o.second));
    return QCryptographicHash::hash(b, QCryptographicHash::Sha256);
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
