#include "host/esquema.h"

#include <QFile>
#include <QRegularExpression>

namespace host {

QStringList dividirSentencias(const QString &sql)
{
    QStringList sentencias;
    QString actual;
    QChar comilla;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!comilla.isNull()) {
            actual += c;
            if (c == comilla)
                comilla = QChar();
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < sql.size() && sql.at(i + 1) == QLatin1Char('-')) {
            while (i < sql.size() && sql.at(i) != QLatin1Char('\n'))
                ++i;
            actual += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            comilla = c;
            actual += c;
            continue;
        }
        if (c == QLatin1Char(';')) {
            static const QRegularExpression trigger(QStringLiteral("^\\s*CREATE\\s+(TEMP\\s+|TEMPORARY\\s+)?TRIGGER\\b"),
                                                    QRegularExpression::CaseInsensitiveOption);
            static const QRegularExpression fin(QStringLiteral("\\bEND\\s*$"), QRegularExpression::CaseInsensitiveOption);
            if (trigger.match(actual).hasMatch() && !fin.match(actual).hasMatch()) {
                actual += c;
                continue;
            }
            if (!actual.trimmed().isEmpty())
                sentencias << actual.trimmed();
            actual.clear();
            continue;
        }
        actual += c;
    }
    if (!actual.trimmed().isEmpty())
        sentencias << actual.trimmed();
    return sentencias;
}

QStringList sentenciasEsquema()
{
    QFile f(QStringLiteral(":/velantis/qx000.sql"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return dividirSentencias(QString::fromUtf8(f.readAll()));
}

QStringList sentenciasIndices()
{
    static const QRegularExpression indice(QStringLiteral("^CREATE\\s+(UNIQUE\\s+)?INDEX\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList l;
    for (const QString &s : sentenciasEsquema()) {
        if (indice.match(s).hasMatch())
            l << s;
    }
    return l;
}

}
