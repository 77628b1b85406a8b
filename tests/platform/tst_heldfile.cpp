// Files a running process holds: their names, the hold itself (another
// holder is refused until the object goes), second names of a file, and
// the cleaning of what nobody holds.
#include "platform/heldfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kPrefijo = QStringLiteral(".qx-");
const QString kSufijo = QStringLiteral(".tmp");

// Whether another open of the file could hold it now (as another process
// would: flock goes with each open).
bool libre(const QString &ruta)
{
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return ok;
}

QStringList listado(const QString &carpeta)
{
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

bool poner(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
}

ino_t nodo(const QString &ruta)
{
    struct stat st {};
    return ::stat(QFile::encodeName(ruta).constData(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

class TstHeldFile : public QObject {
    Q_OBJECT

private slots:
    void crearYRetener()
    {
        QTemporaryDir dir;
        QString ruta;
        {
            heldfile::Held h = heldfile::create(dir.path(), kPrefijo, kSufijo);
            QVERIFY(h.isHeld());
            ruta = h.path();
            const QString nombre = QFileInfo(ruta).fileName();
            QCOMPARE(QFileInfo(ruta).absolutePath(), QDir(dir.path()).absolutePath());
            QVERIFY2(nombre.startsWith(kPrefijo) && nombre.endsWith(kSufijo) && nombre.size() > 8, qPrintable(nombre));
            QVERIFY(!libre(ruta));
            QVERIFY(h.names(ruta));
            QCOMPARE(::write(h.fd(), "abc", 3), ssize_t(3));
            // Moved, the hold goes with the new object.
            heldfile::Held otro = std::move(h);
            QVERIFY(!h.isHeld());
            QVERIFY(otro.isHeld());
            QVERIFY(!libre(ruta));
        }
        QVERIFY(libre(ruta));   // released, and left where it is
        QCOMPARE(QFileInfo(ruta).size(), qint64(3));
        // Two at once get two names.
        heldfile::Held a = heldfile::create(dir.path(), kPrefijo, kSufijo);
        heldfile::Held b = heldfile::create(dir.path(), kPrefijo, kSufijo);
        QVERIFY(a.isHeld() && b.isHeld());
        QVERIFY(a.path() != b.path());
    }

    void carpetaQueFalta()
    {
        QTemporaryDir dir;
        const heldfile::Held h = heldfile::create(dir.filePath(QStringLiteral("falta")), kPrefijo, kSufijo);
        QVERIFY(!h.isHeld());
        QCOMPARE(h.error(), ENOENT);
        QCOMPARE(h.fd(), -1);
    }

    // A second name of the file (the same file, nothing copied), held; when
    // someone else holds the file, no name is added.
    void segundoNombre()
    {
        QTemporaryDir dir;
        const QString original = dir.filePath(QStringLiteral("00000001.PRN"));
        QVERIFY(poner(original, "guion"));
        const QString sub = dir.filePath(QStringLiteral(".qx-temporales"));
        QVERIFY(QDir().mkdir(sub));
        {
            heldfile::Held h = heldfile::createLink(original, sub, kPrefijo, kSufijo);
            QVERIFY(h.isHeld());
            QCOMPARE(QFileInfo(h.path()).absolutePath(), QDir(sub).absolutePath());
            QCOMPARE(nodo(h.path()), nodo(original));
            QVERIFY(!libre(original));
            QVERIFY(h.names(h.path()));
            QVERIFY(h.names(original));
            // Another file put under the name is not the one held.
            QVERIFY(QFile::remove(original));
            QVERIFY(poner(original, "otro"));
            QVERIFY(!h.names(original));
            QVERIFY(h.names(h.path()));
        }
        QCOMPARE(listado(sub).size(), 1);   // the second name stays, released
        QVERIFY(libre(original));

        heldfile::Held ajeno = heldfile::create(dir.path(), kPrefijo, QStringLiteral(".pdf.part"));
        QVERIFY(ajeno.isHeld());
        const QStringList antes = listado(sub);
        const heldfile::Held h = heldfile::createLink(ajeno.path(), sub, kPrefijo, kSufijo);
        QVERIFY(!h.isHeld());
        QCOMPARE(h.error(), EWOULDBLOCK);
        QCOMPARE(listado(sub), antes);

        const heldfile::Held falta = heldfile::createLink(dir.filePath(QStringLiteral("no hay")), sub, kPrefijo, kSufijo);
        QVERIFY(!falta.isHeld());
        QCOMPARE(falta.error(), ENOENT);
    }

    // Only the files of the prefix and suffix that nobody holds go: not a
    // held one, not another name, not a folder or a link of such a name.
    void huerfanos()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        heldfile::Held retenido = heldfile::create(dir.path(), kPrefijo, kSufijo);
        QVERIFY(retenido.isHeld());
        QVERIFY(poner(d.filePath(QStringLiteral(".qx-0123abcd.tmp")), "huerfano"));
        QVERIFY(poner(d.filePath(QStringLiteral(".qx-4567.tmp")), "otro huerfano"));
        QVERIFY(poner(d.filePath(QStringLiteral(".qx-0123abcd.txt")), "otro sufijo"));
        QVERIFY(poner(d.filePath(QStringLiteral("qx-0123abcd.tmp")), "otro prefijo"));
        QVERIFY(poner(d.filePath(QStringLiteral("00000001.PRN")), "del host"));
        QVERIFY(d.mkdir(QStringLiteral(".qx-carpeta.tmp")));
        QVERIFY(QFile::link(d.filePath(QStringLiteral("00000001.PRN")), d.filePath(QStringLiteral(".qx-enlace.tmp"))));
        const QString retenidoNombre = QFileInfo(retenido.path()).fileName();

        QCOMPARE(heldfile::removeOrphans(dir.path(), kPrefijo, kSufijo), 2);
        QStringList quedan{QStringLiteral(".qx-0123abcd.txt"), QStringLiteral(".qx-carpeta.tmp"),
                           QStringLiteral(".qx-enlace.tmp"), retenidoNombre, QStringLiteral("00000001.PRN"),
                           QStringLiteral("qx-0123abcd.tmp")};
        quedan.sort();
        QStringList hay = listado(dir.path());
        hay.sort();
        QCOMPARE(hay, quedan);
        QCOMPARE(heldfile::removeOrphans(dir.path(), kPrefijo, kSufijo), 0);

        retenido.close();
        QCOMPARE(heldfile::removeOrphans(dir.path(), kPrefijo, kSufijo), 1);
        QVERIFY(!QFile::exists(d.filePath(retenidoNombre)));
        QCOMPARE(heldfile::removeOrphans(dir.filePath(QStringLiteral("falta")), kPrefijo, kSufijo), 0);
    }
};

QTEST_GUILESS_MAIN(TstHeldFile)
#include "tst_heldfile.moc"
