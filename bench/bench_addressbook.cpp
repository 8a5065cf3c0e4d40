// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The demo host's address book route, which every database host walks:
// open a vendor of 32,767 addresses until its list is ready to paint (the
// database writes the load text, the control loads it) and save 1,000
// changed addresses in one transaction, on SQLite and on PostgreSQL over
// its Unix socket. Beside them the stock Qt route for the same job (a
// QSqlQueryModel over the same addresses ordered by name, every row
// fetched, in a QTreeView) and the control's own load of the same text.
// Targets: open <= 60 ms from SQLite, <= 120 ms from PostgreSQL; save
// <= 30 ms.

#include "../tests/support/throwawaypostgres.h"
#include "../tests/support/vendordbaccess.h"
#include "vendordatabase.h"

#include <ZebVendorContact/contactexchange.h>
#include <ZebVendorContact/vendorcontact.h>

#include <QtCore/QTemporaryDir>
#include <QtSql/QSqlQuery>
#include <QtSql/QSqlQueryModel>
#include <QtWidgets/QApplication>
#include <QtWidgets/QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

using namespace VendorContactHost;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Addresses = 32767;
constexpr int Saved = 1000;

/// One engine's database with the large vendor, and a control to load it.
struct Engine
{
    std::unique_ptr<VendorDatabase> db;
    qint32 vendorId = 0;
};

/// Everything the cases share. Made after the QApplication and destroyed
/// before it: a control outliving the application crashes at exit.
struct Fixture
{
    QTemporaryDir dir;
    ThrowawayPostgres postgres;
    std::map<QString, Engine> engines;
    std::unique_ptr<ZebVendorContact::VendorContact> control;
    /// Median milliseconds of each case, for the comparison printed at the end.
    std::map<std::string, double> medians;

    Fixture()
    {
        addEngine(u"sqlite"_s, u"sqlite:"_s + dir.filePath(u"bench.sqlite"_s));
        if (const QString error = postgres.start(); error.isEmpty())
            addEngine(u"postgresql"_s, postgres.url());
        else
            std::fprintf(stderr, "PostgreSQL cases skipped: %s\n", qPrintable(error));
        control = std::make_unique<ZebVendorContact::VendorContact>();
        control->show();
    }

    void addEngine(const QString &name, const QString &location)
    {
        Engine engine;
        engine.db = VendorDatabase::open(location);
        engine.vendorId = engine.db->addGeneratedVendor(u"Bench Vendor"_s, Addresses);
        engines[name] = std::move(engine);
    }

    void load(qint32 vendorId, const QString &text)
    {
        control->LetVendorIDNMode(vendorId, true);
        control->LetContactAddress(text, u"|"_s, u"~"_s, u"^"_s);
        QCoreApplication::sendPostedEvents(); // layout requests: ready to paint
    }
};

std::unique_ptr<Fixture> fixture;

Engine *engineFor(benchmark::State &state, const QString &name)
{
    const auto found = fixture->engines.find(name);
    if (found == fixture->engines.end()) {
        state.SkipWithError("no such database");
        return nullptr;
    }
    return &found->second;
}

/// Times each iteration by hand too, for the median the summary compares.
template<typename Body> void timed(benchmark::State &state, const std::string &name, Body &&body)
{
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    fixture->medians[name] = times[times.size() / 2];
}

void openVendor(benchmark::State &state, const QString &engineName)
{
    Engine *engine = engineFor(state, engineName);
    if (!engine)
        return;
    timed(state, "open_vendor_32767_from_" + engineName.toStdString(), [&] {
        const VendorLoad load = engine->db->loadVendorText(engine->vendorId);
        fixture->load(engine->vendorId, load.text);
        benchmark::DoNotOptimize(load.text.size());
    });
}

