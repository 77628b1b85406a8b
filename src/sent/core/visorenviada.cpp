#include "visorenviada.h"
#include "declaration/core/persistencia/carga.h"
#include "declaration/core/casillas/formatoimporte.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/respuestas/respuestasayuda.h"
#include "declaration/core/respuestas/respuestaspestanas.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"

namespace {

ContextoCalculo contexto(VisorEnviada &v)
{
    ContextoCalculo c = ContextoCalculo::enviada();
    c.enfocar = [&v](int n) {
        if (v.alEnfocarCasilla)
            v.alEnfocarCasilla(n);
    };
    c.mostrarPagina = [&v](int p) {
        if (v.alMostrarPagina)
            v.alMostrarPagina(p);
    };
    return c;
}

// The viewer as the shared loading sees it: a stored declaration (iAccion 1)
// whose RUC is the text of TxtNumRuc.
class VentanaCarga : public VentanaDeclaracion {
public:
    explicit VentanaCarga(VisorEnviada &v) : m_v(v) {}
    ModeloCasillas &modelo() override { return m_v.modelo; }
    QList<int> aCasillas() const override { return m_v.aCasillas; }
    int iAccion() const override { return 1; }
    QString sRuc() const override { return m_v.modelo.campo(Campos::TxtNumRuc); }
    QString sPuedeRegistrar() const override { return QString(); }
    QString caption() const override { return m_v.ventana.titulo; }
    bool DeclaracionCompleta() override { return false; }
    bool ValidaDeclaracion() override { return false; }
    bool ValidaPeriodo(const QString &) override { return false; }
    // The viewer saves no declaration: nothing to keep.
    DeclaracionLeida &leida() override { return m_leida; }

private:
    VisorEnviada &m_v;
    DeclaracionLeida m_leida;
};

// The stored answers in the order the load selects them.
const QList<QPair<QString, QString>> &respuestasGuardadas()
{
    static const QList<QPair<QString, QString>> l = {
        {Campos::sExonerado, Campos::OptTipoCont}, {Campos::sConvenio, Campos::OptConvEstab},
        {Campos::sIEAN, Campos::OptIEAN},          {Campos::sAnexo, Campos::OptAnexo},
        {Campos::sAgraria, Campos::OptAgraria},    {Campos::sDomiciliado, Campos::OptDomiciliado},
        {Campos::sRectifica, Campos::OptRectifica},
    };
    return l;
}

} // namespace

VisorEnviada::VisorEnviada(ModeloCasillas &m, QObject *parent)
    : QObject(parent), modelo(m), respuestas(m, ventana),
      m_despacho(m, contexto(*this), tablaDespachoEnviada(), this)
{
    ventana.titulo = visor::Titulo;
    respuestas.perfil = PerfilRespuestas::enviada();
    respuestas.calculos = CalculosRespuestas::de(m_despacho.calculos());
    connect(&modelo, &ModeloCasillas::campoCambiado, this, [this](const QString &c) {
        if (c == CamposEnviada::TxtNumOrdenE)
            bModificado = true;
    });
}

void VisorEnviada::pEstadoInicial(ModeloCasillas &m)
{
    for (int n : ListaCasillas::aCasillas()) {
        m.agregar(n);
        m.setHabilitada(n, true);
        m.setBloqueada(n, true);
        m.setColor(n, Color::Gris);
    }
    for (int n : {117, 120, 128, 131}) {
        m.setBloqueada(n, false);
        m.setColor(n, Color::Cyan);
    }
    m.setBloqueada(137, false);
    m.setMaxLength(137, 1);
    m.setBloqueada(208, false);
    m.setHabilitada(208, false);
    m.setColor(208, Color::Blanco);
    m.setCampo(Campos::Habilitado, QStringLiteral("0"));
}

