#include "annexes/ui/frmanexo.h"
#include "annexes/ui/celdaanexo.h"
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/persistencia/grabacion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/frm381.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include "shell/ui/modventanas.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <limits>

int fPixeles(double twips)
{
    return fTwipsAPixeles(twips, fTwipsPorPixel());
}

namespace {

void pUbicar(QWidget *w, int x, int y, int ancho, int alto)
{
    w->setGeometry(fPixeles(x), fPixeles(y), fPixeles(ancho), fPixeles(alto));
}

QString clave(const QString &nombre, int indice)
{
    return indice < 0 ? nombre : nombre + QLatin1Char('_') + QString::number(indice);
}

Database &base()
{
    if (!gdbBase)
        throw DbError(dberr::SinConexion, QStringLiteral("No hay una base de datos abierta."));
    return *gdbBase;
}

} // namespace

DisenoAnexo::DisenoAnexo(const QString &ventana, bool enviada, int ancho, int alto)
    : nombre(enviada ? ventana + QLatin1Char('E') : ventana), anchoInterior(ancho), altoInterior(alto)
{
}

void DisenoAnexo::pCeldas(const QVector<int> &izquierdas, const QVector<int> &arribas, int ancho, int alto,
                          const QString &contenedor)
{
    izquierda = izquierdas;
    arriba = arribas;
    anchoCelda = ancho;
    altoCelda = alto;
    contenedorCeldas = contenedor;
}

void DisenoAnexo::pTotal(const QString &control, int x, int y, const QString &contenedor)
{
    nombreTotal = control;
    xTotal = x;
    yTotal = y;
    contenedorTotal = contenedor;
}

FrmAnexo::FrmAnexo(const DefinicionAsistente &definicion, const DisenoAnexo &diseno, ModeloCasillas *origen,
                   QWidget *parent)
    : QDialog(parent), m_diseno(diseno), m_origen(origen),
      m_asistente(new AsistenteAnexo(definicion, std::make_shared<FuenteAnexosBd>(origen != nullptr), !origen, this))
{
    setObjectName(diseno.nombre);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(m_asistente->caption());
    // Laid out in twips as the legacy window: its captions need its font.
    setFont(fFuenteDiseno());
    setFixedSize(fPixeles(diseno.anchoInterior), fPixeles(diseno.altoInterior));
    pCrearControles();
    pOrdenTab();
}

FrmAnexo::~FrmAnexo() = default;

QWidget *FrmAnexo::contenedor(const QString &nombre)
{
    return nombre.isEmpty() ? this : m_marcos.value(nombre, this);
}

