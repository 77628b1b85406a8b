#include "host/frmvelantis.h"
#include "host/contribuyentes.h"
#include "host/frmnuevocontribuyente.h"
#include "platform/database.h"
#include "platform/msgbox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FrmVelantis::FrmVelantis(const host::Entorno &entorno, QWidget *parent)
    : QMainWindow(parent), m_entorno(entorno)
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
    CmdSalir = new QPushButton(QStringLiteral("&Salir"), centro);
    connect(CmdAgregar, &QPushButton::clicked, this, &FrmVelantis::CmdAgregar_Click);
    connect(CmdFormulario, &QPushButton::clicked, this, &FrmVelantis::CmdFormulario_Click);
    connect(CmdSalir, &QPushButton::clicked, this, &QWidget::close);

    auto *botones = new QVBoxLayout;
    botones->addWidget(CmdAgregar);
    botones->addWidget(CmdFormulario);
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
    // Qx381 lies in the same folder as the host.
    const QString programa = QCoreApplication::applicationDirPath() + QStringLiteral("/Qx381");
    if (!QFileInfo(programa).isExecutable()
        || !QProcess::startDetached(programa, {}, m_entorno.carpetaDatos)) {
        msg::MsgBox(QStringLiteral("No se pudo iniciar el módulo %1.").arg(programa), 16, QStringLiteral("Velantis"));
    }
}
