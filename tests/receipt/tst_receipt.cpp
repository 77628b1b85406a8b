// 0951REP run as the host runs it, against a temporary host folder, at a
// fixed clock; its files are compared whole with the expected ones.
#include "platform/database.h"
#include "platform/instancelock.h"
#include "platform/textfile.h"
#include "../support/testdb.h"
#include "../support/textoshostiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

const QString kLinea = QStringLiteral("0620100066603    0951199800A00012345");
const QString kBase = QStringLiteral("0951199800A00012345");
const QString kTraza = QStringLiteral(
    "SELECT * FROM CAB WHERE Tip_doc_d= 6 AND Doc_id_d='20100066603'  AND PERIODO='1998' AND Formulario='0951'");
const QString kFuncionRuc = QStringLiteral("REGISTRO UNICO DE CONTRIBUYENTER.U.C.      01");

struct Corrida {
    int estado = -1;
    QString error;
    QByteArray salida;
};

Corrida correr(const QString &linea)
{
    Corrida c;
    const QString faketime = QStandardPaths::findExecutable(QStringLiteral("faketime"));
    if (faketime.isEmpty()) {
        c.error = QStringLiteral("faketime is not installed");
        return c;
    }
    QProcess p;
    // The clock stopped at that second: a run slowed down (a loaded machine,
    // the sanitizer build) still reads it. Waits run on the monotonic clock,
    // which keeps going.
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    p.setProcessEnvironment(entorno);
    p.setProgram(faketime);
    p.setArguments({QStringLiteral("-f"), QStringLiteral("1999-03-15 10:20:30"),
                    QStringLiteral(QX_BIN_DIR "/0951REP"), linea});
    p.start();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        c.error = QStringLiteral("0951REP did not end");
        return c;
    }
    c.estado = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    c.error = QString::fromUtf8(p.readAllStandardError());
    c.salida = p.readAllStandardOutput();
    return c;
}

QByteArray leer(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing ") + ruta.toUtf8() + ">";
    return f.readAll();
}

// An expected file (kept as UTF-8 lines) as the program writes it: Windows-1252
// with CR LF; cambios are pairs of texts replaced before.
QByteArray esperado(const QString &nombre, const QStringList &cambios = {})
{
    QFile f(QStringLiteral(QX_FIXTURES "/receipt/") + nombre);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing fixture ") + nombre.toUtf8() + ">";
    QString texto = QString::fromUtf8(f.readAll());
    for (int i = 0; i + 1 < cambios.size(); i += 2)
        texto.replace(cambios[i], cambios[i + 1]);
    texto.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return textfile::toCp1252(texto);
}

QByteArray lineasCrLf(const QStringList &lineas)
{
    QByteArray b;
    for (const QString &l : lineas)
        b += l.toLatin1() + "\r\n";
    return b;
}

QStringList archivos(const QString &carpeta)
{
    return testdb::archivos(carpeta);
}

// A host folder with its settings file and database.
struct Host {
    testdb::Entorno env;
    std::shared_ptr<Database> db;
    QString rpt, tmp;

    explicit Host(bool conBase = true) : env(conBase)
    {
        rpt = env.sysPath + QStringLiteral("RPT/");
        tmp = env.sysPath + QStringLiteral("TMP/");
        if (env.valido() && conBase)
            db = env.abrir();
    }
    void cab(const QVariant &efectivo, const QVariant &cheque, const QVariant &nroCheque,
             const QVariant &rectifica, const QString &periodo = QStringLiteral("1998"),
             const QString &docId = QStringLiteral("20100066603"))
    {
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, nrocheque,"
                                " cheque, efectivo, rectifica, estado) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0)"),
                 {docId, 6, periodo, QStringLiteral("0951"), nroCheque, cheque, efectivo, rectifica});
    }
    void cont(const QString &nombre, const QString &docId = QStringLiteral("20100066603"))
    {
        db->exec(QStringLiteral("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre) VALUES (?, ?, ?, ?)"),
                 {6, docId, QStringLiteral("USUARIO1"), nombre});
    }
    void param()
    {
        db->exec(QStringLiteral("INSERT INTO PARAM (NUMERO, ARGUMENTO, FUNCION) VALUES (?, ?, ?)"),
                 {QStringLiteral("044"), QStringLiteral("6"), kFuncionRuc});
    }
    // The usual declaration: paid in cash, its taxpayer and its document type on file.
    void declaracion()
    {
        cab(QStringLiteral("1500000"), QString(), QString(), 0);
        cont(QStringLiteral("  EMPRESA ANDINA S.A.  "));
        param();
    }
    static void poner(const QString &ruta, const QByteArray &datos)
    {
        QFile f(ruta);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(datos);
    }
    // The files of the report and temporary folders, hidden ones included,
    // each with its content.
    QStringList recibos() const
    {
        QStringList l;
        for (const QString &carpeta : {rpt, tmp})
            for (const QString &a : archivos(carpeta))
                l << carpeta + a + QStringLiteral(": ") + QString::fromLatin1(leer(carpeta + a));
        return l;
    }
    // An earlier run's receipt under the given base name; what the folders hold.
    QStringList recibosAnteriores(const QString &base) const
    {
        poner(rpt + QStringLiteral("00000001.PRN"), "anterior grafico");
        poner(rpt + base + QStringLiteral(".PRN"), "anterior guion");
        poner(rpt + base + QStringLiteral(".txt"), "anterior texto");
        poner(tmp + base + QStringLiteral(".TXT"), "anterior copia");
        return recibos();
    }
    int filasSpool() const { return db->scalar(QStringLiteral("SELECT count(*) FROM SPOOL")).toInt(); }
    // SPOOL rows of another user's reports, with these file names.
    void spoolDeOtro(const QStringList &archivos)
    {
        for (const QString &a : archivos)
            db->exec(QStringLiteral("INSERT INTO SPOOL (CodRep, Secuencia, Archivo, Fecha, Usuario, tip_doc_d,"
                                    " Doc_id_d) VALUES ('PR0003', '000001', ?, '1999-01-02 08:00:00', 'OTRO', 6,"
                                    " '20100066603')"),
                     {a});
    }
    QString traza() const { return env.sysPath + QStringLiteral("Trace.txt"); }
    bool escribirIniSin(const QString &clave)
    {
        QStringList l = {QStringLiteral("[Options]"), QStringLiteral("SysPath=") + env.sysPath,
                         QStringLiteral("DBPath=") + env.dbPath, QStringLiteral("DBName=") + env.dbName,
                         QStringLiteral("SysUser=") + env.usuario};
        l.erase(std::remove_if(l.begin(), l.end(),
                               [&](const QString &s) { return s.startsWith(clave + QLatin1Char('=')); }),
                l.end());
        return textfile::writeLines(env.rutaIni, l);
    }
};

} // namespace

