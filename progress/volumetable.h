#pragma once

#include "progress/volume.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The training volume's table: one row a period, newest first, in the
// columns of volume::headers().
class VolumeTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit VolumeTable(QObject *parent = nullptr);

    void setRows(const QList<volume::Row> &rows, volume::Period kind);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    QList<QStringList> m_rows;
};
