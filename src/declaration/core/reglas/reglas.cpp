#include "declaration/core/reglas/reglas.h"
#include "platform/msgbox.h"
#include "platform/syserror.h"
#include "platform/textfile.h"
#include "shell/core/errorejecucion.h"
#include "shell/core/modglobal.h"
#include "shell/core/servicios.h"

Reglas::Reglas(ModeloCasillas &modelo, EstadoVentana &ventana, Cabecera &cabecera)
    : m_modelo(modelo), m_ventana(ventana), m_cabecera(cabecera)
{
    servicios.rucValido = [](const QString &ruc) {
        // Both checks are always asked, the empty text included.
        const bool documento = fValidaDocumento(QStringLiteral("6"), ruc);
        const bool componente = goUtilitario && goUtilitario->ValidaRuc(ruc);
        return documento && componente;
    };
}

bool Reglas::ValidaDeclaracion()
{
    giHayInconsistencias = 0;
    const QString ruc = cabecera::rucIdentificacion(m_modelo, m_ventana);

    m_cabecera.ValidaContForm();
    if (giSinContribuyente == 1)
        return false;

    const LecturaReglas lectura(m_modelo, m_cabecera, servicios, ruc);

    gsArchivoMensajes = reglas::archivoMensajes();
    QStringList lineas;
    for (const reglas::ReglaArchivo &regla : reglas::reglasArchivo()) {
        for (const QString &id : regla.condiciones) {
            if (reglas::falla(id, lectura)) {
                if (!regla.mensaje.isEmpty())
                    gsMensaje = regla.mensaje;   // the caps leave their own line
                lineas << gsMensaje;
                giHayInconsistencias = 1;
                break;
            }
        }
    }

    // The list must be on disk before anything reads it: a run whose file
    // could not be written does not pass, and leaves the earlier list as it was.
    int errnum = 0;
    if (!textfile::writeLines(gsArchivoMensajes, lineas, nullptr, &errnum)) {
        msg::MsgBox(fTextoError(vbFileError(errnum),
                                QStringLiteral("No se pudo grabar el archivo de inconsistencias %1.\n"
                                               "La lista de inconsistencias no se pudo escribir (%2): el archivo "
                                               "quedó como estaba y la declaración no se grabó.")
                                    .arg(gsArchivoMensajes, sysCause(errnum))),
                    16, m_ventana.titulo);
        return false;
    }

    for (const reglas::ReglaParada &regla : reglas::reglasParada()) {
        if (!reglas::falla(regla.condicion, lectura))
            continue;
        if (regla.conFrame)
            m_ventana.frame[5] = true;
        m_ventana.mostrarPagina(regla.pagina);
        msg::MsgBox(regla.mensaje, 16, m_ventana.titulo);
        m_ventana.pedirFoco(regla.foco);
        return false;
    }
    return true;
}

bool Reglas::DeclaracionCompleta()
{
    const LecturaReglas lectura(m_modelo, m_cabecera, servicios, m_ventana.sRuc);
    for (const QString &id : reglas::ordenCompleta()) {
        if (reglas::falla(id, lectura))
            return false;
    }
    return true;
}
