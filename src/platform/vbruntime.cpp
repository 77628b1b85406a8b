#include "platform/vbruntime.h"

#include <QRegularExpression>
#include <QStringList>

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace vb {

QByteArray Scientific15(double v)
{
    // Not printf: it follows the locale the application object sets.
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    return QByteArray(buf, r.ec == std::errc() ? int(r.ptr - buf) : 0);
}

namespace {

// The runtime turns a double into decimal digits with 15 significant digits
// before it rounds or prints it, so 1025.4999999999998 (a product of an amount
// and a factor) is taken as 1025.5.
struct Decimal {
    QByteArray digits;  // significant digits, no leading zero ("" for zero)
    int exponent = 0;   // value = 0.digits x 10^exponent
};

Decimal toDecimal(double a)
{
    Decimal d;
    a = std::fabs(a);
    if (a == 0 || !std::isfinite(a))
        return d;
    // "d.dddddddddddddde[+-]xx"
    const QByteArray s = Scientific15(a);
    const int e = s.indexOf('e');
    d.digits = s.left(1) + s.mid(2, e - 2);
    d.exponent = s.mid(e + 1).toInt() + 1;
    while (d.digits.endsWith('0'))
        d.digits.chop(1);
    return d;
}

// |v| rounded half away from zero to 'fraction' decimals, as the digits of the
// whole part (no leading zeros, "" for zero) and exactly 'fraction' decimals.
void roundDigits(double v, int fraction, QByteArray *whole, QByteArray *decimals)
{
    Decimal d = toDecimal(v);
    QByteArray digits = d.digits;
    int exponent = d.exponent;
    const int keep = exponent + fraction;   // digits left before the cut
    if (digits.isEmpty() || keep < 0) {
        digits.clear();
    } else if (keep < digits.size()) {
        const bool up = digits.at(keep) >= '5';
        digits.truncate(keep);
        if (up) {
            int i = digits.size() - 1;
            while (i >= 0 && digits[i] == '9') {
                digits[i] = '0';
                --i;
            }
            if (i >= 0) {
                digits[i] = char(digits[i] + 1);
            } else {
                digits.prepend('1');
                ++exponent;
            }
        }
    }
    // Lay the digits out around the decimal point.
    QByteArray w, f;
    if (!digits.isEmpty()) {
        if (exponent > 0) {
            w = digits.left(exponent);
            if (w.size() < exponent)
                w.append(QByteArray(exponent - w.size(), '0'));
            f = digits.mid(exponent);
        } else {
            f = QByteArray(-exponent, '0') + digits;
        }
    }
    while (w.startsWith('0'))
        w.remove(0, 1);
    if (f.size() < fraction)
        f.append(QByteArray(fraction - f.size(), '0'));
    f.truncate(fraction);
    *whole = w;
    *decimals = f;
}

// One section of a number pattern, e.g. "(###,###,###,##0)" or "##.000".
struct Section {
    QString tokens;     // digit placeholders '#','0', '.', and literal characters
    QList<bool> literal; // per token: true for a literal character
    bool grouping = false;
};

Section parseSection(const QString &pattern)
{
    Section s;
    // Placeholders before the decimal point decide where a ',' groups.
    int firstDigit = -1, lastIntDigit = -1;
    bool seenPoint = false;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('.'))
            seenPoint = true;
        if (!seenPoint && (c == QLatin1Char('#') || c == QLatin1Char('0'))) {
            if (firstDigit < 0)
                firstDigit = i;
            lastIntDigit = i;
        }
    }
    seenPoint = false;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"')) {
            const int end = pattern.indexOf(QLatin1Char('"'), i + 1);
            const QString lit = pattern.mid(i + 1, end < 0 ? -1 : end - i - 1);
            for (QChar l : lit) {
                s.tokens.append(l);
                s.literal.append(true);
            }
            if (end < 0)
                break;
            i = end;
            continue;
        }
        if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            s.tokens.append(pattern.at(++i));
            s.literal.append(true);
            continue;
        }
        if (c == QLatin1Char(',') && !seenPoint) {
            // A comma between placeholders asks for thousands separators.
            if (i > firstDigit && i < lastIntDigit)
                s.grouping = true;
            continue;
        }
        if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
            s.tokens.append(c);
            s.literal.append(false);
            continue;
        }
        const bool placeholder = c == QLatin1Char('#') || c == QLatin1Char('0');
        s.tokens.append(c);
        s.literal.append(!placeholder);
    }
    return s;
}

