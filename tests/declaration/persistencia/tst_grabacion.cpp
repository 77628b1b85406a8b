// The save ("&Grabar"): DET rows worked out by hand, the CAB header for cash
// and cheque, the ACTA rows of the annex type, and a save interrupted half-way.
#include "declaration/core/persistencia/grabacion.h"
#include "platform/msgbox.h"
#include "comunpersist.h"
#include "ventanaprueba.h"
#include <QDate>
#include <QFile>
#include <QSqlRecord>
#include <QtTest>

namespace {
const QString kRuc = QStringLiteral("20100070970");
const QString kNinguna = QStringLiteral("<ninguna>");
}

class TstGrabacion : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> env;
    std::shared_ptr<Database> db;

    QString fila(const QString &codigo)
    {
        const QList<QSqlRecord> r = db->select(
            QStringLiteral("SELECT i_valor, cNumero, idcasilla FROM DET WHERE DOC_ID_D=? AND Casilla=?"), {kRuc, codigo});
        if (r.isEmpty())
            return kNinguna;
        return r.first().value(0).toString() + QLatin1Char('|') + r.first().value(1).toString() + QLatin1Char('|')
            + r.first().value(2).toString();
    }

    bool grabar(VentanaPrueba &v)
    {
        msg::ScriptedAnswerer a;
        return CmdGrabar_Click(v, *db);
    }

