#include "formadepagozrv.h"
#include "declaration/core/casillas/filtroteclas.h"
#include "txtfiltrada.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

// Shows the bank of that code; a code not in the list is added as it stands
// so that a stored value is never lost, and an empty one shows no bank.
void pSeleccionarCodigo(QComboBox *combo, const QString &codigo)
{
    int i = combo->findData(codigo);
    if (i < 0 && !codigo.isEmpty()) {
        combo->addItem(codigo, codigo);
        i = combo->count() - 1;
    }
    combo->setCurrentIndex(i);
}

} // namespace

FormaDePagoZRV::FormaDePagoZRV(QWidget *parent) : QWidget(parent)
{
    auto *marco = new QGroupBox(QStringLiteral("Forma de Pago"), this);
    auto *externo = new QVBoxLayout(this);
    externo->setContentsMargins(0, 0, 0, 0);
    externo->addWidget(marco);

    m_efectivo = new QRadioButton(QStringLiteral("Efectivo"), marco);
    m_cheque = new QRadioButton(QStringLiteral("Cheque"), marco);
    m_efectivo->setAutoExclusive(false);
    m_cheque->setAutoExclusive(false);
    m_banco = new QComboBox(marco);
    m_banco->setObjectName(QStringLiteral("banco"));
    // A cheque number is digits: typed or pasted, nothing else goes in. A
    // stored number is shown as it stands.
    m_numcheque = new TxtFiltrada(marco);
    m_numcheque->setObjectName(QStringLiteral("numcheque"));
    m_numcheque->setMaxLength(15);
    m_numcheque->KeyPress = FiltroTeclas::fFiltroDigitos;
    m_numcheque->filtroPegado = FiltroTeclas::fFiltroDigitos;
    m_numcheque->lecturaPegado = FiltroTeclas::fPegadoDigitos;
    m_importeLbl = new QLabel(marco);
    m_importeLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *g = new QGridLayout(marco);
    g->addWidget(m_efectivo, 0, 0);
    g->addWidget(m_cheque, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Importe"), marco), 0, 2);
    g->addWidget(m_importeLbl, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Banco"), marco), 1, 0);
    g->addWidget(m_banco, 1, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Número de cheque"), marco), 2, 0);
    g->addWidget(m_numcheque, 2, 1, 1, 3);

    connect(m_efectivo, &QRadioButton::clicked, this, [this] { setFormapago(QStringLiteral("E")); });
    connect(m_cheque, &QRadioButton::clicked, this, [this] { setFormapago(QStringLiteral("C")); });
    connect(m_banco, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_refrescando)
            emit cambiado(QStringLiteral("banco"));
    });
    connect(m_numcheque, &TxtFiltrada::textoEditado, this, [this] { emit cambiado(QStringLiteral("numcheque")); });
    refrescar();
}

void FormaDePagoZRV::setFormapago(const QString &v)
{
    if (m_formapago == v) {
        refrescar();   // a click on the chosen option keeps it chosen
        return;
    }
    m_formapago = v;
    refrescar();
    emit cambiado(QStringLiteral("formapago"));
}

QString FormaDePagoZRV::banco() const
{
    return m_banco->currentIndex() < 0 ? QString() : m_banco->currentData().toString();
}

void FormaDePagoZRV::setBanco(const QString &v)
{
    if (banco() == v)
        return;
    m_refrescando = true;
    pSeleccionarCodigo(m_banco, v);
    m_refrescando = false;
    emit cambiado(QStringLiteral("banco"));
}

QString FormaDePagoZRV::numcheque() const
{
    return m_numcheque->text();
}

void FormaDePagoZRV::setNumcheque(const QString &v)
{
    if (m_numcheque->text() == v)
        return;
    m_numcheque->setTextoDesdeCodigo(v);
    emit cambiado(QStringLiteral("numcheque"));
}

void FormaDePagoZRV::setImporte(const QString &v)
{
    if (m_importe == v)
        return;
    m_importe = v;
    m_importeLbl->setText(v);
    emit cambiado(QStringLiteral("importe"));
}

void FormaDePagoZRV::setHabilitado(bool v)
{
    m_habilitado = v;
    refrescar();
}

void FormaDePagoZRV::setBancos(const QList<QPair<QString, QString>> &bancos)
{
    const QString actual = banco();
    m_refrescando = true;
    m_banco->clear();
    for (const auto &b : bancos)
        m_banco->addItem(b.first + QStringLiteral(" - ") + b.second, b.first);
    pSeleccionarCodigo(m_banco, actual);
    m_refrescando = false;
}

void FormaDePagoZRV::refrescar()
{
    m_refrescando = true;
    m_efectivo->setChecked(m_formapago == QLatin1String("E"));
    m_cheque->setChecked(m_formapago == QLatin1String("C"));
    const bool cheque = m_formapago == QLatin1String("C");
    m_efectivo->setEnabled(m_habilitado);
    m_cheque->setEnabled(m_habilitado);
    m_banco->setEnabled(m_habilitado && cheque);
    m_numcheque->setEnabled(m_habilitado && cheque);
    m_refrescando = false;
}