QString formatSection(double value, const QString &pattern)
{
    const Section s = parseSection(pattern);
    int point = -1;
    for (int i = 0; i < s.tokens.size(); ++i)
        if (!s.literal[i] && s.tokens[i] == QLatin1Char('.'))
            point = i;
    int fraction = 0;
    int intPlaceholders = 0;
    for (int i = 0; i < s.tokens.size(); ++i) {
        if (s.literal[i] || s.tokens[i] == QLatin1Char('.'))
            continue;
        if (point >= 0 && i > point)
            ++fraction;
        else
            ++intPlaceholders;
    }

    QByteArray whole, decimals;
    roundDigits(value, fraction, &whole, &decimals);

    const int intEnd = point >= 0 ? point : s.tokens.size();
    int firstPlaceholder = -1;
    for (int i = 0; i < intEnd; ++i)
        if (!s.literal[i]) {
            firstPlaceholder = i;
            break;
        }

    // Whole part: placeholders take digits from the right; the leftmost one
    // takes all the digits left over. Literals stay where they stand.
    QString intPart;
    int next = whole.size() - 1;   // next digit to place, from the right
    int placed = 0;
    auto putDigit = [&](QChar d) {
        if (s.grouping && placed > 0 && placed % 3 == 0)
            intPart.prepend(QLatin1Char(','));
        intPart.prepend(d);
        ++placed;
    };
    for (int i = intEnd - 1; i >= 0; --i) {
        const QChar c = s.tokens[i];
        if (s.literal[i]) {
            intPart.prepend(c);
            continue;
        }
        if (i == firstPlaceholder) {
            if (next < 0 && c == QLatin1Char('0'))
                putDigit(QLatin1Char('0'));
            while (next >= 0)
                putDigit(QLatin1Char(whole[next--]));
        } else if (next >= 0) {
            putDigit(QLatin1Char(whole[next--]));
        } else if (c == QLatin1Char('0')) {
            putDigit(QLatin1Char('0'));
        }
    }
    if (firstPlaceholder < 0 && intPlaceholders == 0 && !whole.isEmpty()) {
        // No whole-part placeholder ("" or ".00"): the digits go before the point.
        QString lead = QString::fromLatin1(whole);
        intPart.append(lead);
    }

    if (point < 0)
        return intPart;

    // Decimals: '0' always shows, a trailing '#' drops a trailing zero.
    QString fracPart;
    int di = 0;
    int lastKept = -1;
    QList<int> digitPos;
    for (int i = point + 1; i < s.tokens.size(); ++i) {
        if (s.literal[i]) {
            fracPart.append(s.tokens[i]);
            continue;
        }
        const QChar d = QLatin1Char(decimals[di++]);
        digitPos.append(fracPart.size());
        fracPart.append(d);
        if (d != QLatin1Char('0') || s.tokens[i] == QLatin1Char('0'))
            lastKept = digitPos.size() - 1;
    }
    // Remove the optional zeros after the last shown digit.
    for (int k = digitPos.size() - 1; k > lastKept; --k)
        fracPart.remove(digitPos[k], 1);
    return intPart + QLatin1Char('.') + fracPart;
}

QStringList splitSections(const QString &pattern)
{
    QStringList out;
    QString cur;
    bool quoted = false;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char('\\') && i + 1 < pattern.size() && !quoted) {
            cur.append(c);
            cur.append(pattern.at(++i));
            continue;
        }
        if (c == QLatin1Char(';') && !quoted) {
            out.append(cur);
            cur.clear();
            continue;
        }
        cur.append(c);
    }
    out.append(cur);
    return out;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

