#include "declaration/core/casillas/importepegado.h"
#include "platform/utilitario.h"
#include <QStringList>

namespace ImportePegado {

namespace {

// "1234" or "1,234,567": a first group of one to three digits, then groups
// of three. A comma elsewhere ("1,5", "12,3456") may be a decimal comma: the
// text is no amount of ours.
std::optional<QString> fEntero(const QString &s)
{
    if (!s.contains(QLatin1Char(',')))
        return fSoloDigitos(s) ? std::optional<QString>(s) : std::nullopt;
    const QStringList grupos = s.split(QLatin1Char(','));
    for (int i = 0; i < grupos.size(); ++i) {
        const QString &g = grupos.at(i);
        if (!fSoloDigitos(g) || g.size() > 3 || (i > 0 && g.size() != 3))
            return std::nullopt;
    }
    return grupos.join(QString());
}

// The digits plus one, "999" -> "1000".
QString fMasUno(QString d)
{
    int i = d.size() - 1;
    while (i >= 0 && d.at(i) == QLatin1Char('9'))
        d[i--] = QLatin1Char('0');
    if (i < 0)
        d.prepend(QLatin1Char('1'));
    else
        d[i] = QChar(d.at(i).unicode() + 1);
    return d;
}

} // namespace

std::optional<QString> fEntrada(const QString &pegado, Negativo negativo)
{
    QString t = pegado.trimmed();
    if (fSoloDigitos(t))
        return t;

    bool menos = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')')) && t.size() > 2) {
        menos = true;
        t = t.mid(1, t.size() - 2);
    } else if (t.startsWith(QLatin1Char('-'))) {
        menos = true;
        t = t.mid(1);
    }
    if (menos && negativo == Negativo::Rechazado)
        return std::nullopt;

    const int punto = t.indexOf(QLatin1Char('.'));
    const QString decimales = punto < 0 ? QString() : t.mid(punto + 1);
    if (punto >= 0 && !fSoloDigitos(decimales))
        return std::nullopt;
    const std::optional<QString> entero = fEntero(punto < 0 ? t : t.left(punto));
    if (!entero)
        return std::nullopt;

    QString d = *entero;
    while (d.size() > 1 && d.startsWith(QLatin1Char('0')))
        d.remove(0, 1);
    // Halves away from zero, as the amount formats round: the first decimal
    // decides, whatever the sign (the sign is dropped or refused).
    if (!decimales.isEmpty() && decimales.at(0) >= QLatin1Char('5'))
        d = fMasUno(d);
    return d;
}

} // namespace ImportePegado
