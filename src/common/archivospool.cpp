#include "common/archivospool.h"
#include "common/spool.h"

#include "platform/heldfile.h"
#include "platform/syserror.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QString kPrefijo = QStringLiteral(".qx-");
const QString kSufijo = QStringLiteral(".tmp");
// The temporaries live apart from the files of the folder, which a report
// folder keeps by the thousand: the cleaning lists them alone. A subfolder,
// so that they stay on the folder's file system for the atomic rename.
const QString kSubcarpeta = QStringLiteral(".qx-temporales");

QString fSubcarpeta(const QString &carpeta)
{
    return QDir(carpeta).absoluteFilePath(kSubcarpeta);
}

enum NumeroError { ErrorES = 57, DiscoLleno = 61, AccesoRuta = 75, RutaNoEncontrada = 76 };

ErrorArchivo fError(int numero, const QString &que, const QString &ruta, int errnum)
{
    return ErrorArchivo(numero, QStringLiteral("%1 '%2' (%3).").arg(que, ruta, sysCause(errnum)));
}

QByteArray fNativo(const QString &ruta)
{
    return QFile::encodeName(ruta);
}

bool fEscribirTodo(int fd, const QByteArray &datos, int *errnum)
{
    const char *p = datos.constData();
    qint64 resta = datos.size();
    while (resta > 0) {
        const ssize_t n = ::write(fd, p, size_t(resta));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *errnum = errno;
            return false;
        }
        p += n;
        resta -= n;
    }
    return true;
}

// What the callback of fRegistrarYPublicar has renamed.
struct Publicacion {
    QString destino;
    std::unique_ptr<ArchivoTemporal> anterior;   // the file it replaced, if any
};

} // namespace

// What a registration has renamed, to be undone when it does not commit.
class DiarioPublicacion {
public:
    void anotar(Publicacion p) { m_hechas.push_back(std::move(p)); }

    // Puts every replaced file back and removes every new name, last first.
    // Best effort: the failure that brought us here is what gets reported.
    void deshacer()
    {
        for (auto it = m_hechas.rbegin(); it != m_hechas.rend(); ++it) {
            if (it->anterior) {
                try {
                    it->anterior->publicar(it->destino);
                } catch (const ErrorArchivo &) {
                }
            } else {
                ::unlink(fNativo(it->destino).constData());
            }
        }
        m_hechas.clear();
    }

private:
    std::vector<Publicacion> m_hechas;   // the copies of replaced files go with it
};

ArchivoTemporal::ArchivoTemporal(const QString &carpeta)
{
    const QDir dir(carpeta);
    if (!dir.exists())
        throw ErrorArchivo(RutaNoEncontrada, QStringLiteral("No se encontró la carpeta '%1'.").arg(carpeta));
    const QString sub = fSubcarpeta(carpeta);
    const QByteArray nativa = fNativo(sub);
    struct stat padre {};
    // Made as open to others as the folder itself, for every program that
    // writes there.
    if (::mkdir(nativa.constData(), 0700) == 0) {
        if (::stat(fNativo(carpeta).constData(), &padre) == 0)
            ::chmod(nativa.constData(), padre.st_mode & 07777);
    } else if (errno != EEXIST) {
        throw fError(errno == ENOENT || errno == ENOTDIR ? RutaNoEncontrada : AccesoRuta,
                     QStringLiteral("No se pudo crear un archivo temporal en"), carpeta, errno);
    }
    m_archivo = heldfile::create(sub, kPrefijo, kSufijo);
    if (!m_archivo.isHeld()) {
        const int errnum = m_archivo.error();
        throw fError(errnum == ENOENT || errnum == ENOTDIR ? RutaNoEncontrada : AccesoRuta,
                     QStringLiteral("No se pudo crear un archivo temporal en"), carpeta, errnum);
    }
    m_ruta = m_archivo.path();
}

ArchivoTemporal::~ArchivoTemporal()
{
    if (m_archivo.isHeld() && !m_publicado)
        ::unlink(fNativo(m_ruta).constData());
    // m_archivo releases the lock after.
}

void ArchivoTemporal::escribir(const QByteArray &datos)
{
    int errnum = 0;
    const int fd = m_archivo.fd();
    if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0)
        errnum = errno;
    else
        fEscribirTodo(fd, datos, &errnum);
    if (errnum != 0)
        throw fError(errnum == ENOSPC || errnum == EDQUOT ? DiscoLleno : ErrorES,
                     QStringLiteral("No se pudo escribir el archivo"), m_ruta, errnum);
}

void ArchivoTemporal::escribirLineas(const QStringList &lineas)
{
    QByteArray datos;
    for (const QString &linea : lineas) {
        datos += textfile::toCp1252(linea);
        datos += "\r\n";
    }
    escribir(datos);
}

void ArchivoTemporal::publicar(const QString &destino, DiarioPublicacion *diario)
{
    if (::fsync(m_archivo.fd()) != 0)
        throw fError(ErrorES, QStringLiteral("No se pudo guardar el archivo"), m_ruta, errno);
    const QByteArray nativo = fNativo(destino);
    Publicacion hecha{destino, nullptr};
    // Keep the file about to be replaced, so that a failed registration can
    // put it back.
    if (diario && QFileInfo(destino).isFile()) {
        // A second name for it costs nothing; a copy only when the file is
        // held by another program, or cannot be linked there.
        const QString carpeta = QFileInfo(destino).absolutePath();
        heldfile::Held segundo = heldfile::createLink(destino, fSubcarpeta(carpeta), kPrefijo, kSufijo);
        if (segundo.isHeld()) {
            hecha.anterior.reset(new ArchivoTemporal(std::move(segundo)));
        } else {
            QFile previo(destino);
            if (!previo.open(QIODevice::ReadOnly))
                throw ErrorArchivo(AccesoRuta, QStringLiteral("No se pudo leer el archivo '%1'.").arg(destino));
            hecha.anterior = std::make_unique<ArchivoTemporal>(carpeta);
            hecha.anterior->escribir(previo.readAll());
        }
    }
    if (::rename(fNativo(m_ruta).constData(), nativo.constData()) != 0)
        throw fError(errno == ENOENT || errno == ENOTDIR ? RutaNoEncontrada : AccesoRuta,
                     QStringLiteral("No se pudo dar su nombre al archivo"), destino, errno);
    m_ruta = destino;
    m_publicado = true;
    if (diario)
        diario->anotar(std::move(hecha));
}

int ArchivoTemporal::limpiarHuerfanos(const QString &carpeta)
{
    return heldfile::removeOrphans(fSubcarpeta(carpeta), kPrefijo, kSufijo);
}

QString ArchivoTemporal::subcarpeta(const QString &carpeta)
{
    return fSubcarpeta(carpeta);
}

ArchivoTemporal::ArchivoTemporal(heldfile::Held archivo) : m_archivo(std::move(archivo))
{
    m_ruta = m_archivo.path();
}

QString fRegistrarYPublicar(Database &db, const QString &codRep, const QVariant &tipDoc,
                            const QString &docId, const QString &usuario, const QString &tipDocColumn,
                            const std::function<void(const QString &archivo, DiarioPublicacion &diario)> &publicar)
{
    Transaction transaccion(db, true);
    DiarioPublicacion diario;
    QString archivo;
    try {
        archivo = fRegistrarSpool(db, codRep, tipDoc, docId, usuario, tipDocColumn);
        publicar(archivo, diario);
        transaccion.commit();
    } catch (...) {
        // Still under the write lock: nobody has seen the name yet.
        diario.deshacer();
        throw;
    }
    return archivo;
}
