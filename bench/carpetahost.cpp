#include "carpetahost.h"
#include "procesos.h"

#include "host/declaracionmuestra.h"
#include "host/entorno.h"

#include <QDir>
#include <QFile>

namespace banco {

CarpetaHost::CarpetaHost()
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no se pudo crear una carpeta temporal");
        return;
    }
    windir = m_dir.path() + QStringLiteral("/windows/");
    const QString runtime = m_dir.path() + QStringLiteral("/runtime");
    QDir().mkpath(windir);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("QX_WINDIR", windir.toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());

    host::Entorno e;
    if (!host::fPrepararEntorno(m_dir.path() + QStringLiteral("/datos"), QStringLiteral("USUARIO1"), true, &e,
                                &m_error))
        return;
    sysPath = e.carpetaDatos;
    base = e.baseDatos;
    usuario = e.usuario;
    original = m_dir.path() + QStringLiteral("/original.mdb");
    if (!QFile::copy(base, original)) {
        m_error = QStringLiteral("no se pudo copiar la base de datos");
        return;
    }
    m_ok = true;
}

QString CarpetaHost::lineaConstancia()
{
    return QStringLiteral("06") + host::kRucMuestra.leftJustified(15, QLatin1Char(' '))
           + QStringLiteral("0951199800A00000001");
}

bool CarpetaHost::restaurar() const
{
    vaciar(sysPath + QStringLiteral("RPT"));
    vaciar(sysPath + QStringLiteral("TMP"));
    QFile::remove(sysPath + QStringLiteral("Trace.txt"));
    return copiar(original, base);
}

} // namespace banco
