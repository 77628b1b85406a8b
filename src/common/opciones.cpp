#include "common/opciones.h"

QString fLeerOpcion(const ini::ProfileFile &ini, const QString &clave, QString *error)
{
    const QString valor = ini.value(QStringLiteral("Options"), clave, QString());
    if (valor.size() <= kLargoMaximoOpcion)
        return valor;
    if (error)
        *error = QStringLiteral("El valor de %1 en el archivo de configuración %2 tiene %3 caracteres; "
                                "el sistema acepta hasta %4.")
                     .arg(clave, ini.path(), QString::number(valor.size()), QString::number(kLargoMaximoOpcion));
    return QString();
}
