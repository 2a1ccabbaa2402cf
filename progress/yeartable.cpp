#include "progress/yeartable.h"

YearTable::YearTable(QObject *parent)
    : QAbstractTableModel(parent)
    , m_headers(progress::yearHeaders(std::nullopt))
{
}

void YearTable::setYears(const QList<progress::Year> &years, std::optional<int> metres)
{
    beginResetModel();
    m_headers = progress::yearHeaders(metres);
    m_rows.clear();
    m_rows.reserve(years.size());
    for (const progress::Year &year : years)
        m_rows.append(progress::yearTexts(year, metres));
    endResetModel();
}

int YearTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int YearTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant YearTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_headers.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows.at(index.row()).at(index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant YearTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
        return m_headers.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
