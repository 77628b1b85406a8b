#include "platform/gui/pantalla.h"

#include <QString>
#include <xcb/xcb.h>

SondaPantalla::SondaPantalla()
{
    const QString plataforma = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!plataforma.isEmpty() && !plataforma.startsWith(QLatin1String("xcb"))) {
        m_disponible = true;
        return;
    }
    if (qEnvironmentVariable("DISPLAY").isEmpty())
        return;
    m_c = xcb_connect(nullptr, nullptr);
    m_disponible = m_c && !xcb_connection_has_error(m_c);
}

SondaPantalla::~SondaPantalla()
{
    if (m_c)
        xcb_disconnect(m_c);
}
