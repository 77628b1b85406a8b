#include "declaration/core/calculos/calculosimporte.h"
#include "platform/vbruntime.h"
#include <cmath>

// The boxes almost always hold whole amounts in one of the forms below; those
// are read and written here directly (the same texts the runtime's Format
// gives), everything else goes through the runtime. This keeps a keystroke's
// chain cheap.
namespace {

constexpr double kMaxExacto = 1e15;

// Whole amount as the entry or display form writes it: digits, optionally
// grouped by commas in threes, a leading minus or enclosing parentheses.
bool leerEntero(const QString &t, double &valor)
{
    const QChar *p = t.constData();
    const QChar *fin = p + t.size();
    bool negativo = false, parentesis = false;
    if (p < fin && *p == QLatin1Char('-')) {
        negativo = true;
        ++p;
    } else if (p < fin && *p == QLatin1Char('(')) {
        if (fin - p < 3 || *(fin - 1) != QLatin1Char(')'))
            return false;
        parentesis = true;
        ++p;
        --fin;
    }
    if (p == fin)
        return false;
    qint64 n = 0;
    int digitos = 0, grupo = 0;
    bool hayComas = false;
    for (; p < fin; ++p) {
        const ushort c = p->unicode();
        if (c >= '0' && c <= '9') {
            n = n * 10 + (c - '0');
            ++grupo;
            if (++digitos > 15)
                return false;
        } else if (c == ',') {
            // First group 1 to 3 digits, the others exactly 3.
            if (grupo == 0 || (hayComas ? grupo != 3 : grupo > 3))
                return false;
            hayComas = true;
            grupo = 0;
        } else {
            return false;
        }
    }
    if (grupo == 0 || (hayComas && grupo != 3))
        return false;
    valor = n == 0 ? 0.0 : ((negativo || parentesis) ? -double(n) : double(n));
    return true;
}

bool entero(double x) { return std::fabs(x) < kMaxExacto && x == std::floor(x); }

// |x| with thousands separators; x whole.
QString miles(double x)
{
    qint64 n = qint64(std::fabs(x));
    char buf[32];
    int i = sizeof(buf);
    int k = 0;
    do {
        if (k && k % 3 == 0)
            buf[--i] = ',';
        buf[--i] = char('0' + n % 10);
        n /= 10;
        ++k;
    } while (n);
    return QString::fromLatin1(buf + i, int(sizeof(buf)) - i);
}

} // namespace

namespace importe {

double leer(const QString &texto)
{
    if (texto.isEmpty())
        return 0;
    double v;
    if (leerEntero(texto, v))
        return v;
    return vb::Val(vb::Format(texto, kLectura));
}

QString pantalla(double x)
{
    if (!entero(x))
        return vb::Format(x, kPantalla);
    return x < 0 ? QLatin1Char('-') + miles(x) : miles(x);
}

QString conSigno(double x)
{
    if (!entero(x))
        return vb::Format(x, kConSigno);
    return x < 0 ? QLatin1Char('(') + miles(x) + QLatin1Char(')') : miles(x);
}

QString parentesis(double x)
{
    if (!entero(x))
        return vb::Format(x, kParentesis);
    const QString t = QLatin1Char('(') + miles(x) + QLatin1Char(')');
    return x < 0 ? QLatin1Char('-') + t : t;
}

const QString &ceroParentesis()
{
    static const QString cero = QStringLiteral("(0)");
    return cero;
}

QString digitos(double x)
{
    if (!entero(x))
        return vb::Format(x, kLectura);
    const qint64 n = qint64(x);
    return QString::number(n == 0 ? 0 : n);
}

} // namespace importe
