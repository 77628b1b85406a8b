// The viewer of a sent declaration without its window: the load of one send
// (its boxes as the entry window's calculations leave them, the answers and
// the labels they grey, the payment control), the text of a stored value, the
// registration of the order number, the exit, and the keys, the leaving of a
// box and the tab pages.
#include "fixturesent.h"
#include "declaration/core/persistencia/carga.h"
#include "declaration/core/casillas/listacasillas.h"
#include "platform/msgbox.h"
#include "sent/core/visorenviada.h"
#include <QtTest>

using namespace fixturesent;

namespace {
DeclaracionEnviada envio(const QString &correl, const QString &norden = QString(),
                         const QString &control = QString())
{
    DeclaracionEnviada d;
    d.docIdD = kAndina;
    d.nombre = QStringLiteral("EMPRESA ANDINA S.A.");
    d.periodo = QStringLiteral("1998");
    d.formulario = QStringLiteral("0951");
    d.norden = norden;
    d.control = control;
    d.correl = correl;
    return d;
}

// A send of Andina under its own CORREL with these DET codes and values.
void insertarEnvio(const QString &correl, const QList<QPair<QString, QString>> &det)
{
    gdbBase->exec(QStringLiteral("INSERT INTO HCAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL) VALUES (?, 6, '1998', '0951', ?)"),
                  {kAndina, correl});
    for (const auto &d : det)
        gdbBase->exec(QStringLiteral("INSERT INTO HDET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL, Casilla, i_valor)"
                                     " VALUES (?, 6, '1998', '0951', ?, ?, ?)"),
                      {kAndina, correl, d.first, d.second});
}

struct Visor {
    ModeloCasillas m;
    VisorEnviada v{m};
    Visor()
    {
        ListaCasillas::pInicializar(m);
        VisorEnviada::pEstadoInicial(m);
    }
    void cargar(const DeclaracionEnviada &d)
    {
        v.fila = d;
        v.Form_Load(*gdbBase);
    }
};

QString norden(const QString &correl)
{
    return gdbBase->scalar(QStringLiteral("SELECT quote(NORDEN) FROM HCAB WHERE DOC_ID_D=? AND PERIODO='1998' AND CORREL=?"),
                           {kAndina, correl})
        .toString();
}
} // namespace

class TstVisor : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;

