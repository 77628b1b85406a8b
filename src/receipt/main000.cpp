#include "receipt/main000.h"
#include "receipt/constancia.h"
#include "receipt/errorvb.h"
#include "receipt/salidatexto.h"

#include "common/archivospool.h"
#include "common/opciones.h"
#include "common/spool.h"
#include "platform/carpetaactual.h"
#include "platform/inifile.h"
#include "platform/instancelock.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"

#include <QFile>

std::shared_ptr<Database> gdbBase;
QString gsSysPath;
QString gsBaseDatos;
QString gsRutaRpt;
QString gsRutaTmp;
QString gsUsuario;
QString gsSql;

namespace {

const QString kIni = QStringLiteral("QX000.INI");

// Ends the run with the given exit status once its message has been shown.
struct FinPrograma { int estado; };

// Every key of a run comes from one reading of the file. A value longer than
// the programs take ends the run with the message that says so: cut, it
// would name another folder or file.
QString fLeerClave(const ini::ProfileFile &ini, const QString &clave)
{
    QString error;
    const QString valor = fLeerOpcion(ini, clave, &error);
    if (!error.isEmpty()) {
        msg::MsgBox(error, 16, kTituloConfiguracion);
        throw FinPrograma{1};
    }
    return valor;
}

QString fDesdeCodigos(std::initializer_list<int> codigos)
{
    QString s;
    for (int c : codigos)
        s.append(QChar(c));
    return s;
}

// The file names of a run are the command line's fields put together; they
// must name files inside the report and temporary folders.
bool fNombreValido(const QString &sBase)
{
    return !sBase.contains(QLatin1Char('/')) && !sBase.contains(QChar(0));
}

// The text for the host's temporary folder: a copy of the rendered text,
// composed there under a temporary name.
std::unique_ptr<ArchivoTemporal> fCopiaTemporal(const QString &origen, const QString &carpeta)
{
    QFile entrada(origen);
    if (!entrada.open(QIODevice::ReadOnly))
        errvb::lanzar(errvb::ArchivoNoEncontrado);
    const QByteArray datos = entrada.readAll();
    auto copia = std::make_unique<ArchivoTemporal>(carpeta);
    copia->escribir(datos);
    return copia;
}

} // namespace

LineaComando fCortarLineaComando(const QString &t)
{
    return {t.mid(0, 2), t.mid(2, 15), t.mid(17, 4), t.mid(21, 6), t.mid(27, 1), t.mid(28, 8)};
}

QString fTextoLineaComando(int argc, char **argv)
{
    QStringList partes;
    for (int i = 1; i < argc; ++i)
        partes << QString::fromLocal8Bit(argv[i]);
    return partes.join(QLatin1Char(' '));
}

int pErrorEjecucion(int numero, const QString &descripcion)
{
    msg::MsgBox(QStringLiteral("Se ha producido el error '") + QString::number(numero)
                    + QStringLiteral("' en tiempo de ejecución:\n\n") + descripcion,
                16, QString::fromLatin1(kNombrePrograma));
    return 1;
}

bool AbrirBaseDatos()
{
    // Fixed login of the workgroup file, kept out of the program's plain text.
    const QString usuario = fDesdeCodigos({81, 88, 82, 69, 67, 73, 66, 79});
    const QString clave = fDesdeCodigos({48, 57, 53, 49, 75, 86, 78, 82});
    try {
        gdbBase = Database::open(gsBaseDatos, gsSysPath + QStringLiteral("QX000.MDW"), usuario, clave);
        return true;
    } catch (const DbError &e) {
        const QString texto = e.number == 3051
                                  ? vb::Str(e.number) + QStringLiteral("- Base esta bloqueda")
                                  : e.description + QStringLiteral("\n") + vb::Str(e.number);
        msg::MsgBox(texto, 0, QStringLiteral("Error de Conección"));
        throw FinPrograma{1};
    }
}

