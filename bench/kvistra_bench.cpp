// Timings of the orderings, the course click and the run file's reading and
// rewriting. The run files are made once per process in a folder of their
// own and removed at the end.

#include "analysis/ordering.h"
#include "progress/progress.h"
#include "progress/volume.h"
#include "analysis/resulttable.h"
#include "runbook/runbookmodel.h"
#include "analysis/selection.h"
#include "app/saveandexit.h"
#include "data/cp1252.h"
#include "data/runfile.h"
#include "support/literalordering.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

namespace {

using ordering::Key;

// Dates of 20 years, times of up to 59 minutes: ties in every part.
std::vector<Key> randomKeys(std::size_t count)
{
    std::mt19937 random(1);
    std::vector<Key> keys(count);
    for (Key &key : keys)
        key = {double(2000 + random() % 20), double(1 + random() % 12), double(1 + random() % 28)};
    return keys;
}

std::vector<Key> distinctKeys(std::size_t count)
{
    std::vector<Key> keys(count);
    for (std::size_t k = 0; k < count; ++k)
        keys[k] = {double(k), 0, 0};
    std::shuffle(keys.begin(), keys.end(), std::mt19937(2));
    return keys;
}

const QString courseName = QString::fromUtf8("Hörnsjön 2 stora varv");
constexpr int timedPoints = 3;

QString twoDigits(unsigned value)
{
    return QString::number(value).rightJustified(2, u'0');
}

// A run of the course with a random date and random times.
QString randomRecord(std::mt19937 &random)
{
    static const char *const months[] = {"jan", "feb", "mar", "apr", "maj", "jun",
                                         "jul", "aug", "sep", "okt", "nov", "dec"};
    const QString date = twoDigits(1 + random() % 28) + u'-' + QLatin1String(months[random() % 12]) + u'-'
                         + QString::number(2000 + random() % 20);
    QString record = courseName + QStringLiteral("/03/06000/T/") + date
                     + QString::fromUtf8("/Kändes bra. Sol och bra väder./+20/79.0");
    for (int time = 0; time < timedPoints; ++time)
        record += QStringLiteral("/00.") + twoDigits(random() % 60) + u'.' + twoDigits(random() % 60);
    return record;
}

// A folder that holds a run file of the given number of records, written a
// record at a time so that making it takes little memory.
class RunFiles
{
public:
    QString folderOf(int records)
    {
        auto made = m_folders.find(records);
        if (made != m_folders.end())
            return made->second;
        const QString folder = m_root.path() + u'/' + QString::number(records);
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/RUNDA_RE"));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        std::mt19937 random(3);
        for (int k = 0; k < records; ++k)
            file.write('"' + cp1252::encode(randomRecord(random), nullptr) + "\"\r\n");
        file.close();
        QFile::copy(file.fileName(), folder + QStringLiteral("/unordered"));
        return m_folders.emplace(records, folder).first->second;
    }

private:
    QTemporaryDir m_root;
    std::map<int, QString> m_folders;
};

RunFiles &runFiles()
{
    static RunFiles files;
    return files;
}

void LiteralOrder(benchmark::State &state)
{
    const std::vector<Key> keys = randomKeys(std::size_t(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(literalExchangeOrder(keys, ordering::Direction::Descending));
}
BENCHMARK(LiteralOrder)->Arg(1001)->Unit(benchmark::kMicrosecond);

void Order(benchmark::State &state)
{
    const std::vector<Key> keys = randomKeys(std::size_t(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ordering::exchangeOrder(keys, ordering::Direction::Descending));
}
BENCHMARK(Order)->Arg(1001)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void OrderDistinct(benchmark::State &state)
{
    const std::vector<Key> keys = distinctKeys(std::size_t(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ordering::exchangeOrder(keys, ordering::Direction::Descending));
}
BENCHMARK(OrderDistinct)->Arg(1001)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// What a click on the course does apart from the labels: read the run file,
// select and split the course's runs, find the year interval, order the
// runs ("Yngsta datum") and pick the rows to show.
void CourseClick(benchmark::State &state)
{
    QDir::setCurrent(runFiles().folderOf(int(state.range(0))));
    QList<run::RecordView> room; // as the window keeps it between clicks
    for (auto _ : state) {
        const run::Table table = run::load();
        QList<run::RecordView> runs = selection::courseRuns(table.records, courseName, std::move(room));
        benchmark::DoNotOptimize(selection::yearInterval(runs));
        const std::vector<qsizetype> order = ordering::runOrder(runs, ordering::Order::YoungestDate, timedPoints);
        benchmark::DoNotOptimize(resulttable::rowsToShow(runs, order, timedPoints, 2000, 2019));
        runs.clear();
        room = std::move(runs);
    }
}
BENCHMARK(CourseClick)->Arg(1001)->Arg(100000)->Unit(benchmark::kMillisecond);

// What the chart of a course computes before it draws: select and split
// the course's runs, their days and seconds, the year table's texts, the
// points of either pace, and those points thinned for a chart of 800 x 500
// pixels showing everything. Half the runs are at race pace.
void ChartFigures(benchmark::State &state)
{
    std::mt19937 random(4);
    QStringList records;
    for (int k = 0; k < state.range(0); ++k)
        records << randomRecord(random).replace(QStringLiteral("/T/"), k % 2 ? QStringLiteral("/M/") : QStringLiteral("/T/"));
    for (auto _ : state) {
        const QList<run::Fields> runs = selection::selectRuns(records, courseName, timedPoints);
        const progress::Progress figures = progress::compute(runs, timedPoints);
        QList<QStringList> table;
        for (const progress::Year &year : figures.years)
            table << progress::yearTexts(year, 6000);
        const progress::Points points = progress::points(figures, std::nullopt);
        const QRectF &all = points.everything;
        benchmark::DoNotOptimize(progress::thinned(points.race, all, all.width() / 800 * 3, all.height() / 500 * 3));
        benchmark::DoNotOptimize(progress::thinned(points.training, all, all.width() / 800 * 3, all.height() / 500 * 3));
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(ChartFigures)->Arg(1001)->Arg(100000)->Unit(benchmark::kMillisecond);

// The training volume over every course, as its window works it out when
// it opens or a period is chosen: the runs read from the run file's
// records, the periods (0 a week, 1 a month, 2 a year), the table's texts
// and the year so far. 100,000 runs over 10 courses, one of them of unknown
// distance, and 30 years.
void VolumeFigures(benchmark::State &state)
{
    static const char *const months[] = {"jan", "feb", "mar", "apr", "maj", "jun",
                                         "jul", "aug", "sep", "okt", "nov", "dec"};
    std::mt19937 random(5);
    QStringList records;
    for (int k = 0; k < 100000; ++k) {
        const unsigned course = random() % 10;
        records << QStringLiteral("Bana %1/03/%2/%3/%4-%5-%6/x/+5/70.0/00.10.00/00.20.00/00.%7.%8")
                       .arg(course)
                       .arg(course == 9 ? QStringLiteral("99999") : QStringLiteral("0%1000").arg(3 + course))
                       .arg(random() % 10 ? u'M' : u'T')
                       .arg(twoDigits(1 + random() % 28), QLatin1String(months[random() % 12]))
                       .arg(1996 + random() % 30)
                       .arg(twoDigits(25 + random() % 30), twoDigits(random() % 60));
    }
    const auto kind = volume::Period(state.range(0));
    for (auto _ : state) {
        const volume::Runs runs = volume::read(records);
        const QList<QStringList> rows = volume::tableRows(volume::periods(runs.counted, kind), kind);
        benchmark::DoNotOptimize(volume::yearSoFar(runs.counted, QDate(2025, 6, 15)));
        benchmark::DoNotOptimize(rows.size());
    }
}
BENCHMARK(VolumeFigures)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// "Spara och Avsluta" on a run file in no order; the file is put back
// between the rounds, untimed, and is on the disk before the round begins,
// as a run file the program wrote is: the syncs timed are the save's own.
void SaveAndExit(benchmark::State &state)
{
    const QString folder = runFiles().folderOf(int(state.range(0)));
    QDir::setCurrent(folder);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(QStringLiteral("RUNDA_RE"));
        QFile::copy(QStringLiteral("unordered"), QStringLiteral("RUNDA_RE"));
        QFile copy(QStringLiteral("RUNDA_RE"));
        if (!copy.open(QIODevice::ReadOnly) || ::fsync(copy.handle()) != 0)
            state.SkipWithError("no copy on the disk");
        copy.close();
        state.ResumeTiming();
        if (saveandexit::saveRunsInDateOrder() != seqfile::StoreStatus::Stored)
            state.SkipWithError("not saved");
    }
    QFile::remove(QStringLiteral("RUNDA_RE"));
    QFile::copy(QStringLiteral("unordered"), QStringLiteral("RUNDA_RE"));
}
BENCHMARK(SaveAndExit)->Arg(100000)->Unit(benchmark::kMillisecond);

// Reading the whole run file. The peak memory of the process, against the
// file's size, is the figure for the reading alone when this benchmark runs
// by itself (--benchmark_filter).
void ReadRunFile(benchmark::State &state)
{
    QDir::setCurrent(runFiles().folderOf(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(run::load());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_per_file_size"] = double(usage.ru_maxrss) * 1024 / double(QFileInfo(QStringLiteral("RUNDA_RE")).size());
}
BENCHMARK(ReadRunFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The run book of a course with every run of the file: reading the run file
// and filling the model, as the window does when it opens.
void RunBookOpen(benchmark::State &state)
{
    QDir::setCurrent(runFiles().folderOf(int(state.range(0))));
    for (auto _ : state) {
        RunBookModel model;
        model.setRuns(courseName + QStringLiteral("/03/06000"), run::load().records);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(RunBookOpen)->Arg(100000)->Unit(benchmark::kMillisecond);

// Filling the model alone, from the records read.
void RunBookFill(benchmark::State &state)
{
    QDir::setCurrent(runFiles().folderOf(int(state.range(0))));
    const QStringList records = run::load().records;
    for (auto _ : state) {
        RunBookModel model;
        model.setRuns(courseName + QStringLiteral("/03/06000"), records);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(RunBookFill)->Arg(100000)->Unit(benchmark::kMillisecond);

// A click on the header "Datum" of that run book, and on "Sluttid".
void RunBookOrder(benchmark::State &state)
{
    QDir::setCurrent(runFiles().folderOf(int(state.range(0))));
    RunBookModel model;
    model.setRuns(courseName + QStringLiteral("/03/06000"), run::load().records);
    const int column = int(state.range(1));
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        model.sort(column, order);
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
}
BENCHMARK(RunBookOrder)
    ->Args({100000, RunBookModel::Date})
    ->Args({100000, RunBookModel::Final})
    ->Args({100000, RunBookModel::Information})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
