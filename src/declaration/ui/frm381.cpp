#include "declaration/ui/frm381.h"
#include "declaration/core/casillas/ayudascasillas.h"
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/calculos/despacho.h"
#include "declaration/core/casillas/filtroteclas.h"
#include "declaration/core/casillas/formatoimporte.h"
#include "declaration/core/respuestas/identificacion.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/core/respuestas/respuestaspestanas.h"
#include "declaration/ui/formadepagozrv.h"
#include "declaration/ui/frm381reglas.h"
#include "declaration/ui/maskedbox.h"
#include "declaration/ui/txtcasilla.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include "shell/ui/aperturas.h"
#include "shell/ui/consultas.h"
#include "shell/core/errorejecucion.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

Frm381 *gfrmDeclaracion = nullptr;

namespace {

void pErrorInesperado(const DbError &e)
{
    msg::MsgBox(fTextoError(e.number, e.description), 0, QStringLiteral("Error"));
}

const QStringList &paresRespuesta()
{
    static const QStringList l = {Campos::OptTipoCont, Campos::OptConvEstab, Campos::OptIEAN,
                                  Campos::OptAnexo, Campos::OptAgraria, Campos::OptRectifica,
                                  Campos::OptDomiciliado};
    return l;
}

} // namespace

void Frm381::pFondo(QWidget *w, quint32 bgr)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, TxtCasilla::fColor(bgr));
    p.setColor(QPalette::Disabled, QPalette::Base, TxtCasilla::fColor(bgr));
    w->setPalette(p);
}

std::function<void(Frm381 &)> &Frm381::alCrear()
{
    static std::function<void(Frm381 &)> f;
    return f;
}

Frm381::Frm381(QWidget *parent) : Frm381(parent, false) {}

Frm381::Frm381(QWidget *parent, SoloLectura) : Frm381(parent, true) {}

