#include "printing/ui/registroimpresion.h"
#include "printing/ui/frmtipprnr.h"
#include "printing/ui/frmvprevia.h"
#include "shell/ui/registroventanas.h"

namespace {
FrmTipPrnR *gFrmTipPrnR = nullptr;
}

void pRegistrarImpresion()
{
    registro::registrarTipoImpresion<FrmTipPrnR>(&gFrmTipPrnR);
    registro::registrarVistaPrevia<frmVPrevia>();
}
