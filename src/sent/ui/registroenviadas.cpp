#include "sent/ui/registroenviadas.h"
#include "sent/ui/frmcontabrirenv.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/registroventanas.h"

void pRegistrarEnviadas()
{
    // The main window sets giModoEnviada (1 register, 3 delete) first.
    registro::contAbrirEnv() = [] {
        delete gfrmContAbrirEnv;
        FrmContAbrirEnv w(MDIFrm::instancia());
        w.exec();
    };
}
