// The rules the dispatch applies besides the calculations: exclusive pairs,
// the enabling of 137, 140, 141 and 144, the RUC check of the code boxes and
// the amount handed to the payment control.
#include "declaration/core/calculos/calculos.h"
#include "declaration/core/calculos/calculosimporte.h"
#include "platform/msgbox.h"
#include "platform/utilitario.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"

void CalculosDeclaracion::pTemCasillas(int index, int indexSgt)
{
    if (!(a(index) > 0 && a(indexSgt) > 0))
        return;
    const QString texto = QStringLiteral("Las casillas ") + QString::number(index) + QStringLiteral(" y ")
        + QString::number(indexSgt) + QStringLiteral(" son excluyentes, si desea registrar ")
        + QStringLiteral("información en la casilla ") + QString::number(index)
        + QStringLiteral(" debe eliminar la información registrada en la ") + QString::number(indexSgt)
        + QStringLiteral(".");
    if (msg::MsgBox(texto, 1, m_ctx.tituloAplicacion) == msg::OK) {
        poner(indexSgt, QString());
        if (m_ctx.enfocar)
            m_ctx.enfocar(index);
    } else {
        poner(index, QString());
        if (m_ctx.enfocar)
            m_ctx.enfocar(indexSgt);
    }
}

void CalculosDeclaracion::pReglaCasilla137()
{
    if (vb::Val(m.texto(139)) <= 0) {
        const bool sinSaldo = m.texto(138) == QLatin1String("0") && m.texto(139) == QLatin1String("0");
        if (sinSaldo)
            estado(137, false, Color::Gris);
        else
            estado(137, true, Color::Blanco);
    } else {
        estado(137, false, Color::Gris);
    }
}

namespace {
const int kSaldos[] = {140, 141, 144};
}

void CalculosDeclaracion::pReglaSaldos()
{
    if (vb::Val(m.texto(139)) <= 0) {
        pReglaCasilla137();
        for (int n : kSaldos) {
            estado(n, false, Color::Gris);
            poner(n, QString());
        }
        return;
    }
    estado(137, false, Color::Gris);
    for (int n : kSaldos)
        estado(n, true, Color::Blanco);
    if (a(332) > 0 || a(333) > 0) {
        estado(140, true, Color::Blanco);
    } else {
        estado(140, false, Color::Gris);
        poner(140, QString());
    }
}

void CalculosDeclaracion::pReglaCasilla140()
{
    if (a(332) > 0 || a(333) > 0) {
        estado(140, true, Color::Blanco);
        if (vb::Val(m.texto(139)) <= 0) {
            pReglaCasilla137();
            for (int n : kSaldos) {
                estado(n, false, Color::Gris);
                poner(n, QString());
            }
        } else {
            estado(137, false, Color::Gris);
            for (int n : kSaldos)
                estado(n, true, Color::Blanco);
        }
    } else {
        estado(140, false, Color::Gris);
        poner(140, QString());
    }
}

void CalculosDeclaracion::pVaciarSinSaldo()
{
    if (vb::Val(m.texto(139)) <= 0) {
        poner(140, QString());
        poner(141, QString());
    }
}

void CalculosDeclaracion::pValidarRucCasilla(int casilla)
{
    const QString texto = m.texto(casilla);
    if (texto.size() != 11)
        return;
    const QString ruc = vb::Trim(texto);
    const auto avisar = [&](const QString &mensajeTexto) {
        msg::MsgBox(mensajeTexto, 16, m_ctx.tituloVentana);
        if (m_ctx.mostrarPagina)
            m_ctx.mostrarPagina(5);
        if (m_ctx.enfocar)
            m_ctx.enfocar(casilla);
    };
    const cUtilitario local;
    const cUtilitario &util = goUtilitario ? *goUtilitario : local;
    if (!util.ValidaRuc(ruc))
        avisar(QStringLiteral("El RUC no es Válido."));
    if (ruc == vb::Trim(m_ctx.rucDeclaracion(m)))
        avisar(QStringLiteral("El RUC no puede ser igual al RUC del Contribuyente."));
}

void CalculosDeclaracion::pImportePago()
{
    if (m_ctx.importePago)
        m_ctx.importePago(vb::Format(m.texto(180), importe::kLectura));
}
