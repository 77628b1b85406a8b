// Printing a declaration. The print through the engine (every command drawn
// on the PDF printer, its script line composed, the script written, registered
// in SPOOL and renamed at "Fin") against the same QPrinter pages drawn
// directly with QPainter plus the same script bytes written at once: the
// engine's own cost should stay under 1.5 times that. The preview: drawing a
// page's commands on its picture, and painting a page picture at its natural
// size, each well under a screen frame (16 ms).
//
// The document is a full declaration with its annex page (the table of box
// 131) as the layouts issue it; BM_CorridaDeclaracion runs the whole print
// run, data loading included.
#include "../tests/support/testdb.h"
#include "common/archivospool.h"
#include "layout/core/consulta.h"
#include "layout/core/corrida.h"
#include "layout/core/paginas.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "printing/core/lineaguion.h"
#include "printing/core/motorimpresion.h"
#include "printing/core/paginasprevia.h"
#include "printing/ui/destinoimpresora.h"
#include "printing/ui/frmvprevia.h"
#include "shell/core/modglobal.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString kRuc = QStringLiteral("20100070970");



struct Banco {
    testdb::Entorno env;
    std::shared_ptr<Database> db = env.abrir();
    QString rpt = env.sysPath + QStringLiteral("RPT/");
    QString pdf = env.sysPath + QStringLiteral("TMP/");
    cUtilitario util;
    Banco()
    {
        goUtilitario = &util;
        // The annex months are read with the program's period and form.
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        qputenv("QX_PRINTER_PDF", pdf.toLocal8Bit());
        // A full declaration: every box of the return and the answers.
        Transaction t(*db, true);
        for (int n = 100; n <= 514; ++n)
            db->exec(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor)"
                                    " VALUES (?, 6, '1998', '0951', ?, ?)"),
                     {kRuc, QString::number(n), QString::number(n * 1013)});
        for (int m = 1; m <= 15; ++m)
            db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, saluti, compen,"
                                    " otrcre, pago_r, pago_iean_r, pago_iean, tipo_asist, FACTOR)"
                                    " VALUES (?, 6, '1998', '0951', ?, '1000', '200', ' ', '3500', ' ', ' ', '3', 1.0125)"),
                     {kRuc, QStringLiteral("%1%2").arg(m > 12 ? 1999 : 1998).arg(m > 12 ? m - 12 : m, 2, 10, QLatin1Char('0'))});
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, bcolibrad, nrocheque)"
                                " VALUES (?, 6, '1998', '0951', '02', '123456')"),
                 {kRuc});
        t.commit();
    }
    RegistroGuion registro() const
    {
        return RegistroGuion{db.get(), rpt, QStringLiteral("USUARIO1"), QStringLiteral("PR0003"), kRuc};
    }
    // What the runs leave, out of the timed part.
    void limpiar()
    {
        for (const QString &d : {rpt, pdf})
            for (const QString &f : QDir(d).entryList(QDir::Files))
                QFile::remove(d + f);
    }
};

Banco &banco()
{
    static Banco b;
    return b;
}

// Hands the commands of the pages to a list.
struct Grabadora : SalidaImpresion {
    QList<QVariantList> comandos;
    void pImpritext(const QVariantList &c) override { comandos << c; }
};

const QList<QVariantList> &fDocumento()
{
    static const QList<QVariantList> d = [] {
        Banco &b = banco();
        DatosImpresion datos;
        datos.sRuc = kRuc;
        datos.sRaSoc = QStringLiteral("COMERCIAL SAN JUAN S.A.");
        datos.sPeriodo = QStringLiteral("1998");
        datos.sFormulario = QStringLiteral("0951");
        datos.bAnexo = true;
        pLeerDatosImpresion(datos, *b.db);
        Grabadora g;
        pHoja1(datos, g);
        g.pImpritext({"pNuevaHoja"});
        pHoja2(datos, g);
        g.pImpritext({"pNuevaHoja"});
        ReporteAnexos(datos.sTipoAnexo, fTieneFactor(datos), datos, g);
        g.pImpritext({"Fin"});
        return g.comandos;
    }();
    return d;
}

