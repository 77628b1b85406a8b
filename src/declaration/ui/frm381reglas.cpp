#include "frm381reglas.h"
#include "declaration/core/calculos/despacho.h"
#include "declaration/core/reglas/reglasdeclaracion.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/grabacionventana.h"
#include "declaration/ui/maskedbox.h"
#include "declaration/ui/txtcasilla.h"
#include "shell/ui/modventanas.h"
#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const char *const kContextoAyuda = "HelpContextID";

QColor fColor(quint32 bgr) { return TxtCasilla::fColor(bgr); }

quint32 fBgr(const QColor &c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

void pFondo(QWidget *w, quint32 bgr)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, fColor(bgr));
    p.setColor(QPalette::Disabled, QPalette::Base, fColor(bgr));
    w->setPalette(p);
}

void pMostrarPaginaBloqueada(Frm381 &w, int pagina)
{
    // A page brought forward by a check is no entry of the user's.
    if (w.SSTab1->currentIndex() == pagina)
        return;
    const QSignalBlocker b(w.SSTab1);
    w.SSTab1->setCurrentIndex(pagina);
}

// The content frames, the page entered and its help topic, as `v` has them.
void pAplicarPagina(Frm381 &w, const EstadoVentana &v)
{
    for (int i = 0; i <= 5; ++i) {
        QWidget *f = w.Frame1(i);
        if (f && f->isHidden() == v.frame[i])
            f->setVisible(v.frame[i]);
    }
    w.iPestana = v.iPestana;
    w.SSTab1->setProperty(kContextoAyuda, v.helpContext);
}

// The page-0 controls that EstadoVentana names; the labels and the annex
// options take only the enabled state.
QList<QWidget *> fControles(Frm381 &w, const QString &nombre, bool *conColor)
{
    *conColor = false;
    if (nombre == ctl381::MkePeriodo) {
        *conColor = true;
        return {w.MkePeriodo};
    }
    if (nombre == ctl381::TxtNumOrden) {
        *conColor = true;
        return {w.TxtNumOrden};
    }
    if (nombre == ctl381::Label1_8)
        return {w.Label1(8)};
    if (nombre == ctl381::Label1_9)
        return {w.Label1(9)};
    if (nombre == ctl381::Label1_10)
        return {w.Label1(10)};
    if (nombre == ctl381::OptAnexo)
        return {w.Opt(ctl381::OptAnexo, 0), w.Opt(ctl381::OptAnexo, 1)};
    return {};
}

// The window as the rule runs see it; the checks ask the focus for controls
// the persistence never names (the telephone, "&Salir").
class VentanaReglas : public VentanaFrm381 {
public:
    explicit VentanaReglas(Frm381 &w) : VentanaFrm381(w), m_f(w) {}
    void pEnfocar(const QString &control) override { enlace381::pEnfocar(m_f, control); }

private:
    Frm381 &m_f;
};

// The help line over the window background, the content frames and the
// rectification frame. A control under the pointer has mouse moves of its own
// (labels, options, entry fields keep the help they show), unless disabled:
// a disabled control leaves them to its container. Over the tab control the
// window's background is not under the pointer.
class FiltroAyudaFondo : public QObject {
public:
    FiltroAyudaFondo(Frm381 &w, std::function<void()> alMover) : QObject(&w), m_w(w), m_alMover(std::move(alMover)) {}

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::MouseMove && fSobreFondo(static_cast<QWidget *>(o), static_cast<QMouseEvent *>(e)))
            m_alMover();
        return QObject::eventFilter(o, e);
    }

private:
    bool fSobreFondo(QWidget *fondo, QMouseEvent *e) const
    {
        QWidget *c = fondo->childAt(e->position().toPoint());
        if (fondo == &m_w && c && (c == m_w.SSTab1 || m_w.SSTab1->isAncestorOf(c)))
            return false;
        if (!c || !c->isEnabled())
            return true;
        return !(qobject_cast<QLabel *>(c) || qobject_cast<QAbstractButton *>(c) || qobject_cast<QLineEdit *>(c)
                 || qobject_cast<QComboBox *>(c));
    }

    Frm381 &m_w;
    std::function<void()> m_alMover;
};

// Window variables and state into the rules' view, before a handler.
void pAntes(Frm381 &w, ReglasDeclaracion &r)
{
    VentanaReglas v(w);
    r.tomarVariables(v);
    enlace381::pLeerVentana(w, r.ventana);
}

ReglasDeclaracion *pEnlazar(Frm381 &w)
{
    auto *r = new ReglasDeclaracion(*w.modelo(), &w);
    r->vincularCalculos(w.despacho()->calculos());

    // The answers: each click (and each answer of a loaded declaration, which
    // the window selects as a click) runs its handler on the store.
    w.OptClick = [&w, r](const QString &par, int index) {
        pAntes(w, *r);
        r->respuestas.click(par, index);
        enlace381::pAplicarVentana(w, r->ventana);
    };

    QObject::connect(w.SSTab1, &QTabWidget::currentChanged, r, [&w, r](int pagina) {
        pPunteroReloj();
        pAntes(w, *r);
        r->SSTab1_Click(pagina);
        enlace381::pAplicarVentana(w, r->ventana);
        pPunteroNormal();
    });

    QObject::connect(w.MkePeriodo, &MaskEdBox::LostFocus, r, [&w, r] {
        pAntes(w, *r);
        r->MkePeriodo_LostFocus();
        enlace381::pAplicarVentana(w, r->ventana);
    });
    // The window already moves on with ENTER; the handler marks the change.
    QObject::connect(w.MkePeriodo, &MaskEdBox::KeyPress, r, [r](int tecla) { r->MkePeriodo_KeyPress(tecla); });

    enlace381::pInstalarAyudaFondo(w, [&w, r] {
        enlace381::pLeerVentana(w, r->ventana);
        r->pAyudaFondo();
        enlace381::pAplicarVentana(w, r->ventana);
    });
    return r;
}

} // namespace

