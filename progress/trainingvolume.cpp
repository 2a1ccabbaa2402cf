#include "progress/trainingvolume.h"

#include "data/coursefile.h"
#include "data/runfile.h"
#include "progress/texttable.h"
#include "runbook/csvexport.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QBarSeries>
#include <QBarSet>
#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QRadioButton *makePeriodButton(QWidget *parent, QButtonGroup *group, const QString &name, const QString &caption,
                               volume::Period period)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    group->addButton(button, int(period));
    return button;
}

} // namespace

TrainingVolume::TrainingVolume(WindowRegistry &windows)
    : m_windows(windows)
    , m_today(QDate::currentDate())
{
    setObjectName(QStringLiteral("TrainingVolume"));
    setWindowTitle(QStringLiteral("Träningsmängd"));

    periodGroup = new QButtonGroup(this);
    weekButton = makePeriodButton(this, periodGroup, QStringLiteral("weekButton"), QStringLiteral("Vecka"),
                                  volume::Period::Week);
    monthButton = makePeriodButton(this, periodGroup, QStringLiteral("monthButton"), QStringLiteral("Månad"),
                                   volume::Period::Month);
    yearButton = makePeriodButton(this, periodGroup, QStringLiteral("yearButton"), QStringLiteral("År"),
                                  volume::Period::Year);
    monthButton->setChecked(true);
    courseBox = new QComboBox(this);
    courseBox->setObjectName(QStringLiteral("courseBox"));
    courseBox->setAccessibleName(QStringLiteral("Bana"));
    courseBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    showAllButton = new QPushButton(QStringLiteral("Visa allt"), this);
    showAllButton->setObjectName(QStringLiteral("showAllButton"));
    exportButton = new QPushButton(QStringLiteral("Exportera…"), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    yearSoFarLabel = new QLabel(this);
    yearSoFarLabel->setObjectName(QStringLiteral("yearSoFarLabel"));

    m_chart = new QChart;
    m_chart->legend()->hide();
    auto *bars = new QBarSeries(m_chart);
    m_bars = new QBarSet(QStringLiteral("Kilometer"), bars);
    m_bars->setColor(QColor(40, 90, 200));
    // Thin bars of a few pixels, or less, drawn as their colour alone.
    m_bars->setPen(Qt::NoPen);
    bars->append(m_bars);
    bars->setBarWidth(0.8);
    m_chart->addSeries(bars);
    // Bar x stands at x; the window labels the periods at readable steps.
    m_xAxis = new QCategoryAxis(m_chart);
    m_xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_xAxis->setGridLineVisible(false);
    m_yAxis = new QValueAxis(m_chart);
    m_yAxis->setTitleText(QStringLiteral("km"));
    m_yAxis->setLabelFormat(QStringLiteral("%g"));
    m_yAxis->setTickType(QValueAxis::TicksDynamic);
    m_yAxis->setTickAnchor(0);
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    bars->attachAxis(m_xAxis);
    bars->attachAxis(m_yAxis);

    chartView = new QChartView(m_chart, this);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRubberBand(QChartView::HorizontalRubberBand);
    chartView->setAccessibleName(QStringLiteral("Kilometer per period"));
    chartView->setMinimumSize(twips::size(3000, 2250));

    m_table = new TextTable(1, this);
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("table"));
    table->setModel(m_table);
    table->setAccessibleName(QStringLiteral("Träningsmängd per period"));
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(true);
    // One line a row: thousands of weeks scroll at once.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);

    auto *splitter = new QSplitter(this);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->addWidget(chartView);
    splitter->addWidget(table);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setChildrenCollapsible(false);

    uncountedLabel = new QLabel(this);
    uncountedLabel->setObjectName(QStringLiteral("uncountedLabel"));
    unknownDistanceLabel = new QLabel(this);
    unknownDistanceLabel->setObjectName(QStringLiteral("unknownDistanceLabel"));

    auto *choices = new QHBoxLayout;
    for (QWidget *control : std::initializer_list<QWidget *>{weekButton, monthButton, yearButton, courseBox})
        choices->addWidget(control);
    choices->addStretch();
    choices->addWidget(showAllButton);
    choices->addWidget(exportButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(yearSoFarLabel);
    layout->addWidget(splitter, 1);
    layout->addWidget(uncountedLabel);
    layout->addWidget(unknownDistanceLabel);
    resize(twips::size(15495, 8430));
    form::placeBeside(this, windows.window(Window::Menu));
    // Columns as wide as their header or their widest figures, whichever
    // period is shown; the table as wide as its columns, the chart the rest.
    const QStringList widest{QStringLiteral("0000 v00"), QStringLiteral("00000"), QStringLiteral("0000"),
                             QStringLiteral("00000.0"), QStringLiteral("0000.00.00"), QStringLiteral("00.00")};
    int tableWidth = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < widest.size(); ++column) {
        const int columnWidth =
            std::max(table->fontMetrics().horizontalAdvance(widest.at(column)),
                     table->horizontalHeader()->fontMetrics().horizontalAdvance(volume::headers().at(column)))
            + 16;
        table->setColumnWidth(column, columnWidth);
        tableWidth += columnWidth;
    }
    splitter->setSizes({width() - tableWidth, tableWidth});

    connect(periodGroup, &QButtonGroup::idClicked, this, &TrainingVolume::choosePeriod);
    connect(courseBox, &QComboBox::currentIndexChanged, this, &TrainingVolume::chooseCourse);
    connect(showAllButton, &QPushButton::clicked, this, &TrainingVolume::showAll);
    connect(exportButton, &QPushButton::clicked, this, &TrainingVolume::exportRows);
    connect(m_bars, &QBarSet::hovered, this, &TrainingVolume::barHovered);
    connect(m_xAxis, &QValueAxis::rangeChanged, this, &TrainingVolume::xRangeChanged);
    connect(m_chart, &QChart::plotAreaChanged, this, &TrainingVolume::labelLater);
    connect(&m_windows, &WindowRegistry::filesChanged, this, &TrainingVolume::showFilesAfresh);
}

