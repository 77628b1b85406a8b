#include "platform/carpetaactual.h"

#include <QDir>
#include <QFile>

namespace carpetaactual {

bool cambiar(const QString &folder)
{
    if (!QDir(folder).exists())
        return false;
    for (const char *variable : {"QX_WINDIR", "QX_PRINTER_PDF"}) {
        const QString valor = qEnvironmentVariable(variable);
        if (!valor.isEmpty() && QDir::isRelativePath(valor))
            qputenv(variable, QFile::encodeName(QDir::current().absoluteFilePath(valor)));
    }
    return QDir::setCurrent(folder);
}

} // namespace carpetaactual
