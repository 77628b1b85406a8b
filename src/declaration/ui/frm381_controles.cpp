// The controls of the declaration window and their places on the six pages.
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/filtroteclas.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/formadepagozrv.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/maskedbox.h"
#include "declaration/ui/txtcasilla.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyleOptionTab>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QGroupBox *grupo(const QString &titulo, QWidget *padre)
{
    auto *g = new QGroupBox(titulo, padre);
    return g;
}

QFrame *marco(int i, QWidget *padre)
{
    auto *f = new QFrame(padre);
    f->setObjectName(QStringLiteral("Frame1_%1").arg(i));
    return f;
}

// Disabled fields keep the grey background they are given, with text that
// can still be read on it.
void pTextoDeshabilitadoLegible(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x40, 0x40, 0x40));
    w->setPalette(p);
}

TxtFiltrada *texto(const QString &nombre, int largo, QWidget *padre)
{
    auto *t = new TxtFiltrada(padre);
    t->setObjectName(nombre);
    t->setMaxLength(largo);
    pTextoDeshabilitadoLegible(t);
    return t;
}

// A page whose content may be taller than the window: it scrolls vertically
// inside the page, and its width follows the page, so the window keeps its
// size whatever the page holds.
QWidget *paginaDesplazable(QWidget *contenido)
{
    auto *pagina = new QWidget;
    auto *l = new QVBoxLayout(pagina);
    l->setContentsMargins(0, 0, 0, 0);
    auto *area = new QScrollArea(pagina);
    area->setObjectName(QStringLiteral("desplazamiento"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setWidget(contenido);
    // The page's own background shows through.
    area->viewport()->setAutoFillBackground(false);
    contenido->setAutoFillBackground(false);
    l->addWidget(area);
    return pagina;
}

// The page captions wrap over two lines, so that the six of them fit the
// window's width side by side, readable and without scroll arrows. The
// captions themselves stay as they are (mnemonics included).
class BarraPestanas : public QTabBar {
public:
    explicit BarraPestanas(QWidget *padre) : QTabBar(padre) {}

protected:
    QSize tabSizeHint(int index) const override
    {
        const QFontMetrics fm(font());
        int ancho = 0;
        for (const QString &l : lineas(index))
            ancho = qMax(ancho, fm.size(Qt::TextShowMnemonic, l).width());
        return QSize(ancho + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, this),
                     2 * fm.height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, nullptr, this));
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        auto dibujar = [&](int i) {
            QStyleOptionTab opt;
            initStyleOption(&opt, i);
            opt.text.clear();
            p.drawControl(QStyle::CE_TabBarTab, opt);
            int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
            if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, this))
                flags |= Qt::TextHideMnemonic;
            p.drawItemText(opt.rect, flags, opt.palette, opt.state & QStyle::State_Enabled,
                           lineas(i).join(QLatin1Char('\n')), QPalette::WindowText);
        };
        // The current tab is drawn last: it overlaps its neighbours.
        for (int i = 0; i < count(); ++i)
            if (i != currentIndex())
                dibujar(i);
        if (currentIndex() >= 0)
            dibujar(currentIndex());
    }

private:
    // The caption's words in one line, or in two whose longer one is as
    // short as it can be.
    QStringList lineas(int index) const
    {
        const QStringList palabras = tabText(index).simplified().split(QLatin1Char(' '));
        if (palabras.size() < 2)
            return {palabras.join(QLatin1Char(' '))};
        const QFontMetrics fm(font());
        auto ancho = [&fm](const QString &s) { return fm.size(Qt::TextShowMnemonic, s).width(); };
        QStringList mejor;
        int mejorAncho = -1;
        for (int k = 1; k < palabras.size(); ++k) {
            const QString a = palabras.mid(0, k).join(QLatin1Char(' '));
            const QString b = palabras.mid(k).join(QLatin1Char(' '));
            const int w = qMax(ancho(a), ancho(b));
            if (mejorAncho < 0 || w < mejorAncho) {
                mejorAncho = w;
                mejor = {a, b};
            }
        }
        return mejor;
    }
};