bool TrainingVolume::load()
{
    if (!readFiles())
        return false;
    chooseCourse();
    return true;
}

bool TrainingVolume::readFiles()
{
    const course::Table courses = course::load();
    const run::Table runs = courses.status == seqfile::ReadStatus::Failed ? run::Table{} : run::load();
    for (const auto &[status, name] : {std::pair{courses.status, course::fileName()}, {runs.status, run::fileName()}}) {
        if (status == seqfile::ReadStatus::Failed) {
            m_windows.dialogs().message(this, seqfile::readFailedMessage(name));
            return false;
        }
    }
    // Missing files hold no course and no run.
    m_records = runs.records;
    m_courses.clear();
    for (const QString &line : courses.lines)
        m_courses.append(course::name(line));
    const QSignalBlocker quiet(courseBox);
    courseBox->clear();
    courseBox->addItem(QStringLiteral("Alla banor"));
    for (const QString &name : std::as_const(m_courses))
        courseBox->addItem(form::shown(name));
    // The course chosen before, when it is still there; else every course.
    const qsizetype again = m_course ? m_courses.indexOf(*m_course) : -1;
    courseBox->setCurrentIndex(int(again) + 1);
    return true;
}

void TrainingVolume::showFilesAfresh(const QString &courseBefore, const QString &courseAfter)
{
    // A renamed course stays chosen under its new name.
    if (m_course && !courseBefore.isEmpty() && *m_course == course::name(courseBefore))
        m_course = course::name(courseAfter);
    if (readFiles())
        chooseCourse();
}

void TrainingVolume::setToday(const QDate &today)
{
    m_today = today;
    showYearSoFar();
}

volume::Period TrainingVolume::period() const
{
    return volume::Period(periodGroup->checkedId());
}

