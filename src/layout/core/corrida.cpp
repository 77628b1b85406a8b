#include "layout/core/corrida.h"
#include "common/archivospool.h"
#include "layout/core/consulta.h"
#include "layout/core/fuenteanexos.h"
#include "layout/core/paginas.h"
#include "platform/database.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "printing/core/motorimpresion.h"
#include "shell/core/errorejecucion.h"

const PaginasImpresion &fPaginasDeclaracion()
{
    static const PaginasImpresion p{pHoja1, pHoja2, ReporteAnexos};
    return p;
}

bool fTieneFactor(const DatosImpresion &d)
{
    return vb::Val(vb::Trim(d.casilla(332))) != 0 || vb::Val(vb::Trim(d.casilla(333))) != 0;
}

QString fMensajeErrorCorrida(int numero, const QString &descripcion)
{
    switch (numero) {
    case 482: return QStringLiteral("Error de Impresora ") + descripcion;
    case 484: return QStringLiteral("Error Impresora no disponible");
    default: return descripcion;
    }
}

void pLeerDatosImpresion(DatosImpresion &d, Database &db)
{
    d.sAnexosLeidos.clear();
    d.aMesesAnexo.clear();
    // A read transaction held while drawing would make a save of another
    // program wait out its busy timeout and fail; this one lasts the reads.
    Transaction lectura(db, false);
    pConsulta(d, db);
    fCargaPago(d, db);
    if (d.bAnexo)
        pLeerAnexos(d.sTipoAnexo, d, db);
    lectura.commit();
}

bool pCargar(DatosImpresion &d, Database &db, MotorImpresion &motor, const PaginasImpresion &paginas)
{
    int numero = 0;
    QString descripcion;
    try {
        pLeerDatosImpresion(d, db);
        paginas.hoja1(d, motor);
        motor.pImpritext({QStringLiteral("pNuevaHoja")});
        paginas.hoja2(d, motor);
        if (d.bAnexo) {
            motor.pImpritext({QStringLiteral("pNuevaHoja")});
            paginas.anexos(d.sTipoAnexo, fTieneFactor(d), d, motor);
        }
        motor.pFinDocumento();
        motor.pImpritext({QStringLiteral("Fin")});
        return true;
    } catch (const ErrorEjecucion &e) {
        numero = e.numero;
        descripcion = e.descripcion;
    } catch (const DbError &e) {
        numero = e.number;
        descripcion = e.description;
    } catch (const ErrorArchivo &e) {
        numero = e.numero;
        descripcion = e.descripcion;
    } catch (const std::exception &e) {
        numero = 0;
        descripcion = QString::fromLocal8Bit(e.what());
    }
    // Nothing of a stopped run reaches the host or the printer.
    try {
        motor.pAbortar();
    } catch (...) {
    }
    msg::MsgBox(fMensajeErrorCorrida(numero, descripcion), 16);
    return false;
}
