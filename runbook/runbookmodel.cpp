#include "runbook/runbookmodel.h"

#include "analysis/ordering.h"
#include "analysis/resulttable.h"
#include "analysis/selection.h"
#include "data/coursefile.h"
#include "data/numeric.h"
#include "runbook/csvexport.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace {

// A number's value; a text that does not begin with one comes first.
ordering::Key numberKey(QStringView text)
{
    const std::optional<double> value = leadingNumber(text);
    return {value ? 1.0 : 0.0, value.value_or(0.0), 0.0};
}

} // namespace

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
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const int row = index.row(), column = index.column();
    if (role == csvexport::WholeTextRole)
        return text(row, column);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    // A field is looked at where it stands in its record, never copied whole:
    // a note may be megabytes long.
    const std::optional<QStringView> field = fieldOf(row, column);
    const QString worked = field ? QString() : text(row, column);
    const QStringView whole = field ? *field : QStringView(worked);
    if (whole.size() <= shownLength)
        return role == Qt::DisplayRole ? QVariant(whole.toString()) : QVariant();
    // A tooltip would take "<b>" in a note for formatting: it gets the text
    // escaped, as a paragraph that wraps.
    if (role == Qt::ToolTipRole)
        return QStringLiteral("<p>%1</p>").arg(whole.toString().toHtmlEscaped());
    const qsizetype cut = whole[shownLength - 1].isHighSurrogate() ? shownLength - 1 : shownLength;
    return whole.first(cut).toString() + u'…';
}

QVariant RunBookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnNames().value(section);
    // A Swedish spreadsheet reads a weight with a decimal comma as a number.
    if (orientation == Qt::Horizontal && role == csvexport::FormRole && section == Weight)
        return int(csvexport::Form::Decimal);
    return QAbstractTableModel::headerData(section, orientation, role); // rows numbered from 1
}

std::optional<QStringView> RunBookModel::fieldOf(int row, int column) const
{
    const run::Fields &fields = runAt(row);
    switch (column) {
    case Date: return fields.at(4);
    case Pace: return fields.at(3);
    case Final: return m_timedPoints > 0 ? fields.at(7 + m_timedPoints) : QStringView();
    case Temperature: return fields.at(6);
    case Weight: return fields.at(7);
    case Information: return fields.at(5);
    default: return std::nullopt;
    }
}

QString RunBookModel::text(int row, int column) const
{
    if (const std::optional<QStringView> field = fieldOf(row, column))
        return field->toString();
    const run::Fields &fields = runAt(row);
    const int n = m_timedPoints;
    if (column == PerKm)
        return n > 0 ? run::paceText(fields.at(7 + n), fields.at(2)) : QString();
    if (column == Splits)
        return resulttable::splitTimes(fields, n);
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

int RunBookModel::rowAt(int filePosition) const
{
    return int(std::find(m_shown.cbegin(), m_shown.cend(), filePosition) - m_shown.cbegin());
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
    const bool asText = column == Pace || column == Information;
    if (asText) {
        QCollator collator{QLocale(QLocale::Swedish, QLocale::Sweden)};
        textKeys.reserve(std::size_t(count));
        for (const run::Fields &each : std::as_const(m_runs))
            textKeys.push_back(collator.sortKey(each.at(column == Pace ? 3 : 5).toString()));
    } else {
        keys.reserve(std::size_t(count) * std::size_t(width));
        for (const run::Fields &fields : std::as_const(m_runs)) {
            if (column == Date)
                keys.push_back(ordering::dateKey(fields.at(4)));
            else if (column == Final)
                keys.push_back(ordering::timeKey(n > 0 ? fields.at(7 + n) : QStringView()));
            else if (column == PerKm)
                keys.push_back({double(n > 0 ? run::paceSeconds(fields.at(7 + n), fields.at(2)).value_or(-1) : -1), 0, 0});
            else if (column == Temperature || column == Weight)
                keys.push_back(numberKey(fields.at(column == Temperature ? 6 : 7)));
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