void enlace381::pInstalarAyudaFondo(Frm381 &w, std::function<void()> alMover)
{
    auto *filtro = new FiltroAyudaFondo(w, std::move(alMover));
    QList<QWidget *> fondos{&w};
    for (int i = 0; i <= 5; ++i)
        fondos << w.Frame1(i);
    fondos << w.findChild<QWidget *>(QStringLiteral("Frame17"));
    for (QWidget *f : std::as_const(fondos)) {
        if (!f)
            continue;
        f->setMouseTracking(true);
        f->installEventFilter(filtro);
    }
}

ReglasDeclaracion &fReglas(Frm381 &w)
{
    if (auto *r = w.findChild<ReglasDeclaracion *>(QString(), Qt::FindDirectChildrenOnly))
        return *r;
    return *pEnlazar(w);
}

void enlace381::pEnfocar(Frm381 &w, const QString &control)
{
    if (control.isEmpty())
        return;
    QWidget *c = nullptr;
    const int n = ctl381::casillaDe(control);
    if (n >= 0)
        c = w.TxtValor(n);
    else
        c = w.findChild<QWidget *>(control);
    if (c && c->isEnabled())
        c->setFocus(Qt::OtherFocusReason);
}

void enlace381::pLeerVentana(Frm381 &w, EstadoVentana &v)
{
    v.iPestana = w.iPestana;
    v.pagina = w.SSTab1->currentIndex();
    for (int i = 0; i <= 5; ++i) {
        if (QWidget *f = w.Frame1(i))
            v.frame[i] = !f->isHidden();
    }
    const QVariant contexto = w.SSTab1->property(kContextoAyuda);
    if (contexto.isValid())
        v.helpContext = contexto.toInt();
    v.ayuda = w.TxtAyuda->text();
    v.ayuda1 = w.TxtAyuda1->text();
    v.colorAyuda = fBgr(w.TxtAyuda->palette().color(QPalette::Text));
    // The page a check brings forward is in front, with its content, before
    // its message box.
    v.alMostrarPagina = [&w, &v](int p) {
        pMostrarPaginaBloqueada(w, p);
        pAplicarPagina(w, v);
    };
}

void enlace381::pTraerPagina(Frm381 &w, int pagina)
{
    if (pagina < 0 || pagina >= w.SSTab1->count())
        return;
    EstadoVentana v;
    pLeerVentana(w, v);
    v.alMostrarPagina = nullptr;
    v.mostrarPagina(pagina);
    pMostrarPaginaBloqueada(w, pagina);
    pAplicarPagina(w, v);
}

void enlace381::pAplicarVentana(Frm381 &w, EstadoVentana &v)
{
    v.alMostrarPagina = nullptr;
    if (v.pagina >= 0 && v.pagina < w.SSTab1->count())
        pMostrarPaginaBloqueada(w, v.pagina);
    pAplicarPagina(w, v);

    for (const QString &nombre : v.controles()) {
        const EstadoControl e = v.control(nombre);
        bool conColor = false;
        for (QWidget *c : fControles(w, nombre, &conColor)) {
            if (!c)
                continue;
            c->setEnabled(e.habilitado);
            if (conColor)
                pFondo(c, e.color);
        }
    }

    if (v.ayuda != w.TxtAyuda->text() || v.ayuda1 != w.TxtAyuda1->text()
        || v.colorAyuda != fBgr(w.TxtAyuda->palette().color(QPalette::Text))) {
        for (QLineEdit *t : {w.TxtAyuda, w.TxtAyuda1}) {
            QPalette p = t->palette();
            p.setColor(QPalette::Text, fColor(v.colorAyuda));
            t->setPalette(p);
        }
        w.TxtAyuda->setText(v.ayuda);
        w.TxtAyuda1->setText(v.ayuda1);
    }

    pEnfocar(w, v.tomarFoco());
}

void pRegistrarReglas()
{
    ReglasVentana &h = reglasVentana();
    h.ValidaDeclaracion = [](Frm381 &w) {
        ReglasDeclaracion &r = fReglas(w);
        enlace381::pLeerVentana(w, r.ventana);
        VentanaReglas v(w);
        const bool ok = r.ValidaDeclaracion(v);
        enlace381::pAplicarVentana(w, r.ventana);
        return ok;
    };
    h.DeclaracionCompleta = [](Frm381 &w) {
        VentanaReglas v(w);
        return fReglas(w).DeclaracionCompleta(v);
    };
    // One clock for the window's date checks: the header's.
    h.ValidaPeriodo = [](Frm381 &w, const QString &fecha) {
        return cabecera::ValidaPeriodo(fecha, fReglas(w).cabecera.hoy());
    };

    auto previo = Frm381::alCrear();
    Frm381::alCrear() = [previo](Frm381 &w) {
        if (previo)
            previo(w);
        fReglas(w);
    };
}
