#include "declaration/core/calculos/calculos.h"
#include "declaration/core/calculos/calculosimporte.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include <cmath>

namespace {

QString rucAnexoDeclaracion(const ModeloCasillas &m, int casilla)
{
    if (casilla == 120) {
        // A new declaration has its RUC only in the taxpayer list yet.
        const QString accion = vb::Trim(m.campo(campos::iAccion));
        const bool modifica = !accion.isEmpty() && accion != QLatin1String("0");
        return vb::Trim(vb::Left(m.campo(modifica ? campos::TxtNumRuc : campos::CmbRuc), 11));
    }
    return vb::Trim(m.campo(campos::sRuc));
}

QString rucAnexoEnviada(const ModeloCasillas &m, int)
{
    return vb::Trim(vb::Left(m.campo(campos::TxtNumRuc), 11));
}

QString rucDeclaracionCampo(const ModeloCasillas &m) { return m.campo(campos::sRuc); }

} // namespace

ContextoCalculo ContextoCalculo::declaracion()
{
    ContextoCalculo c;
    c.fuente = std::make_shared<FuenteAnexosBd>(false);
    c.rucAnexo = rucAnexoDeclaracion;
    c.rucDeclaracion = rucDeclaracionCampo;
    return c;
}

ContextoCalculo ContextoCalculo::enviada()
{
    ContextoCalculo c;
    c.habilitarCasillas = false;
    c.topeConSigno = true;
    // The caps' message carries the viewer's own caption.
    c.tituloVentana = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta (Enviadas)");
    c.anexos = DefinicionesAnexo::enviada();
    c.fuente = std::make_shared<FuenteAnexosBd>(true);
    c.rucAnexo = rucAnexoEnviada;
    c.rucDeclaracion = rucDeclaracionCampo;
    return c;
}

CalculosDeclaracion::CalculosDeclaracion(ModeloCasillas &modelo, ContextoCalculo ctx)
    : m(modelo), m_ctx(std::move(ctx))
{
    if (!m_ctx.rucAnexo)
        m_ctx.rucAnexo = rucAnexoDeclaracion;
    if (!m_ctx.rucDeclaracion)
        m_ctx.rucDeclaracion = rucDeclaracionCampo;
}

double CalculosDeclaracion::v(int n) const { return importe::leer(m.texto(n)); }
double CalculosDeclaracion::a(int n) const { return std::fabs(v(n)); }

void CalculosDeclaracion::estado(int n, bool habilitada, quint32 color)
{
    m.setHabilitada(n, habilitada);
    m.setColor(n, color);
}

bool CalculosDeclaracion::ieanSi() const
{
    return optIeanSi() || opcion(campos::sIEAN) == QLatin1String("1");
}

bool CalculosDeclaracion::ieanNo() const
{
    return optIeanNo() || opcion(campos::sIEAN) == QLatin1String("0");
}

void CalculosDeclaracion::mensaje(const QString &texto, int estilo, const QString &titulo)
{
    msg::MsgBox(texto, estilo, titulo);
}
