// The rule runs behind "&Validar Decla." and "&Grabar": a stop rule keeps the
// database untouched, the silent run decides the stored state.
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/reglas/reglasdeclaracion.h"
#include "declaration/core/reglas/validacion.h"
#include "platform/msgbox.h"
#include "platform/utilitario.h"
#include "shell/core/modglobal.h"
#include "../../support/testdb.h"
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100000009");

// A declaration window without widgets whose rule runs are the real ones.
class Ventana : public VentanaDeclaracion {
public:
    Ventana()
    {
        ListaCasillas::pInicializar(m);
        reglas.vincularCalculos(calculos);
        m.setCampo(Campos::MkePeriodo, Campos::MascaraVacia);
        m.setCampo(Campos::TxtNumRuc, kRuc);
        m.setCampo(Campos::sRuc, kRuc);
        m.setCampo(Campos::TxtTelefono, "4412345");
        for (const QString &o : {Campos::OptAgraria, Campos::OptIEAN, Campos::OptConvEstab,
                                 Campos::OptRectifica, Campos::OptTipoCont})
            m.setCampo(o, "0");
        m.setCampo(Campos::FormaPago, "E");
        m.setCampo(Campos::Importe, "100");
        m.setCampo(Campos::TxtNombre1A, "PEREZ");
        m.setCampo(Campos::TxtNombre1N, "JUAN");
        for (auto [n, t] : {std::pair{300, "1,000"}, {500, "1,000"}, {306, "400"}, {312, "600"},
                            {502, "1,000"}, {225, "12345678"}})
            m.setTexto(n, t);
    }

    ModeloCasillas &modelo() override { return m; }
    QList<int> aCasillas() const override { return ListaCasillas::aCasillas(); }
    int iAccion() const override { return 1; }
    QString sRuc() const override { return kRuc; }
    QString sPuedeRegistrar() const override { return "S"; }
    QString caption() const override { return "951 Declaración Pago Anual Impuesto a la Renta"; }
    DeclaracionLeida &leida() override { return declaracionLeida; }

    bool DeclaracionCompleta() override { return reglas.DeclaracionCompleta(*this); }
    bool ValidaDeclaracion() override { return reglas.ValidaDeclaracion(*this); }
    bool ValidaPeriodo(const QString &f) override { return cabecera::ValidaPeriodo(f, QDate(1999, 3, 15)); }

    void pMostrarPagina(int p) override { paginas << p; }
    void pEnfocar(const QString &c) override { focos << c; }
    void pMostrarFrame(int e) override { frames << e; }

    ModeloCasillas m;
    DeclaracionLeida declaracionLeida;
    CalculosDeclaracion calculos{m};
    ReglasDeclaracion reglas{m};
    QList<int> paginas;
    QStringList focos;
    QList<int> frames;
};

int filas(const QString &tabla)
{
    return gdbBase->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabla)).toInt();
}

} // namespace

class TstReglasGrabacion : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    cUtilitario m_util;

private slots:
    void init()
    {
        m_env = std::make_unique<testdb::Entorno>();
        QVERIFY(m_env->valido());
        gdbBase = m_env->abrir();
        // The RUC as PARAM '044' describes it: eleven characters, checked by
        // the host component.
        QString funcion = QString(130, ' ');
        funcion.replace(45, 2, "11");
        funcion[127] = '0';
        funcion[129] = '1';
        gdbBase->exec("INSERT INTO PARAM (NUMERO, ARGUMENTO, FUNCION) VALUES ('044', '6', ?)", {funcion});
        goUtilitario = &m_util;
        gsSysPath = m_env->sysPath;
        gsPeriodo = "1998";
        gsFormulario = "0951";
        giEstadoGrabacion = 0;
        giCargandoForm = 0;
    }

    void cleanup()
    {
        gdbBase.reset();
        goUtilitario = nullptr;
        m_env.reset();
    }

    void paradaNoGraba()
    {
        msg::ScriptedAnswerer mensajes;
        Ventana v;
        v.m.setTexto(226, "20100000001");
        QVERIFY(!CmdValidar_Click(v, *gdbBase));
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text, QStringLiteral("El RUC no es Válido."));
        QCOMPARE(v.paginas, QList<int>{5});
        QCOMPARE(v.frames, QList<int>{5});
        QCOMPARE(v.focos, QStringList{"TxtValor(226)"});
        QCOMPARE(filas("CAB"), 0);
        QCOMPARE(filas("DET"), 0);
        QCOMPARE(filas("ACTA"), 0);
    }

    void validaConsistente()
    {
        msg::ScriptedAnswerer mensajes;
        Ventana v;
        v.m.setTexto(226, "10000000006");
        QVERIFY(CmdValidar_Click(v, *gdbBase));
        QCOMPARE(giHayInconsistencias, 0);
        QCOMPARE(QFileInfo(gsSysPath + "Mens.txt").size(), 0);
        QCOMPARE(gdbBase->scalar("SELECT estado FROM CAB").toInt(), 0);
        QVERIFY(v.paginas.isEmpty());
    }

    void grabarEstado_data()
    {
        QTest::addColumn<QString>("telefono");
        QTest::addColumn<int>("estado");
        QTest::newRow("completa") << "4412345" << 0;
        QTest::newRow("sin telefono") << "" << 9;
    }

    void grabarEstado()
    {
        QFETCH(QString, telefono);
        QFETCH(int, estado);
        msg::ScriptedAnswerer mensajes;
        Ventana v;
        v.m.setCampo(Campos::TxtTelefono, telefono);
        QVERIFY(CmdGrabar_Click(v, *gdbBase));
        QCOMPARE(gdbBase->scalar("SELECT estado FROM CAB").toInt(), estado);
        // The silent run leaves no list behind.
        QVERIFY(!QFile::exists(gsSysPath + "Mens.txt"));
    }
};

QTEST_GUILESS_MAIN(TstReglasGrabacion)
#include "tst_reglasgrabacion.moc"
