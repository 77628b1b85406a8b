// The consistency rules: the reporting run into Mens.txt with its stop rules,
// and the silent run of the save.
#include "declaration/core/reglas/reglas.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "platform/utilitario.h"
#include "shell/core/modglobal.h"
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDate kHoy(1999, 3, 15);
const QString kTitulo = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta");
// Valid RUCs (check digit under the weights 5,4,3,2,7,6,5,4,3,2), the first
// one the taxpayer's.
const QString kRucPropio = QStringLiteral("20100000009");
const QString kRucA = QStringLiteral("10000000006");
const QString kRucB = QStringLiteral("20000000001");
const QString kRucMalo = QStringLiteral("20100000001");

struct Banco {
    ModeloCasillas modelo;
    EstadoVentana ventana;
    Cabecera cabecera{modelo, ventana};
    Reglas reglas{modelo, ventana, cabecera};
    int llamadasRuc = 0;
    QStringList topes;

    Banco()
    {
        cabecera.hoy = [] { return kHoy; };
        cabecera.validaRuc = [](const QString &ruc) { return cUtilitario().ValidaRuc(ruc); };
        reglas.servicios.rucValido = [this](const QString &ruc) {
            ++llamadasRuc;
            return cUtilitario().ValidaRuc(ruc);
        };
        reglas.servicios.ValidarMax124 = [this] { topes << "124"; return true; };
        reglas.servicios.ValidarMax132 = [this] { topes << "132"; return true; };
        ventana.iAccion = 0;
        ventana.sRuc = kRucPropio;
        ventana.sPuedeRegistrar = "S";
        modelo.setCampo("CmbRuc", kRucPropio + "       EMPRESA UNO SA");
        modelo.setCampo("TxtTelefono", "4412345");
        for (const char *o : {"OptAgraria", "OptIEAN", "OptConvEstab", "OptRectifica", "OptTipoCont"})
            modelo.setCampo(o, "0");
        modelo.setCampo("MkePeriodo", "__/__/____");
        modelo.setCampo("FormaDePagoZRV1.formapago", "X");
    }

    // A consistent declaration: balance sheet that balances, cash payment,
    // legal representative.
    void completar()
    {
        preparar({"300=1,000", "500=1,000", "306=400", "312=600", "502=1,000",
                  "FormaDePagoZRV1.formapago=E", "FormaDePagoZRV1.importe=100", "TxtNombre1A=PEREZ", "TxtNombre1N=JUAN",
                  "225=12345678"});
    }

    // "n=value" for a box, "Name=value" for a named field.
    void preparar(const QStringList &asignaciones)
    {
        for (const QString &a : asignaciones) {
            const QString nombre = a.section('=', 0, 0);
            const QString valor = a.section('=', 1);
            bool esCasilla = false;
            const int n = nombre.toInt(&esCasilla);
            if (esCasilla)
                modelo.setTexto(n, valor);
            else if (nombre == "iAccion")
                ventana.iAccion = valor.toInt();
            else
                modelo.setCampo(nombre, valor);
        }
    }
};

QStringList leerMens()
{
    QStringList lineas;
    if (!textfile::readLines(gsArchivoMensajes, &lineas))
        return {"<sin archivo>"};
    return lineas;
}

} // namespace