void FrmAnexo::pCrearControles()
{
    const DefinicionAsistente &def = m_asistente->definicion();
    for (const ElementoAnexo &e : m_diseno.elementos) {
        QWidget *padre = contenedor(e.contenedor);
        QWidget *w = nullptr;
        switch (e.tipo) {
        case ElementoAnexo::Etiqueta:
        case ElementoAnexo::Encabezado: {
            auto *l = new QLabel(e.texto, padre);
            l->setWordWrap(true);
            l->setAlignment(e.tipo == ElementoAnexo::Encabezado ? Qt::AlignHCenter | Qt::AlignTop
                                                                : Qt::AlignLeft | Qt::AlignTop);
            m_etiquetas.insert(clave(e.nombre, e.indice), l);
            w = l;
            break;
        }
        case ElementoAnexo::Marco: {
            auto *f = new QFrame(padre);
            // The month captions stay in front of the sliding frame.
            f->setAutoFillBackground(true);
            m_marcos.insert(e.nombre, f);
            w = f;
            break;
        }
        case ElementoAnexo::Aceptar:
        case ElementoAnexo::Cancelar: {
            auto *b = new QPushButton(e.texto, padre);
            // ENTER in a cell only moves the focus: no button is the default.
            b->setAutoDefault(false);
            b->setDefault(false);
            if (e.tipo == ElementoAnexo::Aceptar) {
                CmdGrabar = b;
                connect(b, &QPushButton::clicked, this, &FrmAnexo::CmdGrabar_Click);
            } else {
                botonCancelar = b;
                connect(b, &QPushButton::clicked, this, &FrmAnexo::cmdCancelar_Click);
            }
            w = b;
            break;
        }
        case ElementoAnexo::Barra:
            HScroll1 = new QScrollBar(Qt::Horizontal, padre);
            // It has its place in the focus order, between the buttons.
            HScroll1->setFocusPolicy(Qt::StrongFocus);
            connect(HScroll1, &QScrollBar::valueChanged, this, &FrmAnexo::HScroll1_Change);
            w = HScroll1;
            break;
        }
        w->setObjectName(clave(e.nombre, e.indice));
        pUbicar(w, e.x, e.y, e.ancho, e.alto);
    }

    QWidget *padreCeldas = contenedor(m_diseno.contenedorCeldas);
    for (int mes = def.primerMes; mes <= def.ultimoMes; ++mes) {
        const int p = mes - def.primerMes;
        for (int c = 0; c < def.columnas.size(); ++c) {
            const ColumnaAsistente &col = def.columnas.at(c);
            auto *t = new CeldaAnexo(col.control, mes, c, padreCeldas);
            pUbicar(t, m_diseno.izquierda.value(c), m_diseno.arriba.value(p), m_diseno.anchoCelda, m_diseno.altoCelda);
            t->pTecleable(col.tecleada && !enviada());
            t->setMaxLength(AsistenteAnexo::kLargoFuera);
            t->filtroPegado = AsistenteAnexo::fTeclaImporte;
            t->lecturaPegado = AsistenteAnexo::fPegadoImporte;
            t->KeyPress = [t](int tecla) {
                if (tecla == 13)
                    pTabular(QStringLiteral("TAB"), t);
                return AsistenteAnexo::fTeclaImporte(tecla);
            };
            connect(t, &TxtFiltrada::textoEditado, m_asistente,
                    [this, mes, c](const QString &texto) { m_asistente->setCelda(mes, c, texto); });
            connect(t, &CeldaAnexo::GotFocus, this, [this, t](int m, int col) {
                t->setMaxLength(AsistenteAnexo::kLargoEnFoco);
                m_asistente->pAlEntrar(m, col);
            });
            connect(t, &CeldaAnexo::LostFocus, this, [this, t](int m, int col) {
                t->setMaxLength(AsistenteAnexo::kLargoFuera);
                m_asistente->pAlSalir(m, col);
            });
            m_celdas.insert(clave(col.control, mes), t);
        }
    }
    connect(m_asistente, &AsistenteAnexo::celdaCambiada, this, [this](int mes, int c) {
        if (CeldaAnexo *t = celda(m_asistente->definicion().columnas.at(c).control, mes))
            t->setTextoDesdeCodigo(m_asistente->celda(mes, c));
    });

    auto *total = new CeldaAnexo(m_diseno.nombreTotal, 0, -1, contenedor(m_diseno.contenedorTotal));
    total->setObjectName(m_diseno.nombreTotal);
    total->pTecleable(false);
    pUbicar(total, m_diseno.xTotal, m_diseno.yTotal, m_diseno.anchoCelda, m_diseno.altoCelda);
    m_total = total;
    connect(m_asistente, &AsistenteAnexo::totalCambiado, this,
            [total, this] { total->setTextoDesdeCodigo(m_asistente->total()); });

    if (HScroll1) {
        HScroll1->setRange(0, 15);
        HScroll1->setSingleStep(15);
        HScroll1->setPageStep(15);
    }
    // The grand total's caption shows once the frame has slid.
    if (QLabel *l = etiqueta(QStringLiteral("Label1"), 0); l && HScroll1)
        l->hide();
}

void FrmAnexo::pOrdenTab()
{
    const DefinicionAsistente &def = m_asistente->definicion();
    QList<QWidget *> orden;
    for (int mes = def.primerMes; mes <= def.ultimoMes; ++mes)
        for (int c = 0; c < def.columnas.size(); ++c)
            if (def.columnas.at(c).tecleada && !enviada())
                orden << celda(def.columnas.at(c).control, mes);
    if (m_diseno.primeraCeldaAlFinal && !enviada())
        orden.takeFirst();
    for (const ElementoAnexo &e : m_diseno.elementos) {
        const bool foco = e.tipo == ElementoAnexo::Aceptar || e.tipo == ElementoAnexo::Cancelar
                       || e.tipo == ElementoAnexo::Barra;
        if (foco)
            orden << findChild<QWidget *>(clave(e.nombre, e.indice));
    }
    if (m_diseno.primeraCeldaAlFinal && !enviada()) {
        const ColumnaAsistente &primera = def.columnas.first();
        orden << celda(primera.control, def.primerMes);
    }
    for (int i = 1; i < orden.size(); ++i)
        QWidget::setTabOrder(orden.at(i - 1), orden.at(i));
    if (!orden.isEmpty())
        orden.first()->setFocus(Qt::OtherFocusReason);
}

