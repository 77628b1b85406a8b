#include "declaration/core/persistencia/declaracionleida.h"
#include "declaration/core/persistencia/grabacion.h"
#include "platform/database.h"
#include "platform/vbruntime.h"

namespace {

// Every column of the declaration's rows. cNumero first: it tells the bare
// header. DET's key columns are left out: every row read has the same key.
const QString kCabecera = QStringLiteral("SELECT cNumero, DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, fec_pro,"
                                         " bcolibrad, nrocheque, cheque, efectivo, rectifica, estado FROM CAB");
// By box: a box has one row per declaration.
const QString kDetalle = QStringLiteral("SELECT Casilla, i_valor, idcasilla, cNumero FROM DET");

// Each value's type and text, Null apart from "", one after another.
void pAgregarFilas(QByteArray &b, const QList<QVariantList> &filas)
{
    for (const QVariantList &fila : filas) {
        for (const QVariant &v : fila) {
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
}

} // namespace

QByteArray fHuellaDeclaracion(const Database &db, const QString &ruc)
{
    const QVariantList llave = fLlave(ruc);
    const QList<QVariantList> cab = db.selectValues(kCabecera + fLlaveSql(), llave);
    const QList<QVariantList> det = db.selectValues(kDetalle + fLlaveSql() + QStringLiteral(" ORDER BY Casilla"), llave);
    // The header an annex calculator writes before the first save is no
    // declaration yet.
    const bool cabeceraSola = cab.isEmpty()
        || (cab.size() == 1 && vb::Trim(vb::CStr(cab.first().at(0))) == QLatin1String("0"));
    if (det.isEmpty() && cabeceraSola)
        return QByteArray();
    QByteArray b;
    b.reserve(16 * 12 * cab.size() + 48 * det.size());
    pAgregarFilas(b, cab);
    b += '\x1d';
    pAgregarFilas(b, det);
    return b;
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
