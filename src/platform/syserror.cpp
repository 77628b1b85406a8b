#include "platform/syserror.h"

#include <cerrno>

QString sysCause(int errnum)
{
    switch (errnum) {
    case EACCES:
    case EPERM:   return QStringLiteral("permiso denegado");
    case ENOENT:  return QStringLiteral("no existe");
    case ENOTDIR: return QStringLiteral("una parte de la ruta no es una carpeta");
    case EISDIR:  return QStringLiteral("es una carpeta");
    case EROFS:   return QStringLiteral("el disco es de solo lectura");
    case ENOSPC:
    case EDQUOT:  return QStringLiteral("no hay espacio en el disco");
    case EFBIG:   return QStringLiteral("el archivo pasa del tamaño permitido");
    case EXDEV:   return QStringLiteral("la carpeta de destino está en otro disco");
    case EIO:     return QStringLiteral("error de entrada/salida del disco");
    default:      return QStringLiteral("error %1 del sistema").arg(errnum);
    }
}

int vbFileError(int errnum)
{
    switch (errnum) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:   return 61;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:  return 75;
    case ENOENT:
    case ENOTDIR: return 76;
    default:      return 57;
    }
}
