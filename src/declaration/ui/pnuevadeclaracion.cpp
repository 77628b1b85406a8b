#include "declaration/ui/pnuevadeclaracion.h"
#include "declaration/ui/frm381.h"
#include "platform/vbruntime.h"
#include "shell/core/errorejecucion.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/registroventanas.h"

void pNuevaDeclaracion(int iAccion, const QVariantList &aDatos)
{
    if (iAccion == 1 && aDatos.size() < 2)
        throw errores::subindiceFuera();
    delete gfrmDeclaracion;
    gfrmDeclaracion = new Frm381(MDIFrm::instancia());
    gfrmDeclaracion->iAccion = iAccion;
    if (iAccion == 1) {
        gfrmDeclaracion->sRuc = vb::CStr(aDatos.at(0));
        gfrmDeclaracion->sRazon = vb::CStr(aDatos.at(1));
    }
    gfrmDeclaracion->exec();
    delete gfrmDeclaracion;
    gfrmDeclaracion = nullptr;
}

void pRegistrarDeclaracion()
{
    registro::nuevaDeclaracion() = &pNuevaDeclaracion;
}
