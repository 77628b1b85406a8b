#include "platform/pdfcheck.h"

#include <QList>
#include <cctype>

namespace {

bool number(const QByteArray &word, qint64 *value)
{
    bool ok = false;
    *value = word.toLongLong(&ok);
    return ok && *value >= 0;
}

} // namespace

bool pdfWhole(const QByteArray &b)
{
    if (!b.startsWith("%PDF-"))
        return false;
    qsizetype end = b.size();
    while (end > 0 && std::isspace(static_cast<unsigned char>(b.at(end - 1))))
        --end;
    if (end < 5 || b.mid(end - 5, 5) != "%%EOF")
        return false;
    const qsizetype startxref = b.lastIndexOf("startxref", end - 5);
    if (startxref < 0)
        return false;
    qint64 xref = 0;
    if (!number(b.mid(startxref + 9, end - 5 - startxref - 9).trimmed(), &xref) || xref >= startxref
        || b.mid(xref, 4) != "xref")
        return false;
    // Subsections "first count", then count entries "offset generation n|f".
    const QList<QByteArray> w = b.mid(xref + 4, startxref - xref - 4).simplified().split(' ');
    qsizetype i = 0;
    bool objects = false;
    while (i < w.size() && w.at(i) != "trailer") {
        qint64 first = 0, count = 0;
        if (i + 1 >= w.size() || !number(w.at(i), &first) || !number(w.at(i + 1), &count))
            return false;
        i += 2;
        for (qint64 k = 0; k < count; ++k, i += 3) {
            if (i + 2 >= w.size())
                return false;
            if (w.at(i + 2) == "f")
                continue;
            qint64 offset = 0, generation = 0;
            if (w.at(i + 2) != "n" || !number(w.at(i), &offset) || !number(w.at(i + 1), &generation)
                || offset >= xref)
                return false;
            const QList<QByteArray> head = b.mid(offset, 48).simplified().split(' ');
            qint64 n = 0, g = 0;
            if (head.size() < 3 || !number(head.at(0), &n) || !number(head.at(1), &g) || n != first + k
                || g != generation || !head.at(2).startsWith("obj"))
                return false;
            objects = true;
        }
    }
    return i < w.size() && objects;
}
