#include "platform/textfile.h"

#include "platform/syserror.h"
#include "platform/wholefile.h"

#include <QFile>

namespace textfile {
namespace {

// Windows-1252 is Latin-1 but for 0x80-0x9F, where it has these
// characters; 0x81, 0x8D, 0x8F, 0x90 and 0x9D have none (0 here). A table:
// the converter of the C library cost the receipt program a tenth of its run.
constexpr char16_t kAltos[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char byteFor(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i) {
        if (kAltos[i] == u && u != 0)
            return char(0x80 + i);
    }
    return '?';
}

QString describe(QFileDevice::FileError e)
{
    switch (e) {
    case QFileDevice::OpenError:
        return QStringLiteral("no se pudo abrir");
    case QFileDevice::PermissionsError:
        return QStringLiteral("permiso denegado");
    case QFileDevice::ReadError:
        return QStringLiteral("error de lectura");
    case QFileDevice::WriteError:
        return QStringLiteral("error de escritura");
    case QFileDevice::ResourceError:
        return QStringLiteral("no hay espacio o recursos suficientes");
    default:
        return QStringLiteral("error de archivo");
    }
}

void setError(QString *error, const QString &what, const QString &path, const QFileDevice &f)
{
    if (error)
        *error = QStringLiteral("%1 el archivo %2 (%3).").arg(what, path, describe(f.error()));
}

bool saveWhole(const QString &path, const QByteArray &bytes, QString *error, int *errnum)
{
    const int e = wholefile::replace(path, bytes);
    if (errnum)
        *errnum = e;
    if (e != 0 && error)
        *error = QStringLiteral("No se pudo escribir el archivo %1 (%2).").arg(path, sysCause(e));
    return e == 0;
}

} // namespace

QByteArray toCp1252(const QString &text)
{
    const qsizetype n = text.size();
    QByteArray out(n, Qt::Uninitialized);
    const char16_t *in = reinterpret_cast<const char16_t *>(text.utf16());
    char *o = out.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = in[i];
        if (u < 0x80) {
            *o++ = char(u);
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(in[i + 1])) {
            // A character cp1252 lacks, one outside the plane included: one '?'.
            *o++ = '?';
            ++i;
        } else {
            *o++ = QChar::isSurrogate(u) ? '?' : byteFor(u);
        }
    }
    out.truncate(o - out.constData());
    return out;
}

QString fromCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    for (const char b : bytes) {
        const unsigned char u = static_cast<unsigned char>(b);
        // The five bytes cp1252 leaves undefined read as the control
        // characters of the same number, as the host reads them.
        *o++ = u >= 0x80 && u < 0xA0 && kAltos[u - 0x80] ? kAltos[u - 0x80] : char16_t(u);
    }
    return out;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error, int *errnum)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += toCp1252(line);
        bytes += "\r\n";
    }
    return saveWhole(path, bytes, error, errnum);
}

bool writeText(const QString &path, const QString &text, QString *error, int *errnum)
{
    return saveWhole(path, toCp1252(text), error, errnum);
}

bool appendLine(const QString &path, const QString &line, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        setError(error, QStringLiteral("No se pudo abrir"), path, f);
        return false;
    }
    const QByteArray bytes = toCp1252(line) + "\r\n";
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        setError(error, QStringLiteral("No se pudo escribir"), path, f);
        return false;
    }
    return true;
}

bool readLines(const QString &path, QStringList *lines, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("No se pudo leer"), path, f);
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("No se pudo leer"), path, f);
        return false;
    }
    QStringList out;
    const QString text = fromCp1252(bytes);
    if (!text.isEmpty()) {
        out = text.split(QLatin1Char('\n'));
        if (text.endsWith(QLatin1Char('\n')))
            out.removeLast();
        for (QString &l : out)
            if (l.endsWith(QLatin1Char('\r')))
                l.chop(1);
    }
    if (lines)
        *lines = out;
    return true;
}

} // namespace textfile