private slots:
    void init()
    {
        QVERIFY(iniciar(m_env));
        gsTasa = QStringLiteral("antes");
        giEstadoGrabacion = 7;
        gsAceptaInconsistencias = QStringLiteral("A");
    }
    void cleanup() { terminar(m_env); }

    // Send 2 of EMPRESA ANDINA, worked out box by box: stored amounts shown
    // with their thousands, the subtracted ones in parentheses, and the tax
    // recomputed at the agrarian rate of its answers.
    void cargaDelEnvio_data()
    {
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("texto");
        QTest::newRow("321") << 321 << "2,000,000";
        QTest::newRow("323 restada") << 323 << "(800,000)";
        QTest::newRow("334") << 334 << "800,000";
        QTest::newRow("504") << 504 << "(0)";
        QTest::newRow("505") << 505 << "750,000";
        QTest::newRow("338") << 338 << "(0)";
        QTest::newRow("503") << 503 << "1,200,000";
        QTest::newRow("100 siete digitos") << 100 << "1,234,567";
        QTest::newRow("105 con signo menos") << 105 << "(234,567)";
        QTest::newRow("106") << 106 << "1,000,000";
        QTest::newRow("107") << 107 << "(0)";
        QTest::newRow("108") << 108 << "(200,000)";
        QTest::newRow("110") << 110 << "800,000";
        QTest::newRow("111") << 111 << "(0)";
        QTest::newRow("113 al 15 por ciento") << 113 << "120,000";
        QTest::newRow("130") << 130 << "(40,000)";
        QTest::newRow("131 como se envio") << 131 << "(60,000)";
        QTest::newRow("511") << 511 << "80,000";
        QTest::newRow("512") << 512 << "20,000";
        QTest::newRow("513") << 513 << "10,000";
        QTest::newRow("133") << 133 << "(5,000)";
        QTest::newRow("138 cero restada") << 138 << "(0)";
        QTest::newRow("139") << 139 << "5,000";
        QTest::newRow("141") << 141 << "1,000";
        QTest::newRow("514") << 514 << "6,000";
        QTest::newRow("144") << 144 << "(1,000)";
        QTest::newRow("146 a pagar") << 146 << "5,000";
        QTest::newRow("180") << 180 << "5,000";
        QTest::newRow("208 tal cual") << 208 << "15";
        QTest::newRow("101 sin fila") << 101 << "";
    }
    void cargaDelEnvio()
    {
        QFETCH(int, casilla);
        QFETCH(QString, texto);
        Visor x;
        x.cargar(envio(QStringLiteral("2"), QStringLiteral("4567"), QStringLiteral("00000002")));
        QCOMPARE(x.m.texto(casilla), texto);
    }

    void cargaIdentificacionYPago()
    {
        Visor x;
        x.cargar(envio(QStringLiteral("2"), QStringLiteral(" 4567"), QStringLiteral("00000002 ")));
        const ModeloCasillas &m = x.m;
        QCOMPARE(gsCorrel, QStringLiteral("2"));
        QCOMPARE(gsPeriodo, QStringLiteral("1998"));
        QCOMPARE(gsTasa, QStringLiteral("15"));
        QCOMPARE(giEstadoGrabacion, 0);
        QCOMPARE(gsAceptaInconsistencias, QString());
        QVERIFY(!m.bCargando);
        QVERIFY(!x.v.bModificado);
        QCOMPARE(m.campo(Campos::TxtNumRuc), kAndina);
        QCOMPARE(m.campo(Campos::TxtRazon), QStringLiteral("EMPRESA ANDINA S.A."));
        QCOMPARE(m.campo(CamposEnviada::TxtNumOrdenE), QStringLiteral("4567"));
        QCOMPARE(m.campo(CamposEnviada::TxtControl), QStringLiteral("00000002"));
        QCOMPARE(m.campo(Campos::MkePeriodo), QStringLiteral("15/03/1998"));
        QCOMPARE(m.campo(Campos::TxtTelefono), QStringLiteral("4451234"));
        QCOMPARE(m.campo(Campos::TxtNombreA), QStringLiteral("PEREZ ROJAS"));
        QCOMPARE(m.campo(Campos::TxtNombreN), QStringLiteral("JUAN"));
        QCOMPARE(m.campo(Campos::TxtNombre1A), QStringLiteral("GOMEZ"));
        QCOMPARE(m.campo(Campos::TxtNombre1N), QString());   // stored Null
        // The answers, as their options.
        QCOMPARE(m.campo(Campos::OptTipoCont), QStringLiteral("0"));
        QCOMPARE(m.campo(Campos::OptConvEstab), QStringLiteral("0"));
        QCOMPARE(m.campo(Campos::OptIEAN), QStringLiteral("0"));
        QCOMPARE(m.campo(Campos::OptAnexo), QString());
        QCOMPARE(m.campo(Campos::OptAgraria), QStringLiteral("1"));
        QCOMPARE(m.campo(Campos::OptDomiciliado), QStringLiteral("0"));
        QCOMPARE(m.campo(Campos::OptRectifica), QStringLiteral("0"));
        // Without IEAN the credits without it show; the data pages wait for a click.
        const EstadoVentana &w = x.v.ventana;
        QVERIFY(!w.frame[3] && w.frame[0]);
        QVERIFY(!w.frame[1] && !w.frame[2] && !w.frame[4] && !w.frame[5]);
        QVERIFY(w.control(ctl381::Label1_9).habilitado);
        QVERIFY(!w.control(ctl381::Label1_8).habilitado);
        QVERIFY(!w.control(ctl381::Label1_10).habilitado);
        // The payment control: cheque of bank 02, the amount of box 180, closed.
        QCOMPARE(m.campo(Campos::FormaPago), QStringLiteral("C"));
        QCOMPARE(m.campo(Campos::Banco), QStringLiteral("02"));
        QCOMPARE(m.campo(Campos::NumCheque), QStringLiteral("00123456"));
        QCOMPARE(m.campo(Campos::Importe), QStringLiteral("5,000"));
        QCOMPARE(m.campo(Campos::Habilitado), QStringLiteral("0"));
        // Nothing was made editable or coloured by the answers.
        for (int n : ListaCasillas::aCasillas()) {
            const bool abierta = n == 117 || n == 120 || n == 128 || n == 131 || n == 137 || n == 208;
            QVERIFY2(m.bloqueada(n) != abierta, qPrintable(QString::number(n)));
        }
        QCOMPARE(m.color(117), Color::Cyan);
        QCOMPARE(m.color(100), Color::Gris);
    }

    // Another send of the same declaration is not read.
    void otroEnvio()
    {
        Visor x;
        x.cargar(envio(QStringLiteral("1")));
        QCOMPARE(x.m.texto(100), QStringLiteral("999"));
        QCOMPARE(x.m.campo(Campos::OptIEAN), QStringLiteral("1"));
        QCOMPARE(x.m.texto(321), QString());
        // A Null bank and cheque number read as empty texts.
        Visor s;
        DeclaracionEnviada d = envio(QStringLiteral("1"));
        d.docIdD = kSur;
        s.cargar(d);
        QCOMPARE(s.m.campo(Campos::Banco), QString());
        QCOMPARE(s.m.campo(Campos::NumCheque), QString());
        QCOMPARE(s.m.texto(100), QStringLiteral("800"));
    }

    // A send without detail rows: every box emptied, the header still shown
    // from the chooser's row.
    void sinDetalle()
    {
        insertarEnvio(QStringLiteral("3"), {});
        Visor x;
        for (int n : {100, 146, 321, 504})
            x.m.setTexto(n, QStringLiteral("9"));
        x.cargar(envio(QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("00000003")));
        for (int n : {100, 146, 321, 504, 334, 106})
            QCOMPARE(x.m.texto(n), QString());
        QCOMPARE(x.m.campo(Campos::TxtRazon), QStringLiteral("EMPRESA ANDINA S.A."));
        QCOMPARE(x.m.campo(CamposEnviada::TxtNumOrdenE), QStringLiteral("12"));
        QCOMPARE(x.m.campo(CamposEnviada::TxtControl), QStringLiteral("00000003"));
    }

    // A stability agreement keeps the tax exactly as it was sent.
    void convenioGuardaElImpuesto()
    {
        insertarEnvio(QStringLiteral("4"), {{"106", "1000000"}, {"110", "800000"}, {"113", "30000"}, {"994", "1"}});
        Visor x;
        x.cargar(envio(QStringLiteral("4")));
        QCOMPARE(x.m.texto(113), QStringLiteral("30000"));
        QCOMPARE(gsTasa, QStringLiteral("100"));
        // Without it the tax follows box 110 at the general rate.
        insertarEnvio(QStringLiteral("5"), {{"106", "1000000"}, {"110", "800000"}, {"113", "30000"}, {"994", "0"}});
        Visor y;
        y.cargar(envio(QStringLiteral("5")));
        QCOMPARE(y.m.texto(113), QStringLiteral("240,000"));
        QCOMPARE(gsTasa, QStringLiteral("30"));
    }

    // "&Domiciliado" brings 505 into 100; box 101 stays as it was sent, even
    // when it differs from the loss of 338.
    void domiciliadoGuardaLa101()
    {
        insertarEnvio(QStringLiteral("6"),
                      {{"505", "0"}, {"338", "5000"}, {"100", "0"}, {"101", "7000"}, {"988", "1"}});
        Visor x;
        x.cargar(envio(QStringLiteral("6")));
        QCOMPARE(x.m.campo(Campos::OptDomiciliado), QStringLiteral("1"));
        QCOMPARE(x.m.texto(338), QStringLiteral("(5,000)"));
        QCOMPARE(x.m.texto(101), QStringLiteral("(7,000)"));
    }

    // A stored value as the viewer shows it.
    void textoCargado_data()
    {
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("100 agrupado") << 100 << "1234567" << "1,234,567";
        QTest::newRow("100 negativo") << 100 << "-1234567" << "-1,234,567";
        QTest::newRow("101 restada") << 101 << "1234567" << "(1,234,567)";
        QTest::newRow("101 negativa") << 101 << "-1234567" << "(1,234,567)";
        for (int n : {500, 501, 502, 505, 506, 508})
            QTest::newRow(qPrintable(QStringLiteral("%1 negativo").arg(n))) << n << "-1234567" << "(1,234,567)";
        QTest::newRow("505 positivo") << 505 << "750000" << "750,000";
        QTest::newRow("138 cero") << 138 << "0" << "(0)";
        QTest::newRow("334 negativo") << 334 << "-5" << "-5";
        QTest::newRow("146 a pagar") << 146 << "5000" << "5,000";
        QTest::newRow("146 a favor") << 146 << "-5000" << "(5,000)";
        QTest::newRow("511 positivo") << 511 << "80000" << "80,000";
        QTest::newRow("203 ruc") << 203 << "20100066603" << "20100066603";
        QTest::newRow("209 sin ceros") << 209 << "-00123" << "123";
        QTest::newRow("204 cero") << 204 << "0" << "";
        QTest::newRow("225 tal cual") << 225 << "DNI 08012345" << "DNI 08012345";
    }
    void textoCargado()
    {
        QFETCH(int, casilla);
        QFETCH(QString, valor);
        QFETCH(QString, texto);
        QCOMPARE(fTextoCargado(casilla, valor, FormatosCarga::enviada()), texto);
    }

    // With a rectification answer "0" in register mode and no IEAN answer,
    // the annex answer is cleared and its question greyed; no agrarian
    // answer greys the date request. A rectification "1", or the delete
    // mode, leaves them.
    void respuestasGrises_data()
    {
        QTest::addColumn<QString>("rectifica");
        QTest::addColumn<QString>("iean");
        QTest::addColumn<QString>("agraria");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("anexo");   // OptAnexo after the load
        QTest::addColumn<bool>("label8");
        QTest::addColumn<bool>("label9");
        QTest::newRow("rectifica 0 sin IEAN") << "0" << "" << "" << 1 << "" << false << false;
        QTest::newRow("rectifica 1 sin IEAN") << "1" << "" << "" << 1 << "1" << true << true;
        QTest::newRow("rectifica 0 eliminar") << "0" << "" << "" << 3 << "1" << true << true;
        QTest::newRow("rectifica 0 con IEAN") << "0" << "1" << "0" << 1 << "1" << true << false;
        QTest::newRow("anexo tras IEAN no") << "1" << "0" << "1" << 1 << "1" << false << true;
    }
    void respuestasGrises()
    {
        QFETCH(QString, rectifica);
        QFETCH(QString, iean);
        QFETCH(QString, agraria);
        QFETCH(int, modo);
        QFETCH(QString, anexo);
        QFETCH(bool, label8);
        QFETCH(bool, label9);
        QList<QPair<QString, QString>> det{{"989", rectifica}, {"990", "1"}};
        if (!iean.isEmpty())
            det.append({"991", iean});
        if (!agraria.isEmpty())
            det.append({"993", agraria});
        insertarEnvio(QStringLiteral("6"), det);
        giModoEnviada = modo;
        Visor x;
        x.cargar(envio(QStringLiteral("6")));
        QCOMPARE(x.m.campo(Campos::OptAnexo), anexo);
        QCOMPARE(x.v.ventana.control(ctl381::Label1_8).habilitado, label8);
        QCOMPARE(x.v.ventana.control(ctl381::Label1_9).habilitado, label9);
        QCOMPARE(x.v.ventana.control(ctl381::Label1_10).habilitado, rectifica == QLatin1String("1"));
    }

    // The annex answer moves the cyan between 117 and 120; the agrarian "No"
    // empties the date of form 4888.
    void anexoYFecha()
    {
        insertarEnvio(QStringLiteral("7"), {{"200", "19981209"}, {"991", "1"}, {"990", "1"}, {"993", "0"}});
        Visor x;
        x.cargar(envio(QStringLiteral("7")));
        QVERIFY(x.m.habilitada(120) && !x.m.habilitada(117));
        QCOMPARE(x.m.color(120), Color::Cyan);
        QCOMPARE(x.m.color(117), Color::Gris);
        QVERIFY(x.m.habilitada(122) && x.m.bloqueada(122));   // entry-only: stays as the window defines it
        QCOMPARE(x.m.campo(Campos::MkePeriodo), Campos::MascaraVacia);
        QVERIFY(x.v.ventana.frame[3] && !x.v.ventana.frame[0]);
    }

    void registro()
    {
        Visor x;
        x.cargar(envio(QStringLiteral("2"), QStringLiteral("4567")));
        x.m.setCampo(CamposEnviada::TxtNumOrdenE, QStringLiteral("12345678"));
        QVERIFY(x.v.bModificado);
        msg::ScriptedAnswerer r;
        QVERIFY(x.v.CmdGrabar_Click(*gdbBase));
        QCOMPARE(r.shown().size(), 1);
        QCOMPARE(r.shown().first().text, QStringLiteral("El número de orden fue registrado satisfactoriamente."));
        QCOMPARE(r.shown().first().style, 48);
        QCOMPARE(r.shown().first().title, QStringLiteral("Mensaje"));
        QCOMPARE(norden(QStringLiteral("2")), QStringLiteral("12345678.0"));
        QCOMPARE(norden(QStringLiteral("1")), QStringLiteral("NULL"));
        QCOMPARE(giEstadoGrabacion, 1);
        QVERIFY(!x.v.bModificado);

        // Again, with the number emptied: stored as 0.
        x.m.setCampo(CamposEnviada::TxtNumOrdenE, QString());
        QVERIFY(x.v.CmdGrabar_Click(*gdbBase));
        QCOMPARE(norden(QStringLiteral("2")), QStringLiteral("0.0"));
    }

    // The send was deleted meanwhile: said so, nothing stored, the number kept.
    void registroSinCabecera()
    {
        Visor x;
        x.cargar(envio(QStringLiteral("2")));
        x.m.setCampo(CamposEnviada::TxtNumOrdenE, QStringLiteral("555"));
        gdbBase->exec(QStringLiteral("DELETE FROM HCAB WHERE DOC_ID_D=? AND CORREL='2'"), {kAndina});
        msg::ScriptedAnswerer r;
        QVERIFY(!x.v.CmdGrabar_Click(*gdbBase));
        QCOMPARE(r.shown().size(), 1);
        QCOMPARE(r.shown().first().text, visor::MsgNoRegistrado);
        QCOMPARE(r.shown().first().title, visor::Titulo);
        QCOMPARE(x.m.campo(CamposEnviada::TxtNumOrdenE), QStringLiteral("555"));
        QVERIFY(x.v.bModificado);
        QCOMPARE(giEstadoGrabacion, 0);
        QCOMPARE(gdbBase->scalar(QStringLiteral("SELECT COUNT(*) FROM HCAB WHERE DOC_ID_D=? AND PERIODO='1998'"), {kAndina}).toInt(), 1);

        // Leaving with Yes to saving keeps the window open as well.
        r.push(msg::Yes);
        QCOMPARE(x.v.cmdCancelar_Click(*gdbBase), VisorEnviada::Cierre::Quedar);
        QCOMPARE(giEstadoGrabacion, 3);
    }

    void salir_data()
    {
        QTest::addColumn<bool>("tecleado");
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<int>("preguntas");
        QTest::addColumn<int>("cierre");
        QTest::addColumn<QString>("norden");
        QTest::newRow("sin teclear no pregunta") << false << int(msg::Yes) << 0 << int(VisorEnviada::Cierre::Normal) << "4567.0";
        QTest::newRow("tecleado no") << true << int(msg::No) << 1 << int(VisorEnviada::Cierre::Normal) << "4567.0";
        QTest::newRow("tecleado si") << true << int(msg::Yes) << 2 << int(VisorEnviada::Cierre::TrasRegistro) << "89.0";
    }
    void salir()
    {
        QFETCH(bool, tecleado);
        QFETCH(int, respuesta);
        QFETCH(int, preguntas);
        QFETCH(int, cierre);
        QFETCH(QString, norden);
        Visor x;
        x.cargar(envio(QStringLiteral("2"), QStringLiteral("4567")));
        if (tecleado)
            x.m.setCampo(CamposEnviada::TxtNumOrdenE, QStringLiteral("89"));
        msg::ScriptedAnswerer r({respuesta});
        QCOMPARE(int(x.v.cmdCancelar_Click(*gdbBase)), cierre);
        QCOMPARE(r.shown().size(), preguntas);
        if (preguntas > 0) {
            QCOMPARE(r.shown().first().text, QStringLiteral("¿Desea guardar los cambios?"));
            QCOMPARE(r.shown().first().style, 36);
            QCOMPARE(r.shown().first().title, visor::Titulo);
        }
        QCOMPARE(::norden(QStringLiteral("2")), norden);
        QCOMPARE(giEstadoGrabacion, cierre == int(VisorEnviada::Cierre::TrasRegistro) ? 1 : 3);
    }

    // ENTER opens the read-only annex window of the answers, no other key
    // does, and no key is changed or dropped.
    void teclas_data()
    {
        QTest::addColumn<int>("casilla");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("respuestas");
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<int>("destino");
        const QString siNo = QStringLiteral("OptIEAN=1;OptAnexo=0");
        const QString siSi = QStringLiteral("OptIEAN=1;OptAnexo=1");
        const QString no = QStringLiteral("OptIEAN=0");
        QTest::newRow("117 IEAN sin anexo") << 117 << 13 << siNo << "FrmAnexo117E" << 0;
        QTest::newRow("117 con anexo nada") << 117 << 13 << siSi << "" << 0;
        QTest::newRow("120 IEAN con anexo") << 120 << 13 << siSi << "FrmAnexo120E" << 0;
        QTest::newRow("120 sin IEAN nada") << 120 << 13 << no << "" << 0;
        QTest::newRow("128 con anexo") << 128 << 13 << siSi << "FrmAnexo131AE" << 0;
        QTest::newRow("128 sin anexo") << 128 << 13 << siNo << "FrmAnexo131E" << 0;
        QTest::newRow("131 sin anexo") << 131 << 13 << siNo << "FrmAnexo131E" << 0;
        QTest::newRow("131 sin IEAN") << 131 << 13 << no << "FrmAnexo131E" << 0;
        QTest::newRow("131 con anexo nada") << 131 << 13 << siSi << "" << 0;
        QTest::newRow("un digito no abre") << 117 << int('5') << siNo << "" << 0;
        QTest::newRow("113 nada") << 113 << 13 << no << "" << 0;
        QTest::newRow("340 vuelve a 300") << 340 << 13 << no << "" << 300;
        QTest::newRow("108 con 113 habilitada") << 108 << 13 << no << "" << -1;
        QTest::newRow("100 tabula") << 100 << 13 << no << "" << -1;
        QTest::newRow("letra en 137") << 137 << int('A') << no << "" << 0;
    }
    void teclas()
    {
        QFETCH(int, casilla);
        QFETCH(int, tecla);
        QFETCH(QString, respuestas);
        QFETCH(QString, ventana);
        QFETCH(int, destino);
        Visor x;
        for (const QString &p : respuestas.split(QLatin1Char(';'))) {
            const QStringList kv = p.split(QLatin1Char('='));
            x.m.setCampo(kv.value(0), kv.value(1));
        }
        const FiltroTeclas::AccionTecla a = x.v.TxtValor_KeyPress(casilla, tecla);
        QCOMPARE(a.sAnexo, ventana);
        QCOMPARE(a.iDestino, destino);
        QCOMPARE(a.tecla, tecla);
    }

    // Leaving one of the few open boxes.
    void salidaCasilla_data()
    {
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("despues");
        QTest::addColumn<int>("largo");
        QTest::newRow("anexo 12345") << 128 << "12345" << "(12,345)" << 17;
        QTest::newRow("anexo vacio") << 120 << "" << "" << 17;
        QTest::newRow("anexo lee el numero inicial") << 131 << "1,234" << "(1)" << 17;
        QTest::newRow("anexo con letras") << 117 << "ab" << "(0)" << 17;
        QTest::newRow("137 letra") << 137 << "A" << "A" << 15;
        QTest::newRow("137 digito") << 137 << "2" << "2" << 15;
        QTest::newRow("cerrada no cambia") << 100 << "1234" << "1234" << 0;
    }
    void salidaCasilla()
    {
        QFETCH(int, casilla);
        QFETCH(QString, antes);
        QFETCH(QString, despues);
        QFETCH(int, largo);
        Visor x;
        x.m.setTexto(casilla, antes);
        x.v.TxtValor_LostFocus(casilla);
        QCOMPARE(x.m.texto(casilla), despues);
        QCOMPARE(x.m.maxLength(casilla), largo == 0 ? x.m.maxLength(casilla) : largo);
    }

    void pestanas_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("ayuda");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<bool>("marcos");
        QTest::newRow("0") << 0 << 300 << "TxtNumOrdenE" << false;
        QTest::newRow("1") << 1 << 400 << "" << true;
        QTest::newRow("3") << 3 << 600 << "" << true;
        QTest::newRow("4") << 4 << 700 << "" << true;
        QTest::newRow("5") << 5 << 0 << "" << true;
    }
    void pestanas()
    {
        QFETCH(int, pagina);
        QFETCH(int, ayuda);
        QFETCH(QString, foco);
        QFETCH(bool, marcos);
        Visor x;
        x.v.ventana.mostrarFrames(false, false, false, false);
        x.v.SSTab1_Click(pagina);
        QCOMPARE(x.v.iTabActual, pagina);
        QCOMPARE(x.v.ventana.helpContext, ayuda);
        QCOMPARE(x.v.ventana.tomarFoco(), foco);
        const EstadoVentana &w = x.v.ventana;
        QCOMPARE(w.frame[1] && w.frame[2] && w.frame[4] && w.frame[5], marcos);
    }

    void ayudaDeFondo()
    {
        Visor x;
        x.v.ventana.ayuda1 = QStringLiteral("algo");
        x.v.ventana.colorAyuda = 0xC00000;
        x.v.pAyudaFondo();
        QCOMPARE(x.v.ventana.ayuda, QStringLiteral("Los importes son en nuevos soles sin considerar centimos."));
        QCOMPARE(x.v.ventana.ayuda1, QString());
        QCOMPARE(x.v.ventana.colorAyuda, 0u);
    }
};

QTEST_GUILESS_MAIN(TstVisor)
#include "tst_visor.moc"