// The zone list: each item is the name (up to 15 characters), 100 blanks and
// the two-character code. The list opens as wide as the combo, so that it
// shows the names in one column and keeps the codes out of view behind the
// blanks, instead of widening to the whole items with the codes scattered.
class ComboZonas : public QComboBox {
public:
    explicit ComboZonas(QWidget *padre) : QComboBox(padre)
    {
        QFont fijo(QStringLiteral("Courier New"));
        fijo.setStyleHint(QFont::Monospace);
        fijo.setFixedPitch(true);
        fijo.setPointSizeF(font().pointSizeF());
        setFont(fijo);
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        setMinimumContentsLength(15);
        // Plain item painting: the text is cut at the list's edge, not elided
        // in its middle.
        view()->setItemDelegate(new QStyledItemDelegate(view()));
        view()->setTextElideMode(Qt::ElideNone);
        view()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    void showPopup() override
    {
        QComboBox::showPopup();
        QWidget *lista = view()->window();
        if (lista != window() && lista->width() > width())
            lista->setGeometry(mapToGlobal(QPoint(0, 0)).x(), lista->y(), width(), lista->height());
    }
};

class PestanasSSTab : public QTabWidget {
public:
    explicit PestanasSSTab(QWidget *padre) : QTabWidget(padre)
    {
        setTabBar(new BarraPestanas(this));
        tabBar()->setExpanding(true);
        tabBar()->setUsesScrollButtons(false);
        tabBar()->setElideMode(Qt::ElideNone);
    }
};

} // namespace

void Frm381::agregarFila(QGridLayout *g, int fila, int n, int columna)
{
    QWidget *padre = g->parentWidget();
    const int c = columna * 3;
    auto *numero = new QLabel(ListaCasillas::fNombreCasilla(n), padre);
    numero->setAlignment(Qt::AlignCenter);
    numero->setFrameShape(QFrame::Box);
    numero->setMinimumWidth(32);
    g->addWidget(numero, fila, c);
    if (columna == 0) {
        auto *desc = new QLabel(ListaCasillas::fDescripcion(n), padre);
        desc->setObjectName(QStringLiteral("lblCasilla_%1").arg(n));
        // A long description takes a second line rather than widening the page.
        desc->setWordWrap(true);
        g->addWidget(desc, fila, c + 1);
    }
    auto *caja = new TxtCasilla(n, m_modelo, padre);
    caja->setMinimumWidth(110);
    caja->setMaximumWidth(150);
    pTextoDeshabilitadoLegible(caja);
    if (n == 137)
        caja->setAlignment(Qt::AlignCenter);
    m_cajas.insert(n, caja);
    g->addWidget(caja, fila, c + 2);
}

QRadioButton *Frm381::Opt(const QString &par, int index) const
{
    return m_opciones.value(QStringLiteral("%1(%2)").arg(par).arg(index));
}

