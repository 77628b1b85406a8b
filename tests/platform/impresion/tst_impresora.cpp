// The printer's PDF stand-in ($QX_PRINTER_PDF): a document appears in the
// folder under its name only once it has been ended, so that a run that dies
// or fails half-way leaves nothing that passes for a printed document.
#include "../../support/limitetamano.h"
#include "platform/impresora.h"
#include "platform/heldfile.h"
#include "platform/pdfcheck.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

class TstImpresora : public QObject {
    Q_OBJECT

    static QStringList archivos(const QString &carpeta)
    {
        return QDir(carpeta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                       QDir::Name);
    }
    // A whole PDF: its header, and its end after the cross-reference table.
    static bool fEntero(const QString &ruta)
    {
        QFile f(ruta);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const QByteArray b = f.readAll();
        return b.startsWith("%PDF-") && b.trimmed().endsWith("%%EOF") && b.contains("\nxref\n");
    }

private slots:
    void documento_data()
    {
        QTest::addColumn<QString>("fin");             // terminar, abortar, abandonar
        QTest::addColumn<QStringList>("quedan");
        QTest::newRow("terminado") << "terminar" << QStringList{"Inconsistencias.pdf"};
        QTest::newRow("abortado") << "abortar" << QStringList{};
        QTest::newRow("destruido sin terminar") << "abandonar" << QStringList{};
    }

