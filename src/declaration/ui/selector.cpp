#include "selector.h"
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

void pCrearSelector(QDialog *ventana, const ControlesSelector &c, const QString &marco, const QStringList &columnas,
                    std::function<void(int)> alPulsar, std::function<void()> alDobleClic,
                    std::function<void()> alCambiarFila)
{
    c.Frame1 = new QGroupBox(marco, ventana);
    c.Frame1->setObjectName(QStringLiteral("Frame1"));
    c.Label1 = new QLabel(ventana);
    c.Label1->setObjectName(QStringLiteral("Label1"));
    c.grdContrib = new QTableWidget(0, int(columnas.size()), c.Frame1);
    QTableWidget *g = c.grdContrib;
    g->setObjectName(QStringLiteral("grdContrib"));
    g->setHorizontalHeaderLabels(columnas);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->hide();
    // The other columns take what they show; the name takes the rest.
    g->setWordWrap(false);
    QHeaderView *cabecera = g->horizontalHeader();
    cabecera->setMinimumSectionSize(24);
    for (int i = 0; i < columnas.size(); ++i)
        cabecera->setSectionResizeMode(i, i == 1 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    auto *l = new QVBoxLayout(c.Frame1);
    l->addWidget(g);

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    for (int i = 0; i < 2; ++i) {
        c.CmdOpciones[i] = new QPushButton(ventana);
        c.CmdOpciones[i]->setObjectName(QStringLiteral("CmdOpciones_%1").arg(i));
        c.CmdOpciones[i]->setAutoDefault(false);
        botones->addWidget(c.CmdOpciones[i]);
        QObject::connect(c.CmdOpciones[i], &QPushButton::clicked, ventana, [alPulsar, i] { alPulsar(i); });
    }
    c.CmdOpciones[1]->setText(QStringLiteral("&Salir"));
    auto *v = new QVBoxLayout(ventana);
    v->addWidget(c.Label1);
    v->addWidget(c.Frame1);
    v->addLayout(botones);

    QObject::connect(g, &QTableWidget::cellDoubleClicked, ventana, [alDobleClic] { alDobleClic(); });
    QObject::connect(g, &QTableWidget::currentCellChanged, ventana,
                     [alCambiarFila](int fila, int, int anterior, int) {
                         if (fila != anterior)
                             alCambiarFila();
                     });
}
