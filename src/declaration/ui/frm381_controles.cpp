// The controls of the declaration window and their places on the six pages.
#include "declaration/core/codigosdeclaracion.h"
#include "declaration/core/filtroteclas.h"
#include "declaration/core/listacasillas.h"
#include "declaration/core/modelocasillas.h"
#include "declaration/ui/formadepagozrv.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/maskedbox.h"
#include "declaration/ui/txtcasilla.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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

TxtFiltrada *texto(const QString &nombre, int largo, QWidget *padre)
{
    auto *t = new TxtFiltrada(padre);
    t->setObjectName(nombre);
    t->setMaxLength(largo);
    return t;
}

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
        g->addWidget(desc, fila, c + 1);
    }
    auto *caja = new TxtCasilla(n, m_modelo, padre);
    caja->setMinimumWidth(110);
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

    auto *datos = grupo(QStringLiteral("Datos básicos del Contribuyente"), pagina);
    auto *gd = new QGridLayout(datos);
    CmbRuc = new QComboBox(datos);
    CmbRuc->setObjectName(QStringLiteral("CmbRuc"));
    // Until a taxpayer is chosen the combo shows RUC and name.
    CmbRuc->setMinimumWidth(CmbRuc->fontMetrics().averageCharWidth() * 45);
    TxtNumRuc = texto(QStringLiteral("TxtNumRuc"), 11, datos);
    TxtRazon = texto(QStringLiteral("TxtRazon"), 40, datos);
    TxtTelefono = texto(QStringLiteral("TxtTelefono"), 7, datos);
    auto *lblRuc = new QLabel(QStringLiteral("RUC :"), datos);
    auto *lblRazon = new QLabel(QStringLiteral("Razón &Social :"), datos);
    lblRazon->setBuddy(TxtRazon);
    auto *lblTel = new QLabel(QStringLiteral("T&eléfono :"), datos);
    lblTel->setBuddy(TxtTelefono);
    gd->addWidget(lblRuc, 0, 0);
    // The combo of a new declaration stands over the RUC box of a stored one.
    gd->addWidget(TxtNumRuc, 0, 1);
    gd->addWidget(CmbRuc, 0, 1);
    gd->addWidget(lblRazon, 0, 2);
    gd->addWidget(TxtRazon, 0, 3);
    gd->addWidget(lblTel, 1, 0);
    gd->addWidget(TxtTelefono, 1, 1);
    gd->setColumnStretch(3, 1);
    v->addWidget(datos);

    // The answers: a frame per pair, question, then "&Si" and "&No".
    auto *respuestas = new QGridLayout;
    int celda = 0;
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
        int linea = 0;
        if (!r->pregunta.isEmpty()) {
            auto *q = new QLabel(r->pregunta, f);
            q->setWordWrap(true);
            g->addWidget(q, linea++, 0, 1, 2);
        }
        agregarPar(par, g, linea);
        respuestas->addWidget(f, fila, columna);
        return g;
    };
    (void)celda;

    marcoRespuesta(Campos::OptTipoCont, 0, 0);
    marcoRespuesta(Campos::OptConvEstab, 0, 1);

    QGridLayout *gIean = marcoRespuesta(Campos::OptIEAN, 1, 0);
    auto *l8 = new QLabel(CodigosDeclaracion::fRespuesta(Campos::OptAnexo)->pregunta, gIean->parentWidget());
    l8->setObjectName(QStringLiteral("Label1_8"));
    l8->setWordWrap(true);
    m_labels.insert(8, l8);
    gIean->addWidget(l8, 2, 0, 1, 2);
    agregarPar(Campos::OptAnexo, gIean, 3);

    QGridLayout *gAgr = marcoRespuesta(Campos::OptAgraria, 1, 1);
    auto *l9 = new QLabel(QStringLiteral("Registre la fecha de presentación del formulario 4888 (dd/mm/aaaa) :"),
                          gAgr->parentWidget());
    l9->setObjectName(QStringLiteral("Label1_9"));
    l9->setWordWrap(true);
    m_labels.insert(9, l9);
    MkePeriodo = new MaskEdBox(gAgr->parentWidget());
    MkePeriodo->setObjectName(QStringLiteral("MkePeriodo"));
    gAgr->addWidget(l9, 2, 0);
    gAgr->addWidget(MkePeriodo, 2, 1);

    QGridLayout *gRec = marcoRespuesta(Campos::OptRectifica, 2, 0);
    auto *l10 = new QLabel(
        QStringLiteral("Registre el número asignado por KAVEN a la declaración que desea rectificar o sustituir :"),
        gRec->parentWidget());
    l10->setObjectName(QStringLiteral("Label1_10"));
    l10->setWordWrap(true);
    m_labels.insert(10, l10);
    TxtNumOrden = texto(QStringLiteral("TxtNumOrden"), 8, gRec->parentWidget());
    gRec->addWidget(l10, 2, 0);
    gRec->addWidget(TxtNumOrden, 2, 1);

    marcoRespuesta(Campos::OptDomiciliado, 2, 1);

    v->addLayout(respuestas);
    v->addStretch();
    return pagina;
}

