#include "progress/volumetable.h"

VolumeTable::VolumeTable(QObject *parent)
    : QAbstractTableModel(parent)
    , m_headers(volume::headers())
{
}

void VolumeTable::setRows(const QList<volume::Row> &rows, volume::Period kind)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (const volume::Row &row : rows)
        m_rows.append(volume::rowTexts(row, kind));
    endResetModel();
}

int VolumeTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int VolumeTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant VolumeTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_headers.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows.at(index.row()).at(index.column());
    // The period at the left, the figures at the right.
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

QVariant VolumeTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
        return m_headers.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
