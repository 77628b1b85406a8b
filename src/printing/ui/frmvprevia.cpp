#include "printing/ui/frmvprevia.h"
#include "layout/core/corrida.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "printing/core/geometriaprevia.h"
#include "printing/core/motorimpresion.h"
#include "printing/ui/destinoimpresora.h"
#include "shell/core/modglobal.h"
#include "shell/ui/iconos.h"
#include "shell/ui/modventanas.h"
#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QToolBar>
#include <QToolButton>

namespace {

int fPx(double twips)
{
    return fTwipsAPixeles(twips, fTwipsPorPixel());
}

int fTw(int pixeles)
{
    return qRound(fPixelesATwips(pixeles, fTwipsPorPixel()));
}

// The paging buttons' triangles.
QIcon fIconoFlecha(bool izquierda)
{
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    const QPolygonF t = izquierda ? QPolygonF({QPointF(11, 3), QPointF(11, 13), QPointF(4, 8)})
                                  : QPolygonF({QPointF(5, 3), QPointF(5, 13), QPointF(12, 8)});
    p.drawPolygon(t);
    return QIcon(px);
}

} // namespace

PicPrevia::PicPrevia(const QImage &imagen, QWidget *parent) : QWidget(parent), m_imagen(imagen)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PicPrevia::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    if (m_imagen.size() == size()) {
        // At 96 dpi the picture is the page pixel for pixel: only the uncovered part.
        p.drawImage(e->rect(), m_imagen, e->rect());
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_imagen);
    }
}

frmVPrevia::frmVPrevia(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmVPrevia"));
    setWindowTitle(QStringLiteral("Vista Preliminar del Impuesto a la Renta"));

    tlbPrevia = new QToolBar(this);
    tlbPrevia->setObjectName(QStringLiteral("tlbPrevia"));
    tlbPrevia->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tlbPrevia->setMovable(false);
    m_hueco = new QWidget(tlbPrevia);
    m_botones << tlbPrevia->addWidget(m_hueco);
    m_botones << tlbPrevia->addAction(fIconoFlecha(true), QStringLiteral("Pag Anterior"));
    m_botones << tlbPrevia->addAction(fIconoFlecha(false), QStringLiteral("Pag Sgt"));
    m_botones << tlbPrevia->addAction(iconos::imprimir(), QStringLiteral("Imprimir"));
    m_botones << tlbPrevia->addAction(iconos::salir(), QStringLiteral("Salir"));
    for (int i = 1; i <= m_botones.size(); ++i) {
        m_botones.at(i - 1)->setObjectName(QStringLiteral("tlbPrevia_%1").arg(i));
        if (i > 1)
            connect(m_botones.at(i - 1), &QAction::triggered, this, [this, i] { tlbPrevia_ButtonClick(i); });
    }
    txtPag = new QLineEdit(tlbPrevia);
    txtPag->setObjectName(QStringLiteral("txtPag"));
    txtPag->setToolTip(QStringLiteral("Número de Paginas"));
    txtPag->setReadOnly(true);
    txtPag->setFocusPolicy(Qt::NoFocus);
    txtPag->setFixedWidth(fPx(700));

    picFondo = new QWidget(this);
    picFondo->setObjectName(QStringLiteral("picFondo"));
    picFondo->setAutoFillBackground(true);
    QPalette gris = picFondo->palette();
    gris.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    picFondo->setPalette(gris);
    for (int i = 0; i < PaginasPrevia::Cantidad; ++i) {
        picPrevia[i] = new PicPrevia(m_paginas.pagina(i), picFondo);
        picPrevia[i]->setObjectName(QStringLiteral("picPrevia_%1").arg(i));
        const QSize t = PaginasPrevia::tamanoTwips(i);
        picPrevia[i]->resize(fPx(t.width()), fPx(t.height()));
        picPrevia[i]->hide();
        picPrevia[i]->installEventFilter(this);
    }
    picFondo->installEventFilter(this);

    vsbPic = new QScrollBar(Qt::Vertical, this);
    vsbPic->setObjectName(QStringLiteral("vsbPic"));
    hsbPrevia = new QScrollBar(Qt::Horizontal, this);
    hsbPrevia->setObjectName(QStringLiteral("hsbPrevia"));
    // One row of the form a step, about a screen a page.
    vsbPic->setSingleStep(270);
    vsbPic->setPageStep(4000);
    hsbPrevia->setSingleStep(270);
    hsbPrevia->setPageStep(1000);
    connect(vsbPic, &QScrollBar::valueChanged, this, &frmVPrevia::vsbPic_Change);
    connect(hsbPrevia, &QScrollBar::valueChanged, this, &frmVPrevia::hsbPrevia_Change);

    // As large as the screen allows below its top 100 twips.
    const QScreen *pantalla = QGuiApplication::primaryScreen();
    const QRect util = pantalla ? pantalla->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(qMax(fPx(9000), util.width()), qMax(fPx(6000), util.height() - fPx(100)));
}