// Parses a number under the runtime's conversion rules; false when the
// text is not numeric.
bool parseNumber(const QString &text, double *out)
{
    int b = 0, e = text.size();
    while (b < e && (isBlank(text[b]) || text[b] == QLatin1Char('\t')))
        ++b;
    while (e > b && (isBlank(text[e - 1]) || text[e - 1] == QLatin1Char('\t')))
        --e;
    const QString s = text.mid(b, e - b);
    if (s.isEmpty())
        return false;

    // &H / &O literals.
    if (s.size() > 2 && s[0] == QLatin1Char('&')) {
        const QChar k = s[1].toUpper();
        const int base = k == QLatin1Char('H') ? 16 : k == QLatin1Char('O') ? 8 : 0;
        if (!base)
            return false;
        bool ok = false;
        const qulonglong n = s.mid(2).toULongLong(&ok, base);
        if (!ok || n > 0xFFFFFFFFull)
            return false;
        *out = n <= 0xFFFF ? double(qint16(quint16(n))) : double(qint32(quint32(n)));
        return true;
    }

    int i = 0;
    const int n = s.size();
    bool negative = false, paren = false, leadingSign = false, currency = false;
    auto takeCurrency = [&]() {
        if (!currency && i < n && s[i] == QLatin1Char('$')) {
            currency = true;
            ++i;
        }
    };
    takeCurrency();
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        negative = s[i] == QLatin1Char('-');
        leadingSign = true;
        ++i;
    } else if (i < n && s[i] == QLatin1Char('(')) {
        paren = true;
        ++i;
    }
    takeCurrency();

    QByteArray num;
    bool digits = false;
    while (i < n && (s[i].isDigit() || (s[i] == QLatin1Char(',') && digits))) {
        if (s[i] != QLatin1Char(','))
            num.append(char(s[i].unicode()));
        digits = true;
        ++i;
    }
    if (i < n && s[i] == QLatin1Char('.')) {
        num.append('.');
        ++i;
        while (i < n && s[i].isDigit()) {
            num.append(char(s[i].unicode()));
            digits = true;
            ++i;
        }
    }
    if (!digits)
        return false;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E')
                  || s[i] == QLatin1Char('d') || s[i] == QLatin1Char('D'))) {
        QByteArray ex("e");
        ++i;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            ex.append(char(s[i++].unicode()));
        bool expDigits = false;
        while (i < n && s[i].isDigit()) {
            ex.append(char(s[i++].unicode()));
            expDigits = true;
        }
        if (!expDigits)
            return false;
        num.append(ex);
    }
    takeCurrency();
    if (paren) {
        if (i >= n || s[i] != QLatin1Char(')'))
            return false;
        negative = true;
        ++i;
    } else if (!leadingSign && i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    if (i != n)
        return false;
    bool ok = false;
    double v = num.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *out = negative ? -v : v;
    return true;
}

QString plainNumber(double v, bool strForm)
{
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (v == 0)
        return strForm ? QStringLiteral(" 0") : QStringLiteral("0");
    const Decimal d = toDecimal(v);
    const QString digits = QString::fromLatin1(d.digits);
    const int e10 = d.exponent - 1;   // exponent of the first digit
    QString body;
    if (e10 >= 15 || e10 < -4) {
        body = digits.left(1);
        if (digits.size() > 1)
            body += QLatin1Char('.') + digits.mid(1);
        body += QStringLiteral("E") + QLatin1Char(e10 < 0 ? '-' : '+')
              + QString::number(std::abs(e10)).rightJustified(2, QLatin1Char('0'));
    } else if (d.exponent > 0) {
        body = digits.left(d.exponent);
        if (body.size() < d.exponent)
            body += QString(d.exponent - body.size(), QLatin1Char('0'));
        if (digits.size() > d.exponent)
            body += QLatin1Char('.') + digits.mid(d.exponent);
    } else {
        // Str leaves out the zero before the point: Str(0.5) = " .5".
        body = (strForm ? QString() : QStringLiteral("0")) + QLatin1Char('.')
             + QString(-d.exponent, QLatin1Char('0')) + digits;
    }
    if (v < 0)
        return QLatin1Char('-') + body;
    return strForm ? QLatin1Char(' ') + body : body;
}

