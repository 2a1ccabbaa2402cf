#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty working folder for one test: the data files are found by
// their bare names, so the test makes it the current folder.
class TestFolder
{
public:
    TestFolder();
    ~TestFolder();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;
    // A folder in place of a file: it exists, yet can be neither read nor
    // replaced as a file, even by root.
    void blockWithFolder(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
