#include "declaration/core/respuestas/respuestas.h"
#include "declaration/core/calculos/calculos.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"

using namespace respuestas;

bool respuestas::elegida(const ModeloCasillas &m, const QString &opcion, int index)
{
    return m.campo(opcion) == QString::number(index);
}

bool respuestas::sinRespuesta(const ModeloCasillas &m, const QString &opcion)
{
    return !elegida(m, opcion, 0) && !elegida(m, opcion, 1);
}

CalculosRespuestas CalculosRespuestas::de(CalculosDeclaracion &c)
{
    CalculosRespuestas r;
    r.Calcular113 = [&c] { c.Calcular113(); };
    r.Calcular511 = [&c] { c.Calcular511(); };
    r.Calcular117 = [&c] { c.Calcular117(); };
    r.Calcular120 = [&c] { c.Calcular120(); };
    r.Calcular128_131 = [&c](int n) { c.Calcular128_131(n); };
    r.Calcular128A_131A = [&c](int n) { c.Calcular128A_131A(n); };
    return r;
}

Respuestas::Respuestas(ModeloCasillas &modelo, EstadoVentana &ventana)
    : m_modelo(modelo), m_ventana(ventana)
{
}

void Respuestas::click(const QString &opcion, int index)
{
    if (opcion == OptTipoCont) OptTipoCont_Click(index);
    else if (opcion == OptConvEstab) OptConvEstab_Click(index);
    else if (opcion == OptIEAN) OptIEAN_Click(index);
    else if (opcion == OptAnexo) OptAnexo_Click(index);
    else if (opcion == OptAgraria) OptAgraria_Click(index);
    else if (opcion == OptRectifica) OptRectifica_Click(index);
    else if (opcion == OptDomiciliado) OptDomiciliado_Click(index);
}

void Respuestas::seleccionar(const QString &opcion, const QString &texto)
{
    const QString t = texto.trimmed();
    if (t == QLatin1String("1"))
        click(opcion, 1);
    else if (t == QLatin1String("0"))
        click(opcion, 0);
}

void Respuestas::seleccionarOpcion(const QString &opcion, int index)
{
    if (index == 0 || index == 1)
        m_modelo.setCampo(opcion, QString::number(index));
}

void Respuestas::abrir(int n, quint32 color)
{
    if (!perfil.habilitarControles)
        return;
    m_modelo.setHabilitada(n, true);
    m_modelo.setColor(n, color);
}

void Respuestas::cerrar(int n)
{
    if (!perfil.habilitarControles)
        return;
    m_modelo.setHabilitada(n, false);
    m_modelo.setColor(n, Color::Gris);
}

// The annex boxes follow the annex answer in either window.
void Respuestas::estadoAnexo(int n, bool habilitada)
{
    m_modelo.setHabilitada(n, habilitada);
    m_modelo.setColor(n, habilitada ? Color::Cyan : Color::Gris);
}

void Respuestas::control(const QString &nombre, bool habilitado, quint32 color)
{
    if (!perfil.habilitarControles)
        return;
    m_ventana.setColor(nombre, color);
    m_ventana.setHabilitado(nombre, habilitado);
}

// The answer text is emptied before each of the pair's two options sets it;
// any other index leaves it as it was.
void Respuestas::vaciarRespuesta(const QString &texto, int index)
{
    if (index == 0 || index == 1)
        m_modelo.setCampo(texto, QString());
}

void Respuestas::calc113()
{
    if (calculos.Calcular113)
        calculos.Calcular113();
}

void Respuestas::OptTipoCont_Click(int index)
{
    seleccionarOpcion(OptTipoCont, index);
    if (index == 1)
        m_modelo.setCampo(sExonerado, QStringLiteral("1"));
    else if (index == 0)
        m_modelo.setCampo(sExonerado, QStringLiteral("0"));
    calc113();
    m_modelo.bModificado = true;
}

void Respuestas::OptConvEstab_Click(int index)
{
    seleccionarOpcion(OptConvEstab, index);
    vaciarRespuesta(sConvenio, index);
    if (index == 0) {
        m_modelo.setCampo(sConvenio, QStringLiteral("0"));
        m_modelo.bModificado = true;
    } else if (index == 1) {
        // The agreement's own rate; Calcular113 leaves it while the agreement holds.
        gsTasa = QStringLiteral("100");
        m_modelo.setCampo(sConvenio, QStringLiteral("1"));
        m_modelo.bModificado = true;
    }
    calc113();
}

void Respuestas::OptAgraria_Click(int index)
{
    static const int inversion[] = {201, 203, 204, 205, 206};
    seleccionarOpcion(OptAgraria, index);
    vaciarRespuesta(sAgraria, index);
    if (index == 1) {
        m_modelo.setCampo(sAgraria, QStringLiteral("1"));
        m_ventana.setHabilitado(ctl381::Label1_9, true);
        control(ctl381::MkePeriodo, true, Color::Blanco);
        m_modelo.bModificado = true;
        for (int n : inversion)
            abrir(n);
    } else if (index == 0) {
        m_modelo.setCampo(sAgraria, QStringLiteral("0"));
        m_ventana.setHabilitado(ctl381::Label1_9, false);
        // The entry keeps the typed date and only closes the box.
        control(ctl381::MkePeriodo, false, Color::Gris);
        if (perfil.vaciarFechaSinAgraria)
            m_modelo.setCampo(ctl381::MkePeriodo, ctl381::MascaraVacia);
        m_modelo.bModificado = true;
        for (int n : inversion) {
            vaciar(n);
            cerrar(n);
        }
    }
    calc113();
}