frmVPrevia::~frmVPrevia() = default;

QAction *frmVPrevia::boton(int indice) const
{
    return indice >= 1 && indice <= m_botones.size() ? m_botones.at(indice - 1) : nullptr;
}

void frmVPrevia::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_cargada) {
        m_cargada = true;
        Form_Load();
    }
}

void frmVPrevia::Form_Load()
{
    move(0, fPx(100));
    iTamanoLetra = 8;
    iTotalHojas = bAnexo ? 3 : 2;
    txtPag->setText(QStringLiteral("1/") + QString::number(iTotalHojas));
    sModoImpresion = MotorImpresion::ModoPrevia;
    pCorrida();
    pMostrar(1);
    Form_Resize();
}

void frmVPrevia::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    Form_Resize();
}

void frmVPrevia::Form_Resize()
{
    const int T = fTw(tlbPrevia->sizeHint().height());
    tlbPrevia->setGeometry(0, 0, width(), fPx(T));
    const GeometriaPrevia g = fGeometriaPrevia(qRound(fAnchoTwips(this)), qRound(fAltoTwips(this)), T,
                                               fTw(hsbPrevia->sizeHint().height()),
                                               fTw(vsbPic->sizeHint().width()), fTw(height()));
    vsbPic->setGeometry(fPx(g.vsbLeft), fPx(T), vsbPic->sizeHint().width(), fPx(g.vsbHeight));
    picFondo->setGeometry(0, fPx(T), fPx(g.fondoWidth), fPx(g.fondoHeight));
    hsbPrevia->setGeometry(0, fPx(g.hsbTop), fPx(g.hsbWidth), hsbPrevia->sizeHint().height());
    pCuadre();
    pColocarBarra();
}

void frmVPrevia::pColocarBarra()
{
    // The gap pushes the buttons towards the middle; the counter follows "Salir".
    QWidget *b2 = tlbPrevia->widgetForAction(boton(2));
    const int alto2 = b2 ? b2->sizeHint().height() : 0;
    m_hueco->setFixedWidth(qMax(0, tlbPrevia->width() / 2 - 2 * alto2));
    if (tlbPrevia->layout())
        tlbPrevia->layout()->activate();
    if (QWidget *b5 = tlbPrevia->widgetForAction(boton(5)))
        txtPag->move(b5->x() + fPx(1000), (tlbPrevia->height() - txtPag->height()) / 2);
    txtPag->raise();
}

void frmVPrevia::pMostrar(int Nrohoja)
{
    for (int i = 1; i <= PaginasPrevia::Cantidad; ++i) {
        if (i == Nrohoja) {
            picPrevia[i - 1]->move(0, 0);
            picPrevia[i - 1]->show();
        } else {
            picPrevia[i - 1]->hide();
        }
    }
    iHojaActual = Nrohoja;
    vsbPic->setValue(0);
    hsbPrevia->setValue(0);
}

