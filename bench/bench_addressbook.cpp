// The demo host's address book route, which every database host walks:
// open a vendor of 32,767 addresses from SQLite (query, build the load text,
// load the control) and save 1,000 changed addresses in one transaction.
// Beside them the control's own load of the same text, for comparison.
// Targets on the reference machine: open <= 150 ms, save <= 100 ms.

#include "vendordatabase.h"

#include <ZebVendorContact/contactexchange.h>
#include <ZebVendorContact/vendorcontact.h>

#include <QtCore/QTemporaryDir>
#include <QtWidgets/QApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace VendorContactHost;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Addresses = 32767;
constexpr int Saved = 1000;

struct Fixture
{
    QTemporaryDir dir;
    std::unique_ptr<VendorDatabase> db;
    qint32 vendorId = 0;
    std::unique_ptr<ZebVendorContact::VendorContact> control;

    Fixture()
    {
        db = std::make_unique<VendorDatabase>(u"sqlite:"_s + dir.filePath(u"bench.sqlite"_s));
        vendorId = db->addGeneratedVendor(u"Bench Vendor"_s, Addresses);
        control = std::make_unique<ZebVendorContact::VendorContact>();
        control->LetVendorIDNMode(vendorId, true);
        control->show();
    }

    void load(const QString &text)
    {
        control->LetContactAddress(text, u"|"_s, u"~"_s, u"^"_s);
    }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

void openVendor(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        const VendorSnapshot snapshot = f.db->loadVendor(f.vendorId);
        const QString text = ZebVendorContact::buildLoadText(snapshot.addresses, snapshot.types, snapshot.states);
        f.load(text);
        benchmark::DoNotOptimize(text.size());
    }
    state.counters["target_ms"] = 150;
}

void controlLoadOnly(benchmark::State &state)
{
    Fixture &f = fixture();
    const VendorSnapshot snapshot = f.db->loadVendor(f.vendorId);
    const QString text = ZebVendorContact::buildLoadText(snapshot.addresses, snapshot.types, snapshot.states);
    for (auto _ : state)
        f.load(text);
}

void saveChanged(benchmark::State &state)
{
    Fixture &f = fixture();
    VendorSnapshot snapshot = f.db->loadVendor(f.vendorId);
    QList<ZebVendorContact::ContactAddress> changes = snapshot.addresses.mid(0, Saved);
    int round = 0;
    for (auto _ : state) {
        // A real change every time, with the row versions the last save left.
        const QString city = u"Bench %1"_s.arg(++round);
        for (auto &address : changes)
            address.city = city;
        const SaveOutcome outcome = f.db->saveVendor(snapshot, changes);
        if (!outcome.saved() || outcome.updated != Saved) {
            state.SkipWithError("the save did not update every address");
            break;
        }
        for (const auto &address : std::as_const(changes))
            ++snapshot.rowVersions[address.addressId];
    }
    state.counters["target_ms"] = 100;
}

} // namespace

BENCHMARK(openVendor)->Name("open_vendor_32767_from_sqlite")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(controlLoadOnly)->Name("control_load_32767")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(saveChanged)->Name("save_1000_changed_to_sqlite")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