void VisorEnviada::Form_Load(Database &db)
{
    gsTasa.clear();
    gsAceptaInconsistencias.clear();
    giEstadoGrabacion = 0;
    ventana.pagina = 0;
    ventana.iPestana = 0;
    iTabActual = 0;
    gsCorrel.clear();
    gsCorrel = fila.correl;

    struct Cargando {
        ModeloCasillas &m;
        explicit Cargando(ModeloCasillas &mm) : m(mm) { m.bCargando = true; }
        ~Cargando() { m.bCargando = false; }
    } cargando(modelo);

    aCasillas = ListaCasillas::aCasillas();
    CargaIdent(db);
    ventana.mostrarFrames(false, false, false, false);

    for (const auto &r : respuestasGuardadas())
        respuestas.seleccionar(r.second, modelo.campo(r.first));

    if (vb::Trim(modelo.campo(Campos::sRectifica)) == QLatin1String("0") && giModoEnviada == 1) {
        if (respuestas::sinRespuesta(modelo, Campos::OptAgraria))
            ventana.setHabilitado(ctl381::Label1_9, false);
        if (respuestas::sinRespuesta(modelo, Campos::OptIEAN)) {
            modelo.setCampo(Campos::OptAnexo, QString());
            ventana.setHabilitado(ctl381::Label1_8, false);
        }
    }

    modelo.setCampo(CamposEnviada::TxtNumOrdenE, vb::Trim(fila.norden));
    modelo.setCampo(CamposEnviada::TxtControl, vb::Trim(fila.control));

    calculos().Calcular113();
    // A taxpayer with a stability agreement keeps the tax as it was sent;
    // for the others the box's change recomputes it.
    modelo.setTexto(113, modelo.campo(Campos::sValor113));

    bModificado = false;
}

void VisorEnviada::CargaIdent(Database &db)
{
    modelo.setCampo(Campos::TxtNumRuc, fila.docIdD);
    modelo.setCampo(Campos::TxtRazon, fila.nombre);
    // Setting the name loads the send (TxtRazon_Change).
    if (!fCargarEnviada(db))
        for (int n : aCasillas)
            modelo.setTexto(n, QString());
    gsPeriodo = QStringLiteral("1998");
}

bool VisorEnviada::fCargarEnviada(Database &db)
{
    VentanaCarga v(*this);
    bool hay = false;
    try {
        hay = pCargarCasillas(v, db, OrigenCarga::enviada(gsCorrel));
    } catch (const DbError &e) {
        pMostrarError(e);
        return false;
    }
    // The payment control shows the amount paid as box 180 shows it.
    modelo.setCampo(Campos::Importe, modelo.texto(180));
    return hay;
}

FiltroTeclas::AccionTecla VisorEnviada::TxtValor_KeyPress(int casilla, int tecla) const
{
    return FiltroTeclas::fTeclaCasilla(casilla, tecla, modelo.campo(Campos::OptIEAN), modelo.campo(Campos::OptAnexo),
                                       modelo.habilitada(113), FiltroTeclas::Teclado::enviada());
}

void VisorEnviada::TxtValor_LostFocus(int casilla)
{
    FormatoImporte::pAlSalir(modelo, casilla, FormatoImporte::Salida::enviada());
}

void VisorEnviada::SSTab1_Click(int pagina)
{
    respuestas::SSTab1_Click(modelo, ventana, nullptr, pagina, respuestas::tablaPestanasEnviada());
    iTabActual = ventana.iPestana;
}

void VisorEnviada::pAyudaFondo()
{
    respuestas::pAyudaFondo(ventana, respuestas::AyudaGeneralEnviada);
}

bool VisorEnviada::CmdGrabar_Click(Database &db)
{
    bool guardado = false;
    try {
        guardado = fRegistrarNumeroOrden(db, modelo.campo(Campos::TxtNumRuc), gsCorrel,
                                         fNumeroOrden(modelo.campo(CamposEnviada::TxtNumOrdenE)));
    } catch (const DbError &e) {
        pMostrarError(e);
        return false;
    }
    if (!guardado) {
        msg::MsgBox(visor::MsgNoRegistrado, 48, ventana.titulo);
        return false;
    }
    msg::MsgBox(visor::MsgRegistrado, 48, QStringLiteral("Mensaje"));
    giEstadoGrabacion = 1;
    bModificado = false;
    return true;
}

VisorEnviada::Cierre VisorEnviada::cmdCancelar_Click(Database &db)
{
    giEstadoGrabacion = 3;
    if (bModificado && msg::MsgBox(visor::MsgGuardarCambios, 36, ventana.titulo) == msg::Yes)
        return CmdGrabar_Click(db) ? Cierre::TrasRegistro : Cierre::Quedar;
    return Cierre::Normal;
}
