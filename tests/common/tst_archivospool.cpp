// Files composed under a temporary name and published by an atomic rename,
// alone or with their SPOOL row in one transaction.
#include "common/archivospool.h"
#include "../support/testdb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <sys/stat.h>

namespace {

QStringList contenido(const QString &carpeta)
{
    return testdb::archivos(carpeta);
}

QByteArray leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void poner(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(datos), datos.size());
}

int filasSpool(Database &db)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM SPOOL")).toInt();
}

// Helper mode: holds a temporary file in the folder, tells its path on
// standard output and keeps it until its standard input ends.
int retener(const QString &carpeta)
{
    try {
        ArchivoTemporal t(carpeta);
        t.escribir("a medio escribir");
        std::printf("%s\n", qPrintable(t.ruta()));
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
    } catch (const ErrorArchivo &e) {
        std::fprintf(stderr, "%d %s\n", e.numero, qPrintable(e.descripcion));
        return 1;
    }
    return 0;
}

} // namespace

class TstArchivoSpool : public QObject {
    Q_OBJECT

    // A helper process holding a temporary file in the folder; its path.
    QString iniciarRetenedor(QProcess &p, const QString &carpeta)
    {
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--retener"), carpeta});
        if (!p.waitForStarted() || !p.waitForReadyRead(30000))
            return QString();
        return QString::fromLocal8Bit(p.readLine()).trimmed();
    }

private slots:
    void temporalOcultoYBorrado()
    {
        QTemporaryDir dir;
        QString ruta;
        {
            ArchivoTemporal t(dir.path());
            ruta = t.ruta();
            const QString nombre = QFileInfo(ruta).fileName();
            // apart from the folder's own files, in its hidden subfolder
            QCOMPARE(QFileInfo(ruta).absolutePath(), QDir(dir.path()).absoluteFilePath(QStringLiteral(".qx-temporales")));
            QVERIFY2(nombre.startsWith(QLatin1String(".qx-")) && nombre.endsWith(QLatin1String(".tmp")),
                     qPrintable(nombre));
            t.escribirLineas({QStringLiteral("Constancia de presentación"), QString()});
            QCOMPARE(leer(ruta), QByteArray("Constancia de presentaci\xf3n\r\n\r\n"));
            t.escribir("otro");   // replaces, does not add
            QCOMPARE(leer(ruta), QByteArray("otro"));
            QVERIFY(!t.publicado());
        }
        QVERIFY(!QFile::exists(ruta));
        QCOMPARE(contenido(dir.path()), QStringList());
    }

    void publicarReemplaza()
    {
        QTemporaryDir dir;
        const QString destino = dir.filePath(QStringLiteral("00000001.PRN"));
        poner(destino, "anterior");
        {
            ArchivoTemporal t(dir.path());
            t.escribir("nuevo");
            QCOMPARE(leer(destino), QByteArray("anterior"));   // untouched until published
            t.publicar(destino);
            QVERIFY(t.publicado());
            QCOMPARE(t.ruta(), destino);
        }
        QCOMPARE(leer(destino), QByteArray("nuevo"));
        QCOMPARE(contenido(dir.path()), QStringList{QStringLiteral("00000001.PRN")});
    }

    void errores()
    {
        QTemporaryDir dir;
        const QString falta = dir.filePath(QStringLiteral("RPT"));
        try {
            ArchivoTemporal t(falta);
            QFAIL("a temporary file in a missing folder");
        } catch (const ErrorArchivo &e) {
            QCOMPARE(e.numero, 76);
        }
        ArchivoTemporal t(dir.path());
        t.escribir("x");
        try {
            t.publicar(falta + QStringLiteral("/00000001.PRN"));
            QFAIL("published into a missing folder");
        } catch (const ErrorArchivo &e) {
            QCOMPARE(e.numero, 76);
            QVERIFY(e.descripcion.contains(QLatin1String("00000001.PRN")));
        }
        QVERIFY(!t.publicado());
        QVERIFY(QFile::exists(t.ruta()));
    }

