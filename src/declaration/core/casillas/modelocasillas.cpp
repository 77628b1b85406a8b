#include "declaration/core/casillas/modelocasillas.h"
#include <algorithm>

ModeloCasillas::ModeloCasillas(QObject *parent) : QObject(parent) {}

void ModeloCasillas::agregar(int n) { ref(n); }

QList<int> ModeloCasillas::numeros() const
{
    QList<int> l = m_casillas.keys();
    std::sort(l.begin(), l.end());
    return l;
}

ModeloCasillas::Casilla &ModeloCasillas::ref(int n)
{
    return m_casillas[n];
}

QString ModeloCasillas::texto(int n) const { return m_casillas.value(n).texto; }

void ModeloCasillas::setTexto(int n, const QString &texto)
{
    Casilla &c = ref(n);
    if (c.texto == texto)
        return;
    c.texto = texto;
    emit textoCambiado(n);
}

bool ModeloCasillas::habilitada(int n) const { return m_casillas.value(n).habilitada; }
bool ModeloCasillas::bloqueada(int n) const { return m_casillas.value(n).bloqueada; }
quint32 ModeloCasillas::color(int n) const { return m_casillas.value(n).color; }
int ModeloCasillas::maxLength(int n) const { return m_casillas.value(n).maxLength; }

void ModeloCasillas::setHabilitada(int n, bool v)
{
    Casilla &c = ref(n);
    if (c.habilitada == v) return;
    c.habilitada = v;
    emit estadoCambiado(n);
}

void ModeloCasillas::setBloqueada(int n, bool v)
{
    Casilla &c = ref(n);
    if (c.bloqueada == v) return;
    c.bloqueada = v;
    emit estadoCambiado(n);
}

void ModeloCasillas::setColor(int n, quint32 col)
{
    Casilla &c = ref(n);
    if (c.color == col) return;
    c.color = col;
    emit estadoCambiado(n);
}

void ModeloCasillas::setMaxLength(int n, int len)
{
    Casilla &c = ref(n);
    if (c.maxLength == len) return;
    c.maxLength = len;
    emit estadoCambiado(n);
}

void ModeloCasillas::setCampo(const QString &nombre, const QString &valor)
{
    auto it = m_campos.find(nombre);
    if (it != m_campos.end() && *it == valor)
        return;
    if (it == m_campos.end() && valor.isEmpty()) {
        m_campos.insert(nombre, valor);
        return;
    }
    m_campos[nombre] = valor;
    emit campoCambiado(nombre);
}

void ModeloCasillas::limpiar()
{
    for (auto &c : m_casillas)
        c.texto.clear();
    for (auto &v : m_campos)
        v.clear();
    emit reiniciado();
}
