#include "platform/textfile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <iconv.h>

namespace textfile {
namespace {

// A conversion descriptor kept for the whole run: opening one loads the
// conversion's tables, which cost more than converting a line. Each thread
// has its own (a descriptor carries the state of the text it converts), and
// one that could not be opened is tried again at the next use.
class Converter {
public:
    Converter(const char *to, const char *from) : m_to(to), m_from(from) {}
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Ready for a new text: opened if it was not, its shift state cleared.
    bool begin()
    {
        if (!valid())
            m_cd = iconv_open(m_to, m_from);
        if (!valid())
            return false;
        reset();
        return true;
    }
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    // Converts as much as it can; returns false at an input it cannot convert,
    // leaving *in at that input.
    bool run(char **in, size_t *inLeft, QByteArray *out)
    {
        char buf[4096];
        while (*inLeft > 0) {
            char *o = buf;
            size_t oLeft = sizeof buf;
            const size_t r = iconv(m_cd, in, inLeft, &o, &oLeft);
            out->append(buf, int(o - buf));
            if (r == size_t(-1)) {
                if (errno == E2BIG)
                    continue;
                return false;
            }
        }
        return true;
    }
    void reset() { iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }
private:
    const char *m_to;
    const char *m_from;
    iconv_t m_cd = reinterpret_cast<iconv_t>(-1);
};

Converter &haciaCp1252()
{
    thread_local Converter cv("WINDOWS-1252", "UTF-8");
    return cv;
}

Converter &desdeCp1252()
{
    thread_local Converter cv("UTF-8", "WINDOWS-1252");
    return cv;
}

int utf8Length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
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

bool saveWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("No se pudo crear"), path, f);
        return false;
    }
    if (f.write(bytes) != bytes.size()) {
        setError(error, QStringLiteral("No se pudo escribir"), path, f);
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        setError(error, QStringLiteral("No se pudo guardar"), path, f);
        return false;
    }
    return true;
}

} // namespace

QByteArray toCp1252(const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size());
    Converter &cv = haciaCp1252();
    if (!cv.begin()) {
        // Without the converter only ASCII survives.
        for (QChar c : text)
            out.append(c.unicode() < 0x80 ? char(c.unicode()) : '?');
        return out;
    }
    char *in = utf8.data();
    size_t left = size_t(utf8.size());
    while (!cv.run(&in, &left, &out)) {
        // A character cp1252 lacks: one '?' in its place.
        const int n = qMin<int>(utf8Length(static_cast<unsigned char>(*in)), int(left));
        out.append('?');
        in += n;
        left -= size_t(n);
        cv.reset();
    }
    return out;
}

QString fromCp1252(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QByteArray utf8;
    utf8.reserve(bytes.size() * 2);
    Converter &cv = desdeCp1252();
    if (!cv.begin())
        return QString::fromLatin1(bytes);
    char *in = copy.data();
    size_t left = size_t(copy.size());
    while (!cv.run(&in, &left, &utf8)) {
        // The five bytes cp1252 leaves undefined read as the control
        // characters of the same number, as the host reads them.
        utf8.append(QString(QChar(static_cast<unsigned char>(*in))).toUtf8());
        ++in;
        --left;
        cv.reset();
    }
    return QString::fromUtf8(utf8);
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += toCp1252(line);
        bytes += "\r\n";
    }
    return saveWhole(path, bytes, error);
}

bool writeText(const QString &path, const QString &text, QString *error)
{
    return saveWhole(path, toCp1252(text), error);
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