void LeerIni()
{
    const ini::ProfileFile ini(kIni);
    gsSysPath = vb::Trim(fLeerClave(ini, QStringLiteral("SysPath")));
    if (gsSysPath.isEmpty() || !carpetaactual::cambiar(gsSysPath))
        errvb::lanzar(errvb::RutaNoEncontrada);
    gsBaseDatos = vb::Trim(fLeerClave(ini, QStringLiteral("DBPath")));
    gsBaseDatos += vb::Trim(fLeerClave(ini, QStringLiteral("DBName")));
    AbrirBaseDatos();
    gsRutaRpt = gsSysPath + QStringLiteral("RPT/");
    gsRutaTmp = gsSysPath + QStringLiteral("TMP/");
    gsUsuario = fLeerClave(ini, QStringLiteral("SysUser"));
}

namespace {

int fCorrida(int argc, char **argv)
{
    InstanceLock instancia(QString::fromLatin1(kNombrePrograma));
    if (!instancia.acquire()) {
        msg::MsgBox(QStringLiteral("La aplicación ya se encuentra en Ejecución"), 64, QStringLiteral("Orvilen"));
        return 1;
    }
    const QString texto = fTextoLineaComando(argc, argv);
    try {
        LeerIni();
        const LineaComando lc = fCortarLineaComando(texto);
        const QString base = lc.sFormulario + lc.sPeriodo + lc.sMarcaArchivo + lc.sControl;
        if (base.isEmpty() || !fNombreValido(base)) {
            msg::MsgBox(base.isEmpty()
                            ? QStringLiteral("La línea de comandos no da el formulario ni el período: "
                                             "los archivos de la constancia no tendrían nombre.")
                            : QStringLiteral("La línea de comandos da un nombre de archivo no válido (\"") + base
                                  + QStringLiteral("\"): los archivos de la constancia deben quedar en las carpetas de reportes y temporal."),
                        16, QStringLiteral("Error en la línea de comandos"));
            return 1;
        }
        // What killed runs left behind; files of runs still going stay.
        ArchivoTemporal::limpiarHuerfanos(gsRutaRpt);
        ArchivoTemporal::limpiarHuerfanos(gsRutaTmp);

        // Everything is composed under temporary names first; the files get
        // their names, and the receipt its SPOOL row, together at the end.
        const Constancia c = GenerarConstancia(lc.sTipDoc, lc.sDocId, lc.sFormulario, lc.sPeriodo,
                                               lc.sControl, lc.sMarcaArchivo);
        const QString sGuion = c.base + QStringLiteral(".PRN");
        gsArchivoTexto = gsRutaRpt + QStringLiteral("/") + fNombreTexto(sGuion);
        std::shared_ptr<ArchivoSalida> txt;
        if (!pRenderizarGuion(c.texto->ruta(), QStringLiteral("ARCHIVO"), &txt))
            return 1;
        const auto copia = fCopiaTemporal(txt->ruta(), gsRutaTmp);

        fRegistrarYPublicar(*gdbBase, QStringLiteral("PR0002"), lc.sTipDoc, lc.sDocId, gsUsuario,
                            QStringLiteral("Tip_doc_d"), [&](const QString &archivo, DiarioPublicacion &diario) {
                                c.grafica->publicar(gsRutaRpt + QStringLiteral("/") + archivo, &diario);
                                c.texto->publicar(gsRutaRpt + sGuion, &diario);
                                txt->publicar(gsArchivoTexto, &diario);
                                copia->publicar(gsRutaTmp + c.base + QStringLiteral(".TXT"), &diario);
                            });
        return 0;
    } catch (const FinPrograma &f) {
        return f.estado;
    } catch (const SpoolAgotado &e) {
        // Not a fault of the program: the host's register is full.
        msg::MsgBox(e.description, 16, QString::fromLatin1(kNombrePrograma));
        return 1;
    } catch (const ErrorVB &e) {
        return pErrorEjecucion(e.numero, e.descripcion);
    } catch (const DbError &e) {
        return pErrorEjecucion(e.number, e.description);
    } catch (const ErrorArchivo &e) {
        return pErrorEjecucion(e.numero, errvb::descripcion(e.numero));
    }
}

} // namespace

int Main(int argc, char **argv)
{
    // No application object: the run has no event loop, and the object's
    // start (the C library's locale, the event dispatcher) cost a few per cent.
    // A rendering that reaches the printer gets one from the printer library.
    const int estado = fCorrida(argc, argv);
    gdbBase.reset();
    giArchivoSalida.reset();
    return estado;
}
