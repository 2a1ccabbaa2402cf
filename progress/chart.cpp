#include "progress/chart.h"

#include "analysis/selection.h"
#include "progress/texttable.h"
#include "data/coursefile.h"
#include "data/dateandtime.h"
#include "data/savedfile.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

// Points closer than this many pixels to one already drawn are not drawn
// again: tens of thousands of runs draw as fast as a few thousand.
constexpr double cellPixels = 4;
// How near the pointer must be to a point to show its run.
constexpr double pointingPixels = 6;

// Tells the window where the pointer is, besides zooming by a dragged
// rectangle.
class PointedView : public QChartView
{
public:
    PointedView(QChart *chart, QWidget *parent, std::function<void(QPoint)> pointed)
        : QChartView(chart, parent)
        , m_pointed(std::move(pointed))
    {
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent *event) override
    {
        QChartView::mouseMoveEvent(event);
        m_pointed(event->position().toPoint());
    }

    // The pointer at rest asks for a tooltip, which the chart's scene, whose
    // items have none, would take away: the run's note stays while the
    // pointer rests on its point.
    bool viewportEvent(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            m_pointed(static_cast<QHelpEvent *>(event)->pos());
            return true;
        }
        if (event->type() == QEvent::Leave)
            QToolTip::hideText();
        return QChartView::viewportEvent(event);
    }

private:
    std::function<void(QPoint)> m_pointed;
};

QLineSeries *makeSeries(QChart *chart, const QString &name, const QColor &colour, bool line)
{
    auto *series = new QLineSeries(chart);
    series->setName(name);
    series->setColor(colour);
    // The best runs are points of the other two series already. A series of
    // points alone draws no line between them, and draws each point as a
    // picture: many times faster than a circle drawn each time.
    QPen pen(colour, 2);
    if (!line) {
        constexpr int size = 8;
        const qreal ratio = qApp->devicePixelRatio();
        QImage marker(QSize(size, size) * ratio, QImage::Format_ARGB32_Premultiplied);
        marker.setDevicePixelRatio(ratio);
        marker.fill(Qt::transparent);
        QPainter painter(&marker);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(0, 0, size, size));
        painter.end();
        series->setMarkerSize(size);
        series->setLightMarker(marker);
        series->setPointsVisible(true);
        pen.setStyle(Qt::NoPen);
    }
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

} // namespace

