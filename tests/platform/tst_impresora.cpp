// The printer's PDF stand-in ($QX_PRINTER_PDF): a document appears in the
// folder under its name only once it has been ended, so that a run that dies
// or fails half-way leaves nothing that passes for a printed document.
#include "platform/gui/impresora.h"
#include "platform/heldfile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <unistd.h>

class TstImpresora : public QObject {
    Q_OBJECT

    static QStringList archivos(const QString &carpeta)
    {
        return QDir(carpeta).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
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
        QString ajeno;
        int errnum = 0;
        const int retenido = heldfile::create(carpeta.path(), QStringLiteral(".qx-"), QStringLiteral(".pdf.part"),
                                              &ajeno, &errnum);
        QVERIFY(retenido >= 0);

        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        Printer p;
        const bool empezado = p.begin(QStringLiteral("Inconsistencias"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(empezado);
        QVERIFY(!huerfano.exists());
        QVERIFY(QFile::exists(ajeno));
        QVERIFY(p.end());
        ::close(retenido);
        QCOMPARE(archivos(carpeta.path()),
                 (QStringList{QFileInfo(ajeno).fileName(), QStringLiteral("Inconsistencias.pdf")}));
    }

    // A name taken meanwhile (another document of the same name ended first)
    // is not overwritten: the document gets the next free one.
    void nombreOcupado()
    {
        QTemporaryDir carpeta;
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        Printer p;
        const bool empezado = p.begin(QStringLiteral("PR0003_20100000009"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(empezado);
        p.printText(300, 350, QStringLiteral("KAVEN"));
        QFile otro(QDir(carpeta.path()).filePath(QStringLiteral("PR0003_20100000009.pdf")));
        QVERIFY(otro.open(QIODevice::WriteOnly));
        QVERIFY(otro.write("otro") == 4);
        otro.close();
        QVERIFY(p.end());
        QCOMPARE(archivos(carpeta.path()),
                 (QStringList{"PR0003_20100000009-2.pdf", "PR0003_20100000009.pdf"}));
        QVERIFY(otro.open(QIODevice::ReadOnly));
        QCOMPARE(otro.readAll(), QByteArray("otro"));
        QVERIFY(p.pdfFile().endsWith(QStringLiteral("/PR0003_20100000009-2.pdf")));
    }
};

QTEST_MAIN(TstImpresora)
#include "tst_impresora.moc"