// Whole values under a pattern of placeholders and commas only ("###########0",
// "###,###,###,##0", "########", "000000", ...), the texts every save and
// load turns out by the hundred. A whole value below 10^15 prints its own
// digits, so it is laid out here directly, as formatSection lays it out,
// without splitting the pattern or going through the decimal digits.
bool formatWhole(double value, const QString &pattern, QString *out)
{
    const double a = std::fabs(value);
    if (!(a < 1e15) || a != std::floor(a))   // NaN fails the first test
        return false;
    const qsizetype n = pattern.size();
    if (n == 0 || n > 64)
        return false;
    const QChar *p = pattern.constData();
    qsizetype firstDigit = -1, lastDigit = -1;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c == u'#' || c == u'0') {
            if (firstDigit < 0)
                firstDigit = i;
            lastDigit = i;
        } else if (c != u',') {
            return false;
        }
    }
    if (firstDigit < 0)
        return false;
    char tokens[64];
    int count = 0;
    bool grouping = false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c == u',')
            grouping = grouping || (i > firstDigit && i < lastDigit);
        else
            tokens[count++] = char(c);
    }

    char digits[16];
    int nd = 0;
    for (qint64 m = qint64(a); m > 0; m /= 10)
        digits[nd++] = char('0' + m % 10);   // units first

    // Placeholders take digits from the right; the leftmost takes all the
    // digits left over; a '0' with no digit left shows a zero.
    char buf[160];
    int pos = int(sizeof buf);
    int placed = 0;
    int next = 0;   // next digit to place, units first
    auto put = [&](char d) {
        if (grouping && placed > 0 && placed % 3 == 0)
            buf[--pos] = ',';
        buf[--pos] = d;
        ++placed;
    };
    for (int i = count - 1; i >= 0; --i) {
        const char c = tokens[i];
        if (i == 0) {
            if (next >= nd && c == '0')
                put('0');
            while (next < nd)
                put(digits[next++]);
        } else if (next < nd) {
            put(digits[next++]);
        } else if (c == '0') {
            put('0');
        }
    }
    // One section: a negative value takes its sign in front.
    if (value < 0)
        buf[--pos] = '-';
    *out = QString::fromLatin1(buf + pos, int(sizeof buf) - pos);
    return true;
}

// The texts that are whole numbers as the boxes hold them: blanks around,
// a leading minus or enclosing parentheses, digits with commas after the
// first digit, at most 15 digits. The value is the one parseNumber reads.
bool parseWhole(const QString &text, double *out)
{
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    while (p < end && (*p == QLatin1Char(' ') || *p == QLatin1Char('\t')))
        ++p;
    while (end > p && (end[-1] == QLatin1Char(' ') || end[-1] == QLatin1Char('\t')))
        --end;
    bool negative = false, paren = false;
    if (p < end && *p == QLatin1Char('-')) {
        negative = true;
        ++p;
    } else if (p < end && *p == QLatin1Char('(')) {
        paren = true;
        ++p;
    }
    qint64 m = 0;
    int nd = 0;
    for (; p < end; ++p) {
        const char16_t c = p->unicode();
        if (c >= u'0' && c <= u'9') {
            if (++nd > 15)
                return false;
            m = m * 10 + (c - u'0');
        } else if (c != u',' || nd == 0) {
            break;
        }
    }
    if (nd == 0)
        return false;
    if (paren) {
        if (p >= end || *p != QLatin1Char(')'))
            return false;
        ++p;
        negative = true;
    }
    if (p != end)
        return false;
    *out = negative ? -double(m) : double(m);   // "-0" and "(0)" give -0, as parseNumber
    return true;
}

} // namespace