class TstReglas : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        gsSysPath = m_dir.path() + "/";
        gsArchivoMensajes.clear();
        gsMensaje.clear();
        giHayInconsistencias = 0;
        giSinContribuyente = 0;
        QFile::remove(gsSysPath + "Mens.txt");
    }

    void casiVacia()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        QVERIFY(b.reglas.ValidaDeclaracion());
        QCOMPARE(gsArchivoMensajes, gsSysPath + "Mens.txt");
        QFile real(gsArchivoMensajes);
        QVERIFY(real.open(QIODevice::ReadOnly));
        QFile esperado(QStringLiteral(QX_FIXTURES "/rules/mens_casi_vacia.txt"));
        QVERIFY(esperado.open(QIODevice::ReadOnly));
        QCOMPARE(real.readAll(), esperado.readAll());
        QCOMPARE(giHayInconsistencias, 1);
        QCOMPARE(gsMensaje, QStringLiteral("Ingrese los datos del Representante Legal"));
        QVERIFY(m.shown().isEmpty());
        QVERIFY(!b.reglas.DeclaracionCompleta());
    }

    void completa()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        QVERIFY(b.reglas.ValidaDeclaracion());
        QCOMPARE(leerMens(), QStringList());
        QCOMPARE(QFileInfo(gsArchivoMensajes).size(), 0);
        QCOMPARE(giHayInconsistencias, 0);
        QVERIFY(m.shown().isEmpty());
        QCOMPARE(b.topes, (QStringList{"124", "132"}));
        QVERIFY(b.reglas.DeclaracionCompleta());
    }

    void balance_data()
    {
        QTest::addColumn<QString>("activo");
        QTest::addColumn<QString>("pasivo");
        QTest::addColumn<bool>("escrita");
        QTest::newRow("cuadra") << "1,000" << "1,000" << false;
        QTest::newRow("no cuadra") << "1,000" << "999" << true;
        QTest::newRow("ambas vacias") << "" << "" << false;
        QTest::newRow("vacia y cero") << "" << "0" << false;
        QTest::newRow("negativas") << "(1,000)" << "(1,000)" << false;
        QTest::newRow("signo") << "1,000" << "(1,000)" << true;
    }

    void balance()
    {
        QFETCH(QString, activo);
        QFETCH(QString, pasivo);
        QFETCH(bool, escrita);
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar({"500=" + activo, "502=" + pasivo});
        QVERIFY(b.reglas.ValidaDeclaracion());
        const QStringList esperado = escrita
            ? QStringList{"El Total Activo debe ser igual a Total Pasivo + Patrimonio"} : QStringList();
        QCOMPARE(leerMens(), esperado);
        QCOMPARE(giHayInconsistencias, escrita ? 1 : 0);
    }

    // Each file rule over a consistent declaration: the lines it writes.
    void reglasArchivo_data()
    {
        QTest::addColumn<QStringList>("cambios");
        QTest::addColumn<QStringList>("lineas");

        const QString kaven = "Registre el número asignado por KAVEN a la declaración que desea rectificar o sustituir.";
        const QString ruc = "Ingrese el número de RUC";
        QTest::newRow("telefono vacio") << QStringList{"TxtTelefono="} << QStringList{"Ingrese el teléfono"};
        QTest::newRow("telefono 5") << QStringList{"TxtTelefono=12345"}
                                    << QStringList{"Ingrese correctamente el teléfono"};
        QTest::newRow("telefono 6") << QStringList{"TxtTelefono=123456"} << QStringList{};
        QTest::newRow("telefono 3 blancos") << QStringList{"TxtTelefono=   "}
                                            << QStringList{"Ingrese el teléfono", "Ingrese correctamente el teléfono"};
        QTest::newRow("sin respuestas")
            << QStringList{"OptAgraria=", "OptIEAN=", "OptConvEstab=", "OptRectifica="}
            << QStringList{"Indique si esta acogido o no a la ley de prom. agraria",
                           "Indique si esta o no afecto al IEAN",
                           "Indique si tiene o no convenio de estabilidad.",
                           "Especifique si la presente declaración rectifica o sustituye a otra."};
        QTest::newRow("anexo") << QStringList{"OptIEAN=1"} << QStringList{"Indique si presento o no anexo"};
        QTest::newRow("orden 7") << QStringList{"OptRectifica=1", "TxtNumOrden=1234567"} << QStringList{kaven};
        QTest::newRow("orden 9") << QStringList{"OptRectifica=1", "TxtNumOrden=123456789"} << QStringList{kaven};
        QTest::newRow("orden 8") << QStringList{"OptRectifica=1", "TxtNumOrden=12345678"} << QStringList{};
        QTest::newRow("orden sin rectificar") << QStringList{"TxtNumOrden=1"} << QStringList{};
        QTest::newRow("fecha 4888") << QStringList{"OptAgraria=1"}
                                    << QStringList{"Registre la fecha de presentación del formulario 4888"};
        QTest::newRow("pasivo, primera mitad") << QStringList{"306="}
                                               << QStringList{"Ingrese información en el Pasivo y/o Patrimonio"};
        QTest::newRow("pasivo, segunda mitad") << QStringList{"312="}
                                               << QStringList{"Ingrese información en el Pasivo y/o Patrimonio"};
        QTest::newRow("pasivo, ambas") << QStringList{"306=", "312="}
                                       << QStringList{"Ingrese información en el Pasivo y/o Patrimonio"};
        QTest::newRow("318 sin ganancias") << QStringList{"318=100"}
            << QStringList{"Si existe la casilla 318 ó 320 debe existir información en el Estado de Ganancias y Perdidas"};
        QTest::newRow("318 con ganancias") << QStringList{"318=100", "340=(5)"} << QStringList{};
        QTest::newRow("RUC sin monto") << QStringList{"203=" + kRucA, "204=" + kRucB}
                                       << QStringList{"Ingrese el Monto Invertido"};
        QTest::newRow("monto sin RUC") << QStringList{"205=100", "206=100", "201=200"} << QStringList{ruc, ruc};
        QTest::newRow("contratos sin monto") << QStringList{"217=" + kRucA, "218=" + kRucB}
                                             << QStringList{"Ingrese el monto de ingresos anuales"};
        QTest::newRow("contratos sin RUC") << QStringList{"219=10", "220=10", "215=20"} << QStringList{ruc, ruc};
        QTest::newRow("sin forma de pago") << QStringList{"FormaDePagoZRV1.formapago="} << QStringList{"Ingrese la forma de pago"};
        QTest::newRow("efectivo sin importe") << QStringList{"FormaDePagoZRV1.importe= "} << QStringList{"Ingrese el importe a pagar"};
        QTest::newRow("cheque sin numero") << QStringList{"FormaDePagoZRV1.formapago=C", "FormaDePagoZRV1.banco=BCP", "FormaDePagoZRV1.numcheque="}
                                           << QStringList{"Ingrese el número de cheque y/o banco"};
        QTest::newRow("cheque sin banco") << QStringList{"FormaDePagoZRV1.formapago=C", "FormaDePagoZRV1.banco=XX", "FormaDePagoZRV1.numcheque=123"}
                                          << QStringList{"Ingrese el número de cheque y/o banco"};
        QTest::newRow("cheque banco vacio") << QStringList{"FormaDePagoZRV1.formapago=C", "FormaDePagoZRV1.banco=", "FormaDePagoZRV1.numcheque=123"}
                                            << QStringList{"Ingrese el número de cheque y/o banco"};
        QTest::newRow("cheque cero") << QStringList{"FormaDePagoZRV1.formapago=C", "FormaDePagoZRV1.banco=BCP", "FormaDePagoZRV1.numcheque=0000"}
                                     << QStringList{"El  número de cheque no puede ser 0"};
        QTest::newRow("cheque con letras") << QStringList{"FormaDePagoZRV1.formapago=C", "FormaDePagoZRV1.banco=BCP", "FormaDePagoZRV1.numcheque=12AB"}
                                           << QStringList{};
        QTest::newRow("sin documento del representante") << QStringList{"225="}
                                                         << QStringList{"Ingrese los datos del Representante Legal"};
        QTest::newRow("saldo a favor") << QStringList{"138=(500)"}
                                       << QStringList{"Tiene saldo a favor, indique la opción en la casilla 137"};
        QTest::newRow("saldo a favor con 137") << QStringList{"138=(500)", "137=1"} << QStringList{};
        QTest::newRow("zona 26") << QStringList{"208=26"} << QStringList{};
        QTest::newRow("solo 211") << QStringList{"211=ABC"} << QStringList{};
        QTest::newRow("solo 209") << QStringList{"209=" + kRucA}
            << QStringList{"Debe ingresar el código de la zona de colegiatura del contador",
                           "Debe Ingresar el Nro. C.P.C. o el Nro. I.C.P. del contador"};
        QTest::newRow("zona 15") << QStringList{"208=15"}
            << QStringList{"Debe Ingresar el Nro. C.P.C. o el Nro. I.C.P. del contador"};
        QTest::newRow("211 y 212") << QStringList{"211=A1", "212=B2"}
            << QStringList{"Debe ingresar el código de la zona de colegiatura del contador"};
    }

    void reglasArchivo()
    {
        QFETCH(QStringList, cambios);
        QFETCH(QStringList, lineas);
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar(cambios);
        QVERIFY(b.reglas.ValidaDeclaracion());
        QCOMPARE(leerMens(), lineas);
        QCOMPARE(giHayInconsistencias, lineas.isEmpty() ? 0 : 1);
        QCOMPARE(b.reglas.DeclaracionCompleta(), lineas.isEmpty());
    }

    // The caps write the line they leave in gsMensaje, in table order.
    void topes()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar({"TxtTelefono="});
        b.reglas.servicios.ValidarMax132 = [] {
            gsMensaje = "La cas. 132 no debe ser mayor que la tasa media del Contribuyente: 3000";
            return false;
        };
        QVERIFY(b.reglas.ValidaDeclaracion());
        QCOMPARE(leerMens(), (QStringList{"Ingrese el teléfono",
                                          "La cas. 132 no debe ser mayor que la tasa media del Contribuyente: 3000"}));
    }

    void reglasParada_data()
    {
        QTest::addColumn<QStringList>("cambios");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<bool>("marco");

        const QString malo = "El RUC no es Válido.";
        const QString propio = "El RUC no puede ser igual al RUC del Contribuyente.";
        const QString fecha = "La fecha no es Válida.";
        QTest::newRow("S1") << QStringList{"203=" + kRucMalo, "205=1", "201=1"} << malo << 5 << "TxtValor(203)" << true;
        QTest::newRow("S2") << QStringList{"203=" + kRucPropio, "205=1", "201=1"} << propio << 5 << "TxtValor(203)" << true;
        QTest::newRow("S3") << QStringList{"204=" + kRucMalo, "206=1", "201=1"} << malo << 5 << "TxtValor(204)" << true;
        QTest::newRow("S4") << QStringList{"204= " + kRucPropio, "206=1", "201=1"} << propio << 5 << "TxtValor(204)" << true;
        QTest::newRow("S5") << QStringList{"203=" + kRucA, "204=" + kRucA, "205=1", "206=1", "201=2"}
                            << "Los RUC de los principales beneficiarios deben ser distintos." << 5 << "TxtValor(203)" << true;
        // Page 5 brought forward shows its content, as every rule's page does.
        QTest::newRow("S6") << QStringList{"201=100", "205=60", "206=41", "203=" + kRucA, "204=" + kRucB}
                            << "La casilla 201 no puede ser menor que la suma de las casillas 205 y 206." << 5
                            << "TxtValor(201)" << true;
        QTest::newRow("S7") << QStringList{"209=" + kRucMalo, "208=15", "211=A"} << malo << 5 << "TxtValor(209)" << true;
        QTest::newRow("S8") << QStringList{"209=" + kRucPropio, "208=15", "211=A"} << propio << 5 << "TxtValor(209)" << true;
        QTest::newRow("S9") << QStringList{"226=" + kRucMalo} << malo << 5 << "TxtValor(226)" << true;
        QTest::newRow("S10") << QStringList{"226=" + kRucPropio} << propio << 5 << "TxtValor(226)" << true;
        QTest::newRow("S11") << QStringList{"217=" + kRucMalo, "219=1", "215=1"} << malo << 5 << "TxtValor(217)" << true;
        QTest::newRow("S12") << QStringList{"217=" + kRucPropio, "219=1", "215=1"} << propio << 5 << "TxtValor(217)" << true;
        QTest::newRow("S13") << QStringList{"218=" + kRucMalo, "220=1", "215=1"} << malo << 5 << "TxtValor(218)" << true;
        QTest::newRow("S14") << QStringList{"218=" + kRucPropio, "220=1", "215=1"} << propio << 5 << "TxtValor(218)" << true;
        QTest::newRow("S15") << QStringList{"217=" + kRucA, "218=" + kRucA, "219=1", "220=1", "215=2"}
                             << "Los RUC de los contratos deben ser distintos." << 5 << "TxtValor(217)" << true;
        QTest::newRow("S16") << QStringList{"215=100", "219=60", "220=41", "217=" + kRucA, "218=" + kRucB}
                             << "La casilla 215 no puede ser menor que la suma de las casillas 219 y 220." << 5
                             << "TxtValor(215)" << true;
        QTest::newRow("S17") << QStringList{"OptAgraria=1", "MkePeriodo=31/05/1997"} << fecha << 0 << "MkePeriodo" << false;
        QTest::newRow("S17 dia 0") << QStringList{"OptAgraria=1", "MkePeriodo=00/05/1998"} << fecha << 0 << "MkePeriodo" << false;
        QTest::newRow("S18") << QStringList{"MkePeriodo=15/13/1998"} << fecha << 0 << "MkePeriodo" << false;
        QTest::newRow("S18 futura") << QStringList{"MkePeriodo=16/03/1999"} << fecha << 0 << "MkePeriodo" << false;
    }

    void reglasParada()
    {
        QFETCH(QStringList, cambios);
        QFETCH(QString, mensaje);
        QFETCH(int, pagina);
        QFETCH(QString, foco);
        QFETCH(bool, marco);
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar(cambios);
        b.ventana.pagina = 2;
        b.ventana.iPestana = 2;
        b.ventana.helpContext = 500;
        b.ventana.mostrarFrames(false, false, false, false);
        int paginaAlMensaje = -1;
        b.ventana.alMostrarPagina = [&](int p) { paginaAlMensaje = p; };

        QVERIFY(!b.reglas.ValidaDeclaracion());
        QCOMPARE(m.shown().size(), 1);
        QCOMPARE(m.shown()[0].text, mensaje);
        QCOMPARE(m.shown()[0].style, 16);
        QCOMPARE(m.shown()[0].title, kTitulo);
        QCOMPARE(b.ventana.pagina, pagina);
        QCOMPARE(paginaAlMensaje, pagina);
        QCOMPARE(b.ventana.tomarFoco(), foco);
        QCOMPARE(b.ventana.frame[5], marco);
        // The page is the one entered now, with its help topic.
        QCOMPARE(b.ventana.iPestana, pagina);
        QCOMPARE(b.ventana.helpContext, pagina == 5 ? 0 : 300);
        // The file rules were written before the stop.
        QCOMPARE(leerMens(), QStringList());
    }

    void sumasIgualesPasan()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar({"201=100", "205=60", "206=40", "203=" + kRucA, "204=" + kRucB,
                    "215=100", "219=60", "220=40", "217=" + kRucA, "218=" + kRucB});
        QVERIFY(b.reglas.ValidaDeclaracion());
        QVERIFY(m.shown().isEmpty());
        QVERIFY(b.reglas.DeclaracionCompleta());
    }

    // A stop rule stops after the whole file was written; a file fault does
    // not change the result.
    void paradaTrasArchivo()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar({"TxtTelefono=12345", "226=" + kRucMalo, "OptAgraria=1", "MkePeriodo=31/05/1997"});
        QVERIFY(!b.reglas.ValidaDeclaracion());
        QCOMPARE(leerMens(), QStringList{"Ingrese correctamente el teléfono"});
        QCOMPARE(giHayInconsistencias, 1);
        // Only the first stop rule is shown.
        QCOMPARE(m.shown().size(), 1);
        QCOMPARE(m.shown()[0].text, QStringLiteral("El RUC no es Válido."));
    }

    void fechaAgrariaVacia()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar({"OptAgraria=1"});
        QVERIFY(b.reglas.ValidaDeclaracion());
        QCOMPARE(giHayInconsistencias, 1);
        QVERIFY(!b.reglas.DeclaracionCompleta());
    }

    // A date typed under the agrarian "&No" stops the reporting run only.
    void fechaSinAgraria()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar({"MkePeriodo=15/13/1998"});
        QVERIFY(!b.reglas.ValidaDeclaracion());
        QVERIFY(b.reglas.DeclaracionCompleta());
    }

    void sinContribuyente()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.preparar({"CmbRuc="});
        const QString anterior = gsSysPath + "Mens.txt";
        QVERIFY(textfile::writeLines(anterior, {"Ingrese el teléfono"}));
        gsArchivoMensajes = "anterior";
        giHayInconsistencias = 1;

        QVERIFY(!b.reglas.ValidaDeclaracion());
        QCOMPARE(giHayInconsistencias, 0);
        QCOMPARE(gsArchivoMensajes, QStringLiteral("anterior"));
        QStringList lineas;
        QVERIFY(textfile::readLines(anterior, &lineas));
        QCOMPARE(lineas, QStringList{"Ingrese el teléfono"});
        QCOMPARE(m.shown().size(), 1);
        QCOMPARE(m.shown()[0].text, QStringLiteral("Debe seleccionar un Contribuyente."));
    }

    // The reporting run reads the RUC of the identification, the silent run sRuc.
    void rucDelContribuyente()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar({"iAccion=1", "TxtNumRuc=" + kRucA, "226=" + kRucA});
        QVERIFY(!b.reglas.ValidaDeclaracion());
        QCOMPARE(m.shown().value(0).text, QStringLiteral("El RUC no puede ser igual al RUC del Contribuyente."));
        QVERIFY(b.reglas.DeclaracionCompleta());
        b.ventana.sRuc = kRucA;
        QVERIFY(!b.reglas.DeclaracionCompleta());
    }

    // The silent run stops at its first failure: nothing behind it is asked.
    void silenciosaParaEnPrimerFallo()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        b.preparar({"TxtTelefono="});
        QVERIFY(!b.reglas.DeclaracionCompleta());
        QCOMPARE(b.llamadasRuc, 0);
        QVERIFY(b.topes.isEmpty());

        b.preparar({"TxtTelefono=4412345", "FormaDePagoZRV1.formapago=X"});
        QVERIFY(!b.reglas.DeclaracionCompleta());
        QCOMPARE(b.llamadasRuc, 6);   // the six RUC checks come before the payment
        QVERIFY(b.topes.isEmpty());
        QVERIFY(m.shown().isEmpty());
        QCOMPARE(giHayInconsistencias, 0);
        QVERIFY(!QFile::exists(gsSysPath + "Mens.txt"));
    }

    void silenciosaTopesAlFinal()
    {
        Banco b;
        b.completar();
        b.reglas.servicios.ValidarMax124 = [&b] { b.topes << "124"; return false; };
        QVERIFY(!b.reglas.DeclaracionCompleta());
        QCOMPARE(b.topes, QStringList{"124"});
        b.reglas.servicios.ValidarMax124 = [&b] { b.topes << "124"; return true; };
        b.reglas.servicios.ValidarMax132 = [] { return false; };
        QVERIFY(!b.reglas.DeclaracionCompleta());
    }

    // A list that cannot be written is an error, never a passed run.
    void mensNoSeGraba()
    {
        msg::ScriptedAnswerer m;
        Banco b;
        b.completar();
        gsSysPath = m_dir.path() + "/no-existe/";
        QVERIFY(!b.reglas.ValidaDeclaracion());
        QCOMPARE(m.shown().size(), 1);
        QVERIFY(m.shown()[0].text.startsWith(
            "No se pudo grabar el archivo de inconsistencias " + m_dir.path() + "/no-existe/Mens.txt."));
        QCOMPARE(m.shown()[0].style, 16);
        QCOMPARE(m.shown()[0].title, kTitulo);
    }
};

QTEST_GUILESS_MAIN(TstReglas)
#include "tst_reglas.moc"
