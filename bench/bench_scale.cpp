// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The address book at an ERP's size: 100,000 vendors with 2,000,000
// addresses, beside the sample database, on SQLite and on a PostgreSQL
// cluster of its own with the server's default settings. The large
// database is the sample database with the generated vendors added, so
// both windows show the same vendor at start.
//
// Measured for each database:
// - start: the demo host run with --screenshot (offscreen) until it exits,
//   which is after the first vendor is painted; the median of three runs;
// - memory: the resident set of a running window, once it is idle;
// - one change: the CPU that running window spends on one address another
//   program changes, of a vendor the window does not show (its CPU while
//   idle, over the same time, taken away);
// - search: typing fragments of cities and names into the vendor list's
//   search box, one keystroke at a time, until the list is painted.
// Targets: start <= 10x the sample's, one change <= 0.1 s CPU, memory <=
// 2.5x the sample's, search <= 100 ms per keystroke.

#include "../tests/support/throwawaypostgres.h"
#include "scaledata.h"
#include "vendordatabase.h"
#include "vendorlist.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtCore/QThread>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <vector>

#include <unistd.h>

using namespace VendorContactHost;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int LargeVendors = 100000;
constexpr int GeneratedFirstId = 10001;
/// A start that takes longer than this counts as never.
constexpr int StartTimeoutMs = 180000;
/// The vendor whose address "another program" changes: not the one shown.
constexpr qint32 SampleChanged = 2001;
constexpr qint32 LargeChanged = 60000;

/// What is typed, one keystroke at a time: cities (one only in the
/// generated addresses) and vendor names, without their accents.
const QStringList Typed { u"montreal"_s, u"koln"_s, u"saarbrucken"_s, u"dvorak"_s, u"lakeshore"_s };

struct Figures
{
    std::optional<double> startMs;
    std::optional<double> rssMb;
    std::optional<double> changeCpuS;
    std::optional<double> serverCpuS; //!< PostgreSQL: what the server spent on the window's behalf
    std::vector<double> keystrokesMs;
    QStringList found; //!< how many vendors each whole word lists
    QString note;
};

struct Database
{
    QString location;
    bool postgres = false;
    qint32 changed = 0;
    Figures figures;
};

