#pragma once

#include "progress/progress.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <optional>

// The progress window's table: one row a year, newest first, as
// progress::yearTexts writes it.
class YearTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit YearTable(QObject *parent = nullptr);

    void setYears(const QList<progress::Year> &years, std::optional<int> metres);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    QList<QStringList> m_rows;
};
