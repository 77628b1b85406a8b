#include "annexes/ui/frmanexo120.h"

DisenoAnexo fDisenoAnexo120(bool enviada)
{
    using E = ElementoAnexo;
    DisenoAnexo d(QStringLiteral("FrmAnexo120"), enviada, 5625, 4515);
    d.ayuda = enviada ? 820 : 0;
    const QVector<int> arriba{975, 1255, 1530, 1810, 2090, 2360, 2640, 2915, 3190};
    d.pCeldas({1875, 3405}, arriba, 1545, 285);
    d.pTotal(QStringLiteral("TxtTotal"), 3405, 3555);

    const QString lbl = enviada ? QStringLiteral("lblA120E") : QStringLiteral("lblA120");
    d.elementos = {
        {E::Etiqueta, QStringLiteral("Label1"), 5,
         QStringLiteral("Pagos del IEAN efectuados con pagos a cuenta del Impuesto a la Renta :"), 330, 135, 5355, 270, {}},
        {E::Encabezado, lbl, 9, QStringLiteral("Mes de Pago"), 540, 480, 1335, 495, {}},
        {E::Encabezado, lbl, 10, QStringLiteral("Monto del IEAN pagado con Renta"), 1875, 480, 1545, 495, {}},
        {E::Encabezado, lbl, 11,
         enviada ? QStringLiteral("Actualizado al 31/12/1998") : QStringLiteral("Actualzado al 31/12/1998"),
         3405, 480, 1545, 495, {}},
    };
    for (int k = 0; k <= 8; ++k)
        d.elementos << E{E::Etiqueta, lbl, k, QStringLiteral("%1 - 1998").arg(k + 4, 2, 10, QLatin1Char('0')),
                         540, arriba.at(k), 1335, 285, {}};
    d.elementos << E{E::Etiqueta, QStringLiteral("Label1"), 0, QStringLiteral("Total importe actualizado :"),
                     1230, 3600, 1935, 270, {}};
    if (!enviada)
        d.elementos << E{E::Aceptar, QStringLiteral("CmdGrabar"), -1, QStringLiteral("&Aceptar"), 2315, 3990, 1305, 375, {}};
    d.elementos << E{E::Cancelar, QStringLiteral("Command1"), -1, QStringLiteral("&Cancelar"), 3645, 3990, 1305, 375, {}};
    return d;
}
