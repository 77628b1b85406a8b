// Header checks of page 0, the date box of form 4888 and the tab pages.
#include "declaration/core/reglas/cabecera.h"
#include "declaration/core/respuestas/respuestasayuda.h"
#include "declaration/core/respuestas/respuestasfecha.h"
#include "declaration/core/respuestas/respuestaspestanas.h"
#include "platform/msgbox.h"
#include "platform/utilitario.h"
#include "shell/core/modglobal.h"
#include <QtTest>

namespace {

const QDate kHoy(1999, 3, 15);

// A header that passes every check: a new declaration of an accepted taxpayer
// with a telephone and every answer "&No".
struct Banco {
    ModeloCasillas modelo;
    EstadoVentana ventana;
    Cabecera cabecera{modelo, ventana};

    Banco()
    {
        cabecera.hoy = [] { return kHoy; };
        cabecera.validaRuc = [](const QString &ruc) { return cUtilitario().ValidaRuc(ruc); };
        ventana.iAccion = 0;
        ventana.sPuedeRegistrar = "S";
        modelo.setCampo("CmbRuc", "20100000009       EMPRESA UNO SA");
        modelo.setCampo("TxtTelefono", "4412345");
        for (const char *o : {"OptAgraria", "OptIEAN", "OptConvEstab", "OptRectifica"})
            modelo.setCampo(o, "0");
        modelo.setCampo("MkePeriodo", "__/__/____");
    }

    void preparar(const QStringList &asignaciones)
    {
        for (const QString &a : asignaciones) {
            const QString nombre = a.section('=', 0, 0);
            const QString valor = a.section('=', 1);
            if (nombre == "iAccion")
                ventana.iAccion = valor.toInt();
            else if (nombre == "sPuedeRegistrar")
                ventana.sPuedeRegistrar = valor;
            else
                modelo.setCampo(nombre, valor);
        }
    }
};

const QString kTitulo = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta");

} // namespace