Frm381::Frm381(QWidget *parent, bool soloLectura) : QDialog(parent), m_modelo(new ModeloCasillas(this))
{
    setObjectName(QStringLiteral("Frm381"));
    ListaCasillas::pInicializar(*m_modelo);
    crearControles();

    // Boxes: focus, keys and the mouse go through the window's handlers.
    for (TxtCasilla *c : std::as_const(m_cajas)) {
        const int n = c->Index();
        c->KeyPress = [this, n](int k) { return TxtValor_KeyPress(n, k); };
        connect(c, &TxtCasilla::GotFocus, this, &Frm381::TxtValor_GotFocus);
        connect(c, &TxtCasilla::LostFocus, this, &Frm381::TxtValor_LostFocus);
        connect(c, &TxtCasilla::MouseMove, this, &Frm381::TxtValor_MouseMove);
    }

    // Identification fields.
    vincular(TxtNumRuc, Campos::TxtNumRuc);
    vincular(TxtRazon, Campos::TxtRazon);
    vincular(TxtTelefono, Campos::TxtTelefono);
    vincular(TxtNombreA, Campos::TxtNombreA);
    vincular(TxtNombreN, Campos::TxtNombreN);
    vincular(TxtNombre1A, Campos::TxtNombre1A);
    vincular(TxtNombre1N, Campos::TxtNombre1N);
    vincular(TxtNumOrden, Campos::TxtNumOrden);
    TxtTelefono->KeyPress = [this](int k) { return TxtTelefono_KeyPress(k); };
    TxtTelefono->filtroPegado = FiltroTeclas::fFiltroDigitos;
    TxtNumOrden->KeyPress = [this](int k) { return TxtNumOrden_KeyPress(k); };
    TxtNumOrden->filtroPegado = FiltroTeclas::fFiltroDigitos;
    for (TxtFiltrada *t : {TxtNombreA, TxtNombreN, TxtNombre1A, TxtNombre1N}) {
        t->KeyPress = [this](int k) { return TxtNombre_KeyPress(k); };
        t->filtroPegado = FiltroTeclas::fFiltroNombre;
        t->bCortarPegado = true;
    }
    TxtNumOrden->setMouseTracking(true);
    TxtNumOrden->installEventFilter(this);
    CmbZona->installEventFilter(this);

    // The date box.
    m_modelo->setCampo(Campos::MkePeriodo, Campos::MascaraVacia);
    connect(MkePeriodo, &MaskEdBox::textoEditado, this,
            [this](const QString &t) { m_modelo->setCampo(Campos::MkePeriodo, t); });
    connect(MkePeriodo, &MaskEdBox::KeyPress, this, [this](int k) {
        if (k == FiltroTeclas::Enter)
            pTabular(QStringLiteral("TAB"), MkePeriodo);
        m_modelo->bModificado = true;
    });

    // The payment control.
    auto *pago = FormaDePagoZRV1;
    connect(pago, &FormaDePagoZRV::cambiado, this, [this, pago](const QString &p) {
        if (p == QLatin1String("formapago")) m_modelo->setCampo(Campos::FormaPago, pago->formapago());
        else if (p == QLatin1String("banco")) m_modelo->setCampo(Campos::Banco, pago->banco());
        else if (p == QLatin1String("numcheque")) m_modelo->setCampo(Campos::NumCheque, pago->numcheque());
        else if (p == QLatin1String("importe")) m_modelo->setCampo(Campos::Importe, pago->importe());
    });

    connect(m_modelo, &ModeloCasillas::campoCambiado, this, [this, pago](const QString &c) {
        if (paresRespuesta().contains(c))
            refrescarOpciones(c);
        else if (c == Campos::MkePeriodo)
            MkePeriodo->setTextoDesdeCodigo(m_modelo->campo(c));
        else if (c == Campos::FormaPago)
            pago->setFormapago(m_modelo->campo(c));
        else if (c == Campos::Banco)
            pago->setBanco(m_modelo->campo(c));
        else if (c == Campos::NumCheque)
            pago->setNumcheque(m_modelo->campo(c));
        else if (c == Campos::Importe)
            pago->setImporte(m_modelo->campo(c));
        else if (c == Campos::Habilitado)
            pago->setHabilitado(m_modelo->campo(c) != QLatin1String("0"));
        if (c == Campos::TxtRazon)
            TxtRazon_Change();
    });
    connect(m_modelo, &ModeloCasillas::reiniciado, this, [this] {
        for (const QString &p : paresRespuesta())
            refrescarOpciones(p);
        MkePeriodo->setTextoDesdeCodigo(m_modelo->campo(Campos::MkePeriodo));
    });
    connect(m_modelo, &ModeloCasillas::focoPedido, this, [this](int n) {
        if (TxtCasilla *c = TxtValor(n))
            c->setFocus(Qt::OtherFocusReason);
    });
    connect(m_modelo, &ModeloCasillas::paginaPedida, SSTab1, &QTabWidget::setCurrentIndex);

    connect(CmbRuc, &QComboBox::activated, this, [this] { CmbRuc_Click(); });
    connect(CmbZona, &QComboBox::activated, this, [this] { CmbZona_Click(); });
    // A click on a button of an inactive window moves no focus events: the box
    // the user was in is left first, so that its text is in its leaving form
    // (a subtracted box in parentheses) when it is checked and stored.
    connect(CmdGrabar, &QPushButton::clicked, this, [this] {
        TxtCasilla::pSalirPendientes(this);
        if (CmdGrabar_Click) CmdGrabar_Click();
    });
    connect(CmdValidar, &QPushButton::clicked, this, [this] {
        TxtCasilla::pSalirPendientes(this);
        if (CmdValidar_Click) CmdValidar_Click();
    });
    connect(cmdCancelar, &QPushButton::clicked, this, [this] {
        TxtCasilla::pSalirPendientes(this);
        if (cmdCancelar_Click)
            cmdCancelar_Click();
        else
            reject();
    });

    if (soloLectura)
        return;

    // Every change of a box, typed or written, recalculates its dependants.
    ContextoCalculo ctx = ContextoCalculo::declaracion();
    ctx.tituloVentana = windowTitle();
    ctx.enfocar = [this](int n) {
        if (TxtCasilla *c = TxtValor(n))
            c->setFocus(Qt::OtherFocusReason);
    };
    ctx.mostrarPagina = [this](int p) { enlace381::pTraerPagina(*this, p); };
    ctx.importePago = [this](const QString &t) { m_modelo->setCampo(Campos::Importe, t); };
    m_despacho = new DespachoCasillas(*m_modelo, ctx, tablaDespachoDeclaracion(), this);
    Calcular113 = [this] { m_despacho->calculos().Calcular113(); };

    if (alCrear())
        alCrear()(*this);
    CmdGrabar->setEnabled(static_cast<bool>(CmdGrabar_Click));
    CmdValidar->setEnabled(static_cast<bool>(CmdValidar_Click));
}