void Respuestas::OptIEAN_Click(int index)
{
    seleccionarOpcion(OptIEAN, index);
    vaciarRespuesta(sIEAN, index);
    if (index == 0) {
        m_modelo.setCampo(OptAnexo, QString());
        if (perfil.habilitarControles)
            m_ventana.setHabilitado(ctl381::OptAnexo, false);
        m_ventana.setHabilitado(ctl381::Label1_8, false);
        m_modelo.setCampo(sIEAN, QStringLiteral("0"));
        m_ventana.frame[3] = false;
        m_ventana.frame[0] = true;
        if (calculos.Calcular511)
            calculos.Calcular511();
        abrir(127);
        if (perfil.recalcular131SinIEAN && calculos.Calcular128_131)
            calculos.Calcular128_131(131);
        m_modelo.bModificado = true;
    } else if (index == 1) {
        if (perfil.habilitarControles)
            m_ventana.setHabilitado(ctl381::OptAnexo, true);
        m_ventana.setHabilitado(ctl381::Label1_8, true);
        m_modelo.setCampo(sIEAN, QStringLiteral("1"));
        m_ventana.frame[3] = true;
        m_ventana.frame[0] = false;
        for (int n : {130, 511, 131, 512, 132, 513, 133, 134})
            vaciar(n);
        if (elegida(m_modelo, OptAnexo, 1)) {
            cerrar(127);
            vaciar(127);
        } else if (elegida(m_modelo, OptAnexo, 0)) {
            abrir(127);
        }
        m_modelo.bModificado = true;
    }
    calc113();
}

void Respuestas::OptAnexo_Click(int index)
{
    seleccionarOpcion(OptAnexo, index);
    const bool iean = elegida(m_modelo, OptIEAN, 1);
    if (index == 1) {
        estadoAnexo(120, true);
        abrir(122);
        for (int n : {114, 115})
            cerrar(n);
        estadoAnexo(117, false);
        for (int n : {114, 506, 115, 116, 507, 117, 119})
            vaciar(n);
        if (iean) {
            if (calculos.Calcular120)
                calculos.Calcular120();
            if (calculos.Calcular128A_131A)
                calculos.Calcular128A_131A(128);
            cerrar(127);
            vaciar(127);
        }
        m_modelo.bModificado = true;
    } else if (index == 0) {
        abrir(114);
        abrir(115);
        estadoAnexo(117, true);
        estadoAnexo(120, false);
        cerrar(122);
        for (int n : {120, 508, 122})
            vaciar(n);
        if (iean) {
            if (calculos.Calcular117)
                calculos.Calcular117();
            if (calculos.Calcular128_131)
                calculos.Calcular128_131(128);
        }
        abrir(127);
        m_modelo.bModificado = true;
    }
    // sAnexo stays as loaded: the save reads the options themselves.
}

void Respuestas::OptRectifica_Click(int index)
{
    seleccionarOpcion(OptRectifica, index);
    vaciarRespuesta(sRectifica, index);
    if (index == 0) {
        m_modelo.setCampo(sRectifica, QStringLiteral("0"));
        control(ctl381::TxtNumOrden, false, Color::Gris);
        m_modelo.setCampo(ctl381::TxtNumOrden, QString());
        m_ventana.setHabilitado(ctl381::Label1_10, false);
        m_modelo.bModificado = true;
    } else if (index == 1) {
        m_modelo.setCampo(sRectifica, QStringLiteral("1"));
        control(ctl381::TxtNumOrden, true, Color::Blanco);
        m_ventana.setHabilitado(ctl381::Label1_10, true);
        m_modelo.bModificado = true;
        if (perfil.avisoRectifica && !giCargandoForm)
            msg::MsgBox(MensajeRectifica, 48, m_ventana.titulo);
    }
}

void Respuestas::OptDomiciliado_Click(int index)
{
    seleccionarOpcion(OptDomiciliado, index);
    if (index == 1) {
        m_modelo.setCampo(sDomiciliado, QStringLiteral("1"));
        cerrar(100);
        // The result of the income statement becomes the tax base: the income
        // (505) into 100 and the loss (338) into 101, as Calcular505y338 copies
        // them, so a loss typed before the answer is not lost.
        m_modelo.setTexto(100, m_modelo.texto(505));
        if (perfil.copiarPerdida101)
            m_modelo.setTexto(101, m_modelo.texto(338));
        if (perfil.habilitarControles)
            m_modelo.setBloqueada(100, true);
    } else if (index == 0) {
        m_modelo.setCampo(sDomiciliado, QStringLiteral("0"));
        abrir(100);
        if (perfil.habilitarControles)
            m_modelo.setBloqueada(100, false);
    }
}
