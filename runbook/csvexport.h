#pragma once

#include <QByteArray>
#include <QString>

#include <Qt>

class QAbstractItemModel;

// A table written for a Swedish spreadsheet: UTF-8 with a byte order mark,
// ";" between fields, CR LF after every line, first the column names, then
// the rows in the order the model gives them, each field as field() writes
// it. Any model can be written; one may tell more through two roles.
namespace csvexport {

enum Role {
    // data(): the whole text of a cell that the model shows cut short. A
    // model without it is written as it shows its cells.
    WholeTextRole = Qt::UserRole + 0x435,
    // headerData(column, Qt::Horizontal): a Form, how the column's fields
    // are written; Text for a model without it.
    FormRole,
};

enum class Form {
    Text,
    // A plain number is written with a decimal comma, "79.9" as "79,9", and
    // without a point at its end, "100." as "100".
    Decimal,
};

// One field as the file holds it. A plain number is an optional sign, then
// digits with at most one "." or "," among or before them ("+20", "-3",
// "79.9"). A field that begins with "=", "+", "-", "@", a tab or a CR and is
// no plain number could be taken for a formula: it gets a leading "'". A
// field that holds ";", a double quote or a line break is then quoted, its
// quotes doubled.
QByteArray field(const QString &text, Form form = Form::Text);

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
