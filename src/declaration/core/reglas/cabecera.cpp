#include "declaration/core/reglas/cabecera.h"
#include "declaration/core/respuestas/respuestas.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"

using namespace respuestas;

bool cabecera::ValidaPeriodo(const QString &texto, const QDate &hoy)
{
    if (texto.contains(QLatin1Char('_')))
        return false;
    const QString d = vb::Mid(texto, 7, 4) + vb::Mid(texto, 4, 2) + vb::Mid(texto, 1, 2);
    const QString hoyTexto = vb::FormatDate(hoy, QStringLiteral("yyyymmdd"));
    if (!(vb::Val(d) > 0))
        return false;
    // Compared as text: "19970601" is not below "199706", "19970531" is.
    if (d < QLatin1String("199706") || hoyTexto < d)
        return false;
    const double mes = vb::Val(vb::Mid(texto, 4, 2));
    return mes >= 1 && mes <= 12;
}

QString cabecera::textoFecha(const ModeloCasillas &m)
{
    const QString t = m.campo(ctl381::MkePeriodo);
    return t.isEmpty() ? ctl381::MascaraVacia : t;
}

QString cabecera::rucIdentificacion(const ModeloCasillas &m, const EstadoVentana &v)
{
    const QString origen = v.iAccion != 0 ? m.campo(ctl381::TxtNumRuc) : m.campo(ctl381::CmbRuc);
    return vb::Trim(vb::Left(origen, 11));
}

Cabecera::Cabecera(ModeloCasillas &modelo, EstadoVentana &ventana)
    : hoy([] { return QDate::currentDate(); }),
      validaRuc([](const QString &ruc) { return goUtilitario && goUtilitario->ValidaRuc(ruc); }),
      m_modelo(modelo), m_ventana(ventana)
{
}

bool Cabecera::ValidaPeriodo() const
{
    return cabecera::ValidaPeriodo(cabecera::textoFecha(m_modelo), hoy());
}

bool Cabecera::fallo(const QString &mensaje, const QString &foco, bool pagina0)
{
    if (pagina0)
        m_ventana.mostrarPagina(0);
    if (!mensaje.isEmpty())
        msg::MsgBox(mensaje, 16, m_ventana.titulo);
    if (!foco.isEmpty())
        m_ventana.pedirFoco(foco);
    return false;
}

QString Cabecera::telefono() const { return m_modelo.campo(ctl381::TxtTelefono); }

// The length test reads the text as typed, blanks included.
bool Cabecera::telefonoCorto() const
{
    const int n = telefono().length();
    return n >= 1 && n <= 5;
}

bool Cabecera::telefonoVacio() const { return vb::Trim(telefono()).isEmpty(); }

bool Cabecera::ordenIncorrecto() const
{
    return elegida(m_modelo, OptRectifica, 1)
        && vb::Trim(m_modelo.campo(ctl381::TxtNumOrden)).length() != 8;
}

bool Cabecera::sinContribuyente() const
{
    return vb::Trim(vb::Left(m_modelo.campo(ctl381::CmbRuc), 11)).isEmpty();
}

bool Cabecera::pRucNoValido()
{
    if (m_ventana.iAccion == 0)
        return true;
    if (!validaRuc(vb::Trim(m_modelo.campo(ctl381::TxtNumRuc)))) {
        // The taxpayer selector is hidden in this mode: the focus stays where it is.
        return fallo(cabecera::MsgRucNoValido, QString());
    }
    return true;
}

bool Cabecera::ValidaContForm()
{
    giSinContribuyente = 0;
    if (!pRucNoValido())
        return fallo(QString(), QString());

    const QString salir = ctl381::cmdCancelar;
    if (m_ventana.iAccion == 0) {
        if (sinContribuyente()) {
            giSinContribuyente = 1;
            return fallo(cabecera::MsgContribuyente, ctl381::CmbRuc);
        }
        if (telefonoCorto() || telefonoVacio())
            return false;
        if (m_ventana.sPuedeRegistrar == QLatin1String("N"))
            return fallo(cabecera::MsgYaExiste, ctl381::CmbRuc);
        if (sinRespuesta(m_modelo, OptAgraria) || sinRespuesta(m_modelo, OptIEAN))
            return fallo(QString(), salir, false);
        if (elegida(m_modelo, OptIEAN, 1) && sinRespuesta(m_modelo, OptAnexo))
            return fallo(QStringLiteral("Indique si presento o no anexo."), salir);
        if (sinRespuesta(m_modelo, OptConvEstab))
            return fallo(QString(), QString());
        if (sinRespuesta(m_modelo, OptRectifica))
            return fallo(QStringLiteral("Indique si la presente declaración rectifica o sustituye a otra."),
                         salir);
    } else {
        if (telefonoCorto() || telefonoVacio() || ordenIncorrecto())
            return false;
    }
    return true;
}

bool Cabecera::ValidaContForm1()
{
    const bool nueva = m_ventana.iAccion == 0;
    if (nueva && sinContribuyente())
        return fallo(cabecera::MsgContribuyente, ctl381::CmbRuc);
    if (telefonoCorto())
        return fallo(QStringLiteral("Ingrese correctamente el teléfono."), ctl381::TxtTelefono);
    if (telefonoVacio())
        return fallo(QStringLiteral("Ingrese el teléfono."), ctl381::TxtTelefono);
    if (nueva && m_ventana.sPuedeRegistrar == QLatin1String("N"))
        return fallo(cabecera::MsgYaExiste, ctl381::CmbRuc);

    struct Pregunta { bool falta; const char *mensaje; };
    const Pregunta preguntas[] = {
        {sinRespuesta(m_modelo, OptAgraria), "Indique si esta acogido o no a la ley de prom. agraria."},
        {sinRespuesta(m_modelo, OptIEAN), "Indique si esta o no afecto al IEAN."},
        {elegida(m_modelo, OptIEAN, 1) && sinRespuesta(m_modelo, OptAnexo), "Indique si presento o no anexo."},
        {sinRespuesta(m_modelo, OptConvEstab), "Indique si tiene o no convenio de estabilidad."},
        {sinRespuesta(m_modelo, OptRectifica), "Indique si la presente declaración rectifica o sustituye a otra."},
        {ordenIncorrecto(), "Registre el número asignado por KAVEN a la declaración que desea rectificar o sustituir."},
    };
    for (const Pregunta &p : preguntas) {
        if (p.falta)
            return fallo(QString::fromUtf8(p.mensaje), ctl381::cmdCancelar);
    }

    if (elegida(m_modelo, OptAgraria, 1)) {
        const QString fecha = cabecera::textoFecha(m_modelo);
        if (!ValidaPeriodo() || !vb::IsDate(fecha) || fecha == ctl381::MascaraVacia)
            return fallo(QStringLiteral("Registre la fecha correctamente."), ctl381::MkePeriodo);
    }
    return true;
}