Chart::Chart(WindowRegistry &windows, const QString &courseLine)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("Chart"));
    setCourse(courseLine);

    finalTimeButton = new QRadioButton(QStringLiteral("Sluttid"), this);
    finalTimeButton->setObjectName(QStringLiteral("finalTimeButton"));
    finalTimeButton->setChecked(true);
    paceButton = new QRadioButton(QStringLiteral("min/km"), this);
    paceButton->setObjectName(QStringLiteral("paceButton"));
    paceButton->setVisible(m_metres.has_value());
    auto *choice = new QButtonGroup(this);
    choice->addButton(finalTimeButton);
    choice->addButton(paceButton);
    showAllButton = new QPushButton(QStringLiteral("Visa allt"), this);
    showAllButton->setObjectName(QStringLiteral("showAllButton"));
    savePictureButton = new QPushButton(QStringLiteral("Spara bild…"), this);
    savePictureButton->setObjectName(QStringLiteral("savePictureButton"));

    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    // The line first, so that the points lie on it.
    m_bests = makeSeries(m_chart, QStringLiteral("Årsbästa"), QColor(20, 130, 60), true);
    m_race = makeSeries(m_chart, QStringLiteral("Tävlingstempo"), QColor(200, 40, 40), false);
    m_training = makeSeries(m_chart, QStringLiteral("Träningstempo"), QColor(40, 90, 200), false);
    // Both axes labelled by the window, in its own notation, wherever a zoom
    // takes them.
    m_xAxis = new QCategoryAxis(m_chart);
    m_xAxis->setTitleText(QStringLiteral("Datum"));
    m_yAxis = new QCategoryAxis(m_chart);
    for (QCategoryAxis *axis : {m_xAxis, m_yAxis})
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    for (QLineSeries *series : {m_bests, m_race, m_training}) {
        series->attachAxis(m_xAxis);
        series->attachAxis(m_yAxis);
    }

    chartView = new PointedView(m_chart, this, [this](QPoint at) { showPointedRun(at); });
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRubberBand(QChartView::RectangleRubberBand);
    chartView->setAccessibleName(QStringLiteral("Diagram över banans rundor"));
    chartView->setMinimumSize(twips::size(6000, 4000));

    m_years = new TextTable(0, this);
    yearTable = new QTableView(this);
    yearTable->setObjectName(QStringLiteral("yearTable"));
    yearTable->setModel(m_years);
    yearTable->setAccessibleName(QStringLiteral("År för år"));
    yearTable->verticalHeader()->hide();
    yearTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    yearTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    yearTable->setEditTriggers(QAbstractItemView::NoEditTriggers);

    splitter = new QSplitter(this);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->addWidget(chartView);
    splitter->addWidget(yearTable);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setChildrenCollapsible(false);

    leftOutLabel = new QLabel(this);
    leftOutLabel->setObjectName(QStringLiteral("leftOutLabel"));
    leftOutLabel->setTextFormat(Qt::PlainText);
    leftOutLabel->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(finalTimeButton);
    top->addWidget(paceButton);
    top->addStretch();
    top->addWidget(showAllButton);
    top->addWidget(savePictureButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addWidget(leftOutLabel);
    resize(twips::size(15495, 8430));

    form::placeBeside(this, windows.window(Window::Menu));

    connect(finalTimeButton, &QRadioButton::clicked, this, &Chart::showRuns);
    connect(paceButton, &QRadioButton::clicked, this, &Chart::showRuns);
    connect(showAllButton, &QPushButton::clicked, this, &Chart::showAllRuns);
    connect(savePictureButton, &QPushButton::clicked, this, &Chart::savePicture);
    connect(m_xAxis, &QValueAxis::rangeChanged, this, &Chart::rangesChanged);
    connect(m_yAxis, &QValueAxis::rangeChanged, this, &Chart::rangesChanged);
    connect(m_chart, &QChart::plotAreaChanged, this, &Chart::thinLater);
    connect(&m_windows, &WindowRegistry::filesChanged, this, &Chart::showFilesAfresh);
}

void Chart::setCourse(const QString &courseLine)
{
    m_course = courseLine;
    m_name = course::name(courseLine);
    m_n = course::timedPoints(courseLine);
    m_metres = course::knownDistance(course::distance(courseLine));
    setWindowTitle(form::plainCaption(QStringLiteral("Diagram: ") + form::shown(m_name)));
}

bool Chart::Form_Load()
{
    const run::Table table = run::load();
    if (table.status == seqfile::ReadStatus::Failed) {
        m_windows.dialogs().message(this, seqfile::readFailedMessage(run::fileName()));
        return false;
    }
    if (!showRunsOf(table.records)) {
        m_windows.dialogs().message(this, QStringLiteral("Banan har inga rundor att visa."));
        return false;
    }
    // The table as wide as its columns, the chart the rest.
    int tableWidth = 2 * yearTable->frameWidth() + yearTable->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_years->columnCount(); ++column)
        tableWidth += yearTable->columnWidth(column);
    splitter->setSizes({width() - tableWidth, tableWidth});
    return true;
}