/// Points a connection at the PostgreSQL database of a location
/// ("postgresql://user@percent-encoded-socket-folder/name").
void connectPostgres(QSqlDatabase &connection, const QString &location)
{
    static const QRegularExpression form(u"^postgresql://([^@]+)@([^/]*)/(.+)$"_s);
    const QRegularExpressionMatch match = form.match(location);
    connection.setUserName(match.captured(1));
    connection.setHostName(QUrl::fromPercentEncoding(match.captured(2).toUtf8()));
    connection.setDatabaseName(match.captured(3));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

/// User and system CPU of a process, in seconds.
double cpuSeconds(qint64 pid)
{
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // After the name: state is field 3; utime and stime are fields 14, 15.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(::sysconf(_SC_CLK_TCK));
}

/// The server processes of a PostgreSQL location (its cluster's
/// postmaster and every process it started); none for SQLite.
QList<qint64> serverProcesses(const QString &location)
{
    static const QRegularExpression form(u"^postgresql://[^@]+@([^/]*)/"_s);
    const QRegularExpressionMatch match = form.match(location);
    if (!match.hasMatch())
        return {};
    QFile pidFile(QUrl::fromPercentEncoding(match.captured(1).toUtf8()) + u"/data/postmaster.pid"_s);
    if (!pidFile.open(QIODevice::ReadOnly))
        return {};
    const qint64 postmaster = pidFile.readLine().trimmed().toLongLong();
    QList<qint64> pids { postmaster };
    for (const QString &entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        QFile stat(u"/proc/%1/stat"_s.arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        if (line.mid(line.lastIndexOf(')') + 2).split(' ').value(1).toLongLong() == postmaster)
            pids << entry.toLongLong();
    }
    return pids;
}

double cpuSeconds(const QList<qint64> &pids)
{
    double total = 0;
    for (const qint64 pid : pids)
        total += std::max(0.0, cpuSeconds(pid));
    return total;
}

double residentMb(qint64 pid)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

QProcess *startHost(const QString &location, const QStringList &more, QObject *parent)
{
    auto *process = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process->setProcessEnvironment(env);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(QStringLiteral(ZVC_HOST_BINARY), QStringList { u"--database"_s, location } + more);
    process->waitForStarted();
    return process;
}

std::optional<double> startTime(const QString &location, const QString &screenshot)
{
    std::vector<double> times;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<QProcess> process(startHost(location, { u"--screenshot"_s, screenshot }, nullptr));
        if (!process->waitForFinished(StartTimeoutMs)) {
            process->kill();
            process->waitForFinished();
            return std::nullopt;
        }
        if (process->exitCode() != 0)
            throw std::runtime_error(qPrintable(u"the host failed on "_s + location));
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

/// Waits until the process has used (almost) no CPU for a second; returns
/// false when it keeps working past `limitMs`.
bool waitIdle(const QList<qint64> &pids, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    std::vector<double> samples { cpuSeconds(pids) };
    while (clock.elapsed() < limitMs) {
        QThread::msleep(250);
        samples.push_back(cpuSeconds(pids));
        if (samples.size() > 4 && samples.back() - samples[samples.size() - 5] <= 0.02)
            return true;
    }
    return false;
}

/// A connection of the benchmark's own to `db`, named `name`.
QSqlDatabase openConnection(const Database &db, const QString &name)
{
    QSqlDatabase connection = QSqlDatabase::addDatabase(db.postgres ? u"QPSQL"_s : u"QSQLITE"_s, name);
    if (db.postgres)
        connectPostgres(connection, db.location);
    else
        connection.setDatabaseName(db.location.mid(7));
    if (!connection.open())
        throw std::runtime_error(qPrintable(connection.lastError().text()));
    return connection;
}

void changeOneAddress(const Database &db)
{
    const QString name = u"bench-change"_s;
    {
        QSqlDatabase connection = openConnection(db, name);
        QSqlQuery query(connection);
        if (!query.exec(u"UPDATE addresses SET phone2 = '555-0199' || CAST(row_version AS TEXT) WHERE id = "
                        u"(SELECT MIN(id) FROM addresses WHERE vendor_id = %1)"_s.arg(db.changed)))
            throw std::runtime_error(qPrintable(query.lastError().text()));
        connection.close();
    }
    QSqlDatabase::removeDatabase(name);
}

/// Memory of a running window, and the CPU it spends on one change made
/// by another program.
void measureRunningWindow(Database &db)
{
    std::unique_ptr<QProcess> process(startHost(db.location, {}, nullptr));
    const qint64 pid = process->processId();
    auto stop = qScopeGuard([&] {
        process->terminate();
        if (!process->waitForFinished(5000))
            process->kill();
        process->waitForFinished();
    });
    // The window and, on PostgreSQL, the server working for it: a window
    // waiting for a query uses no CPU of its own.
    const QList<qint64> server = serverProcesses(db.location);
    const QList<qint64> all = QList<qint64> { pid } + server;
    if (!waitIdle(all, StartTimeoutMs)) {
        db.figures.note = u"the window did not settle within %1 s"_s.arg(StartTimeoutMs / 1000);
        return;
    }
    db.figures.rssMb = residentMb(pid);
    // What the window spends doing nothing (the change watcher's polls).
    constexpr int Span = 4000;
    const double idleStart = cpuSeconds(pid);
    QThread::msleep(Span);
    const double idlePerMs = (cpuSeconds(pid) - idleStart) / Span;
    const double serverIdleStart = cpuSeconds(server);
    QThread::msleep(Span);
    const double serverIdlePerMs = (cpuSeconds(server) - serverIdleStart) / Span;
    const double before = cpuSeconds(pid);
    const double serverBefore = cpuSeconds(server);
    QElapsedTimer clock;
    clock.start();
    changeOneAddress(db);
    QThread::msleep(2500); // the watcher looks about once a second
    if (!waitIdle(all, 600000))
        db.figures.note = u"the window kept working for 10 minutes after one change"_s;
    const double elapsed = double(clock.elapsed());
    db.figures.changeCpuS = std::max(0.0, cpuSeconds(pid) - before - idlePerMs * elapsed);
    if (!server.isEmpty())
        db.figures.serverCpuS = std::max(0.0, cpuSeconds(server) - serverBefore - serverIdlePerMs * elapsed);
}

/// Types each word into the vendor list's search box, one keystroke at a
/// time, and times each until the list is painted.
void measureSearch(Database &db)
{
    const auto database = VendorDatabase::open(db.location, VendorDatabase::OpenMode::ExistingOnly);
    VendorListPane pane;
    pane.resize(300, 700);
    pane.show();
    pane.setDatabase(database.get());
    auto *search = pane.findChild<QLineEdit *>(u"txtVendorSearch"_s);
    auto *list = pane.findChild<QAbstractItemView *>(u"lstVendors"_s);
    for (const QString &word : Typed) {
        for (int length = 1; length <= word.size(); ++length) {
            QElapsedTimer clock;
            clock.start();
            search->setText(word.left(length));
            QCoreApplication::sendPostedEvents();
            pane.repaint();
            db.figures.keystrokesMs.push_back(double(clock.nsecsElapsed()) / 1e6);
            if (qEnvironmentVariableIsSet("BENCH_SCALE_KEYSTROKES"))
                std::printf("    %-12s %7.1f ms, %d rows\n", qPrintable(word.left(length)),
                    db.figures.keystrokesMs.back(), list->model()->rowCount());
        }
        int rows = list->model()->rowCount();
        while (list->model()->canFetchMore({})) {
            list->model()->fetchMore({});
            rows = list->model()->rowCount();
        }
        db.figures.found << u"%1: %2"_s.arg(word).arg(rows);
        search->clear();
    }
}

void measure(Database &db, const QString &screenshot, bool searchToo)
{
    std::printf("  measuring %s ...\n", qPrintable(db.location.left(80)));
    std::fflush(stdout);
    db.figures.startMs = startTime(db.location, screenshot);
    if (!db.figures.startMs) {
        db.figures.note = u"did not open within %1 s"_s.arg(StartTimeoutMs / 1000);
        return;
    }
    measureRunningWindow(db);
    if (searchToo)
        measureSearch(db);
}

void runSql(const QSqlDatabase &connection, const QString &sql)
{
    QSqlQuery query(connection);
    if (!query.exec(sql))
        throw std::runtime_error(qPrintable(sql + u": "_s + query.lastError().text()));
}

/// The sample database grown to 100,000 vendors.
void generateLarge(const Database &db)
{
    QElapsedTimer clock;
    clock.start();
    {
        // Created as the host creates it: schema and sample vendors.
        VendorDatabase::open(db.location, VendorDatabase::OpenMode::CreateIfMissing);
    }
    const QString name = u"bench-generate"_s;
    {
        QSqlDatabase connection = openConnection(db, name);
        QSqlQuery count(connection);
        count.exec(u"SELECT COUNT(*) FROM vendors"_s);
        count.next();
        const int existing = count.value(0).toInt();
        count.finish();
        runSql(connection, u"BEGIN"_s);
        ScaleBench::addGeneratedVendors(connection, db.postgres, LargeVendors - existing, GeneratedFirstId);
        runSql(connection, u"COMMIT"_s);
        // A server's autovacuum does this soon after a load; SQLite files
        // are used as they are, without statistics.
        if (db.postgres)
            runSql(connection, u"VACUUM ANALYZE"_s);
        count.exec(u"SELECT (SELECT COUNT(*) FROM vendors), (SELECT COUNT(*) FROM addresses)"_s);
        count.next();
        std::printf("  generated %s: %d vendors, %d addresses in %.1f s\n", db.postgres ? "PostgreSQL" : "SQLite",
            count.value(0).toInt(), count.value(1).toInt(), double(clock.elapsed()) / 1000);
        std::fflush(stdout);
        connection.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void createPostgresDatabases(const ThrowawayPostgres &postgres)
{
    const QString name = u"bench-admin"_s;
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
        connectPostgres(admin, postgres.url());
        if (!admin.open())
            throw std::runtime_error(qPrintable(admin.lastError().text()));
        runSql(admin, u"CREATE DATABASE sample"_s);
        runSql(admin, u"CREATE DATABASE large"_s);
        admin.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QString figure(const std::optional<double> &value, const char *format)
{
    return value ? QString::asprintf(format, *value) : u"-"_s;
}

void printEngine(const char *engine, const Database &sample, const Database &large)
{
    const Figures &s = sample.figures;
    const Figures &l = large.figures;
    auto ratio = [](const std::optional<double> &a, const std::optional<double> &b) -> std::optional<double> {
        if (!a || !b || *a <= 0)
            return std::nullopt;
        return *b / *a;
    };
    auto verdict = [](std::optional<double> value, double target) {
        return !value ? "missed" : *value <= target ? "met" : "missed";
    };
    std::printf("\n%s                                   sample    100k / 2M    ratio   target\n", engine);
    const auto startRatio = ratio(s.startMs, l.startMs);
    std::printf("  start until first vendor painted (ms) %9s %12s %8s   <= 10x       %s\n",
        qPrintable(figure(s.startMs, "%.0f")), qPrintable(l.startMs ? figure(l.startMs, "%.0f") : l.note),
        qPrintable(figure(startRatio, "%.1fx")), verdict(startRatio, 10));
    std::printf("  CPU on one change elsewhere (s)       %9s %12s %8s   <= 0.1 s     %s\n",
        qPrintable(figure(s.changeCpuS, "%.2f")), qPrintable(figure(l.changeCpuS, "%.2f")), "",
        verdict(l.changeCpuS, 0.1));
    if (l.serverCpuS)
        std::printf("  ... and the server's CPU for it (s)   %9s %12s\n", qPrintable(figure(s.serverCpuS, "%.2f")),
            qPrintable(figure(l.serverCpuS, "%.2f")));
    const auto memoryRatio = ratio(s.rssMb, l.rssMb);
    std::printf("  resident memory of the window (MB)    %9s %12s %8s   <= 2.5x      %s\n",
        qPrintable(figure(s.rssMb, "%.0f")), qPrintable(figure(l.rssMb, "%.0f")),
        qPrintable(figure(memoryRatio, "%.1fx")), verdict(memoryRatio, 2.5));
    auto keys = [](const Figures &f, bool maximum) -> std::optional<double> {
        if (f.keystrokesMs.empty())
            return std::nullopt;
        return maximum ? *std::max_element(f.keystrokesMs.begin(), f.keystrokesMs.end()) : median(f.keystrokesMs);
    };
    std::printf("  search per keystroke, median (ms)     %9s %12s\n", qPrintable(figure(keys(s, false), "%.1f")),
        qPrintable(figure(keys(l, false), "%.1f")));
    std::printf("  search per keystroke, slowest (ms)    %9s %12s %8s   <= 100 ms    %s\n",
        qPrintable(figure(keys(s, true), "%.1f")), qPrintable(figure(keys(l, true), "%.1f")), "",
        verdict(keys(l, true), 100));
    if (!l.found.isEmpty())
        std::printf("  vendors listed at 100k: %s\n", qPrintable(l.found.join(u", "_s)));
    for (const Database *db : { &sample, &large }) {
        if (!db->figures.note.isEmpty() && db->figures.startMs)
            std::printf("  note (%s): %s\n", db == &sample ? "sample" : "100k", qPrintable(db->figures.note));
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString screenshot = dir.filePath(u"window.png"_s);
    try {
        std::printf("The address book at 100,000 vendors and 2,000,000 addresses (this takes several minutes)\n");
        const QByteArray engines = qgetenv("BENCH_SCALE_ENGINES");
        auto wanted = [&](const char *engine) { return engines.isEmpty() || engines.contains(engine); };
        if (wanted("sqlite")) {
            Database sqliteSample { u"sqlite:"_s + dir.filePath(u"sample.sqlite"_s), false, SampleChanged, {} };
            Database sqliteLarge { u"sqlite:"_s + dir.filePath(u"large.sqlite"_s), false, LargeChanged, {} };
            {
                VendorDatabase::open(sqliteSample.location, VendorDatabase::OpenMode::CreateIfMissing);
            }
            // The first start registers the control library: not measured.
            startTime(sqliteSample.location, screenshot);
            generateLarge(sqliteLarge);
            measure(sqliteSample, screenshot, true);
            measure(sqliteLarge, screenshot, true);
            printEngine("SQLite", sqliteSample, sqliteLarge);
            // The SQLite files go before the cluster's come.
            QFile::remove(sqliteLarge.location.mid(7));
        }
        if (!wanted("postgresql"))
            return 0;

        ThrowawayPostgres postgres;
        if (const QString error = postgres.start(); !error.isEmpty()) {
            std::printf("\nPostgreSQL: not measured (%s)\n", qPrintable(error));
            return 0;
        }
        createPostgresDatabases(postgres);
        Database pgSample { postgres.url(u"sample"_s), true, SampleChanged, {} };
        Database pgLarge { postgres.url(u"large"_s), true, LargeChanged, {} };
        {
            VendorDatabase::open(pgSample.location, VendorDatabase::OpenMode::CreateIfMissing);
        }
        generateLarge(pgLarge);
        if (qEnvironmentVariableIsSet("BENCH_SCALE_PAUSE")) {
            // For a look at the database with psql: goes on when the file is gone.
            std::printf("  paused: %s (remove %s to go on)\n", qPrintable(pgLarge.location),
                qgetenv("BENCH_SCALE_PAUSE").constData());
            std::fflush(stdout);
            while (QFile::exists(QString::fromLocal8Bit(qgetenv("BENCH_SCALE_PAUSE"))))
                QThread::msleep(500);
        }
        measure(pgSample, screenshot, true);
        measure(pgLarge, screenshot, true);
        printEngine("PostgreSQL (default settings)", pgSample, pgLarge);
    } catch (const ZebVendorContact::Error &error) {
        std::fprintf(stderr, "bench_scale: %s\n", qPrintable(error.message()));
        return 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_scale: %s\n", error.what());
        return 1;
    }
    return 0;
}
