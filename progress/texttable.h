#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// A table of texts as the figures write them: headers and rows, newest
// first, read-only. The first leftColumns columns stand at the left, the
// figures after them at the right. The chart's year table and the training
// volume's table are both one.
class TextTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TextTable(int leftColumns, QObject *parent = nullptr);

    void setTexts(const QStringList &headers, const QList<QStringList> &rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    int m_leftColumns = 0;
    QStringList m_headers;
    QList<QStringList> m_rows;
};
