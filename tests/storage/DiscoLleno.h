#pragma once
#include <csignal>
#include <sys/resource.h>

/// While alive, the process may write no file beyond `bytes`: a disk that fills up
/// half-way through a write, even for root.
class DiscoLleno {
public:
    explicit DiscoLleno(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_original);
        m_manejador = signal(SIGXFSZ, SIG_IGN);
        rlimit corto = m_original;
        corto.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &corto);
    }
    ~DiscoLleno()
    {
        setrlimit(RLIMIT_FSIZE, &m_original);
        signal(SIGXFSZ, m_manejador);
    }
    DiscoLleno(const DiscoLleno &) = delete;
    DiscoLleno &operator=(const DiscoLleno &) = delete;

private:
    rlimit m_original{};
    void (*m_manejador)(int) = nullptr;
};
