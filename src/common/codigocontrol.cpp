#include "common/codigocontrol.h"
#include "platform/textfile.h"
#include "platform/vbruntime.h"

#include <limits>

namespace {

// The text a field gives by the type of its current value.
QString textoCampo(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::UChar:
    case QMetaType::SChar:
    case QMetaType::Char:
        return QString::number(v.toLongLong());
    case QMetaType::Float:
        // A single keeps seven significant digits in its text form.
        return vb::CStr(QString::number(double(v.toFloat()), 'g', 7).toDouble());
    case QMetaType::Double:
        // "." as decimal point whatever the locale, so the code does not depend on it.
        return vb::CStr(v.toDouble());
    case QMetaType::QDate:
        return vb::FormatDate(v.toDate(), QStringLiteral("yyyymmdd"));
    case QMetaType::QDateTime:
        return vb::FormatDate(v.toDateTime().date(), QStringLiteral("yyyymmdd"));
    case QMetaType::QString:
        return vb::Trim(v.toString());
    default:
        return QString();
    }
}

QString tresUltimos(double suma)
{
    const QString veinte = vb::Format(suma, QStringLiteral("00000000000000000000"));
    return vb::Right(vb::Right(veinte, 15), 3);
}

} // namespace

QString fCodigoControl(const Registro &rs, int n)
{
    double sumaA = 0;
    double sumaB = 0;
    const int count = int(rs.size());
    for (int i = 0; i < n && i < count; ++i) {
        const QString t = textoCampo(rs.at(i).valor);
        if (vb::IsNumeric(t))
            sumaA += vb::Val(t);
    }
    // The last field (cNumero itself) is never read.
    for (int i = n; i <= count - 2; ++i) {
        const QByteArray ansi = textfile::toCp1252(textoCampo(rs.at(i).valor));
        for (int k = 1; k <= ansi.size(); ++k) {
            const int producto = int(static_cast<unsigned char>(ansi.at(k - 1))) * k;
            // The product is a 16-bit integer: beyond its range the legacy code stops with an overflow.
            if (producto > std::numeric_limits<qint16>::max())
                throw DbError(dberr::Desbordamiento,
                              QStringLiteral("Desbordamiento al calcular el código de control del campo %1.")
                                  .arg(rs.at(i).nombre));
            sumaB += producto;
        }
    }
    return tresUltimos(sumaA) + tresUltimos(sumaB);
}
