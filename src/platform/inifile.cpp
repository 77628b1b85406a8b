#include "platform/inifile.h"
#include "platform/textfile.h"
#include "platform/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <cerrno>

namespace ini {

namespace {

// One physical line of the file: its bytes and the line end that followed it
// ("" for a last line without one). Joining them gives the file back byte for byte.
struct Line {
    QByteArray bytes;
    QByteArray eol;
};

QList<Line> splitLines(const QByteArray &data)
{
    QList<Line> lines;
    qsizetype pos = 0;
    while (pos < data.size()) {
        const qsizetype nl = data.indexOf('\n', pos);
        if (nl < 0) {
            lines.append({data.mid(pos), QByteArray()});
            break;
        }
        qsizetype end = nl;
        QByteArray eol("\n");
        if (end > pos && data.at(end - 1) == '\r') {
            --end;
            eol = "\r\n";
        }
        lines.append({data.mid(pos, end - pos), eol});
        pos = nl + 1;
    }
    return lines;
}

QByteArray joinLines(const QList<Line> &lines)
{
    QByteArray out;
    for (const Line &l : lines)
        out += l.bytes + l.eol;
    return out;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

QString trimBlanks(const QString &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s.at(b)))
        ++b;
    while (e > b && isBlank(s.at(e - 1)))
        --e;
    return s.mid(b, e - b);
}

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    QString name;    // section or key name, trimmed
    QString value;   // key value, trimmed, quotes kept
};

Parsed parse(const QByteArray &bytes)
{
    Parsed p;
    // A file saved by an editor as UTF-8 may begin with its byte-order mark:
    // it is no part of the first line. The line's bytes stay as they are.
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    const QString s = trimBlanks(textfile::fromCp1252(bom ? bytes.mid(3) : bytes));
    if (s.isEmpty() || s.startsWith(QLatin1Char(';')))
        return p;
    if (s.startsWith(QLatin1Char('['))) {
        const qsizetype close = s.lastIndexOf(QLatin1Char(']'));
        if (close > 0) {
            p.kind = Kind::Section;
            p.name = trimBlanks(s.mid(1, close - 1));
        }
        return p;
    }
    const qsizetype eq = s.indexOf(QLatin1Char('='));
    if (eq < 0)
        return p;   // a line without '=' holds no value
    p.kind = Kind::Key;
    p.name = trimBlanks(s.left(eq));
    p.value = trimBlanks(s.mid(eq + 1));
    return p;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the first header line of the section, or -1.
qsizetype findSection(const QList<Line> &lines, const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed p = parse(lines.at(i).bytes);
        if (p.kind == Kind::Section && sameName(p.name, section))
            return i;
    }
    return -1;
}

// One past the last line belonging to the section that starts at header.
qsizetype sectionEnd(const QList<Line> &lines, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < lines.size() && parse(lines.at(i).bytes).kind != Kind::Section)
        ++i;
    return i;
}

bool readAll(const QString &path, QByteArray *data)
{
    QFile f(path);
    if (!f.exists()) {
        data->clear();
        return true;
    }
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *data = f.readAll();
    return true;
}

} // namespace

QString windowsFolder()
{
    QString folder = qEnvironmentVariable("QX_WINDIR");
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config/velantis/");
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString resolve(const QString &fileName)
{
    // A name with a folder is taken as it stands, as the profile functions do.
    if (fileName.contains(QLatin1Char('/')))
        return fileName;
    const QString folder = windowsFolder();
    if (QFileInfo::exists(folder + fileName))
        return folder + fileName;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &entry : entries) {
        if (sameName(entry, fileName))
            return folder + entry;
    }
    return folder + fileName;
}

ProfileFile::ProfileFile(const QString &fileName) : m_path(resolve(fileName)), m_read(readAll(m_path, &m_data))
{
}

QString ProfileFile::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    if (!m_read)
        return defaultValue;
    const QList<Line> lines = splitLines(m_data);
    const qsizetype header = findSection(lines, section);
    if (header < 0)
        return defaultValue;
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const Parsed p = parse(lines.at(i).bytes);
        if (p.kind != Kind::Key || !sameName(p.name, key))
            continue;
        QString v = p.value;
        if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\''))
            && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        return v;
    }
    return defaultValue;
}

QString GetPrivateProfileString(const QString &section, const QString &key,
                                const QString &defaultValue, const QString &fileName)
{
    return ProfileFile(fileName).value(section, key, defaultValue);
}

bool WritePrivateProfileString(const QString &section, const QString &key,
                               const QString &value, const QString &fileName, int *errnum)
{
    const auto done = [errnum](int e) {
        if (errnum)
            *errnum = e;
        return e == 0;
    };
    const QString path = resolve(fileName);
    QByteArray data;
    errno = 0;
    if (!readAll(path, &data))
        return done(errno != 0 ? errno : EACCES);
    QList<Line> lines = splitLines(data);

    QByteArray eol("\r\n");   // the file's own line end when it has one
    for (const Line &l : lines) {
        if (!l.eol.isEmpty()) {
            eol = l.eol;
            break;
        }
    }

    const qsizetype header = findSection(lines, section);
    if (header >= 0) {
        const qsizetype end = sectionEnd(lines, header);
        qsizetype lastFilled = header;
        bool replaced = false;
        for (qsizetype i = header + 1; i < end; ++i) {
            const Parsed p = parse(lines.at(i).bytes);
            if (p.kind == Kind::Key && sameName(p.name, key)) {
                lines[i].bytes = textfile::toCp1252(p.name + QLatin1Char('=') + value);
                replaced = true;
                break;
            }
            if (!trimBlanks(textfile::fromCp1252(lines.at(i).bytes)).isEmpty())
                lastFilled = i;
        }
        if (!replaced) {
            if (lines[lastFilled].eol.isEmpty())
                lines[lastFilled].eol = eol;
            lines.insert(lastFilled + 1, {textfile::toCp1252(key + QLatin1Char('=') + value), eol});
        }
    } else {
        if (!lines.isEmpty() && lines.last().eol.isEmpty())
            lines.last().eol = eol;
        lines.append({textfile::toCp1252(QLatin1Char('[') + section + QLatin1Char(']')), eol});
        lines.append({textfile::toCp1252(key + QLatin1Char('=') + value), eol});
    }

    const QByteArray out = joinLines(lines);
    if (out == data && QFileInfo::exists(path))
        return done(0);

    const QString dir = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QDir().mkpath(dir))
        return done(errno != 0 ? errno : EACCES);
    return done(wholefile::replace(path, out));
}

} // namespace ini