// The script of the document as the engine writes it.
QByteArray fBytesGuion()
{
    QStringList lineas;
    for (const QVariantList &c : fDocumento())
        lineas << fLineasGuion(c);
    return textfile::toCp1252(lineas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void BM_ImprimirConMotor(benchmark::State &state)
{
    Banco &b = banco();
    for (auto _ : state) {
        DestinoImpresora impresora(QStringLiteral("banco"));
        MotorImpresion motor(MotorImpresion::ModoImprimir, impresora, b.registro());
        for (const QVariantList &c : fDocumento()) {
            if (c.first() == QLatin1String("Fin"))
                motor.pFinDocumento();
            motor.pImpritext(c);
        }
        state.PauseTiming();
        b.limpiar();
        state.ResumeTiming();
    }
    state.counters["comandos"] = fDocumento().size();
}
BENCHMARK(BM_ImprimirConMotor)->Unit(benchmark::kMillisecond);

// The same pages drawn straight on a QPrinter, the same script bytes written
// with one buffered write.
void BM_ImprimirDirecto(benchmark::State &state)
{
    Banco &b = banco();
    const QByteArray bytes = fBytesGuion();
    for (auto _ : state) {
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(b.pdf + QStringLiteral("directo.pdf"));
        impresora.setPageSize(QPageSize(QPageSize::A4));
        impresora.setFullPage(true);
        QPainter p(&impresora);
        const double s = impresora.resolution() / 1440.0;
        QFont f(QStringLiteral("Courier new"));
        f.setStyleHint(QFont::Monospace);
        for (const QVariantList &c : fDocumento()) {
            const QString n = c.first().toString();
            if (n == QLatin1String("pPos")) {
                f.setBold(c.at(4).toBool());
                f.setPointSize(c.at(5).toInt());
                p.setFont(f);
                p.drawText(QPointF(c.at(1).toInt() * s, c.at(2).toInt() * s + p.fontMetrics().ascent()),
                           c.at(3).toString());
            } else if (n == QLatin1String("pCuadro")) {
                const double x1 = c.at(1).toInt() * s, y1 = c.at(2).toInt() * s;
                const double x2 = c.at(3).toInt() * s, y2 = c.at(4).toInt() * s;
                p.setPen(QPen(Qt::black, 1));
                p.drawLine(QPointF(x1, y1), QPointF(x1, y2));
                p.drawLine(QPointF(x2, y1), QPointF(x2, y2));
                p.drawLine(QPointF(x1, y1), QPointF(x2, y1));
                p.drawLine(QPointF(x1, y2), QPointF(x2, y2));
            } else if (n == QLatin1String("pNuevaHoja")) {
                impresora.newPage();
            }
        }
        p.end();
        QFile guion(b.rpt + QStringLiteral("directo.PRN"));
        guion.open(QIODevice::WriteOnly);
        guion.write(bytes);
        guion.close();
        state.PauseTiming();
        b.limpiar();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImprimirDirecto)->Unit(benchmark::kMillisecond);

// What the engine adds at "Fin" and the direct print lacks: the script
// written under its temporary name, flushed, registered and renamed in one
// transaction.
void BM_RegistrarGuion(benchmark::State &state)
{
    Banco &b = banco();
    const QByteArray bytes = fBytesGuion();
    for (auto _ : state) {
        ArchivoTemporal guion(b.rpt);
        guion.escribir(bytes);
        fRegistrarYPublicar(*b.db, QStringLiteral("PR0003"), 6, kRuc, QStringLiteral("USUARIO1"),
                            QStringLiteral("tip_doc_d"), [&](const QString &a, DiarioPublicacion &d) { guion.publicar(b.rpt + a, &d); });
        state.PauseTiming();
        b.limpiar();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RegistrarGuion)->Unit(benchmark::kMillisecond);

// The whole print run of the declaration with its own pages: data, pages,
// PDF, script and SPOOL row.
void BM_CorridaDeclaracion(benchmark::State &state)
{
    Banco &b = banco();
    msg::ScriptedAnswerer mensajes;
    for (auto _ : state) {
        DestinoImpresora impresora(QStringLiteral("banco"));
        MotorImpresion motor(MotorImpresion::ModoImprimir, impresora, b.registro());
        DatosImpresion d;
        d.sRuc = kRuc;
        d.sRaSoc = QStringLiteral("COMERCIAL SAN JUAN S.A.");
        d.sPeriodo = QStringLiteral("1998");
        d.sFormulario = QStringLiteral("0951");
        d.bAnexo = true;
        if (!pCargar(d, *b.db, motor))
            state.SkipWithError("the run failed");
        state.PauseTiming();
        b.limpiar();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CorridaDeclaracion)->Unit(benchmark::kMillisecond);

// The reads of a run, in their one read transaction: how long another
// program's save may have to wait for a print.
void BM_LeerDatosImpresion(benchmark::State &state)
{
    Banco &b = banco();
    for (auto _ : state) {
        DatosImpresion d;
        d.sRuc = kRuc;
        d.sPeriodo = QStringLiteral("1998");
        d.sFormulario = QStringLiteral("0951");
        d.bAnexo = true;
        pLeerDatosImpresion(d, *b.db);
        benchmark::DoNotOptimize(d.aMesesAnexo.size());
    }
}
BENCHMARK(BM_LeerDatosImpresion)->Unit(benchmark::kMillisecond);

// The preview of page 1: its commands drawn on a fresh picture.
void BM_DibujarHojaPrevia(benchmark::State &state)
{
    QList<QVariantList> hoja1;
    for (const QVariantList &c : fDocumento())
        if (c.size() > 5 && c.last().toInt() == 0)
            hoja1 << c;
    for (auto _ : state) {
        PaginasPrevia paginas;
        DestinoPrevia previa(paginas);
        MotorImpresion motor(MotorImpresion::ModoPrevia, previa);
        for (const QVariantList &c : hoja1)
            motor.pImpritext(c);
    }
    state.counters["comandos"] = hoja1.size();
}
BENCHMARK(BM_DibujarHojaPrevia)->Unit(benchmark::kMillisecond);

// Painting page 1's picture (1133 x 2000 pixels) whole, as its widget does.
void BM_PintarHojaPrevia(benchmark::State &state)
{
    PaginasPrevia paginas;
    {
        DestinoPrevia previa(paginas);
        MotorImpresion motor(MotorImpresion::ModoPrevia, previa);
        for (const QVariantList &c : fDocumento())
            motor.pImpritext(c);
    }
    PicPrevia pic(paginas.pagina(0), nullptr);
    pic.resize(paginas.pagina(0).size());
    QImage pantalla(pic.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        pic.render(&pantalla);
        benchmark::DoNotOptimize(pantalla.constBits());
    }
}
BENCHMARK(BM_PintarHojaPrevia)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
