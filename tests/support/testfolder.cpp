#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder()
    : m_previous(QDir::currentPath())
{
    if (m_dir.isValid())
        QDir::setCurrent(m_dir.path());
}

TestFolder::~TestFolder()
{
    QDir::setCurrent(m_previous);
}

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(QDir(m_dir.path()).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Could not write the test file %s", qPrintable(name));
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile file(QDir(m_dir.path()).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TestFolder::exists(const QString &name) const
{
    return QFileInfo::exists(QDir(m_dir.path()).filePath(name));
}

void TestFolder::blockWithFolder(const QString &name) const
{
    QDir(m_dir.path()).mkdir(name);
}
