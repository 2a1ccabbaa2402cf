#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
