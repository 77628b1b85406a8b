#include "sent/ui/frm381env.h"
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/filtroteclas.h"
#include "declaration/core/respuestas/identificacion.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/respuestas/respuestaspestanas.h"
#include "declaration/ui/formadepagozrv.h"
#include "declaration/ui/frm381reglas.h"
#include "declaration/ui/maskedbox.h"
#include "declaration/ui/txtcasilla.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "sent/core/visorenviada.h"
#include "shell/core/errorejecucion.h"
#include "shell/core/modglobal.h"
#include "shell/ui/barradeestadozrv.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include "shell/ui/registroventanas.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {


BarradeEstadoZRV *barra()
{
    MDIFrm *m = MDIFrm::instancia();
    return m ? m->BarradeEstadoZRV1 : nullptr;
}

void pLimpiarContribuyente()
{
    if (BarradeEstadoZRV *b = barra()) {
        b->setNumdoc(QString());
        b->setRazonsocial(QString());
    }
}

// The database of the commands; its absence is reported as the engine would.
Database &base()
{
    if (!gdbBase)
        throw DbError(dberr::SinConexion, QStringLiteral("No hay una base de datos abierta."));
    return *gdbBase;
}

void pMostrarError(const DbError &e)
{
    pPunteroNormal();
    msg::MsgBox(fTextoError(e.number, e.description), 0, QStringLiteral("Error"));
}

} // namespace

Frm381Env::Frm381Env(QWidget *parent) : Frm381(parent, SoloLectura{})
{
    setObjectName(QStringLiteral("Frm381Env"));
    setWindowTitle(visor::Titulo);
    iAccion = 1;

    VisorEnviada::pEstadoInicial(*modelo());
    m_visor = new VisorEnviada(*modelo(), this);
    m_visor->alEnfocarCasilla = [this](int n) {
        if (TxtCasilla *c = TxtValor(n))
            c->setFocus(Qt::OtherFocusReason);
    };
    // Bringing a page to the front runs its click, as a click would.
    m_visor->alMostrarPagina = [this](int p) { SSTab1->setCurrentIndex(p); };

    pConstruirPagina0();
    // The viewer's own page captions.
    const QStringList paginas = {QStringLiteral("&Identificación"), QStringLiteral("  Estados  &Financieros"),
                                 QStringLiteral("Impuesto a la  &Renta "), QStringLiteral("Créditos contra el Imp. Renta"),
                                 QStringLiteral("Deuda &Tributaria"), QStringLiteral("Información Adicional")};
    for (int i = 0; i < paginas.size(); ++i)
        SSTab1->setTabText(i, paginas.at(i));

    // Everything on the window is shown to read; only the order number takes entry.
    CmbRuc->setEnabled(false);
    CmbRuc->setVisible(false);
    TxtNumRuc->setVisible(true);
    for (QLineEdit *t : {static_cast<QLineEdit *>(TxtNumRuc), static_cast<QLineEdit *>(TxtRazon),
                         static_cast<QLineEdit *>(TxtTelefono), static_cast<QLineEdit *>(TxtControl),
                         static_cast<QLineEdit *>(TxtNombreA), static_cast<QLineEdit *>(TxtNombreN),
                         static_cast<QLineEdit *>(TxtNombre1A), static_cast<QLineEdit *>(TxtNombre1N),
                         static_cast<QLineEdit *>(MkePeriodo)})
    {
        // Shown only to read: no typing, grey.
        t->setReadOnly(true);
        pFondo(t, Color::Gris);
    }
    TxtNumOrden->setEnabled(false);
    pFondo(TxtNumOrden, Color::Gris);
    CmbZona->setEnabled(false);
    pFondo(CmbZona, Color::Gris);
    for (const CodigosDeclaracion::Respuesta &r : CodigosDeclaracion::RespuestaOpcion())
        for (int i : {0, 1})
            if (QRadioButton *b = Opt(r.opcion, i))
                b->setEnabled(false);
    // The open boxes take what is typed, pasted too.
    for (int n : ListaCasillas::aCasillas())
        if (TxtCasilla *c = TxtValor(n)) {
            c->filtroPegado = nullptr;
            c->lecturaPegado = nullptr;
        }

    CmdValidar->setVisible(false);
    CmdGrabar->setText(QStringLiteral("&Registrar Nro. Orden"));
    CmdGrabar->setEnabled(true);
    CmdGrabar_Click = [this] { pCmdGrabar(); };
    cmdCancelar_Click = [this] { pCmdCancelar(); };

    connect(SSTab1, &QTabWidget::currentChanged, this, &Frm381Env::SSTab1_Click);
    enlace381::pInstalarAyudaFondo(*this, [this] { pConVentana([this] { m_visor->pAyudaFondo(); }); });
}

