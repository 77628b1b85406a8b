#include "common/campoguion.h"

QString fTextoEnLinea(const QString &texto)
{
    QString r = texto;
    for (QChar &c : r)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return r;
}

QString fCampoGuion(const QString &texto)
{
    QString r = fTextoEnLinea(texto);
    for (int i = 0; i < r.size(); ++i) {
        if (r.at(i) == QLatin1Char('|'))
            r[i] = QChar(0x00A6);   // ¦, 0xA6 in Windows-1252
        else if (r.at(i) == QLatin1Char('<') && i + 1 < r.size() && r.at(i + 1) == QLatin1Char('!'))
            r[i] = QChar(0x2039);   // ‹, 0x8B in Windows-1252
    }
    return r;
}