Frm381::~Frm381()
{
    if (gfrmDeclaracion == this)
        gfrmDeclaracion = nullptr;
}

void Frm381::vincular(TxtFiltrada *t, const QString &campo)
{
    connect(t, &TxtFiltrada::textoEditado, this, [this, campo](const QString &s) { m_modelo->setCampo(campo, s); });
    auto refrescar = [this, t, campo] { t->setTextoDesdeCodigo(m_modelo->campo(campo)); };
    connect(m_modelo, &ModeloCasillas::campoCambiado, t, [campo, refrescar](const QString &c) {
        if (c == campo)
            refrescar();
    });
    connect(m_modelo, &ModeloCasillas::reiniciado, t, refrescar);
}

void Frm381::refrescarOpciones(const QString &par)
{
    const QString r = m_modelo->campo(par);
    if (QRadioButton *b1 = Opt(par, 1))
        b1->setChecked(r == QLatin1String("1"));
    if (QRadioButton *b0 = Opt(par, 0))
        b0->setChecked(r == QLatin1String("0"));
}

void Frm381::setRuc(const QString &ruc)
{
    sRuc = ruc;
    m_modelo->setCampo(Campos::sRuc, ruc);
}

void Frm381::pVaciarCasillas()
{
    const QList<int> &l = aCasillas.isEmpty() ? ListaCasillas::aCasillas() : aCasillas;
    for (int n : l)
        m_modelo->setTexto(n, QString());
}

void Frm381::pMostrarFrames(bool b0, bool b1, bool b2, bool b3, bool b4, bool b5)
{
    try {
        pMostrarFrame(this, b0, b1, b2, b3, b4, b5);
    } catch (const ErrorEjecucion &) {
        // Every page frame exists from construction on.
    }
}

// ---------------------------------------------------------------- start

bool Frm381::fComenzarCarga()
{
    if (m_cargado)
        return false;
    m_cargado = true;
    pPosicionForm(this, 0, 0, 6825, 9615);
    pCentrarForm(MDIFrm::instancia(), this);
    pPunteroReloj();
    return true;
}

void Frm381::Form_Load()
{
    if (!fComenzarCarga())
        return;
    gsTasa.clear();
    gsAceptaInconsistencias.clear();
    giEstadoGrabacion = 0;
    giCargandoForm = -1;

    {
        const QSignalBlocker b(SSTab1);
        SSTab1->setCurrentIndex(0);
    }
    iPestana = 0;
    m_modelo->bCargando = true;

    aCasillas = ListaCasillas::aCasillas();
    m_modelo->setCampo(QStringLiteral("iAccion"), QString::number(iAccion));
    fLlenaZonas();
    pLlenaBancos();
    m_modelo->setCampo(Campos::FormaPago, QStringLiteral("X"));
    pCargaIdent(iAccion);

    m_modelo->bCargando = false;
    // The selections made by the identification are no change of the user's.
    m_modelo->bModificado = false;
    pPunteroNormal();
    giCargandoForm = 0;
}

