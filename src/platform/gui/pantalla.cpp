#include "platform/gui/pantalla.h"

#include <QString>
#include <cstring>
#include <xcb/xcb.h>

namespace {
// The platform the user asked for: -platform wins over QT_QPA_PLATFORM, as
// in Qt.
QString fPlataformaElegida(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (!std::strcmp(argv[i], "-platform") || !std::strcmp(argv[i], "--platform"))
            return QString::fromLocal8Bit(argv[i + 1]);
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}
}

SondaPantalla::SondaPantalla(int argc, char **argv)
{
    const QString plataforma = fPlataformaElegida(argc, argv);
    if (plataforma.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        m_plataformaFijada = true;
    } else if (!plataforma.startsWith(QLatin1String("xcb"))) {
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
    if (m_plataformaFijada)
        qunsetenv("QT_QPA_PLATFORM");
    if (m_c)
        xcb_disconnect(m_c);
}
