#include "declaration/core/reglas/validacion.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include <QSqlRecord>

namespace {

void pAvisosPago(VentanaDeclaracion &v)
{
    const double a = fImporteCasilla(v.modelo().texto(180));
    const double b = fImporteCasilla(v.modelo().texto(146));
    if (a > b && !(b < 0 && a == 0)) {
        v.pPuntero(0);
        msg::MsgBox(QStringLiteral("El importe a pagar es mayor que el saldo definitivo a pagar.")
                        + QStringLiteral(" Se generará un pago en exceso."),
                    64, v.caption());
    } else if (a < b) {
        v.pPuntero(0);
        msg::MsgBox(QStringLiteral("El importe a pagar es menor que el saldo definitivo a pagar.")
                        + QStringLiteral("La KAVEN emitirá una Orden de Pago."),
                    64, v.caption());
    }
}

// A cheque needs its bank and its number before anything is stored.
bool fChequeCompleto(VentanaDeclaracion &v)
{
    if (v.control(Campos::FormaPago) != QLatin1String("C"))
        return true;
    const QString banco = vb::Trim(v.control(Campos::Banco));
    if (banco.isEmpty() || banco == QLatin1String("XX")) {
        v.pPuntero(0);
        v.pMostrarFrame(4);
        v.pMostrarPagina(4);
        msg::MsgBox(QStringLiteral("Ingrese el banco."), 49, v.caption());
        return false;
    }
    if (vb::Trim(v.control(Campos::NumCheque)).isEmpty()) {
        v.pPuntero(0);
        v.pMostrarPagina(4);
        msg::MsgBox(QStringLiteral("Debe ingresar el número de cheque."), 16, v.caption());
        return false;
    }
    return true;
}

} // namespace

bool CmdValidar_Click(VentanaDeclaracion &v, Database &db)
{
    gsAceptaInconsistencias.clear();
    if (!v.ValidaDeclaracion())
        return false;

    pAvisosPago(v);
    v.pPuntero(11);
    if (!fContribuyenteAceptado(v))
        return false;
    if (!fChequeCompleto(v))
        return false;

    const bool cerrando = giEstadoGrabacion == 3;
    if (giHayInconsistencias == 1) {
        const bool enPagina5 = v.paginaActual() == 5;
        if (enPagina5)
            v.pMostrarPagina(0);
        if (cerrando)
            gsAceptaInconsistencias = QStringLiteral("A");
        else
            v.pMostrarInconsistencias();
        if (enPagina5)
            v.pMostrarPagina(5);
    }
    const bool consistente = giHayInconsistencias != 1 && gsAceptaInconsistencias != QLatin1String("A");

    const QString ruc = v.iAccion() == 0 ? vb::Trim(vb::Left(v.control(Campos::CmbRuc), 11))
                                         : v.control(Campos::TxtNumRuc);
    const SituacionAnexo s{v.respuesta(Campos::OptIEAN), v.respuesta(Campos::OptAnexo)};
    if (!fEscribirDeclaracion(v, db, ruc, s, consistente ? 0 : 9))
        return false;

    v.pPuntero(0);
    v.modelo().bModificado = false;
    if (consistente) {
        msg::MsgBox(cerrando ? QStringLiteral("Toda la información de la declaración fue grabada satisfactoriamente.")
                             : QStringLiteral("La información de la declaración no presenta inconsistencias."),
                    48, v.caption());
    } else if (cerrando) {
        msg::MsgBox(QStringLiteral("La información del formulario fue grabada con inconsistencias.") + QLatin1Char('\n')
                        + QStringLiteral("En estas condiciones no podrá ser enviado a KAVEN."),
                    48, v.caption());
    }
    giEstadoGrabacion = 2;
    return true;
}

bool cmdCancelar_Click(VentanaDeclaracion &v, Database &db)
{
    const int estadoAnterior = giEstadoGrabacion;
    giEstadoGrabacion = 3;
    if (v.modelo().bModificado
        && msg::MsgBox(QStringLiteral("¿El formulario ha sido modificado, desea guardar los cambios?"), 36,
                       v.caption())
               == msg::Yes) {
        if (CmdValidar_Click(v, db))
            return true;
        // Stopped: the window stays with the user's edits, and is no longer closing.
        if (giEstadoGrabacion == 3)
            giEstadoGrabacion = estadoAnterior;
        return false;
    }

    const QString ruc = vb::Trim(vb::Left(v.control(Campos::CmbRuc), 11));
    const auto cabeceraSola = [&db, &ruc] {
        const QList<QSqlRecord> cab = db.select(QStringLiteral("SELECT cNumero FROM CAB") + fLlaveSql(), fLlave(ruc));
        return !cab.isEmpty() && vb::CStr(cab.first().value(0)) == QLatin1String("0");
    };
    try {
        // The bare header an annex calculator leaves before the first save goes,
        // with the annex rows, or neither does. Only then is the write lock
        // taken, and the header looked at again under it: closing a window
        // that removes nothing never waits for another program.
        if (cabeceraSola()) {
            Transaction t(db, true);
            if (cabeceraSola()) {
                db.exec(QStringLiteral("DELETE FROM CAB") + fLlaveSql(), fLlave(ruc));
                db.exec(QStringLiteral("DELETE FROM ACTA") + fLlaveSql(), fLlave(ruc));
            }
            t.commit();
        }
    } catch (const DbError &e) {
        giEstadoGrabacion = estadoAnterior;
        v.pPuntero(0);
        pMostrarError(e);
        return false;
    }
    v.pBarraEstado(QString(), QString());
    return true;
}
