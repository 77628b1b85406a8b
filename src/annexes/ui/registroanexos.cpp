#include "annexes/ui/registroanexos.h"
#include "shell/ui/registroventanas.h"

FrmAnexo117 *gFrmAnexo117 = nullptr;
FrmAnexo120 *gFrmAnexo120 = nullptr;
FrmAnexo131 *gFrmAnexo131 = nullptr;
FrmAnexo131A *gFrmAnexo131A = nullptr;

namespace {

// A viewer is made anew for each showing over the sent declaration's boxes
// and released when it closes; it hands nothing back.
template <class W>
void pRegistrarEnviado(const QString &nombre)
{
    registro::registrarAnexoEnviado(nombre, [](ModeloCasillas &origen) {
        W w(origen);
        w.exec();
    });
}

} // namespace

void pRegistrarAnexos()
{
    registro::registrarAnexo<FrmAnexo117>(QStringLiteral("frmAnexo117"), &gFrmAnexo117);
    registro::registrarAnexo<FrmAnexo120>(QStringLiteral("FrmAnexo120"), &gFrmAnexo120);
    registro::registrarAnexo<FrmAnexo131>(QStringLiteral("frmanexo131"), &gFrmAnexo131);
    registro::registrarAnexo<FrmAnexo131A>(QStringLiteral("frmanexo131A"), &gFrmAnexo131A);
    pRegistrarEnviado<FrmAnexo117E>(QStringLiteral("FrmAnexo117E"));
    pRegistrarEnviado<FrmAnexo120E>(QStringLiteral("FrmAnexo120E"));
    pRegistrarEnviado<FrmAnexo131E>(QStringLiteral("FrmAnexo131E"));
    pRegistrarEnviado<FrmAnexo131AE>(QStringLiteral("FrmAnexo131AE"));
}