bool Chart::showRunsOf(const QStringList &records)
{
    // A missing run file holds no runs.
    m_runs = selection::selectRuns(records, m_name, m_n);
    m_progress = progress::compute(m_runs, m_n);
    if (m_progress.runs.isEmpty())
        return false;
    m_years->setTexts(progress::yearHeaders(m_metres), progress::yearRows(m_progress.years, m_metres));
    yearTable->resizeColumnsToContents();
    const bool leftOut = m_progress.leftOut > 0;
    leftOutLabel->setText(
        leftOut ? QStringLiteral("%1 rundor kunde inte visas (okänt datum eller tid).").arg(m_progress.leftOut) : QString());
    leftOutLabel->setVisible(leftOut);
    paceButton->setVisible(m_metres.has_value());
    if (!m_metres)
        finalTimeButton->setChecked(true);
    showRuns();
    return true;
}

void Chart::keyPressEvent(QKeyEvent *event)
{
    // Escape from wherever the focus is, as in the run book.
    if (event->key() == Qt::Key_Escape)
        m_windows.unload(Window::Chart);
    else
        QWidget::keyPressEvent(event);
}

void Chart::showFilesAfresh(const QString &courseBefore, const QString &courseAfter)
{
    if (!courseBefore.isEmpty() && courseBefore == m_course) {
        if (courseAfter.isEmpty())
            return m_windows.unload(Window::Chart);
        setCourse(courseAfter);
    }
    // A run file that cannot be read now leaves the chart as it was: the
    // window that changed it has told the user. One whose last run has gone
    // closes, as a chart of no runs never opens.
    const run::Table table = run::load();
    if (table.status != seqfile::ReadStatus::Failed && !showRunsOf(table.records))
        m_windows.unload(Window::Chart);
}

void Chart::showRuns()
{
    const std::optional<int> metres = paceButton->isChecked() ? m_metres : std::nullopt;
    m_points = progress::points(m_progress, metres);
    m_bests->replace(m_points.bests);
    m_yAxis->setTitleText(metres ? QStringLiteral("min/km") : QStringLiteral("Sluttid"));
    describe();
    showAllRuns();
}

void Chart::showAllRuns()
{
    m_chart->zoomReset();
    if (const QRectF &all = m_points.everything; all.isValid()) {
        m_xAxis->setRange(all.left(), all.right());
        m_yAxis->setRange(all.top(), all.bottom());
    }
    rangesChanged();
    thin();
}

void Chart::rangesChanged()
{
    labelAxes();
    thinLater();
}

void Chart::labelAxes()
{
    if (m_labelling)
        return;
    m_labelling = true;
    for (QCategoryAxis *axis : {m_xAxis, m_yAxis}) {
        for (const QString &label : axis->categoriesLabels())
            axis->remove(label);
        axis->setStartValue(axis->min());
    }
    for (const progress::Tick &tick : progress::xTicks(m_xAxis->min(), m_xAxis->max(), 8))
        m_xAxis->append(tick.label, tick.value);
    // No time below zero; no more hours than a time text holds.
    for (const double tick : progress::yTicks(std::max(m_yAxis->min(), 0.0), std::min(m_yAxis->max(), 360000.0), 8))
        m_yAxis->append(dateandtime::shortTime(int(tick)), tick);
    m_labelling = false;
}

void Chart::thinLater()
{
    if (m_thinPending)
        return;
    m_thinPending = true;
    QMetaObject::invokeMethod(this, &Chart::thin, Qt::QueuedConnection);
}

void Chart::thin()
{
    m_thinPending = false;
    // Before the window is first laid out, the chart's place is taken as
    // most of its view's: thinned again once it is known.
    QRectF area = m_chart->plotArea();
    if (area.isEmpty())
        area = QRectF(QPointF(), QSizeF(chartView->size()) * 0.8);
    const QRectF visible(QPointF(m_xAxis->min(), m_yAxis->min()), QPointF(m_xAxis->max(), m_yAxis->max()));
    const double cellWidth = area.width() > 0 ? visible.width() / area.width() * cellPixels : 0;
    const double cellHeight = area.height() > 0 ? visible.height() / area.height() * cellPixels : 0;
    m_race->replace(progress::thinned(m_points.race, visible, cellWidth, cellHeight));
    m_training->replace(progress::thinned(m_points.training, visible, cellWidth, cellHeight));
}

