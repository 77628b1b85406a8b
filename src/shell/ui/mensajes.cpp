#include "shell/ui/mensajes.h"
#include "platform/gui/msgboxwidget.h"
#include "platform/msgbox.h"

#include <QFile>
#include <QString>

QString fLineaMensaje(const QString &text, int style, const QString &title)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    t.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    t.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    return QString::number(style) + QLatin1Char('|') + title + QLatin1Char('|') + t;
}

void pInstalarMensajes(bool hayAplicacion)
{
    const QString registro = qEnvironmentVariable("QX_MSGBOX_LOG");
    if (!registro.isEmpty()) {
        msg::setHandler([registro](const QString &text, int style, const QString &title) {
            QFile f(registro);
            if (f.open(QIODevice::WriteOnly | QIODevice::Append)) {
                f.write(fLineaMensaje(text, style, title).toUtf8() + '\n');
                f.close();
            }
            return msg::defaultAnswer(style);
        });
        return;
    }
    if (hayAplicacion)
        msg::installWidgetHandler();
}
