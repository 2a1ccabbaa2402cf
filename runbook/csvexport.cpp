#include "runbook/csvexport.h"

#include "data/coursefile.h"
#include "data/savedfile.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <vector>

namespace csvexport {

QByteArray field(const QString &text, Form form)
{
    static const QRegularExpression plainNumber(QStringLiteral("\\A[+-]?([0-9]+[.,]?[0-9]*|[.,][0-9]+)\\z"));
    const bool number = plainNumber.match(text).hasMatch();
    QString written = text;
    if (number && form == Form::Decimal) {
        written.replace(u'.', u',');
        if (written.endsWith(u','))
            written.chop(1);
    }
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!number && !written.isEmpty() && formulaStarts.contains(written.front()))
        written.prepend(u'\'');
    QByteArray utf8 = written.toUtf8();
    if (!utf8.contains(';') && !utf8.contains('"') && !utf8.contains('\r') && !utf8.contains('\n'))
        return utf8;
    return '"' + utf8.replace('"', "\"\"") + '"';
}

QByteArray bytes(const QAbstractItemModel &model)
{
    QByteArray bytes("\xEF\xBB\xBF");
    const int columns = model.columnCount();
    for (int column = 0; column < columns; ++column) {
        if (column > 0)
            bytes += ';';
        bytes += field(model.headerData(column, Qt::Horizontal).toString());
    }
    bytes += "\r\n";
    std::vector<Form> forms;
    for (int column = 0; column < columns; ++column)
        forms.push_back(Form(model.headerData(column, Qt::Horizontal, FormRole).toInt()));
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                bytes += ';';
            const QModelIndex index = model.index(row, column);
            const QVariant whole = index.data(WholeTextRole);
            bytes += field(whole.isValid() ? whole.toString() : index.data().toString(), forms[std::size_t(column)]);
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
