// The openers: exact annex names, what each window receives, the report codes.
#include "shell/ui/aperturas.h"
#include "shell/core/errorejecucion.h"

#include <QtTest>

namespace {
// What the fake windows saw when they were shown.
struct Visto {
    QString ventana;
    QString sRuc, sCasilla332, sCasilla333;
    int iAccion = -1;
    bool bEstadoContri = false;
    bool instanciaPuesta = false;
    QString como;   // "exec" or "pImprimir"
    DatosVistaPrevia previa;
};
Visto g_visto;

template <int N>
class AnexoFalso : public QDialog {
public:
    static inline AnexoFalso *instancia = nullptr;
    QString sRuc;
    int iAccion = 0;
    double dTotal = 0;
    QString sCasilla332, sCasilla333;
    int exec() override
    {
        g_visto.ventana = QString::number(N);
        g_visto.sRuc = sRuc;
        g_visto.iAccion = iAccion;
        g_visto.sCasilla332 = sCasilla332;
        g_visto.sCasilla333 = sCasilla333;
        g_visto.instanciaPuesta = instancia == this;
        dTotal = 1000.0 + N;
        return QDialog::Accepted;
    }
};

class TipPrnFalso : public QDialog {
public:
    bool bEstadoContri = false;
    int exec() override
    {
        g_visto.ventana = QStringLiteral("FrmTipPrnR");
        g_visto.bEstadoContri = bEstadoContri;
        return QDialog::Accepted;
    }
};

class PreviaFalsa : public QDialog {
public:
    QString sRuc, sPeriodo, sRaSoc, sFormulario;
    bool bAnexo = false;
    QString sCORREL, sNOrdenR, sControl;
    int iOpcion = 0;
    QString sCodReporte;
    bool bGl_recti = false;
    void anotar(const char *como)
    {
        g_visto.ventana = QStringLiteral("frmVPrevia");
        g_visto.como = QString::fromLatin1(como);
        g_visto.instanciaPuesta = gfrmPrevia == this;
        DatosVistaPrevia &d = g_visto.previa;
        d.iOpcion = iOpcion;
        d.bAnexo = bAnexo;
        d.sRuc = sRuc;
        d.sRaSoc = sRaSoc;
        d.sPeriodo = sPeriodo;
        d.sFormulario = sFormulario;
        d.bGl_recti = bGl_recti;
        d.sCORREL = sCORREL;
        d.sNOrdenR = sNOrdenR;
        d.sControl = sControl;
        d.sCodReporte = sCodReporte;
    }
    int exec() override
    {
        anotar("exec");
        return QDialog::Accepted;
    }
    void pImprimir() { anotar("pImprimir"); }
};
}

