#include "printing/core/motorimpresion.h"
#include "printing/core/guionimpresion.h"
#include "printing/core/lineaguion.h"
#include "platform/vbruntime.h"
#include "shell/core/errorejecucion.h"

const QString MotorImpresion::ModoPrevia = QStringLiteral("Picprevia");
const QString MotorImpresion::ModoImprimir = QStringLiteral("IMPRIMIR");

namespace {

const QString kCara = QStringLiteral("Courier new");
constexpr int kPasoVertical = 190;   // twips from one character to the next

const QVariant &elemento(const QVariantList &c, int i)
{
    if (i >= c.size())
        throw errores::subindiceFuera();
    return c.at(i);
}

int fSuma16(int a, int b)
{
    const int s = a + b;
    if (s < -32768 || s > 32767)
        throw errores::desbordamiento();
    return s;
}

int fProducto16(int a, int b)
{
    const long long p = static_cast<long long>(a) * b;
    if (p < -32768 || p > 32767)
        throw errores::desbordamiento();
    return static_cast<int>(p);
}

} // namespace

MotorImpresion::MotorImpresion(const QString &sModoImpresion, DestinoImpresion &destino, RegistroGuion registro)
    : m_modo(sModoImpresion), m_destino(destino), m_registro(std::move(registro))
{
}

MotorImpresion::~MotorImpresion() = default;

void MotorImpresion::pImpritext(const QVariantList &c)
{
    const QString nombre = vb::CStr(elemento(c, 0));
    if (nombre == QLatin1String("Cabecera")) {
        if (!fImprimiendo())
            return;
        // The script is composed under a temporary name; a run that never
        // reaches "Fin" leaves neither a SPOOL row nor a spool file.
        const QStringList cabecera = fLineasGuion(c);
        m_guion.reset();
        m_archivo.clear();
        m_guion = std::make_unique<GuionImpresion>(m_registro.carpeta);
        m_guion->escribir(cabecera);
    } else if (nombre == QLatin1String("pPos") || nombre == QLatin1String("pPosVerti")) {
        const int X = fEntero16(elemento(c, 1));
        const int Y = fEntero16(elemento(c, 2));
        const QString texto = vb::CStr(elemento(c, 3));
        const bool negrita = fNegritaGuion(elemento(c, 4));
        const int tamano = fEntero16(elemento(c, 5));
        const int hoja = fEntero16(elemento(c, 6));
        if (nombre == QLatin1String("pPos"))
            pPos(X, Y, texto, negrita, tamano, hoja);
        else
            pPosVerti(X, Y, texto, negrita, tamano, hoja);
        escribir(c);
    } else if (nombre == QLatin1String("pCuadro")) {
        const int x1 = fEntero16(elemento(c, 1));
        const int y1 = fEntero16(elemento(c, 2));
        const int x2 = fEntero16(elemento(c, 3));
        const int y2 = fEntero16(elemento(c, 4));
        const int hoja = fEntero16(elemento(c, 5));
        pCuadro(x1, y1, x2, y2, hoja);
        escribir(c);
    } else if (nombre == QLatin1String("pNuevaHoja")) {
        pNuevaHoja();
        escribir(c);
    } else if (nombre == QLatin1String("Fin")) {
        if (!fImprimiendo())
            return;
        // The printed document comes out with the script's registration, so
        // that a run whose registration fails leaves no printed document.
        if (!m_guion) {
            m_destino.publicarDocumento();
            return;
        }
        if (!m_registro.db)
            throw ErrorEjecucion(91, QStringLiteral("Variable de tipo Object o de bloque With no establecida"));
        m_archivo = m_guion->publicar(*m_registro.db, m_registro.sCodReporte, m_registro.sRuc,
                                      m_registro.usuario, [this] { m_destino.publicarDocumento(); });
        m_guion.reset();
    }
}

void MotorImpresion::escribir(const QVariantList &c)
{
    if (!fImprimiendo())
        return;
    // Drawing commands need the script that "Cabecera" opened.
    if (!m_guion)
        throw ErrorEjecucion(52, QStringLiteral("Nombre o número de archivo incorrecto"));
    m_guion->escribir(fLineasGuion(c));
}

void MotorImpresion::pPos(int X, int Y, const QString &stexto, bool bColo, int iTama, int iHoja)
{
    // A text never stops the run: a missing picture or printer draws nothing.
    try {
        LienzoTwips &l = m_destino.hoja(iHoja);
        l.setCara(kCara);
        l.setNegrita(bColo);
        l.setTamano(iTama);
        l.texto(X, Y, stexto);
    } catch (...) {
    }
}

void MotorImpresion::pPosVerti(int X, int Y, const QString &stexto, bool bColo, int iTama, int iHoja)
{
    LienzoTwips &l = m_destino.hoja(iHoja);
    // On the printer the face stays the one the commands before set.
    if (!fImprimiendo())
        l.setCara(kCara);
    l.setNegrita(bColo);
    l.setTamano(iTama);
    for (int i = 1; i <= stexto.size(); ++i)
        l.texto(X, fSuma16(Y, fProducto16(i - 1, kPasoVertical)), stexto.mid(i - 1, 1));
}

void MotorImpresion::pCuadro(int x1, int y1, int x2, int y2, int iHoja)
{
    LienzoTwips &l = m_destino.hoja(iHoja);
    l.setCara(kCara);
    l.setAnchoLinea(1);   // the legacy 1.4, as a whole number
    l.linea(x1, y1, x1, y2);   // left
    l.linea(x2, y1, x2, y2);   // right
    l.linea(x1, y1, x2, y1);   // top
    l.linea(x1, y2, x2, y2);   // bottom
}

void MotorImpresion::pNuevaHoja()
{
    if (fImprimiendo())
        m_destino.nuevaHoja();
}

void MotorImpresion::pFinDocumento()
{
    if (fImprimiendo())
        m_destino.finDocumento();
}

void MotorImpresion::pAbortar()
{
    m_guion.reset();
    if (fImprimiendo())
        m_destino.abortar();
}