class TstReceipt : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;

private slots:
    void initTestCase()
    {
        // Our own lock folder, so that other runs of 0951REP on this machine
        // are not taken for a second instance; no printer of any kind.
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("faketime")).isEmpty(),
                 "faketime is needed (Debian package faketime)");
    }

    void receipt_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QVariant>("efectivo");
        QTest::addColumn<QVariant>("cheque");
        QTest::addColumn<QVariant>("nroCheque");
        QTest::addColumn<QVariant>("rectifica");
        QTest::newRow("efectivo") << "efectivo" << QVariant("1500000") << QVariant("") << QVariant("")
                                  << QVariant(0);
        QTest::newRow("cheque") << "cheque" << QVariant("") << QVariant("2345678") << QVariant(" 00098765 ")
                                << QVariant(0);
        QTest::newRow("ambos en blanco, columnas nulas") << "sinpago" << QVariant() << QVariant("  ")
                                                         << QVariant() << QVariant();
        QTest::newRow("efectivo y cheque") << "ambos" << QVariant("1500000") << QVariant("2345678")
                                           << QVariant("00098765") << QVariant(0);
        QTest::newRow("rectificatoria con cheque") << "rectifica" << QVariant("") << QVariant("2345678")
                                                   << QVariant("00098765") << QVariant(1);
    }
    void receipt()
    {
        QFETCH(QString, caso);
        QFETCH(QVariant, efectivo);
        QFETCH(QVariant, cheque);
        QFETCH(QVariant, nroCheque);
        QFETCH(QVariant, rectifica);
        Host h;
        QVERIFY(h.env.valido());
        h.cab(efectivo, cheque, nroCheque, rectifica);
        h.cont(QStringLiteral("  EMPRESA ANDINA S.A.  "));
        h.param();

        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        QCOMPARE(c.salida, QByteArray());

        QCOMPARE(archivos(h.rpt), QStringList({QStringLiteral("00000001.PRN"), kBase + QStringLiteral(".PRN"),
                                               kBase + QStringLiteral(".txt")}));
        QCOMPARE(leer(h.rpt + QStringLiteral("00000001.PRN")), esperado(caso + QStringLiteral(".prn")));
        QCOMPARE(leer(h.rpt + kBase + QStringLiteral(".txt")), esperado(caso + QStringLiteral(".txt")));
        QCOMPARE(archivos(h.tmp), QStringList({kBase + QStringLiteral(".TXT")}));
        QCOMPARE(leer(h.tmp + kBase + QStringLiteral(".TXT")), leer(h.rpt + kBase + QStringLiteral(".txt")));
        if (caso == QLatin1String("efectivo"))
            QCOMPARE(leer(h.rpt + kBase + QStringLiteral(".PRN")), esperado(QStringLiteral("efectivo_guion.prn")));
    }

    // A receipt is written to files, never printed: the run loads Qt Core and
    // Sql, Qt's SQLite driver and what they need, none of the graphics stack
    // (Qt Gui, Widgets, print support, X11, OpenGL, fonts) nor the printer
    // library.
    void sinBibliotecasGraficas()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        QTemporaryDir registro;
        QVERIFY(registro.isValid());
        QProcess p;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        entorno.insert(QStringLiteral("LD_DEBUG_OUTPUT"), registro.filePath(QStringLiteral("ld")));
        p.setProcessEnvironment(entorno);
        p.start(QStringLiteral(QX_BIN_DIR "/0951REP"), {kLinea});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QStringList cargadas;
        const QRegularExpression archivo(QStringLiteral("\\bfile=(\\S+)"));
        for (const QString &n : QDir(registro.path()).entryList(QDir::Files)) {
            QFile f(registro.filePath(n));
            QVERIFY(f.open(QIODevice::ReadOnly));
            for (auto m = archivo.globalMatch(QString::fromLocal8Bit(f.readAll())); m.hasNext();)
                cargadas << QFileInfo(m.next().captured(1)).fileName();
        }
        cargadas.removeDuplicates();
        QVERIFY2(cargadas.contains(QStringLiteral("libQt6Core.so.6")), qPrintable(cargadas.join(QLatin1Char(' '))));
        QVERIFY2(cargadas.contains(QStringLiteral("libQt6Sql.so.6")), qPrintable(cargadas.join(QLatin1Char(' '))));
        QVERIFY2(cargadas.contains(QStringLiteral("libqsqlite.so")), qPrintable(cargadas.join(QLatin1Char(' '))));
        const QRegularExpression grafica(QStringLiteral(
            "^lib(Qt6Gui|Qt6Widgets|Qt6PrintSupport|Qt6XcbQpa|Qt6DBus|X11|xcb|EGL|GLX|GL|OpenGL|fontconfig|freetype|qximpresora)\\b"));
        for (const QString &c : cargadas)
            QVERIFY2(!grafica.match(c).hasMatch(), qPrintable(c));
        QCOMPARE(archivos(h.rpt).size(), 3);
    }

    void variantes_data()
    {
        QTest::addColumn<QString>("linea");
        QTest::addColumn<QString>("periodoCab");
        QTest::addColumn<QString>("docIdCab");
        QTest::addColumn<QString>("efectivo");
        QTest::addColumn<bool>("conParam");
        QTest::addColumn<bool>("conCont");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QStringList>("cambios");   // on efectivo.txt
        QTest::addColumn<QString>("traza");

        const QString ruc = QStringLiteral("20100066603");
        QTest::newRow("periodo mensual")
            << "0620100066603    0951199812A00012345" << "199812" << ruc << "1500000" << true << true
            << "0951199812A00012345" << QStringList{"PERIODO         : 1998", "PERIODO         : 12/1998"}
            << "SELECT * FROM CAB WHERE Tip_doc_d= 6 AND Doc_id_d='20100066603'  AND PERIODO='199812'"
               " AND Formulario='0951'";
        QTest::newRow("linea de 27 caracteres")
            << "0620100066603    0951199800" << "1998" << ruc << "1500000" << true << true << "0951199800"
            << QStringList{"Numero de Control: 00012345 Fec", "Numero de Control:  Fec"} << kTraza;
        QTest::newRow("sin PARAM 044") << kLinea << "1998" << ruc << "1500000" << false << true << kBase
                                       << QStringList{"R.U.C.  2010", "RUC  2010"} << kTraza;
        QTest::newRow("sin CONT") << kLinea << "1998" << ruc << "1500000" << true << false << kBase
                                  << QStringList{"RAZON SOCIAL    : EMPRESA ANDINA S.A.", "RAZON SOCIAL    : "}
                                  << kTraza;
        QTest::newRow("importe cero") << kLinea << "1998" << ruc << "0" << true << true << kBase
                                      << QStringList{"S/. 1,500,000", "S/. 0"} << kTraza;
        QTest::newRow("comilla en el documento")
            << "0620100'66603    0951199800A00012345" << "1998" << "20100'66603" << "1500000" << true << true
            << kBase << QStringList{"20100066603", "20100'66603"}
            << "SELECT * FROM CAB WHERE Tip_doc_d= 6 AND Doc_id_d='20100'66603'  AND PERIODO='1998'"
               " AND Formulario='0951'";
    }
    void variantes()
    {
        QFETCH(QString, linea);
        QFETCH(QString, periodoCab);
        QFETCH(QString, docIdCab);
        QFETCH(QString, efectivo);
        QFETCH(bool, conParam);
        QFETCH(bool, conCont);
        QFETCH(QString, base);
        QFETCH(QStringList, cambios);
        QFETCH(QString, traza);
        Host h;
        QVERIFY(h.env.valido());
        h.cab(efectivo, QString(), QString(), 0, periodoCab, docIdCab);
        if (conCont)
            h.cont(QStringLiteral("EMPRESA ANDINA S.A."), docIdCab);
        if (conParam)
            h.param();

        const Corrida c = correr(linea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        const QByteArray texto = esperado(QStringLiteral("efectivo.txt"), cambios);
        QCOMPARE(leer(h.rpt + base + QStringLiteral(".txt")), texto);
        QCOMPARE(leer(h.tmp + base + QStringLiteral(".TXT")), texto);
        QCOMPARE(leer(h.traza()), lineasCrLf({traza, traza}));
    }

    // Two CAB rows of the key (a host database whose CAB has no unique key):
    // two pages in one graphic receipt, two receipts in the text, a page
    // break between them and none at the end.
    void dosDeclaraciones()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.db->exec(QStringLiteral("CREATE TABLE CAB2 AS SELECT * FROM CAB"));
        h.db->exec(QStringLiteral("DROP TABLE CAB"));
        h.db->exec(QStringLiteral("ALTER TABLE CAB2 RENAME TO CAB"));
        h.cab(QStringLiteral("1500000"), QString(), QString(), 0);
        h.cab(QStringLiteral("1500000"), QString(), QString(), 0);
        h.cont(QStringLiteral("EMPRESA ANDINA S.A."));
        h.param();

        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        QCOMPARE(h.filasSpool(), 1);
        const QStringList pagina2 = {QStringLiteral("Pag . 0001/0001"), QStringLiteral("Pag . 0002/0001")};
        QCOMPARE(leer(h.rpt + QStringLiteral("00000001.PRN")),
                 esperado(QStringLiteral("efectivo.prn")) + esperado(QStringLiteral("efectivo.prn"), pagina2));
        const QByteArray texto = esperado(QStringLiteral("efectivo.txt")) + QByteArray("\x0f\r\n")
                                 + esperado(QStringLiteral("efectivo.txt"), pagina2);
        QCOMPARE(leer(h.rpt + kBase + QStringLiteral(".txt")), texto);
        QCOMPARE(leer(h.tmp + kBase + QStringLiteral(".TXT")), texto);
    }

    // The log keeps what it held; each run adds the query of both passes.
    void trazaSeAnade()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        QVERIFY(textfile::writeLines(h.traza(), {QStringLiteral("previa")}));
        const Corrida c = correr(kLinea);
        QCOMPARE(c.estado, 0);
        QCOMPARE(leer(h.traza()), lineasCrLf({QStringLiteral("previa"), kTraza, kTraza}));
    }

    // No declaration of the key: the receipt is registered and left empty.
    void sinDeclaracion()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.cont(QStringLiteral("EMPRESA ANDINA S.A."));
        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        QCOMPARE(h.filasSpool(), 1);
        QCOMPARE(leer(h.rpt + QStringLiteral("00000001.PRN")), QByteArray());
        QCOMPARE(leer(h.rpt + kBase + QStringLiteral(".txt")), QByteArray());
        QCOMPARE(leer(h.tmp + kBase + QStringLiteral(".TXT")), QByteArray());
    }

    // The copy for the host cannot be made: the run fails.
    void sinCarpetaTemporal()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        QVERIFY(QDir(h.tmp).removeRecursively());
        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QStringLiteral("0951REP: Se ha producido el error '76' en tiempo de ejecución:\n\n"
                                         "No se encontró la ruta de acceso\n"));
        QVERIFY(c.estado > 0);
    }

    void spool()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        const QString ins = QStringLiteral("INSERT INTO SPOOL (CodRep, Secuencia, Archivo, Fecha, Usuario,"
                                           " tip_doc_d, Doc_id_d) VALUES (?, ?, ?, '1999-01-02 08:00:00', 'OTRO', 6, ?)");
        h.db->exec(ins, {QStringLiteral("PR0003"), QStringLiteral("000004"), QStringLiteral("00000007.PRN"),
                         QStringLiteral("20100066603")});
        h.db->exec(ins, {QStringLiteral("PR0014"), QStringLiteral("000009"), QStringLiteral("00000003.PRN"),
                         QStringLiteral("20100066603")});
        h.db->exec(ins, {QStringLiteral("PR0002"), QStringLiteral("000002"), QStringLiteral("00000005.PRN"),
                         QStringLiteral("20100066603")});

        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        const QList<QSqlRecord> filas = h.db->select(
            QStringLiteral("SELECT * FROM SPOOL WHERE Usuario <> 'OTRO'"));
        QCOMPARE(filas.size(), 1);
        const QSqlRecord r = filas.first();
        QCOMPARE(r.value("CodRep").toString(), QStringLiteral("PR0002"));
        QCOMPARE(r.value("Secuencia").toString(), QStringLiteral("000003"));
        QCOMPARE(r.value("Archivo").toString(), QStringLiteral("00000008.PRN"));
        QCOMPARE(Database::toDateTime(r.value("Fecha")), QDateTime(QDate(1999, 3, 15), QTime(10, 20, 30)));
        QCOMPARE(r.value("Usuario").toString(), QStringLiteral("USUARIO1"));
        QCOMPARE(r.value("Tip_doc_d").toInt(), 6);
        QCOMPARE(r.value("Doc_id_d").toString(), QStringLiteral("20100066603    "));
        QCOMPARE(leer(h.rpt + QStringLiteral("00000008.PRN")), esperado(QStringLiteral("efectivo.prn")));
    }

    // The values of the settings file are taken as Qx381 takes them: up to
    // 254 characters; a longer one ends the run with a message that names
    // it, before anything is written, instead of being cut into another
    // folder (error 76) or another user.
    void opcionLarga_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<int>("largo");
        QTest::addColumn<bool>("aceptado");
        QTest::newRow("SysPath de 254") << "SysPath" << 254 << true;
        QTest::newRow("SysPath de 264") << "SysPath" << 264 << false;
        QTest::newRow("DBPath de 255") << "DBPath" << 255 << false;
        QTest::newRow("SysUser de 255") << "SysUser" << 255 << false;
    }
    void opcionLarga()
    {
        QFETCH(QString, clave);
        QFETCH(int, largo);
        QFETCH(bool, aceptado);
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        const QString valor = clave == QLatin1String("SysUser")
            ? QString(largo, QLatin1Char('U'))
            : testdb::carpetaDeLargo(h.env.sysPath + QStringLiteral("largo"), largo);
        QCOMPARE(valor.size(), largo);
        QString sysPath = h.env.sysPath, dbPath = h.env.dbPath, usuario = h.env.usuario;
        (clave == QLatin1String("SysPath") ? sysPath : clave == QLatin1String("DBPath") ? dbPath : usuario) = valor;
        QVERIFY(testdb::escribirIni(h.env.rutaIni, sysPath, dbPath, h.env.dbName, usuario));

        const Corrida c = correr(kLinea);
        if (aceptado) {
            QCOMPARE(c.error, QString());
            QCOMPARE(c.estado, 0);
            QCOMPARE(archivos(sysPath + QStringLiteral("RPT/")),
                     QStringList({QStringLiteral("00000001.PRN"), kBase + QStringLiteral(".PRN"),
                                  kBase + QStringLiteral(".txt")}));
            return;
        }
        QCOMPARE(c.error, QStringLiteral("Error de Configuración: El valor de ") + clave
                              + QStringLiteral(" en el archivo de configuración ") + h.env.rutaIni
                              + QStringLiteral(" tiene ") + QString::number(largo)
                              + QStringLiteral(" caracteres; el sistema acepta hasta 254.\n"));
        QCOMPARE(c.estado, 1);
        QCOMPARE(h.filasSpool(), 0);
        QCOMPARE(h.recibos(), QStringList());
        QVERIFY(!QFile::exists(h.traza()));
    }

    void sinUsuario()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        QVERIFY(h.escribirIniSin(QStringLiteral("SysUser")));
        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        QCOMPARE(h.db->scalar(QStringLiteral("SELECT Usuario FROM SPOOL")).toString(), QString());
    }

    void sinNombreBase()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        QVERIFY(h.escribirIniSin(QStringLiteral("DBName")));
        const Corrida c = correr(kLinea);
        // the description, a line feed and the number with its leading blank
        QVERIFY2(c.error.startsWith(QStringLiteral("Error de Conección: ")), qPrintable(c.error));
        QVERIFY2(c.error.endsWith(QStringLiteral("\n 3024\n")), qPrintable(c.error));
        QVERIFY(c.estado > 0);
        QCOMPARE(h.filasSpool(), 0);
        QCOMPARE(archivos(h.rpt), QStringList());
        QVERIFY(!QFile::exists(h.traza()));
    }

    void segundaInstancia()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        InstanceLock otra(QStringLiteral("0951REP"));
        QVERIFY(otra.acquire());
        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QStringLiteral("Orvilen: La aplicación ya se encuentra en Ejecución\n"));
        QVERIFY(c.estado > 0);
        QCOMPARE(h.filasSpool(), 0);
        QCOMPARE(archivos(h.rpt), QStringList());
        QCOMPARE(archivos(h.tmp), QStringList());
        QVERIFY(!QFile::exists(h.traza()));
    }

    void baseBloqueada()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        QSqlQuery bloqueo(h.db->handle());
        QVERIFY(bloqueo.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        const Corrida c = correr(kLinea);
        QVERIFY(bloqueo.exec(QStringLiteral("ROLLBACK")));
        QCOMPARE(c.error, QStringLiteral("Error de Conección:  3051- Base esta bloqueda\n"));
        QVERIFY(c.estado > 0);
        QCOMPARE(h.filasSpool(), 0);
        QCOMPARE(archivos(h.rpt), QStringList());
        QVERIFY(!QFile::exists(h.traza()));
    }

    // A "." in the base name stays in the file names: the rendering and its
    // copy carry the whole base name.
    void nombreConPunto_data()
    {
        QTest::addColumn<QString>("linea");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QStringList>("cambios");
        QTest::newRow("punto en el control") << "0620100066603    0951199800A0000.123" << "0951199800A0000.123"
                                             << QStringList{"Control: 00012345", "Control: 0000.123"};
        QTest::newRow("punto como marca") << "0620100066603    0951199800.00012345" << "0951199800.00012345"
                                          << QStringList();
    }
    void nombreConPunto()
    {
        QFETCH(QString, linea);
        QFETCH(QString, base);
        QFETCH(QStringList, cambios);
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        const Corrida c = correr(linea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        QCOMPARE(archivos(h.rpt), QStringList({QStringLiteral("00000001.PRN"), base + QStringLiteral(".PRN"),
                                               base + QStringLiteral(".txt")}));
        QCOMPARE(archivos(h.tmp), QStringList({base + QStringLiteral(".TXT")}));
        const QByteArray texto = esperado(QStringLiteral("efectivo.txt"), cambios);
        QCOMPARE(leer(h.rpt + base + QStringLiteral(".txt")), texto);
        QCOMPARE(leer(h.tmp + base + QStringLiteral(".TXT")), texto);
    }

    // Lines whose fields give the files no name, or one outside the report
    // or temporary folder: refused before anything is written.
    void lineaRechazada_data()
    {
        QTest::addColumn<QString>("linea");
        QTest::addColumn<QString>("mensaje");
        const QString fuera = QStringLiteral("La línea de comandos da un nombre de archivo no válido");
        const QString vacia = QStringLiteral("La línea de comandos no da el formulario ni el período");
        QTest::newRow("barra en el control") << "0620100066603    0951199800A/../../x" << fuera;
        QTest::newRow("barra como marca") << "0620100066603    0951199800/00012345" << fuera;
        QTest::newRow("subida en el formulario") << "0620100066603    ../.199800A00012345" << fuera;
        QTest::newRow("sin argumento") << "" << vacia;
        QTest::newRow("solo tipo y documento") << "0620100066603" << vacia;
        QTest::newRow("documento completo, sin formulario") << "0620100066603    " << vacia;
    }
    void lineaRechazada()
    {
        QFETCH(QString, linea);
        QFETCH(QString, mensaje);
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        const QStringList antes = QDir(h.env.sysPath).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QStringList raiz = QDir(h.env.sysPath + QStringLiteral("..")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const Corrida c = correr(linea);
        QVERIFY2(c.error.startsWith(QStringLiteral("Error en la línea de comandos: ") + mensaje), qPrintable(c.error));
        QVERIFY(c.estado > 0);
        QCOMPARE(h.filasSpool(), 0);
        QCOMPARE(archivos(h.rpt), QStringList());
        QCOMPARE(archivos(h.tmp), QStringList());
        QCOMPARE(QDir(h.env.sysPath).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), antes);
        QCOMPARE(QDir(h.env.sysPath + QStringLiteral("..")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), raiz);
    }

    // An error while the receipt is composed stops the run: no copy for the
    // host, no SPOOL row, a message and a failure status.
    void errorComposicion_data()
    {
        QTest::addColumn<QString>("falla");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("Rectifica no numerica")
            << "rectifica" << "0951REP: Se ha producido el error '13' en tiempo de ejecución:\n\nNo coinciden los tipos\n";
        QTest::newRow("Trace.txt no se puede escribir")
            << "traza" << "0951REP: Se ha producido el error '75' en tiempo de ejecución:";
    }
    void errorComposicion()
    {
        QFETCH(QString, falla);
        QFETCH(QString, mensaje);
        Host h;
        QVERIFY(h.env.valido());
        if (falla == QLatin1String("rectifica")) {
            h.cab(QStringLiteral("1500000"), QString(), QString(), QStringLiteral("X"));
            h.cont(QStringLiteral("EMPRESA ANDINA S.A."));
            h.param();
        } else {
            h.declaracion();
            QVERIFY(QDir().mkpath(h.traza()));
        }
        const Corrida c = correr(kLinea);
        QVERIFY2(c.error.startsWith(mensaje), qPrintable(c.error));
        QVERIFY(c.estado > 0);
        QCOMPARE(h.filasSpool(), 0);
        QCOMPARE(archivos(h.tmp), QStringList());
        QVERIFY(!QFile::exists(h.rpt + kBase + QStringLiteral(".txt")));
    }

    // "<!" without "!>" in the name, or in the control number of the
    // command line (and so in the files' names), no longer stops the
    // rendering: the receipt is made, holds the text as it stands and
    // replaces the one of an earlier run with the same name.
    void etiquetaSinCierre_data()
    {
        QTest::addColumn<QString>("linea");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QStringList>("cambios");   // on efectivo.txt
        QTest::newRow("en la razón social")
            << kLinea << "<!ACME" << kBase
            << QStringList{"RAZON SOCIAL    : EMPRESA ANDINA S.A.", "RAZON SOCIAL    : <!ACME"};
        QTest::newRow("en el número de control")
            << "0620100066603    0951199800A<!012345" << "EMPRESA ANDINA S.A." << "0951199800A<!012345"
            << QStringList{"Numero de Control: 00012345 Fec", "Numero de Control: <!012345 Fec"};
    }
    void etiquetaSinCierre()
    {
        QFETCH(QString, linea);
        QFETCH(QString, nombre);
        QFETCH(QString, base);
        QFETCH(QStringList, cambios);
        Host h;
        QVERIFY(h.env.valido());
        h.cab(QStringLiteral("1500000"), QString(), QString(), 0);
        h.cont(nombre);
        h.param();
        Host::poner(h.rpt + base + QStringLiteral(".PRN"), "anterior guion");
        Host::poner(h.rpt + base + QStringLiteral(".txt"), "anterior texto");
        Host::poner(h.tmp + base + QStringLiteral(".TXT"), "anterior copia");
        const Corrida c = correr(linea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        QCOMPARE(h.filasSpool(), 1);
        const QByteArray texto = esperado(QStringLiteral("efectivo.txt"), cambios);
        QCOMPARE(leer(h.rpt + base + QStringLiteral(".txt")), texto);
        QCOMPARE(leer(h.tmp + base + QStringLiteral(".TXT")), texto);
        QCOMPARE(archivos(h.rpt), QStringList({QStringLiteral("00000001.PRN"), base + QStringLiteral(".PRN"),
                                               base + QStringLiteral(".txt")}));
    }

    // A hostile text as the taxpayer's name and as the cheque number
    // (tests/support/textoshostiles.h): the text receipt gives it back as
    // it stands but for the line ends and tabs, the host's script holds it as
    // one field; each file keeps its lines, none added, none lost.
    void textoHostil_data()
    {
        QTest::addColumn<bool>("enNombre");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("enTexto");
        QTest::addColumn<QString>("enGuion");
        for (const bool enNombre : {true, false})
            for (const textoshostiles::Caso &c : textoshostiles::casos())
                QTest::addRow("%s: %s", enNombre ? "nombre" : "cheque", c.fila)
                    << enNombre << c.texto << c.enTexto << c.enGuion;
    }
    void textoHostil()
    {
        QFETCH(bool, enNombre);
        QFETCH(QString, texto);
        QFETCH(QString, enTexto);
        QFETCH(QString, enGuion);
        Host h;
        QVERIFY(h.env.valido());
        h.cab(QString(), QStringLiteral("2345678"), enNombre ? QStringLiteral("00098765") : texto, 0);
        h.cont(enNombre ? texto : QStringLiteral("EMPRESA ANDINA S.A."));
        h.param();

        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        const QString antes = enNombre ? QStringLiteral("RAZON SOCIAL    : EMPRESA ANDINA S.A.")
                                       : QStringLiteral("NUMERO CHEQUE   : 00098765");
        const QString rotulo = antes.left(18);
        const QByteArray txt = esperado(QStringLiteral("cheque.txt"), {antes, rotulo + enTexto});
        QCOMPARE(leer(h.rpt + kBase + QStringLiteral(".txt")), txt);
        QCOMPARE(leer(h.tmp + kBase + QStringLiteral(".TXT")), txt);
        QCOMPARE(leer(h.rpt + QStringLiteral("00000001.PRN")),
                 esperado(QStringLiteral("cheque.prn"), {"|" + antes + "|", "|" + rotulo + enGuion + "|"}));
    }

    // A failure after the registration (a file that cannot take its name, a
    // commit that times out behind a reader) takes back the SPOOL row and
    // every file already named; replaced files come back.
    void fallaTrasRegistro_data()
    {
        QTest::addColumn<QString>("falla");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("el texto no puede tomar su nombre")
            << "carpeta" << "0951REP: Se ha producido el error '75' en tiempo de ejecución:\n\n"
                            "Error de acceso a la ruta o el archivo\n";
        QTest::newRow("commit tras un lector")
            << "lector" << "0951REP: Se ha producido el error '3051' en tiempo de ejecución:\n\n"
                           "La base de datos está bloqueada por otro usuario o no tiene permiso para modificarla.\n";
    }
    void fallaTrasRegistro()
    {
        QFETCH(QString, falla);
        QFETCH(QString, mensaje);
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        QStringList anteriores;
        QSqlQuery lector(h.db->handle());
        if (falla == QLatin1String("carpeta")) {
            // the earlier receipt, but a folder where its text should be
            Host::poner(h.rpt + kBase + QStringLiteral(".PRN"), "anterior");
            Host::poner(h.tmp + kBase + QStringLiteral(".TXT"), "anterior");
            QVERIFY(QDir().mkpath(h.rpt + kBase + QStringLiteral(".txt")));
            anteriores = h.recibos();
        } else {
            anteriores = h.recibosAnteriores(kBase);
            QVERIFY(lector.exec(QStringLiteral("BEGIN")));
            QVERIFY(lector.exec(QStringLiteral("SELECT count(*) FROM SPOOL")) && lector.next());
        }
        const Corrida c = correr(kLinea);
        if (lector.isActive()) {
            lector.finish();
            QVERIFY(lector.exec(QStringLiteral("ROLLBACK")));
        }
        QCOMPARE(c.error, mensaje);
        QVERIFY(c.estado > 0);
        QCOMPARE(h.filasSpool(), 0);
        QCOMPARE(h.recibos(), anteriores);
    }

    // A run killed after composing its receipts, before registering them,
    // leaves neither a row nor a named file; its temporary files are removed
    // by the next run, which gets the first spool number.
    void muerteAntesDelRegistro()
    {
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        // Holding the write lock keeps the run waiting at its registration.
        QSqlQuery escritor(h.db->handle());
        QVERIFY(escritor.exec(QStringLiteral("BEGIN IMMEDIATE")));
        QProcess p;
        p.start(QStringLiteral(QX_BIN_DIR "/0951REP"), {kLinea});
        QVERIFY(p.waitForStarted());
        const QStringList patron = {QStringLiteral(".qx-*.tmp")};
        const QString temporales = QStringLiteral(".qx-temporales");
        QDeadlineTimer plazo(30000);
        while (QDir(h.tmp + temporales).entryList(patron, QDir::Files | QDir::Hidden).isEmpty() && !plazo.hasExpired()
               && p.state() == QProcess::Running)
            QThread::msleep(2);
        QCOMPARE(p.state(), QProcess::Running);
        p.kill();
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QVERIFY(escritor.exec(QStringLiteral("ROLLBACK")));

        QCOMPARE(h.filasSpool(), 0);
        // graphic receipt, text receipt and its rendering; the copy for the host
        QCOMPARE(QDir(h.rpt + temporales).entryList(patron, QDir::Files | QDir::Hidden).size(), 3);
        QCOMPARE(QDir(h.tmp + temporales).entryList(patron, QDir::Files | QDir::Hidden).size(), 1);
        QCOMPARE(archivos(h.rpt).size(), 3);
        QCOMPARE(archivos(h.tmp).size(), 1);

        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        QCOMPARE(archivos(h.rpt), QStringList({QStringLiteral("00000001.PRN"), kBase + QStringLiteral(".PRN"),
                                               kBase + QStringLiteral(".txt")}));
        QCOMPARE(archivos(h.tmp), QStringList({kBase + QStringLiteral(".TXT")}));
        QCOMPARE(leer(h.rpt + QStringLiteral("00000001.PRN")), esperado(QStringLiteral("efectivo.prn")));
        QCOMPARE(leer(h.tmp + kBase + QStringLiteral(".TXT")), esperado(QStringLiteral("efectivo.txt")));
        QCOMPARE(h.filasSpool(), 1);
    }

    // After 99999999.PRN no report number is left: the run says so, ends
    // with a failure status and leaves SPOOL and the folders as they were
    // (an earlier receipt of the same name included).
    void numerosAgotados_data()
    {
        QTest::addColumn<QStringList>("existentes");
        QTest::newRow("99999999.PRN") << QStringList{QStringLiteral("99999999.PRN")};
        QTest::newRow("con el nombre repetido de antes")
            << QStringList{QStringLiteral("99999999.PRN"), QStringLiteral("100000000.PRN")};
    }
    void numerosAgotados()
    {
        QFETCH(QStringList, existentes);
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        h.spoolDeOtro(existentes);
        const QStringList anteriores = h.recibosAnteriores(kBase);
        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QStringLiteral("0951REP: Se agotaron los números de reporte: ya se registró el último, "
                                         "99999999.PRN. Este reporte no se registró.\n"));
        QVERIFY(c.estado > 0);
        QCOMPARE(h.filasSpool(), int(existentes.size()));
        QCOMPARE(h.recibos(), anteriores);
    }

    // Rows whose Archivo this numbering did not give count for nothing.
    void spoolAjeno_data()
    {
        QTest::addColumn<QStringList>("existentes");
        QTest::addColumn<QString>("archivo");
        QTest::newRow("ABC.PRN") << QStringList{QStringLiteral("ABC.PRN")} << "00000001.PRN";
        QTest::newRow("00000010.PRN y 0000009.PRN")
            << QStringList{QStringLiteral("00000010.PRN"), QStringLiteral("0000009.PRN")} << "00000011.PRN";
    }
    void spoolAjeno()
    {
        QFETCH(QStringList, existentes);
        QFETCH(QString, archivo);
        Host h;
        QVERIFY(h.env.valido());
        h.declaracion();
        h.spoolDeOtro(existentes);
        const Corrida c = correr(kLinea);
        QCOMPARE(c.error, QString());
        QCOMPARE(c.estado, 0);
        QCOMPARE(h.db->scalar(QStringLiteral("SELECT Archivo FROM SPOOL WHERE Usuario <> 'OTRO'")).toString(), archivo);
        QCOMPARE(leer(h.rpt + archivo), esperado(QStringLiteral("efectivo.prn")));
    }
};

QTEST_GUILESS_MAIN(TstReceipt)
#include "tst_receipt.moc"