    // A killed holder leaves its file behind; the next cleaning removes it,
    // but not the files of living holders nor any other file.
    void huerfanosDeUnaCorridaMatada()
    {
        QTemporaryDir dir;
        QProcess muerto, vivo;
        const QString delMuerto = iniciarRetenedor(muerto, dir.path());
        const QString delVivo = iniciarRetenedor(vivo, dir.path());
        QVERIFY(QFile::exists(delMuerto));
        QVERIFY(QFile::exists(delVivo));
        muerto.kill();   // SIGKILL: no destructor runs
        QVERIFY(muerto.waitForFinished());
        QCOMPARE(muerto.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFile::exists(delMuerto));

        ArchivoTemporal propio(dir.path());
        poner(dir.filePath(QStringLiteral("00000001.PRN")), "del host");
        poner(dir.filePath(QStringLiteral(".qx-ajeno.txt")), "otro nombre");

        QCOMPARE(ArchivoTemporal::limpiarHuerfanos(dir.path()), 1);
        QVERIFY(!QFile::exists(delMuerto));
        QVERIFY(QFile::exists(delVivo));
        QVERIFY(QFile::exists(propio.ruta()));
        QCOMPARE(leer(dir.filePath(QStringLiteral("00000001.PRN"))), QByteArray("del host"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral(".qx-ajeno.txt"))));
        QCOMPARE(ArchivoTemporal::limpiarHuerfanos(dir.path()), 0);

