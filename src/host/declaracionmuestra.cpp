#include "host/declaracionmuestra.h"
#include "host/envio.h"

namespace host {

namespace {

// No IEAN: the income statement carried into box 100 (domiciled), 30 % tax,
// twelve payments on account of 1,500 (annex 131) and 9,000 paid in cash.
// The rows as Qx381's validation wrote them, control codes included, in the
// order it wrote them; tests check them against Qx381's own rules and save.
struct FilaDet {
    const char *casilla, *valor, *idcasilla, *cNumero;
};
const FilaDet kDet[] = {
    {"300", "80000", "01", "264146"},         {"301", "70000", "01", "265146"},
    {"500", "150000", "01", "464146"},        {"306", "40000", "01", "270146"},
    {"312", "110000", "01", "276146"},        {"502", "150000", "01", "466146"},
    {"321", "400000", "01", "285146"},        {"323", "-250000", "01", "287146"},
    {"325", "-60000", "01", "289146"},        {"334", "90000", "01", "298146"},
    {"504", "0", "01", "468146"},             {"505", "90000", "01", "469146"},
    {"341", "90000", "01", "305146"},         {"342", "0", "01", "306146"},
    {"100", "90000", "01", "064146"},         {"101", "0", "01", "065146"},
    {"106", "90000", "01", "070146"},         {"107", "0", "01", "071146"},
    {"110", "90000", "01", "074146"},         {"111", "0", "01", "075146"},
    {"113", "27000", "01", "077146"},         {"131", "-18000", "01", "095146"},
    {"511", "27000", "01", "475146"},         {"512", "9000", "01", "476146"},
    {"513", "9000", "01", "477146"},          {"138", "0", "01", "102146"},
    {"139", "9000", "01", "103146"},          {"514", "9000", "01", "478146"},
    {"146", "9000", "01", "110146"},          {"180", "9000", "05", "144154"},
    {"225", "07654321", "01", "510146"},      {"338", "0", "01", "302146"},
    {"501", "40000", "01", "465146"},         {"503", "150000", "01", "467146"},
    {"002", "20100000009", "01", "975146"},   {"028", "4287310", "01", "302146"},
    {"996", "MENDOZA PRADO", "01", "960146"}, {"997", "CARLOS ALBERTO", "01", "961146"},
    {"995", "0", "01", "959146"},             {"994", "0", "01", "958146"},
    {"991", "0", "01", "955146"},             {"992", "30", "01", "986146"},
    {"993", "0", "01", "957146"},             {"989", "0", "01", "953146"},
    {"988", "1", "01", "953146"},             {"987", "E", "01", "951146"},
    {"721", "2.0", "01", "687146"},
};

// Annex type 3, January 1998 to March 1999: the amount paid (blank after
// December) and the control code; the other amounts blank, factor 1.
struct FilaActa {
    const char *perPag, *pagoR, *cNumero;
};
const FilaActa kActa[] = {
    {"199801", "1500", "765591"}, {"199802", "1500", "766591"}, {"199803", "1500", "767591"},
    {"199804", "1500", "768591"}, {"199805", "1500", "769591"}, {"199806", "1500", "770591"},
    {"199807", "1500", "771591"}, {"199808", "1500", "772591"}, {"199809", "1500", "773591"},
    {"199810", "1500", "774591"}, {"199811", "1500", "775591"}, {"199812", "1500", "776591"},
    {"199901", " ", "865100"},    {"199902", " ", "866100"},    {"199903", " ", "867100"},
};

Registro llave()
{
    return {{QStringLiteral("DOC_ID_D"), kRucMuestra},
            {QStringLiteral("TIP_DOC_D"), kTipDocRuc},
            {QStringLiteral("PERIODO"), kPeriodo},
            {QStringLiteral("FORMULARIO"), kFormulario}};
}

QString texto(const char *s)
{
    return QString::fromUtf8(s);
}

}

void pInsertarDeclaracionMuestra(Database &db)
{
    const QString blanco = QStringLiteral(" ");
    db.addNew(QStringLiteral("CAB"), llave() + Registro{{QStringLiteral("fec_pro"), kFechaMuestra},
                                                       {QStringLiteral("bcolibrad"), blanco},
                                                       {QStringLiteral("nrocheque"), blanco},
                                                       {QStringLiteral("cheque"), blanco},
                                                       {QStringLiteral("efectivo"), QStringLiteral("9000")},
                                                       {QStringLiteral("rectifica"), 0},
                                                       {QStringLiteral("estado"), 0},
                                                       {QStringLiteral("cNumero"), QStringLiteral("284585")}});
    QList<Registro> det;
    for (const FilaDet &f : kDet)
        det << llave() + Registro{{QStringLiteral("Casilla"), texto(f.casilla)},
                                  {QStringLiteral("i_valor"), texto(f.valor)},
                                  {QStringLiteral("idcasilla"), texto(f.idcasilla)},
                                  {QStringLiteral("cNumero"), texto(f.cNumero)}};
    db.addNewAll(QStringLiteral("DET"), det);
    QList<Registro> acta;
    for (const FilaActa &f : kActa)
        acta << llave() + Registro{{QStringLiteral("per_pag"), texto(f.perPag)},
                                   {QStringLiteral("saluti"), blanco},
                                   {QStringLiteral("compen"), blanco},
                                   {QStringLiteral("otrcre"), blanco},
                                   {QStringLiteral("pago_r"), texto(f.pagoR)},
                                   {QStringLiteral("tipo_asist"), QStringLiteral("3")},
                                   {QStringLiteral("FACTOR"), 1.0},
                                   {QStringLiteral("cNumero"), texto(f.cNumero)}};
    db.addNewAll(QStringLiteral("ACTA"), acta);

    const QString problema = fEnviarDeclaracion(db, kRucMuestra, kFechaMuestra);
    if (!problema.isEmpty())
        throw DbError(0, problema);
}

}
