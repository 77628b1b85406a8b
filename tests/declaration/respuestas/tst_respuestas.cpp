// The seven answers of page 0: which boxes each one empties, opens, closes
// and locks, which calculations it reruns, and what it leaves for the window.
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/respuestas/respuestas.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include <QtTest>

namespace {

// Every box starts filled with "9", enabled, unlocked and with a colour no
// handler uses, so that each change is visible.
constexpr quint32 kSinTocar = 0x123456;

struct Banco {
    ModeloCasillas modelo;
    EstadoVentana ventana;
    Respuestas respuestas{modelo, ventana};
    QStringList calculos;

    Banco()
    {
        for (int n : ListaCasillas::aCasillas()) {
            modelo.agregar(n);
            modelo.setTexto(n, QStringLiteral("9"));
            modelo.setColor(n, kSinTocar);
        }
        modelo.setTexto(505, QStringLiteral("1,500"));
        modelo.setTexto(338, QStringLiteral("(200)"));
        CalculosRespuestas &c = respuestas.calculos;
        c.Calcular113 = [this] { calculos << "113"; };
        c.Calcular511 = [this] { calculos << "511"; };
        c.Calcular117 = [this] { calculos << "117"; };
        c.Calcular120 = [this] { calculos << "120"; };
        c.Calcular128_131 = [this](int n) { calculos << QStringLiteral("128_131(%1)").arg(n); };
        c.Calcular128A_131A = [this](int n) { calculos << QStringLiteral("128A_131A(%1)").arg(n); };
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
            else
                modelo.setCampo(nombre, valor);
        }
    }

    QList<int> vaciadas() const
    {
        QList<int> l;
        for (int n : modelo.numeros())
            if (modelo.texto(n).isEmpty())
                l << n;
        return l;
    }

    // "120C": enabled and cyan; "122B": enabled and white; "114G": disabled and grey.
    QStringList estados() const
    {
        QStringList l;
        for (int n : modelo.numeros()) {
            const quint32 c = modelo.color(n);
            if (c == kSinTocar)
                continue;
            const bool abierta = modelo.habilitada(n);
            QString e = QString::number(n);
            if (c == Color::Gris && !abierta) e += 'G';
            else if (c == Color::Blanco && abierta) e += 'B';
            else if (c == Color::Cyan && abierta) e += 'C';
            else e += '?';
            l << e;
        }
        return l;
    }

    QList<int> bloqueadas() const
    {
        QList<int> l;
        for (int n : modelo.numeros())
            if (modelo.bloqueada(n))
                l << n;
        return l;
    }
};

QList<int> sorted(QList<int> l)
{
    std::sort(l.begin(), l.end());
    return l;
}

} // namespace