void frmVPrevia::pCuadre()
{
    if (iHojaActual < 1 || iHojaActual > PaginasPrevia::Cantidad)
        return;
    PicPrevia *p = picPrevia[iHojaActual - 1];
    const QSize t = PaginasPrevia::tamanoTwips(iHojaActual - 1);
    const CuadrePrevia c = fCuadrePrevia(t.width(), t.height(), fTw(vsbPic->height()), fTw(picFondo->width()));
    vsbPic->setMaximum(c.vsbMax);
    hsbPrevia->setMaximum(c.hsbMax);
    p->move(fPx(c.paginaLeft), p->y());
}

bool frmVPrevia::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::Wheel)
        return QDialog::eventFilter(objeto, evento);
    // A sideways turn (or a tilt) goes to the horizontal bar; the bar itself
    // takes the desktop's lines a notch and its modifiers.
    const QPoint giro = static_cast<QWheelEvent *>(evento)->angleDelta();
    QScrollBar *barra = qAbs(giro.x()) > qAbs(giro.y()) ? hsbPrevia : vsbPic;
    if (barra->minimum() == barra->maximum())
        return false;
    QCoreApplication::sendEvent(barra, evento);
    return true;
}

void frmVPrevia::vsbPic_Change(int valor)
{
    PicPrevia *p = picPrevia[qBound(1, iHojaActual, PaginasPrevia::Cantidad) - 1];
    p->move(p->x(), -fPx(valor));
}

void frmVPrevia::hsbPrevia_Change(int valor)
{
    PicPrevia *p = picPrevia[qBound(1, iHojaActual, PaginasPrevia::Cantidad) - 1];
    p->move(-fPx(valor), p->y());
}

void frmVPrevia::tlbPrevia_ButtonClick(int indice)
{
    switch (indice) {
    case 2:
        if (iHojaActual > 1) {
            --iHojaActual;
            pMostrar(iHojaActual);
            pCuadre();
        }
        txtPag->setText(fTextoPaginas(iHojaActual, iTotalHojas));
        break;
    case 3:
        if (iHojaActual < iTotalHojas) {
            ++iHojaActual;
            pMostrar(iHojaActual);
            pCuadre();
        }
        txtPag->setText(fTextoPaginas(iHojaActual, iTotalHojas));
        break;
    case 4:
        pImprimir();
        break;
    case 5:
        close();
        break;
    default:
        break;
    }
}

void frmVPrevia::pImprimir()
{
    iTamanoLetra = 8;
    sModoImpresion = MotorImpresion::ModoImprimir;
    pCorrida();
}

void frmVPrevia::pCorrida()
{
    m_datos.sRuc = sRuc;
    m_datos.sRaSoc = sRaSoc;
    m_datos.sPeriodo = sPeriodo;
    m_datos.sFormulario = sFormulario;
    m_datos.bGl_recti = bGl_recti;
    m_datos.bAnexo = bAnexo;
    m_datos.sCORREL = sCORREL;
    m_datos.sNOrdenR = sNOrdenR;
    m_datos.sControl = sControl;
    m_datos.sCodReporte = sCodReporte;
    m_datos.iTamanoLetra = iTamanoLetra;
    if (!gdbBase) {
        msg::MsgBox(QStringLiteral("No hay una base de datos abierta."), 16);
        return;
    }
    if (sModoImpresion == MotorImpresion::ModoImprimir) {
        DestinoImpresora impresora(sCodReporte + QLatin1Char('_') + vb::Trim(sRuc));
        MotorImpresion motor(sModoImpresion, impresora,
                             RegistroGuion{gdbBase.get(), gsRutaRpt, gsUsuario, sCodReporte, sRuc});
        pCargar(m_datos, *gdbBase, motor);
    } else {
        // What is drawn stays on the pictures; printing later does not redraw them.
        {
            DestinoPrevia previa(m_paginas);
            MotorImpresion motor(sModoImpresion, previa);
            pCargar(m_datos, *gdbBase, motor);
        }
        for (PicPrevia *p : picPrevia)
            p->update();
    }
}