QString Format(double value, const QString &pattern)
{
    if (pattern.isEmpty())
        return CStr(value);
    QString whole;
    if (formatWhole(value, pattern, &whole))
        return whole;
    const QStringList sections = splitSections(pattern);
    if (value == 0 && sections.size() >= 3 && !sections[2].isEmpty())
        return formatSection(0, sections[2]);
    if (value < 0) {
        // A negative section shows the number without its sign; with one
        // section the sign goes in front of everything, literals included.
        if (sections.size() >= 2 && !sections[1].isEmpty())
            return formatSection(value, sections[1]);
        return QLatin1Char('-') + formatSection(value, sections[0]);
    }
    return formatSection(value, sections[0]);
}

QString Format(const QString &text, const QString &pattern)
{
    double v = 0;
    if (!parseWhole(text, &v) && !parseNumber(text, &v))
        return text;
    return Format(v, pattern);
}

QString FormatDate(const QDateTime &value, const QString &pattern)
{
    if (!value.isValid())
        return QString();
    const QDate d = value.date();
    const QTime t = value.time();
    QString out;
    bool afterHour = false;
    int i = 0;
    const int n = pattern.size();
    auto run = [&](QChar c) {
        int k = i;
        while (k < n && pattern[k].toLower() == c)
            ++k;
        return k - i;
    };
    while (i < n) {
        const QChar c = pattern[i].toLower();
        const int len = run(c);
        if (c == QLatin1Char('y')) {
            out += len >= 4 ? QString::number(d.year()).rightJustified(4, QLatin1Char('0'))
                            : QString::number(d.year() % 100).rightJustified(2, QLatin1Char('0'));
        } else if (c == QLatin1Char('m')) {
            // "mm" right after an hour means minutes.
            const int part = afterHour ? t.minute() : d.month();
            out += len >= 2 ? QString::number(part).rightJustified(2, QLatin1Char('0'))
                            : QString::number(part);
            afterHour = false;
        } else if (c == QLatin1Char('d')) {
            out += len >= 2 ? QString::number(d.day()).rightJustified(2, QLatin1Char('0'))
                            : QString::number(d.day());
        } else if (c == QLatin1Char('h')) {
            out += len >= 2 ? QString::number(t.hour()).rightJustified(2, QLatin1Char('0'))
                            : QString::number(t.hour());
            afterHour = true;
            i += len;
            continue;
        } else if (c == QLatin1Char('n')) {
            out += len >= 2 ? QString::number(t.minute()).rightJustified(2, QLatin1Char('0'))
                            : QString::number(t.minute());
        } else if (c == QLatin1Char('s')) {
            out += len >= 2 ? QString::number(t.second()).rightJustified(2, QLatin1Char('0'))
                            : QString::number(t.second());
        } else {
            out += pattern.mid(i, len);
            if (c != QLatin1Char(':'))
                afterHour = false;
            i += len;
            continue;
        }
        if (c != QLatin1Char('m'))
            afterHour = false;
        i += len;
    }
    return out;
}

QString FormatDate(const QDate &value, const QString &pattern)
{
    if (!value.isValid())
        return QString();
    return FormatDate(QDateTime(value, QTime(0, 0)), pattern);
}

