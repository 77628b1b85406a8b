#include "annexes/ui/frmanexo117.h"

DisenoAnexo fDisenoAnexo117(bool enviada)
{
    using E = ElementoAnexo;
    DisenoAnexo d(QStringLiteral("FrmAnexo117"), enviada, 5205, 4590);
    d.ayuda = enviada ? 810 : 0;
    // December's row sits a little lower than the run of the others.
    QVector<int> arriba;
    for (int m = 4; m <= 12; ++m)
        arriba << (m == 12 ? 3288 : 1005 + 285 * (m - 4));
    d.pCeldas({1740, 3270}, arriba, 1545, 285);
    d.pTotal(QStringLiteral("TxtTotal"), 3270, 3645);

    const QString lbl = enviada ? QStringLiteral("lbl117E") : QStringLiteral("lbl117");
    d.elementos = {
        {E::Etiqueta, QStringLiteral("Label1"), 5, QStringLiteral("Ingrese los pagos de cuotas del IEAN durante 1998 :"),
         390, 135, 4410, 270, {}},
        {E::Encabezado, lbl, 9, QStringLiteral("Mes de Pago"), 405, 510, 1335, 495, {}},
        {E::Encabezado, lbl, 10, QStringLiteral("Monto Pagado"), 1740, 510, 1545, 495, {}},
        {E::Encabezado, lbl, 11, QStringLiteral("Actualizado el 31/12/1998"), 3270, 510, 1545, 495, {}},
    };
    for (int k = 0; k <= 8; ++k) {
        const QString mes = QStringLiteral("%1 - 1998").arg(k + 4, 2, 10, QLatin1Char('0'));
        if (enviada)
            d.elementos << E{E::Etiqueta, lbl, k, mes, 405, arriba.at(k), 1335, 285, {}};
        else if (k == 8)
            d.elementos << E{E::Etiqueta, lbl, k, QStringLiteral("12- 1998"), 408, 3288, 1332, 288, {}};
        else
            d.elementos << E{E::Etiqueta, lbl, k, QLatin1Char(' ') + mes, 405, arriba.at(k), 1335, 285, {}};
    }
    d.elementos << E{E::Etiqueta, QStringLiteral("Label1"), 0, QStringLiteral("Total importe actualizado :"),
                     915, 3690, 1935, 270, {}};
    if (!enviada)
        d.elementos << E{E::Aceptar, QStringLiteral("CmdGrabar"), -1, QStringLiteral("&Aceptar"), 2160, 4065, 1305, 375, {}};
    d.elementos << E{E::Cancelar, enviada ? QStringLiteral("Command1") : QStringLiteral("cmdCancelar"), -1,
                     QStringLiteral("&Cancelar"), 3500, 4065, 1305, 375, {}};
    return d;
}