void Frm381::pLlenaBancos()
{
    if (!gdbBase)
        return;
    try {
        QList<QPair<QString, QString>> bancos;
        for (const FilaBanco &b : fBancos(*gdbBase))
            bancos.append({b.codigo, b.descrip});
        FormaDePagoZRV1->setBancos(bancos);
    } catch (const DbError &e) {
        pErrorInesperado(e);
    }
}

void Frm381::fLlenaZonas()
{
    CmbZona->clear();
    if (!gdbBase)
        return;
    try {
        CmbZona->addItems(Identificacion::fItemsZonas(*gdbBase));
    } catch (const DbError &e) {
        pErrorInesperado(e);
    }
    CmbZona->setCurrentIndex(-1);
}

void Frm381::pLlenaComboRuc()
{
    CmbRuc->clear();
    if (!gdbBase)
        return;
    try {
        CmbRuc->addItems(Identificacion::fItemsContribuyentes(*gdbBase, gsFormulario));
    } catch (const DbError &e) {
        pErrorInesperado(e);
    }
    CmbRuc->setCurrentIndex(-1);
}

void Frm381::pCargaIdent(int accion)
{
    if (accion == 0) {
        pLlenaComboRuc();
        pBarraEstado(QString(), QString(), gsPeriodo, gsFormulario);
        pMostrarFrames(false, false, false, false, false, false);
        TxtNumRuc->setEnabled(false);
        TxtNumRuc->setVisible(false);
        CmbRuc->setEnabled(true);
        CmbRuc->setVisible(true);
        TxtRazon->setEnabled(false);
        TxtTelefono->setEnabled(true);
        TxtNumOrden->setEnabled(false);
        pFondo(TxtNumOrden, Color::Gris);
        Label1(10)->setEnabled(false);
        Label1(9)->setEnabled(false);
        pFondo(MkePeriodo, Color::Gris);
        MkePeriodo->setEnabled(false);
        m_modelo->setCampo(Campos::OptAnexo, QString());
        Opt(Campos::OptAnexo, 0)->setEnabled(false);
        Opt(Campos::OptAnexo, 1)->setEnabled(false);
        Label1(8)->setEnabled(false);
        return;
    }
    if (accion != 1)
        return;

    pBarraEstado(sRuc, sRazon, gsPeriodo, gsFormulario);
    pMostrarFrames(false, true, true, false, true, true);
    CmbRuc->setEnabled(false);
    CmbRuc->setVisible(false);
    TxtNumRuc->setVisible(true);
    TxtNumRuc->setEnabled(false);
    TxtRazon->setEnabled(false);
    TxtTelefono->setEnabled(true);

    setRuc(sRuc);
    m_modelo->setCampo(Campos::TxtNumRuc, sRuc);
    m_modelo->setCampo(Campos::TxtRazon, sRazon);   // loads the stored declaration
    gsPeriodo = QStringLiteral("1998");

    QStringList zonas;
    for (int i = 0; i < CmbZona->count(); ++i)
        zonas << CmbZona->itemText(i);
    const int zona = Identificacion::fIndiceZona(zonas, m_modelo->texto(208));
    if (zona >= 0) {
        CmbZona->setCurrentIndex(zona);
        CmbZona_Click();
    }

    const QList<QPair<QString, QString>> guardadas = {
        {Campos::sExonerado, Campos::OptTipoCont}, {Campos::sConvenio, Campos::OptConvEstab},
        {Campos::sIEAN, Campos::OptIEAN},          {Campos::sAnexo, Campos::OptAnexo},
        {Campos::sAgraria, Campos::OptAgraria},    {Campos::sDomiciliado, Campos::OptDomiciliado},
        {Campos::sRectifica, Campos::OptRectifica},
    };
    for (const auto &g : guardadas) {
        const QString t = vb::Trim(m_modelo->campo(g.first));
        if (t == QLatin1String("0"))
            pSeleccionar(g.second, 0);
        else if (t == QLatin1String("1"))
            pSeleccionar(g.second, 1);
    }

    if (vb::Trim(m_modelo->campo(Campos::sRectifica)) == QLatin1String("0")) {
        if (m_modelo->campo(Campos::OptAgraria).isEmpty()) {
            Label1(9)->setEnabled(false);
            pFondo(MkePeriodo, Color::Gris);
            MkePeriodo->setEnabled(false);
        }
        if (m_modelo->campo(Campos::OptIEAN).isEmpty()) {
            m_modelo->setCampo(Campos::OptAnexo, QString());
            Opt(Campos::OptAnexo, 0)->setEnabled(false);
            Opt(Campos::OptAnexo, 1)->setEnabled(false);
            Label1(8)->setEnabled(false);
        }
    }

    if (Calcular113)
        Calcular113();
    // The stored texts win over what the recalculation left there.
    m_modelo->setTexto(113, m_modelo->campo(Campos::sCasilla113));
    m_modelo->setTexto(140, m_modelo->campo(Campos::sCasilla140));
}

