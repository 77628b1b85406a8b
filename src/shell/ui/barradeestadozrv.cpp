#include "shell/ui/barradeestadozrv.h"

#include <QLabel>

namespace {
QLabel *panel(QWidget *parent, const QString &nombre, int anchoMinimo)
{
    auto *l = new QLabel(parent);
    l->setObjectName(nombre);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(anchoMinimo);
    return l;
}
}

BarradeEstadoZRV::BarradeEstadoZRV(QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    m_numdoc = panel(this, QStringLiteral("numdoc"), 100);
    m_razon = panel(this, QStringLiteral("razonsocial"), 200);
    m_periodo = panel(this, QStringLiteral("periodo_ejercicio"), 50);
    m_formulario = panel(this, QStringLiteral("formulario"), 50);
    addWidget(m_numdoc);
    addWidget(m_razon, 1);
    addWidget(m_periodo);
    addWidget(m_formulario);
}

QString BarradeEstadoZRV::numdoc() const { return m_numdoc->text(); }
QString BarradeEstadoZRV::razonsocial() const { return m_razon->text(); }
QString BarradeEstadoZRV::periodo_ejercicio() const { return m_periodo->text(); }
QString BarradeEstadoZRV::formulario() const { return m_formulario->text(); }
void BarradeEstadoZRV::setNumdoc(const QString &s) { m_numdoc->setText(s); }
void BarradeEstadoZRV::setRazonsocial(const QString &s) { m_razon->setText(s); }
void BarradeEstadoZRV::setPeriodo_ejercicio(const QString &s) { m_periodo->setText(s); }
void BarradeEstadoZRV::setFormulario(const QString &s) { m_formulario->setText(s); }

QStringList BarradeEstadoZRV::textosVisibles() const
{
    QStringList t;
    for (const QLabel *l : {m_numdoc, m_razon, m_periodo, m_formulario})
        if (!l->text().isEmpty())
            t << l->text();
    return t;
}
