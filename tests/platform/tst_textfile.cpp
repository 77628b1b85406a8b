// Byte values are those of the Windows-1252 code page table.
#include <QtTest>
#include <atomic>
#include <cerrno>
#include <iconv.h>
#include <thread>
#include <vector>

#include "platform/textfile.h"
#include "../support/limitetamano.h"

class TstTextFile : public QObject {
    Q_OBJECT
private slots:
    void encode_data();
    void encode();
    void encodeFromThreads();
    void undefinedBytes();
    void likeTheCLibrary();
    void writeLinesBytes();
    void writeTextBytes();
    void appendCreatesAndAppends();
    void readLineEnds_data();
    void readLineEnds();
    void failures();
    void fullDisk_data();
    void fullDisk();
private:
    QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    QTemporaryDir m_dir;
};

namespace {

struct Caso {
    const char *nombre;
    QString text;
    QByteArray bytes;
    QString back;   // what reading the bytes gives
};

QList<Caso> casos()
{
    return {
        {"ascii", "ABC 123", QByteArray("ABC 123"), "ABC 123"},
        {"accents", QString::fromUtf8("áéíóúñÑ°¿"), QByteArray("\xE1\xE9\xED\xF3\xFA\xF1\xD1\xB0\xBF"),
         QString::fromUtf8("áéíóúñÑ°¿")},
        {"capitals", QString::fromUtf8("ÁÉÍÓÚÜ"), QByteArray("\xC1\xC9\xCD\xD3\xDA\xDC"),
         QString::fromUtf8("ÁÉÍÓÚÜ")},
        {"quotes and euro", QString::fromUtf8("‘0’ €"), QByteArray("\x91" "0\x92 \x80"), QString::fromUtf8("‘0’ €")},
        {"outside code page", QString::fromUtf8("aăb→c"), QByteArray("a?b?c"), "a?b?c"},
        {"outside the plane", QString::fromUtf8("x\U0001F600y"), QByteArray("x?y"), "x?y"},
        {"empty", QString(), QByteArray(), QString()},
    };
}

} // namespace

void TstTextFile::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("back");
    for (const Caso &c : casos())
        QTest::newRow(c.nombre) << c.text << c.bytes << c.back;
}

void TstTextFile::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, back);
    QCOMPARE(textfile::toCp1252(text), bytes);
    QCOMPARE(textfile::fromCp1252(bytes), back);
}

// Threads converting at the same time, characters the code page lacks
// included, each get their own text: the conversion keeps no state.
void TstTextFile::encodeFromThreads()
{
    const QList<Caso> todos = casos();
    std::atomic<int> errores{0};
    std::vector<std::thread> hilos;
    for (int h = 0; h < 6; ++h) {
        hilos.emplace_back([&todos, &errores, h] {
            for (int vuelta = 0; vuelta < 300; ++vuelta) {
                const Caso &c = todos.at((vuelta + h) % todos.size());
                if (textfile::toCp1252(c.text) != c.bytes || textfile::fromCp1252(c.bytes) != c.back)
                    ++errores;
            }
        });
    }
    for (std::thread &t : hilos)
        t.join();
    QCOMPARE(errores.load(), 0);
}

void TstTextFile::undefinedBytes()
{
    // 0x81 has no character in the code page: it reads as U+0081 and does not
    // end the conversion.
    const QString s = textfile::fromCp1252(QByteArray("a\x81\xF1"));
    QCOMPARE(s.size(), 3);
    QCOMPARE(s.at(1).unicode(), ushort(0x81));
    QCOMPARE(s.at(2), QChar(0xF1));
}

// Every character and every byte converts as the C library's Windows-1252
// converter has it, which the host's files were written with: a character
// it lacks becomes one '?', an undefined byte its control character.
void TstTextFile::likeTheCLibrary()
{
    iconv_t hacia = iconv_open("WINDOWS-1252", "UTF-16LE");
    iconv_t desde = iconv_open("UTF-16LE", "WINDOWS-1252");
    QVERIFY(hacia != reinterpret_cast<iconv_t>(-1) && desde != reinterpret_cast<iconv_t>(-1));
    auto convertir = [](iconv_t cd, const QByteArray &entrada, QByteArray *salida) {
        QByteArray in = entrada;
        char buf[16];
        char *i = in.data(), *o = buf;
        size_t li = size_t(in.size()), lo = sizeof buf;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool ok = iconv(cd, &i, &li, &o, &lo) != size_t(-1) && li == 0;
        *salida = QByteArray(buf, int(o - buf));
        return ok;
    };
    int distintos = 0;
    QStringList ejemplos;
    QList<char32_t> puntos;
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        if (u < 0xD800 || u > 0xDFFF)
            puntos << u;
    }
    puntos << 0x1F600 << 0x10FFFF;
    for (const char32_t u : puntos) {
        const QString texto = QString::fromUcs4(&u, 1);
        QByteArray esperado;
        if (!convertir(hacia, QByteArray(reinterpret_cast<const char *>(texto.utf16()), int(texto.size() * 2)), &esperado))
            esperado = "?";
        if (textfile::toCp1252(texto) != esperado) {
            ++distintos;
            if (ejemplos.size() < 5)
                ejemplos << QString::number(uint(u), 16);
        }
    }
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, char(b));
        QByteArray utf16;
        QString esperado = convertir(desde, byte, &utf16)
                               ? QString(reinterpret_cast<const QChar *>(utf16.constData()), utf16.size() / 2)
                               : QString(QChar(b));
        if (textfile::fromCp1252(byte) != esperado) {
            ++distintos;
            if (ejemplos.size() < 10)
                ejemplos << QStringLiteral("byte %1").arg(b, 0, 16);
        }
    }
    iconv_close(hacia);
    iconv_close(desde);
    QVERIFY2(distintos == 0, qPrintable(ejemplos.join(QLatin1Char(' '))));
    // A lone half of a pair is no character either.
    QCOMPARE(textfile::toCp1252(QString(QChar(0xD800)) + QLatin1Char('a')), QByteArray("?a"));
}