class TstRespuestas : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        gsTasa = QStringLiteral("30");
        giCargandoForm = 0;
    }

    void efectos_data()
    {
        QTest::addColumn<QStringList>("antes");
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("vaciadas");
        QTest::addColumn<QStringList>("estados");
        QTest::addColumn<QList<int>>("bloqueadas");
        QTest::addColumn<QStringList>("calculos");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<bool>("modificado");

        const QList<int> sinIean = {130, 131, 132, 133, 134, 511, 512, 513};
        using QL = QList<int>;

        QTest::newRow("exonerado Si") << QStringList() << "OptTipoCont" << 1 << QL{} << QStringList{}
                                      << QL{} << QStringList{"113"} << QStringList{"sExonerado=1"} << true;
        QTest::newRow("exonerado No") << QStringList() << "OptTipoCont" << 0 << QL{} << QStringList{}
                                      << QL{} << QStringList{"113"} << QStringList{"sExonerado=0"} << true;
        QTest::newRow("convenio Si") << QStringList() << "OptConvEstab" << 1 << QL{} << QStringList{}
                                     << QL{} << QStringList{"113"} << QStringList{"sConvenio=1"} << true;
        QTest::newRow("convenio No") << QStringList() << "OptConvEstab" << 0 << QL{} << QStringList{}
                                     << QL{} << QStringList{"113"} << QStringList{"sConvenio=0"} << true;
        QTest::newRow("agraria Si") << QStringList() << "OptAgraria" << 1 << QL{}
                                    << QStringList{"201B", "203B", "204B", "205B", "206B"} << QL{}
                                    << QStringList{"113"} << QStringList{"sAgraria=1"} << true;
        QTest::newRow("agraria No") << QStringList() << "OptAgraria" << 0 << QL{201, 203, 204, 205, 206}
                                    << QStringList{"201G", "203G", "204G", "205G", "206G"} << QL{}
                                    << QStringList{"113"} << QStringList{"sAgraria=0"} << true;
        QTest::newRow("IEAN No") << QStringList{"OptAnexo=1"} << "OptIEAN" << 0 << QL{}
                                 << QStringList{"127B"} << QL{}
                                 << QStringList{"511", "128_131(131)", "113"}
                                 << QStringList{"sIEAN=0", "OptAnexo="} << true;
        QTest::newRow("IEAN Si, sin anexo") << QStringList() << "OptIEAN" << 1 << sinIean
                                            << QStringList{} << QL{} << QStringList{"113"}
                                            << QStringList{"sIEAN=1", "OptAnexo="} << true;
        QTest::newRow("IEAN Si, anexo Si") << QStringList{"OptAnexo=1"} << "OptIEAN" << 1
                                           << sorted(sinIean + QL{127}) << QStringList{"127G"} << QL{}
                                           << QStringList{"113"} << QStringList{"sIEAN=1", "OptAnexo=1"}
                                           << true;
        QTest::newRow("IEAN Si, anexo No") << QStringList{"OptAnexo=0"} << "OptIEAN" << 1 << sinIean
                                           << QStringList{"127B"} << QL{} << QStringList{"113"}
                                           << QStringList{"sIEAN=1", "OptAnexo=0"} << true;
        QTest::newRow("anexo Si, IEAN Si") << QStringList{"OptIEAN=1"} << "OptAnexo" << 1
                                           << QL{114, 115, 116, 117, 119, 127, 506, 507}
                                           << QStringList{"114G", "115G", "117G", "120C", "122B", "127G"}
                                           << QL{} << QStringList{"120", "128A_131A(128)"}
                                           << QStringList{"OptAnexo=1", "sAnexo="} << true;
        QTest::newRow("anexo Si, IEAN No") << QStringList{"OptIEAN=0"} << "OptAnexo" << 1
                                           << QL{114, 115, 116, 117, 119, 506, 507}
                                           << QStringList{"114G", "115G", "117G", "120C", "122B"}
                                           << QL{} << QStringList{} << QStringList{"OptAnexo=1"} << true;
        QTest::newRow("anexo No, IEAN Si") << QStringList{"OptIEAN=1"} << "OptAnexo" << 0
                                           << QL{120, 122, 508}
                                           << QStringList{"114B", "115B", "117C", "120G", "122G", "127B"}
                                           << QL{} << QStringList{"117", "128_131(128)"}
                                           << QStringList{"OptAnexo=0", "sAnexo="} << true;
        QTest::newRow("anexo No, IEAN No") << QStringList{"OptIEAN=0"} << "OptAnexo" << 0
                                           << QL{120, 122, 508}
                                           << QStringList{"114B", "115B", "117C", "120G", "122G", "127B"}
                                           << QL{} << QStringList{} << QStringList{"OptAnexo=0"} << true;
        QTest::newRow("rectifica Si") << QStringList{"TxtNumOrden=12345678"} << "OptRectifica" << 1
                                      << QL{} << QStringList{} << QL{} << QStringList{}
                                      << QStringList{"sRectifica=1", "TxtNumOrden=12345678"} << true;
        QTest::newRow("rectifica No") << QStringList{"TxtNumOrden=12345678"} << "OptRectifica" << 0
                                      << QL{} << QStringList{} << QL{} << QStringList{}
                                      << QStringList{"sRectifica=0", "TxtNumOrden="} << true;
        QTest::newRow("domiciliado") << QStringList() << "OptDomiciliado" << 1 << QL{}
                                     << QStringList{"100G"} << QL{100} << QStringList{}
                                     << QStringList{"sDomiciliado=1"} << false;
        QTest::newRow("no domiciliado") << QStringList() << "OptDomiciliado" << 0 << QL{}
                                        << QStringList{"100B"} << QL{} << QStringList{}
                                        << QStringList{"sDomiciliado=0"} << false;
        // A pair has no third option: only the steps every click runs.
        QTest::newRow("IEAN, otro indice") << QStringList{"sIEAN=1"} << "OptIEAN" << 2 << QL{} << QStringList{}
                                           << QL{} << QStringList{"113"} << QStringList{"OptIEAN=", "sIEAN=1"}
                                           << false;
        QTest::newRow("convenio, otro indice") << QStringList{"sConvenio=1"} << "OptConvEstab" << 2 << QL{}
                                               << QStringList{} << QL{} << QStringList{"113"}
                                               << QStringList{"OptConvEstab=", "sConvenio=1"} << false;
        QTest::newRow("agraria, otro indice") << QStringList{"sAgraria=0"} << "OptAgraria" << 2 << QL{}
                                              << QStringList{} << QL{} << QStringList{"113"}
                                              << QStringList{"OptAgraria=", "sAgraria=0"} << false;
        QTest::newRow("rectifica, otro indice") << QStringList{"sRectifica=1", "TxtNumOrden=12345678"}
                                                << "OptRectifica" << 2 << QL{} << QStringList{} << QL{}
                                                << QStringList{}
                                                << QStringList{"OptRectifica=", "sRectifica=1", "TxtNumOrden=12345678"}
                                                << false;
    }

    void efectos()
    {
        QFETCH(QStringList, antes);
        QFETCH(QString, opcion);
        QFETCH(int, index);
        QFETCH(QList<int>, vaciadas);
        QFETCH(QStringList, estados);
        QFETCH(QList<int>, bloqueadas);
        QFETCH(QStringList, calculos);
        QFETCH(QStringList, campos);
        QFETCH(bool, modificado);

        msg::ScriptedAnswerer mensajes;
        Banco b;
        b.preparar(antes);
        b.respuestas.click(opcion, index);

        QCOMPARE(b.vaciadas(), vaciadas);
        QCOMPARE(b.estados(), estados);
        QCOMPARE(b.bloqueadas(), bloqueadas);
        QCOMPARE(b.calculos, calculos);
        for (const QString &c : campos)
            QCOMPARE(c.section('=', 0, 0) + '=' + b.modelo.campo(c.section('=', 0, 0)), c);
        if (index == 0 || index == 1)
            QCOMPARE(b.modelo.campo(opcion), QString::number(index));
        QCOMPARE(b.modelo.bModificado, modificado);
    }

    void tasaDelConvenio()
    {
        Banco b;
        b.respuestas.click("OptConvEstab", 0);
        QCOMPARE(gsTasa, QStringLiteral("30"));
        b.respuestas.click("OptConvEstab", 1);
        QCOMPARE(gsTasa, QStringLiteral("100"));
    }

    // The answer carries the whole result of the income statement: the income
    // of box 505 into 100 and the loss of box 338 into 101.
    void domiciliadoCopiaResultado_data()
    {
        QTest::addColumn<QString>("c505");
        QTest::addColumn<QString>("c338");
        QTest::newRow("ganancia") << "1,500" << "(0)";
        QTest::newRow("perdida") << "0" << "(3,000)";
        QTest::newRow("sin estado") << "" << "";
    }

    void domiciliadoCopiaResultado()
    {
        QFETCH(QString, c505);
        QFETCH(QString, c338);
        Banco b;
        b.modelo.setTexto(505, c505);
        b.modelo.setTexto(338, c338);
        QList<int> cambiadas;
        QObject::connect(&b.modelo, &ModeloCasillas::textoCambiado, [&](int n) { cambiadas << n; });
        b.respuestas.click("OptDomiciliado", 1);
        QCOMPARE(b.modelo.texto(100), c505);
        QCOMPARE(b.modelo.texto(101), c338);
        // Both changes reach the dispatch, 100 before 101.
        QCOMPARE(cambiadas, (QList<int>{100, 101}));
    }

    void noDomiciliadoConservaTexto()
    {
        Banco b;
        b.respuestas.click("OptDomiciliado", 1);
        b.respuestas.click("OptDomiciliado", 0);
        QCOMPARE(b.modelo.texto(100), QStringLiteral("1,500"));
        QVERIFY(!b.modelo.bloqueada(100));
        QVERIFY(b.modelo.habilitada(100));
    }

    void agrariaNoConservaFecha()
    {
        Banco b;
        b.modelo.setCampo("MkePeriodo", "15/03/1998");
        b.respuestas.click("OptAgraria", 1);
        QCOMPARE(b.ventana.control("MkePeriodo").habilitado, true);
        QCOMPARE(b.ventana.control("MkePeriodo").color, Color::Blanco);
        QCOMPARE(b.ventana.control("Label1(9)").habilitado, true);
        b.respuestas.click("OptAgraria", 0);
        QCOMPARE(b.modelo.campo("MkePeriodo"), QStringLiteral("15/03/1998"));
        QCOMPARE(b.ventana.control("MkePeriodo").habilitado, false);
        QCOMPARE(b.ventana.control("MkePeriodo").color, Color::Gris);
        QCOMPARE(b.ventana.control("Label1(9)").habilitado, false);
    }

    void ieanMarcos()
    {
        Banco b;
        b.respuestas.click("OptIEAN", 1);
        QVERIFY(b.ventana.frame[3]);
        QVERIFY(!b.ventana.frame[0]);
        QVERIFY(b.ventana.control("OptAnexo").habilitado);
        QVERIFY(b.ventana.control("Label1(8)").habilitado);
        b.respuestas.click("OptIEAN", 0);
        QVERIFY(!b.ventana.frame[3]);
        QVERIFY(b.ventana.frame[0]);
        QVERIFY(!b.ventana.control("OptAnexo").habilitado);
        QVERIFY(!b.ventana.control("Label1(8)").habilitado);
    }

    // IEAN "&Si" with no annex answer leaves box 127; the annex "&No" then opens it.
    void caja127TrasIean()
    {
        Banco b;
        b.modelo.setHabilitada(127, false);
        b.modelo.setColor(127, Color::Gris);
        b.respuestas.click("OptIEAN", 1);
        QVERIFY(!b.modelo.habilitada(127));
        QCOMPARE(b.modelo.texto(127), QStringLiteral("9"));
        b.respuestas.click("OptAnexo", 0);
        QVERIFY(b.modelo.habilitada(127));
        QCOMPARE(b.modelo.color(127), Color::Blanco);
    }

    void rectificaRecordatorio_data()
    {
        QTest::addColumn<int>("cargando");
        QTest::addColumn<int>("mensajes");
        QTest::newRow("clic") << 0 << 1;
        QTest::newRow("carga") << -1 << 0;
    }

    void rectificaRecordatorio()
    {
        QFETCH(int, cargando);
        QFETCH(int, mensajes);
        msg::ScriptedAnswerer m;
        Banco b;
        giCargandoForm = cargando;
        b.respuestas.seleccionar("OptRectifica", "1");
        QCOMPARE(m.shown().size(), mensajes);
        if (mensajes) {
            QCOMPARE(m.shown()[0].text, QStringLiteral(
                "Recuerde que debe consignar información en todas las casillas ingresadas en la "
                "declaración original, inclusive en las de determinación de la deuda"));
            QCOMPARE(m.shown()[0].style, 48);
            QCOMPARE(m.shown()[0].title, b.ventana.titulo);
        }
        QVERIFY(b.ventana.control("TxtNumOrden").habilitado);
        QVERIFY(b.ventana.control("Label1(10)").habilitado);
        giCargandoForm = 0;
    }

    void seleccionarRespuestaGuardada_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("seleccion");
        QTest::addColumn<QStringList>("calculos");
        QTest::newRow("1") << " 1 " << "1" << QStringList{"113"};
        QTest::newRow("0") << "0" << "0" << QStringList{"511", "128_131(131)", "113"};
        QTest::newRow("vacio") << "" << "" << QStringList{};
        QTest::newRow("otro") << "2" << "" << QStringList{};
    }

    void seleccionarRespuestaGuardada()
    {
        QFETCH(QString, texto);
        QFETCH(QString, seleccion);
        QFETCH(QStringList, calculos);
        Banco b;
        b.respuestas.seleccionar("OptIEAN", texto);
        QCOMPARE(b.modelo.campo("OptIEAN"), seleccion);
        QCOMPARE(b.calculos, calculos);
    }
};

QTEST_GUILESS_MAIN(TstRespuestas)
#include "tst_respuestas.moc"
