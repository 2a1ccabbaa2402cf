#include "runbook/csvexport.h"

#include "data/coursefile.h"
#include "data/savedfile.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>

namespace csvexport {
namespace {

void appendField(QByteArray &bytes, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(';') && !utf8.contains('"') && !utf8.contains('\r') && !utf8.contains('\n')) {
        bytes += utf8;
        return;
    }
    bytes += '"';
    bytes += QByteArray(utf8).replace('"', "\"\"");
    bytes += '"';
}

} // namespace

QByteArray bytes(const QAbstractItemModel &model)
{
    QByteArray bytes("\xEF\xBB\xBF");
    const int columns = model.columnCount();
    for (int column = 0; column < columns; ++column) {
        if (column > 0)
            bytes += ';';
        appendField(bytes, model.headerData(column, Qt::Horizontal).toString());
    }
    bytes += "\r\n";
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                bytes += ';';
            appendField(bytes, model.index(row, column).data().toString());
        }
        bytes += "\r\n";
    }
    return bytes;
}

bool write(const QString &path, const QAbstractItemModel &model)
{
    return savedfile::write(path, bytes(model));
}

QString defaultPath(const QString &courseName)
{
    return QDir::current().absoluteFilePath(course::fileNameFor(courseName, QStringLiteral("Rundor"), QStringLiteral(".csv")));
}

QString failedMessage(const QString &path)
{
    return QStringLiteral("Filen ") + QFileInfo(path).fileName() + QStringLiteral(" kunde inte sparas.");
}

} // namespace csvexport