void TstTextFile::writeLinesBytes()
{
    const QString path = m_dir.filePath("Mens.txt");
    QString error;
    QVERIFY(textfile::writeLines(path, {QString::fromUtf8("Año"), QString::fromUtf8("¿Sí?"), QString()}, &error));
    QCOMPARE(readAll(path), QByteArray("A\xF1o\r\n\xBFS\xED?\r\n\r\n"));
    QStringList lines;
    QVERIFY(textfile::readLines(path, &lines, &error));
    QCOMPARE(lines, (QStringList{QString::fromUtf8("Año"), QString::fromUtf8("¿Sí?"), QString()}));

    // Rewriting replaces the whole file.
    QVERIFY(textfile::writeLines(path, {"x"}, &error));
    QCOMPARE(readAll(path), QByteArray("x\r\n"));
}

void TstTextFile::writeTextBytes()
{
    const QString path = m_dir.filePath("recibo.txt");
    QVERIFY(textfile::writeText(path, QString::fromUtf8("Constancia N°")));
    QCOMPARE(readAll(path), QByteArray("Constancia N\xB0"));
}

void TstTextFile::appendCreatesAndAppends()
{
    const QString path = m_dir.filePath("Trace.txt");
    QVERIFY(!QFile::exists(path));
    QVERIFY(textfile::appendLine(path, QString::fromUtf8("línea 1")));
    QVERIFY(textfile::appendLine(path, "linea 2"));
    QCOMPARE(readAll(path), QByteArray("l\xEDnea 1\r\nlinea 2\r\n"));
}

void TstTextFile::readLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("no final end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("blank line kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
}

void TstTextFile::readLineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const QString path = m_dir.filePath("read.txt");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    QStringList got{"stale"};
    QVERIFY(textfile::readLines(path, &got));
    QCOMPARE(got, lines);
}

void TstTextFile::failures()
{
    const QString missingDir = m_dir.filePath("no-such-folder/Mens.txt");
    QString error;
    QVERIFY(!textfile::writeLines(missingDir, {"a"}, &error));
    QCOMPARE(error, "No se pudo escribir el archivo " + missingDir + " (no existe).");
    error.clear();
    QVERIFY(!textfile::appendLine(missingDir, "a", &error));
    QVERIFY(error.startsWith("No se pudo abrir el archivo "));
    error.clear();
    QStringList lines;
    QVERIFY(!textfile::readLines(missingDir, &lines, &error));
    QVERIFY(error.startsWith("No se pudo leer el archivo "));
    QVERIFY(!QFile::exists(missingDir));
}

// A file that runs out of room while it is written (a full disk; here a file
// size limit): the write fails and says why, the old file stays byte for byte
// (or stays absent), and nothing is left beside it.
void TstTextFile::fullDisk_data()
{
    QTest::addColumn<bool>("lines");     // writeLines, else writeText
    QTest::addColumn<bool>("existing");  // a file to replace
    QTest::newRow("lines over a file") << true << true;
    QTest::newRow("text over a file") << false << true;
    QTest::newRow("lines, new file") << true << false;
}

void TstTextFile::fullDisk()
{
    QFETCH(bool, lines);
    QFETCH(bool, existing);
    QTemporaryDir dir;
    const QString path = dir.filePath("Mens.txt");
    const QByteArray before("Ingrese el Monto Invertido\r\n");
    if (existing) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(before), before.size());
    }
    const QString longer = QString(64, QLatin1Char('x'));
    QString error;
    int errnum = 0;
    bool written = true;
    {
        LimiteTamano limit(before.size());
        QVERIFY(limit.activo());
        written = lines ? textfile::writeLines(path, {longer, longer}, &error, &errnum)
                        : textfile::writeText(path, longer, &error, &errnum);
    }
    QVERIFY(!written);
    QCOMPARE(errnum, EFBIG);
    QCOMPARE(error, "No se pudo escribir el archivo " + path + " (el archivo pasa del tamaño permitido).");
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             existing ? QStringList{"Mens.txt"} : QStringList{});
    if (existing)
        QCOMPARE(readAll(path), before);
}

QTEST_APPLESS_MAIN(TstTextFile)
#include "tst_textfile.moc"
