#pragma once

#include <QByteArray>
#include <QString>

class QAbstractItemModel;

// A table written for a Swedish spreadsheet: UTF-8 with a byte order mark,
// ";" between fields, CR LF after every line, first the column names, then
// the rows in the order the model gives them. A field that holds ";", a
// double quote or a line break is quoted, its quotes doubled.
namespace csvexport {

QByteArray bytes(const QAbstractItemModel &model);

// Writes bytes(model) to the path through savedfile::write: the file then
// holds them, or is as it was and false is returned.
bool write(const QString &path, const QAbstractItemModel &model);

// The course's file name (course::fileNameFor) with ".csv", in the data
// folder (the working folder).
QString defaultPath(const QString &courseName);

// "Filen %1 kunde inte sparas." with the file's name.
QString failedMessage(const QString &path);

} // namespace csvexport