class TstAperturas : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        g_visto = Visto();
        registro::limpiar();
    }

    void anexo_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("ventana");
        QTest::newRow("frmAnexo117") << "frmAnexo117" << "117";
        QTest::newRow("FrmAnexo120") << "FrmAnexo120" << "120";
        QTest::newRow("frmanexo131") << "frmanexo131" << "131";
        QTest::newRow("frmanexo131A") << "frmanexo131A" << "1311";
        QTest::newRow("FrmAnexo117 (F mayuscula)") << "FrmAnexo117" << "";
        QTest::newRow("FrmAnexo131") << "FrmAnexo131" << "";
        QTest::newRow("frmanexo131a") << "frmanexo131a" << "";
        QTest::newRow("frmAnexo120") << "frmAnexo120" << "";
        QTest::newRow("blanco final") << "frmAnexo117 " << "";
        QTest::newRow("vacio") << "" << "";
    }
    void anexo()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, ventana);
        QVERIFY(registro::registrarAnexo<AnexoFalso<117>>(QStringLiteral("frmAnexo117"), &AnexoFalso<117>::instancia));
        QVERIFY(registro::registrarAnexo<AnexoFalso<120>>(QStringLiteral("FrmAnexo120"), &AnexoFalso<120>::instancia));
        QVERIFY(registro::registrarAnexo<AnexoFalso<131>>(QStringLiteral("frmanexo131"), &AnexoFalso<131>::instancia));
        QVERIFY(registro::registrarAnexo<AnexoFalso<1311>>(QStringLiteral("frmanexo131A"), &AnexoFalso<1311>::instancia));

        const QVariant total = pAbrirAnexo(QStringLiteral("20100000009"), 1, nombre, QStringLiteral("1,500"),
                                           QStringLiteral(""));
        QCOMPARE(g_visto.ventana, ventana);
        if (ventana.isEmpty()) {
            QVERIFY(!total.isValid());
            return;
        }
        QCOMPARE(total.typeId(), QMetaType::Double);
        QCOMPARE(total.toDouble(), 1000.0 + ventana.toInt());
        QCOMPARE(g_visto.sRuc, QStringLiteral("20100000009"));
        QCOMPARE(g_visto.iAccion, 1);
        QCOMPARE(g_visto.sCasilla332, QStringLiteral("1,500"));
        QCOMPARE(g_visto.sCasilla333, QString());
        QVERIFY(g_visto.instanciaPuesta);
        QVERIFY(!AnexoFalso<117>::instancia && !AnexoFalso<120>::instancia && !AnexoFalso<131>::instancia
                && !AnexoFalso<1311>::instancia);
    }

    void anexoSinVentanaRegistrada()
    {
        const QVariant total = pAbrirAnexo(QStringLiteral("20100000009"), 0, QStringLiteral("frmAnexo117"),
                                           QString(), QString());
        QVERIFY(!total.isValid());
        QCOMPARE(total.toDouble(), 0.0);
    }

    void soloLosCuatroNombres()
    {
        QVERIFY(!registro::registrarAnexo<AnexoFalso<117>>(QStringLiteral("FrmAnexo117")));
        QVERIFY(!registro::fabricaAnexo(QStringLiteral("FrmAnexo117")));
    }

    void tipoImpresion_data()
    {
        QTest::addColumn<bool>("enviadas");
        QTest::newRow("grabadas") << false;
        QTest::newRow("enviadas") << true;
    }
    void tipoImpresion()
    {
        QFETCH(bool, enviadas);
        QVERIFY(!fHayTipoImpresion());
        pAbrirTipoImpresion(enviadas);
        QCOMPARE(g_visto.ventana, QString());
        registro::registrarTipoImpresion<TipPrnFalso>();
        QVERIFY(fHayTipoImpresion());
        g_visto.bEstadoContri = !enviadas;
        pAbrirTipoImpresion(enviadas);
        QCOMPARE(g_visto.ventana, QStringLiteral("FrmTipPrnR"));
        QCOMPARE(g_visto.bEstadoContri, enviadas);
    }

    void vistaPrevia_data()
    {
        QTest::addColumn<int>("iOpcion");
        QTest::addColumn<bool>("bAnexo");
        QTest::addColumn<bool>("enviada");
        QTest::addColumn<QString>("como");
        QTest::addColumn<QString>("correl");
        QTest::addColumn<QString>("norden");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("codigo");
        QTest::newRow("grabada, preliminar") << 1 << true << false << "exec" << "" << "" << "" << "PR0003";
        QTest::newRow("grabada, imprimir") << 2 << false << false << "pImprimir" << "" << "" << "" << "PR0003";
        QTest::newRow("enviada, preliminar") << 1 << false << true << "exec" << "03" << "123456" << "777"
                                             << "PR0014";
        QTest::newRow("enviada, imprimir") << 2 << true << true << "pImprimir" << "03" << "123456" << "777"
                                           << "PR0014";
    }
    void vistaPrevia()
    {
        QFETCH(int, iOpcion);
        QFETCH(bool, bAnexo);
        QFETCH(bool, enviada);
        QFETCH(QString, como);
        QFETCH(QString, correl);
        QFETCH(QString, norden);
        QFETCH(QString, control);
        QFETCH(QString, codigo);
        registro::registrarVistaPrevia<PreviaFalsa>();
        // The row as the print dialog hands it over; NORDEN is a number there.
        const QVariantList aDatos = {QStringLiteral("20100000009"), QStringLiteral("COMERCIAL LOS ANDES"),
                                     QStringLiteral("1998"), QStringLiteral("0951"), QStringLiteral("03"),
                                     QVariant(123456.0), QStringLiteral("777")};
        pVistaPrevia(iOpcion, bAnexo, enviada, aDatos);
        QCOMPARE(g_visto.ventana, QStringLiteral("frmVPrevia"));
        QCOMPARE(g_visto.como, como);
        QVERIFY(g_visto.instanciaPuesta);
        QVERIFY(!gfrmPrevia);
        const DatosVistaPrevia &d = g_visto.previa;
        QCOMPARE(d.iOpcion, iOpcion);
        QCOMPARE(d.bAnexo, bAnexo);
        QCOMPARE(d.bGl_recti, enviada);
        QCOMPARE(d.sRuc, QStringLiteral("20100000009"));
        QCOMPARE(d.sRaSoc, QStringLiteral("COMERCIAL LOS ANDES"));
        QCOMPARE(d.sPeriodo, QStringLiteral("1998"));
        QCOMPARE(d.sFormulario, QStringLiteral("0951"));
        QCOMPARE(d.sCORREL, correl);
        QCOMPARE(d.sNOrdenR, norden);
        QCOMPARE(d.sControl, control);
        QCOMPARE(d.sCodReporte, codigo);
    }

    void vistaPreviaIndicesFaltantes_data()
    {
        QTest::addColumn<bool>("enviada");
        QTest::addColumn<int>("elementos");
        QTest::addColumn<bool>("falla");
        QTest::newRow("grabada con 4") << false << 4 << false;
        QTest::newRow("grabada con 3") << false << 3 << true;
        QTest::newRow("enviada con 6") << true << 6 << true;
        QTest::newRow("enviada con 7") << true << 7 << false;
    }
    void vistaPreviaIndicesFaltantes()
    {
        QFETCH(bool, enviada);
        QFETCH(int, elementos);
        QFETCH(bool, falla);
        registro::registrarVistaPrevia<PreviaFalsa>();
        QVariantList aDatos;
        for (int i = 0; i < elementos; ++i)
            aDatos << QString::number(i);
        try {
            pVistaPrevia(1, false, enviada, aDatos);
            QVERIFY(!falla);
            QCOMPARE(g_visto.ventana, QStringLiteral("frmVPrevia"));
        } catch (const ErrorEjecucion &e) {
            QVERIFY(falla);
            QCOMPARE(e.numero, 9);
            QCOMPARE(g_visto.ventana, QString());
        }
    }
};

QTEST_MAIN(TstAperturas)
#include "tst_aperturas.moc"