void Chart::describe()
{
    QString text = (paceButton->isChecked() ? QStringLiteral("Tempo i minuter per kilometer")
                                         : QStringLiteral("Sluttiden"))
                   + QStringLiteral(" för varje runda på banan %1 efter datum, tävlingstempo och träningstempo "
                                    "som punkter för sig och årsbästa som en linje.")
                         .arg(m_name);
    if (!m_progress.years.isEmpty())
        text += QStringLiteral(" %1 rundor från %2 till %3.")
                    .arg(m_progress.runs.size())
                    .arg(m_progress.years.constLast().year)
                    .arg(m_progress.years.constFirst().year);
    chartView->setAccessibleDescription(text);
}

std::optional<qsizetype> Chart::runAt(QPoint viewPosition) const
{
    const QPointF at = m_chart->mapFromScene(chartView->mapToScene(viewPosition));
    const QRectF area = m_chart->plotArea();
    const QList<QPointF> &all = m_points.all;
    if (all.isEmpty() || !area.contains(at))
        return std::nullopt;
    const QPointF value = m_chart->mapToValue(at, m_race);
    const double xScale = area.width() / (m_xAxis->max() - m_xAxis->min());
    const double yScale = area.height() / (m_yAxis->max() - m_yAxis->min());
    const double reach = pointingPixels / xScale;
    const auto from = std::lower_bound(all.cbegin(), all.cend(), value.x() - reach,
                                 [](const QPointF &p, double x) { return p.x() < x; });
    std::optional<qsizetype> nearest;
    double nearestDistance = pointingPixels * pointingPixels;
    for (auto p = from; p != all.cend() && p->x() <= value.x() + reach; ++p) {
        const double dx = (p->x() - value.x()) * xScale;
        const double dy = (p->y() - value.y()) * yScale;
        if (dx * dx + dy * dy <= nearestDistance) {
            nearestDistance = dx * dx + dy * dy;
            nearest = p - all.cbegin();
        }
    }
    return nearest;
}

QString Chart::runText(qsizetype run) const
{
    const progress::Run &shown = m_progress.runs.at(run);
    const run::Fields &fields = m_runs.at(shown.index);
    QString text = fields.at(4).toString() + u'\n' + QStringLiteral("Sluttid ") + dateandtime::shortTime(shown.seconds);
    if (m_metres)
        text += QStringLiteral(", %1 min/km").arg(dateandtime::paceText(shown.seconds, *m_metres));
    text += u'\n' + (shown.race ? QStringLiteral("Tävlingstempo") : QStringLiteral("Träningstempo"));
    if (!fields.at(5).isEmpty())
        text += u'\n' + form::shown(fields.at(5).toString());
    return text;
}

void Chart::showPointedRun(QPoint viewPosition)
{
    // Shown until the pointer leaves the point, however long it rests.
    constexpr int day = 24 * 3600 * 1000;
    if (const std::optional<qsizetype> run = runAt(viewPosition))
        QToolTip::showText(chartView->mapToGlobal(viewPosition), runText(*run), chartView, {}, day);
    else
        QToolTip::hideText();
}

void Chart::savePicture()
{
    QString path = m_windows.dialogs().saveFileName(this, QStringLiteral("Spara bild"),
                                                     QDir::current().filePath(course::fileNameFor(m_name, QStringLiteral("Diagram"), QStringLiteral(".png"))),
                                                     QStringLiteral("PNG-bilder (*.png)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    // The picture is made whole in memory first, so that one that cannot be
    // written whole leaves no file.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !chartView->grab().toImage().save(&buffer, "PNG")
        || !savedfile::write(path, png))
        m_windows.dialogs().message(this, seqfile::writeFailedMessage(QFileInfo(path).fileName()));
}
