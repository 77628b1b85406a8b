#include "printing/core/lineaguion.h"
#include "common/campoguion.h"
#include "shell/core/errorejecucion.h"
#include "platform/vbruntime.h"
#include <cmath>

namespace {

// The element's text as a field: a name or a cheque number never splits
// the line, adds one or opens a tag for the host.
QString campo(const QVariantList &c, int i)
{
    if (i >= c.size())
        throw errores::subindiceFuera();
    return fCampoGuion(vb::CStr(c.at(i)));
}

// e0..e3|bold word|e5|e6| for the two text commands.
QString lineaTexto(const QVariantList &c, const QString &si, const QString &no)
{
    QString l;
    for (int i = 0; i <= 3; ++i)
        l += campo(c, i) + QLatin1Char('|');
    if (c.size() <= 4)
        throw errores::subindiceFuera();
    l += (fNegritaGuion(c.at(4)) ? si : no) + QLatin1Char('|');
    for (int i = 5; i <= 6; ++i)
        l += campo(c, i) + QLatin1Char('|');
    return l;
}

} // namespace

bool fNegritaGuion(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return false;
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool();
    case QMetaType::QString: {
        const QString t = v.toString().trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        if (!vb::IsNumeric(t))
            throw errores::tiposNoCoinciden();
        return vb::Val(t) != 0;
    }
    default:
        return v.toDouble() != 0;
    }
}

QStringList fLineasGuion(const QVariantList &c)
{
    if (c.isEmpty())
        throw errores::subindiceFuera();
    const QString nombre = vb::CStr(c.at(0));
    if (nombre == QLatin1String("Cabecera"))
        return {QStringLiteral("<!nHojas!>") + campo(c, 1) + QStringLiteral("<!/nHojas!>"),
                QStringLiteral("<!Color!> &H00FFFFC0&<!/Color!>"),
                QStringLiteral("<!Orientacion!> V<!/Orientacion!>")};
    if (nombre == QLatin1String("pPos"))
        return {lineaTexto(c, QStringLiteral("TRUE"), QStringLiteral("False"))};
    if (nombre == QLatin1String("pPosVerti"))
        return {lineaTexto(c, QStringLiteral("true"), QStringLiteral("false"))};
    if (nombre == QLatin1String("pCuadro")) {
        QString l;
        for (int i = 0; i <= 5; ++i)
            l += campo(c, i) + QLatin1Char('|');
        return {l};
    }
    if (nombre == QLatin1String("pNuevaHoja"))
        return {nombre};
    return {};
}

int fEntero16(const QVariant &v)
{
    double d = 0;
    if (!v.isValid() || v.isNull())
        d = 0;
    else if (v.typeId() == QMetaType::Bool)
        d = v.toBool() ? -1 : 0;
    else if (v.typeId() == QMetaType::QString) {
        if (!vb::IsNumeric(v.toString()))
            throw errores::tiposNoCoinciden();
        d = vb::CDbl(v.toString());
    } else {
        bool ok = false;
        d = v.toDouble(&ok);
        if (!ok)
            throw errores::tiposNoCoinciden();
    }
    const double r = std::nearbyint(d);   // the default rounding mode: halves to even
    if (!(r >= -32768.0 && r <= 32767.0))
        throw errores::desbordamiento();
    return static_cast<int>(r);
}