double Val(const QString &text)
{
    // Blanks, tabs and line feeds are skipped wherever they stand.
    QByteArray s;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        if (c.unicode() > 127)
            break;
        s.append(char(c.unicode()));
    }
    int i = 0;
    const int n = s.size();
    if (n >= 2 && s[0] == '&') {
        const char k = char(std::toupper(static_cast<unsigned char>(s[1])));
        const int base = k == 'H' ? 16 : k == 'O' ? 8 : 0;
        if (!base)
            return 0;
        quint64 v = 0;
        for (i = 2; i < n; ++i) {
            const char c = char(std::toupper(static_cast<unsigned char>(s[i])));
            int dgt = -1;
            if (c >= '0' && c <= '9')
                dgt = c - '0';
            else if (base == 16 && c >= 'A' && c <= 'F')
                dgt = c - 'A' + 10;
            if (dgt < 0 || dgt >= base)
                break;
            v = (v * base + dgt) & 0xFFFFFFFFull;
        }
        return v <= 0xFFFF ? double(qint16(quint16(v))) : double(qint32(quint32(v)));
    }
    QByteArray num;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        num.append(s[i++]);
    bool digits = false;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
        num.append(s[i++]);
        digits = true;
    }
    if (i < n && s[i] == '.') {
        num.append(s[i++]);
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
            num.append(s[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        QByteArray ex("e");
        int k = i + 1;
        if (k < n && (s[k] == '+' || s[k] == '-'))
            ex.append(s[k++]);
        bool expDigits = false;
        while (k < n && std::isdigit(static_cast<unsigned char>(s[k]))) {
            ex.append(s[k++]);
            expDigits = true;
        }
        if (expDigits)
            num.append(ex);
    }
    if (num.endsWith('.'))
        num.chop(1);
    bool ok = false;
    const double v = num.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

bool IsNumeric(const QString &text)
{
    double v;
    return parseNumber(text, &v);
}

double CDbl(const QString &text)
{
    double v = 0;
    return parseNumber(text, &v) ? v : 0;
}

bool IsDate(const QString &text)
{
    return CDate(text).isValid();
}

QDate CDate(const QString &text)
{
    static const QRegularExpression re(
        QStringLiteral("^ *(\\d{1,2})([/-])(\\d{1,2})\\2(\\d{4}) *$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return QDate();
    const int day = m.captured(1).toInt();
    const int month = m.captured(3).toInt();
    const int year = m.captured(4).toInt();
    if (year < 100)
        return QDate();
    return QDate(year, month, day);   // invalid for 31/02, month 13...
}

QString Trim(const QString &s)
{
    return RTrim(LTrim(s));
}

QString LTrim(const QString &s)
{
    int i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

QString RTrim(const QString &s)
{
    int e = s.size();
    while (e > 0 && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.left(e);
}

QString Mid(const QString &s, int start1, int length)
{
    if (start1 < 1 || start1 > s.size())
        return QString();
    if (length < 0)
        return s.mid(start1 - 1);
    return s.mid(start1 - 1, length);
}

QString Left(const QString &s, int n)
{
    if (n <= 0)
        return QString();
    return s.left(n);
}

QString Right(const QString &s, int n)
{
    if (n <= 0)
        return QString();
    return s.right(n);
}

QString Space(int n)
{
    return n > 0 ? QString(n, QLatin1Char(' ')) : QString();
}

double RoundHalfAway(double v)
{
    QByteArray whole, decimals;
    roundDigits(v, 0, &whole, &decimals);
    const double r = whole.isEmpty() ? 0.0 : whole.toDouble();
    return v < 0 && r != 0 ? -r : r;
}

namespace {
double roundHalfEven(double v)
{
    const double f = std::floor(v);
    const double diff = v - f;
    if (diff > 0.5)
        return f + 1;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}
} // namespace

qint64 CLng(double v)
{
    // The legacy Long is 32 bits; out of range it overflows, here it saturates.
    const double r = roundHalfEven(v);
    if (std::isnan(r))
        return 0;
    if (r > 2147483647.0)
        return 2147483647;
    if (r < -2147483648.0)
        return -2147483648LL;
    return qint64(r);
}

int CInt(double v)
{
    // The legacy Integer is 16 bits; out of range it saturates.
    const double r = roundHalfEven(v);
    if (std::isnan(r))
        return 0;
    if (r > 32767.0)
        return 32767;
    if (r < -32768.0)
        return -32768;
    return int(r);
}

double Int(double v)
{
    return std::floor(v);
}

double Fix(double v)
{
    return std::trunc(v);
}

QString Str(double v)
{
    return plainNumber(v, true);
}

QString CStr(double v)
{
    return plainNumber(v, false);
}

QString CStr(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return CStr(v.toDouble());
    case QMetaType::QDate:
        return FormatDate(v.toDate(), QStringLiteral("dd/mm/yyyy"));
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        if (dt.time() == QTime(0, 0))
            return FormatDate(dt, QStringLiteral("dd/mm/yyyy"));
        return FormatDate(dt, QStringLiteral("dd/mm/yyyy hh:nn:ss"));
    }
    default:
        return v.toString();
    }
}

} // namespace vb
