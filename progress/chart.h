#pragma once

#include "progress/progress.h"
#include "data/runfile.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <optional>

class QCategoryAxis;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTableView;
class WindowRegistry;
class TextTable;

// The progress window of one course: every run's final time (or pace) over
// its date, race and training pace apart, a line through each year's best,
// and beside it the years in numbers.
class Chart : public QWidget
{
    Q_OBJECT

public:
    Chart(WindowRegistry &windows, const QString &courseLine);

    // Reads the run file as it is now. Returns false, after telling the
    // user, when the file cannot be read.
    bool Form_Load();

    // The final times or the pace, as "Sluttid" or "min/km" is chosen (a
    // click on either calls it), every run in view.
    void showRuns();
    // "Visa allt": every run again after a zoom.
    void showAllRuns();
    // "Spara bild…": the chart as a PNG file.
    void savePicture();

    // What pointing at a run shows: its date, final time, pace and note.
    QString runText(qsizetype run) const;
    // The run whose point lies within a few pixels of a place in the chart
    // view; none when no point does.
    std::optional<qsizetype> runAt(QPoint viewPosition) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The course's line, name, timed points and distance, and the caption.
    void setCourse(const QString &courseLine);
    // The runs of the course among the run file's records; false when none
    // can be shown.
    bool showRunsOf(const QStringList &records);
    // A run or a course stored, corrected or deleted: the chart of the run
    // file as it is now, under the course's name as it is now.
    void showFilesAfresh(const QString &courseBefore, const QString &courseAfter);
    void rangesChanged();
    void thinLater();
    void thin();
    void labelAxes();
    void describe();
    void showPointedRun(QPoint viewPosition);

    WindowRegistry &m_windows;
    QString m_course;
    QString m_name;
    int m_n = 0;
    std::optional<int> m_metres;

    QList<run::Fields> m_runs;
    progress::Progress m_progress;
    // The points of the present choice.
    progress::Points m_points;
    bool m_thinPending = false;
    bool m_labelling = false;

    QRadioButton *finalTimeButton = nullptr;
    QRadioButton *paceButton = nullptr;
    QPushButton *showAllButton = nullptr;
    QPushButton *savePictureButton = nullptr;
    QSplitter *splitter = nullptr;
    QChartView *chartView = nullptr;
    QTableView *yearTable = nullptr;
    QLabel *leftOutLabel = nullptr;
    TextTable *m_years = nullptr;

    QChart *m_chart = nullptr;
    QLineSeries *m_race = nullptr;
    QLineSeries *m_training = nullptr;
    QLineSeries *m_bests = nullptr;
    QCategoryAxis *m_xAxis = nullptr;
    QCategoryAxis *m_yAxis = nullptr;
};
