#include "receipt/salidatexto.h"
#include "receipt/errorvb.h"
#include "receipt/impresora.h"
#include "receipt/main000.h"

#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "platform/vbruntime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString gsDestino;
std::shared_ptr<ArchivoSalida> giArchivoSalida;
QString gsArchivoTexto;
QString gsFuente = QStringLiteral("Courier New");
int giTamanoFuente = 8;
bool gbNegrita = false;
bool gbSubrayado = false;
bool gbCursiva = false;
bool gbNuevaPagina = false;

namespace {

std::unique_ptr<Impresora> gpImpresora;   // only while a printer rendering needs it
QString gsDocumento;                      // its document name

Impresora &fImpresora()
{
    if (!gpImpresora)
        gpImpresora = fObtenerImpresora(gsDocumento);
    return *gpImpresora;
}

ArchivoSalida &fArchivo()
{
    if (!giArchivoSalida || !giArchivoSalida->abierto())
        throw ErrorVB(52, QStringLiteral("Nombre o número de archivo incorrecto"));
    return *giArchivoSalida;
}

// Acts on one line of a script: a plain line is output, a tag line only
// changes the state.
void pLineaGuion(const QString &linea)
{
    const int inicio = linea.indexOf(QLatin1String("<!"));
    if (inicio < 0) {
        pSalidaLinea(linea);
        return;
    }
    const int fin = linea.indexOf(QLatin1String("!>"), inicio + 1);
    if (fin < 0)
        errvb::lanzar(errvb::ArgumentoNoValido);
    const QString tag = linea.mid(inicio, fin + 2 - inicio);
    const QString resto = linea.mid(fin + 2);

    auto valor = [&](const char *cierre) {
        const int c = resto.indexOf(QLatin1String(cierre));
        if (c < 0)
            errvb::lanzar(errvb::ArgumentoNoValido);
        return resto.left(c);
    };

    if (tag == QLatin1String("<!font!>")) {
        gsFuente = valor("<!/font!>");
    } else if (tag == QLatin1String("<!fontsize!>")) {
        // The size is the text's leading number ("diez" gives 0).
        const double v = vb::Val(valor("<!/fontsize!>"));
        if (v < -32768.5 || v > 32767.5)
            errvb::lanzar(errvb::Desbordamiento);
        giTamanoFuente = vb::CInt(v);
    } else if (tag == QLatin1String("<!bold!>")) {
        gbNegrita = true;
    } else if (tag == QLatin1String("<!/bold!>")) {
        gbNegrita = false;
    } else if (tag == QLatin1String("<!underline!>")) {
        gbSubrayado = true;
    } else if (tag == QLatin1String("<!/underline!>")) {
        gbSubrayado = false;
    } else if (tag == QLatin1String("<!italic!>")) {
        gbCursiva = true;
    } else if (tag == QLatin1String("<!/italic!>")) {
        gbCursiva = false;
    } else if (tag == QLatin1String("<!np!>")) {
        gbNuevaPagina = true;
    }
}

void pMensajeImpresion(const ErrorVB &e)
{
    QString texto;
    switch (e.numero) {
    case 2055:
    case 55:
        return;
    case 20545: texto = QStringLiteral("La Impresión ha sido Cancelada."); break;
    case 482:   texto = QStringLiteral("No existe una impresora seleccionada.Verifique."); break;
    case 380:   texto = QStringLiteral("No Existe Información a Imprimir.Verifique."); break;
    default:
        texto = QStringLiteral("Error Técnico : (") + vb::Str(e.numero) + QStringLiteral(") ") + e.descripcion;
    }
    msg::MsgBox(texto, 16, QStringLiteral("Impresión"));
}

} // namespace

ArchivoSalida::ArchivoSalida(const QString &ruta) : m_ruta(ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_abierto = false;
        errvb::lanzar(QFileInfo(ruta).absoluteDir().exists() ? errvb::AccesoRuta : errvb::RutaNoEncontrada);
    }
}

void ArchivoSalida::escribir(const QString &linea)
{
    m_lineas.append(linea);
}

