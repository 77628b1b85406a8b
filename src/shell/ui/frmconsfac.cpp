#include "shell/ui/frmconsfac.h"
#include "shell/ui/consultas.h"
#include "shell/core/modglobal.h"

FrmConsFac::FrmConsFac(QWidget *parent)
    : FrmConsultaGrilla({QStringLiteral("Mes"), QStringLiteral("Factor")}, parent)
{
    setObjectName(QStringLiteral("FrmConsFac"));
    m_derecha = {1};
    Form_Load(4710, 4890, QStringLiteral("Factores de Actualización"));
}

QList<QStringList> FrmConsFac::filas()
{
    QList<QStringList> filas;
    if (!gdbBase)
        return filas;
    for (const FilaFactor &f : fFactoresActualizacion(*gdbBase, gsFormulario))
        filas << QStringList{fTextoMes(f.peri), fTextoFactor(f.factor)};
    return filas;
}