// ---------------------------------------------------------------- taxpayer

void Frm381::TxtRazon_Change()
{
    // A new declaration starts from empty boxes: the rows stored under the
    // previously accepted RUC belong to another taxpayer.
    if (iAccion == 0) {
        pVaciarCasillas();
        return;
    }
    if (!(pCargarCasillas && pCargarCasillas(*this)))
        pVaciarCasillas();
}

int Frm381::fAnchoCmbRuc() const
{
    return qMax(fTwipsAPixeles(1370, fTwipsPorPixel()),
                CmbRuc->fontMetrics().horizontalAdvance(QStringLiteral("00000000000")) + 40);
}

void Frm381::CmbRuc_Click()
{
    const QString item = CmbRuc->currentText();
    m_modelo->setCampo(Campos::CmbRuc, item);
    m_modelo->setCampo(Campos::TxtRazon, Identificacion::fNombreDeItem(item));

    // Closed, the combo shows just the RUC; open, the names too.
    CmbRuc->setFixedWidth(fAnchoCmbRuc());
    try {
        pAnchoCombo(this, CmbRuc, 45);
    } catch (const ErrorEjecucion &) {
    }

    if (iAccion != 0)
        return;
    const QString ruc = Identificacion::fRucDeItem(item);
    bool existe = false;
    try {
        if (gdbBase)
            existe = Identificacion::fExisteDeclaracion(*gdbBase, ruc, gsPeriodo, gsFormulario);
    } catch (const DbError &e) {
        // Unchecked, the taxpayer cannot be taken: saving stays refused.
        pErrorInesperado(e);
        sPuedeRegistrar = QStringLiteral("N");
        setRuc(QString());
        sRazon.clear();
        return;
    }
    if (!existe) {
        sPuedeRegistrar = QStringLiteral("S");
        setRuc(ruc);
        // The name goes with the RUC: every later refresh of the status bar
        // (activation, the end of a save) shows the two together.
        sRazon = vb::Trim(Identificacion::fNombreDeItem(item));
        TxtTelefono->setFocus(Qt::OtherFocusReason);
        pBarraEstado(ruc, vb::Trim(Identificacion::fNombreDeItem(item)), gsPeriodo, gsFormulario);
        m_modelo->bModificado = true;
        return;
    }
    SSTab1->setCurrentIndex(0);
    sPuedeRegistrar = QStringLiteral("N");
    pMostrarFrames(false, false, false, false, false, false);
    msg::MsgBox(Identificacion::MsgDeclaracionExiste, 16, windowTitle());
    CmbRuc->setFocus(Qt::OtherFocusReason);
    setRuc(QString());
    sRazon.clear();
}

void Frm381::CmbZona_Click()
{
    m_modelo->setTexto(208, Identificacion::fZonaDeItem(CmbZona->currentText()));
    m_modelo->bModificado = true;
}

// ---------------------------------------------------------------- answers

