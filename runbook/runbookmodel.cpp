#include "runbook/runbookmodel.h"

#include "analysis/ordering.h"
#include "analysis/resulttable.h"
#include "analysis/selection.h"
#include "data/coursefile.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

RunBookModel::RunBookModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

QStringList RunBookModel::columnNames()
{
    return {QStringLiteral("Datum"), QStringLiteral("Tempo"), QStringLiteral("Sluttid"), QStringLiteral("min/km"),
            QStringLiteral("Mellantider"), QStringLiteral("Grader"), QStringLiteral("Vikt"),
            QStringLiteral("Information")};
}

void RunBookModel::setRuns(const QString &courseLine, const QStringList &records)
{
    beginResetModel();
    m_courseLine = courseLine;
    m_timedPoints = course::timedPoints(courseLine);
    // The runs the analysis window selects for the course.
    m_runs = selection::selectRuns(records, course::name(courseLine), m_timedPoints);
    m_shown.resize(std::size_t(m_runs.size()));
    std::iota(m_shown.begin(), m_shown.end(), 0);
    endResetModel();
}

int RunBookModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int RunBookModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RunBookModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return QVariant();
    return text(index.row(), index.column());
}

QVariant RunBookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnNames().value(section);
    return QAbstractTableModel::headerData(section, orientation, role); // rows numbered from 1
}

QString RunBookModel::text(int row, int column) const
{
    const run::Fields &fields = runAt(row);
    const int n = m_timedPoints;
    switch (column) {
    case Date: return fields.at(4).toString();
    case Pace: return fields.at(3).toString();
    case Final: return n > 0 ? fields.at(7 + n).toString() : QString();
    case PerKm: return n > 0 ? run::paceText(fields.at(7 + n), fields.at(2)) : QString();
    case Splits: return resulttable::splitTimes(fields, n);
    case Temperature: return fields.at(6).toString();
    case Weight: return fields.at(7).toString();
    case Information: return fields.at(5).toString();
    default: break;
    }
    return QString();
}

run::Occurrence RunBookModel::occurrence(int row) const
{
    // Equal records are runs of the same course: which of them this one is
    // is counted among the course's runs, in file order.
    const int at = m_shown[std::size_t(row)];
    const QString &record = m_runs.at(at).record();
    const int index = int(std::count_if(m_runs.cbegin(), m_runs.cbegin() + at,
                                        [&record](const run::Fields &other) { return other.record() == record; }));
    return run::Occurrence{record, index};
}

void RunBookModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    const int n = m_timedPoints;
    const qsizetype count = m_runs.size();
    // One key of numbers per run and time, or one sort key of text: the
    // runs are put in order from file order, so equal ones keep it.
    const int width = column == Splits ? std::max(n - 1, 0) : 1;
    std::vector<ordering::Key> keys;
    std::vector<QCollatorSortKey> textKeys;
    const bool asText = column == Pace || column == Temperature || column == Weight || column == Information;
    if (asText) {
        QCollator collator{QLocale(QLocale::Swedish, QLocale::Sweden)};
        textKeys.reserve(std::size_t(count));
        for (const run::Fields &each : std::as_const(m_runs)) {
            const int f = column == Pace ? 3 : column == Temperature ? 6 : column == Weight ? 7 : 5;
            textKeys.push_back(collator.sortKey(each.at(f).toString()));
        }
    } else {
        keys.reserve(std::size_t(count) * std::size_t(width));
        for (const run::Fields &fields : std::as_const(m_runs)) {
            if (column == Date)
                keys.push_back(ordering::dateKey(fields.at(4)));
            else if (column == Final)
                keys.push_back(ordering::timeKey(n > 0 ? fields.at(7 + n) : QStringView()));
            else if (column == PerKm)
                keys.push_back({double(n > 0 ? run::paceSeconds(fields.at(7 + n), fields.at(2)).value_or(-1) : -1), 0, 0});
            else
                for (int f = 8; f < 8 + width; ++f)
                    keys.push_back(ordering::timeKey(fields.at(f)));
        }
    }
    const auto less = [&](int a, int b) {
        if (asText)
            return textKeys[std::size_t(a)].compare(textKeys[std::size_t(b)]) < 0;
        const auto first = keys.begin() + std::ptrdiff_t(a) * width, second = keys.begin() + std::ptrdiff_t(b) * width;
        return std::lexicographical_compare(first, first + width, second, second + width);
    };

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> shown(static_cast<std::size_t>(count));
    std::iota(shown.begin(), shown.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(shown.begin(), shown.end(), less);
    else
        std::stable_sort(shown.begin(), shown.end(), [&](int a, int b) { return less(b, a); });
    std::swap(shown, m_shown);

    // The view's current row and selection follow their runs.
    const QModelIndexList before = persistentIndexList();
    if (!before.isEmpty()) {
        std::vector<int> newRowOf(static_cast<std::size_t>(count));
        for (std::size_t row = 0; row < m_shown.size(); ++row)
            newRowOf[std::size_t(m_shown[row])] = int(row);
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex &index : before)
            after.append(this->index(newRowOf[std::size_t(shown[std::size_t(index.row())])], index.column()));
        changePersistentIndexList(before, after);
    }
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
