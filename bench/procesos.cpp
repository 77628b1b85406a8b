#include "procesos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace banco {
namespace {

QHash<pid_t, double> g_inicios;

double ms(const timeval &t)
{
    return t.tv_sec * 1000.0 + t.tv_usec / 1000.0;
}

// Our environment with the order's changes, as exec wants it.
std::vector<QByteArray> entornoDe(const Orden &o)
{
    std::vector<QByteArray> e;
    for (char **p = environ; *p; ++p)
        e.emplace_back(*p);
    for (const QString &cambio : o.entorno) {
        const QByteArray c = cambio.toLocal8Bit();
        const int igual = c.indexOf('=');
        const QByteArray nombre = (igual < 0 ? c : c.left(igual)) + '=';
        e.erase(std::remove_if(e.begin(), e.end(), [&](const QByteArray &v) { return v.startsWith(nombre); }),
                e.end());
        if (igual >= 0)
            e.push_back(c);
    }
    return e;
}

} // namespace

double ahora()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

pid_t lanzar(const Orden &o, QString *error, double *inicio)
{
    const QString ruta = o.programa.contains(QLatin1Char('/')) ? o.programa
                                                               : QStandardPaths::findExecutable(o.programa);
    if (ruta.isEmpty()) {
        if (error)
            *error = QStringLiteral("no se encontró el programa %1").arg(o.programa);
        return -1;
    }
    // Everything exec needs is made before the fork.
    const QByteArray programa = ruta.toLocal8Bit();
    std::vector<QByteArray> args{programa};
    for (const QString &a : o.argumentos)
        args.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> entorno = entornoDe(o);
    std::vector<char *> envp;
    for (QByteArray &v : entorno)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    const QByteArray entrada = o.entrada.isEmpty() ? QByteArray("/dev/null") : o.entrada.toLocal8Bit();
    const QByteArray carpeta = o.carpeta.toLocal8Bit();

    const int in = ::open(entrada.constData(), O_RDONLY | O_CLOEXEC);
    const int nulo = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const int err = o.errores.isEmpty() ? ::dup(nulo)
                                        : ::open(o.errores.toLocal8Bit().constData(),
                                                 O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (in < 0 || nulo < 0 || err < 0) {
        if (error)
            *error = QStringLiteral("no se pudo abrir %1").arg(QString::fromLocal8Bit(entrada));
        if (in >= 0)
            ::close(in);
        if (nulo >= 0)
            ::close(nulo);
        if (err >= 0)
            ::close(err);
        return -1;
    }
    const double comienzo = ahora();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in, 0);
        dup2(nulo, 1);
        dup2(err, 2);
        if (!carpeta.isEmpty() && chdir(carpeta.constData()) != 0)
            _exit(126);
        execve(programa.constData(), argv.data(), envp.data());
        _exit(127);
    }
    ::close(in);
    ::close(nulo);
    ::close(err);
    if (pid < 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return -1;
    }
    g_inicios.insert(pid, comienzo);
    if (inicio)
        *inicio = comienzo;
    return pid;
}

Medida esperar(pid_t pid)
{
    Medida m;
    int estado = 0;
    rusage uso{};
    pid_t r;
    do
        r = wait4(pid, &estado, 0, &uso);
    while (r < 0 && errno == EINTR);
    const double fin = ahora();
    m.pared = fin - g_inicios.take(pid);
    if (r < 0)
        return m;
    m.cpu = ms(uso.ru_utime) + ms(uso.ru_stime);
    m.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
    return m;
}

Medida correr(const Orden &o)
{
    const pid_t pid = lanzar(o);
    if (pid < 0)
        return {};
    return esperar(pid);
}

Orden bajoCallgrind(const Orden &o, const QString &perfil)
{
    Orden v = o;
    v.programa = QStringLiteral("valgrind");
    v.argumentos = QStringList{QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=") + perfil,
                               o.programa.contains(QLatin1Char('/')) ? o.programa
                                                                     : QStandardPaths::findExecutable(o.programa)}
                   + o.argumentos;
    return v;
}

qint64 instrucciones(const QString &perfil)
{
    QFile f(perfil);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression resumen(QStringLiteral("^(summary|totals):\\s+(\\d+)"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = resumen.match(QString::fromLatin1(f.readAll()));
    return m.hasMatch() ? m.captured(2).toLongLong() : -1;
}

double mediana(QList<double> v)
{
    if (v.isEmpty())
        return 0;
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2;
}

double minimo(const QList<double> &v)
{
    return v.isEmpty() ? 0 : *std::min_element(v.begin(), v.end());
}

QString tabla(const Serie &p, const Serie &b)
{
    auto celda = [](double v) { return QString::number(v, 'f', 2).rightJustified(11); };
    auto fila = [&](const QString &nombre, double a, double b2, double c, double d) {
        return nombre.leftJustified(10) + celda(a) + celda(b2) + celda(c) + celda(d) + QLatin1Char('\n');
    };
    QString t = QString().leftJustified(10) + QStringLiteral("  pared med  pared mín    CPU med    CPU mín   (ms)\n");
    for (const Serie *s : {&p, &b})
        t += fila(s->nombre, mediana(s->pared), minimo(s->pared), mediana(s->cpu), minimo(s->cpu));
    t += fila(QStringLiteral("razón"), mediana(p.pared) / mediana(b.pared), minimo(p.pared) / minimo(b.pared),
              mediana(p.cpu) / mediana(b.cpu), minimo(p.cpu) / minimo(b.cpu));
    return t;
}

QString carga()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QStringList partes = QString::fromLatin1(f.readAll()).split(QLatin1Char(' '));
    return partes.mid(0, 3).join(QLatin1Char(' '));
}

bool copiar(const QString &origen, const QString &destino)
{
    QFile::remove(destino);
    QFile::remove(destino + QStringLiteral("-journal"));
    return QFile::copy(origen, destino);
}

void vaciar(const QString &carpeta)
{
    QDir d(carpeta);
    for (const QString &f : d.entryList(QDir::Files | QDir::Hidden | QDir::System))
        d.remove(f);
}

int fallo(const QString &texto)
{
    std::fprintf(stderr, "%s: %s\n", QCoreApplication::applicationName().toLocal8Bit().constData(),
                 texto.toLocal8Bit().constData());
    return 1;
}

Argumentos fArgumentos(const QStringList &args, int porOmision)
{
    Argumentos a;
    a.callgrind = args.value(0) == QLatin1String("--callgrind");
    if (a.callgrind) {
        a.carpeta = args.value(1);
        if (a.carpeta.isEmpty())
            a.error = QStringLiteral("--callgrind necesita la carpeta de los perfiles");
    }
    a.corridas = !a.callgrind && !args.isEmpty() ? qMax(2, args.first().toInt()) : porOmision;
    return a;
}

} // namespace banco
