#include "shell/ui/frmconsultas.h"
#include "shell/ui/consultas.h"
#include "shell/core/modglobal.h"

FrmConsultas::FrmConsultas(QWidget *parent)
    : FrmConsultaGrilla({QStringLiteral("Código"), QStringLiteral("Descripción")}, parent)
{
    setObjectName(QStringLiteral("FrmConsultas"));
    Form_Load(4140, 7065, QStringLiteral("Consulta de Bancos"));
}

QList<QStringList> FrmConsultas::filas()
{
    QList<QStringList> filas;
    if (!gdbBase)
        return filas;
    for (const FilaBanco &b : fBancos(*gdbBase))
        filas << QStringList{b.codigo, b.descrip};
    return filas;
}
