#include "annexes/ui/frmanexo131a.h"

DisenoAnexo fDisenoAnexo131A(bool enviada)
{
    using E = ElementoAnexo;
    DisenoAnexo d(QStringLiteral("FrmAnexo131A"), enviada, 9390, 6390);
    d.ayuda = 128;
    // No button is the cancel button: ESC does nothing.
    d.escCierra = false;
    const QString lbl = enviada ? QStringLiteral("lbl128e") : QStringLiteral("lblA131A");
    const QStringList encabezados = enviada
        ? QStringList{QStringLiteral("Mes de Pago"), QStringLiteral("Utilización del saldo a favor"),
                      QStringLiteral("ompensación SFMB"), QStringLiteral("Otros créditos No incluyen IEAN"),
                      QStringLiteral("    Monto    Pagado"), QStringLiteral("Total a cuenta Renta"),
                      QStringLiteral(" Monto  IEAN Pag. Con Renta"), QStringLiteral(" Monto no utilizado IEAN"),
                      QStringLiteral("Actualizado al 31/12/1998")}
        : QStringList{QStringLiteral("Mes de Pago"), QStringLiteral("Utilización del saldo a favor"),
                      QStringLiteral("Compensación SFMB"), QStringLiteral("  Otros créditos   No incluye IEAN"),
                      QStringLiteral("    Monto   Pagado"), QStringLiteral("Total a cuenta Renta"),
                      QStringLiteral("Monto IEAN   Pag .con renta"), QStringLiteral("Monto no  utilizado IEAN"),
                      QStringLiteral("Actualizado al 31/12/1998")};
    const QString frame1 = QStringLiteral("Frame1"), frame2 = QStringLiteral("Frame2");
    if (!enviada)
        d.elementos << E{E::Etiqueta, QStringLiteral("Label1"), 5,
                         QStringLiteral("Saldo de pagos a cuenta del Impuesto a la Renta del ejercicio 1998 :"),
                         240, 0, 5355, 270, {}};
    // The sliding frame first, so that the month captions' frame lies in front of it.
    d.elementos << E{E::Marco, frame2, -1, {}, 1320, 240, 10845, 5295, {}};
    for (int c = 1; c <= 8; ++c)
        d.elementos << E{E::Encabezado, lbl, 15 + c, encabezados.at(c), 75 + 1335 * (c - 1), 165, 1335, 495, frame2};
    d.elementos << E{E::Etiqueta, QStringLiteral("Label1"), 0, QStringLiteral("Total importe actualizado :"),
                     7095, 4935, 1905, 270, frame2};
    d.elementos << E{E::Marco, frame1, -1, {}, 0, 260, 1365, 5295, {}};
    d.elementos << E{E::Encabezado, lbl, 0, encabezados.at(0), 75, 150, 1200, 495, frame1};
    for (int m = 1; m <= 15; ++m) {
        QString mes = QStringLiteral("%1 - %2").arg(m > 12 ? m - 12 : m, 2, 10, QLatin1Char('0')).arg(m > 12 ? 1999 : 1998);
        if (!enviada)
            mes += QLatin1Char(' ');
        const int y = m == 1 ? 650 : m == 2 ? 920 : 660 + 270 * (m - 1);
        d.elementos << E{E::Etiqueta, lbl, m, mes, 75, y, 1200, 285, frame1};
    }
    // Focus order after the cells: accept, the scroll bar, cancel.
    if (!enviada)
        d.elementos << E{E::Aceptar, QStringLiteral("CmdGrabar"), -1, QStringLiteral("&Aceptar"), 6705, 5925, 1305, 375, {}};
    d.elementos << E{E::Barra, QStringLiteral("HScroll1"), -1, {}, 1320, 5580, 8040, 225, {}};
    d.elementos << E{E::Cancelar, enviada ? QStringLiteral("Command1") : QStringLiteral("cmdCerrar"), -1,
                     QStringLiteral("&Cancelar"), 8025, 5925, 1305, 375, {}};
    QVector<int> izquierda, arriba;
    for (int c = 0; c < 8; ++c)
        izquierda << 75 + 1335 * c;
    for (int m = 1; m <= 15; ++m)
        arriba << 660 + 270 * (m - 1);
    d.pCeldas(izquierda, arriba, 1335, 285, frame2);
    d.pTotal(QStringLiteral("TxtTotalImp"), 9420, 4890, frame2);
    return d;
}
