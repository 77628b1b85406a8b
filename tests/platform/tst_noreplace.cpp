// The publish that never replaces another file, on this file system and on
// stand-ins for file systems that refuse the no-replace rename (its hard
// link path) or hard links too (its reservation path).
#include "platform/noreplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Sistema { Propio, SinBandera, SinEnlaces };

int g_renombres = 0, g_enlaces = 0;

// What the calls of a file system without the flag, or without hard links
// either, answer; the rest is this one's.
const noreplace::FileSystem kSinBandera{
    [](const char *, const char *) {
        ++g_renombres;
        errno = EINVAL;
        return -1;
    },
    [](const char *from, const char *to) {
        ++g_enlaces;
        return noreplace::realFileSystem().link(from, to);
    },
};
const noreplace::FileSystem kSinEnlaces{
    kSinBandera.renameNoReplace,
    [](const char *, const char *) {
        ++g_enlaces;
        errno = EPERM;
        return -1;
    },
};

const noreplace::FileSystem &fSistema(Sistema s)
{
    switch (s) {
    case Sistema::SinBandera: return kSinBandera;
    case Sistema::SinEnlaces: return kSinEnlaces;
    default: return noreplace::realFileSystem();
    }
}

QByteArray leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no está>");
}

bool poner(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
}

} // namespace

Q_DECLARE_METATYPE(Sistema)

class TstNoReplace : public QObject {
    Q_OBJECT

private slots:
    // What is named to beforehand: nothing, a file, a folder, a link to
    // nothing; or from is missing. Each on every path.
    void renombrar_data()
    {
        QTest::addColumn<Sistema>("sistema");
        QTest::addColumn<QString>("ocupado");
        QTest::addColumn<int>("error");
        const struct {
            const char *nombre;
            Sistema sistema;
        } sistemas[] = {{"propio", Sistema::Propio},
                        {"sin bandera", Sistema::SinBandera},
                        {"sin enlaces", Sistema::SinEnlaces}};
        for (const auto &s : sistemas) {
            auto fila = [&](const char *caso) -> QTestData & { return QTest::addRow("%s, %s", s.nombre, caso) << s.sistema; };
            fila("nombre libre") << "" << 0;
            fila("archivo") << "archivo" << EEXIST;
            fila("carpeta") << "carpeta" << EEXIST;
            fila("enlace sin destino") << "enlace" << EEXIST;
            fila("sin origen") << "sin origen" << ENOENT;
        }
    }
    void renombrar()
    {
        QFETCH(Sistema, sistema);
        QFETCH(QString, ocupado);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QString de = dir.filePath(QStringLiteral(".qx-1.pdf.part"));
        const QString a = dir.filePath(QStringLiteral("Inconsistencias.pdf"));
        if (ocupado != QLatin1String("sin origen"))
            QVERIFY(poner(de, "nuevo"));
        if (ocupado == QLatin1String("archivo"))
            QVERIFY(poner(a, "anterior"));
        else if (ocupado == QLatin1String("carpeta"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Inconsistencias.pdf")));
        else if (ocupado == QLatin1String("enlace"))
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nada")), a));
        struct stat antes {};
        ::stat(QFile::encodeName(de).constData(), &antes);

        g_renombres = g_enlaces = 0;
        QCOMPARE(noreplace::rename(de, a, fSistema(sistema)), error);
        // The path was the one asked for.
        QCOMPARE(g_renombres, sistema == Sistema::Propio ? 0 : 1);
        QCOMPARE(g_enlaces, sistema == Sistema::Propio ? 0 : 1);

        const QFileInfo destino(a);
        if (error == 0) {
            QCOMPARE(leer(a), QByteArray("nuevo"));
            QVERIFY(!QFile::exists(de));
            struct stat despues {};
            QCOMPARE(::stat(QFile::encodeName(a).constData(), &despues), 0);
            QCOMPARE(despues.st_ino, antes.st_ino);   // the file itself, not a copy
            QCOMPARE(despues.st_nlink, nlink_t(1));
        } else if (ocupado == QLatin1String("sin origen")) {
            QVERIFY(!destino.exists() && !destino.isSymLink());   // no reservation left behind
        } else {
            QCOMPARE(leer(de), QByteArray("nuevo"));
            if (ocupado == QLatin1String("archivo"))
                QCOMPARE(leer(a), QByteArray("anterior"));
            else if (ocupado == QLatin1String("carpeta"))
                QVERIFY(destino.isDir());
            else
                QCOMPARE(destino.symLinkTarget(), dir.filePath(QStringLiteral("nada")));
        }
        QStringList esperados{QStringLiteral("Inconsistencias.pdf")};
        if (error != 0 && ocupado != QLatin1String("sin origen"))
            esperados.prepend(QStringLiteral(".qx-1.pdf.part"));
        if (error == ENOENT)
            esperados.clear();
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                            QDir::Name),
                 esperados);
    }
};

QTEST_GUILESS_MAIN(TstNoReplace)
#include "tst_noreplace.moc"
