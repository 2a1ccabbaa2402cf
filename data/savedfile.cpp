#include "data/savedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cstdio>
#include <utility>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>
#endif

// QSaveFile does not check the flush of its commit nor its sync, and
// QTemporaryFile cannot replace a file; the writer is this program's own.
namespace savedfile {
namespace {

QString marker()
{
    return QStringLiteral(".kvistra-tmp-");
}

// Where the bytes go: through symbolic links to the file they lead to (a
// loop of links is replaced as it stands).
QString finalPath(const QString &path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

QString temporaryName(const QString &target)
{
    static constexpr char16_t characters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + marker();
    for (int i = 0; i < 6; ++i)
        name += QChar(characters[QRandomGenerator::global()->bounded(62)]);
    return name;
}

bool syncToDisk(QFile &file)
{
#if defined(Q_OS_LINUX)
    return ::fdatasync(file.handle()) == 0;
#elif defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0;
#elif defined(Q_OS_WIN)
    return ::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(file.handle()))) != 0;
#else
    Q_UNUSED(file);
    return true;
#endif
}

// Starts the writing of bytes just written out to the disk, so that the
// sync at the end finds less to wait for. Only a hint: the sync is what is
// checked.
void startWriteback(QFile &file, qint64 offset, qint64 size)
{
#if defined(Q_OS_LINUX)
    ::sync_file_range(file.handle(), offset, size, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(file);
    Q_UNUSED(offset);
    Q_UNUSED(size);
#endif
}

// The temporary file takes the target's name, in one step that leaves the
// one or the other under it.
bool replace(const QString &temporary, const QString &target)
{
#if defined(Q_OS_WIN)
    return ::MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(temporary).utf16()),
                         reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(target).utf16()),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        != 0;
#else
    return std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0;
#endif
}

// So that a power cut cannot take the new name back. Windows has no such
// sync: there the move itself is written through.
void syncFolder(const QString &path)
{
#ifdef Q_OS_UNIX
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
#else
    Q_UNUSED(path);
#endif
}

} // namespace

bool write(const QString &path, QByteArrayView bytes)
{
    bool given = false;
    return write(path, [&]() -> std::optional<QByteArrayView> {
        return std::exchange(given, true) ? QByteArrayView() : bytes;
    });
}

bool write(const QString &path, const std::function<std::optional<QByteArrayView>()> &next)
{
    const QString target = finalPath(path);
    const QFileInfo existing(target);
    if (existing.exists() && (!existing.isFile() || !existing.isWritable()))
        return false;
    // Kept from others until it has the old file's permissions.
    const QFile::Permissions permissions = existing.exists()
        ? QFile::ReadOwner | QFile::WriteOwner
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther
            | QFile::WriteOther;
    QFile file;
    for (int attempt = 0; attempt < 10 && !file.isOpen(); ++attempt) {
        file.setFileName(temporaryName(target));
        // A name taken already is tried again; a folder that takes no file
        // ends the write.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, permissions) && !file.exists())
            return false;
    }
    if (!file.isOpen())
        return false;
    // The owner's bits as they are, not as they are for the user saving
    // (root may write a file whose owner may not).
    if (existing.exists())
        file.setPermissions(existing.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser));
    bool written = true;
    for (qint64 offset = 0; written;) {
        const std::optional<QByteArrayView> piece = next();
        written = piece && file.write(piece->data(), piece->size()) == piece->size() && file.flush();
        if (!written || piece->isEmpty())
            break;
        startWriteback(file, offset, piece->size());
        offset += piece->size();
    }
    written = written && syncToDisk(file);
    file.close();
    if (!written || file.error() != QFileDevice::NoError || !replace(file.fileName(), target)) {
        file.remove();
        return false;
    }
    syncFolder(target);
    return true;
}

QStringList leftovers(const QString &path)
{
    const QFileInfo file(finalPath(path));
    const QString start = file.fileName() + marker();
    const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(start) + QStringLiteral("[A-Za-z0-9]{6}")));
    const QDir folder = file.absoluteDir();
    QStringList found;
    for (const QString &name :
         folder.entryList({start + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (pattern.match(name).hasMatch())
            found << folder.filePath(name);
    }
    return found;
}

void removeLeftovers(const QString &path)
{
    for (const QString &name : leftovers(path))
        QFile::remove(name);
}

} // namespace savedfile
