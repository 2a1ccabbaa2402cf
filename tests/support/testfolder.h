#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// A fresh, empty working folder for one test: the data files are found by
// their bare names, so it is the current folder while it lives.
class TestFolder
{
public:
    TestFolder() { QDir::setCurrent(m_dir.path()); }
    ~TestFolder() { QDir::setCurrent(m_previous); }

    QString path() const { return m_dir.path(); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(QDir(path()).filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("Could not write the test file %s", qPrintable(name));
    }
    QByteArray read(const QString &name) const
    {
        QFile file(QDir(path()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool exists(const QString &name) const { return QDir(path()).exists(name); }
    // A folder in place of a file: it exists, yet can be neither read nor
    // replaced as a file, even by root.
    void block(const QString &name) const { QDir(path()).mkdir(name); }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_dir;
};

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