void ArchivoSalida::cerrar()
{
    if (!m_abierto)
        return;
    m_abierto = false;
    QString error;
    if (!textfile::writeLines(m_ruta, m_lineas, &error))
        throw ErrorVB(errvb::ErrorEntradaSalida, error.isEmpty() ? errvb::descripcion(errvb::ErrorEntradaSalida) : error);
}

QString fNombreTexto(const QString &sArchivo)
{
    QString nombre = sArchivo;
    if (nombre.endsWith(QLatin1String(".PRN"), Qt::CaseInsensitive))
        nombre.chop(4);
    return nombre + QStringLiteral(".txt");
}

bool fExisteArchivo(const QString &sRuta)
{
    const int largo = vb::Trim(sRuta).length();
    const int p = largo > 0 ? sRuta.lastIndexOf(QLatin1Char('/'), largo - 1) : -1;
    if (p >= 0) {
        const QFileInfo carpeta(sRuta.left(p + 1));
        if (!carpeta.exists() || !carpeta.isDir())
            return false;
    }
    return QFileInfo(sRuta).isFile();
}

void pSalidaLinea(const QString &sLinea)
{
    const bool impresora = gsDestino != QLatin1String("ARCHIVO");
    if (gbNuevaPagina) {
        if (impresora)
            fImpresora().nuevaPagina();
        else
            fArchivo().escribir(QString(QChar(15)));
        gbNuevaPagina = false;
    }
    if (!vb::Trim(sLinea).isEmpty()) {
        if (impresora) {
            fImpresora().fuente(gsFuente, giTamanoFuente, gbNegrita, gbCursiva, gbSubrayado);
            fImpresora().linea(sLinea);
        } else {
            fArchivo().escribir(sLinea);
        }
    } else {
        if (impresora)
            fImpresora().lineaVacia();
        else
            fArchivo().escribir(QStringLiteral(" "));
    }
}

bool pImprimirReporte(const QString &sArchivo, const QString &sDestino)
{
    gsFuente = QStringLiteral("Courier New");
    giTamanoFuente = 8;
    gbNegrita = false;
    gbSubrayado = false;
    gbCursiva = false;

    std::shared_ptr<ArchivoSalida> salida;
    auto cerrarSalida = [&] {
        if (salida)
            salida->cerrar();
    };
    try {
        if (sDestino == QLatin1String("PRINTER")) {
            gsDestino = QStringLiteral("PRINTER");
            gpImpresora.reset();
            gsDocumento = fNombreTexto(sArchivo);
            gsDocumento.chop(4);
        } else {
            gsDestino = QStringLiteral("ARCHIVO");
            gsArchivoTexto = gsRutaRpt + QStringLiteral("/") + fNombreTexto(sArchivo);
            salida = std::make_shared<ArchivoSalida>(gsArchivoTexto);
            giArchivoSalida = salida;
        }

        const QString entrada = gsRutaRpt + QStringLiteral("/") + sArchivo;
        if (!fExisteArchivo(entrada)) {
            msg::MsgBox(QStringLiteral("Archivo Físico del Reporte no Existe"), 16, QStringLiteral("Error al Imprimir"));
            cerrarSalida();
            return false;
        }
        QStringList lineas;
        QString error;
        if (!textfile::readLines(entrada, &lineas, &error))
            throw ErrorVB(errvb::ErrorEntradaSalida, error.isEmpty() ? errvb::descripcion(errvb::ErrorEntradaSalida) : error);
        for (const QString &linea : lineas)
            pLineaGuion(linea);

        cerrarSalida();
        // Only a printer rendering has a document to end: a file rendering
        // leaves the printer alone.
        if (gsDestino == QLatin1String("PRINTER")) {
            fImpresora().finDocumento();
            gpImpresora.reset();
        }
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        return true;
    } catch (const ErrorVB &e) {
        pMensajeImpresion(e);
        try {
            cerrarSalida();
        } catch (const ErrorVB &) {
            // the rendering has already failed
        }
        gpImpresora.reset();   // what was printed so far is handed over as it stands
        return false;
    }
}