private slots:
    void init()
    {
        QVERIFY(comunpersist::iniciar(env, db));
        gsTasa.clear();
        db->exec(QStringLiteral("INSERT INTO ERROR (CodError, DescError) VALUES ('0151', 'Grabada sin inconsistencias')"));
        db->exec(QStringLiteral("INSERT INTO ERROR (CodError, DescError) VALUES ('0152', 'Grabada con inconsistencias')"));
    }
    void cleanup()
    {
        comunpersist::terminar(env, db);
    }

    // One box or field, one DET row: value and control code worked out by hand.
    // Every code sums 20100070970 + 6 + 1998 + 951 = 20100073925 before its
    // own code and value; "01" weighs 48 + 2 * 49 = 146, "05" 48 + 2 * 53 = 154.
    void filaDet_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("campo");   // a box number or a field of the store
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("esperado");   // i_valor|cNumero|idcasilla

        QTest::newRow("importe con separadores") << "100" << "100" << "12,000" << "12000|025146|01";
        QTest::newRow("millones") << "100" << "100" << "1,234,567" << "1234567|592146|01";
        QTest::newRow("restada entre parentesis") << "105" << "105" << "(1,234)" << "-1234|796146|01";
        QTest::newRow("casilla 180") << "180" << "180" << "1,500" << "1500|605154|05";
        QTest::newRow("casilla vacia") << "103" << "103" << "" << kNinguna;
        QTest::newRow("solo blancos") << "103" << "103" << "   " << kNinguna;
        QTest::newRow("zona tal cual") << "208" << "208" << "08" << "08|141146|01";
        QTest::newRow("codigo como importe") << "209" << "209" << "01234" << "1234|368146|01";
        QTest::newRow("texto libre") << "211" << "211" << "A-12/3" << "A-12/3|136146|01";
        QTest::newRow("fecha 4888") << "200" << Campos::MkePeriodo << "09/12/1998" << "19981209|334146|01";
        QTest::newRow("mascara vacia") << "200" << Campos::MkePeriodo << "__/__/____" << kNinguna;
        QTest::newRow("telefono recortado") << "028" << Campos::TxtTelefono << " 4421234 " << "4421234|187146|01";
        QTest::newRow("apellido de 15") << "998" << Campos::TxtNombreA << "RODRIGUEZ SANCHEZ" << "RODRIGUEZ SANCH|923146|01";
        QTest::newRow("nombre corto") << "996" << Campos::TxtNombre1A << "LUNA" << "LUNA|921146|01";
        QTest::newRow("numero de orden") << "005" << Campos::TxtNumOrden << "12345678" << "12345678|608146|01";
        QTest::newRow("forma de pago") << "987" << Campos::FormaPago << "E" << "E|912146|01";
        QTest::newRow("respuesta si") << "991" << Campos::OptIEAN << "1" << "1|917146|01";
        QTest::newRow("sin respuesta") << "995" << Campos::OptTipoCont << "" << kNinguna;
        // Rows every save writes.
        QTest::newRow("ruc") << "002" << "" << "" << "20100070970|897146|01";
        QTest::newRow("version") << "721" << "" << "" << "2.0|648146|01";
        QTest::newRow("tasa por defecto") << "992" << "" << "" << "30|947146|01";
    }
    void filaDet()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, esperado);
        VentanaPrueba v;
        v.modificar(kRuc);
        bool esCasilla = false;
        const int n = campo.toInt(&esCasilla);
        if (esCasilla)
            v.m.setTexto(n, texto);
        else if (!campo.isEmpty())
            v.m.setCampo(campo, texto);
        QVERIFY(grabar(v));
        QCOMPARE(fila(codigo), esperado);
    }

    void tasa992_data()
    {
        QTest::addColumn<QString>("exonerado");
        QTest::addColumn<QString>("convenio");
        QTest::addColumn<QString>("agraria");
        QTest::addColumn<QString>("tasa");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("exonerado antes que convenio") << "1" << "1" << "" << "100" << "0";
        QTest::newRow("convenio") << "0" << "1" << "1" << "100" << "100";
        QTest::newRow("agraria") << "0" << "0" << "1" << "30" << "15";
        QTest::newRow("general") << "" << "" << "" << "" << "30";
    }
    void tasa992()
    {
        QFETCH(QString, exonerado);
        QFETCH(QString, convenio);
        QFETCH(QString, agraria);
        QFETCH(QString, tasa);
        QFETCH(QString, esperado);
        VentanaPrueba v;
        v.modificar(kRuc);
        v.m.setCampo(Campos::OptTipoCont, exonerado);
        v.m.setCampo(Campos::OptConvEstab, convenio);
        v.m.setCampo(Campos::OptAgraria, agraria);
        gsTasa = tasa;
        QVERIFY(grabar(v));
        QCOMPARE(fila(QStringLiteral("992")).section(QLatin1Char('|'), 0, 0), esperado);
    }

    // The boxes of the credit variant not in force are not stored.
    void exclusiones_data()
    {
        QTest::addColumn<QString>("iean");
        QTest::addColumn<QString>("anexo");
        QTest::addColumn<QString>("guardadas");
        QTest::newRow("sin IEAN") << "0" << "" << "130 131 146 511 512 513";
        QTest::newRow("IEAN con anexo") << "1" << "1" << "120 122 127 146 508 509";
        QTest::newRow("IEAN sin anexo") << "1" << "0" << "114 117 127 146 509";
        QTest::newRow("IEAN sin respuesta de anexo") << "1" << "" << "114 117 120 122 127 130 131 146 508 509 511 512 513";
        QTest::newRow("sin respuestas") << "" << "" << "114 117 120 122 127 130 131 146 508 509 511 512 513";
    }
    void exclusiones()
    {
        QFETCH(QString, iean);
        QFETCH(QString, anexo);
        QFETCH(QString, guardadas);
        VentanaPrueba v;
        v.modificar(kRuc);
        v.m.setCampo(Campos::OptIEAN, iean);
        v.m.setCampo(Campos::OptAnexo, anexo);
        for (int n : {114, 117, 120, 122, 127, 130, 131, 146, 508, 509, 511, 512, 513})
            v.m.setTexto(n, QStringLiteral("100"));
        QVERIFY(grabar(v));
        QStringList hay;
        for (const QSqlRecord &r : db->select(QStringLiteral("SELECT Casilla FROM DET WHERE DOC_ID_D=? AND Casilla<'900'"
                                                             " AND Casilla NOT IN ('002','005','028','200','721') ORDER BY Casilla"),
                                              {kRuc}))
            hay << r.value(0).toString();
        QCOMPARE(hay.join(QLatin1Char(' ')), guardadas);
    }

    // No yes/no answer: none of 988-995, still 992 and the other fixed rows.
    void sinRespuestas()
    {
        VentanaPrueba v;
        v.modificar(kRuc);
        QVERIFY(grabar(v));
        QCOMPARE(filasDet(*db, kRuc).size(), 4);   // 002, 721, 987 ("X"), 992
        QCOMPARE(fila(QStringLiteral("987")).section(QLatin1Char('|'), 0, 0), QStringLiteral("X"));
    }

    // The header: payment columns by payment form and box 180.
    // cNumero: key and today's date summed; the payment texts, rectifica and
    // estado weighted by position.
    void cabecera_data()
    {
        QTest::addColumn<QString>("formapago");
        QTest::addColumn<QString>("c180");
        QTest::addColumn<QString>("rectifica");
        QTest::addColumn<bool>("completa");
        QTest::addColumn<QString>("esperado");   // bcolibrad|nrocheque|cheque|efectivo|rectifica|estado
        QTest::addColumn<int>("pesos");          // weighted part of cNumero
        // " " trims to nothing; "0" weighs 48, "9" 57, "1" 49; "1500" weighs
        // 49 + 106 + 144 + 192 = 491; "02" 148; "123456" 1099.
        QTest::newRow("efectivo sin importe") << "E" << "" << "0" << true << " | | | |0|0" << 96;
        QTest::newRow("efectivo con importe") << "E" << "1,500" << "0" << true << " | | |1500|0|0" << 587;
        QTest::newRow("sin forma elegida es efectivo") << "X" << "1,500" << "" << false << " | | |1500|0|9" << 596;
        QTest::newRow("cheque sin importe") << "C" << "" << "1" << true << "02|123456|| |1|0" << 1344;
        QTest::newRow("cheque con importe") << "C" << "1,500" << "0" << true << "02|123456|1500| |0|0" << 1834;
    }
    void cabecera()
    {
        QFETCH(QString, formapago);
        QFETCH(QString, c180);
        QFETCH(QString, rectifica);
        QFETCH(bool, completa);
        QFETCH(QString, esperado);
        QFETCH(int, pesos);
        VentanaPrueba v;
        v.modificar(kRuc);
        v.completa = completa;
        v.m.setCampo(Campos::FormaPago, formapago);
        v.m.setCampo(Campos::Banco, QStringLiteral("02"));
        v.m.setCampo(Campos::NumCheque, QStringLiteral("123456"));
        v.m.setCampo(Campos::OptRectifica, rectifica);
        v.m.setTexto(180, c180);
        QVERIFY(grabar(v));
        const QList<QSqlRecord> r = db->select(QStringLiteral("SELECT * FROM CAB WHERE DOC_ID_D=?"), {kRuc});
        QCOMPARE(r.size(), 1);
        QStringList l;
        for (const char *c : {"bcolibrad", "nrocheque", "cheque", "efectivo", "rectifica", "estado"})
            l << r.first().value(QLatin1String(c)).toString();
        QCOMPARE(l.join(QLatin1Char('|')), esperado);
        QCOMPARE(Database::toDate(r.first().value(QStringLiteral("fec_pro"))), QDate::currentDate());
        const qint64 hoy = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toLongLong();
        const QString codigo = QStringLiteral("%1%2").arg((20100073925LL + hoy) % 1000, 3, 10, QLatin1Char('0'))
                                   .arg(pesos % 1000, 3, 10, QLatin1Char('0'));
        QCOMPARE(r.first().value(QStringLiteral("cNumero")).toString(), codigo);
    }

    // Saving twice keeps one header and the same DET rows.
    void grabarDosVeces()
    {
        VentanaPrueba v;
        v.modificar(kRuc);
        v.m.setTexto(100, QStringLiteral("12,000"));
        v.m.setTexto(105, QStringLiteral("(1,234)"));
        QVERIFY(grabar(v));
        const QStringList primera = filasDet(*db, kRuc);
        QVERIFY(grabar(v));
        QCOMPARE(filasDet(*db, kRuc), primera);
        QCOMPARE(contar(*db, QStringLiteral("CAB"), kRuc), 1);
        QCOMPARE(contar(*db, QStringLiteral("ACTA"), kRuc), 15);
    }

    // ACTA: the 15 rows of the current type keep the calculators' amounts; the
    // other types go. cNumero of a new row: key and 199801 summed
    // (20100273726), "3" and the factor "1" weighted (51 + 49).
    void acta()
    {
        for (int i = 1; i <= 15; ++i) {
            const QString per = i <= 12 ? QStringLiteral("1998%1").arg(i, 2, 10, QLatin1Char('0'))
                                        : QStringLiteral("1999%1").arg(i - 12, 2, 10, QLatin1Char('0'));
            db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, saluti, tipo_asist)"
                                    " VALUES (?, 6, '1998', '0951', ?, '100', '1')"),
                     {kRuc, per});
        }
        db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, saluti, tipo_asist)"
                                " VALUES (?, 6, '1998', '0951', '199805', '700', '3')"),
                 {kRuc});
        // Another declaration's rows stay.
        db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist)"
                                " VALUES ('20000000001', 6, '1998', '0951', '199801', '1')"));
        VentanaPrueba v;
        v.modificar(kRuc);
        v.m.setCampo(Campos::OptIEAN, QStringLiteral("0"));
        QVERIFY(grabar(v));

        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA WHERE DOC_ID_D=? AND tipo_asist='3'"), {kRuc}).toInt(), 15);
        QCOMPARE(contar(*db, QStringLiteral("ACTA"), kRuc), 15);
        QCOMPARE(contar(*db, QStringLiteral("ACTA"), QStringLiteral("20000000001")), 1);
        const QList<QSqlRecord> mayo = db->select(QStringLiteral("SELECT saluti, FACTOR FROM ACTA WHERE DOC_ID_D=? AND per_pag='199805'"), {kRuc});
        QCOMPARE(mayo.first().value(0).toString(), QStringLiteral("700"));
        QCOMPARE(mayo.first().value(1).toDouble(), 1.0);
        const QList<QSqlRecord> enero = db->select(QStringLiteral("SELECT saluti, cNumero FROM ACTA WHERE DOC_ID_D=? AND per_pag='199801'"), {kRuc});
        QVERIFY(enero.first().value(0).isNull());
        QCOMPARE(enero.first().value(1).toString(), QStringLiteral("726100"));
        QStringList meses;
        for (const QSqlRecord &r : db->select(QStringLiteral("SELECT per_pag FROM ACTA WHERE DOC_ID_D=? ORDER BY per_pag"), {kRuc}))
            meses << r.value(0).toString();
        QCOMPARE(meses.first(), QStringLiteral("199801"));
        QCOMPARE(meses.at(11), QStringLiteral("199812"));
        QCOMPARE(meses.last(), QStringLiteral("199903"));
    }

    // No IEAN answer: the annex type is empty. The rows of every non-empty
    // type go; the rows already of the empty type are edited and keep their
    // amounts. cNumero of 199802: key and 199802 summed (20100273727), "250"
    // weighted 50 + 2 * 53 + 3 * 48 = 300, the empty type nothing, the factor
    // "1" 49.
    void actaSinTipo()
    {
        auto fila = [&](const char *per, const char *tipo, const char *saluti) {
            db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, saluti, tipo_asist)"
                                    " VALUES (?, 6, '1998', '0951', ?, ?, ?)"),
                     {kRuc, QLatin1String(per), QLatin1String(saluti), QLatin1String(tipo)});
        };
        fila("199801", "1", "100");
        fila("199801", "3", "100");
        fila("199802", "", "250");
        VentanaPrueba v;
        v.modificar(kRuc);
        QVERIFY(grabar(v));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA WHERE DOC_ID_D=? AND tipo_asist<>''"), {kRuc}).toInt(), 0);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA WHERE DOC_ID_D=? AND tipo_asist=''"), {kRuc}).toInt(), 15);
        const QList<QSqlRecord> feb = db->select(QStringLiteral("SELECT saluti, cNumero FROM ACTA WHERE DOC_ID_D=? AND per_pag='199802'"), {kRuc});
        QCOMPARE(feb.size(), 1);
        QCOMPARE(feb.first().value(0).toString(), QStringLiteral("250"));
        QCOMPARE(feb.first().value(1).toString(), QStringLiteral("727349"));
    }

    // Box 332 positive (or 333 not zero): FAC's factor of the month, 0 without
    // a row; otherwise 1 (a negative 332 alone does not count).
    void factores_data()
    {
        QTest::addColumn<QString>("c332");
        QTest::addColumn<QString>("c333");
        QTest::addColumn<double>("enero");
        QTest::addColumn<double>("febrero");
        QTest::addColumn<double>("marzo99");
        QTest::newRow("sin ajuste") << "" << "0" << 1.0 << 1.0 << 1.0;
        QTest::newRow("332 negativa") << "-500" << "" << 1.0 << 1.0 << 1.0;
        QTest::newRow("332 positiva") << "500" << "" << 1.05 << 0.0 << 1.2;
        QTest::newRow("333 negativa") << "" << "(500)" << 1.05 << 0.0 << 1.2;
    }
    void factores()
    {
        QFETCH(QString, c332);
        QFETCH(QString, c333);
        QFETCH(double, enero);
        QFETCH(double, febrero);
        QFETCH(double, marzo99);
        db->exec(QStringLiteral("INSERT INTO FAC VALUES ('0951', '9801', '030301', 1.05)"));
        db->exec(QStringLiteral("INSERT INTO FAC VALUES ('0951', '9802', '030304', 1.5)"));   // IEAN code: not read
        db->exec(QStringLiteral("INSERT INTO FAC VALUES ('0951', '9903', '030301', 1.2)"));
        VentanaPrueba v;
        v.modificar(kRuc);
        v.m.setTexto(332, c332);
        v.m.setTexto(333, c333);
        QVERIFY(grabar(v));
        auto factor = [&](const char *per) {
            return db->scalar(QStringLiteral("SELECT FACTOR FROM ACTA WHERE DOC_ID_D=? AND per_pag=?"),
                              {kRuc, QLatin1String(per)}).toDouble();
        };
        QCOMPARE(factor("199801"), enero);
        QCOMPARE(factor("199802"), febrero);
        QCOMPARE(factor("199903"), marzo99);
        // No IEAN answer: the rows carry an empty annex type.
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA WHERE DOC_ID_D=? AND tipo_asist=''"), {kRuc}).toInt(), 15);
    }

    // The checks before any write, and the final message.
    void sinEscribir_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("estilo");
        QTest::newRow("ruc de 8") << 0
            << "No puede grabar declaraciones con RUC de 8, modifique el RUC de 8 a 11 en el Modulo de Registro de Declarantes." << 64;
        QTest::newRow("sin contribuyente") << 1 << "Debe seleccionar un Contribuyente." << 16;
        QTest::newRow("ya existe") << 2
            << "La declaración que desea registrar ya existe, elija la opción modificar declaración o elija otro contribuyente." << 16;
        QTest::newRow("fecha no valida") << 3 << "La Fecha no es Válida." << 16;
        QTest::newRow("fecha fuera de plazo") << 4 << "La Fecha no es Válida." << 16;
    }
    void sinEscribir()
    {
        QFETCH(int, caso);
        QFETCH(QString, mensaje);
        QFETCH(int, estilo);
        VentanaPrueba v;
        v.nueva(kRuc);
        v.m.setTexto(100, QStringLiteral("5"));
        switch (caso) {
        case 0: v.ruc = QStringLiteral("10080012"); break;
        case 1: v.m.setCampo(Campos::CmbRuc, QString()); break;
        case 2: v.puede = QStringLiteral("N"); break;
        case 3: v.m.setCampo(Campos::MkePeriodo, QStringLiteral("31/02/1998")); break;
        case 4: v.m.setCampo(Campos::MkePeriodo, QStringLiteral("01/02/1998")); v.periodoValido = false; break;
        }
        v.m.bModificado = true;
        msg::ScriptedAnswerer a;
        QVERIFY(!CmdGrabar_Click(v, *db));
        QCOMPARE(a.shown().size(), 1);
        QCOMPARE(a.shown().first().text, mensaje);
        QCOMPARE(a.shown().first().style, estilo);
        QCOMPARE(a.shown().first().title, v.caption());
        QCOMPARE(v.puntero, 0);
        QVERIFY(v.m.bModificado);
        for (const char *t : {"CAB", "DET", "ACTA"})
            QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(t)).toInt(), 0);
        if (caso == 1 || caso == 2)
            QCOMPARE(v.focos, QStringList{QStringLiteral("CmbRuc")});
        if (caso >= 3)
            QCOMPARE(v.focos, QStringList{QStringLiteral("MkePeriodo")});
        if (caso >= 1)
            QCOMPARE(v.paginas, QList<int>{0});
    }

    void mensajeFinal_data()
    {
        QTest::addColumn<bool>("completa");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("estilo");
        QTest::addColumn<int>("estado");
        QTest::newRow("completa") << true << "Grabada sin inconsistencias" << 64 << 0;
        QTest::newRow("incompleta") << false << "Grabada con inconsistencias" << 48 << 9;
    }
    void mensajeFinal()
    {
        QFETCH(bool, completa);
        QFETCH(QString, texto);
        QFETCH(int, estilo);
        QFETCH(int, estado);
        VentanaPrueba v;
        v.nueva(kRuc);
        v.completa = completa;
        v.m.bModificado = true;
        giEstadoGrabacion = 0;
        msg::ScriptedAnswerer a;
        QVERIFY(CmdGrabar_Click(v, *db));
        QCOMPARE(a.shown().size(), 1);
        QCOMPARE(a.shown().first().text, texto);
        QCOMPARE(a.shown().first().style, estilo);
        QCOMPARE(giEstadoGrabacion, 1);
        QVERIFY(!v.m.bModificado);
        QCOMPARE(db->scalar(QStringLiteral("SELECT estado FROM CAB WHERE DOC_ID_D=?"), {kRuc}).toInt(), estado);
    }

    // A failure at any statement of the save leaves the declaration as it was
    // and shows the error; the window keeps its changes.
    void falloAMitad_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<int>("vez");
        QTest::newRow("borrado de ACTA") << "DELETE FROM ACTA" << 1;
        QTest::newRow("filas de ACTA") << "INSERT INTO ACTA" << 1;
        QTest::newRow("cabecera") << "INSERT INTO CAB" << 1;
        QTest::newRow("borrado de DET") << "DELETE FROM DET" << 1;
        QTest::newRow("fila 40 de DET") << "INSERT INTO DET" << 40;
        QTest::newRow("ultima fila de DET") << "INSERT INTO DET" << 88;   // 82 boxes and 6 codes
        QTest::newRow("commit") << "COMMIT" << 1;
    }
    void falloAMitad()
    {
        QFETCH(QString, sentencia);
        QFETCH(int, vez);
        VentanaPrueba v;
        v.modificar(kRuc);
        v.m.setCampo(Campos::OptIEAN, QStringLiteral("1"));
        v.m.setCampo(Campos::OptAnexo, QStringLiteral("0"));
        for (int n : v.aCasillas())
            v.m.setTexto(n, QString::number(n));
        QVERIFY(grabar(v));
        const QStringList antes = filasDet(*db, kRuc);
        const QString cabAntes = db->scalar(QStringLiteral("SELECT cNumero || estado FROM CAB")).toString();

        for (int n : v.aCasillas())
            v.m.setTexto(n, QString::number(n + 1));
        v.m.setCampo(Campos::OptAnexo, QStringLiteral("1"));   // another annex type: ACTA rows would change
        v.completa = false;
        v.m.bModificado = true;
        int visto = 0;
        db->setFaultHook([&](const QString &sql) {
            if (sql.contains(sentencia, Qt::CaseInsensitive) && ++visto == vez)
                throw DbError(3026, QStringLiteral("No queda espacio en el disco."));
        });
        msg::ScriptedAnswerer a;
        QVERIFY(!CmdGrabar_Click(v, *db));
        db->setFaultHook({});
        QCOMPARE(visto >= vez, true);
        QCOMPARE(a.shown().size(), 1);
        QCOMPARE(a.shown().first().text, QStringLiteral("No queda espacio en el disco.\n 3026"));
        QCOMPARE(a.shown().first().style, 0);
        QCOMPARE(a.shown().first().title, QStringLiteral("Error"));
        QVERIFY(v.m.bModificado);
        QCOMPARE(filasDet(*db, kRuc), antes);
        QCOMPARE(db->scalar(QStringLiteral("SELECT cNumero || estado FROM CAB")).toString(), cabAntes);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA WHERE tipo_asist='2'")).toInt(), 15);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA")).toInt(), 15);
    }

    // The database file renamed or removed while the program has it open:
    // the save says the file is gone (not that another user locks it), and
    // stores nothing.
    void baseMovidaOBorrada_data()
    {
        QTest::addColumn<bool>("borrada");
        QTest::newRow("renombrada") << false;
        QTest::newRow("borrada") << true;
    }
    void baseMovidaOBorrada()
    {
        QFETCH(bool, borrada);
        VentanaPrueba v;
        v.nueva(kRuc);
        v.m.bModificado = true;
        const QString movida = env->rutaBase + QStringLiteral(".movida");
        QVERIFY(borrada ? QFile::remove(env->rutaBase) : QFile::rename(env->rutaBase, movida));
        msg::ScriptedAnswerer a;
        QVERIFY(!CmdGrabar_Click(v, *db));
        QCOMPARE(a.shown().size(), 1);
        QCOMPARE(a.shown().first().text,
                 QStringLiteral("No se encontró el archivo de la base de datos '") + env->rutaBase
                     + QStringLiteral("': se movió o se borró mientras el programa lo tenía abierto.\n 3024"));
        QCOMPARE(a.shown().first().style, 0);
        QCOMPARE(a.shown().first().title, QStringLiteral("Error"));
        QVERIFY(v.m.bModificado);
        QVERIFY(!QFile::exists(env->rutaBase));
        if (!borrada) {
            auto otra = Database::open(movida);
            QCOMPARE(otra->scalar(QStringLiteral("SELECT COUNT(*) FROM CAB")).toInt(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TstGrabacion)
#include "tst_grabacion.moc"