void Frm381Env::pConstruirPagina0()
{
    TxtControl = new TxtFiltrada(this);
    TxtControl->setObjectName(QStringLiteral("TxtControl"));
    TxtControl->setMaxLength(8);
    auto *lblControl = new QLabel(QStringLiteral("Nro. Control :"));
    m_datosBasicos->addWidget(lblControl, 2, 0);
    m_datosBasicos->addWidget(TxtControl, 2, 1, Qt::AlignLeft);
    TxtControl->setMaximumWidth(TxtControl->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);

    Frame17E = new QGroupBox(QStringLiteral("Número de orden"));
    Frame17E->setObjectName(QStringLiteral("FrameNumOrden"));
    auto *g = new QGridLayout(Frame17E);
    g->setContentsMargins(6, 4, 6, 4);
    auto *codigo = new QLabel(QStringLiteral("004"), Frame17E);
    codigo->setObjectName(QStringLiteral("lbl381e_1"));
    codigo->setFrameShape(QFrame::Box);
    codigo->setAlignment(Qt::AlignCenter);
    codigo->setMinimumWidth(32);
    auto *pregunta = new QLabel(QStringLiteral("Ingrese el número de orden :"), Frame17E);
    TxtNumOrdenE = new TxtFiltrada(Frame17E);
    TxtNumOrdenE->setObjectName(QStringLiteral("TxtNumOrdenE"));
    TxtNumOrdenE->setMaxLength(8);
    TxtNumOrdenE->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TxtNumOrdenE->setMaximumWidth(TxtNumOrdenE->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);
    pFondo(TxtNumOrdenE, Color::Blanco);
    // Only digits and backspace reach the number.
    TxtNumOrdenE->KeyPress = FiltroTeclas::fFiltroDigitos;
    TxtNumOrdenE->filtroPegado = FiltroTeclas::fFiltroDigitos;
    pregunta->setBuddy(TxtNumOrdenE);
    g->addWidget(pregunta, 0, 0);
    g->addWidget(codigo, 0, 1);
    g->addWidget(TxtNumOrdenE, 0, 2);
    g->setColumnStretch(3, 1);
    m_pagina0->insertWidget(m_pagina0->count() - 1, Frame17E);

    vincular(TxtNumOrdenE, CamposEnviada::TxtNumOrdenE);
    vincular(TxtControl, CamposEnviada::TxtControl);
}

void Frm381Env::pConVentana(const std::function<void()> &f)
{
    enlace381::pLeerVentana(*this, m_visor->ventana);
    f();
    enlace381::pAplicarVentana(*this, m_visor->ventana);
}

// ---------------------------------------------------------------- load

void Frm381Env::Form_Load()
{
    if (!fComenzarCarga())
        return;
    {
        const QSignalBlocker b(SSTab1);
        SSTab1->setCurrentIndex(0);
    }
    iPestana = 0;
    aCasillas = ListaCasillas::aCasillas();
    fLlenaZonas();
    pLlenaBancos();

    m_visor->fila = fila;
    try {
        Database &db = base();
        pConVentana([this, &db] { m_visor->Form_Load(db); });
    } catch (const DbError &e) {
        pMostrarError(e);
    }

    // The zone of box 208 is shown; choosing it writes nothing.
    QStringList zonas;
    for (int i = 0; i < CmbZona->count(); ++i)
        zonas << CmbZona->itemText(i);
    const int zona = Identificacion::fIndiceZona(zonas, modelo()->texto(208));
    if (zona >= 0)
        CmbZona->setCurrentIndex(zona);

    pBarraEstado(TxtNumRuc->text(), TxtRazon->text(), gsPeriodo, gsFormulario);
    pPunteroNormal();
}