QWidget *Frm381::crearPaginaCasillas(int pagina)
{
    auto *w = new QWidget;
    auto *v = new QVBoxLayout(w);
    auto columna = [&](QWidget *padre, const QString &titulo, const QList<int> &cajas) {
        auto *gb = grupo(titulo, padre);
        auto *g = new QGridLayout(gb);
        g->setVerticalSpacing(2);
        int fila = 0;
        for (int n : cajas)
            agregarFila(g, fila++, n);
        g->setColumnStretch(1, 1);
        return gb;
    };

    switch (pagina) {
    case 1: {
        QFrame *f = marco(1, w);
        m_frames.insert(1, f);
        auto *h = new QHBoxLayout(f);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(columna(f, QStringLiteral("I.-Balance General Ajustado "),
                             {300, 301, 302, 303, 500, 306, 307, 308, 501, 312, 313, 315, 316, 317,
                              318, 320, 502}),
                     0, Qt::AlignTop);
        h->addWidget(columna(f, QStringLiteral("II.Estado Ganancias y Pérdidas"),
                             {321, 323, 503, 325, 326, 327, 329, 330, 332, 333, 334, 504, 337, 505,
                              338, 340, 341, 342}),
                     0, Qt::AlignTop);
        v->addWidget(f);
        break;
    }
    case 2: {
        QFrame *f = marco(2, w);
        m_frames.insert(2, f);
        auto *l = new QVBoxLayout(f);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(columna(f, QStringLiteral("IMP A LA RENTA"),
                             {100, 101, 103, 105, 106, 107, 108, 110, 111, 113}));
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
                              {114, 506, 115, 116, 507, 117, 119, 120, 508, 122, 509, 123, 124, 125,
                               510, 127, 128, 129}));
        auto *l0 = new QVBoxLayout(f0);
        l0->setContentsMargins(0, 0, 0, 0);
        l0->addWidget(columna(f0, QStringLiteral("CREDITOS CONTRA EL IMPUESTO A LA RENTA"),
                              {130, 511, 131, 512, 132, 513, 133, 134}));
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
        l->addWidget(columna(f, QStringLiteral("2.-DETERMINACION DE LA DEUDA TRIBUTARIA"),
                             {137, 138, 139, 140, 141, 514, 144, 145, 146, 180}));
        FormaDePagoZRV1 = new FormaDePagoZRV(f);
        FormaDePagoZRV1->setObjectName(QStringLiteral("FormaDePagoZRV1"));
        l->addWidget(FormaDePagoZRV1);
        v->addWidget(f);
        break;
    }
    case 5: {
        QFrame *f = marco(5, w);
        m_frames.insert(5, f);
        auto *g = new QGridLayout(f);
        g->setContentsMargins(0, 0, 0, 0);

        // RUC and amount on one row: the description once, two boxes.
        auto pares = [&](const QString &titulo, int total, const QList<QPair<int, int>> &filas) {
            auto *gb = grupo(titulo, f);
            auto *gg = new QGridLayout(gb);
            gg->setVerticalSpacing(2);
            agregarFila(gg, 0, total);
            int fila = 1;
            for (const auto &p : filas) {
                agregarFila(gg, fila, p.first);
                agregarFila(gg, fila, p.second, 1);
                ++fila;
            }
            gg->setColumnStretch(1, 1);
            return gb;
        };
        g->addWidget(pares(QStringLiteral("4.-INVERSION EN EL SECTOR AGRARIO"), 201, {{203, 205}, {204, 206}}),
                     0, 0);
        g->addWidget(pares(QStringLiteral("5.-MONTO DE INGRESOS ANUALES ATRIBUIDOS"), 215,
                           {{217, 219}, {218, 220}}),
                     1, 0);

        auto *cont = grupo(QStringLiteral("DATOS DEL CONTADOR"), f);
        auto *gc = new QGridLayout(cont);
        gc->setVerticalSpacing(2);
        TxtNombreA = texto(QStringLiteral("TxtNombreA"), 30, cont);
        TxtNombreN = texto(QStringLiteral("TxtNombreN"), 30, cont);
        gc->addWidget(new QLabel(QStringLiteral("Apellidos"), cont), 0, 0, 1, 2);
        gc->addWidget(TxtNombreA, 0, 2, 1, 2);
        gc->addWidget(new QLabel(QStringLiteral("Nombres"), cont), 1, 0, 1, 2);
        gc->addWidget(TxtNombreN, 1, 2, 1, 2);
        CmbZona = new QComboBox(cont);
        CmbZona->setObjectName(QStringLiteral("CmbZona"));
        agregarFila(gc, 2, 208);
        gc->addWidget(CmbZona, 2, 3);
        agregarFila(gc, 3, 209);
        agregarFila(gc, 4, 211);
        agregarFila(gc, 5, 212);
        gc->setColumnStretch(1, 1);
        g->addWidget(cont, 0, 1);

        auto *rep = grupo(QStringLiteral("DATOS DEL REPRESENTANTE LEGAL"), f);
        auto *gr = new QGridLayout(rep);
        gr->setVerticalSpacing(2);
        TxtNombre1A = texto(QStringLiteral("TxtNombre1A"), 30, rep);
        TxtNombre1N = texto(QStringLiteral("TxtNombre1N"), 30, rep);
        gr->addWidget(new QLabel(QStringLiteral("Apellidos"), rep), 0, 0, 1, 2);
        gr->addWidget(TxtNombre1A, 0, 2);
        gr->addWidget(new QLabel(QStringLiteral("Nombres"), rep), 1, 0, 1, 2);
        gr->addWidget(TxtNombre1N, 1, 2);
        agregarFila(gr, 2, 225);
        agregarFila(gr, 3, 226);
        gr->setColumnStretch(1, 1);
        g->addWidget(rep, 1, 1);
        v->addWidget(f);
        break;
    }
    default:
        break;
    }
    v->addStretch();
    return w;
}

void Frm381::crearControles()
{
    setWindowTitle(QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta"));
    auto *v = new QVBoxLayout(this);

    SSTab1 = new QTabWidget(this);
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
}