QWidget *Frm381::crearPagina0()
{
    auto *pagina = new QWidget;
    auto *v = new QVBoxLayout(pagina);
    m_pagina0 = v;
    v->setContentsMargins(4, 4, 4, 4);
    v->setSpacing(4);
    auto compacto = [](QGridLayout *g) {
        g->setContentsMargins(6, 4, 6, 4);
        g->setVerticalSpacing(2);
    };

    auto *datos = grupo(QStringLiteral("Datos básicos del Contribuyente"), pagina);
    auto *gd = new QGridLayout(datos);
    m_datosBasicos = gd;
    compacto(gd);
    CmbRuc = new QComboBox(datos);
    CmbRuc->setObjectName(QStringLiteral("CmbRuc"));
    // Its items hold RUC and name: closed, it is as wide as a RUC from the
    // start, so that choosing a taxpayer moves and resizes nothing.
    CmbRuc->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CmbRuc->setMinimumContentsLength(11);
    CmbRuc->setFixedWidth(fAnchoCmbRuc());
    TxtNumRuc = texto(QStringLiteral("TxtNumRuc"), 11, datos);
    TxtRazon = texto(QStringLiteral("TxtRazon"), 40, datos);
    TxtTelefono = texto(QStringLiteral("TxtTelefono"), 7, datos);
    TxtTelefono->setMaximumWidth(TxtTelefono->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);
    auto *lblRuc = new QLabel(QStringLiteral("RUC :"), datos);
    auto *lblRazon = new QLabel(QStringLiteral("Razón &Social :"), datos);
    lblRazon->setBuddy(TxtRazon);
    auto *lblTel = new QLabel(QStringLiteral("T&eléfono :"), datos);
    lblTel->setBuddy(TxtTelefono);
    // RUC and telephone on one row, the name on a row of its own.
    gd->addWidget(lblRuc, 0, 0);
    // The combo of a new declaration stands over the RUC box of a stored one.
    gd->addWidget(TxtNumRuc, 0, 1, Qt::AlignLeft);
    gd->addWidget(CmbRuc, 0, 1, Qt::AlignLeft);
    gd->addWidget(lblTel, 0, 2, Qt::AlignRight);
    gd->addWidget(TxtTelefono, 0, 3);
    gd->addWidget(lblRazon, 1, 0);
    gd->addWidget(TxtRazon, 1, 1, 1, 3);
    gd->setColumnStretch(1, 1);
    TxtNumRuc->setMinimumWidth(TxtNumRuc->fontMetrics().horizontalAdvance(QStringLiteral("00000000000")) + 16);
    v->addWidget(datos);

    // The answers: a frame per pair, question, then "&Si" and "&No".
    auto *respuestas = new QGridLayout;
    respuestas->setSpacing(4);
    auto agregarPar = [this](const QString &par, QGridLayout *g, int fila) {
        const auto *r = CodigosDeclaracion::fRespuesta(par);
        QWidget *padre = g->parentWidget();
        auto *fila1 = new QHBoxLayout;
        for (int index : {1, 0}) {
            auto *b = new QRadioButton(index == 1 ? r->opcion1 : r->opcion0, padre);
            b->setObjectName(QStringLiteral("%1_%2").arg(par).arg(index));
            b->setAutoExclusive(false);
            m_opciones.insert(QStringLiteral("%1(%2)").arg(par).arg(index), b);
            connect(b, &QRadioButton::clicked, this, [this, par, index] { pSeleccionar(par, index); });
            // Arrows move within the pair and select, as a click does.
            b->setProperty("qxPar", par);
            b->setProperty("qxIndex", index);
            b->installEventFilter(this);
            fila1->addWidget(b);
        }
        fila1->addStretch();
        g->addLayout(fila1, fila, 0, 1, 2);
    };
    auto marcoRespuesta = [&](const QString &par, int fila, int columna) -> QGridLayout * {
        const auto *r = CodigosDeclaracion::fRespuesta(par);
        auto *f = grupo(r->marco, pagina);
        if (par == Campos::OptRectifica)
            f->setObjectName(QStringLiteral("Frame17"));
        auto *g = new QGridLayout(f);
        compacto(g);
        int linea = 0;
        if (!r->pregunta.isEmpty()) {
            auto *q = new QLabel(r->pregunta, f);
            q->setWordWrap(true);
            g->addWidget(q, linea++, 0, 1, 2);
        }
        agregarPar(par, g, linea);
        g->setColumnStretch(0, 1);
        g->setRowStretch(g->rowCount(), 1);
        respuestas->addWidget(f, fila, columna);
        return g;
    };
    respuestas->setColumnStretch(0, 1);
    respuestas->setColumnStretch(1, 1);

    marcoRespuesta(Campos::OptTipoCont, 0, 0);
    marcoRespuesta(Campos::OptConvEstab, 0, 1);

    QGridLayout *gIean = marcoRespuesta(Campos::OptIEAN, 1, 0);
    auto *l8 = new QLabel(CodigosDeclaracion::fRespuesta(Campos::OptAnexo)->pregunta, gIean->parentWidget());
    l8->setObjectName(QStringLiteral("Label1_8"));
    l8->setWordWrap(true);
    m_labels.insert(8, l8);
    gIean->addWidget(l8, 2, 0, 1, 2);
    agregarPar(Campos::OptAnexo, gIean, 3);

    // The date and order-number requests: the text over its field, so that
    // neither is squeezed.
    QGridLayout *gAgr = marcoRespuesta(Campos::OptAgraria, 1, 1);
    auto *l9 = new QLabel(QStringLiteral("Registre la fecha de presentación del formulario 4888 (dd/mm/aaaa) :"),
                          gAgr->parentWidget());
    l9->setObjectName(QStringLiteral("Label1_9"));
    l9->setWordWrap(true);
    m_labels.insert(9, l9);
    MkePeriodo = new MaskEdBox(gAgr->parentWidget());
    MkePeriodo->setObjectName(QStringLiteral("MkePeriodo"));
    MkePeriodo->setMaximumWidth(MkePeriodo->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    pTextoDeshabilitadoLegible(MkePeriodo);
    gAgr->addWidget(l9, 2, 0, 1, 2);
    gAgr->addWidget(MkePeriodo, 3, 0, 1, 2, Qt::AlignLeft);

    QGridLayout *gRec = marcoRespuesta(Campos::OptRectifica, 2, 0);
    auto *l10 = new QLabel(
        QStringLiteral("Registre el número asignado por KAVEN a la declaración que desea rectificar o sustituir :"),
        gRec->parentWidget());
    l10->setObjectName(QStringLiteral("Label1_10"));
    l10->setWordWrap(true);
    m_labels.insert(10, l10);
    TxtNumOrden = texto(QStringLiteral("TxtNumOrden"), 8, gRec->parentWidget());
    TxtNumOrden->setMaximumWidth(TxtNumOrden->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 16);
    gRec->addWidget(l10, 2, 0, 1, 2);
    gRec->addWidget(TxtNumOrden, 3, 0, 1, 2, Qt::AlignLeft);

    marcoRespuesta(Campos::OptDomiciliado, 2, 1);

    v->addLayout(respuestas);
    v->addStretch();
    return paginaDesplazable(pagina);
}

QWidget *Frm381::crearPaginaCasillas(int pagina)
{
    auto *w = new QWidget;
    auto *v = new QVBoxLayout(w);
    v->setContentsMargins(4, 4, 4, 4);
    v->setSpacing(4);
    auto compacto = [](QGridLayout *g) {
        g->setContentsMargins(6, 4, 6, 4);
        g->setVerticalSpacing(2);
    };
    auto columna = [&](QWidget *padre, const QString &titulo, const QList<int> &cajas) {
        auto *gb = grupo(titulo, padre);
        auto *g = new QGridLayout(gb);
        compacto(g);
        int fila = 0;
        for (int n : cajas)
            agregarFila(g, fila++, n);
        g->setColumnStretch(1, 1);
        return gb;
    };

    switch (pagina) {
    case 1: {
        // The balance sheet over the income statement: side by side they
        // would not fit the window's width.
        QFrame *f = marco(1, w);
        m_frames.insert(1, f);
        auto *l = new QVBoxLayout(f);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(4);
        l->addWidget(columna(f, QStringLiteral("I.-Balance General Ajustado "),
                             ListaCasillas::fCasillasDe(ListaCasillas::Seccion::Balance)));
        l->addWidget(columna(f, QStringLiteral("II.Estado Ganancias y Pérdidas"),
                             ListaCasillas::fCasillasDe(ListaCasillas::Seccion::Resultados)));
        v->addWidget(f);
        break;
    }
    case 2: {
        QFrame *f = marco(2, w);
        m_frames.insert(2, f);
        auto *l = new QVBoxLayout(f);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(columna(f, QStringLiteral("IMP A LA RENTA"),
                             ListaCasillas::fCasillasDe(ListaCasillas::Seccion::Renta)));
        v->addWidget(f);
        break;
    }
    case 3: {
        // Two alternative credit frames: subject to IEAN (3) or not (0).
        QFrame *f3 = marco(3, w);
        QFrame *f0 = marco(0, w);
        m_frames.insert(3, f3);
        m_frames.insert(0, f0);
        auto *l3 = new QVBoxLayout(f3);
        l3->setContentsMargins(0, 0, 0, 0);
        l3->addWidget(columna(f3, QStringLiteral("CREDITOS CONTRA EL IMPUESTO A LA RENTA"),
                              ListaCasillas::fCasillasDe(ListaCasillas::Seccion::CreditosIEAN)));
        auto *l0 = new QVBoxLayout(f0);
        l0->setContentsMargins(0, 0, 0, 0);
        l0->addWidget(columna(f0, QStringLiteral("CREDITOS CONTRA EL IMPUESTO A LA RENTA"),
                              ListaCasillas::fCasillasDe(ListaCasillas::Seccion::CreditosSinIEAN)));
        f0->setVisible(false);
        v->addWidget(f3);
        v->addWidget(f0);
        break;
    }
    case 4: {
        QFrame *f = marco(4, w);
        m_frames.insert(4, f);
        auto *l = new QVBoxLayout(f);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(4);
        l->addWidget(columna(f, QStringLiteral("2.-DETERMINACION DE LA DEUDA TRIBUTARIA"),
                             ListaCasillas::fCasillasDe(ListaCasillas::Seccion::Deuda)));
        FormaDePagoZRV1 = new FormaDePagoZRV(f);
        FormaDePagoZRV1->setObjectName(QStringLiteral("FormaDePagoZRV1"));
        l->addWidget(FormaDePagoZRV1);
        v->addWidget(f);
        break;
    }
    case 5: {
        // The four frames one under the other, each as wide as the page.
        QFrame *f = marco(5, w);
        m_frames.insert(5, f);
        auto *l = new QVBoxLayout(f);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(4);

        // The total, then RUC and amount on one row: the description once, two boxes.
        auto pares = [&](const QString &titulo, ListaCasillas::Seccion seccion) {
            const QList<int> cajas = ListaCasillas::fCasillasDe(seccion);
            auto *gb = grupo(titulo, f);
            auto *gg = new QGridLayout(gb);
            compacto(gg);
            agregarFila(gg, 0, cajas.value(0));
            for (int i = 1; i + 1 < cajas.size(); i += 2) {
                agregarFila(gg, (i + 1) / 2, cajas[i]);
                agregarFila(gg, (i + 1) / 2, cajas[i + 1], 1);
            }
            gg->setColumnStretch(1, 1);
            return gb;
        };
        // A group's boxes one a row, under the names.
        auto filas = [&](QGridLayout *g, ListaCasillas::Seccion seccion) {
            int fila = 1;
            for (int n : ListaCasillas::fCasillasDe(seccion))
                agregarFila(g, fila++, n);
        };
        // Surnames and names over the boxes, as wide as the frame, alike in
        // both frames.
        auto nombres = [&](QGroupBox *gb, QGridLayout *g, TxtFiltrada *apellidos, TxtFiltrada *nombre,
                           int columnas) {
            auto *n = new QGridLayout;
            n->setContentsMargins(0, 0, 0, 0);
            n->setVerticalSpacing(2);
            n->addWidget(new QLabel(QStringLiteral("Apellidos"), gb), 0, 0);
            n->addWidget(apellidos, 0, 1);
            n->addWidget(new QLabel(QStringLiteral("Nombres"), gb), 1, 0);
            n->addWidget(nombre, 1, 1);
            n->setColumnStretch(1, 1);
            g->addLayout(n, 0, 0, 1, columnas);
        };

        l->addWidget(pares(QStringLiteral("4.-INVERSION EN EL SECTOR AGRARIO"), ListaCasillas::Seccion::Agrario));
        l->addWidget(pares(QStringLiteral("5.-MONTO DE INGRESOS ANUALES ATRIBUIDOS"),
                           ListaCasillas::Seccion::Ingresos));

        auto *cont = grupo(QStringLiteral("DATOS DEL CONTADOR"), f);
        auto *gc = new QGridLayout(cont);
        compacto(gc);
        TxtNombreA = texto(QStringLiteral("TxtNombreA"), CodigosDeclaracion::kLargoNombre, cont);
        TxtNombreN = texto(QStringLiteral("TxtNombreN"), CodigosDeclaracion::kLargoNombre, cont);
        nombres(cont, gc, TxtNombreA, TxtNombreN, 4);
        CmbZona = new ComboZonas(cont);
        CmbZona->setObjectName(QStringLiteral("CmbZona"));
        // The zone's code first, its list beside it.
        filas(gc, ListaCasillas::Seccion::Contador);
        gc->addWidget(CmbZona, 1, 3);
        gc->setColumnStretch(1, 1);
        l->addWidget(cont);

        auto *rep = grupo(QStringLiteral("DATOS DEL REPRESENTANTE LEGAL"), f);
        auto *gr = new QGridLayout(rep);
        compacto(gr);
        TxtNombre1A = texto(QStringLiteral("TxtNombre1A"), CodigosDeclaracion::kLargoNombre, rep);
        TxtNombre1N = texto(QStringLiteral("TxtNombre1N"), CodigosDeclaracion::kLargoNombre, rep);
        nombres(rep, gr, TxtNombre1A, TxtNombre1N, 3);
        filas(gr, ListaCasillas::Seccion::Representante);
        gr->setColumnStretch(1, 1);
        l->addWidget(rep);
        v->addWidget(f);
        break;
    }
    default:
        break;
    }
    v->addStretch();
    return paginaDesplazable(w);
}

void Frm381::crearControles()
{
    setWindowTitle(QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta"));
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);

    SSTab1 = new PestanasSSTab(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(crearPagina0(), QStringLiteral("&Identificación"));
    SSTab1->addTab(crearPaginaCasillas(1), QStringLiteral("  Estados  &Financieros"));
    SSTab1->addTab(crearPaginaCasillas(2), QStringLiteral(" Impuesto a  la  &Renta"));
    SSTab1->addTab(crearPaginaCasillas(3), QStringLiteral("Cré&ditos contra el Imp. Renta"));
    SSTab1->addTab(crearPaginaCasillas(4), QStringLiteral("Determinación de la Deuda"));
    SSTab1->addTab(crearPaginaCasillas(5), QStringLiteral(" Infor&mación  Adicional"));
    v->addWidget(SSTab1, 1);

    TxtAyuda = new QLineEdit(this);
    TxtAyuda->setObjectName(QStringLiteral("TxtAyuda"));
    TxtAyuda1 = new QLineEdit(this);
    TxtAyuda1->setObjectName(QStringLiteral("TxtAyuda1"));
    for (QLineEdit *a : {TxtAyuda, TxtAyuda1}) {
        a->setReadOnly(true);
        a->setFocusPolicy(Qt::NoFocus);
        a->setFrame(false);
        // A long help text is cut, it does not widen the window.
        a->setMinimumWidth(0);
        v->addWidget(a);
    }

    auto *botones = new QHBoxLayout;
    CmdGrabar = new QPushButton(QStringLiteral("&Grabar"), this);
    CmdGrabar->setObjectName(QStringLiteral("CmdGrabar"));
    CmdValidar = new QPushButton(QStringLiteral("&Validar Decla."), this);
    CmdValidar->setObjectName(QStringLiteral("CmdValidar"));
    cmdCancelar = new QPushButton(QStringLiteral("&Salir"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    botones->addStretch();
    for (QPushButton *b : {CmdGrabar, CmdValidar, cmdCancelar}) {
        // ENTER belongs to the boxes: no button takes it.
        b->setAutoDefault(false);
        b->setDefault(false);
        botones->addWidget(b);
    }
    v->addLayout(botones);

    // A box reached by the keyboard or from code on a page that scrolls is
    // brought into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *ahora) {
        if (!ahora || !isAncestorOf(ahora))
            return;
        for (QWidget *p = ahora->parentWidget(); p && p != this; p = p->parentWidget())
            if (auto *area = qobject_cast<QScrollArea *>(p)) {
                area->ensureWidgetVisible(ahora);
                break;
            }
    });
}
