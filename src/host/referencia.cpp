#include "host/referencia.h"
#include "host/declaracionmuestra.h"

namespace host {

QString registroRuc()
{
    return QStringLiteral("REG. UNICO DE CONTRIBUYENTES   RUC           11 000110 01 000001000001100111011111"
                          "                                           0 5 0");
}

namespace {
void param(Database &db, const QString &numero, const QString &argumento, const QString &funcion)
{
    db.addNew(QStringLiteral("PARAM"), {{QStringLiteral("NUMERO"), numero},
                                         {QStringLiteral("ARGUMENTO"), argumento},
                                         {QStringLiteral("FUNCION"), funcion}});
}
}

void pInsertarReferencia(Database &db, const QString &usuario)
{
    param(db, QStringLiteral("044"), QStringLiteral("6"), registroRuc());

    const QPair<const char *, const char *> bancos[] = {
        {"00", "NINGUNO"},
        {"01", "BANCO DE LA NACION"},
        {"02", "BANCO COMERCIAL DEL PACIFICO"},
        {"03", "BANCO INDUSTRIAL ANDINO"},
        {"04", "BANCO DEL ALTIPLANO"},
        {"05", "CAJA MUNICIPAL DE AHORRO Y CREDITO DEL NORTE"},
    };
    for (const auto &b : bancos)
        param(db, QStringLiteral("004"), QString::fromUtf8(b.first), QString::fromUtf8(b.second));

    const QPair<const char *, const char *> zonas[] = {
        {"01", "LIMA"}, {"02", "AREQUIPA"}, {"03", "CUSCO"}, {"04", "LA LIBERTAD"},
        {"05", "LAMBAYEQUE"}, {"06", "PIURA"}, {"07", "JUNIN"}, {"08", "ICA"},
    };
    for (const auto &z : zonas)
        param(db, QStringLiteral("030"), QString::fromUtf8(z.first), QString::fromUtf8(z.second));

    db.addNew(QStringLiteral("ERROR"),
              {{QStringLiteral("CodError"), QStringLiteral("0151")},
               {QStringLiteral("DescError"),
                QStringLiteral("La declaración ha sido grabada sin inconsistencias y está lista para su envío.")}});
    db.addNew(QStringLiteral("ERROR"),
              {{QStringLiteral("CodError"), QStringLiteral("0152")},
               {QStringLiteral("DescError"),
                QStringLiteral("La declaración ha sido grabada con inconsistencias. Corríjalas antes de enviarla.")}});

    db.addNew(QStringLiteral("CLAVES"), {{QStringLiteral("Usuario"), usuario}, {QStringLiteral("Tipo"), QStringLiteral("1")}});

    // Fifteen months, 98/01 to 99/03: the factor falls by 0.004 a month to 1 in 99/03.
    int restantes = 14;
    for (int anio : {98, 99}) {
        for (int mes = 1; mes <= 12 && !(anio == 99 && mes > 3); ++mes, --restantes) {
            const QString periodo = QStringLiteral("%1%2").arg(anio).arg(mes, 2, 10, QLatin1Char('0'));
            const double factor = 1.0 + 0.004 * restantes;
            for (const char *codtri : {"030301", "030304"})
                db.addNew(QStringLiteral("FAC"), {{QStringLiteral("FORMULARIO"), QStringLiteral("0951")},
                                                  {QStringLiteral("PERIODO"), periodo},
                                                  {QStringLiteral("CODTRI"), QString::fromUtf8(codtri)},
                                                  {QStringLiteral("FACTOR"), factor}});
        }
    }
}

void pInsertarMuestra(Database &db, const QString &usuario)
{
    const QPair<QString, const char *> muestra[] = {
        {kRucMuestra, "COMERCIAL LOS ANDES S.A."},
        {QStringLiteral("20456123784"), "INDUSTRIAS DEL SUR S.R.L."},
    };
    for (const auto &c : muestra)
        db.addNew(QStringLiteral("CONT"), {{QStringLiteral("Tip_doc_d"), 6},
                                           {QStringLiteral("Doc_id_d"), c.first},
                                           {QStringLiteral("Usuario"), usuario},
                                           {QStringLiteral("Nombre"), QString::fromUtf8(c.second)},
                                           {QStringLiteral("Tipo_Ingreso"), 1}});
}

}
