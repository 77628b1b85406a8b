// Qx381: the data-entry program of form 0951. It runs only when started from
// the host (its window "Velantis" must be on screen) and only once at a time.
#include "shell/core/modglobal.h"
#include "shell/registro/ventanas.h"
#include "shell/ui/cwindows.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/mensajes.h"
#include "platform/gui/fuente.h"
#include "platform/gui/pantalla.h"
#include "platform/instancelock.h"
#include "platform/msgbox.h"
#include "platform/utilitario.h"

#include <QApplication>
#include <QCoreApplication>
#include <memory>

int main(int argc, char **argv)
{
    std::unique_ptr<QCoreApplication> app;
    bool hayPantalla = false;
    {
        SondaPantalla sonda(argc, argv);
        hayPantalla = sonda.disponible();
        if (hayPantalla) {
            app = std::make_unique<QApplication>(argc, argv);
            applyInterfaceFont();
        } else
            app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The title of the messages that name none (the print run's errors, among others).
    QCoreApplication::setApplicationName(QStringLiteral("Declaración Pago Anual Impuesto a la Renta"));
    pInstalarMensajes(hayPantalla);

    goUtilitario = new cUtilitario;
    {
        cWindows ventanas;
        if (!ventanas.CorreApp(QStringLiteral("Velantis"))) {
            msg::MsgBox(QStringLiteral("Debe ejecutar este módulo desde el Redizudira del ZRV"), 16,
                        QStringLiteral("Error al ejecutar el módulo"));
            return 1;
        }
    }

    InstanceLock instancia(QStringLiteral("Qx381"));
    if (!instancia.acquire()) {
        msg::MsgBox(QStringLiteral("La Aplicación ya se encuentra en ejecución"), 64,
                    QStringLiteral("Declaración Pago Anual Impuesto a la Renta"));
        return 1;
    }

    pRegistrarVentanas();

    MDIFrm principal;
    if (!principal.MDIForm_Load())
        return 1;
    const int estado = app->exec();
    gdbBase.reset();
    delete goUtilitario;
    goUtilitario = nullptr;
    return estado;
}
