#include "host/frmvelantis.h"
#include "host/constancia.h"
#include "host/contribuyentes.h"
#include "host/envio.h"
#include "host/frmconstancia.h"
#include "host/frmnuevocontribuyente.h"
#include "platform/database.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FrmVelantis::FrmVelantis(const host::Entorno &entorno, QWidget *parent)
    : QMainWindow(parent), sCarpetaProgramas(QCoreApplication::applicationDirPath()), m_entorno(entorno)
{
    setObjectName(QStringLiteral("FrmVelantis"));
    setWindowTitle(QStringLiteral("Velantis"));

    auto *centro = new QWidget(this);
    m_titulo = new QLabel(QStringLiteral("Contribuyentes del usuario %1").arg(m_entorno.usuario), centro);
    grdContribuyentes = new QTableWidget(0, 2, centro);
    grdContribuyentes->setObjectName(QStringLiteral("grdContribuyentes"));
    grdContribuyentes->setHorizontalHeaderLabels({QStringLiteral("RUC"), QStringLiteral("Razón Social")});
    grdContribuyentes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdContribuyentes->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdContribuyentes->verticalHeader()->setVisible(false);
    grdContribuyentes->horizontalHeader()->setStretchLastSection(true);
    grdContribuyentes->setColumnWidth(0, 120);

    CmdAgregar = new QPushButton(QStringLiteral("&Agregar contribuyente..."), centro);
    CmdFormulario = new QPushButton(QStringLiteral("&Formulario 0951"), centro);
    CmdEnviar = new QPushButton(QStringLiteral("&Enviar declaración"), centro);
    CmdConstancia = new QPushButton(QStringLiteral("&Constancia de presentación"), centro);
    CmdSalir = new QPushButton(QStringLiteral("&Salir"), centro);
    connect(CmdAgregar, &QPushButton::clicked, this, &FrmVelantis::CmdAgregar_Click);
    connect(CmdFormulario, &QPushButton::clicked, this, &FrmVelantis::CmdFormulario_Click);
    connect(CmdEnviar, &QPushButton::clicked, this, &FrmVelantis::CmdEnviar_Click);
    connect(CmdConstancia, &QPushButton::clicked, this, &FrmVelantis::CmdConstancia_Click);
    connect(CmdSalir, &QPushButton::clicked, this, &QWidget::close);

    auto *botones = new QVBoxLayout;
    botones->addWidget(CmdAgregar);
    botones->addWidget(CmdFormulario);
    botones->addWidget(CmdEnviar);
    botones->addWidget(CmdConstancia);
    botones->addStretch();
    botones->addWidget(CmdSalir);
    auto *fila = new QHBoxLayout;
    fila->addWidget(grdContribuyentes, 1);
    fila->addLayout(botones);
    auto *layout = new QVBoxLayout(centro);
    layout->addWidget(m_titulo);
    layout->addLayout(fila);
    setCentralWidget(centro);
    resize(640, 400);

    pCargarContribuyentes();
}

void FrmVelantis::pCargarContribuyentes()
{
    QList<host::Contribuyente> lista;
    try {
        auto db = Database::open(m_entorno.baseDatos);
        lista = host::fContribuyentes(*db, m_entorno.usuario);
    } catch (const DbError &e) {
        msg::MsgBox(e.description, 16, QStringLiteral("Velantis"));
    }
    grdContribuyentes->setRowCount(lista.size());
    for (int i = 0; i < lista.size(); ++i) {
        grdContribuyentes->setItem(i, 0, new QTableWidgetItem(lista.at(i).ruc));
        grdContribuyentes->setItem(i, 1, new QTableWidgetItem(lista.at(i).nombre));
    }
}

void FrmVelantis::CmdAgregar_Click()
{
    FrmNuevoContribuyente dialogo(m_entorno.baseDatos, m_entorno.usuario, this);
    if (dialogo.exec() == QDialog::Accepted)
        pCargarContribuyentes();
}

void FrmVelantis::CmdFormulario_Click()
{
    const QString programa = sCarpetaProgramas + QStringLiteral("/Qx381");
    if (!QFileInfo(programa).isExecutable()
        || !QProcess::startDetached(programa, {}, m_entorno.carpetaDatos)) {
        msg::MsgBox(QStringLiteral("No se pudo iniciar el módulo %1.").arg(programa), 16, QStringLiteral("Velantis"));
    }
}

QString FrmVelantis::fRucSeleccionado() const
{
    const QTableWidgetItem *item = grdContribuyentes->item(grdContribuyentes->currentRow(), 0);
    if (!item || grdContribuyentes->selectedItems().isEmpty()) {
        msg::MsgBox(QStringLiteral("Seleccione un contribuyente de la lista."), 48, QStringLiteral("Velantis"));
        return QString();
    }
    return item->text().trimmed();
}

void FrmVelantis::CmdEnviar_Click()
{
    const QString ruc = fRucSeleccionado();
    if (ruc.isEmpty())
        return;
    QString problema;
    host::Envio envio;
    try {
        auto db = Database::open(m_entorno.baseDatos);
        problema = host::fEnviarDeclaracion(*db, ruc, QDate::currentDate(), &envio);
    } catch (const DbError &e) {
        problema = e.description;
    }
    if (!problema.isEmpty()) {
        msg::MsgBox(problema, 48, QStringLiteral("Velantis"));
        return;
    }
    msg::MsgBox(QStringLiteral("La declaración del contribuyente %1 fue enviada con el correlativo %2"
                               " y el número de control %3.")
                    .arg(ruc, envio.correl, envio.control),
                64, QStringLiteral("Velantis"));
}

void FrmVelantis::CmdConstancia_Click()
{
    const QString ruc = fRucSeleccionado();
    if (ruc.isEmpty())
        return;
    host::Constancia constancia;
    try {
        auto db = Database::open(m_entorno.baseDatos);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        constancia = host::fConstanciaDeclaracion(*db, ruc, sCarpetaProgramas + QStringLiteral("/0951REP"),
                                                  m_entorno.carpetaDatos);
        QApplication::restoreOverrideCursor();
    } catch (const DbError &e) {
        constancia.error = e.description;
    }
    if (!constancia.ok) {
        msg::MsgBox(constancia.error, 16, QStringLiteral("Velantis"));
        return;
    }
    FrmConstancia dialogo(constancia.archivo, constancia.lineas, this);
    dialogo.exec();
}
