#include "common/codigocontrol.h"
#include "platform/textfile.h"
#include "platform/vbruntime.h"

#include <cmath>
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

// What a field adds to the numeric sum: Val of its text when the text is
// numeric. Plain digit texts (the keys, box codes, amounts) are read here;
// anything else goes through the runtime's own rules.
double valorNumerico(const QString &t)
{
    const qsizetype n = t.size();
    if (n > 0 && n <= 15) {
        qint64 v = 0;
        qsizetype i = 0;
        for (; i < n; ++i) {
            const char16_t c = t.at(i).unicode();
            if (c < u'0' || c > u'9')
                break;
            v = v * 10 + (c - u'0');
        }
        if (i == n)
            return double(v);   // at most 15 digits: exact
    }
    return vb::IsNumeric(t) ? vb::Val(t) : 0.0;
}

// Windows-1252 bytes of 0x80-0x9F by the character they stand for.
int byteEspecial(char16_t c)
{
    switch (c) {
    case 0x20AC: return 0x80;
    case 0x201A: return 0x82;
    case 0x0192: return 0x83;
    case 0x201E: return 0x84;
    case 0x2026: return 0x85;
    case 0x2020: return 0x86;
    case 0x2021: return 0x87;
    case 0x02C6: return 0x88;
    case 0x2030: return 0x89;
    case 0x0160: return 0x8A;
    case 0x2039: return 0x8B;
    case 0x0152: return 0x8C;
    case 0x017D: return 0x8E;
    case 0x2018: return 0x91;
    case 0x2019: return 0x92;
    case 0x201C: return 0x93;
    case 0x201D: return 0x94;
    case 0x2022: return 0x95;
    case 0x2013: return 0x96;
    case 0x2014: return 0x97;
    case 0x02DC: return 0x98;
    case 0x2122: return 0x99;
    case 0x0161: return 0x9A;
    case 0x203A: return 0x9B;
    case 0x0153: return 0x9C;
    case 0x017E: return 0x9E;
    case 0x0178: return 0x9F;
    default: return -1;
    }
}

// Weighted sum of one field text: ANSI code x 1-based position, each product
// a 16-bit integer. Characters below 0xA0 outside the table above, and those
// cp1252 lacks, take the general conversion of the whole text.
double sumaPonderada(const QString &texto, const QString &campo)
{
    auto producto = [&campo](int codigo, qsizetype k) {
        const qint64 p = qint64(codigo) * k;
        // Beyond the 16-bit range the legacy code stops with an overflow.
        if (p > std::numeric_limits<qint16>::max())
            throw DbError(dberr::Desbordamiento,
                          QStringLiteral("Desbordamiento al calcular el código de control del campo %1.")
                              .arg(campo));
        return double(p);
    };
    double suma = 0;
    qsizetype k = 0;
    for (const QChar ch : texto) {
        const char16_t c = ch.unicode();
        int codigo = c < 0x80 || (c >= 0xA0 && c <= 0xFF) ? int(c) : byteEspecial(c);
        if (codigo < 0) {
            suma = 0;
            const QByteArray ansi = textfile::toCp1252(texto);
            for (qsizetype j = 0; j < ansi.size(); ++j)
                suma += producto(static_cast<unsigned char>(ansi.at(j)), j + 1);
            return suma;
        }
        suma += producto(codigo, ++k);
    }
    return suma;
}

// The last three characters of Format(suma, "00000000000000000000"), taken as
// the last 3 of the last 15: at least 20 digits, a sign (if any) in front, so
// they are the last three digits of |suma| as Format rounds it: to the 15
// significant digits it prints, then to a whole number, halves away from zero.
int tresUltimos(double suma)
{
    const double a = std::fabs(suma);
    if (!std::isfinite(a))
        return 0;   // Format prints no digit
    if (a < 1e15 && a == std::floor(a))
        return int(std::fmod(a, 1000.0));   // a whole number of at most 15 digits is printed exactly
    const QByteArray texto = vb::Scientific15(a);   // "d.dddddddddddddde+xx"
    char digitos[15];
    digitos[0] = texto.at(0);
    for (int i = 1; i < 15; ++i)
        digitos[i] = texto.at(i + 1);
    const int enteras = texto.mid(17).toInt() + 1;   // digits before the point
    if (enteras < 0)
        return 0;
    if (enteras >= 18)
        return 0;   // the digits printed end 3 or more places before the units
    qint64 entero = 0;
    const int tomadas = enteras < 15 ? enteras : 15;
    for (int i = 0; i < tomadas; ++i)
        entero = entero * 10 + (digitos[i] - '0');
    if (enteras < 15) {
        if (digitos[enteras] >= '5')
            ++entero;
    } else {
        for (int i = 15; i < enteras; ++i)
            entero *= 10;
    }
    return int(entero % 1000);
}

void ponerTres(QChar *destino, int valor)
{
    destino[0] = QLatin1Char(char('0' + valor / 100));
    destino[1] = QLatin1Char(char('0' + valor / 10 % 10));
    destino[2] = QLatin1Char(char('0' + valor % 10));
}

} // namespace

QString fCodigoControl(const Registro &rs, int n)
{
    double sumaA = 0;
    double sumaB = 0;
    const int count = int(rs.size());
    for (int i = 0; i < n && i < count; ++i)
        sumaA += valorNumerico(textoCampo(rs.at(i).valor));
    // The last field (cNumero itself) is never read.
    for (int i = n; i <= count - 2; ++i)
        sumaB += sumaPonderada(textoCampo(rs.at(i).valor), rs.at(i).nombre);
    QString codigo(6, Qt::Uninitialized);
    ponerTres(codigo.data(), tresUltimos(sumaA));
    ponerTres(codigo.data() + 3, tresUltimos(sumaB));
    return codigo;
}
