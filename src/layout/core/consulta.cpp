#include "layout/core/consulta.h"
#include "platform/database.h"
#include "platform/vbruntime.h"
#include "printing/core/lineaguion.h"
#include "shell/core/errorejecucion.h"

namespace {

// " WHERE" and the declaration's key, CORREL for a sent one; values bound.
QString fLlave(const DatosImpresion &d, QVariantList *valores)
{
    *valores = {d.sRuc, d.sPeriodo, d.sFormulario};
    QString w = QStringLiteral(" WHERE DOC_ID_D=? AND TIP_DOC_D=6 AND PERIODO=? AND FORMULARIO=?");
    if (d.bGl_recti) {
        w += QStringLiteral(" AND CORREL=?");
        valores->append(d.sCORREL);
    }
    return w;
}

} // namespace

void pLlenarCasillas(DatosImpresion &d, const QList<QPair<int, QString>> &filas)
{
    bool hay999 = false;
    bool hay997 = false;
    for (const auto &f : filas) {
        const int codigo = f.first;
        const QString &valor = f.second;
        if (codigo < 900 && codigo != 721) {
            if (codigo < 1 || codigo >= d.aValorCasilla.size())
                throw errores::subindiceFuera();
            d.aValorCasilla[codigo] = valor;
        }
        switch (codigo) {
        case 987:
        case 996:
        case 998:
            d.aValorCasillaEsp[codigo - 900] = valor;
            break;
        case 997:
            d.aValorCasillaEsp[codigo - 900] = valor;
            hay997 = true;
            break;
        case 999:
            d.aValorCasillaEsp[codigo - 900] = valor;
            hay999 = true;
            break;
        case 991: d.sIEAN = valor; break;
        case 990: d.sAnexo = valor; break;
        case 28: d.sTelefono = valor; break;
        case 993: d.sAgraria = valor; break;
        case 994: d.sConvenio = valor; break;
        case 995: d.sExonerado = valor; break;
        case 988: d.sDomiciliado = valor; break;
        case 5: d.sNumOrdenRectificada = valor; break;
        default: break;
        }
    }
    // Surnames, one blank, names: whatever order the rows came in.
    if (hay999)
        d.sNombreContador = d.esp(998) + QLatin1Char(' ') + d.esp(999);
    if (hay997)
        d.sNombreRepresentante = d.esp(996) + QLatin1Char(' ') + d.esp(997);
}

void pConsulta(DatosImpresion &d, Database &db)
{
    QVariantList llave;
    const QString where = fLlave(d, &llave);
    const QList<QSqlRecord> registros =
        db.select((d.bGl_recti ? QStringLiteral("SELECT * FROM HDET") : QStringLiteral("SELECT * FROM DET")) + where,
                  llave);
    QList<QPair<int, QString>> filas;
    filas.reserve(registros.size());
    for (const QSqlRecord &r : registros)
        filas.append({fEntero16(r.value(QStringLiteral("Casilla"))), vb::CStr(r.value(QStringLiteral("i_valor")))});
    pLlenarCasillas(d, filas);

    // Only the payment months of the fiscal year itself name the annex pages.
    d.sTipoAnexo.clear();
    QVariantList llaveAnexo = llave;
    llaveAnexo.append(d.sPeriodo);
    const QList<QSqlRecord> anexo = db.select(
        (d.bGl_recti ? QStringLiteral("SELECT tipo_asist FROM HACTA") : QStringLiteral("SELECT tipo_asist FROM ACTA"))
            + where + QStringLiteral(" AND substr(PER_PAG, 1, 4)=? LIMIT 1"),
        llaveAnexo);
    if (!anexo.isEmpty()) {
        const QString tipo = vb::CStr(anexo.first().value(0));
        if (tipo == QLatin1String("1"))
            d.sTipoAnexo = QStringLiteral("120y128");
        else if (tipo == QLatin1String("2"))
            d.sTipoAnexo = QStringLiteral("117y128");
        else if (tipo == QLatin1String("3"))
            d.sTipoAnexo = QStringLiteral("131");
    }
}

bool fCargaPago(DatosImpresion &d, Database &db)
{
    QVariantList llave;
    const QString where = fLlave(d, &llave);
    const QList<QSqlRecord> filas = db.select(
        (d.bGl_recti ? QStringLiteral("SELECT bcolibrad, nrocheque FROM HCAB")
                     : QStringLiteral("SELECT bcolibrad, nrocheque FROM CAB"))
            + where + QStringLiteral(" LIMIT 1"),
        llave);
    if (!filas.isEmpty()) {
        const QVariant banco = filas.first().value(0);
        if (!banco.isNull() && banco.toString() != QLatin1String(" ")) {
            d.sCodigoBanco = banco.toString();
            // A Null cheque number beside a bank prints as empty.
            d.sNumeroCheque = vb::CStr(filas.first().value(1));
        }
    }
    return !d.sCodigoBanco.isEmpty();
}
