#include "printing/ui/destinoimpresora.h"
#include "shell/core/errorejecucion.h"

namespace {
ErrorEjecucion fErrorImpresora(const Printer &p)
{
    const QString causa = p.errorString();
    return ErrorEjecucion(482, causa.isEmpty() ? QStringLiteral("Error de impresora") : causa);
}
} // namespace

DestinoImpresora::DestinoImpresora(const QString &documento) : m_documento(documento)
{
}

DestinoImpresora::~DestinoImpresora()
{
    // A document left open by a run that did not end it is not printed.
    if (m_impresora.isActive())
        m_impresora.abort();
}

LienzoTwips &DestinoImpresora::hoja(int)
{
    if (!m_lienzo) {
        if (!m_impresora.begin(m_documento)) {
            if (m_impresora.libraryMissing())
                throw fErrorImpresora(m_impresora);
            throw ErrorEjecucion(484, QStringLiteral("Impresora no disponible"));
        }
        m_lienzo = std::make_unique<LienzoTwips>(*m_impresora.painter(), m_impresora.resolution() / 1440.0);
    }
    return *m_lienzo;
}

void DestinoImpresora::nuevaHoja()
{
    hoja(0);
    if (!m_impresora.newPage())
        throw fErrorImpresora(m_impresora);
}

void DestinoImpresora::finDocumento()
{
    // A document that drew nothing has nothing to send.
    if (!m_lienzo)
        return;
    m_lienzo.reset();
    if (!m_impresora.finish())
        throw fErrorImpresora(m_impresora);
}

void DestinoImpresora::publicarDocumento()
{
    if (!m_impresora.publish())
        throw fErrorImpresora(m_impresora);
}

void DestinoImpresora::abortar()
{
    m_lienzo.reset();
    m_impresora.abort();
}
