#include "annexes/ui/frmanexo131.h"

DisenoAnexo fDisenoAnexo131(bool enviada)
{
    using E = ElementoAnexo;
    DisenoAnexo d(QStringLiteral("FrmAnexo131"), enviada, 9495, 5925);
    d.ayuda = -1;
    d.primeraCeldaAlFinal = true;
    const QString lbl = enviada ? QStringLiteral("lblAne131e") : QStringLiteral("lblA131");
    const QStringList encabezados = enviada
        ? QStringList{QStringLiteral("Mes de Pago"), QStringLiteral("Utilización del saldo a favor"),
                      QStringLiteral("Compensación SFMB"), QStringLiteral("Otros Créditos No incluye IEAN"),
                      QStringLiteral("    Monto   Pagado"), QStringLiteral("Total"),
                      QStringLiteral("Actualizado al 31/12/1998")}
        : QStringList{QStringLiteral("Mes de Pago"), QStringLiteral("Utilización del saldo a favor"),
                      QStringLiteral("compensación  SFMB"), QStringLiteral("Otros créditos   No incluye IEAN"),
                      QStringLiteral("       Monto       Pagado"), QStringLiteral("Total"),
                      QStringLiteral("Actualizado al  31/12/1998")};
    d.pCeldas({1395, 2730, 4065, 5400, 6735, 8070},
              {860, 1140, 1415, 1690, 1970, 2245, 2525, 2800, 3075, 3345, 3625, 3900, 4180, 4450, 4730}, 1335, 285);
    d.pTotal(QStringLiteral("TxtTotalImp"), 8070, 5070);
    d.elementos << E{E::Etiqueta, QStringLiteral("Label1"), 5,
                     QStringLiteral("Pagos a cuenta del Impuesto a la Renta del ejercicio 1998 :"), 165, 90, 5355, 270, {}};
    d.elementos << E{E::Encabezado, lbl, 15, encabezados.at(0), 135, 370, 1260, 495, {}};
    for (int c = 1; c <= 6; ++c)
        d.elementos << E{E::Encabezado, lbl, 15 + c, encabezados.at(c), d.izquierda.at(c - 1), 370, 1335, 495, {}};
    for (int m = 1; m <= 15; ++m) {
        QString mes = QStringLiteral("%1 - %2").arg(m > 12 ? m - 12 : m, 2, 10, QLatin1Char('0')).arg(m > 12 ? 1999 : 1998);
        if (enviada && m == 1)
            mes = QStringLiteral("01-1998");
        d.elementos << E{E::Etiqueta, lbl, m - 1, mes, 135, d.arriba.at(m - 1), 1260, 285, {}};
    }
    d.elementos << E{E::Etiqueta, QStringLiteral("Label1"), 0, QStringLiteral("Total importe actualizado :"),
                     5805, 5115, 1935, 270, {}};
    if (!enviada)
        d.elementos << E{E::Aceptar, QStringLiteral("CmdGrabar"), -1, QStringLiteral("&Aceptar"), 6775, 5505, 1305, 375, {}};
    d.elementos << E{E::Cancelar, enviada ? QStringLiteral("Command1") : QStringLiteral("cmdCerrar"), -1,
                     QStringLiteral("&Cancelar"), 8100, 5505, 1305, 375, {}};
    return d;
}
