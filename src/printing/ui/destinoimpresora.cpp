#include "printing/ui/destinoimpresora.h"
#include "shell/core/errorejecucion.h"

namespace {
ErrorEjecucion fErrorImpresora()
{
    return ErrorEjecucion(482, QStringLiteral("Error de impresora"));
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
        if (!m_impresora.begin(m_documento))
            throw ErrorEjecucion(484, QStringLiteral("Impresora no disponible"));
        m_lienzo = std::make_unique<LienzoTwips>(*m_impresora.painter(), m_impresora.resolution() / 1440.0);
    }
    return *m_lienzo;
}

void DestinoImpresora::nuevaHoja()
{
    hoja(0);
    if (!m_impresora.newPage())
        throw fErrorImpresora();
}

void DestinoImpresora::finDocumento()
{
    // A document that drew nothing has nothing to send.
    if (!m_lienzo)
        return;
    m_lienzo.reset();
    if (!m_impresora.end())
        throw fErrorImpresora();
}

void DestinoImpresora::abortar()
{
    m_lienzo.reset();
    m_impresora.abort();
}
