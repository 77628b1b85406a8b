#include "shell/core/settings.h"
#include "common/opciones.h"
#include "shell/core/errorejecucion.h"
#include "shell/core/modglobal.h"
#include "platform/carpetaactual.h"
#include "platform/inifile.h"
#include "platform/msgbox.h"
#include "platform/syserror.h"
#include "platform/vbruntime.h"


namespace {

const QString kArchivoIni = QStringLiteral("QX000.INI");
const QString kSeccion = QStringLiteral("Options");

// Set by pLeerIni when the settings give no usable system folder, or a
// value longer than the programs take: the program then ends at fAbrirBase
// without opening anything.
bool g_sinConfiguracion = false;

// The workgroup login: fixed, put together at run time from single characters.
QString usuarioGrupo()
{
    QString s;
    for (char c : {'q', 'x', 's', 'i', 's', '9', '5', '1'})
        s += QLatin1Char(c);
    return s;
}

QString claveGrupo()
{
    QString s;
    for (int c : {0x4b, 0x37, 0x76, 0x52, 0x32, 0x6d, 0x51, 0x38})
        s += QChar(c);
    return s;
}

} // namespace

bool pLeerIni()
{
    g_sinConfiguracion = false;
    // One reading of the file, before the current folder changes. A value
    // longer than the programs take is refused: cut, it would name another
    // folder or file. The first such key is the one reported.
    const ini::ProfileFile ini(kArchivoIni);
    QString largo;
    const auto leer = [&](const QString &clave) {
        QString error;
        const QString valor = vb::Trim(fLeerOpcion(ini, clave, &error));
        if (largo.isEmpty())
            largo = error;
        return valor;
    };
    gsSysPath = leer(QStringLiteral("SysPath"));
    // DBPath and DBName are joined as they stand: no separator is added.
    gsBaseDatos = leer(QStringLiteral("DBPath"));
    gsBaseDatos += leer(QStringLiteral("DBName"));
    gsRutaRpt = gsSysPath + QStringLiteral("RPT/");
    gsUsuario = leer(QStringLiteral("SysUser"));
    if (!largo.isEmpty()) {
        g_sinConfiguracion = true;
        msg::MsgBox(largo, 16, kTituloConfiguracion);
    } else if (gsSysPath.isEmpty()) {
        g_sinConfiguracion = true;
        msg::MsgBox(QStringLiteral("No se encontró la ruta del sistema (SysPath) en el archivo de "
                                   "configuración %1").arg(ini.path()),
                    16, kTituloConfiguracion);
    } else if (!carpetaactual::cambiar(gsSysPath)) {
        g_sinConfiguracion = true;
        msg::MsgBox(QStringLiteral("No existe la carpeta del sistema %1 indicada en SysPath del archivo de "
                                   "configuración %2").arg(gsSysPath, ini.path()),
                    16, kTituloConfiguracion);
    }
    return !g_sinConfiguracion;
}

bool fAbrirBase()
{
    if (g_sinConfiguracion)
        return false;   // already reported by pLeerIni
    const QString grupo = gsSysPath + QStringLiteral("QX000.MDW");
    // Written on every start, before the open, whatever the open then does.
    // A write that fails leaves the file as it was and the start goes on,
    // but the user hears of it: a full disk is not passed over in silence.
    int errnum = 0;
    if (!ini::WritePrivateProfileString(kSeccion, QStringLiteral("SystemDB"), grupo, kArchivoIni, &errnum)) {
        msg::MsgBox(fTextoError(vbFileError(errnum),
                                QStringLiteral("No se pudo grabar SystemDB en el archivo de configuración %1 (%2): "
                                               "el archivo quedó como estaba.")
                                    .arg(ini::resolve(kArchivoIni), sysCause(errnum))),
                    48, kTituloConfiguracion);
    }
    try {
        gdbBase = Database::open(gsBaseDatos, grupo, usuarioGrupo(), claveGrupo());
    } catch (const DbError &e) {
        gdbBase.reset();
        const QString texto = e.number == dberr::Bloqueada
            ? vb::Str(e.number) + QStringLiteral("- Base esta bloqueda")
            : e.description + QChar(10) + vb::Str(e.number);
        msg::MsgBox(texto, 0, QStringLiteral("Error de Conección"));
        return false;
    }
    return true;
}
