// Linked into every program and test of the sanitizer build. A report's
// summary line also goes, with the process and its program, to the file
// $QX_INFORMES_SANITIZER names: a program a test starts may have its standard
// error read or dropped by that test, and its report must still fail the run.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

extern "C" void __sanitizer_report_error_summary(const char *resumen)
{
    // What the runtime prints when nobody takes its summary.
    char linea[1024];
    int n = std::snprintf(linea, sizeof linea, "%s\n", resumen);
    if (n > 0)
        (void)!write(STDERR_FILENO, linea, std::strlen(linea));
    const char *ruta = std::getenv("QX_INFORMES_SANITIZER");
    if (!ruta || !*ruta)
        return;
    const int fd = open(ruta, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    n = std::snprintf(linea, sizeof linea, "%d %s: %s\n", int(getpid()), program_invocation_name, resumen);
    if (n > 0)
        (void)!write(fd, linea, std::strlen(linea));   // one append: lines of parallel processes stay whole
    close(fd);
}
