#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// While it lives, no file of this process can grow beyond the given number
// of bytes (none for a negative number): a longer write fails as on a full
// disk, even for root, and the signal that would end the process is
// ignored. Other systems have no such limit; the tests that need it skip.
class WriteLimit
{
public:
#ifdef Q_OS_UNIX
    static constexpr bool works = true;
    explicit WriteLimit(qint64 bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes < 0 ? m_previous.rlim_cur : rlim_t(bytes), m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~WriteLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
#else
    static constexpr bool works = false;
    explicit WriteLimit(qint64) {}
#endif
};