void Frm381::pSeleccionar(const QString &par, int index)
{
    // Selecting the option already selected is no click.
    if (m_modelo->campo(par) == QString::number(index)) {
        refrescarOpciones(par);
        return;
    }
    if (OptClick)
        OptClick(par, index);
    else
        pRespuestaMinima(par, index);
    refrescarOpciones(par);
}

void Frm381::pRespuestaMinima(const QString &par, int index)
{
    if (index != 0 && index != 1)
        return;
    m_modelo->setCampo(par, QString::number(index));
    const auto *r = CodigosDeclaracion::fRespuesta(par);
    // The annex answer text changes only when a declaration is loaded.
    if (r && par != Campos::OptAnexo)
        m_modelo->setCampo(r->variable, QString::number(index));
    if (par != Campos::OptDomiciliado)
        m_modelo->bModificado = true;
}

// ---------------------------------------------------------------- boxes

void Frm381::TxtValor_GotFocus(int Index)
{
    FormatoImporte::pAlEntrar(*m_modelo, Index);
}

void Frm381::TxtValor_LostFocus(int Index)
{
    FormatoImporte::pAlSalir(*m_modelo, Index);
}

int Frm381::TxtValor_KeyPress(int Index, int KeyAscii)
{
    const FiltroTeclas::AccionTecla a = FiltroTeclas::fTeclaCasilla(
        Index, KeyAscii, m_modelo->campo(Campos::OptIEAN), m_modelo->campo(Campos::OptAnexo),
        m_modelo->habilitada(113));
    if (!a.sAnexo.isEmpty()) {
        const QVariant total = pAbrirAnexo(sRuc, iAccion, a.sAnexo, m_modelo->texto(332), m_modelo->texto(333));
        // No calculator behind the name: the box stays as it was.
        if (total.isValid() && !total.isNull())
            m_modelo->setTexto(Index, vb::CStr(total.toDouble()));
    }
    if (a.iDestino == FiltroTeclas::Tabular)
        pTabular(QStringLiteral("TAB"), TxtValor(Index));
    else if (a.iDestino > 0 && TxtValor(a.iDestino))
        TxtValor(a.iDestino)->setFocus(Qt::OtherFocusReason);
    m_modelo->bModificado = true;
    return a.tecla;
}

void Frm381::TxtValor_MouseMove(int Index)
{
    const auto ayuda = AyudasCasillas::fAyudaCasilla(Index, m_modelo->campo(Campos::OptIEAN),
                                                     m_modelo->campo(Campos::OptAnexo));
    if (!ayuda)
        return;
    for (QLineEdit *t : {TxtAyuda, TxtAyuda1}) {
        QPalette p = t->palette();
        p.setColor(QPalette::Text, TxtCasilla::fColor(ayuda->color));
        t->setPalette(p);
    }
    TxtAyuda->setText(ayuda->linea1);
    TxtAyuda1->setText(ayuda->linea2);
}

// ---------------------------------------------------------------- identification keys

int Frm381::TxtNombre_KeyPress(int KeyAscii)
{
    m_modelo->bModificado = true;
    if (KeyAscii == FiltroTeclas::Enter) {
        // One of the four name fields: the one the keys go to.
        pTabular(QStringLiteral("TAB"), focusWidget());
        return 0;
    }
    return FiltroTeclas::fFiltroNombre(KeyAscii);
}

int Frm381::TxtTelefono_KeyPress(int KeyAscii)
{
    m_modelo->bModificado = true;
    if (KeyAscii == FiltroTeclas::Enter) {
        pTabular(QStringLiteral("TAB"), TxtTelefono);
        return 0;
    }
    return FiltroTeclas::fFiltroDigitos(KeyAscii);
}

int Frm381::TxtNumOrden_KeyPress(int KeyAscii)
{
    m_modelo->bModificado = true;
    return FiltroTeclas::fFiltroDigitos(KeyAscii);
}

