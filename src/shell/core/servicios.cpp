#include "shell/core/servicios.h"
#include "shell/core/modglobal.h"
#include "platform/vbruntime.h"

namespace {

// The document-type record of the RUC used when PARAM has no '044'/'6' row.
const QString kRegistroRuc = QStringLiteral(
    "REG. UNICO DE CONTRIBUYENTES   RUC           11 000110 01 000001000001100111011111"
    "                                           0 5 0");

Database &base()
{
    if (!gdbBase)
        throw DbError(dberr::SinConexion, QStringLiteral("No hay una base de datos abierta."));
    return *gdbBase;
}

// A digit position of a PARAM record: a blank, another character or a
// record too short reads as 0.
int digito(const QString &registro, int posicion)
{
    return int(vb::Val(vb::Mid(registro, posicion, 1)));
}

int longitudRequerida(const QString &registro)
{
    return int(vb::Val(vb::Mid(registro, 46, 2)));
}

} // namespace

QString fTipoUsuario()
{
    const QList<QSqlRecord> filas =
        base().select(QStringLiteral("SELECT * FROM CLAVES WHERE Usuario = ?"), {gsUsuario});
    if (filas.isEmpty())
        return QStringLiteral("1");   // a user without a row sees only their own taxpayers
    return vb::CStr(filas.first().value(QStringLiteral("Tipo")));
}

QString fDescError(int codigo)
{
    const QList<QSqlRecord> filas = base().select(QStringLiteral("SELECT * FROM ERROR WHERE CodError = ?"),
                                                  {vb::Format(double(codigo), QStringLiteral("0000"))});
    if (filas.isEmpty())
        return QString();
    return vb::CStr(filas.first().value(QStringLiteral("DescError")));
}

bool fValidaDocumento(const QString &sTipo, const QString &sNumero)
{
    const QString numero = vb::Trim(sNumero);
    if (numero.isEmpty() || vb::Trim(sTipo).isEmpty())
        return false;
    // "06" and "6" name the same type.
    const QString argumento = vb::CStr(vb::Val(sTipo));
    const QList<QSqlRecord> filas = base().select(
        QStringLiteral("SELECT Funcion FROM Param WHERE Numero = '044' AND Argumento = ?"), {argumento});
    if (filas.isEmpty())
        return false;
    const QString registro = vb::CStr(filas.first().value(0));

    bool valido = true;
    const int largo = longitudRequerida(registro);
    const int n = int(numero.size());
    if (digito(registro, 130) == 0 ? n > largo : n != largo)
        valido = false;

    static const cUtilitario propio;
    const cUtilitario *util = goUtilitario ? goUtilitario : &propio;
    int salida1 = 0, salida2 = 0;
    const bool aceptado = digito(registro, 128) != 0 ? util->ValidaNumDocMarcado(sNumero, salida1, salida2)
                                                    : util->ValidaNumDoc(sNumero, salida1, salida2);
    if (!aceptado)
        valido = false;
    return valido;
}

Consulta fSqlContribuyentes(const QString &formulario)
{
    QString registro = kRegistroRuc;
    const QList<QSqlRecord> filas = base().select(
        QStringLiteral("SELECT * FROM PARAM WHERE Numero = '044' AND Argumento = '6'"));
    if (!filas.isEmpty())
        registro = vb::CStr(filas.first().value(QStringLiteral("Funcion")));

    Consulta c;
    QString where = QStringLiteral(" WHERE Tip_doc_d=6 ");
    if (longitudRequerida(registro) == 11 && digito(registro, 130) == 1)
        where += QStringLiteral(" AND length(trim(Doc_id_d))=11 ");
    if (formulario == QLatin1String("0954"))
        where += QStringLiteral(" AND Tipo_Ingreso=2 ");
    if (fTipoUsuario() == QLatin1String("0")) {
        where += QStringLiteral(" ORDER BY Tip_doc_d, doc_id_d ");
    } else {
        where += QStringLiteral(" AND Usuario =? Order by Tip_doc_d, doc_id_d ");
        c.params << gsUsuario;
    }
    c.sql = QStringLiteral(" SELECT * FROM CONT ") + where;
    return c;
}

QVariant fValorCasilla(const QString &sCasilla, const QString &sRuc, const QString &sPeriodo,
                       const QString &sFormulario)
{
    const QList<QSqlRecord> filas = base().select(
        QStringLiteral("SELECT i_valor FROM DET WHERE DOC_ID_D = ? AND TIP_DOC_D = 6 AND PERIODO = ?"
                       " AND FORMULARIO = ? AND CASILLA = ?"),
        {sRuc, sPeriodo, sFormulario, sCasilla});
    if (filas.isEmpty())
        return QStringLiteral("0");
    return filas.first().value(0);   // as stored: a text, or null
}
