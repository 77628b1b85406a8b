#include "printing/core/guionimpresion.h"
#include "common/archivospool.h"
#include "platform/textfile.h"

GuionImpresion::GuionImpresion(const QString &carpeta) : m_carpeta(carpeta)
{
    ArchivoTemporal::limpiarHuerfanos(carpeta);
    m_archivo = std::make_unique<ArchivoTemporal>(carpeta);
}

GuionImpresion::~GuionImpresion() = default;

QString GuionImpresion::rutaTemporal() const
{
    return m_archivo->ruta();
}

void GuionImpresion::escribir(const QStringList &lineas)
{
    for (const QString &l : lineas) {
        m_texto += l;
        m_texto += QLatin1String("\r\n");
    }
}

QString GuionImpresion::publicar(Database &db, const QString &sCodReporte, const QString &sRuc,
                                 const QString &usuario, const std::function<void()> &alNombrar)
{
    // One conversion and one write of the whole script, then the name.
    m_archivo->escribir(textfile::toCp1252(m_texto));
    return fRegistrarYPublicar(db, sCodReporte, 6, sRuc, usuario, QStringLiteral("tip_doc_d"),
                               [&](const QString &archivo, DiarioPublicacion &diario) {
                                   m_archivo->publicar(m_carpeta + archivo, &diario);
                                   if (alNombrar)
                                       alNombrar();
                               });
}