void Frm381::TxtNumOrden_MouseMove()
{
    for (QLineEdit *t : {TxtAyuda, TxtAyuda1}) {
        QPalette p = t->palette();
        p.setColor(QPalette::Text, Qt::black);
        t->setPalette(p);
    }
    TxtAyuda->setText(QStringLiteral("O número de orden del formulario 381"));
    TxtAyuda1->clear();
}

// ---------------------------------------------------------------- window events

void Frm381::Form_Activate()
{
    if (!m_modelo->bModificado)
        pBarraEstado(sRuc, sRazon, gsPeriodo, gsFormulario);
    if (iPestana >= 0 && iPestana <= 5)
        SSTab1->setProperty("HelpContextID", respuestas::contextoAyuda(iPestana));
    // Only onto a control the user can see: back from a calculator on another
    // page, a hidden taxpayer combo would take the next keys, change the
    // taxpayer and empty every box.
    QWidget *foco = iAccion == 0 ? static_cast<QWidget *>(CmbRuc)
                  : iAccion == 1 ? static_cast<QWidget *>(TxtTelefono) : nullptr;
    if (foco && foco->isVisible())
        foco->setFocus(Qt::OtherFocusReason);
}

void Frm381::Form_Click()
{
    if (iAccion == 0)
        pBarraEstado(QString(), QString(), gsPeriodo, gsFormulario);
    else
        pBarraEstado(sRuc, sRazon, gsPeriodo, gsFormulario);
}

void Frm381::Form_Unload()
{
    if (m_descargado)
        return;
    m_descargado = true;
    // The chooser that opened a stored declaration takes the user back over
    // this window's finished() signal.
}

int Frm381::exec()
{
    // Loaded before it is shown: whatever the load queues runs inside the
    // modal loop, never between showing and the start of that loop.
    Form_Load();
    return QDialog::exec();
}

void Frm381::showEvent(QShowEvent *e)
{
    Form_Load();
    QDialog::showEvent(e);
}

bool Frm381::event(QEvent *e)
{
    if (e->type() == QEvent::WindowDeactivate) {
        // A message box is no window of the program: coming back from one is
        // no activation of the form.
        m_desdeMensaje = qobject_cast<QMessageBox *>(QApplication::activeWindow()) != nullptr;
    } else if (e->type() == QEvent::WindowActivate) {
        // The window system can report an activation late, once "&Salir"
        // has closed the window: an unloaded form is activated no more.
        if (!m_desdeMensaje && m_cargado && !m_descargado)
            Form_Activate();
        m_desdeMensaje = false;
    }
    return QDialog::event(e);
}

bool Frm381::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && o->property("qxPar").isValid()) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right) {
            // Either arrow reaches the other option of the pair; it gets
            // the focus and is clicked.
            QRadioButton *otra = Opt(o->property("qxPar").toString(), 1 - o->property("qxIndex").toInt());
            if (otra && otra->isEnabled() && otra->isVisible()) {
                otra->setFocus(Qt::TabFocusReason);
                otra->click();
            }
            return true;
        }
    }
    if (o == TxtNumOrden && e->type() == QEvent::MouseMove)
        TxtNumOrden_MouseMove();
    if (o == CmbZona && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            pTabular(QStringLiteral("TAB"), CmbZona);
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void Frm381::mousePressEvent(QMouseEvent *e)
{
    // Clicks that labels, frames and disabled fields of the tab pages let
    // through belong to the tab control, not to the window's background.
    QWidget *c = childAt(e->position().toPoint());
    if (!(c && (c == SSTab1 || SSTab1->isAncestorOf(c))))
        Form_Click();
    QDialog::mousePressEvent(e);
}

void Frm381::keyPressEvent(QKeyEvent *e)
{
    // Escape does not close the declaration; ENTER reaches no button.
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Frm381::closeEvent(QCloseEvent *e)
{
    if (cmdCancelar_Click) {
        e->ignore();
        cmdCancelar_Click();
        return;
    }
    QDialog::closeEvent(e);
}

void Frm381::done(int r)
{
    Form_Unload();
    QDialog::done(r);
}
