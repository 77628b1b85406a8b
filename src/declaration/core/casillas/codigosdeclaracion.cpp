#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/modelocasillas.h"

namespace CodigosDeclaracion {

const QList<Respuesta> &RespuestaOpcion()
{
    static const QList<Respuesta> l = {
        {Campos::OptTipoCont, QStringLiteral("995"), Campos::sExonerado,
         QStringLiteral("Tipo de Contribuyente"),
         QStringLiteral("¿Está exonerado del Impuesto a la Renta de acuerdo a una norma legal?"),
         QStringLiteral("&Si"), QStringLiteral("&No")},
        {Campos::OptConvEstab, QStringLiteral("994"), Campos::sConvenio,
         QStringLiteral("Convenio de Estabilidad"),
         QStringLiteral("¿Posee uno o más de estos convenios?"),
         QStringLiteral("&Si"), QStringLiteral("&No")},
        {Campos::OptIEAN, QStringLiteral("991"), Campos::sIEAN,
         QStringLiteral("Impuesto extraordinario"),
         QStringLiteral("¿Está afecto al IEAN?"),
         QStringLiteral("&Si"), QStringLiteral("&No")},
        {Campos::OptAnexo, QStringLiteral("990"), Campos::sAnexo,
         QString(),
         QStringLiteral("¿Presentó el anexo al que se refiere el D.S. 036-98-EF?"),
         QStringLiteral("&Si"), QStringLiteral("&No")},
        {Campos::OptAgraria, QStringLiteral("993"), Campos::sAgraria,
         QStringLiteral("Ley de Promoción Agraria"),
         QStringLiteral("¿Está acogido a la Ley de Promoción Agraria?"),
         QStringLiteral("&Si"), QStringLiteral("&No")},
        {Campos::OptRectifica, QStringLiteral("989"), Campos::sRectifica,
         QStringLiteral("Rectificatoria"),
         QStringLiteral("¿La presente declaración rectifica o sustituye a otra?"),
         QStringLiteral("&Si"), QStringLiteral("&No")},
        {Campos::OptDomiciliado, QStringLiteral("988"), Campos::sDomiciliado,
         QStringLiteral("Condición de domicilio"),
         QString(),
         QStringLiteral("&Domiciliado"), QStringLiteral("&No Domiciliado")},
    };
    return l;
}

const Respuesta *fRespuesta(const QString &opcion)
{
    for (const Respuesta &r : RespuestaOpcion())
        if (r.opcion == opcion)
            return &r;
    return nullptr;
}

QString fTextoRespuesta(bool opcion1, bool opcion0)
{
    if (opcion1)
        return QStringLiteral("1");
    if (opcion0)
        return QStringLiteral("0");
    return QString();
}

const QList<CodigoEspecial> &CodigosCasillaEspecial()
{
    static const QList<CodigoEspecial> l = {
        {QStringLiteral("002"), Campos::sRuc},
        {QStringLiteral("200"), Campos::MkePeriodo},
        {QStringLiteral("028"), Campos::TxtTelefono},
        {QStringLiteral("998"), Campos::TxtNombreA},
        {QStringLiteral("999"), Campos::TxtNombreN},
        {QStringLiteral("996"), Campos::TxtNombre1A},
        {QStringLiteral("997"), Campos::TxtNombre1N},
        {QStringLiteral("995"), Campos::OptTipoCont},
        {QStringLiteral("994"), Campos::OptConvEstab},
        {QStringLiteral("991"), Campos::OptIEAN},
        {QStringLiteral("992"), QString()},
        {QStringLiteral("993"), Campos::OptAgraria},
        {QStringLiteral("990"), Campos::OptAnexo},
        {QStringLiteral("989"), Campos::OptRectifica},
        {QStringLiteral("988"), Campos::OptDomiciliado},
        {QStringLiteral("987"), Campos::FormaPago},
        {QStringLiteral("005"), Campos::TxtNumOrden},
        {QStringLiteral("721"), QString()},
    };
    return l;
}

QString fCodigoTasa(const QString &optTipoCont, const QString &optConvEstab,
                    const QString &optAgraria, const QString &gsTasa)
{
    if (optTipoCont == QLatin1String("1"))
        return QStringLiteral("0");
    if (optConvEstab == QLatin1String("1"))
        return gsTasa;
    if (optAgraria == QLatin1String("1"))
        return QStringLiteral("15");
    return QStringLiteral("30");
}

QString fCodigoTasa(const ModeloCasillas &m, const QString &gsTasa)
{
    return fCodigoTasa(m.campo(Campos::OptTipoCont), m.campo(Campos::OptConvEstab),
                       m.campo(Campos::OptAgraria), gsTasa);
}

QString fTipoAsistente(const QString &optIEAN, const QString &optAnexo)
{
    if (optIEAN == QLatin1String("1") && optAnexo == QLatin1String("1"))
        return QStringLiteral("1");
    if (optIEAN == QLatin1String("1") && optAnexo == QLatin1String("0"))
        return QStringLiteral("2");
    if (optIEAN == QLatin1String("0"))
        return QStringLiteral("3");
    return QString();
}

QString fTipoAsistente(const ModeloCasillas &m)
{
    return fTipoAsistente(m.campo(Campos::OptIEAN), m.campo(Campos::OptAnexo));
}

} // namespace CodigosDeclaracion
