#pragma once

#include "progress/volume.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <optional>

class QBarSet;
class QButtonGroup;
class QCategoryAxis;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QValueAxis;
class TextTable;
class WindowRegistry;

// How much the runner has run, over every course or one: a week, a month or
// a year a row of the table and a bar of the chart, and the year so far
// against the year before. Shows the files afresh whenever this copy of the
// program changes them.
class TrainingVolume : public QWidget
{
    Q_OBJECT

public:
    explicit TrainingVolume(WindowRegistry &windows);

    // Reads the course and run files. Returns false, after telling the user,
    // when one of them exists but cannot be read.
    bool load();

    // The last day of the year so far: today's date unless told another.
    void setToday(const QDate &today);

    // "Vecka", "Månad" or "År" chosen; a course or "Alla banor" chosen;
    // "Visa allt" after a zoom; "Exportera…".
    void choosePeriod();
    void chooseCourse();
    void showAll();
    void exportRows();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool readFiles();
    void showFilesAfresh(const QString &courseBefore, const QString &courseAfter);
    volume::Period period() const;
    void showYearSoFar();
    void xRangeChanged(qreal min, qreal max);
    void labelLater();
    void labelAxis();
    // The note on a bar, counted from the oldest period at the left.
    QString barNote(int bar) const;
    void barHovered(bool status, int bar);

    WindowRegistry &m_windows;
    QStringList m_records;
    QStringList m_courses; // the course names in file order
    std::optional<QString> m_course; // the course chosen; none: every course
    QDate m_today;
    volume::Runs m_runs;
    QList<volume::Row> m_rows; // newest first
    QList<double> m_kilometres; // of each bar, oldest first
    bool m_labelPending = false;
    bool m_labelling = false;

    QRadioButton *weekButton = nullptr;
    QRadioButton *monthButton = nullptr;
    QRadioButton *yearButton = nullptr;
    QButtonGroup *periodGroup = nullptr;
    QComboBox *courseBox = nullptr;
    QPushButton *showAllButton = nullptr;
    QPushButton *exportButton = nullptr;
    QLabel *yearSoFarLabel = nullptr;
    QChartView *chartView = nullptr;
    QTableView *table = nullptr;
    QLabel *uncountedLabel = nullptr;
    QLabel *unknownDistanceLabel = nullptr;

    TextTable *m_table = nullptr;
    QChart *m_chart = nullptr;
    QBarSet *m_bars = nullptr;
    QCategoryAxis *m_xAxis = nullptr;
    QValueAxis *m_yAxis = nullptr;
};
