#pragma once

#include "data/runfile.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Every run of one course, one row per run: the table of the run book. A
// cell shows at most shownLength characters of its text, then "…", and the
// whole text as its tooltip and to the CSV export (csvexport::WholeTextRole),
// so that a view sizes its columns by short texts however long a note is.
// The rows start in run-file order; sort() orders them by a column, keeping
// equal rows in file order either way.
class RunBookModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Date, Pace, Final, PerKm, Splits, Temperature, Weight, Information, ColumnCount };
    static constexpr qsizetype shownLength = 200;

    explicit RunBookModel(QObject *parent = nullptr);

    // "Datum", "Tempo", "Sluttid", "min/km", "Mellantider", "Grader", "Vikt",
    // "Information".
    static QStringList columnNames();

    // Shows the runs of the course with this line among the records (the run
    // file's, in file order), in file order.
    void setRuns(const QString &courseLine, const QStringList &records);
    const QString &courseLine() const { return m_courseLine; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Dates by year, month and day, "Sluttid", "min/km" and "Mellantider"
    // as times, "Grader" and "Vikt" by their numeric value (a text that does
    // not begin with a number, the empty one too, before every number), the
    // pace and the note as Swedish text.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The whole text of a cell.
    QString text(int row, int column) const;
    // Which run of the run file the row shows.
    run::Occurrence occurrence(int row) const;
    // The row's run counted among the course's runs in file order, and the
    // row that shows the run so counted.
    int filePosition(int row) const { return m_shown[std::size_t(row)]; }
    int rowAt(int filePosition) const;

private:
    const run::Fields &runAt(int row) const { return m_runs[m_shown[std::size_t(row)]]; }
    // The field a column shows as it stands; none for one worked out.
    std::optional<QStringView> fieldOf(int row, int column) const;

    QString m_courseLine;
    int m_timedPoints = 0;
    QList<run::Fields> m_runs; // file order
    std::vector<int> m_shown;  // row -> index in m_runs
};