/// What a Qt developer writes first: a query model in a tree view.
void stockQtRoute(benchmark::State &state, const QString &engineName)
{
    Engine *engine = engineFor(state, engineName);
    if (!engine)
        return;
    QTreeView view;
    view.show();
    timed(state, "stock_qt_route_32767_from_" + engineName.toStdString(), [&] {
        QSqlQueryModel model;
        model.setQuery(u"SELECT id, row_version, type_id, name, street1, street2, city, country, state_id, "
                       u"postal_code, phone, fax, email, phone2, cell FROM addresses WHERE vendor_id = %1 "
                       u"ORDER BY name"_s.arg(engine->vendorId),
            engine->connectionOf(*db));
        while (model.canFetchMore())
            model.fetchMore();
        view.setModel(&model);
        view.doItemsLayout();
        benchmark::DoNotOptimize(model.rowCount());
        view.setModel(nullptr);
    });
}

void controlLoadOnly(benchmark::State &state)
{
    Engine &engine = fixture->engines.at(u"sqlite"_s);
    const QString text = engine.db->loadVendorText(engine.vendorId).text;
    timed(state, "control_load_32767", [&] { fixture->load(engine.vendorId, text); });
}

void saveChanged(benchmark::State &state, const QString &engineName)
{
    Engine *engine = engineFor(state, engineName);
    if (!engine)
        return;
    VendorSnapshot snapshot = engine->db->loadVendor(engine->vendorId);
    QList<ZebVendorContact::ContactAddress> changes = snapshot.addresses.mid(0, Saved);
    int round = 0;
    bool failed = false;
    timed(state, "save_1000_changed_to_" + engineName.toStdString(), [&] {
        if (failed)
            return;
        // A real change every time, with the row versions the last save left.
        const QString city = u"Bench %1"_s.arg(++round);
        for (auto &address : changes)
            address.city = city;
        const SaveOutcome outcome = engine->db->saveVendor(snapshot, changes);
        if (!outcome.saved() || outcome.updated != Saved) {
            state.SkipWithError("the save did not update every address");
            failed = true;
            return;
        }
        for (const auto &address : std::as_const(changes))
            snapshot.rowVersions.raise(address.addressId);
    });
}

void printComparison()
{
    const auto &m = fixture->medians;
    auto median = [&](const std::string &name) {
        const auto found = m.find(name);
        return found == m.end() ? 0.0 : found->second;
    };
    std::printf("\nMedians of this run (ms)          this route   stock Qt route   ratio   target\n");
    for (const char *engine : { "sqlite", "postgresql" }) {
        const double ours = median(std::string("open_vendor_32767_from_") + engine);
        const double stock = median(std::string("stock_qt_route_32767_from_") + engine);
        if (ours > 0)
            std::printf("open 32,767 addresses, %-10s %10.1f %16.1f %7.1fx %8d\n", engine, ours, stock, stock / ours,
                std::string(engine) == "sqlite" ? 60 : 120);
    }
    for (const char *engine : { "sqlite", "postgresql" }) {
        const double save = median(std::string("save_1000_changed_to_") + engine);
        if (save > 0)
            std::printf("save 1,000 addresses, %-11s %10.1f %16s %8s %8d\n", engine, save, "", "", 30);
    }
    std::printf("the control's own load            %10.1f\n", median("control_load_32767"));
}

} // namespace

BENCHMARK_CAPTURE(openVendor, sqlite, u"sqlite"_s)
    ->Name("open_vendor_32767_from_sqlite")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(stockQtRoute, sqlite, u"sqlite"_s)
    ->Name("stock_qt_route_32767_from_sqlite")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(openVendor, postgresql, u"postgresql"_s)
    ->Name("open_vendor_32767_from_postgresql")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(stockQtRoute, postgresql, u"postgresql"_s)
    ->Name("stock_qt_route_32767_from_postgresql")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(controlLoadOnly)->Name("control_load_32767")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(saveChanged, sqlite, u"sqlite"_s)
    ->Name("save_1000_changed_to_sqlite")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(saveChanged, postgresql, u"postgresql"_s)
    ->Name("save_1000_changed_to_postgresql")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    fixture = std::make_unique<Fixture>();
    benchmark::RunSpecifiedBenchmarks();
    printComparison();
    fixture.reset();
    benchmark::Shutdown();
    return 0;
}