class TstCabecera : public QObject {
    Q_OBJECT
private slots:
    void validaPeriodo_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valida");
        QTest::newRow("primer dia aceptado") << "01/06/1997" << true;
        QTest::newRow("dia anterior") << "31/05/1997" << false;
        QTest::newRow("hoy") << "15/03/1999" << true;
        QTest::newRow("manana") << "16/03/1999" << false;
        QTest::newRow("mes 13") << "15/13/1998" << false;
        QTest::newRow("mes 0") << "15/00/1998" << false;
        QTest::newRow("dia 0") << "00/05/1998" << true;
        QTest::newRow("a medio escribir") << "12/__/____" << false;
        QTest::newRow("mascara vacia") << "__/__/____" << false;
        QTest::newRow("texto vacio") << "" << false;
    }

    void validaPeriodo()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valida);
        QCOMPARE(cabecera::ValidaPeriodo(texto, kHoy), valida);
    }

    void validaContForm1_data()
    {
        QTest::addColumn<QStringList>("cambios");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("foco");

        const QString kaven = "Registre el número asignado por KAVEN a la declaración que desea rectificar o sustituir.";
        QTest::newRow("correcta") << QStringList() << "" << "";
        QTest::newRow("sin contribuyente") << QStringList{"CmbRuc="} << "Debe seleccionar un Contribuyente."
                                           << "CmbRuc";
        QTest::newRow("modificar sin selector") << QStringList{"iAccion=1", "CmbRuc="} << "" << "";
        QTest::newRow("telefono 5") << QStringList{"TxtTelefono=12345"}
                                    << "Ingrese correctamente el teléfono." << "TxtTelefono";
        QTest::newRow("telefono 6") << QStringList{"TxtTelefono=123456"} << "" << "";
        QTest::newRow("telefono 3 blancos") << QStringList{"TxtTelefono=   "}
                                            << "Ingrese correctamente el teléfono." << "TxtTelefono";
        QTest::newRow("telefono 6 blancos") << QStringList{"TxtTelefono=      "} << "Ingrese el teléfono."
                                            << "TxtTelefono";
        QTest::newRow("telefono vacio") << QStringList{"TxtTelefono="} << "Ingrese el teléfono."
                                        << "TxtTelefono";
        QTest::newRow("ya existe") << QStringList{"sPuedeRegistrar=N"}
                                   << "La declaración que desea registrar ya existe, elija la opción "
                                      "modificar declaración o elija otro contribuyente."
                                   << "CmbRuc";
        QTest::newRow("agraria") << QStringList{"OptAgraria="}
                                 << "Indique si esta acogido o no a la ley de prom. agraria." << "cmdCancelar";
        QTest::newRow("IEAN") << QStringList{"OptIEAN="} << "Indique si esta o no afecto al IEAN."
                              << "cmdCancelar";
        QTest::newRow("anexo") << QStringList{"OptIEAN=1"} << "Indique si presento o no anexo."
                               << "cmdCancelar";
        QTest::newRow("anexo con IEAN No") << QStringList{"OptAnexo="} << "" << "";
        QTest::newRow("convenio") << QStringList{"OptConvEstab="}
                                  << "Indique si tiene o no convenio de estabilidad." << "cmdCancelar";
        QTest::newRow("rectifica") << QStringList{"OptRectifica="}
                                   << "Indique si la presente declaración rectifica o sustituye a otra."
                                   << "cmdCancelar";
        QTest::newRow("orden 8") << QStringList{"OptRectifica=1", "TxtNumOrden=12345678"} << "" << "";
        QTest::newRow("orden 8 con blancos") << QStringList{"OptRectifica=1", "TxtNumOrden= 12345678 "}
                                             << "" << "";
        QTest::newRow("orden 7") << QStringList{"OptRectifica=1", "TxtNumOrden=1234567"} << kaven
                                 << "cmdCancelar";
        QTest::newRow("orden 8 blancos") << QStringList{"OptRectifica=1", "TxtNumOrden=        "} << kaven
                                         << "cmdCancelar";
        QTest::newRow("orden sin rectificar") << QStringList{"TxtNumOrden=1"} << "" << "";
        QTest::newRow("fecha vacia") << QStringList{"OptAgraria=1"} << "Registre la fecha correctamente."
                                     << "MkePeriodo";
        QTest::newRow("fecha correcta") << QStringList{"OptAgraria=1", "MkePeriodo=15/03/1998"} << "" << "";
        QTest::newRow("fecha dia 0") << QStringList{"OptAgraria=1", "MkePeriodo=00/05/1998"}
                                     << "Registre la fecha correctamente." << "MkePeriodo";
        QTest::newRow("fecha futura") << QStringList{"OptAgraria=1", "MkePeriodo=16/03/1999"}
                                      << "Registre la fecha correctamente." << "MkePeriodo";
        QTest::newRow("fecha sin agraria") << QStringList{"MkePeriodo=99/99/9999"} << "" << "";
    }

    void validaContForm1()
    {
        QFETCH(QStringList, cambios);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        msg::ScriptedAnswerer m;
        Banco b;
        b.preparar(cambios);
        b.ventana.pagina = 2;

        QCOMPARE(b.cabecera.ValidaContForm1(), mensaje.isEmpty());
        if (mensaje.isEmpty()) {
            QVERIFY(m.shown().isEmpty());
            QCOMPARE(b.ventana.pagina, 2);
        } else {
            QCOMPARE(m.shown().size(), 1);
            QCOMPARE(m.shown()[0].text, mensaje);
            QCOMPARE(m.shown()[0].style, 16);
            QCOMPARE(m.shown()[0].title, kTitulo);
            QCOMPARE(b.ventana.pagina, 0);
        }
        QCOMPARE(b.ventana.tomarFoco(), foco);
    }

    void validaContForm_data()
    {
        QTest::addColumn<QStringList>("cambios");
        QTest::addColumn<bool>("resultado");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("sinContribuyente");

        QTest::newRow("correcta") << QStringList() << true << "" << "" << 2 << 0;
        QTest::newRow("sin contribuyente") << QStringList{"CmbRuc=           EMPRESA"} << false
                                           << "Debe seleccionar un Contribuyente." << "CmbRuc" << 0 << 1;
        QTest::newRow("telefono 5") << QStringList{"TxtTelefono=12345"} << false << "" << "" << 2 << 0;
        QTest::newRow("telefono blancos") << QStringList{"TxtTelefono=       "} << false << "" << "" << 2 << 0;
        QTest::newRow("ya existe") << QStringList{"sPuedeRegistrar=N"} << false
                                   << "La declaración que desea registrar ya existe, elija la opción "
                                      "modificar declaración o elija otro contribuyente."
                                   << "CmbRuc" << 0 << 0;
        QTest::newRow("agraria") << QStringList{"OptAgraria="} << false << "" << "cmdCancelar" << 2 << 0;
        QTest::newRow("IEAN") << QStringList{"OptIEAN="} << false << "" << "cmdCancelar" << 2 << 0;
        QTest::newRow("anexo") << QStringList{"OptIEAN=1"} << false << "Indique si presento o no anexo."
                               << "cmdCancelar" << 0 << 0;
        QTest::newRow("convenio") << QStringList{"OptConvEstab="} << false << "" << "" << 0 << 0;
        QTest::newRow("rectifica") << QStringList{"OptRectifica="} << false
                                   << "Indique si la presente declaración rectifica o sustituye a otra."
                                   << "cmdCancelar" << 0 << 0;
        QTest::newRow("orden en alta") << QStringList{"OptRectifica=1", "TxtNumOrden=1"} << true << "" << ""
                                       << 2 << 0;
        QTest::newRow("modificar sin respuestas")
            << QStringList{"iAccion=1", "TxtNumRuc=20100000009", "OptAgraria=", "OptIEAN=",
                           "OptConvEstab=", "OptRectifica="}
            << true << "" << "" << 2 << 0;
        QTest::newRow("modificar orden 7")
            << QStringList{"iAccion=1", "TxtNumRuc=20100000009", "OptRectifica=1", "TxtNumOrden=1234567"}
            << false << "" << "" << 2 << 0;
        QTest::newRow("modificar sin telefono")
            << QStringList{"iAccion=1", "TxtNumRuc=20100000009", "TxtTelefono="} << false << "" << "" << 2 << 0;
        QTest::newRow("modificar RUC no valido")
            << QStringList{"iAccion=1", "TxtNumRuc=20100000001"} << false << "El RUC no es Válido." << ""
            << 0 << 0;
    }

    void validaContForm()
    {
        QFETCH(QStringList, cambios);
        QFETCH(bool, resultado);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        QFETCH(int, pagina);
        QFETCH(int, sinContribuyente);
        msg::ScriptedAnswerer m;
        Banco b;
        b.preparar(cambios);
        b.ventana.pagina = 2;
        giSinContribuyente = 1;

        QCOMPARE(b.cabecera.ValidaContForm(), resultado);
        QCOMPARE(giSinContribuyente, sinContribuyente);
        QCOMPARE(m.shown().size(), mensaje.isEmpty() ? 0 : 1);
        if (!mensaje.isEmpty()) {
            QCOMPARE(m.shown()[0].text, mensaje);
            QCOMPARE(m.shown()[0].style, 16);
            QCOMPARE(m.shown()[0].title, kTitulo);
        }
        QCOMPARE(b.ventana.tomarFoco(), foco);
        QCOMPARE(b.ventana.pagina, pagina);
    }

    // Leaving the date box.
    void fechaAlSalir_data()
    {
        QTest::addColumn<QString>("agraria");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("rechazada");
        QTest::newRow("agraria Si, a medio escribir") << "1" << "12/__/____" << true;
        QTest::newRow("agraria Si, vacia") << "1" << "__/__/____" << true;
        QTest::newRow("agraria No, vacia") << "0" << "__/__/____" << false;
        QTest::newRow("agraria No, a medio escribir") << "0" << "12/__/____" << true;
        QTest::newRow("sin respuesta, a medio escribir") << "" << "12/05/19__" << true;
        QTest::newRow("completa sin revisar") << "1" << "99/99/9999" << false;
        QTest::newRow("completa") << "" << "12/05/1998" << false;
    }

    void fechaAlSalir()
    {
        QFETCH(QString, agraria);
        QFETCH(QString, texto);
        QFETCH(bool, rechazada);
        msg::ScriptedAnswerer m;
        Banco b;
        b.modelo.setCampo("OptAgraria", agraria);
        b.modelo.setCampo("MkePeriodo", texto);
        b.ventana.pagina = 4;
        b.modelo.bModificado = false;

        respuestas::MkePeriodo_LostFocus(b.modelo, b.ventana, b.cabecera);

        QCOMPARE(b.modelo.campo("MkePeriodo"), texto);
        QCOMPARE(b.modelo.bModificado, !rechazada);
        if (rechazada) {
            QCOMPARE(m.shown().size(), 1);
            QCOMPARE(m.shown()[0].text, QStringLiteral("La Fecha no es Válida."));
            QCOMPARE(m.shown()[0].style, 16);
            QCOMPARE(m.shown()[0].title, kTitulo);
            QCOMPARE(b.ventana.pagina, 0);
            QCOMPARE(b.ventana.tomarFoco(), QStringLiteral("MkePeriodo"));
        } else {
            QVERIFY(m.shown().isEmpty());
            QCOMPARE(b.ventana.pagina, 4);
        }
    }

    void fechaTeclas()
    {
        Banco b;
        b.modelo.bModificado = false;
        QVERIFY(!respuestas::MkePeriodo_KeyPress(b.modelo, '5'));
        QVERIFY(b.modelo.bModificado);
        QVERIFY(respuestas::MkePeriodo_KeyPress(b.modelo, 13));
    }

    void pestanaCero()
    {
        Banco b;
        b.ventana.mostrarFrames(false, false, false, false);
        b.ventana.iPestana = 3;
        respuestas::SSTab1_Click(b.modelo, b.ventana, b.cabecera, 0);
        for (int i : {1, 2, 4, 5})
            QVERIFY(b.ventana.frame[i]);
        QCOMPARE(b.ventana.iPestana, 0);
        QCOMPARE(b.ventana.helpContext, 300);
        QCOMPARE(b.ventana.tomarFoco(), QStringLiteral("TxtTelefono"));
    }

    // A data page entered with a faulty header stays empty and sends the user back.
    void pestanaConCabeceraIncompleta()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.modelo.setCampo("TxtTelefono", "");
        respuestas::SSTab1_Click(b.modelo, b.ventana, b.cabecera, 2);
        for (int i : {1, 2, 4, 5})
            QVERIFY(!b.ventana.frame[i]);
        QCOMPARE(b.ventana.pagina, 0);
        QCOMPARE(b.ventana.iPestana, 0);
        QCOMPARE(b.ventana.helpContext, 300);
        QCOMPARE(m.shown().size(), 1);
        QCOMPARE(m.shown()[0].text, QStringLiteral("Ingrese el teléfono."));
        QCOMPARE(b.ventana.tomarFoco(), QStringLiteral("TxtTelefono"));
    }

    void pestanas_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<bool>("marcoIean");     // Frame1(3) shown, else Frame1(0)
        QTest::addColumn<QList<int>>("cerradas");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<int>("ayuda");
        QTest::addColumn<bool>("vacia137");

        using QL = QList<int>;
        QTest::newRow("1") << 1 << true << QL{} << "TxtValor(300)" << 400 << false;
        QTest::newRow("2") << 2 << true << QL{} << "TxtValor(103)" << 500 << false;
        QTest::newRow("3 IEAN") << 3 << true << QL{} << "TxtValor(114)" << 600 << false;
        QTest::newRow("3 IEAN con anexo") << 3 << true << QL{114} << "TxtValor(120)" << 600 << false;
        QTest::newRow("3 sin IEAN") << 3 << false << QL{} << "TxtValor(130)" << 600 << false;
        QTest::newRow("4 con 137") << 4 << true << QL{} << "TxtValor(137)" << 700 << false;
        QTest::newRow("4 sin 137") << 4 << true << QL{137} << "TxtValor(140)" << 700 << true;
        QTest::newRow("4 solo 141") << 4 << true << QL{137, 140} << "TxtValor(141)" << 700 << true;
        QTest::newRow("4 ninguna") << 4 << true << QL{137, 140, 141} << "TxtValor(145)" << 700 << true;
        QTest::newRow("5") << 5 << true << QL{} << "TxtNombreA" << 0 << false;
    }

    void pestanas()
    {
        QFETCH(int, pagina);
        QFETCH(bool, marcoIean);
        QFETCH(QList<int>, cerradas);
        QFETCH(QString, foco);
        QFETCH(int, ayuda);
        QFETCH(bool, vacia137);
        msg::ScriptedAnswerer m;
        Banco b;
        b.ventana.frame[3] = marcoIean;
        b.ventana.frame[0] = !marcoIean;
        b.modelo.setTexto(137, "1");
        for (int n : cerradas)
            b.modelo.setHabilitada(n, false);

        respuestas::SSTab1_Click(b.modelo, b.ventana, b.cabecera, pagina);

        QVERIFY(m.shown().isEmpty());
        for (int i : {1, 2, 4, 5})
            QVERIFY(b.ventana.frame[i]);
        QCOMPARE(b.ventana.pagina, pagina);
        QCOMPARE(b.ventana.iPestana, pagina);
        QCOMPARE(b.ventana.helpContext, ayuda);
        QCOMPARE(b.ventana.tomarFoco(), foco);
        QCOMPARE(b.modelo.texto(137).isEmpty(), vacia137);
    }

    void lineaDeAyuda()
    {
        EstadoVentana v;
        v.ayuda = "[Cas. 113] = [Cas. 110] x TASA%";
        v.ayuda1 = "algo";
        v.colorAyuda = 0xC00000;
        respuestas::pAyudaFondo(v);
        QCOMPARE(v.ayuda, QStringLiteral("Anotar los importes en nuevos soles sin considerar centimos."));
        QCOMPARE(v.ayuda1, QString());
        QCOMPARE(v.colorAyuda, 0u);
    }
};

QTEST_GUILESS_MAIN(TstCabecera)
#include "tst_cabecera.moc"