CeldaAnexo *FrmAnexo::celda(const QString &control, int mes) const
{
    return m_celdas.value(clave(control, mes));
}

QLabel *FrmAnexo::etiqueta(const QString &nombre, int indice) const
{
    return m_etiquetas.value(clave(nombre, indice));
}

bool FrmAnexo::Form_Load()
{
    pPunteroReloj();
    AsistenteAnexo::Entrada e;
    if (m_origen) {
        // The sent declaration on view: its RUC, boxes and answers as shown.
        e.ruc = vb::Left(m_origen->campo(Campos::TxtNumRuc), 11);
        e.casilla332 = m_origen->texto(332);
        e.casilla333 = m_origen->texto(333);
        e.optIEAN = m_origen->campo(Campos::OptIEAN);
        e.optAnexo = m_origen->campo(Campos::OptAnexo);
    } else {
        e.ruc = sRuc;
        e.iAccion = iAccion;
        e.casilla332 = sCasilla332;
        e.casilla333 = sCasilla333;
        if (gfrmDeclaracion) {
            const ModeloCasillas &m = *gfrmDeclaracion->modelo();
            if (m_asistente->definicion().factorDeLaDeclaracion) {
                e.casilla332 = m.texto(332);
                e.casilla333 = m.texto(333);
            }
            e.optIEAN = m.campo(Campos::OptIEAN);
            e.optAnexo = m.campo(Campos::OptAnexo);
        }
    }
    try {
        m_asistente->pCargar(e);
    } catch (const DbError &err) {
        pPunteroNormal();
        pMostrarError(err);
        return false;
    }
    setWindowTitle(m_asistente->caption());
    const int ayuda = m_diseno.ayuda < 0 ? m_asistente->casilla().toInt() : m_diseno.ayuda;
    if (ayuda > 0) {
        setProperty("HelpContextID", ayuda);
        for (CeldaAnexo *t : std::as_const(m_celdas))
            if (t->isEnabled())
                t->setProperty("HelpContextID", ayuda);
    }
    dTotal = m_asistente->totalAlAbrir();
    pPunteroNormal();
    return true;
}

int FrmAnexo::exec()
{
    m_aceptado = false;
    if (!Form_Load()) {
        dTotal = std::numeric_limits<double>::quiet_NaN();
        return QDialog::Rejected;
    }
    // Centred over the window it opens from.
    if (QWidget *sobre = QApplication::activeWindow(); sobre && sobre != this) {
        const QRect g = sobre->frameGeometry();
        move(g.center() - QPoint(width() / 2, height() / 2));
        pDentroDePantalla(this);
    }
    return QDialog::exec();
}

void FrmAnexo::done(int r)
{
    // Closing without "&Aceptar" hands back what the window showed when it
    // opened: the rows it leaves as they were.
    if (!m_aceptado)
        dTotal = m_asistente->totalAlAbrir();
    pPunteroNormal();
    QDialog::done(r);
}

void FrmAnexo::CmdGrabar_Click()
{
    if (enviada())
        return;
    pPunteroReloj();
    try {
        m_asistente->pGrabar(base());
    } catch (const DbError &e) {
        // Nothing was stored: the window stays with what was typed.
        pPunteroNormal();
        pMostrarError(e);
        return;
    }
    pPunteroNormal();
    const QString mensaje = m_asistente->definicion().mensajeGrabado;
    if (!mensaje.isEmpty())
        msg::MsgBox(mensaje, 64);
    m_aceptado = true;
    dTotal = m_asistente->fTotal();
    accept();
}

void FrmAnexo::cmdCancelar_Click()
{
    reject();
}

void FrmAnexo::HScroll1_Change(int valor)
{
    if (QWidget *f = marco(QStringLiteral("Frame2")))
        f->move(fPixeles(fIzquierdaMarcoDeslizante(valor, m_diseno.anchoInterior)), f->y());
    if (QLabel *l = etiqueta(QStringLiteral("Label1"), 0))
        l->setVisible(valor != 0);
}

void FrmAnexo::keyPressEvent(QKeyEvent *e)
{
    // ENTER on the button with the focus presses it, as SPACE does; no button
    // is the default, so ENTER anywhere else presses none.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && !(e->modifiers() & ~Qt::KeypadModifier)) {
        if (auto *b = qobject_cast<QPushButton *>(focusWidget()); b && b->isEnabled() && b->isVisible()) {
            e->accept();
            b->click();
            return;
        }
    }
    if (e->key() == Qt::Key_Escape && !m_diseno.escCierra) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
