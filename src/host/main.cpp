// velantis: the stand-in for the host program. It owns the settings file and
// the database, keeps the taxpayer register and starts Qx381.
#include "host/entorno.h"
#include "host/frmvelantis.h"
#include "platform/gui/fuente.h"
#include "platform/gui/msgboxwidget.h"
#include "platform/gui/pantalla.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <memory>

int main(int argc, char **argv)
{
    // Without a display Qt's X11 platform would abort the program: say what
    // is missing instead (on standard error, there being no window for it).
    std::unique_ptr<QApplication> aplicacion;
    {
        SondaPantalla sonda(argc, argv);
        if (!sonda.disponible()) {
            const QString pantalla = qEnvironmentVariable("DISPLAY");
            msg::MsgBox(pantalla.isEmpty()
                            ? QStringLiteral("Velantis necesita una pantalla X: la variable DISPLAY no está definida.")
                            : QStringLiteral("Velantis necesita una pantalla X: no se pudo abrir la pantalla \"%1\".")
                                  .arg(pantalla),
                        16, QStringLiteral("Velantis"));
            return 1;
        }
        aplicacion = std::make_unique<QApplication>(argc, argv);
        applyInterfaceFont();
    }
    QApplication &app = *aplicacion;
    QApplication::setApplicationName(QStringLiteral("velantis"));
    msg::installWidgetHandler();

    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral("Integrador Velantis"));
    opciones.addHelpOption();
    opciones.addPositionalArgument(QStringLiteral("carpeta"),
                                   QStringLiteral("Carpeta de datos del primer inicio (por omisión ~/velantis-datos)."));
    const QCommandLineOption usuario(QStringLiteral("usuario"), QStringLiteral("Usuario del primer inicio."),
                                     QStringLiteral("nombre"));
    const QCommandLineOption muestra(QStringLiteral("muestra"),
                                     QStringLiteral("En el primer inicio, agrega contribuyentes de muestra y una declaración enviada."));
    opciones.addOption(usuario);
    opciones.addOption(muestra);
    opciones.process(app);
    const QStringList args = opciones.positionalArguments();

    host::Entorno entorno;
    QString error;
    if (!host::fPrepararEntorno(args.value(0), opciones.value(usuario), opciones.isSet(muestra), &entorno, &error)) {
        msg::MsgBox(error, 16, QStringLiteral("Velantis"));
        return 1;
    }

    FrmVelantis ventana(entorno);
    ventana.show();
    return app.exec();
}
