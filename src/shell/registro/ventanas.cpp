#include "shell/registro/ventanas.h"
#include "annexes/ui/registroanexos.h"
#include "declaration/ui/frm381reglas.h"
#include "declaration/ui/frmcontabrir.h"
#include "declaration/ui/grabacionventana.h"
#include "declaration/ui/pnuevadeclaracion.h"
#include "printing/ui/registroimpresion.h"
#include "sent/ui/registroenviadas.h"

void pRegistrarVentanas()
{
    pRegistrarDeclaracion();
    pRegistrarFrmContAbrir();
    pRegistrarGrabacion();
    pRegistrarReglas();
    pRegistrarAnexos();
    pRegistrarImpresion();
    pRegistrarEnviadas();
}
