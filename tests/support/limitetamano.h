#pragma once
// A full disk without root: while a LimiteTamano lives, no file of the
// process may grow past the given size. SIGXFSZ is ignored meanwhile, so a
// write past the limit fails with EFBIG as one on a full disk fails with ENOSPC.
#include <csignal>
#include <sys/resource.h>

class LimiteTamano {
public:
    explicit LimiteTamano(rlim_t bytes)
    {
        m_senal = std::signal(SIGXFSZ, SIG_IGN);
        m_ok = ::getrlimit(RLIMIT_FSIZE, &m_antes) == 0;
        rlimit l = m_antes;
        l.rlim_cur = bytes;
        m_ok = m_ok && (m_antes.rlim_max == RLIM_INFINITY || bytes <= m_antes.rlim_max)
               && ::setrlimit(RLIMIT_FSIZE, &l) == 0;
    }
    ~LimiteTamano()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_antes);
        std::signal(SIGXFSZ, m_senal);
    }
    bool activo() const { return m_ok; }

private:
    rlimit m_antes {};
    void (*m_senal)(int) = SIG_DFL;
    bool m_ok = false;
};