void Frm381Env::TxtRazon_Change()
{
    // The viewer loads the send itself once the name is set (CargaIdent).
}

// ---------------------------------------------------------------- window events

void Frm381Env::Form_Activate()
{
    const int pagina = m_visor->iTabActual;
    if (pagina == 0)
        TxtNumOrdenE->setFocus(Qt::OtherFocusReason);
    if (pagina >= 0 && pagina <= 5)
        SSTab1->setProperty("HelpContextID", respuestas::contextoAyuda(pagina));
    pBarraEstado(vb::Trim(TxtNumRuc->text()), TxtRazon->text(), gsPeriodo, gsFormulario);
}

void Frm381Env::Form_Click()
{
    if (giModoEnviada == 1) {
        pBarraEstado(vb::Trim(TxtNumRuc->text()), vb::Trim(TxtRazon->text()), gsPeriodo, gsFormulario);
    } else if (BarradeEstadoZRV *b = barra()) {
        b->setFormulario(gsFormulario);
        b->setPeriodo_ejercicio(gsPeriodo);
    }
}

void Frm381Env::Form_Unload()
{
    if (m_descargada)
        return;
    m_descargada = true;
    if (giModoEnviada == 1 && frmSelector)
        frmSelector->setEnabled(true);
    pLimpiarContribuyente();
}

void Frm381Env::SSTab1_Click(int pagina)
{
    pPunteroReloj();
    pConVentana([this, pagina] { m_visor->SSTab1_Click(pagina); });
    pPunteroNormal();
}

// ---------------------------------------------------------------- boxes

int Frm381Env::TxtValor_KeyPress(int Index, int KeyAscii)
{
    const FiltroTeclas::AccionTecla a = m_visor->TxtValor_KeyPress(Index, KeyAscii);
    if (!a.sAnexo.isEmpty()) {
        // The annex window reads the send itself and hands nothing back.
        if (const registro::FabricaAnexoEnviado f = registro::anexoEnviado(a.sAnexo))
            f(*modelo());
    }
    if (a.iDestino == FiltroTeclas::Tabular)
        pTabular(QStringLiteral("TAB"), TxtValor(Index));
    else if (a.iDestino > 0 && TxtValor(a.iDestino))
        TxtValor(a.iDestino)->setFocus(Qt::OtherFocusReason);
    return a.tecla;
}

void Frm381Env::TxtValor_LostFocus(int Index)
{
    m_visor->TxtValor_LostFocus(Index);
}

// ---------------------------------------------------------------- commands

void Frm381Env::pCmdGrabar()
{
    pPunteroReloj();
    try {
        m_visor->CmdGrabar_Click(base());
    } catch (const DbError &e) {
        pMostrarError(e);
    }
    pPunteroNormal();
}

void Frm381Env::pCmdCancelar()
{
    VisorEnviada::Cierre c = VisorEnviada::Cierre::Quedar;
    try {
        c = m_visor->cmdCancelar_Click(base());
    } catch (const DbError &e) {
        pMostrarError(e);
        // Without a database nothing can be saved: leaving loses nothing stored.
        c = VisorEnviada::Cierre::Normal;
    }
    switch (c) {
    case VisorEnviada::Cierre::Quedar:
        return;
    case VisorEnviada::Cierre::TrasRegistro:
        reject();
        return;
    case VisorEnviada::Cierre::Normal:
        reject();
        pBarraEstado(QString(), QString(), gsPeriodo, gsFormulario);
        return;
    }
}