void TrainingVolume::chooseCourse()
{
    const int chosen = courseBox->currentIndex();
    m_course = chosen > 0 ? std::optional(m_courses.value(chosen - 1)) : std::nullopt;
    m_runs = volume::read(m_records, m_course);
    const std::pair<QLabel *, QString> notes[] = {{uncountedLabel, volume::uncountedText(m_runs.uncounted)},
                                                  {unknownDistanceLabel,
                                                   volume::unknownDistanceText(m_runs.unknownDistance)}};
    for (const auto &[label, text] : notes) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
    }
    showYearSoFar();
    choosePeriod();
}

void TrainingVolume::showYearSoFar()
{
    yearSoFarLabel->setText(volume::yearSoFarText(volume::yearSoFar(m_runs.counted, m_today)));
}

void TrainingVolume::choosePeriod()
{
    m_rows = volume::periods(m_runs.counted, period());
    m_table->setTexts(volume::headers(), volume::tableRows(m_rows, period()));
    table->resizeColumnsToContents();
    m_kilometres.clear();
    m_kilometres.reserve(m_rows.size());
    for (auto row = m_rows.crbegin(); row != m_rows.crend(); ++row)
        m_kilometres.append(double(row->totals.metres) / 1000);
    m_bars->remove(0, m_bars->count());
    m_bars->append(m_kilometres);
    showAll();
}

void TrainingVolume::showAll()
{
    m_chart->zoomReset();
    // Half a bar's room on either side.
    m_xAxis->setRange(-0.5, std::max<qsizetype>(m_rows.size(), 1) - 0.5);
    xRangeChanged(m_xAxis->min(), m_xAxis->max());
}

void TrainingVolume::xRangeChanged(qreal min, qreal max)
{
    if (m_labelling)
        return;
    const volume::Scale scale = volume::kilometreScale(m_kilometres, min, max);
    m_yAxis->setTickInterval(scale.step);
    m_yAxis->setRange(0, scale.top);
    labelAxis();
}

void TrainingVolume::labelLater()
{
    if (m_labelPending)
        return;
    m_labelPending = true;
    QMetaObject::invokeMethod(this, &TrainingVolume::labelAxis, Qt::QueuedConnection);
}

void TrainingVolume::labelAxis()
{
    m_labelPending = false;
    if (m_labelling)
        return;
    m_labelling = true;
    for (const QString &label : m_xAxis->categoriesLabels())
        m_xAxis->remove(label);
    m_xAxis->setStartValue(m_xAxis->min());
    // A label's room: the widest period text and a little more.
    const int room = QFontMetrics(m_xAxis->labelsFont()).horizontalAdvance(QStringLiteral("0000 v00 00"));
    const int wanted = std::max(1, int(m_chart->plotArea().width()) / room);
    const int first = m_rows.isEmpty() ? 0 : m_rows.constLast().period;
    for (const volume::Label &label :
         volume::axisLabels(period(), first, int(m_rows.size()), m_xAxis->min(), m_xAxis->max(), wanted))
        m_xAxis->append(label.text, label.x);
    m_labelling = false;
}

QString TrainingVolume::barNote(int bar) const
{
    return volume::barNote(m_rows.at(m_rows.size() - 1 - bar), period());
}

void TrainingVolume::barHovered(bool status, int bar)
{
    if (status && bar >= 0 && bar < m_rows.size())
        QToolTip::showText(QCursor::pos(), barNote(bar), chartView);
    else
        QToolTip::hideText();
}

void TrainingVolume::exportRows()
{
    Dialogs &dialogs = m_windows.dialogs();
    const QString path = dialogs.saveFileName(this, QStringLiteral("Exportera träningsmängden"),
                                              csvexport::defaultPath(QStringLiteral("Träningsmängd")),
                                              QStringLiteral("CSV-filer (*.csv)"));
    if (!path.isEmpty() && !csvexport::write(path, *m_table))
        dialogs.message(this, csvexport::failedMessage(path));
}

void TrainingVolume::keyPressEvent(QKeyEvent *event)
{
    // Escape from wherever the focus is.
    if (event->key() == Qt::Key_Escape)
        m_windows.unload(Window::TrainingVolume);
    else
        QWidget::keyPressEvent(event);
}
