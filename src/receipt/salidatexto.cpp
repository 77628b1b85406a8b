#include "receipt/salidatexto.h"
#include "receipt/errorvb.h"
#include "receipt/impresora.h"
#include "receipt/main000.h"

#include "common/archivospool.h"
#include "common/campoguion.h"
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

// Its line's rest is a line of data, output unread.
const QString kTagTexto = QStringLiteral("<!texto!>");

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
    } else if (tag == kTagTexto) {
        // A line of data that holds "<!" (fLineaDato): output as it stands.
        pSalidaLinea(resto);
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

ArchivoSalida::ArchivoSalida(const QString &carpeta)
{
    try {
        m_archivo = std::make_unique<ArchivoTemporal>(carpeta);
    } catch (const ErrorArchivo &e) {
        m_abierto = false;
        errvb::lanzar(e.numero);
    }
}

ArchivoSalida::~ArchivoSalida() = default;

void ArchivoSalida::escribir(const QString &linea)
{
    m_lineas.append(linea);
}

void ArchivoSalida::cerrar()
{
    if (!m_abierto)
        return;
    m_abierto = false;
    try {
        m_archivo->escribirLineas(m_lineas);
    } catch (const ErrorArchivo &e) {
        throw ErrorVB(errvb::ErrorEntradaSalida, e.descripcion);
    }
}

QString ArchivoSalida::ruta() const
{
    return m_archivo ? m_archivo->ruta() : QString();
}

void ArchivoSalida::publicar(const QString &destino, DiarioPublicacion *diario)
{
    m_archivo->publicar(destino, diario);
}

QString fLineaDato(const QString &linea)
{
    const QString texto = fTextoEnLinea(linea);
    if (texto.contains(QLatin1String("<!")))
        return kTagTexto + texto;
    return texto;
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

bool pRenderizarGuion(const QString &entrada, const QString &sDestino, std::shared_ptr<ArchivoSalida> *texto)
{
    texto->reset();
    gsFuente = QStringLiteral("Courier New");
    giTamanoFuente = 8;
    gbNegrita = false;
    gbSubrayado = false;
    gbCursiva = false;

    std::shared_ptr<ArchivoSalida> salida;
    // A rendering that does not reach its end leaves no text behind.
    auto descartar = [&] {
        if (salida && giArchivoSalida == salida)
            giArchivoSalida.reset();
    };
    try {
        if (sDestino == QLatin1String("PRINTER")) {
            gsDestino = QStringLiteral("PRINTER");
            gpImpresora.reset();
            gsDocumento = fNombreTexto(QFileInfo(entrada).fileName());
            gsDocumento.chop(4);
        } else {
            gsDestino = QStringLiteral("ARCHIVO");
            salida = std::make_shared<ArchivoSalida>(gsRutaRpt);
            giArchivoSalida = salida;
        }

        if (!fExisteArchivo(entrada)) {
            msg::MsgBox(QStringLiteral("Archivo Físico del Reporte no Existe"), 16, QStringLiteral("Error al Imprimir"));
            descartar();
            return false;
        }
        QStringList lineas;
        QString error;
        if (!textfile::readLines(entrada, &lineas, &error))
            throw ErrorVB(errvb::ErrorEntradaSalida, error.isEmpty() ? errvb::descripcion(errvb::ErrorEntradaSalida) : error);
        for (const QString &linea : lineas)
            pLineaGuion(linea);

        if (salida)
            salida->cerrar();
        // Only a printer rendering has a document to end: a file rendering
        // leaves the printer alone.
        if (gsDestino == QLatin1String("PRINTER")) {
            fImpresora().finDocumento();
            gpImpresora.reset();
        }
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        *texto = salida;
        return true;
    } catch (const ErrorVB &e) {
        pMensajeImpresion(e);
        // A real printer gets what was printed so far; a PDF of it is not published.
        gpImpresora.reset();
        descartar();
        return false;
    }
}

bool pImprimirReporte(const QString &sArchivo, const QString &sDestino)
{
    if (sDestino != QLatin1String("PRINTER"))
        gsArchivoTexto = gsRutaRpt + QStringLiteral("/") + fNombreTexto(sArchivo);
    std::shared_ptr<ArchivoSalida> texto;
    if (!pRenderizarGuion(gsRutaRpt + QStringLiteral("/") + sArchivo, sDestino, &texto))
        return false;
    if (texto) {
        try {
            texto->publicar(gsArchivoTexto);
        } catch (const ErrorArchivo &e) {
            pMensajeImpresion(ErrorVB(e.numero, e.descripcion));
            return false;
        }
    }
    return true;
}