        // A holder that ends normally takes its file with it.
        vivo.closeWriteChannel();
        QVERIFY(vivo.waitForFinished());
        QCOMPARE(vivo.exitCode(), 0);
        QVERIFY(!QFile::exists(delVivo));
    }

    void registrarYPublicar()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        auto db = env.abrir();
        const QString rpt = env.sysPath + QStringLiteral("RPT/");
        poner(rpt + QStringLiteral("0951199800A1.txt"), "texto anterior");
        ArchivoTemporal guion(rpt), texto(rpt);
        guion.escribir("guion");
        texto.escribir("texto nuevo");

        const QString archivo = fRegistrarYPublicar(
            *db, QStringLiteral("PR0002"), QStringLiteral("06"), QStringLiteral("20100066603    "),
            QStringLiteral("USUARIO1"), QStringLiteral("Tip_doc_d"), [&](const QString &nombre, DiarioPublicacion &diario) {
                QCOMPARE(nombre, QStringLiteral("00000001.PRN"));
                guion.publicar(rpt + nombre, &diario);
                texto.publicar(rpt + QStringLiteral("0951199800A1.txt"), &diario);
            });
        QCOMPARE(archivo, QStringLiteral("00000001.PRN"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT Archivo FROM SPOOL WHERE CodRep = 'PR0002'")).toString(),
                 archivo);
        QCOMPARE(leer(rpt + archivo), QByteArray("guion"));
        QCOMPARE(leer(rpt + QStringLiteral("0951199800A1.txt")), QByteArray("texto nuevo"));
        // the copy kept of the replaced file is gone with the commit
        QCOMPARE(contenido(rpt), QStringList({QStringLiteral("00000001.PRN"), QStringLiteral("0951199800A1.txt")}));
    }

    // Whatever fails, the registration leaves no row and no file under a
    // final name, and a replaced file comes back.
    void falloNoDejaNada_data()
    {
        QTest::addColumn<QString>("falla");
        QTest::addColumn<int>("numero");
        QTest::newRow("registro") << "INSERT" << 3051;
        QTest::newRow("publicar, tras el primer archivo") << "publicar" << 75;
        QTest::newRow("commit") << "COMMIT" << 3051;
    }
    void falloNoDejaNada()
    {
        QFETCH(QString, falla);
        QFETCH(int, numero);
        testdb::Entorno env;
        QVERIFY(env.valido());
        auto db = env.abrir();
        const QString rpt = env.sysPath + QStringLiteral("RPT/");
        poner(rpt + QStringLiteral("0951199800A1.txt"), "texto anterior");
        db->setFaultHook([falla](const QString &sql) {
            if (sql.startsWith(falla))
                throw DbError(3051, QStringLiteral("bloqueada"));
        });
        {
            ArchivoTemporal guion(rpt), texto(rpt);
            guion.escribir("guion");
            texto.escribir("texto nuevo");
            int obtenido = 0;
            try {
                fRegistrarYPublicar(*db, QStringLiteral("PR0003"), 6, QStringLiteral("20100066603"),
                                    QStringLiteral("USUARIO1"), QStringLiteral("tip_doc_d"),
                                    [&](const QString &nombre, DiarioPublicacion &diario) {
                                        guion.publicar(rpt + nombre, &diario);
                                        texto.publicar(rpt + QStringLiteral("0951199800A1.txt"), &diario);
                                        if (falla == QLatin1String("publicar"))
                                            throw ErrorArchivo(75, QStringLiteral("sin acceso"));
                                    });
                QFAIL("the registration went through");
            } catch (const DbError &e) {
                obtenido = e.number;
            } catch (const ErrorArchivo &e) {
                obtenido = e.numero;
            }
            QCOMPARE(obtenido, numero);
        }
        db->setFaultHook({});
        QCOMPARE(filasSpool(*db), 0);
        QCOMPARE(contenido(rpt), QStringList{QStringLiteral("0951199800A1.txt")});
        QCOMPARE(leer(rpt + QStringLiteral("0951199800A1.txt")), QByteArray("texto anterior"));

        // Nothing of it remains: the next registration hands out the same name.
        ArchivoTemporal guion(rpt);
        QCOMPARE(fRegistrarYPublicar(*db, QStringLiteral("PR0003"), 6, QStringLiteral("20100066603"),
                                     QStringLiteral("USUARIO1"), QStringLiteral("tip_doc_d"),
                                     [&](const QString &nombre, DiarioPublicacion &diario) {
                                         guion.publicar(rpt + nombre, &diario);
                                     }),
                 QStringLiteral("00000001.PRN"));
    }

    // A replaced file that a failed registration puts back is the very file
    // it was: its permissions and its time of change too, not a new copy of
    // its bytes.
    void reemplazadoVuelveComoEra()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        auto db = env.abrir();
        const QString rpt = env.sysPath + QStringLiteral("RPT/");
        const QString texto = rpt + QStringLiteral("0951199800A1.txt");
        poner(texto, "texto anterior");
        QVERIFY(QFile::setPermissions(texto, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        const QDateTime cambio(QDate(1999, 1, 4), QTime(9, 30));
        {
            QFile f(texto);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(cambio, QFileDevice::FileModificationTime));
        }
        struct stat antes {};
        QCOMPARE(::stat(QFile::encodeName(texto).constData(), &antes), 0);
        {
            ArchivoTemporal nuevo(rpt);
            nuevo.escribir("texto nuevo");
            QVERIFY_THROWS_EXCEPTION(ErrorArchivo,
                                     fRegistrarYPublicar(*db, QStringLiteral("PR0003"), 6, QStringLiteral("20100066603"),
                                                         QStringLiteral("USUARIO1"), QStringLiteral("tip_doc_d"),
                                                         [&](const QString &, DiarioPublicacion &diario) {
                                                             nuevo.publicar(texto, &diario);
                                                             QCOMPARE(leer(texto), QByteArray("texto nuevo"));
                                                             throw ErrorArchivo(75, QStringLiteral("sin acceso"));
                                                         }));
        }
        QCOMPARE(leer(texto), QByteArray("texto anterior"));
        struct stat despues {};
        QCOMPARE(::stat(QFile::encodeName(texto).constData(), &despues), 0);
        QCOMPARE(despues.st_ino, antes.st_ino);
        QCOMPARE(despues.st_mode & 07777, mode_t(0600));
        QCOMPARE(QFileInfo(texto).lastModified(), cambio);
        QCOMPARE(contenido(rpt), QStringList{QStringLiteral("0951199800A1.txt")});
        QCOMPARE(filasSpool(*db), 0);
    }

    // Only what is published with the registration's journal goes back when
    // the registration fails: a file published without it, even while the
    // registration runs, is published as anywhere else.
    void soloLoAnotadoSeDeshace()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        auto db = env.abrir();
        const QString rpt = env.sysPath + QStringLiteral("RPT/");
        const QString tmp = env.sysPath + QStringLiteral("TMP/");
        poner(rpt + QStringLiteral("0951199800A1.txt"), "texto anterior");
        poner(tmp + QStringLiteral("aparte.txt"), "aparte anterior");
        {
            ArchivoTemporal guion(rpt), texto(rpt), aparte(tmp);
            guion.escribir("guion");
            texto.escribir("texto nuevo");
            aparte.escribir("aparte nuevo");
            QVERIFY_THROWS_EXCEPTION(ErrorArchivo,
                                     fRegistrarYPublicar(*db, QStringLiteral("PR0003"), 6, QStringLiteral("20100066603"),
                                                         QStringLiteral("USUARIO1"), QStringLiteral("tip_doc_d"),
                                                         [&](const QString &nombre, DiarioPublicacion &diario) {
                                                             guion.publicar(rpt + nombre, &diario);
                                                             aparte.publicar(tmp + QStringLiteral("aparte.txt"));
                                                             texto.publicar(rpt + QStringLiteral("0951199800A1.txt"), &diario);
                                                             throw ErrorArchivo(75, QStringLiteral("sin acceso"));
                                                         }));
        }
        QCOMPARE(contenido(rpt), QStringList{QStringLiteral("0951199800A1.txt")});
        QCOMPARE(leer(rpt + QStringLiteral("0951199800A1.txt")), QByteArray("texto anterior"));
        QCOMPARE(contenido(tmp), QStringList{QStringLiteral("aparte.txt")});
        QCOMPARE(leer(tmp + QStringLiteral("aparte.txt")), QByteArray("aparte nuevo"));
        QCOMPARE(filasSpool(*db), 0);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--retener")
        return retener(QString::fromLocal8Bit(argv[2]));
    TstArchivoSpool t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_archivospool.moc"