    void documento()
    {
        QFETCH(QString, fin);
        QFETCH(QStringList, quedan);
        QTemporaryDir carpeta;
        QVERIFY(carpeta.isValid());
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        auto p = std::make_unique<Printer>();
        const bool empezado = p->begin(QStringLiteral("Inconsistencias"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(empezado);
        p->printText(400, 300, QStringLiteral("INCONSISTENCIAS DETECTADAS"));
        QVERIFY(p->newPage());
        p->drawLine(300, 720, 10000, 720);
        // Half-way no PDF stands in the folder.
        QVERIFY2(QDir(carpeta.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files).isEmpty(),
                 qPrintable(archivos(carpeta.path()).join(' ')));
        if (fin == QLatin1String("terminar"))
            QVERIFY(p->end());
        else if (fin == QLatin1String("abortar"))
            QVERIFY(p->abort());
        else
            p.reset();
        QCOMPARE(archivos(carpeta.path()), quedan);
        if (!quedan.isEmpty()) {
            QCOMPARE(p->pdfFile(), QDir(carpeta.path()).filePath(quedan.first()));
            QFile f(p->pdfFile());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.read(5) == "%PDF-");
        }
    }

    // What a killed print left (a partial PDF nobody holds) goes with the next
    // document; a partial PDF another running print holds stays.
    void parcialesHuerfanos()
    {
        QTemporaryDir carpeta;
        QFile huerfano(QDir(carpeta.path()).filePath(QStringLiteral(".qx-0123abcd.pdf.part")));
        QVERIFY(huerfano.open(QIODevice::WriteOnly));
        huerfano.write("%PDF-1.4 cortado");
        huerfano.close();
        heldfile::Held retenido = heldfile::create(carpeta.path(), QStringLiteral(".qx-"), QStringLiteral(".pdf.part"));
        QVERIFY(retenido.isHeld());
        const QString ajeno = retenido.path();

        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        Printer p;
        const bool empezado = p.begin(QStringLiteral("Inconsistencias"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(empezado);
        QVERIFY(!huerfano.exists());
        QVERIFY(QFile::exists(ajeno));
        QVERIFY(p.end());
        retenido.close();
        QCOMPARE(archivos(carpeta.path()),
                 (QStringList{QFileInfo(ajeno).fileName(), QStringLiteral("Inconsistencias.pdf")}));
    }

    // A name already taken is never written over, whatever takes it: the
    // document gets the next free name and what held the name stays as it was.
    void nombreOcupado_data()
    {
        QTest::addColumn<QString>("ocupante");
        QTest::newRow("otro documento") << "archivo";
        QTest::newRow("enlace a un archivo que ya no existe") << "enlace";
        QTest::newRow("carpeta") << "carpeta";
    }
    void nombreOcupado()
    {
        QFETCH(QString, ocupante);
        QTemporaryDir carpeta;
        const QDir dir(carpeta.path());
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        Printer p;
        const bool empezado = p.begin(QStringLiteral("PR0003_20100000009"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(empezado);
        p.printText(300, 350, QStringLiteral("KAVEN"));
        const QString ocupado = dir.filePath(QStringLiteral("PR0003_20100000009.pdf"));
        if (ocupante == QLatin1String("archivo")) {
            QFile otro(ocupado);
            QVERIFY(otro.open(QIODevice::WriteOnly));
            QVERIFY(otro.write("otro") == 4);
        } else if (ocupante == QLatin1String("enlace")) {
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("perdido.pdf")), ocupado));
        } else {
            QVERIFY(dir.mkdir(QStringLiteral("PR0003_20100000009.pdf")));
        }
        QVERIFY(p.end());
        QCOMPARE(archivos(carpeta.path()), (QStringList{"PR0003_20100000009-2.pdf", "PR0003_20100000009.pdf"}));
        QCOMPARE(p.pdfFile(), dir.filePath(QStringLiteral("PR0003_20100000009-2.pdf")));
        QVERIFY(fEntero(p.pdfFile()));
        const QFileInfo antes(ocupado);
        if (ocupante == QLatin1String("archivo")) {
            QFile otro(ocupado);
            QVERIFY(otro.open(QIODevice::ReadOnly));
            QCOMPARE(otro.readAll(), QByteArray("otro"));
        } else if (ocupante == QLatin1String("enlace")) {
            QVERIFY(antes.isSymLink());
            QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("perdido.pdf"))));
        } else {
            QVERIFY(antes.isDir());
        }
    }

    // Documents of one name ended at the same moment by several printers
    // (threads here, Qx381 processes in use): each that reports success
    // keeps its own whole PDF under a name of its own.
    void carrera()
    {
        QTemporaryDir carpeta;
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        constexpr int kHilos = 6, kVueltas = 20;
        std::mutex m;
        std::condition_variable cambio;
        int listos = 0, vuelta = 0;
        // Everyone draws its document, then all end them at once.
        auto esperarATodos = [&] {
            std::unique_lock<std::mutex> l(m);
            const int mia = vuelta;
            if (++listos == kHilos) {
                listos = 0;
                ++vuelta;
                cambio.notify_all();
            } else {
                cambio.wait(l, [&] { return vuelta != mia; });
            }
        };
        QStringList terminados[kHilos];
        int fallidos = 0;
        std::vector<std::thread> hilos;
        for (int h = 0; h < kHilos; ++h)
            hilos.emplace_back([&, h] {
                for (int v = 0; v < kVueltas; ++v) {
                    Printer p;
                    const bool empezado = p.begin(QStringLiteral("PR0003_20100000009"));
                    if (empezado)
                        p.printText(300, 350, QStringLiteral("hilo %1 vuelta %2").arg(h).arg(v));
                    esperarATodos();
                    if (empezado && p.end())
                        terminados[h] << p.pdfFile();
                    else {
                        std::lock_guard<std::mutex> l(m);
                        ++fallidos;
                    }
                }
            });
        for (std::thread &t : hilos)
            t.join();
        qunsetenv("QX_PRINTER_PDF");
        QCOMPARE(fallidos, 0);
        QStringList todos;
        for (const QStringList &l : terminados)
            todos += l;
        QCOMPARE(todos.size(), kHilos * kVueltas);
        QCOMPARE(QSet<QString>(todos.begin(), todos.end()).size(), todos.size());
        QCOMPARE(archivos(carpeta.path()).size(), todos.size());
        for (const QString &f : todos)
            QVERIFY2(fEntero(f), qPrintable(f));
    }

    // A disk that fills while the PDF is written (a file-size limit stands in
    // for it): the document is not printed, and nothing is left in the folder.
    void discoLleno_data()
    {
        QTest::addColumn<int>("limite");   // bytes the PDF may take
        QTest::newRow("4 KB") << 4096;
        QTest::newRow("16 KB") << 16384;
        QTest::newRow("36 KB") << 36864;
    }
    void discoLleno()
    {
        QFETCH(int, limite);
        QTemporaryDir carpeta;
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        auto dibujar = [](Printer &p) {
            for (int pagina = 0; pagina < 12; ++pagina) {
                if (pagina > 0)
                    p.newPage();
                for (int y = 300; y < 16000; y += 190)
                    p.printText(300, y, QStringLiteral("CASILLA %1 %2 %3 ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz")
                                            .arg(pagina).arg(y).arg(pagina * 7919 + y * 104729));
            }
        };
        // Without the limit the same document takes more than it allows.
        Printer entero;
        QVERIFY(entero.begin(QStringLiteral("entero")));
        dibujar(entero);
        QVERIFY(entero.end());
        QVERIFY(QFileInfo(entero.pdfFile()).size() > limite);
        QVERIFY(QFile::remove(entero.pdfFile()));

        Printer p;
        const bool empezado = p.begin(QStringLiteral("PR0003_20100000009"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(empezado);
        dibujar(p);
        bool terminado = true;
        {
            LimiteTamano limitado(limite);
            QVERIFY(limitado.activo());
            terminado = p.end();
        }
        QVERIFY(!terminado);
        QCOMPARE(archivos(carpeta.path()), QStringList{});
        QCOMPARE(p.pdfFile(), QString());
    }

    // The check of what reached the disk: a PDF that lost bytes anywhere,
    // at its end or in its middle, is not whole.
    void pdfEntero_data()
    {
        QTest::addColumn<QString>("cambio");
        QTest::addColumn<bool>("entero");
        QTest::newRow("tal como se escribió") << "nada" << true;
        QTest::newRow("sin el salto de línea final") << "sinSalto" << true;
        QTest::newRow("cortado a la mitad") << "mitad" << false;
        QTest::newRow("cortado antes de %%EOF") << "sinEof" << false;
        QTest::newRow("sin 512 bytes del medio") << "bloque" << false;
        QTest::newRow("sin un byte del medio") << "byte" << false;
        QTest::newRow("sin cabecera") << "cabecera" << false;
        QTest::newRow("vacío") << "vacio" << false;
    }
    void pdfEntero()
    {
        QFETCH(QString, cambio);
        QFETCH(bool, entero);
        QTemporaryDir carpeta;
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        Printer p;
        const bool empezado = p.begin(QStringLiteral("prueba"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(empezado);
        p.printText(300, 350, QStringLiteral("DECLARACION PAGO ANUAL"));
        QVERIFY(p.newPage());
        p.drawLine(300, 720, 10000, 720);
        QVERIFY(p.end());
        QFile f(p.pdfFile());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray b = f.readAll();
        QVERIFY(b.endsWith("%%EOF\n"));
        if (cambio == QLatin1String("sinSalto"))
            b.chop(1);
        else if (cambio == QLatin1String("mitad"))
            b.truncate(b.size() / 2);
        else if (cambio == QLatin1String("sinEof"))
            b.chop(6);
        else if (cambio == QLatin1String("bloque"))
            b.remove(b.size() / 3, 512);
        else if (cambio == QLatin1String("byte"))
            b.remove(b.size() / 2, 1);
        else if (cambio == QLatin1String("cabecera"))
            b.remove(0, 9);
        else if (cambio == QLatin1String("vacio"))
            b.clear();
        QCOMPARE(pdfWhole(b), entero);
    }
};

QTEST_MAIN(TstImpresora)
#include "tst_impresora.moc"
