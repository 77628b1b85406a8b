#include "shell/ui/pantalla.h"

#include <QString>
#include <xcb/xcb.h>

bool fPuedeAbrirPantalla()
{
    const QString plataforma = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!plataforma.isEmpty() && !plataforma.startsWith(QLatin1String("xcb")))
        return true;
    if (qEnvironmentVariable("DISPLAY").isEmpty())
        return false;
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    const bool ok = c && !xcb_connection_has_error(c);
    if (c)
        xcb_disconnect(c);
    return ok;
}
